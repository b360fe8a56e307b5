#include "base/safe_save.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <cerrno>
#include <unistd.h>

namespace {

// errno is read at once, before anything else can change it.
bool Failed(int* error)
{
    if (error)
        *error = errno;
    return false;
}

}  // namespace

bool SaveFileWhole(const QString& path, const QByteArray& bytes, int* error)
{
    if (error)
        *error = 0;
    QSaveFile out(path);
    // QSaveFile refuses a folder without asking the system.
    errno = QFileInfo(path).isDir() ? EISDIR : 0;
    if (errno != 0 || !out.open(QIODevice::WriteOnly))
        return Failed(error);
    // Small writes only reach the buffer, and commit() renames the temporary
    // file even when flushing it failed (full disk): so flush, check, sync,
    // then rename. Returning without commit removes the temporary file.
    if (out.write(bytes) != bytes.size() || !out.flush() || out.error() != QFileDevice::NoError)
        return Failed(error);
    if (out.size() != bytes.size() || ::fsync(out.handle()) != 0)
        return Failed(error);
    return out.commit() || Failed(error);
}

namespace {

bool IsAsciiLetterOrDigit(QChar c)
{
    return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9');
}

// The temporary names QSaveFile gives beside the files we save: "<name>.tub",
// "<name>.eva" (any letter case), "Config.cfg", the network window's
// "Reseau.cfg" or a recovery copy "<name>.recup", then "." and six letters or
// digits. Written out rather than as a regular expression, whose engine would
// otherwise be loaded at every start for this one check.
bool IsLeftoverName(const QString& name)
{
    const qsizetype saved = name.size() - 7;
    if (saved < 1 || name[saved] != u'.')
        return false;
    for (qsizetype i = saved + 1; i < name.size(); ++i)
        if (!IsAsciiLetterOrDigit(name[i]))
            return false;
    const QStringView savedName = QStringView(name).left(saved);
    if (savedName == u"Config.cfg" || savedName == u"Reseau.cfg")
        return true;
    if (savedName.size() > 6 && savedName.endsWith(u".recup"))
        return true;
    return savedName.size() > 4
        && (savedName.endsWith(u".tub", Qt::CaseInsensitive) || savedName.endsWith(u".eva", Qt::CaseInsensitive));
}

}  // namespace

int RemoveSaveLeftovers(const QString& folder, const QDateTime& startedAt)
{
    int removed = 0;
    const QFileInfoList entries = QDir(folder).entryInfoList(QDir::Files | QDir::Hidden | QDir::NoSymLinks);
    for (const QFileInfo& entry : entries) {
        // A newer one may belong to a save another run is making now.
        if (IsLeftoverName(entry.fileName()) && entry.lastModified() < startedAt && QFile::remove(entry.filePath()))
            ++removed;
    }
    return removed;
}
