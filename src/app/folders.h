#pragma once

#include <QString>

#include "base/locations.h"
#include "platform/system.h"

// The per-user data folder (it holds "Data/" and "Fonts/"), from the operating
// system, the user's profile folder and, on Linux, the user data folder
// ($XDG_DATA_HOME). Ends with "/", or is empty on the Windows versions whose
// data paths are relative to the working folder.
QString DataFolderFor(OsVersion os, const QString& profileFolder, const QString& userDataFolder);

// The folders of this run, from the platform.
Folders ResolveFolders();
