#include "library/delivered_libraries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QStringList LibraryPatterns = {QStringLiteral("*.tub"), QStringLiteral("*.eva")};

bool HoldsLibraries(const QString& folder)
{
    return !folder.isEmpty() && !QDir(folder).entryList(LibraryPatterns, QDir::Files).isEmpty();
}

} // namespace

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
        return 0;
    int copied = 0;
    for (const QString& name : source.entryList(LibraryPatterns, QDir::Files)) {
        const QString destination = target.filePath(name);
        // QFile::copy refuses an existing destination; the explicit test also
        // covers a dangling link or a folder of that name.
        if (QFileInfo(destination).exists() || QFileInfo(destination).isSymLink())
            continue;
        if (!QFile::copy(source.filePath(name), destination))
            continue;
        // Installed files may be read-only; the user's copy must stay editable.
        QFile::setPermissions(destination, QFile::permissions(destination) | QFile::ReadOwner | QFile::WriteOwner);
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
    return CopyDeliveredLibraries(source, data);
}
