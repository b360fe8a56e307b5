#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include "app/local_ftp_server.h"
#include "app/update_check.h"
#include "support/scratch_files.h"

namespace {

// True once the server's log matches: it writes a transfer's line only when it
// notices that the client has hung up.
bool LogShows(const QString& logPath, const QString& pattern)
{
    const QRegularExpression expression(pattern);
    QElapsedTimer waited;
    waited.start();
    do {
        if (expression.match(QString::fromLatin1(ReadBytes(logPath))).hasMatch())
            return true;
        QThread::msleep(50);
    } while (waited.elapsed() < 5000);
    return false;
}

// Whatever the server does, the check ends with the published version or with
// none, reads no more than it needs and leaves nothing in the temporary folder.
TEST(UpdateCheckHostileServer, EndsWithoutHarmWhateverTheServerDoes)
{
    struct Case {
        const char* mode;
        int update;
        const char* logShows;  // a line of the server's log, as a pattern
    };
    const Case cases[] = {
        {"normal", 1, "RETR-SENT 33 done"},
        {"stalled-greeting", 0, nullptr},
        {"trickled-listing", 0, nullptr},
        {"huge-listing", 0, "LIST-SENT \\d{1,8} cut"},   // not read to its end
        {"file-then-endless", 1, "LIST-SENT \\d+ cut"},  // ended once the file is found
        {"trickled-file", 0, nullptr},
        {"stalled-file", 0, nullptr},
        {"oversize-listed", 0, "(?s)CMD LIST(?!.*CMD RETR)"},  // never asked for
        {"larger-than-listed", 0, "RETR-SENT \\d+ cut"},
    };
    QTemporaryDir scratch;
    const QString temp = scratch.path() + QStringLiteral("/tmp/");
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", temp.toLocal8Bit());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        ASSERT_TRUE(QDir(temp).removeRecursively() && QDir().mkpath(temp));
        const QString log = scratch.path() + u'/' + QString::fromLatin1(c.mode) + QStringLiteral(".log");
        LocalFtpServer server;
        ASSERT_TRUE(server.StartHostile(QString::fromLatin1(c.mode), log));
        UpdateAccess access{server.Host(), QStringLiteral("maj"), QStringLiteral("s3cret"), QStringLiteral("maj")};
        EXPECT_EQ(CheckForUpdate(access, 4000), c.update);
        EXPECT_TRUE(QDir(temp).isEmpty());
        if (c.logShows) {
            EXPECT_TRUE(LogShows(log, QString::fromLatin1(c.logShows))) << ReadBytes(log).right(300).constData();
        }
    }
    if (hadTemp)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
}

}  // namespace
