#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <chrono>
#include <memory>
#include <netinet/in.h>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>

#include "app/access_file_support.h"
#include "app/folders.h"
#include "app/ftp_client.h"
#include "app/local_ftp_server.h"
#include "app/update_check.h"
#include "platform/system.h"
#include "support/scratch_files.h"

namespace {

const QString User = QStringLiteral("maj");
const QString Password = QStringLiteral("s3cret");
constexpr int32_t LongAgo = 1320932884;

// Bytes of every value, line ends of both kinds: a download must not alter them.
QByteArray BinaryBytes()
{
    QByteArray bytes = "Version = 3.1.10\r\nnotes\n\r\n";
    for (int i = 0; i < 70000; ++i)
        bytes.append(char(i * 7 % 256));
    return bytes;
}

// A port of 127.0.0.1 that was free a moment ago: nobody listens there.
int ClosedPort()
{
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    int port = 0;
    if (fd >= 0 && bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof(address)) == 0
        && getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) == 0)
        port = ntohs(address.sin_port);
    if (fd >= 0)
        close(fd);
    return port;
}

// One server for the whole suite, over a folder with one sub-folder per case.
class UpdateCheckFtp : public testing::Test {
protected:
    static inline std::unique_ptr<QTemporaryDir> root;
    static inline std::unique_ptr<LocalFtpServer> server;

    static void SetUpTestSuite()
    {
        root = std::make_unique<QTemporaryDir>();
        const QString served = root->path() + QStringLiteral("/served/");
        auto put = [&served](const char* path, const QByteArray& bytes) {
            ASSERT_TRUE(WriteBytes(served + QString::fromLatin1(path), bytes)) << path;
        };
        put("newer/Update.info", "; Vorquil III\r\nVersion = 3.1.10\r\n");
        put("same/Update.info", "Version = 3.1.09\r\n");
        put("short/Update.info", "Version = 3.2\r\n");
        put("lower/update.info", "Version = 3.1.10\r\n");
        put("none/readme.txt", "Version = 3.1.10\r\n");
        put("folder/Update.info/readme.txt", "Version = 3.1.10\r\n");
        put("noline/Update.info", "version = 3.1.10\r\nVersion: 3.1.10\r\n");
        put("deep/er/Update.info", "Version = 3.1.10\r\n");
        put("big/Update.info", QByteArray(60000, ';') + "\r\nVersion = 3.1.10\r\n");
        put("toobig/Update.info", QByteArray(70000, ';') + "\r\nVersion = 3.1.10\r\n");
        put("binary/data.bin", BinaryBytes());
        put("binary/a.txt", "abc");
        ASSERT_TRUE(QDir().mkpath(served + QStringLiteral("binary/sub")));
        server = std::make_unique<LocalFtpServer>();
        ASSERT_TRUE(server->Start(served, User, Password, root->path() + QStringLiteral("/server.log")))
            << "no local FTP server (python3-pyftpdlib)";
    }

    static void TearDownTestSuite()
    {
        server.reset();
        root.reset();
    }

    QTemporaryDir scratch;
    Folders folders;

    void SetUp() override
    {
        ASSERT_TRUE(server && server->port > 0);
        folders.work = scratch.path() + QStringLiteral("/work/");
        ASSERT_TRUE(QDir().mkpath(folders.work));
    }

    void WriteAccess(const QString& host, const QString& user, const QString& password, const QString& directory)
    {
        const QString text = host + u';' + user + u';' + password + u';' + directory;
        ASSERT_TRUE(WriteBytes(folders.work + QStringLiteral("Vorquil.dat"), EncipherAccess(text.toLatin1())));
    }

    static Settings Due(int8_t update)
    {
        Settings settings;
        settings.UpdateAuto = 1;
        settings.LastUpdate = LongAgo;
        settings.Update = update;
        return settings;
    }
};

// Update takes the check's result and LastUpdate the time of the check,
// whatever the result.
void ExpectCheckMade(const Settings& settings, int update, int64_t before, int64_t after)
{
    EXPECT_EQ(settings.Update, update);
    EXPECT_GE(settings.LastUpdate, before);
    EXPECT_LE(settings.LastUpdate, after);
}

TEST_F(UpdateCheckFtp, RecordsWhatTheServerPublishes)
{
    struct Case {
        const char* directory;
        int update;
    };
    const Case cases[] = {
        {"newer", 1},   {"same", 0},    {"short", 0},                 // 3.2 reads 32
        {"lower", 0},                                                 // "update.info" is not "Update.info"
        {"none", 0},    {"folder", 0},                                // a folder named "Update.info"
        {"noline", 0},  {"deep/er", 1}, {"big", 1},   {"toobig", 0},  // listed above 64 KiB
        {"nowhere", 0},                                               // no such directory
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.directory);
        WriteAccess(server->Host(), User, Password, QString::fromLatin1(c.directory));
        Settings settings = Due(c.update ? 0 : 1);
        const int64_t before = NowSeconds();
        RunDueUpdateCheck(settings, folders);
        ExpectCheckMade(settings, c.update, before, NowSeconds());
    }
}

// Another local user prepares the download folder of the temporary folder: a
// link in it to a file of the user, or the folder itself a link to a folder of
// the user. The user's files survive the check, and so do the other's links.
TEST_F(UpdateCheckFtp, TemporaryFolderPreparedByAnotherUserHarmsNothing)
{
    const QString temp = scratch.path() + QStringLiteral("/tmp/");
    const QString victim = scratch.path() + QStringLiteral("/victim/");
    const QString prepared = temp + QStringLiteral("Vorquil");
    const QByteArray kept("the user's own text\n");
    const bool hadTemp = qEnvironmentVariableIsSet("TMPDIR");
    const QByteArray oldTemp = qgetenv("TMPDIR");
    WriteAccess(server->Host(), User, Password, QStringLiteral("newer"));
    for (const bool folderIsLink : {false, true}) {
        SCOPED_TRACE(folderIsLink ? "folder is a link" : "link in the folder");
        ASSERT_TRUE(QDir(temp).removeRecursively() && QDir(victim).removeRecursively());
        ASSERT_TRUE(WriteBytes(victim + QStringLiteral("Update.info"), kept));
        ASSERT_TRUE(WriteBytes(victim + QStringLiteral("notes.txt"), kept));
        const QString link = folderIsLink ? prepared : prepared + QStringLiteral("/Update.info");
        ASSERT_TRUE(QDir().mkpath(folderIsLink ? temp : prepared));
        QFile::setPermissions(prepared, QFileDevice::Permissions(0x7777));
        ASSERT_TRUE(QFile::link(folderIsLink ? victim : victim + QStringLiteral("notes.txt"), link));
        qputenv("TMPDIR", temp.toLocal8Bit());
        Folders resolved = ResolveFolders();
        resolved.work = folders.work;
        Settings settings = Due(0);
        RunDueUpdateCheck(settings, resolved);
        EXPECT_EQ(settings.Update, 1);
        EXPECT_EQ(ReadBytes(victim + QStringLiteral("Update.info")), kept);
        EXPECT_EQ(ReadBytes(victim + QStringLiteral("notes.txt")), kept);
        EXPECT_TRUE(QFileInfo(link).isSymLink());
    }
    if (hadTemp)
        qputenv("TMPDIR", oldTemp);
    else
        qunsetenv("TMPDIR");
}

TEST_F(UpdateCheckFtp, WrongPasswordCountsAsACheck)
{
    WriteAccess(server->Host(), User, QStringLiteral("wrong"), QStringLiteral("newer"));
    Settings settings = Due(1);
    const int64_t before = NowSeconds();
    RunDueUpdateCheck(settings, folders);
    ExpectCheckMade(settings, 0, before, NowSeconds());
}

TEST_F(UpdateCheckFtp, NobodyListeningCountsAsACheck)
{
    const int closedPort = ClosedPort();
    ASSERT_GT(closedPort, 0);
    WriteAccess(QStringLiteral("127.0.0.1:") + QString::number(closedPort), User, Password, QStringLiteral("newer"));
    Settings settings = Due(1);
    const int64_t before = NowSeconds();
    RunDueUpdateCheck(settings, folders);
    ExpectCheckMade(settings, 0, before, NowSeconds());
}

TEST_F(UpdateCheckFtp, NoAccessFileLeavesEverythingForTheNextRun)
{
    Settings settings = Due(1);
    RunDueUpdateCheck(settings, folders);
    EXPECT_EQ(settings.Update, 1);
    EXPECT_EQ(settings.LastUpdate, LongAgo);
}

TEST_F(UpdateCheckFtp, NotDueNoCheck)
{
    WriteAccess(server->Host(), User, Password, QStringLiteral("newer"));
    struct Case {
        int8_t updateAuto;
        int32_t lastUpdate;
    };
    const int32_t now = int32_t(NowSeconds());
    const Case cases[] = {{0, LongAgo}, {1, now - 3600}};
    for (const Case& c : cases) {
        Settings settings = Due(0);
        settings.UpdateAuto = c.updateAuto;
        settings.LastUpdate = c.lastUpdate;
        RunDueUpdateCheck(settings, folders);
        EXPECT_EQ(settings.Update, 0);
        EXPECT_EQ(settings.LastUpdate, c.lastUpdate);
    }
}

TEST_F(UpdateCheckFtp, AccessIsClearedAfterTheCheck)
{
    for (const char* directory : {"newer", "nowhere"}) {
        UpdateAccess access{server->Host(), User, Password, QString::fromLatin1(directory)};
        CheckForUpdate(access, UpdateCheckTimeLimitMs);
        EXPECT_TRUE(access.host.isEmpty() && access.user.isEmpty() && access.password.isEmpty()
                    && access.directory.isEmpty())
            << directory;
    }
}

TEST(FtpListing, ReadsNamesKindsAndSizes)
{
    struct Case {
        const char* line;
        bool isEntry;
        const char* name;
        bool isFile;
        int64_t size;
    };
    const Case cases[] = {
        {"-rw-r--r--   1 owner    group          33 Dec 09 00:00 Update.info", true, "Update.info", true, 33},
        {"-rw-r--r-- 1 owner 70016 Jan  1  2025 data with  blanks.bin", true, "data with  blanks.bin", true, 70016},
        {"drwxr-xr-x   2 owner    group        4096 Dec 09 00:00 Update.info", true, "Update.info", false, 4096},
        {"lrwxrwxrwx   1 owner    group          11 Dec 09 00:00 Update.info -> notes", true, "Update.info", false, 11},
        {"-rw-r--r--   1 o g 9999999999999999999 Dec 09 00:00 Update.info", true, "Update.info", true, -1},
        {"12-09-26  12:00AM                   33 Update.info\r", true, "Update.info", true, 33},
        {"12-09-26  12:00AM       <DIR>          Update.info", true, "Update.info", false, -1},
        {"-rw-r--r--   1 owner    group          33 Dec 09 00:00 ", false, "", false, -1},
        {"total 12", false, "", false, -1},
        {"", false, "", false, -1},
    };
    for (const Case& c : cases) {
        FtpEntry entry;
        ASSERT_EQ(FtpListingEntry(QByteArray(c.line), entry), c.isEntry) << c.line;
        if (c.isEntry) {
            EXPECT_EQ(entry.name, QString::fromLatin1(c.name)) << c.line;
            EXPECT_EQ(entry.isFile, c.isFile) << c.line;
            EXPECT_EQ(entry.size, c.size) << c.line;
        }
    }
}

// The listing is searched for a file, a folder of that name is passed over.
TEST_F(UpdateCheckFtp, FindsAFileInTheListing)
{
    ASSERT_TRUE(FtpStartNetwork());
    FtpSession session;
    ASSERT_TRUE(FtpLogIn(session, server->Host(), User, Password, 20000));
    ASSERT_TRUE(FtpChangeDirectory(session, QStringLiteral("binary")));
    FtpEntry entry;
    EXPECT_FALSE(FtpFindFile(session, QStringLiteral("sub"), entry));
    ASSERT_TRUE(FtpFindFile(session, QStringLiteral("data.bin"), entry));
    FtpClose(session);
    EXPECT_TRUE(entry.isFile);
    EXPECT_EQ(entry.size, BinaryBytes().size());
}

// Byte for byte, and no further than its limit.
TEST_F(UpdateCheckFtp, DownloadsByteForByteInTheBackground)
{
    ASSERT_TRUE(FtpStartNetwork());
    FtpSession session;
    ASSERT_TRUE(FtpLogIn(session, server->Host(), User, Password, 20000));
    ASSERT_TRUE(FtpChangeDirectory(session, QStringLiteral("binary")));
    const int64_t size = BinaryBytes().size();
    for (const int64_t limit : {size, size - 1}) {
        FtpDownload download;
        ASSERT_TRUE(FtpStartDownload(session, QStringLiteral("data.bin"), limit, download));
        for (int i = 0; i < 400 && (download.state == FtpTransfer::Requested || download.state == FtpTransfer::Started);
             ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        FtpEndDownload(download);
        EXPECT_LE(download.data.size(), limit);
        if (limit == size) {
            EXPECT_EQ(download.state, FtpTransfer::Finished);
            EXPECT_EQ(download.data, BinaryBytes());
        } else {
            EXPECT_EQ(download.state, FtpTransfer::Failed);
        }
    }
    FtpClose(session);
}

TEST_F(UpdateCheckFtp, UnusableHostIsRefusedWithoutNetwork)
{
    for (const char* host : {"", "127.0.0.1/newer", "user@127.0.0.1", "127.0.0.1 21"}) {
        UpdateAccess access{QString::fromLatin1(host), User, Password, QStringLiteral("newer")};
        EXPECT_EQ(CheckForUpdate(access, UpdateCheckTimeLimitMs), 0) << host;
    }
}

}  // namespace
