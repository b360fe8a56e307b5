#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

#include "engines/delivered_libraries.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "support/full_disk.h"
#include "support/scratch_files.h"

namespace {

const QByteArray OldFile = WrittenFileStart + "[Init]\r\nPente = 7\r\n";

// Saves the configuration or a library into the data folder's "Data"; true when reported saved.
bool SaveInto(const QString& dataFolder, bool library)
{
    if (!library) {
        Settings settings;
        settings.SaveConfig = 1;
        return SaveSettings(settings, 1, dataFolder);
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
        ASSERT_TRUE(SaveInto(roomy.path() + u'/', library));
        const qint64 size = QFileInfo(roomy.filePath(QStringLiteral("Data/") + name)).size();
        // Nothing free; part of the file; every byte accepted but the sync refused.
        for (const qint64 free : {qint64(0), size / 2, size}) {
            QTemporaryDir scratch;
            const QString data = scratch.filePath(QStringLiteral("Data/"));
            ASSERT_TRUE(WriteBytes(data + name, OldFile));
            SetFullDisk(scratch.path(), free);
            const bool saved = SaveInto(scratch.path() + u'/', library);
            ClearFullDisk();
            EXPECT_FALSE(saved) << name.toStdString() << " free " << free;
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
    EXPECT_EQ(InstallDeliveredLibraries(dataFolder), 0);
    EXPECT_EQ(QDir(dataFolder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList{});
    // Once there is room, the next start installs them all.
    SetFullDisk(scratch.path(), 1 << 20);
    const int installed = InstallDeliveredLibraries(dataFolder);
    ClearFullDisk();
    EXPECT_EQ(installed,
              QDir(DeliveredLibraryFolder()).entryList({"*.tub", "*.eva", "Config.cfg"}, QDir::Files).size());
    EXPECT_EQ(QDir(dataFolder + QStringLiteral("Data")).entryList(QDir::Files).size(), installed);
}

}  // namespace
