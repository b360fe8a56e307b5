#include "app/ftp_client.h"

#include <QList>
#include <algorithm>
#include <sys/socket.h>

#include "app/update_libraries.h"

namespace {

// Only reached with a session's handle, which only the loaded library gives.
const CurlFunctions& Curl()
{
    return *LoadCurl();
}

constexpr long ConnectTimeoutMs = 10000;  // a host that does not answer at all
constexpr long ResponseTimeoutS = 10;     // a server that stops answering commands

// A directory that holds the update file lists it early: a listing longer than
// this is not worth reading on, and a line longer than a name allows is no
// entry of ours.
constexpr int MaxListingLines = 10000;
constexpr int64_t MaxListingBytes = 1 << 20;     // [bytes]
constexpr qsizetype MaxListingLineBytes = 1024;  // [bytes]

// Every byte of the 8-bit text as it came, slashes included.
QByteArray Encoded(const QString& text)
{
    return text.toLatin1().toPercentEncoding();
}

// A host is one URL authority: a name or address with an optional ":port".
bool IsPlainHost(const QString& host)
{
    if (host.isEmpty())
        return false;
    for (QChar c : host)
        if (c.unicode() <= u' ' || c.unicode() >= 0x7F || QStringLiteral("/\\@?#%;").contains(c))
            return false;
    return true;
}

// Runs one request on the session's connection, cut at the session's deadline.
bool Perform(FtpSession& session, const QByteArray& url)
{
    using namespace std::chrono;
    const auto left = duration_cast<milliseconds>(session.deadline - steady_clock::now()).count();
    if (left <= 0)
        return false;
    Curl().easySetopt(session.curl, CURLOPT_URL, url.constData());
    Curl().easySetopt(session.curl, CURLOPT_TIMEOUT_MS, long(left));
    return Curl().easyPerform(session.curl) == CURLE_OK;
}

size_t DiscardData(char*, size_t size, size_t count, void*)
{
    return size * count;
}

// The search of a listing for one file, fed as the listing arrives.
struct ListingSearch {
    QString name;
    QByteArray line;        // the line being received, at most MaxListingLineBytes
    bool overlong = false;  // the line being received is longer: skipped
    int lines = 0;
    int64_t received = 0;  // [bytes]
    bool found = false;
    FtpEntry entry;
};

bool LineNamesTheFile(ListingSearch& search)
{
    FtpEntry entry;
    if (search.overlong || !FtpListingEntry(search.line, entry) || !entry.isFile || entry.name != search.name)
        return false;
    search.entry = entry;
    search.found = true;
    return true;
}

// Returning less than it was given ends the listing: once the file is found,
// and once the listing passes its limits.
size_t ReadListing(char* data, size_t size, size_t count, void* target)
{
    auto* search = static_cast<ListingSearch*>(target);
    const size_t length = size * count;
    search->received += int64_t(length);
    for (size_t i = 0; i < length; ++i) {
        if (data[i] == '\n') {
            if (LineNamesTheFile(*search) || ++search->lines >= MaxListingLines)
                return 0;
            search->line.clear();
            search->overlong = false;
        } else if (search->line.size() < MaxListingLineBytes) {
            search->line.append(data[i]);
        } else {
            search->overlong = true;
        }
    }
    return search->received > MaxListingBytes ? 0 : length;
}

size_t ReceiveDownload(char* data, size_t size, size_t count, void* target)
{
    auto* download = static_cast<FtpDownload*>(target);
    const size_t length = size * count;
    if (download->abandon || int64_t(length) > download->limit - int64_t(download->data.size()))
        return 0;
    FtpTransfer requested = FtpTransfer::Requested;
    download->state.compare_exchange_strong(requested, FtpTransfer::Started);
    download->data.append(data, qsizetype(length));
    download->bytes = int64_t(download->data.size());
    return length;
}

int DownloadProgress(void* target, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<FtpDownload*>(target)->abandon ? 1 : 0;
}

bool IsMonth(const QByteArray& word)
{
    static const QByteArrayList Months = {"jan", "feb", "mar", "apr", "may", "jun",
                                          "jul", "aug", "sep", "oct", "nov", "dec"};
    return Months.contains(word.toLower());
}

bool IsNumber(const QByteArray& word, int minDigits, int maxDigits)
{
    if (word.size() < minDigits || word.size() > maxDigits)
        return false;
    return std::all_of(word.begin(), word.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// A time of day "12:00" or a year "2026".
bool IsTimeOrYear(const QByteArray& word)
{
    const qsizetype colon = word.indexOf(':');
    if (colon < 0)
        return IsNumber(word, 4, 4);
    return IsNumber(word.left(colon), 1, 2) && IsNumber(word.mid(colon + 1), 2, 2);
}

int64_t SizeOf(const QByteArray& word)
{
    bool ok = false;
    const qlonglong size = word.toLongLong(&ok);
    return ok && IsNumber(word, 1, 19) ? int64_t(size) : -1;
}

struct Field {
    QByteArray text;
    qsizetype end = 0;  // just past it, in the line
};

// The first blank-separated fields of a line; the rest may be a name with blanks.
QList<Field> FirstFields(const QByteArray& line, int count)
{
    QList<Field> fields;
    qsizetype at = 0;
    while (fields.size() < count) {
        while (at < line.size() && line[at] == ' ')
            ++at;
        if (at == line.size())
            break;
        const qsizetype start = at;
        while (at < line.size() && line[at] != ' ')
            ++at;
        fields.append({line.mid(start, at - start), at});
    }
    return fields;
}

// "drwxr-xr-x 2 owner group 4096 Dec 09 00:00 name": the group may be missing,
// a link's name is followed by " -> " and its target.
bool UnixEntry(const QByteArray& line, const QList<Field>& fields, FtpEntry& entry)
{
    if (fields.isEmpty() || fields[0].text.size() < 10 || !QByteArray("-dlbcps").contains(fields[0].text[0]))
        return false;
    for (qsizetype month = 3; month + 2 < fields.size(); ++month) {
        if (!IsMonth(fields[month].text) || !IsNumber(fields[month - 1].text, 1, 19)
            || !IsNumber(fields[month + 1].text, 1, 2) || !IsTimeOrYear(fields[month + 2].text))
            continue;
        QByteArray name = line.mid(fields[month + 2].end + 1);
        const char kind = fields[0].text[0];
        if (kind == 'l' && name.contains(" -> "))
            name.truncate(name.indexOf(" -> "));
        if (name.isEmpty())
            return false;
        entry.name = QString::fromLatin1(name);
        entry.isFile = kind == '-';
        entry.size = SizeOf(fields[month - 1].text);
        return true;
    }
    return false;
}

// "12-09-26  12:00AM       <DIR>          name" or "... 33 name".
bool DosEntry(const QByteArray& line, const QList<Field>& fields, FtpEntry& entry)
{
    if (fields.size() < 3 || fields[0].text.count('-') != 2 || !fields[1].text.contains(':'))
        return false;
    const bool folder = fields[2].text == "<DIR>";
    if (!folder && !IsNumber(fields[2].text, 1, 19))
        return false;
    qsizetype start = fields[2].end;
    while (start < line.size() && line[start] == ' ')
        ++start;
    if (start == line.size())
        return false;
    entry.name = QString::fromLatin1(line.mid(start));
    entry.isFile = !folder;
    entry.size = folder ? -1 : SizeOf(fields[2].text);
    return true;
}

}  // namespace

bool FtpStartNetwork()
{
    static const bool started = LoadCurl() && Curl().globalInit(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return started;
}

bool FtpLogIn(FtpSession& session, const QString& host, const QString& user, const QString& password, int timeLimitMs)
{
    session.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeLimitMs);
    if (!IsPlainHost(host) || !LoadCurl())
        return false;
    session.curl = Curl().easyInit();
    if (!session.curl)
        return false;
    CURL* curl = session.curl;
    // The download runs on a thread: no signals for timeouts.
    Curl().easySetopt(curl, CURLOPT_NOSIGNAL, 1L);
    Curl().easySetopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    Curl().easySetopt(curl, CURLOPT_PROXY, "");  // the server itself, whatever the environment says
    Curl().easySetopt(curl, CURLOPT_CONNECTTIMEOUT_MS, ConnectTimeoutMs);
    Curl().easySetopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, ResponseTimeoutS);
    // Passive mode, with the data connection to the server's own address only.
    Curl().easySetopt(curl, CURLOPT_FTPPORT, static_cast<char*>(nullptr));
    Curl().easySetopt(curl, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    // One "CWD directory" as given, not one per path element.
    Curl().easySetopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    Curl().easySetopt(curl, CURLOPT_TRANSFERTEXT, 0L);  // image type
    Curl().easySetopt(curl, CURLOPT_USERNAME, user.toLatin1().constData());
    Curl().easySetopt(curl, CURLOPT_PASSWORD, password.toLatin1().constData());
    Curl().easySetopt(curl, CURLOPT_WRITEFUNCTION, DiscardData);
    Curl().easySetopt(curl, CURLOPT_NOBODY, 1L);
    session.serverUrl = "ftp://" + host.toLatin1() + '/';
    session.folderUrl = session.serverUrl;
    return Perform(session, session.serverUrl);
}

bool FtpChangeDirectory(FtpSession& session, const QString& directory)
{
    if (directory.isEmpty())
        return true;
    if (!session.curl)
        return false;
    // The whole directory in one path element: slashes encoded, so that the
    // server receives it as written.
    const QByteArray folder = session.serverUrl + Encoded(directory) + '/';
    Curl().easySetopt(session.curl, CURLOPT_NOBODY, 1L);
    if (!Perform(session, folder))
        return false;
    session.folderUrl = folder;
    return true;
}

bool FtpListingEntry(const QByteArray& listed, FtpEntry& entry)
{
    const QByteArray line = listed.endsWith('\r') ? listed.chopped(1) : listed;
    const QList<Field> fields = FirstFields(line, 9);
    return UnixEntry(line, fields, entry) || DosEntry(line, fields, entry);
}

bool FtpFindFile(FtpSession& session, const QString& name, FtpEntry& found)
{
    if (!session.curl)
        return false;
    ListingSearch search;
    search.name = name;
    CURL* curl = session.curl;
    Curl().easySetopt(curl, CURLOPT_NOBODY, 0L);
    Curl().easySetopt(curl, CURLOPT_WRITEFUNCTION, ReadListing);
    Curl().easySetopt(curl, CURLOPT_WRITEDATA, &search);
    const bool listed = Perform(session, session.folderUrl);
    Curl().easySetopt(curl, CURLOPT_WRITEFUNCTION, DiscardData);
    Curl().easySetopt(curl, CURLOPT_WRITEDATA, nullptr);
    // A last line without its line end.
    if (listed && !search.found)
        LineNamesTheFile(search);
    if (search.found)
        found = search.entry;
    return search.found;
}

bool FtpStartDownload(FtpSession& session, const QString& name, int64_t limit, FtpDownload& download)
{
    download.state = FtpTransfer::Requested;
    download.bytes = 0;
    download.abandon = false;
    download.limit = limit;
    download.data.clear();
    if (!session.curl || limit < 0)
        return false;
    download.data.reserve(qsizetype(limit));
    CURL* curl = session.curl;
    Curl().easySetopt(curl, CURLOPT_NOBODY, 0L);
    Curl().easySetopt(curl, CURLOPT_MAXFILESIZE_LARGE, curl_off_t(limit));
    Curl().easySetopt(curl, CURLOPT_WRITEFUNCTION, ReceiveDownload);
    Curl().easySetopt(curl, CURLOPT_WRITEDATA, &download);
    Curl().easySetopt(curl, CURLOPT_NOPROGRESS, 0L);
    Curl().easySetopt(curl, CURLOPT_XFERINFOFUNCTION, DownloadProgress);
    Curl().easySetopt(curl, CURLOPT_XFERINFODATA, &download);
    const QByteArray url = session.folderUrl + Encoded(name);
    download.thread = std::thread([&session, &download, url] {
        const bool done = Perform(session, url);
        Curl().easySetopt(session.curl, CURLOPT_WRITEFUNCTION, DiscardData);
        Curl().easySetopt(session.curl, CURLOPT_WRITEDATA, nullptr);
        Curl().easySetopt(session.curl, CURLOPT_NOPROGRESS, 1L);
        download.state = done ? FtpTransfer::Finished : FtpTransfer::Failed;
    });
    return true;
}

void FtpEndDownload(FtpDownload& download)
{
    download.abandon = true;
    if (download.thread.joinable())
        download.thread.join();
}

void FtpClose(FtpSession& session)
{
    if (session.curl) {
        // Hang up without the goodbye: its answer would be awaited for the full
        // response time, past the session's deadline.
        curl_socket_t control = CURL_SOCKET_BAD;
        if (Curl().easyGetinfo(session.curl, CURLINFO_ACTIVESOCKET, &control) == CURLE_OK && control != CURL_SOCKET_BAD)
            shutdown(control, SHUT_RDWR);
        Curl().easyCleanup(session.curl);
    }
    session = FtpSession();
}
