#pragma once

#include <QString>
#include <QStringList>

#include "engines/domain_state.h"

// What every section is sized on: the default settings (the configuration
// delivered with the program), the pipe libraries of dataDir (the folder
// itself, or its "Data" folder; without one, those of the user's data folder,
// else the delivered ones) and the duct tables. False, with a message, when
// the folder or the default configuration cannot be read.
bool LoadCalcData(const QString& dataDir, DomainState& data, QString& error);
