#pragma once

#include <QString>

#include "engines/pipe_library.h"
#include "engines/settings.h"

// "Data/Config.cfg" under the data folder.
QString SettingsPath(const QString& dataFolder);

// The shared loading entry: a file named exactly "Config.cfg" is read into the
// settings (the stored window positions are reset to 100 when the monitor
// count changed since the file was written);
// any other file is a pipe library appended to the water or drainage list by
// its extension. False when the file could not be read. Without a readable
// configuration the settings stay as they were (zero and empty at start-up).
// asRead, when given, receives the configuration as the file holds it (before
// the monitor rule), for SaveSettings to tell what this run changed.
bool LoadSettings(const QString& path, PipeLibraryList& waterLibraries, PipeLibraryList& drainageLibraries,
                  Settings& settings, int monitorCount, Settings* asRead = nullptr);

// Writes the settings into the configuration under the data folder (creating
// the "Data" folder and the file when missing), keeping every other group, key
// and comment of the file. With "SaveConfig" other than 1 only "SaveConfig",
// "Update", "UpdateAuto" and "LastUpdate" are written. Given the settings as
// this run read them (asRead), only the keys that differ from them are written
// into a file that exists, so that what another run saved meanwhile stays.
// False when the file could not be written; the old file is then left whole
// and error, when given, receives the system's error number.
bool SaveSettings(const Settings& settings, int monitorCount, const QString& dataFolder,
                  const Settings* asRead = nullptr, int* error = nullptr);
