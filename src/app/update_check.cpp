#include "app/update_check.h"

#include <QList>
#include <chrono>
#include <limits>
#include <thread>

#include "app/ftp_client.h"
#include "base/identity.h"
#include "platform/system.h"

namespace {

constexpr int64_t SecondsPerDay = 86400;

// "Update.info" is a few lines: a server that lists it longer is not ours.
constexpr int64_t MaxUpdateInfoBytes = 64 * 1024;

// The first wait, until the server starts sending the file (or the transfer
// ends either way). A transfer that has not started after that is abandoned.
constexpr int FirstWaitLimitMs = 15000;
constexpr int FirstWaitPollMs = 10;
constexpr int ProgressPollMs = 50;

// The published version: false when no line carries one.
bool PublishedVersion(const QByteArray& updateInfo, QString& version)
{
    static const QByteArray Marker("Version =");
    for (QByteArray line : updateInfo.split('\n')) {
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.startsWith(Marker)) {
            version = QString::fromLatin1(line.mid(Marker.size()));
            return true;
        }
    }
    return false;
}

int RunCheck(UpdateAccess& access, int timeLimitMs, FtpSession& session, FtpDownload& download)
{
    if (!FtpStartNetwork())
        return 0;
    if (!FtpLogIn(session, access.host, access.user, access.password, timeLimitMs))
        return 0;
    if (!FtpChangeDirectory(session, access.directory))
        return 0;
    ClearUpdateAccess(access);

    // Into memory: nothing on disk that another user could prepare or read.
    const QString name = QStringLiteral("Update.info");
    FtpEntry info;
    if (!FtpFindFile(session, name, info) || info.size < 0 || info.size > MaxUpdateInfoBytes)
        return 0;
    if (!FtpStartDownload(session, name, info.size, download) || !WaitForDownload(download, info.size))
        return 0;
    FtpEndDownload(download);
    return NewerVersionPublished(download.data);
}

}  // namespace

bool WaitForDownload(const FtpDownload& download, int64_t listedSize)
{
    using namespace std::chrono;
    // The first wait asks for the transfer to have left its "requested" state at
    // all, not for a moment in which it has started and received nothing yet: a
    // small file can go from requested to finished between two looks.
    const auto firstWaitEnd = steady_clock::now() + milliseconds(FirstWaitLimitMs);
    while (download.state == FtpTransfer::Requested) {
        if (steady_clock::now() >= firstWaitEnd)
            return false;
        std::this_thread::sleep_for(milliseconds(FirstWaitPollMs));
    }
    for (;;) {
        // The state first: once it says finished, the byte count is final.
        const FtpTransfer state = download.state;
        const int64_t bytes = download.bytes;
        if (state == FtpTransfer::Failed || bytes > listedSize)
            return false;
        if (state == FtpTransfer::Finished)
            return true;
        std::this_thread::sleep_for(milliseconds(ProgressPollMs));
    }
}

int64_t VersionNumber(const QString& version)
{
    QString digits = version;
    while (digits.startsWith(u' '))
        digits.remove(0, 1);
    while (digits.endsWith(u' '))
        digits.chop(1);
    digits.remove(u'.');
    int64_t number = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9')
            break;
        const int digit = c.unicode() - u'0';
        if (number > (std::numeric_limits<int64_t>::max() - digit) / 10)
            return std::numeric_limits<int64_t>::max();
        number = number * 10 + digit;
    }
    return number;
}

int NewerVersionPublished(const QByteArray& updateInfo)
{
    QString published;
    return PublishedVersion(updateInfo, published) && VersionNumber(published) > VersionNumber(ProgramVersion) ? 1 : 0;
}

bool IsUpdateDue(const Settings& settings, int64_t now)
{
    return settings.UpdateAuto == 1 && now > int64_t(settings.LastUpdate) + SecondsPerDay;
}

int CheckForUpdate(UpdateAccess& access, int timeLimitMs)
{
    FtpSession session;
    FtpDownload download;
    const int result = RunCheck(access, timeLimitMs, session, download);
    FtpEndDownload(download);
    FtpClose(session);
    ClearUpdateAccess(access);
    return result;
}

void RunDueUpdateCheck(Settings& settings, const Folders& folders)
{
    if (!IsUpdateDue(settings, NowSeconds()))
        return;
    UpdateAccess access;
    if (!ReadUpdateAccess(folders.work, access))
        return;
    settings.Update = int8_t(CheckForUpdate(access, UpdateCheckTimeLimitMs));
    settings.LastUpdate = int32_t(NowSeconds());
}
