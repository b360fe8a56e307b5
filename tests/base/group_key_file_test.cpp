#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cmath>
#include <csignal>
#include <limits>
#include <sys/resource.h>

#include "base/group_key_file.h"
#include "support/scratch_files.h"

namespace {

GroupKeyFile Parsed(const QByteArray& bytes)
{
    GroupKeyFile file;
    ParseGroupKeyBytes(file, bytes);
    return file;
}

QString Text(GroupKeyFile& file, const char* group, const char* key)
{
    SelectGroup(file, QString::fromLatin1(group));
    return ReadText(file, QString::fromLatin1(key), QStringLiteral("<missing>"));
}

TEST(GroupKeyFile, EncodingFollowsTheByteOrderMark)
{
    GroupKeyFile latin1 = Parsed("[Init]\r\nMatTube = \xE9t\xE9\r\n");
    EXPECT_EQ(Text(latin1, "Init", "MatTube"), QString::fromUtf8("été"));
    GroupKeyFile utf8 = Parsed("\xEF\xBB\xBF[Init]\r\nMatTube = \xC3\xA9t\xC3\xA9\r\n");
    EXPECT_EQ(Text(utf8, "Init", "MatTube"), QString::fromUtf8("été"));
    // Without the mark the same UTF-8 bytes are two Latin-1 characters each.
    GroupKeyFile unmarked = Parsed("[Init]\r\nMatTube = \xC3\xA9\r\n");
    EXPECT_EQ(Text(unmarked, "Init", "MatTube"), QString::fromUtf8("Ã©"));
}

TEST(GroupKeyFile, LinesEndWithCrLfCrOrLfAndLeadingBlanksAreIgnored)
{
    GroupKeyFile file = Parsed("[A]\rone = 1\n  two=2\r\n\t[B]\r\n\tthree   =   3  \r\r\n;four = 4\nfive\n");
    EXPECT_EQ(Text(file, "A", "one"), QStringLiteral("1"));
    EXPECT_EQ(Text(file, "A", "two"), QStringLiteral("2"));
    EXPECT_EQ(Text(file, "B", "three"), QStringLiteral("3"));
    EXPECT_EQ(Text(file, "B", "four"), QStringLiteral("<missing>"));  // a comment
    EXPECT_EQ(Text(file, "B", "five"), QString());                    // a key without "="
    ASSERT_EQ(GroupCount(file), 2);
    EXPECT_EQ(GroupNameAt(file, 1), QStringLiteral("B"));
}

TEST(GroupKeyFile, NamesMatchWithoutRegardToAsciiCaseOnly)
{
    GroupKeyFile file = Parsed("[Init]\r\nxPosMain = 250\r\n\xC9t\xE9 = 1\r\n[Other]\r\nyPosMain = 7\r\n");
    EXPECT_EQ(Text(file, "INIT", "xposmain"), QStringLiteral("250"));
    // A key is looked up only in the current group.
    EXPECT_EQ(Text(file, "init", "yPosMain"), QStringLiteral("<missing>"));
    EXPECT_EQ(Text(file, "other", "YPOSMAIN"), QStringLiteral("7"));
    SelectGroup(file, QStringLiteral("Init"));
    EXPECT_EQ(ReadInteger(file, QString::fromUtf8("été"), -1), -1);
    EXPECT_EQ(ReadInteger(file, QString::fromUtf8("Été"), -1), 1);
    EXPECT_TRUE(SameName(QStringLiteral("Global"), QStringLiteral("gLOBAL")));
    EXPECT_FALSE(SameName(QStringLiteral("Global"), QStringLiteral("Globals")));
}

TEST(GroupKeyFile, TypedReadsGiveTheDefaultOnlyForMissingKeys)
{
    GroupKeyFile file = Parsed("[T]\r\n"
                               "int = -5\r\nintText = 12abc\r\nintBad = abc\r\n"
                               "dec = 0.150000\r\ncomma = 0,15\r\ndecBad = x1\r\n"
                               "pinf = +INFINITY\r\nminf = -infinity\r\nnan = nan\r\n"
                               "text =   two words   \r\nempty =\r\n");
    SelectGroup(file, QStringLiteral("T"));
    EXPECT_EQ(ReadInteger(file, QStringLiteral("int"), 9), -5);
    EXPECT_EQ(ReadInteger(file, QStringLiteral("intText"), 9), 12);
    EXPECT_EQ(ReadInteger(file, QStringLiteral("intBad"), 9), 0);
    EXPECT_EQ(ReadInteger(file, QStringLiteral("none"), 9), 9);
    EXPECT_EQ(ReadDecimal(file, QStringLiteral("dec"), 9.0f), 0.15f);
    EXPECT_EQ(ReadDecimal(file, QStringLiteral("comma"), 9.0f), 0.0f);
    EXPECT_EQ(ReadDecimal(file, QStringLiteral("decBad"), 9.0f), 0.0f);
    EXPECT_EQ(ReadDecimal(file, QStringLiteral("none"), 9.0f), 9.0f);
    EXPECT_EQ(ReadDecimal(file, QStringLiteral("pinf"), 0.0f), std::numeric_limits<float>::infinity());
    EXPECT_EQ(ReadDecimal(file, QStringLiteral("minf"), 0.0f), -std::numeric_limits<float>::infinity());
    EXPECT_TRUE(std::isnan(ReadDecimal(file, QStringLiteral("nan"), 0.0f)));
    EXPECT_EQ(ReadText(file, QStringLiteral("text"), {}), QStringLiteral("two words"));
    EXPECT_EQ(ReadText(file, QStringLiteral("empty"), QStringLiteral("d")), QString());
    EXPECT_EQ(ReadText(file, QStringLiteral("none"), QStringLiteral("d")), QStringLiteral("d"));
    // A group that does not exist holds no keys.
    SelectGroup(file, QStringLiteral("Nowhere"));
    EXPECT_EQ(ReadInteger(file, QStringLiteral("int"), 9), 9);
}

TEST(GroupKeyFile, WritesKeepEverythingElseInPlace)
{
    GroupKeyFile file = Parsed("; head\r\n[A]\r\nk1=1\r\n;keep\r\nk2 = 2\r\n; about B\r\n[B]\r\nk3 = 3\r\n");
    SelectGroup(file, QStringLiteral("a"));
    WriteInteger(file, QStringLiteral("K2"), 20);                  // in place, the key keeps its spelling
    WriteText(file, QStringLiteral("k4"), QStringLiteral("new"));  // after the group's last entry
    SelectGroup(file, QStringLiteral("C"));
    WriteDecimal(file, QStringLiteral("k5"), 0.15f);  // new group at the end
    SelectGroup(file, QStringLiteral("B"));
    WriteInteger(file, QStringLiteral("k6"), -5);
    EXPECT_EQ(GroupKeyFileBytes(file),
              QByteArray("\xEF\xBB\xBF\r\n"
                         "; head\r\n[A]\r\nk1 = 1\r\n; keep\r\nk2 = 20\r\nk4 = new\r\n"
                         "; about B\r\n[B]\r\nk3 = 3\r\nk6 = -5\r\n[C]\r\nk5 = 0.150000\r\n"));
}

struct DecimalWriteCase {
    float value;
    const char* text;
    float readBack;
};

TEST(GroupKeyFile, DecimalsAreWrittenWithSixPlacesOrTheirSpecialNames)
{
    constexpr float inf = std::numeric_limits<float>::infinity();
    constexpr float nan = std::numeric_limits<float>::quiet_NaN();
    const DecimalWriteCase cases[] = {
        {0.15f, "0.150000", 0.15f},  {0.001f, "0.001000", 0.001f},
        {-2.5f, "-2.500000", -2.5f}, {12.3456789f, "12.345679", 12.345679f},
        {inf, "+Infinity", inf},     {-inf, "-Infinity", -inf},
        {nan, "NaN", nan},
    };
    for (const DecimalWriteCase& c : cases) {
        GroupKeyFile file;
        SelectGroup(file, QStringLiteral("D"));
        WriteDecimal(file, QStringLiteral("v"), c.value);
        const QByteArray bytes = GroupKeyFileBytes(file);
        EXPECT_EQ(bytes, WrittenFileStart + "[D]\r\nv = " + c.text + "\r\n") << c.text;
        GroupKeyFile again = Parsed(bytes);
        SelectGroup(again, QStringLiteral("D"));
        const float back = ReadDecimal(again, QStringLiteral("v"), 1.0f);
        if (std::isnan(c.readBack))
            EXPECT_TRUE(std::isnan(back)) << c.text;
        else
            EXPECT_EQ(back, c.readBack) << c.text;
    }
}

TEST(GroupKeyFile, LineBreaksInWrittenTextsCannotSplitTheLine)
{
    GroupKeyFile file;
    SelectGroup(file, QStringLiteral("G"));
    WriteText(file, QStringLiteral("name"), QStringLiteral("a\r\n[Global]\nb"));
    GroupKeyFile again = Parsed(GroupKeyFileBytes(file));
    EXPECT_EQ(GroupCount(again), 1);
    EXPECT_EQ(Text(again, "G", "name"), QStringLiteral("a  [Global] b"));
}

TEST(GroupKeyFile, DuplicateGroupsAreWalkedOneByOne)
{
    GroupKeyFile file;
    AppendGroup(file, QStringLiteral("12x1"));
    WriteInteger(file, QStringLiteral("Actif"), 1);
    AppendGroup(file, QStringLiteral("12X1"));
    WriteInteger(file, QStringLiteral("Actif"), 0);
    GroupKeyFile again = Parsed(GroupKeyFileBytes(file));
    ASSERT_EQ(GroupCount(again), 2);
    for (int g = 0; g < 2; ++g) {
        SelectGroupAt(again, g);
        EXPECT_EQ(ReadInteger(again, QStringLiteral("actif"), -1), g == 0 ? 1 : 0);
    }
}

// Group lookups go through an index of the group lines; every kind of write
// must leave it as a fresh reading of the same text would build it.
TEST(GroupKeyFile, GroupIndexFollowsEveryWrite)
{
    GroupKeyFile file = Parsed("; head\r\n[A]\r\na = 1\r\n; about B\r\n[B]\r\n[C]\r\nc = 3\r\n");
    const char* writes[][2] = {{"A", "x"}, {"B", "y"}, {"D", "z"}, {"C", "c"}, {"A", "w"}};
    for (const auto& write : writes) {
        SelectGroup(file, QString::fromLatin1(write[0]));
        WriteText(file, QString::fromLatin1(write[1]), QStringLiteral("v"));
        EXPECT_EQ(file.groupLines, Parsed(GroupKeyFileBytes(file)).groupLines) << write[0] << write[1];
    }
    AppendGroup(file, QStringLiteral("A"));
    WriteText(file, QStringLiteral("a"), QStringLiteral("2"));
    EXPECT_EQ(file.groupLines, Parsed(GroupKeyFileBytes(file)).groupLines);
    SelectGroupAt(file, 1);
    EXPECT_EQ(ReadText(file, QStringLiteral("y"), {}), QStringLiteral("v"));
}

class GroupKeyFileOnDisk : public testing::Test {
protected:
    QTemporaryDir scratch;
    QString Path(const char* name) const { return scratch.filePath(QString::fromLatin1(name)); }
};

TEST_F(GroupKeyFileOnDisk, Latin1FileIsWrittenBackAsUtf8WithTheMark)
{
    const QString path = Path("Config.cfg");
    ASSERT_TRUE(WriteBytes(path, "[Init]\nMatTube = \xE9\n"));
    GroupKeyFile file;
    ASSERT_TRUE(OpenGroupKeyFile(file, path));
    SelectGroup(file, QStringLiteral("Init"));
    WriteInteger(file, QStringLiteral("Pente"), 4);
    ASSERT_TRUE(CloseGroupKeyFile(file));
    EXPECT_EQ(ReadBytes(path), WrittenFileStart + "[Init]\r\nMatTube = \xC3\xA9\r\nPente = 4\r\n");
}

TEST_F(GroupKeyFileOnDisk, ReadingAloneLeavesTheFileUntouched)
{
    const QString path = Path("Config.cfg");
    const QByteArray bytes("[Init]\nMatTube = \xE9\n");
    ASSERT_TRUE(WriteBytes(path, bytes));
    GroupKeyFile file;
    ASSERT_TRUE(OpenGroupKeyFile(file, path));
    SelectGroup(file, QStringLiteral("Init"));
    EXPECT_EQ(ReadText(file, QStringLiteral("MatTube"), {}), QString::fromUtf8("é"));
    EXPECT_TRUE(CloseGroupKeyFile(file));
    EXPECT_EQ(ReadBytes(path), bytes);
}

TEST_F(GroupKeyFileOnDisk, CreatedFileReplacesTheOldContentWhole)
{
    const QString path = Path("lib.tub");
    ASSERT_TRUE(WriteBytes(path, QByteArray(5000, 'x')));
    GroupKeyFile file;
    CreateGroupKeyFile(file, path);
    SelectGroup(file, QStringLiteral("Global"));
    WriteText(file, QStringLiteral("TubeName"), QStringLiteral("Acier"));
    ASSERT_TRUE(CloseGroupKeyFile(file));
    EXPECT_EQ(ReadBytes(path), WrittenFileStart + "[Global]\r\nTubeName = Acier\r\n");
}

TEST_F(GroupKeyFileOnDisk, MissingOrFolderPathsDoNotOpen)
{
    GroupKeyFile file;
    EXPECT_FALSE(OpenGroupKeyFile(file, Path("absent.cfg")));
    EXPECT_FALSE(OpenGroupKeyFile(file, scratch.path()));
}

TEST_F(GroupKeyFileOnDisk, FailedWritesReportFailureAndKeepTheOldFile)
{
    // The parent of the target is a regular file.
    ASSERT_TRUE(WriteBytes(Path("plain"), "x"));
    GroupKeyFile file;
    CreateGroupKeyFile(file, Path("plain/Config.cfg"));
    WriteInteger(file, QStringLiteral("k"), 1);
    EXPECT_FALSE(CloseGroupKeyFile(file));
    EXPECT_EQ(ReadBytes(Path("plain")), QByteArray("x"));

    // The target is a folder.
    ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("folder.cfg")));
    CreateGroupKeyFile(file, Path("folder.cfg"));
    WriteInteger(file, QStringLiteral("k"), 1);
    EXPECT_FALSE(CloseGroupKeyFile(file));
    EXPECT_TRUE(QFileInfo(Path("folder.cfg")).isDir());
}

TEST_F(GroupKeyFileOnDisk, FullDiskLeavesTheOldFileWhole)
{
    const QString path = Path("Config.cfg");
    const QByteArray old = WrittenFileStart + "[Init]\r\nPente = 4\r\n";
    ASSERT_TRUE(WriteBytes(path, old));
    GroupKeyFile file;
    ASSERT_TRUE(OpenGroupKeyFile(file, path));
    SelectGroup(file, QStringLiteral("Init"));
    WriteText(file, QStringLiteral("Big"), QString(100000, u'x'));

    // A file-size limit makes every write past 4 KiB fail as a full disk would,
    // for root too.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool written = CloseGroupKeyFile(file);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    EXPECT_FALSE(written);
    EXPECT_EQ(ReadBytes(path), old);
    // No temporary file is left beside it.
    EXPECT_EQ(QDir(scratch.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Config.cfg")});
}

}  // namespace
