#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cerrno>

#include "base/file_error.h"
#include "engines/delivered_libraries.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "support/full_disk.h"
#include "support/scratch_files.h"

namespace {

const QByteArray OldFile = WrittenFileStart + "[Init]\r\nPente = 7\r\n";

// Saves the configuration or a library into the data folder's "Data"; true when
// reported saved, error then the system's error number for the configuration.
bool SaveInto(const QString& dataFolder, bool library, int& error)
{
    error = ENOSPC;
    if (!library) {
        Settings settings;
        settings.SaveConfig = 1;
        return SaveSettings(settings, 1, dataFolder, nullptr, &error);
    }
    QDir().mkpath(dataFolder + QStringLiteral("Data"));
    PipeLibrary copper;
    copper.name = QStringLiteral("Cuivre");
    copper.sizes.resize(3);
    return SaveLibrary(dataFolder + QStringLiteral("Data/Cuivre.tub"), copper) == LibrarySaved;
}

TEST(FullDisk, SavesKeepTheOldFileAndReportTheFailure)
{
    if (!UnderFullDiskShim())
        return RunAgainUnderFullDiskShim();
    for (const bool library : {false, true}) {
        const QString name = library ? QStringLiteral("Cuivre.tub") : QStringLiteral("Config.cfg");
        QTemporaryDir roomy;
        int error = 0;
        ASSERT_TRUE(SaveInto(roomy.path() + u'/', library, error));
        const qint64 size = QFileInfo(roomy.filePath(QStringLiteral("Data/") + name)).size();
        // Nothing free; part of the file; every byte accepted but the sync refused.
        for (const qint64 free : {qint64(0), size / 2, size}) {
            QTemporaryDir scratch;
            const QString data = scratch.filePath(QStringLiteral("Data/"));
            ASSERT_TRUE(WriteBytes(data + name, OldFile));
            SetFullDisk(scratch.path(), free);
            const bool saved = SaveInto(scratch.path() + u'/', library, error);
            ClearFullDisk();
            EXPECT_FALSE(saved) << name.toStdString() << " free " << free;
            EXPECT_EQ(FileErrorText(error), QStringLiteral("le disque est plein")) << free;
            EXPECT_EQ(ReadBytes(data + name), OldFile) << name.toStdString() << " free " << free;
            EXPECT_EQ(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{name});
        }
    }
}

TEST(FullDisk, FirstStartInstallsEverythingOrNothing)
{
    if (!UnderFullDiskShim())
        return RunAgainUnderFullDiskShim();
    QTemporaryDir scratch;
    const QString dataFolder = scratch.filePath(QStringLiteral("Vorquil 3/"));
    // Room for a few of the delivered files only.
    SetFullDisk(scratch.path(), 3000);
    int error = 0;
    EXPECT_EQ(InstallDeliveredLibraries(dataFolder, &error), -1);
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(QDir(dataFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
    // Once there is room, the next start installs them all.
    SetFullDisk(scratch.path(), 1 << 20);
    const int installed = InstallDeliveredLibraries(dataFolder);
    ClearFullDisk();
    EXPECT_EQ(installed,
              QDir(DeliveredLibraryFolder()).entryList({"*.tub", "*.eva", "*.pdc", "Config.cfg"}, QDir::Files).size());
    EXPECT_EQ(QDir(dataFolder + QStringLiteral("Data")).entryList(QDir::Files).size(), installed);
}

// A "Data" folder without libraries (the configuration alone) receives those
// of each kind whole or not at all, so that a later start tries again.
TEST(FullDisk, MissingLibrariesOfAKindArriveWholeOrNotAtAll)
{
    if (!UnderFullDiskShim())
        return RunAgainUnderFullDiskShim();
    QTemporaryDir scratch;
    const QString dataFolder = scratch.path() + u'/';
    const QString data = dataFolder + QStringLiteral("Data/");
    ASSERT_TRUE(WriteBytes(data + QStringLiteral("Config.cfg"), OldFile));
    SetFullDisk(scratch.path(), 3000);
    int error = 0;
    EXPECT_EQ(InstallDeliveredLibraries(dataFolder, &error), -1);
    EXPECT_EQ(error, ENOSPC);
    EXPECT_EQ(QDir(data).entryList(QDir::Files | QDir::Hidden), QStringList{"Config.cfg"});
    SetFullDisk(scratch.path(), 1 << 20);
    EXPECT_EQ(InstallDeliveredLibraries(dataFolder), 9);
    ClearFullDisk();
    EXPECT_EQ(ReadBytes(data + QStringLiteral("Config.cfg")), OldFile);
}

}  // namespace
