#pragma once

#include <QString>
#include <QStringList>

// The folder holding the pipe libraries delivered with the program: beside the
// executable (../share/vorquil), in the build tree's sources, or under the
// install prefix, whichever exists first; empty when none does.
QString DeliveredLibraryFolder();

// The installer's part, at every start: when dataFolder has no "Data" folder
// yet, it is created holding every delivered file, or not at all; when its
// "Data" holds no water library ("*.tub"), or no drainage library ("*.eva"),
// the delivered ones of that kind are added, all or none. Returns the number
// of files copied, or -1 when a copy failed (error, when given, then receives
// the system's error number).
int InstallDeliveredLibraries(const QString& dataFolder, int* error = nullptr);

// Copies the "*.tub", "*.eva", "*.pdc" and "Config.cfg" files of sourceFolder (or those
// matching patterns) into targetFolder (created when missing), never over an
// existing file. Returns the number of files copied, or -1 as soon as one
// cannot be copied whole, the files copied before it removed again.
int CopyDeliveredLibraries(const QString& sourceFolder, const QString& targetFolder, int* error = nullptr,
                           const QStringList& patterns = {});
