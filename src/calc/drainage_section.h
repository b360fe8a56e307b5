#pragma once

#include <vector>

#include "calc/calc_data.h"
#include "engines/drainage_sizing.h"
#include "engines/section_options.h"

// A drainage table read from its options, with the window's defaults for
// what is not given.
struct DrainageSection {
    int library = -1;  // in DomainState::drainageLibraries
    DrainageInputs inputs;
    bool choose = false;  // a flow or discharge units were given: a size is chosen for them
};

// The option names of a drainage table, null-terminated.
extern const char* const DrainageOptionNames[];

bool ReadDrainageSection(const DomainState& data, const SectionOptions& options, DrainageSection& section,
                         QString& error);

struct DrainageTable {
    // One row per size of the library, as list 154 shows it: dn, flow,
    // velocity, inside_diameter, outside_diameter.
    std::vector<CalcFields> rows;
    // With a flow: design_flow, chosen_size, capacity and share.
    CalcFields choice;
};

DrainageTable SizeDrainageSection(const DomainState& data, const DrainageSection& section);
