#include "base/safe_save.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <unistd.h>

bool SaveFileWhole(const QString& path, const QByteArray& bytes)
{
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    // Small writes only reach the buffer, and commit() renames the temporary
    // file even when flushing it failed (full disk): so flush, check, sync,
    // then rename. Returning without commit removes the temporary file.
    if (out.write(bytes) != bytes.size() || !out.flush() || out.error() != QFileDevice::NoError)
        return false;
    if (out.size() != bytes.size() || ::fsync(out.handle()) != 0)
        return false;
    return out.commit();
}

int RemoveSaveLeftovers(const QString& folder, const QDateTime& startedAt)
{
    // The temporary names QSaveFile gives beside the files we save.
    static const QRegularExpression leftoverName(QStringLiteral("^(.+\\.(?i:tub|eva)|Config\\.cfg)\\.[A-Za-z0-9]{6}$"));
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        // A newer one may belong to a save another run is making now.
        if (leftoverName.match(entry.fileName()).hasMatch() && entry.lastModified() < startedAt
            && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}
