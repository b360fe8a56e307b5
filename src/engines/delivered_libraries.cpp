#include "engines/delivered_libraries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cerrno>

#include "base/safe_save.h"

namespace {

const QStringList LibraryPatterns = {QStringLiteral("*.tub"), QStringLiteral("*.eva")};
// The default configuration comes with the libraries: without it the first run
// starts with every setting at zero, "SaveConfig" included, and saves nothing.
// The fittings catalogues come too, for the user to edit; the program reads
// the delivered ones where they are installed, so a later start needs no copy.
const QStringList DeliveredPatterns =
    LibraryPatterns + QStringList{QStringLiteral("Config.cfg"), QStringLiteral("*.pdc")};

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

int CopyDeliveredLibraries(const QString& sourceFolder, const QString& targetFolder, int* error,
                           const QStringList& patterns)
{
    if (error)
        *error = 0;
    const QDir source(sourceFolder);
    const QDir target(targetFolder);
    if (!target.mkpath(QStringLiteral("."))) {
        if (error)
            *error = errno;
        return -1;
    }
    QStringList copied;
    for (const QString& name : source.entryList(patterns.isEmpty() ? DeliveredPatterns : patterns, QDir::Files)) {
        const QString destination = target.filePath(name);
        // Also covers a dangling link or a folder of that name.
        if (QFileInfo(destination).exists() || QFileInfo(destination).isSymLink())
            continue;
        // Read and written whole rather than copied by the system, so that a
        // full disk is noticed; the copy is the user's, writable whatever the
        // installed file's mode.
        QFile in(source.filePath(name));
        const bool read = in.open(QIODevice::ReadOnly);
        if (!read && error)
            *error = errno;
        const QByteArray bytes = read ? in.readAll() : QByteArray();
        if (!read || in.error() != QFileDevice::NoError || !SaveFileWhole(destination, bytes, error)) {
            // Part of a kind would pass for all of it at the next start.
            for (const QString& path : copied)
                QFile::remove(path);
            return -1;
        }
        copied << destination;
    }
    return int(copied.size());
}

int InstallDeliveredLibraries(const QString& dataFolder, int* error)
{
    if (error)
        *error = 0;
    const QString data = dataFolder + QStringLiteral("Data");
    const QString source = DeliveredLibraryFolder();
    if (source.isEmpty())
        return 0;
    if (QFileInfo::exists(data) || QFileInfo(data).isSymLink()) {
        // A "Data" folder without libraries of a kind (the first start failed
        // and the close wrote the configuration, or only the configuration was
        // copied there) would keep that list empty for good.
        int copied = 0;
        for (const QString& pattern : LibraryPatterns) {
            if (!QDir(data).entryList({pattern}, QDir::Files | QDir::Hidden | QDir::System).isEmpty())
                continue;
            const int kind = CopyDeliveredLibraries(source, data, error, {pattern});
            if (kind < 0)
                return -1;
            copied += kind;
        }
        return copied;
    }
    if (!dataFolder.isEmpty() && !QDir().mkpath(dataFolder)) {
        if (error)
            *error = errno;
        return -1;
    }
    // Filled beside "Data" and renamed into place only when every file is
    // whole: a copy cut short (full disk) leaves no "Data", so that the next
    // start tries again instead of keeping part of the files for good.
    QTemporaryDir staging(data + QStringLiteral(".XXXXXX"));
    if (!staging.isValid()) {
        if (error)
            *error = errno;
        return -1;
    }
    const int copied = CopyDeliveredLibraries(source, staging.path(), error);
    if (copied < 0)
        return -1;
    if (!QDir().rename(staging.path(), data)) {
        if (error)
            *error = errno;
        return -1;
    }
    staging.setAutoRemove(false);
    return copied;
}
