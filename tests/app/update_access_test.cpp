#include <gtest/gtest.h>

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "app/access_file_support.h"
#include "app/update_access.h"
#include "support/scratch_files.h"

namespace {

void ExpectAccess(const UpdateAccess& access, const char* host, const char* user, const char* password,
                  const char* directory)
{
    EXPECT_EQ(access.host, QString::fromLatin1(host));
    EXPECT_EQ(access.user, QString::fromLatin1(user));
    EXPECT_EQ(access.password, QString::fromLatin1(password));
    EXPECT_EQ(access.directory, QString::fromLatin1(directory));
}

class UpdateAccessFile : public testing::Test {
protected:
    QTemporaryDir scratch;
    QString work() const { return scratch.path() + u'/'; }
    bool Write(const QByteArray& bytes) const { return WriteBytes(work() + QStringLiteral("Vorquil.dat"), bytes); }
};

TEST_F(UpdateAccessFile, EnciphersBackToTheFourFields)
{
    // 8-bit bytes such as E9 come back as the same character.
    ASSERT_TRUE(Write(EncipherAccess("ftp.vorquil.example:2121;maj;s\xE9same 1;/pub/vorquil")));
    UpdateAccess access;
    ASSERT_TRUE(ReadUpdateAccess(work(), access));
    ExpectAccess(access, "ftp.vorquil.example:2121", "maj", "s\xE9same 1", "/pub/vorquil");
    EXPECT_EQ(access.password.toLatin1(), QByteArray("s\xE9same 1"));
}

TEST_F(UpdateAccessFile, MissingFieldsAreEmpty)
{
    struct Case {
        const char* text;
        const char *host, *user, *password, *directory;
    };
    const Case cases[] = {
        {"", "", "", "", ""},
        {"host", "host", "", "", ""},
        {"host;user", "host", "user", "", ""},
        {"host;user;secret", "host", "user", "secret", ""},
        {"host;;;dir", "host", "", "", "dir"},
        {"host;user;secret;dir;more", "host", "user", "secret", "dir"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ASSERT_TRUE(Write(EncipherAccess(c.text)));
        UpdateAccess access{QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old"), QStringLiteral("old")};
        ASSERT_TRUE(ReadUpdateAccess(work(), access));
        ExpectAccess(access, c.host, c.user, c.password, c.directory);
    }
}

TEST_F(UpdateAccessFile, NoFileReadsNothing)
{
    UpdateAccess access{QStringLiteral("h"), QStringLiteral("u"), QStringLiteral("p"), QStringLiteral("d")};
    EXPECT_FALSE(ReadUpdateAccess(work(), access));
    ExpectAccess(access, "h", "u", "p", "d");
}

TEST(UpdateAccessCipher, EveryLengthAroundTheBlockSize)
{
    const QByteArray text("127.0.0.1:21;vorquil;motdepasse;maj/3.1");
    for (qsizetype length = 0; length <= text.size(); ++length) {
        const QByteArray plain = text.left(length);
        EXPECT_EQ(DecipherAccessFile(EncipherAccess(plain)), plain) << length;
    }
}

TEST(UpdateAccessCipher, ZeroPaddedTextEndsAtItsFirstZero)
{
    QByteArray plain("host;user;secret;dir");
    plain.append(32 - plain.size(), '\0');
    EXPECT_EQ(DecipherAccessFile(EncipherAccess(plain, false)), QByteArray("host;user;secret;dir"));
}

TEST(UpdateAccessCipher, ShortFinalBlockIsDropped)
{
    // 32 bytes of text, no padding: two whole blocks.
    const QByteArray plain("0123456789abcdef;user;secret;dir");
    const QByteArray whole = EncipherAccess(plain, false);
    ASSERT_EQ(whole.size(), 32);
    EXPECT_EQ(DecipherAccessFile(whole + QByteArray("\x01\x02\x03\x04\x05")), plain);
    EXPECT_EQ(DecipherAccessFile(whole.left(16) + whole.mid(16, 15)), plain.left(16));
    EXPECT_EQ(DecipherAccessFile(whole.left(15)), QByteArray());
}

// The maintainers' tool makes a file the program reads.
TEST_F(UpdateAccessFile, MakerScriptWritesAReadableFile)
{
    if (QStandardPaths::findExecutable(QStringLiteral("openssl")).isEmpty())
        GTEST_SKIP() << "no openssl command";
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(VQ_SOURCE_DIR "/scripts/make-access-file.sh"), QStringLiteral("ftp.vorquil.example"),
                  QStringLiteral("maj"), QStringLiteral("mot de passe"), QStringLiteral("pub/vorquil"),
                  work() + QStringLiteral("Vorquil.dat")});
    ASSERT_TRUE(script.waitForFinished(20000));
    ASSERT_EQ(script.exitCode(), 0) << script.readAllStandardError().constData();
    UpdateAccess access;
    ASSERT_TRUE(ReadUpdateAccess(work(), access));
    ExpectAccess(access, "ftp.vorquil.example", "maj", "mot de passe", "pub/vorquil");
}

}  // namespace
