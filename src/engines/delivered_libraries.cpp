#include "engines/delivered_libraries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "base/safe_save.h"

namespace {

const QStringList LibraryPatterns = {QStringLiteral("*.tub"), QStringLiteral("*.eva")};
// The default configuration comes with the libraries: without it the first run
// starts with every setting at zero, "SaveConfig" included, and saves nothing.
const QStringList DeliveredPatterns = LibraryPatterns + QStringList{QStringLiteral("Config.cfg")};

bool HoldsLibraries(const QString& folder)
{
    return !folder.isEmpty() && !QDir(folder).entryList(LibraryPatterns, QDir::Files).isEmpty();
}

}  // namespace

QString DeliveredLibraryFolder()
{
    QStringList candidates;
    if (QCoreApplication::instance())
        candidates << QCoreApplication::applicationDirPath() + QStringLiteral("/../share/vorquil");
    candidates << QStringLiteral(VQ_SOURCE_DATA_DIR) << QStringLiteral(VQ_INSTALL_DATA_DIR);
    for (const QString& folder : candidates)
        if (HoldsLibraries(folder))
            return QDir::cleanPath(folder) + u'/';
    return {};
}

int CopyDeliveredLibraries(const QString& sourceFolder, const QString& targetFolder)
{
    const QDir source(sourceFolder);
    const QDir target(targetFolder);
    if (!target.mkpath(QStringLiteral(".")))
        return -1;
    int copied = 0;
    for (const QString& name : source.entryList(DeliveredPatterns, QDir::Files)) {
        const QString destination = target.filePath(name);
        // Also covers a dangling link or a folder of that name.
        if (QFileInfo(destination).exists() || QFileInfo(destination).isSymLink())
            continue;
        // Read and written whole rather than copied by the system, so that a
        // full disk is noticed; the copy is the user's, writable whatever the
        // installed file's mode.
        QFile in(source.filePath(name));
        if (!in.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray bytes = in.readAll();
        if (in.error() != QFileDevice::NoError || !SaveFileWhole(destination, bytes))
            return -1;
        ++copied;
    }
    return copied;
}

int InstallDeliveredLibraries(const QString& dataFolder)
{
    const QString data = dataFolder + QStringLiteral("Data");
    if (QFileInfo::exists(data) || QFileInfo(data).isSymLink())
        return 0;
    const QString source = DeliveredLibraryFolder();
    if (source.isEmpty())
        return 0;
    if (!dataFolder.isEmpty() && !QDir().mkpath(dataFolder))
        return 0;
    // Filled beside "Data" and renamed into place only when every file is
    // whole: a copy cut short (full disk) leaves no "Data", so that the next
    // start tries again instead of keeping part of the files for good.
    QTemporaryDir staging(data + QStringLiteral(".XXXXXX"));
    if (!staging.isValid())
        return 0;
    const int copied = CopyDeliveredLibraries(source, staging.path());
    if (copied < 0 || !QDir().rename(staging.path(), data))
        return 0;
    staging.setAutoRemove(false);
    return copied;
}
