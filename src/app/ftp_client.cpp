#include "app/ftp_client.h"


namespace {

constexpr long ConnectTimeoutMs = 10000;   // a host that does not answer at all
constexpr long ResponseTimeoutS = 10;      // a server that stops answering commands

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
    curl_easy_setopt(session.curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(session.curl, CURLOPT_TIMEOUT_MS, long(left));
    return curl_easy_perform(session.curl) == CURLE_OK;
}

size_t DiscardData(char*, size_t size, size_t count, void*)
{
    return size * count;
}

long ListEntry(const void* info, void* target, int)
{
    const auto* file = static_cast<const curl_fileinfo*>(info);
    FtpEntry entry;
    entry.name = QString::fromLatin1(file->filename);
    entry.isFile = file->filetype == CURLFILETYPE_FILE;
    if (file->flags & CURLFINFOFLAG_KNOWN_SIZE)
        entry.size = int64_t(file->size);
    static_cast<std::vector<FtpEntry>*>(target)->push_back(entry);
    return CURL_CHUNK_BGN_FUNC_SKIP;
}

size_t WriteDownload(char* data, size_t size, size_t count, void* target)
{
    auto* download = static_cast<FtpDownload*>(target);
    if (download->abandon)
        return 0;
    FtpTransfer requested = FtpTransfer::Requested;
    download->state.compare_exchange_strong(requested, FtpTransfer::Started);
    const size_t written = std::fwrite(data, 1, size * count, download->file);
    download->bytes += int64_t(written);
    return written;
}

int DownloadProgress(void* target, curl_off_t, curl_off_t, curl_off_t, curl_off_t)
{
    return static_cast<FtpDownload*>(target)->abandon ? 1 : 0;
}

} // namespace

bool FtpStartNetwork()
{
    static const bool started = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    return started;
}

bool FtpLogIn(FtpSession& session, const QString& host, const QString& user,
              const QString& password, int timeLimitMs)
{
    session.deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeLimitMs);
    if (!IsPlainHost(host))
        return false;
    session.curl = curl_easy_init();
    if (!session.curl)
        return false;
    CURL* curl = session.curl;
    // The download runs on a thread: no signals for timeouts.
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "ftp");
    curl_easy_setopt(curl, CURLOPT_PROXY, "");  // the server itself, whatever the environment says
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, ConnectTimeoutMs);
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, ResponseTimeoutS);
    // Passive mode, with the data connection to the server's own address only.
    curl_easy_setopt(curl, CURLOPT_FTPPORT, static_cast<char*>(nullptr));
    curl_easy_setopt(curl, CURLOPT_FTP_SKIP_PASV_IP, 1L);
    // One "CWD directory" as given, not one per path element.
    curl_easy_setopt(curl, CURLOPT_FTP_FILEMETHOD, long(CURLFTPMETHOD_SINGLECWD));
    curl_easy_setopt(curl, CURLOPT_TRANSFERTEXT, 0L);  // image type
    curl_easy_setopt(curl, CURLOPT_USERNAME, user.toLatin1().constData());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, password.toLatin1().constData());
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DiscardData);
    curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
    session.serverUrl = "ftp://" + host.toLatin1() + '/';
    session.folderUrl = session.serverUrl;
    return Perform(session, session.serverUrl);
}

bool FtpChangeDirectory(FtpSession& session, const QString& directory)
{
    if (directory.isEmpty())
        return true;
    // The whole directory in one path element: slashes encoded, so that the
    // server receives it as written.
    const QByteArray folder = session.serverUrl + Encoded(directory) + '/';
    curl_easy_setopt(session.curl, CURLOPT_NOBODY, 1L);
    if (!Perform(session, folder))
        return false;
    session.folderUrl = folder;
    return true;
}

bool FtpListDirectory(FtpSession& session, std::vector<FtpEntry>& entries)
{
    entries.clear();
    CURL* curl = session.curl;
    // Wildcard mode has the library read the listing into names, kinds and sizes.
    curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl, CURLOPT_WILDCARDMATCH, 1L);
    curl_easy_setopt(curl, CURLOPT_CHUNK_BGN_FUNCTION, ListEntry);
    curl_easy_setopt(curl, CURLOPT_CHUNK_DATA, &entries);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, DiscardData);
    const bool listed = Perform(session, session.folderUrl + '*');
    curl_easy_setopt(curl, CURLOPT_WILDCARDMATCH, 0L);
    curl_easy_setopt(curl, CURLOPT_CHUNK_BGN_FUNCTION, nullptr);
    curl_easy_setopt(curl, CURLOPT_CHUNK_DATA, nullptr);
    return listed;
}

bool FtpStartDownload(FtpSession& session, const QString& name, const QString& localPath,
                      FtpDownload& download)
{
    download.state = FtpTransfer::Requested;
    download.bytes = 0;
    download.abandon = false;
    download.file = std::fopen(localPath.toLocal8Bit().constData(), "wb");
    if (!download.file)
        return false;
    CURL* curl = session.curl;
    curl_easy_setopt(curl, CURLOPT_NOBODY, 0L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteDownload);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &download);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, DownloadProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &download);
    const QByteArray url = session.folderUrl + Encoded(name);
    download.thread = std::thread([&session, &download, url] {
        const bool done = Perform(session, url);
        curl_easy_setopt(session.curl, CURLOPT_WRITEFUNCTION, DiscardData);
        curl_easy_setopt(session.curl, CURLOPT_NOPROGRESS, 1L);
        std::fclose(download.file);
        download.file = nullptr;
        download.state = done ? FtpTransfer::Finished : FtpTransfer::Failed;
    });
    return true;
}

void FtpEndDownload(FtpDownload& download)
{
    download.abandon = true;
    if (download.thread.joinable())
        download.thread.join();
    if (download.file) {
        std::fclose(download.file);
        download.file = nullptr;
    }
}

void FtpClose(FtpSession& session)
{
    if (session.curl)
        curl_easy_cleanup(session.curl);
    session = FtpSession();
}
