#pragma once

#include <QByteArray>
#include <QString>

// Writes the whole content to a temporary file beside the path and renames it
// over the old file only once every byte is on the disk (written, flushed and
// synced). False when that fails; the old file is then left as it was.
bool SaveFileWhole(const QString& path, const QByteArray& bytes);
