#pragma once

#include <QString>
#include <QStringList>

#include "engines/domain_state.h"

// What every section is sized on: the default settings (the configuration
// delivered with the program), the pipe libraries of dataDir (the folder
// itself, or its "Data" folder; without one, those of the user's data folder,
// else the delivered ones) and the duct tables. False, with a message, when
// the folder or the default configuration cannot be read. `userFolder`, when
// given, receives the folder whose own files (a fittings catalogue) the user
// adds: the one dataDir's libraries were read from, else the user's "Data"
// folder.
bool LoadCalcData(const QString& dataDir, DomainState& data, QString& error, QString* userFolder = nullptr);
