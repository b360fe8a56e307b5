#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bit>
#include <cmath>

#include "engines/library_files.h"
#include "support/scratch_files.h"

namespace {

class LibraryFiles : public testing::Test {
protected:
    QTemporaryDir scratch;
    PipeLibraryList water, drainage;

    QString DataFolder() const { return scratch.path() + QStringLiteral("/"); }
    QString InData(const QString& name) const { return DataFolder() + QStringLiteral("Data/") + name; }
    void AddFile(const char* name, const QByteArray& content) const
    {
        ASSERT_TRUE(WriteBytes(InData(QString::fromUtf8(name)), content));
    }
    QStringList Names(const PipeLibraryList& list) const
    {
        QStringList names;
        for (const PipeLibrary& library : list)
            names << library.name;
        return names;
    }
    // Loads one file through its own path and returns the library it appended.
    PipeLibrary LoadOne(const char* name, const QByteArray& content)
    {
        AddFile(name, content);
        water.clear();
        drainage.clear();
        EXPECT_TRUE(LoadLibraryFile(InData(QString::fromUtf8(name)), water, drainage));
        EXPECT_EQ(water.size() + drainage.size(), 1u);
        return water.empty() ? (drainage.empty() ? PipeLibrary{} : drainage[0]) : water[0];
    }
};

PipeLibrary SampleLibrary()
{
    PipeLibrary library;
    library.name = QString::fromUtf8("Cuivre écroui");
    library.abbreviation = QStringLiteral("Cu");
    library.symbol = QString::fromUtf8("Ø");
    library.roughness = 0.0015f;
    library.sizes = {
        {1, QStringLiteral("12x1"), 12.0f, 10.0f, 1.0f},
        {0, QStringLiteral("14x1"), 14.0f, 12.0f, 1.0f},
        {1, QStringLiteral("15x1"), 15.123456789f, 13.0000004f, 1.0617284f},
    };
    return library;
}

PipeLibrary NamedLibrary(const char* name)
{
    PipeLibrary library;
    library.name = QString::fromUtf8(name);
    return library;
}

void ExpectSameLibrary(const PipeLibrary& a, const PipeLibrary& b)
{
    EXPECT_EQ(a.name, b.name);
    EXPECT_EQ(a.abbreviation, b.abbreviation);
    EXPECT_EQ(a.symbol, b.symbol);
    EXPECT_NEAR(a.roughness, b.roughness, 5e-7);
    ASSERT_EQ(a.sizes.size(), b.sizes.size());
    for (size_t i = 0; i < a.sizes.size(); ++i) {
        EXPECT_EQ(a.sizes[i].name, b.sizes[i].name) << i;
        EXPECT_EQ(a.sizes[i].active, b.sizes[i].active) << i;
        EXPECT_NEAR(a.sizes[i].outsideDiameter, b.sizes[i].outsideDiameter, 5e-7 * 20) << i;
        EXPECT_NEAR(a.sizes[i].insideDiameter, b.sizes[i].insideDiameter, 5e-7 * 20) << i;
        EXPECT_NEAR(a.sizes[i].thickness, b.sizes[i].thickness, 5e-7 * 20) << i;
    }
}

TEST_F(LibraryFiles, ScanSortsByCharacterCodesAndSplitsByExtension)
{
    AddFile("b.tub", "[Global]\r\nTubeName = acier\r\n");
    AddFile("a.tub", "[Global]\r\nTubeName = Cuivre\r\n");
    AddFile("c.TUB", "[Global]\r\nTubeName = Zinc\r\n");
    AddFile("d.eva", "[Global]\r\nTubeName = PVC\r\n");
    AddFile("e.Eva", "[Global]\r\nTubeName = FONTE SMU\r\n");
    AddFile("f.txt", "[Global]\r\nTubeName = ignored\r\n");
    ScanLibraries(DataFolder(), water, drainage);
    EXPECT_EQ(Names(water), (QStringList{"Cuivre", "Zinc", "acier"}));
    EXPECT_EQ(Names(drainage), (QStringList{"FONTE SMU", "PVC"}));
}

TEST_F(LibraryFiles, ExtensionIsComparedInLowerCase)
{
    AddFile("Acier.TUB", "[Global]\r\nTubeName = Acier\r\n");
    AddFile("Pvc.EVA", "[Global]\r\nTubeName = PVC\r\n");
    AddFile("Notes.txt", "[Global]\r\nTubeName = Notes\r\n");
    AddFile("tub", "[Global]\r\nTubeName = NoDot\r\n");
    EXPECT_TRUE(LoadLibraryFile(InData(QStringLiteral("Acier.TUB")), water, drainage));
    EXPECT_TRUE(LoadLibraryFile(InData(QStringLiteral("Pvc.EVA")), water, drainage));
    EXPECT_FALSE(LoadLibraryFile(InData(QStringLiteral("Notes.txt")), water, drainage));
    EXPECT_FALSE(LoadLibraryFile(InData(QStringLiteral("tub")), water, drainage));
    EXPECT_EQ(Names(water), QStringList{"Acier"});
    EXPECT_EQ(Names(drainage), QStringList{"PVC"});
}

TEST_F(LibraryFiles, GroupsAreReadInFileOrder)
{
    const PipeLibrary library = LoadOne(
        "x.tub",
        "\xEF\xBB\xBF\r\n[Global]\r\nTubeName = Acier noir\r\nAbreviation = Ac\r\nSymbole = DN\r\nRugo = 0.045000\r\n"
        "[15]\r\nActif = 1\r\nDiamExt = 21.300000\r\nDiamInt = 16.100000\r\nEpais = 2.600000\r\n"
        "[20]\r\nDiamExt = 26.9\r\nDiamInt = 21.7\r\nEpais = 2.6\r\n"
        "[global]\r\nActif = 257\r\n");
    EXPECT_EQ(library.name, QStringLiteral("Acier noir"));
    EXPECT_EQ(library.abbreviation, QStringLiteral("Ac"));
    EXPECT_EQ(library.symbol, QStringLiteral("DN"));
    EXPECT_EQ(library.roughness, 0.045f);
    ASSERT_EQ(library.sizes.size(), 3u);
    EXPECT_EQ(library.sizes[0].name, QStringLiteral("15"));
    EXPECT_EQ(library.sizes[0].active, 1);
    EXPECT_EQ(library.sizes[0].outsideDiameter, 21.3f);
    EXPECT_EQ(library.sizes[0].insideDiameter, 16.1f);
    EXPECT_EQ(library.sizes[0].thickness, 2.6f);
    EXPECT_EQ(library.sizes[1].active, 0);  // no "Actif": inactive
    EXPECT_EQ(library.sizes[1].insideDiameter, 21.7f);
    // Only "Global" with this exact spelling is the header.
    EXPECT_EQ(library.sizes[2].name, QStringLiteral("global"));
    EXPECT_EQ(library.sizes[2].active, 1);  // low 8 bits of 257
}

TEST_F(LibraryFiles, GlobalGroupMayComeAfterTheSizes)
{
    const QByteArray header = "[Global]\r\nTubeName = PER\r\nAbreviation = PER\r\nSymbole = \xD8\r\nRugo = 0.007\r\n";
    const QByteArray sizes = "[16x1.5]\r\nActif = 1\r\nDiamExt = 16\r\nDiamInt = 13\r\nEpais = 1.5\r\n"
                             "[20x1.9]\r\nActif = 1\r\nDiamExt = 20\r\nDiamInt = 16.2\r\nEpais = 1.9\r\n";
    const PipeLibrary first = LoadOne("first.tub", header + sizes);
    const PipeLibrary last = LoadOne("last.tub", sizes + header);
    ExpectSameLibrary(first, last);
    EXPECT_EQ(last.symbol, QString::fromUtf8("Ø"));  // Latin-1 byte D8
    // A later header overrides an earlier one.
    const PipeLibrary twice = LoadOne("twice.tub", header + sizes + "[Global]\r\nTubeName = PER 2\r\n");
    EXPECT_EQ(twice.name, QStringLiteral("PER 2"));
    EXPECT_EQ(twice.roughness, 0.0f);
}

TEST_F(LibraryFiles, TextsAreCutToSixteenCharacters)
{
    const PipeLibrary library = LoadOne("long.tub",
                                        "[Global]\r\nTubeName = A name longer than sixteen characters\r\n"
                                        "Abreviation = ABCDEFGHIJKLMNOPQRST\r\nSymbole = "
                                        "\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\xD8\r\n"
                                        "[12345678901234567890]\r\nActif = 1\r\n");
    EXPECT_EQ(library.name, QStringLiteral("A name longer than sixteen characters"));
    EXPECT_EQ(library.abbreviation, QStringLiteral("ABCDEFGHIJKLMNOP"));
    EXPECT_EQ(library.symbol, QString(16, QChar(0xD8)));
    ASSERT_EQ(library.sizes.size(), 1u);
    EXPECT_EQ(library.sizes[0].name, QStringLiteral("1234567890123456"));
}

TEST_F(LibraryFiles, HeaderlessOrEmptyFilesStillGiveALibrary)
{
    const PipeLibrary headerless = LoadOne("h.eva", "[100]\r\nActif = 1\r\nDiamInt = 94\r\n");
    EXPECT_TRUE(headerless.name.isEmpty());
    EXPECT_EQ(headerless.roughness, 0.0f);
    ASSERT_EQ(headerless.sizes.size(), 1u);
    EXPECT_EQ(headerless.sizes[0].insideDiameter, 94.0f);
    EXPECT_TRUE(LoadOne("empty.tub", "").sizes.empty());
}

TEST_F(LibraryFiles, UnreadableFilesAreSkipped)
{
    AddFile("good.tub", "[Global]\r\nTubeName = Good\r\n");
    ASSERT_TRUE(QFile::link(InData(QStringLiteral("gone")), InData(QStringLiteral("dangling.tub"))));
    ASSERT_TRUE(QDir().mkpath(InData(QStringLiteral("folder.tub"))));
    ScanLibraries(DataFolder(), water, drainage);
    EXPECT_EQ(Names(water), QStringList{"Good"});
    EXPECT_FALSE(LoadLibraryFile(InData(QStringLiteral("dangling.tub")), water, drainage));
    EXPECT_FALSE(LoadLibraryFile(InData(QStringLiteral("folder.tub")), water, drainage));
    EXPECT_EQ(water.size(), 1u);
}

TEST_F(LibraryFiles, ListsAreKeptWhenTheFolderCannotBeListed)
{
    water = {NamedLibrary("Old water")};
    drainage = {NamedLibrary("Old drainage")};
    ScanLibraries(DataFolder(), water, drainage);  // no Data folder
    EXPECT_EQ(Names(water), QStringList{"Old water"});
    ASSERT_TRUE(WriteBytes(scratch.filePath(QStringLiteral("Data")), "a file"));
    ScanLibraries(DataFolder(), water, drainage);
    EXPECT_EQ(Names(water), QStringList{"Old water"});
    EXPECT_EQ(Names(drainage), QStringList{"Old drainage"});
}

TEST_F(LibraryFiles, EmptyFolderEmptiesTheLists)
{
    ASSERT_TRUE(QDir().mkpath(InData(QString())));
    water = {NamedLibrary("Old water")};
    drainage = {NamedLibrary("Old drainage")};
    ScanLibraries(DataFolder(), water, drainage);
    EXPECT_TRUE(water.empty());
    EXPECT_TRUE(drainage.empty());
}

TEST_F(LibraryFiles, SavedFileHasTheProgramsLayout)
{
    ASSERT_TRUE(QDir().mkpath(InData(QString())));
    PipeLibrary library;
    library.name = QStringLiteral("Cuivre");
    library.abbreviation = QStringLiteral("Cu");
    library.symbol = QString::fromUtf8("Ø");
    library.roughness = 0.0015f;
    library.sizes = {{1, QStringLiteral("12x1"), 12.0f, 10.0f, 1.0f}};
    ASSERT_EQ(SaveLibrary(InData(QStringLiteral("Cuivre.tub")), library), LibrarySaved);
    EXPECT_EQ(ReadBytes(InData(QStringLiteral("Cuivre.tub"))),
              WrittenFileStart
                  + "[Global]\r\nTubeName = Cuivre\r\nAbreviation = Cu\r\nSymbole = \xC3\x98\r\n"
                    "Rugo = 0.001500\r\n[12x1]\r\nActif = 1\r\nDiamExt = 12.000000\r\n"
                    "DiamInt = 10.000000\r\nEpais = 1.000000\r\n");
}

TEST_F(LibraryFiles, SaveAndReloadGiveTheSameValuesToSixDecimals)
{
    const PipeLibrary library = SampleLibrary();
    const QString path = InData(QStringLiteral("round.tub"));
    ASSERT_TRUE(WriteBytes(path, QByteArray(10000, 'x')));  // replaced whole
    ASSERT_EQ(SaveLibrary(path, library), LibrarySaved);
    ASSERT_TRUE(LoadLibraryFile(path, water, drainage));
    ASSERT_EQ(water.size(), 1u);
    ExpectSameLibrary(water[0], library);
    EXPECT_EQ(water[0].sizes[2].outsideDiameter, 15.123457f);
}

struct MarkerCase {
    QString path;
    uint8_t result;
};

TEST_F(LibraryFiles, MarkersAndEmptyPathsWriteNothing)
{
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(scratch.path()));
    const MarkerCase cases[] = {
        {QStringLiteral("Erreur de remplissage"), LibraryFillError},
        {QStringLiteral("NoSave"), LibraryNoSave},
        {QString(), LibraryNotSaved},
    };
    for (const MarkerCase& c : cases)
        EXPECT_EQ(SaveLibrary(c.path, SampleLibrary()), c.result) << c.path.toStdString();
    const QStringList left = QDir(scratch.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden);
    QDir::setCurrent(previous);
    EXPECT_TRUE(left.isEmpty()) << left.join(u' ').toStdString();
    EXPECT_EQ(QString(FillErrorMarker), QStringLiteral("Erreur de remplissage"));
    EXPECT_EQ(QString(NoSaveMarker), QStringLiteral("NoSave"));
}

TEST_F(LibraryFiles, UnwritablePathSavesNothingAndKeepsTheOldFile)
{
    ASSERT_TRUE(WriteBytes(scratch.filePath(QStringLiteral("plain")), "x"));
    EXPECT_EQ(SaveLibrary(scratch.filePath(QStringLiteral("plain/a.tub")), SampleLibrary()), LibraryNotSaved);
    ASSERT_TRUE(QDir().mkpath(InData(QStringLiteral("dir.tub"))));
    EXPECT_EQ(SaveLibrary(InData(QStringLiteral("dir.tub")), SampleLibrary()), LibraryNotSaved);
    EXPECT_TRUE(QFileInfo(InData(QStringLiteral("dir.tub"))).isDir());
}

TEST_F(LibraryFiles, SizeNamesDifferingOnlyInCaseAreNeitherLostNorMerged)
{
    ASSERT_TRUE(QDir().mkpath(InData(QString())));
    PipeLibrary library = SampleLibrary();
    library.sizes = {
        {1, QStringLiteral("12x1"), 12.0f, 10.0f, 1.0f},   {0, QStringLiteral("12X1"), 12.5f, 10.5f, 1.0f},
        {1, QStringLiteral("global"), 14.0f, 12.0f, 1.0f}, {1, QStringLiteral("GLOBAL"), 15.0f, 13.0f, 1.0f},
        {1, QStringLiteral("12x1"), 16.0f, 14.0f, 1.0f},
    };
    const QString path = InData(QStringLiteral("dup.tub"));
    ASSERT_EQ(SaveLibrary(path, library), LibrarySaved);
    ASSERT_TRUE(LoadLibraryFile(path, water, drainage));
    ExpectSameLibrary(water[0], library);
}

TEST_F(LibraryFiles, SizeNamedGlobalIsRefusedAndTheOldFileKept)
{
    ASSERT_TRUE(QDir().mkpath(InData(QString())));
    const QString path = InData(QStringLiteral("lib.tub"));
    ASSERT_EQ(SaveLibrary(path, SampleLibrary()), LibrarySaved);
    const QByteArray before = ReadBytes(path);
    for (const char* name : {"Global", "Global]x"}) {
        PipeLibrary library = SampleLibrary();
        library.sizes[1].name = QString::fromUtf8(name);
        EXPECT_EQ(SaveLibrary(path, library), LibraryReservedSizeName) << name;
        EXPECT_EQ(ReadBytes(path), before) << name;
    }
}

TEST_F(LibraryFiles, SavingOverAFileKeepsTheCommentsAtItsTop)
{
    AddFile("Cuivre.tub",
            "\xEF\xBB\xBF\r\n; Tube cuivre, norme EN 1057.\r\n  ; D\xC3\xA9signation : diam\xC3\xA8tre "
            "ext\xC3\xA9rieur.\r\n"
            "[Global]\r\nTubeName = Cuivre\r\n; about a size\r\n[10]\r\nActif = 1\r\n");
    PipeLibrary library = NamedLibrary("Zinc");
    library.sizes = {{1, QStringLiteral("12"), 12.0f, 10.0f, 1.0f}};
    for (int save = 0; save < 2; ++save) {  // and they stay through a second save
        ASSERT_EQ(SaveLibrary(InData(QStringLiteral("Cuivre.tub")), library), LibrarySaved);
        EXPECT_EQ(ReadBytes(InData(QStringLiteral("Cuivre.tub"))),
                  WrittenFileStart
                      + "; Tube cuivre, norme EN 1057.\r\n; D\xC3\xA9signation : diam\xC3\xA8tre ext\xC3\xA9rieur.\r\n"
                        "[Global]\r\nTubeName = Zinc\r\nAbreviation = \r\nSymbole = \r\nRugo = 0.000000\r\n"
                        "[12]\r\nActif = 1\r\nDiamExt = 12.000000\r\nDiamInt = 10.000000\r\nEpais = 1.000000\r\n");
    }
}

TEST_F(LibraryFiles, DecimalsAreWrittenFromTheirShortestFormAndReadBackBitIdentical)
{
    ASSERT_TRUE(QDir().mkpath(InData(QString())));
    const std::pair<float, const char*> cases[] = {
        {32.6f, "32.600000"},
        {21.3f, "21.300000"},
        {0.0015f, "0.001500"},
        {0.3f, "0.300000"},
        {123456.79f, "123456.790000"},
        {std::nextafter(32.6f, 33.0f), "32.600002"},
        {-0.0f, "-0.000000"},
        // Six decimals would give another value back: as many as it takes.
        {1.0617284f, "1.0617284"},
        {1e-7f, "0.0000001"},
        {1.4e-45f, "0.000000000000000000000000000000000000000000001"},
        {3.4028235e38f, "340282346638528859811704183484516925440.000000"},
    };
    for (const auto& [value, text] : cases) {
        PipeLibrary library = NamedLibrary("D");
        library.roughness = value;
        library.sizes = {{1, QStringLiteral("s"), value, value, value}};
        const QString path = InData(QStringLiteral("d.tub"));
        ASSERT_EQ(SaveLibrary(path, library), LibrarySaved);
        EXPECT_TRUE(ReadBytes(path).contains(QByteArray("\r\nDiamExt = ") + text + "\r\n")) << text;
        water.clear();
        ASSERT_TRUE(LoadLibraryFile(path, water, drainage));
        const PipeSize& size = water[0].sizes[0];
        for (float back : {water[0].roughness, size.outsideDiameter, size.insideDiameter, size.thickness})
            EXPECT_EQ(std::bit_cast<uint32_t>(back), std::bit_cast<uint32_t>(value)) << text;
    }
}

TEST(LibraryNames, ReservedSizeNames)
{
    const std::pair<const char*, bool> cases[] = {
        {"Global", true},  {"Global]", true},  {"Global] 2", true}, {"global", false},
        {"GLOBAL", false}, {"Globale", false}, {" Global", false},  {"15", false},
    };
    for (const auto& [name, reserved] : cases)
        EXPECT_EQ(IsReservedSizeName(QString::fromUtf8(name)), reserved) << name;
}

}  // namespace
