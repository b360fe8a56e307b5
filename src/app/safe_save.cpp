#include "app/safe_save.h"

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
