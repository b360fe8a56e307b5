#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

// Writes the whole content to a temporary file beside the path and renames it
// over the old file only once every byte is on the disk (written, flushed and
// synced). False when that fails; the old file is then left as it was, and
// error, when given, receives the system's error number (errno).
bool SaveFileWhole(const QString& path, const QByteArray& bytes, int* error = nullptr);

// Removes from the folder what saves cut short (the program killed while
// saving) leave behind: regular files named as a file we save ("*.tub",
// "*.eva", "Config.cfg", "Reseau.cfg", "*.recup"), "." and the six letters or digits of a temporary
// name, last written before startedAt. Returns the number removed.
int RemoveSaveLeftovers(const QString& folder, const QDateTime& startedAt);
