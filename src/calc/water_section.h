#pragma once

#include "calc/calc_data.h"
#include "calc/section_options.h"
#include "engines/water_engine.h"

// A water section read from its options, with the window's defaults for what
// is not given: everything the water tab would hold once the user had set it.
struct WaterSection {
    int library = -1;       // in DomainState::waterLibraries
    int limitPosition = 1;  // track bar 30: the limit (modes 0, 2) or the imposed size (mode 1)
    int currentSize = 0;    // list position of the imposed size (mode 1)
    WaterInputs inputs;
};

// The option names of a water section, null-terminated.
extern const char* const WaterOptionNames[];

bool ReadWaterSection(const DomainState& data, const SectionOptions& options, WaterSection& section, QString& error);

// flow, power, oversize_power and total_power (with an oversizing), size,
// theoretical_diameter, velocity, pressure_drop, copy, density, viscosity,
// reynolds, and warning when an input lies outside the models' domain.
CalcFields SizeWaterSection(const DomainState& data, const WaterSection& section);
