#pragma once

#include <QString>

// The folder holding the pipe libraries delivered with the program: beside the
// executable (../share/vorquil), in the build tree's sources, or under the
// install prefix, whichever exists first; empty when none does.
QString DeliveredLibraryFolder();

// The installer's part on the first start: when dataFolder has no "Data"
// folder yet, it is created holding every delivered file, or not at all.
// Returns the number of files copied.
int InstallDeliveredLibraries(const QString& dataFolder);

// Copies the "*.tub", "*.eva" and "Config.cfg" files of sourceFolder into targetFolder
// (created when missing), never over an existing file. Returns the number of
// files copied, or -1 as soon as one cannot be copied whole.
int CopyDeliveredLibraries(const QString& sourceFolder, const QString& targetFolder);
