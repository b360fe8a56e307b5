#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>
#include <vector>

#include "engines/settings_file.h"
#include "support/scratch_files.h"

namespace {

auto Fields(const Settings& s)
{
    return std::tie(s.NbrOfDesktop, s.xPosMain, s.yPosMain, s.xPosEdit, s.yPosEdit, s.MatTube, s.EauCalcMode,
                    s.TetaAller, s.TetaRetour, s.AntigelP100, s.SurpP100, s.CircRect, s.AirCalcMode, s.FillType,
                    s.Pente, s.EvacType, s.ConformDTU, s.MatGaine, s.RugoGaine, s.AutreRugo, s.AlwaysOnTop, s.SavePos,
                    s.SaveConfig, s.AntigelOnOff, s.TxtCopyEauOnOff, s.TxtCopyAirOnOff, s.TextToCopyEau,
                    s.TextToCopyAir, s.AffMode, s.Update, s.UpdateAuto, s.LastUpdate);
}

// The configuration written with one monitor and every key at its default.
const QByteArray DefaultListing =
    "\xEF\xBB\xBF\r\n[Init]\r\nNbrOfDesktop = 1\r\nxPosMain = 100\r\nyPosMain = 100\r\n"
    "xPosEdit = 100\r\nyPosEdit = 100\r\nMatTube = Acier\r\nEauCalcMode = 0\r\nTetaAller = 90\r\n"
    "TetaRetour = 70\r\nAntigelP100 = 30\r\nSurpP100 = 20\r\nCircRect = 0\r\nAirCalcMode = 0\r\n"
    "FillType = 0\r\nPente = 4\r\nEvacType = PVC\r\nConformDTU = 1\r\nMatGaine = Galva.\r\n"
    "RugoGaine = 0.150000\r\nAutreRugo = 0.001000\r\nAlwaysOnTop = 1\r\nSavePos = 1\r\n"
    "AntigelOnOff = 1\r\nTxtCopyEauOnOff = 1\r\nTxtCopyAirOnOff = 1\r\nTextToCopyEau = %d-%n.%c\r\n"
    "TextToCopyAir = %d-%c\r\nAffMode = 0\r\nSaveConfig = 1\r\nUpdate = 0\r\nUpdateAuto = 1\r\n"
    "LastUpdate = 1320932884\r\n";

class SettingsFile : public testing::Test {
protected:
    QTemporaryDir scratch;
    PipeLibraryList water, drainage;
    Settings settings;
    Settings asRead;  // as the file held it

    QString DataFolder() const { return scratch.path() + QStringLiteral("/"); }
    QString ConfigPath() const { return SettingsPath(DataFolder()); }

    bool Load(const QByteArray& content, int monitors = 1)
    {
        EXPECT_TRUE(WriteBytes(ConfigPath(), content));
        return LoadSettings(ConfigPath(), water, drainage, settings, monitors, &asRead);
    }
};

TEST_F(SettingsFile, ConfigurationLivesInTheDataSubfolder)
{
    EXPECT_EQ(SettingsPath(QStringLiteral("/home/u/.local/share/Vorquil 3/")),
              QStringLiteral("/home/u/.local/share/Vorquil 3/Data/Config.cfg"));
    EXPECT_EQ(SettingsPath(QString()), QStringLiteral("Data/Config.cfg"));
}

TEST_F(SettingsFile, EveryKeyAtItsDefaultGivesTheReferenceListing)
{
    ASSERT_TRUE(Load("\xEF\xBB\xBF\r\n[Init]\r\n"));
    QTemporaryDir other;
    ASSERT_TRUE(SaveSettings(settings, 1, other.path() + QStringLiteral("/")));
    EXPECT_EQ(ReadBytes(other.path() + QStringLiteral("/Data/Config.cfg")), DefaultListing);
    // The configuration delivered for the first start is that file.
    EXPECT_EQ(ReadBytes(QStringLiteral(VQ_SOURCE_DIR "/data/Config.cfg")), DefaultListing);
}

TEST_F(SettingsFile, WrittenFileReadsBackTheSameSettings)
{
    ASSERT_TRUE(Load(DefaultListing));
    settings.MatTube = QString::fromUtf8("Cuivre écroui");
    settings.RugoGaine = 0.5f;
    settings.AutreRugo = std::numeric_limits<float>::infinity();
    settings.LastUpdate = -7;
    settings.AffMode = -1;
    settings.xPosEdit = 1234;
    const Settings saved = settings;
    ASSERT_TRUE(SaveSettings(saved, 1, DataFolder()));
    settings = Settings{};
    ASSERT_TRUE(LoadSettings(ConfigPath(), water, drainage, settings, 1));
    EXPECT_EQ(Fields(settings), Fields(saved));
}

TEST_F(SettingsFile, MissingFileLeavesEverythingZeroAndIsCreatedAtTheEnd)
{
    EXPECT_FALSE(LoadSettings(ConfigPath(), water, drainage, settings, 2));
    EXPECT_EQ(Fields(settings), Fields(Settings{}));
    // SaveConfig is 0: only the four update keys, in a new Data folder.
    ASSERT_TRUE(SaveSettings(settings, 2, DataFolder()));
    EXPECT_EQ(ReadBytes(ConfigPath()),
              WrittenFileStart + "[Init]\r\nSaveConfig = 0\r\nUpdate = 0\r\nUpdateAuto = 0\r\nLastUpdate = 0\r\n");
}

TEST_F(SettingsFile, MissingKeysTakeTheirDefaults)
{
    ASSERT_TRUE(Load("[Init]\r\nAffMode = 1\r\nMatTube = PER\r\n"));
    EXPECT_EQ(settings.AffMode, 1);
    EXPECT_EQ(settings.MatTube, QStringLiteral("PER"));
    EXPECT_EQ(settings.NbrOfDesktop, 1);
    EXPECT_EQ(settings.xPosMain, 100);
    EXPECT_EQ(settings.TetaAller, QStringLiteral("90"));
    EXPECT_EQ(settings.Pente, 4);
    EXPECT_EQ(settings.EvacType, QStringLiteral("PVC"));
    EXPECT_EQ(settings.MatGaine, QStringLiteral("Galva."));
    EXPECT_EQ(settings.RugoGaine, 0.15f);
    EXPECT_EQ(settings.AutreRugo, 0.001f);
    EXPECT_EQ(settings.SaveConfig, 1);
    EXPECT_EQ(settings.TextToCopyEau, QStringLiteral("%d-%n.%c"));
    EXPECT_EQ(settings.TextToCopyAir, QStringLiteral("%d-%c"));
    EXPECT_EQ(settings.Update, 0);
    EXPECT_EQ(settings.UpdateAuto, 1);
    EXPECT_EQ(settings.LastUpdate, 1320932884);
}

TEST_F(SettingsFile, KeysAreFoundInAnyLetterCaseAndOnlyInInit)
{
    ASSERT_TRUE(Load("[Other]\r\nPente = 9\r\n[iNiT]\r\nxposmain = 250\r\nYPOSMAIN = 260\r\nnbrofdesktop = 1\r\n"));
    EXPECT_EQ(settings.xPosMain, 250);
    EXPECT_EQ(settings.yPosMain, 260);
    EXPECT_EQ(settings.xPosEdit, 100);
    EXPECT_EQ(settings.Pente, 4);
}

TEST_F(SettingsFile, Latin1ValuesAreReadAndWrittenBackAsUtf8)
{
    ASSERT_TRUE(Load("[Init]\r\nMatTube = Acier tir\xE9\r\n"));
    EXPECT_EQ(settings.MatTube, QString::fromUtf8("Acier tiré"));
    ASSERT_TRUE(SaveSettings(settings, 1, DataFolder()));
    const QByteArray written = ReadBytes(ConfigPath());
    EXPECT_TRUE(written.startsWith(WrittenFileStart + "[Init]\r\n"));
    EXPECT_TRUE(written.contains("\r\nMatTube = Acier tir\xC3\xA9\r\n"));
}

TEST_F(SettingsFile, ValuesAreCutToTheirTypes)
{
    ASSERT_TRUE(Load("[Init]\r\nTetaAller = 1000\r\nSurpP100 = \xE9\xE9\xE9\r\nPente = 260\r\nUpdate = 255\r\n"
                     "AffMode = -1\r\nCircRect = abc\r\nRugoGaine = 0,15\r\nAutreRugo = NaN\r\n"
                     "LastUpdate = 4294967297\r\nMatGaine = 12345678901234567890\r\n"));
    EXPECT_EQ(settings.TetaAller, QStringLiteral("100"));
    EXPECT_EQ(settings.SurpP100, QString::fromUtf8("éé"));
    EXPECT_EQ(settings.Pente, 4);    // low 8 bits of 260
    EXPECT_EQ(settings.Update, -1);  // 255 kept as the signed byte
    EXPECT_EQ(settings.AffMode, -1);
    EXPECT_EQ(settings.CircRect, 0);
    EXPECT_EQ(settings.RugoGaine, 0.0f);
    EXPECT_TRUE(std::isnan(settings.AutreRugo));
    EXPECT_EQ(settings.LastUpdate, 1);  // low 32 bits
    EXPECT_EQ(settings.MatGaine, QStringLiteral("1234567890123456"));
}

TEST_F(SettingsFile, TextsLongerThanTheirCapacityAreSavedCut)
{
    ASSERT_TRUE(Load(DefaultListing));
    settings.TetaAller = QStringLiteral("1050");
    settings.TextToCopyEau = QString(200, u'%');
    ASSERT_TRUE(SaveSettings(settings, 1, DataFolder()));
    const QByteArray written = ReadBytes(ConfigPath());
    EXPECT_TRUE(written.contains("\r\nTetaAller = 105\r\n"));
    EXPECT_TRUE(written.contains("\r\nTextToCopyEau = " + QByteArray(128, '%') + "\r\n"));
}

TEST_F(SettingsFile, ChangedMonitorCountResetsEveryPosition)
{
    const QByteArray twoMonitors = "[Init]\r\nNbrOfDesktop = 2\r\nxPosMain = 2100\r\nyPosMain = 50\r\n"
                                   "xPosEdit = 2300\r\nyPosEdit = 80\r\n";
    ASSERT_TRUE(Load(twoMonitors, 2));
    EXPECT_EQ(std::tie(settings.xPosMain, settings.yPosMain, settings.xPosEdit, settings.yPosEdit),
              std::make_tuple(2100, 50, 2300, 80));

    ASSERT_TRUE(Load(twoMonitors, 1));
    EXPECT_EQ(std::tie(settings.xPosMain, settings.yPosMain, settings.xPosEdit, settings.yPosEdit),
              std::make_tuple(100, 100, 100, 100));

    // The next save records the monitors of this run, and the positions it reset.
    ASSERT_TRUE(SaveSettings(settings, 1, DataFolder(), &asRead));
    EXPECT_EQ(ReadBytes(ConfigPath()),
              WrittenFileStart
                  + "[Init]\r\nNbrOfDesktop = 1\r\nxPosMain = 100\r\n"
                    "yPosMain = 100\r\nxPosEdit = 100\r\nyPosEdit = 100\r\n");
}

// Runs that read the same file each write, over the file as it is at their
// close, only the keys they changed: a second instance closed later keeps
// what the first one saved.
TEST_F(SettingsFile, EachRunWritesOnlyWhatItChangedOverTheFileAsItIsNow)
{
    ASSERT_TRUE(Load(DefaultListing));
    const struct {
        void (*change)(Settings&);
        std::vector<std::pair<const char*, const char*>> lines;  // what the run changes in the file
    } runs[] = {
        {[](Settings& s) { s.MatTube = "Cuivre"; }, {{"MatTube = Acier", "MatTube = Cuivre"}}},
        {[](Settings& s) { s.Pente = 9; }, {{"Pente = 4", "Pente = 9"}}},
        {[](Settings& s) { s.RugoGaine = 0.5f; }, {{"RugoGaine = 0.150000", "RugoGaine = 0.500000"}}},
        {[](Settings& s) { s.xPosMain = 300; }, {{"xPosMain = 100", "xPosMain = 300"}}},
        // With saving off, only its update keys: its new slope is not written.
        {[](Settings& s) {
             s.SaveConfig = 0;
             s.Pente = 2;
             s.LastUpdate = 1700000000;
         },
         {{"SaveConfig = 1", "SaveConfig = 0"}, {"LastUpdate = 1320932884", "LastUpdate = 1700000000"}}},
    };
    QByteArray expected = DefaultListing;
    for (const auto& run : runs) {
        Settings mine = asRead;
        run.change(mine);
        ASSERT_TRUE(SaveSettings(mine, 1, DataFolder(), &asRead));
        for (const auto& [before, after] : run.lines)
            expected.replace(before, after);
        EXPECT_EQ(ReadBytes(ConfigPath()), expected) << run.lines.front().second;
    }
}

TEST_F(SettingsFile, SaveConfigOffWritesOnlyTheUpdateKeys)
{
    ASSERT_TRUE(Load(DefaultListing));
    settings.SaveConfig = 0;
    settings.MatTube = QStringLiteral("Cuivre");
    settings.xPosMain = 555;
    settings.Update = 1;
    settings.UpdateAuto = 0;
    settings.LastUpdate = 1700000000;
    ASSERT_TRUE(SaveSettings(settings, 3, DataFolder()));
    QByteArray expected = DefaultListing;
    expected.replace("SaveConfig = 1", "SaveConfig = 0");
    expected.replace("Update = 0", "Update = 1");
    expected.replace("UpdateAuto = 1", "UpdateAuto = 0");
    expected.replace("LastUpdate = 1320932884", "LastUpdate = 1700000000");
    EXPECT_EQ(ReadBytes(ConfigPath()), expected);
}

TEST_F(SettingsFile, CommentsAndUnknownGroupsAndKeysStayInPlace)
{
    ASSERT_TRUE(Load("; written by hand\r\n[Other]\r\nFoo = bar\r\n[Init]\r\nUnknown = 7\r\nxPosMain = 5\r\n"
                     "; trailer\r\n[Last]\r\nZ = 1\r\n"));
    ASSERT_TRUE(SaveSettings(settings, 1, DataFolder()));
    const QList<QByteArray> lines = ReadBytes(ConfigPath()).split('\n');
    ASSERT_GE(lines.size(), 41);
    EXPECT_EQ(lines[1], "; written by hand\r");
    EXPECT_EQ(lines[2], "[Other]\r");
    EXPECT_EQ(lines[3], "Foo = bar\r");
    EXPECT_EQ(lines[4], "[Init]\r");
    EXPECT_EQ(lines[5], "Unknown = 7\r");
    EXPECT_EQ(lines[6], "xPosMain = 5\r");
    EXPECT_EQ(lines[7], "NbrOfDesktop = 1\r");  // new keys follow the group's last entry
    EXPECT_EQ(lines[8], "yPosMain = 100\r");
    EXPECT_EQ(lines[37], "LastUpdate = 1320932884\r");
    EXPECT_EQ(lines[38], "; trailer\r");
    EXPECT_EQ(lines[39], "[Last]\r");
    EXPECT_EQ(lines[40], "Z = 1\r");
}

TEST_F(SettingsFile, OtherFileNamesGoToTheLibraryLoading)
{
    const QString library = scratch.filePath(QStringLiteral("Data/Acier.tub"));
    ASSERT_TRUE(WriteBytes(library, "[Global]\r\nTubeName = Acier\r\n[15]\r\nActif = 1\r\n"));
    EXPECT_TRUE(LoadSettings(library, water, drainage, settings, 1));
    ASSERT_EQ(water.size(), 1u);
    EXPECT_EQ(water[0].name, QStringLiteral("Acier"));
    EXPECT_TRUE(drainage.empty());
    EXPECT_EQ(Fields(settings), Fields(Settings{}));

    // Only "Config.cfg" exactly is the configuration.
    const QString lowerCase = scratch.filePath(QStringLiteral("Data/config.cfg"));
    ASSERT_TRUE(WriteBytes(lowerCase, DefaultListing));
    EXPECT_FALSE(LoadSettings(lowerCase, water, drainage, settings, 1));
    EXPECT_EQ(Fields(settings), Fields(Settings{}));
    EXPECT_EQ(water.size(), 1u);
}

TEST_F(SettingsFile, UnwritableDataFolderReportsFailure)
{
    ASSERT_TRUE(WriteBytes(scratch.filePath(QStringLiteral("Data")), "not a folder"));
    settings.SaveConfig = 1;
    EXPECT_FALSE(SaveSettings(settings, 1, DataFolder()));
    EXPECT_EQ(ReadBytes(scratch.filePath(QStringLiteral("Data"))), QByteArray("not a folder"));
}

}  // namespace
