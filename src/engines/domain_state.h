#pragma once

#include <vector>

#include "engines/duct_tables.h"
#include "engines/pipe_library.h"
#include "engines/settings.h"
#include "physics/internal_data.h"

// What the calculations work on for the whole run: the user's settings, the
// loaded libraries and built-in tables, and the fluid state of the last result.
struct DomainState {
    Settings settings;
    PipeLibraryList waterLibraries;
    PipeLibraryList drainageLibraries;
    std::vector<DuctMaterial> ductMaterials;
    std::vector<int> standardDuctDiameters;  // [mm]
    InternalDataRecord internalData;
};
