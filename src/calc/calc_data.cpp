#include "calc/calc_data.h"

#include <QDir>
#include <QFileInfo>

#include "engines/delivered_libraries.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"

namespace {

QString WithSlash(const QString& folder)
{
    return folder.endsWith(u'/') ? folder : folder + u'/';
}

// The window's data folder: $XDG_DATA_HOME, else ~/.local/share, then "Vorquil 3/Data/".
QString UserLibraryFolder()
{
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty() || !QDir::isAbsolutePath(base))
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return WithSlash(QDir::cleanPath(base)) + QStringLiteral("Vorquil 3/Data/");
}

bool ScanFolder(const QString& folder, DomainState& data)
{
    ScanLibraryFolder(folder, data.waterLibraries, data.drainageLibraries);
    return !data.waterLibraries.empty() || !data.drainageLibraries.empty();
}

}  // namespace

bool LoadCalcData(const QString& dataDir, DomainState& data, QString& error)
{
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
        const QString folder = WithSlash(dataDir);
        if (!ScanFolder(folder, data) && !ScanFolder(folder + QStringLiteral("Data/"), data)) {
            error = QStringLiteral("--data-dir : aucune bibliothèque (.tub, .eva) dans %1").arg(dataDir);
            return false;
        }
        return true;
    }
    if (!ScanFolder(UserLibraryFolder(), data))
        ScanFolder(delivered, data);
    return true;
}

QStringList LibraryNames(const PipeLibraryList& libraries)
{
    QStringList names;
    for (const PipeLibrary& library : libraries)
        names << library.name;
    return names;
}
