#pragma once

#include <QString>

enum class OsVersion;

// Systems older than Vista have no "Calibri": the program brings its own file
// and makes it available to the process for its lifetime.
bool NeedsPrivateFontFile(OsVersion os);
QString FontFilePath(const QString& dataFolder);

// Installs the font file; on failure tells the user which file is missing and
// returns false (the program then ends at once).
bool InstallFontFile(const QString& dataFolder);
void RemoveFontFile(const QString& dataFolder);
