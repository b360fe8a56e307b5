#pragma once

#include <QString>
#include <vector>

#include "engines/duct_tables.h"
#include "engines/pipe_library.h"
#include "engines/settings.h"

// What every section is sized on: the default settings (the configuration
// delivered with the program), the pipe libraries and the duct tables.
struct CalcData {
    Settings settings;
    PipeLibraryList waterLibraries;
    PipeLibraryList drainageLibraries;
    std::vector<DuctMaterial> ductMaterials;
    std::vector<int> standardDuctDiameters;  // [mm]
};

// The libraries of dataDir (the folder itself, or its "Data" folder); without
// one, those of the user's data folder, else the delivered ones. False, with a
// message, when the folder or the default configuration cannot be read.
bool LoadCalcData(const QString& dataDir, CalcData& data, QString& error);

// The libraries' names, in list order.
QStringList LibraryNames(const PipeLibraryList& libraries);
