#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <vector>

#include "engines/delivered_libraries.h"
#include "engines/library_files.h"
#include "support/scratch_files.h"

namespace {

const QString SourceData = QStringLiteral(VQ_SOURCE_DIR "/data/");

const PipeLibrary* Named(const PipeLibraryList& list, const char* name)
{
    for (const PipeLibrary& library : list)
        if (library.name == QString::fromUtf8(name))
            return &library;
    return nullptr;
}

// Every delivered library, loaded the way the program loads them.
class DeliveredLibraries : public testing::Test {
protected:
    QTemporaryDir scratch;
    PipeLibraryList water, drainage;

    void SetUp() override
    {
        ASSERT_EQ(CopyDeliveredLibraries(SourceData, scratch.filePath(QStringLiteral("Data"))), 12);
    }
};

TEST(DeliveredLibraryFiles, AreWrittenInTheProgramsOwnFormat)
{
    const QStringList files = QDir(SourceData).entryList({"*.tub", "*.eva"}, QDir::Files);
    ASSERT_EQ(files.size(), 9);
    for (const QString& name : files) {
        const QByteArray bytes = ReadBytes(SourceData + name);
        ASSERT_TRUE(bytes.startsWith(WrittenFileStart + "; ")) << name.toStdString();
        ASSERT_TRUE(bytes.endsWith("\r\n")) << name.toStdString();
        EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")) << name.toStdString();
        EXPECT_EQ(bytes.count('\r'), bytes.count("\r\n")) << name.toStdString();
        EXPECT_TRUE(bytes.contains("; ") && bytes.contains("EN ")) << "standard named: " << name.toStdString();
    }
}

TEST(DeliveredLibraryFiles, AreFoundFromTheBuildTree)
{
    EXPECT_FALSE(DeliveredLibraryFolder().isEmpty());
}

TEST_F(DeliveredLibraries, EveryLibraryIsConsistent)
{
    ScanLibraries(scratch.path() + QStringLiteral("/"), water, drainage);
    EXPECT_EQ(water.size(), 5u);
    EXPECT_EQ(drainage.size(), 4u);
    for (const PipeLibraryList* list : {&water, &drainage}) {
        for (const PipeLibrary& library : *list) {
            const std::string name = library.name.toStdString();
            EXPECT_FALSE(library.name.isEmpty());
            EXPECT_FALSE(library.abbreviation.isEmpty()) << name;
            EXPECT_FALSE(library.symbol.isEmpty()) << name;
            EXPECT_GT(library.roughness, 0.0f) << name;
            ASSERT_GE(library.sizes.size(), 5u) << name;
            float previous = 0.0f;
            for (const PipeSize& size : library.sizes) {
                const std::string where = name + " " + size.name.toStdString();
                EXPECT_FALSE(size.name.isEmpty()) << where;
                EXPECT_GT(size.insideDiameter, previous) << where;
                EXPECT_GT(size.thickness, 0.0f) << where;
                EXPECT_NEAR(size.insideDiameter, size.outsideDiameter - 2.0f * size.thickness, 0.01f) << where;
                EXPECT_TRUE(size.active == 0 || size.active == 1) << where;
                previous = size.insideDiameter;
            }
            EXPECT_GT(std::count_if(library.sizes.begin(), library.sizes.end(),
                                    [](const PipeSize& s) { return s.active == 1; }),
                      library.sizes.size() / 2)
                << name;
        }
    }
}

TEST_F(DeliveredLibraries, NamesTheLibrariesTheSettingsAndDrainageRulesExpect)
{
    ScanLibraries(scratch.path() + QStringLiteral("/"), water, drainage);
    const PipeLibrary* steel = Named(water, "Acier");
    ASSERT_NE(steel, nullptr);
    EXPECT_EQ(steel->symbol, QStringLiteral("DN"));
    EXPECT_EQ(steel->abbreviation, QStringLiteral("Ac"));
    EXPECT_EQ(steel->roughness, 0.045f);
    const PipeLibrary* copper = Named(water, "Cuivre");
    ASSERT_NE(copper, nullptr);
    EXPECT_EQ(copper->symbol, QString::fromUtf8("Ø"));
    EXPECT_EQ(copper->abbreviation, QStringLiteral("Cu"));
    EXPECT_EQ(copper->roughness, 0.0015f);
    for (const char* name : {"Multicouche", "PER", "Inox"})
        EXPECT_NE(Named(water, name), nullptr) << name;
    for (const char* name : {"PVC", "FONTE SMU", "PP", "PEHD"})
        EXPECT_NE(Named(drainage, name), nullptr) << name;

    // 100 L/h at 90/70 °C needs 10.3 mm in copper: the first active size that
    // reaches it is 15x1, inside 13.0 mm.
    const auto chosen = std::find_if(copper->sizes.begin(), copper->sizes.end(),
                                     [](const PipeSize& s) { return s.active == 1 && s.insideDiameter >= 10.3f; });
    ASSERT_NE(chosen, copper->sizes.end());
    EXPECT_EQ(chosen->insideDiameter, 13.0f);
    EXPECT_EQ(chosen->name, QStringLiteral("15"));
    // The copy template's example: size "12" of copper.
    EXPECT_TRUE(std::any_of(copper->sizes.begin(), copper->sizes.end(),
                            [](const PipeSize& s) { return s.name == QStringLiteral("12"); }));
    // Steel is named by its nominal diameter ("DN15").
    EXPECT_TRUE(std::any_of(steel->sizes.begin(), steel->sizes.end(),
                            [](const PipeSize& s) { return s.name == QStringLiteral("15"); }));
}

TEST(DeliveredLibraryInstall, FirstStartCopiesThemOnce)
{
    QTemporaryDir scratch;
    const QString dataFolder = scratch.path() + QStringLiteral("/Vorquil 3/");
    EXPECT_EQ(InstallDeliveredLibraries(dataFolder), 12);
    PipeLibraryList water, drainage;
    ScanLibraries(dataFolder, water, drainage);
    EXPECT_EQ(water.size() + drainage.size(), 9u);
    // The configuration and the fittings catalogues come with them, the one so
    // that the first run saves its settings, the others for the user to edit.
    for (const char* name : {"Config.cfg", "Singularites-eau.pdc", "Singularites-air.pdc"})
        EXPECT_EQ(ReadBytes(dataFolder + QStringLiteral("Data/") + QString::fromUtf8(name)),
                  ReadBytes(SourceData + QString::fromUtf8(name)))
            << name;

    // A Data folder that exists belongs to the user: nothing is added back.
    ASSERT_TRUE(QFile::remove(dataFolder + QStringLiteral("Data/PER.tub")));
    EXPECT_EQ(InstallDeliveredLibraries(dataFolder), 0);
    EXPECT_FALSE(QFile::exists(dataFolder + QStringLiteral("Data/PER.tub")));
}

// A "Data" folder without libraries of a kind receives the delivered ones of
// that kind at every start; what the user has is left as it is.
TEST(DeliveredLibraryInstall, EachMissingKindIsAdded)
{
    const struct {
        std::vector<const char*> present;
        int copied;
        size_t water, drainage;
    } cases[] = {
        {{"Config.cfg"}, 9, 5, 4},  // a copied configuration alone, or a first start's failed install
        {{"Mine.TUB"}, 4, 1, 4},   {{"Mine.eva"}, 5, 5, 1}, {{"Mine.tub", "Mine.eva"}, 0, 1, 1}, {{}, 9, 5, 4},
    };
    for (const auto& c : cases) {
        QTemporaryDir scratch;
        const QString dataFolder = scratch.path() + u'/';
        ASSERT_TRUE(QDir(scratch.path()).mkdir(QStringLiteral("Data")));
        for (const char* name : c.present)
            ASSERT_TRUE(WriteBytes(dataFolder + QStringLiteral("Data/") + QString::fromUtf8(name),
                                   "[Global]\r\nTubeName = Mine\r\n"));
        EXPECT_EQ(InstallDeliveredLibraries(dataFolder), c.copied) << c.copied;
        PipeLibraryList water, drainage;
        ScanLibraries(dataFolder, water, drainage);
        EXPECT_EQ(water.size(), c.water) << c.copied;
        EXPECT_EQ(drainage.size(), c.drainage) << c.copied;
        for (const char* name : c.present)
            EXPECT_EQ(ReadBytes(dataFolder + QStringLiteral("Data/") + QString::fromUtf8(name)),
                      "[Global]\r\nTubeName = Mine\r\n");
    }
}

TEST(DeliveredLibraryInstall, NeverCopiesOverAUsersFile)
{
    QTemporaryDir scratch;
    const QString target = scratch.filePath(QStringLiteral("Data"));
    ASSERT_TRUE(WriteBytes(target + QStringLiteral("/Acier.tub"), "mine"));
    EXPECT_EQ(CopyDeliveredLibraries(SourceData, target), 11);
    EXPECT_EQ(ReadBytes(target + QStringLiteral("/Acier.tub")), QByteArray("mine"));
    EXPECT_EQ(ReadBytes(target + QStringLiteral("/Cuivre.tub")), ReadBytes(SourceData + QStringLiteral("Cuivre.tub")));
    // The copies can be saved over by the editor.
    EXPECT_TRUE(QFileInfo(target + QStringLiteral("/Cuivre.tub")).isWritable());
}

}  // namespace
