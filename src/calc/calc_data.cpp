#include "calc/calc_data.h"

#include <QFileInfo>

#include "base/locations.h"
#include "engines/delivered_libraries.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"

namespace {

bool ScanFolder(const QString& folder, DomainState& data)
{
    ScanLibraryFolder(folder, data.waterLibraries, data.drainageLibraries);
    return !data.waterLibraries.empty() || !data.drainageLibraries.empty();
}

}  // namespace

bool LoadCalcData(const QString& dataDir, DomainState& data, QString& error, QString* userFolder)
{
    QString folderRead = DataFolder() + QStringLiteral("Data/");
    data = DomainState();
    const QString delivered = DeliveredLibraryFolder();
    PipeLibraryList ignoredWater, ignoredDrainage;
    if (delivered.isEmpty()
        || !LoadSettings(delivered + QStringLiteral("Config.cfg"), ignoredWater, ignoredDrainage, data.settings, 1)) {
        error = QStringLiteral("configuration par défaut illisible : %1Config.cfg").arg(delivered);
        return false;
    }
    FillDuctTables(data.ductMaterials, data.standardDuctDiameters);
    if (!dataDir.isEmpty()) {
        const QFileInfo info(dataDir);
        if (!info.isDir() || !info.isReadable()) {
            error = QStringLiteral("--data-dir : dossier illisible : %1").arg(dataDir);
            return false;
        }
        folderRead = WithSlash(dataDir);
        if (!ScanFolder(folderRead, data)) {
            folderRead += QStringLiteral("Data/");
            if (!ScanFolder(folderRead, data)) {
                error = QStringLiteral("--data-dir : aucune bibliothèque (.tub, .eva) dans %1").arg(dataDir);
                return false;
            }
        }
    } else if (!ScanFolder(folderRead, data)) {  // the libraries of the window's data folder
        ScanFolder(delivered, data);
    }
    if (userFolder)
        *userFolder = folderRead;
    return true;
}
