#pragma once

#include "engines/domain_state.h"
#include "engines/section_options.h"
#include "engines/water_sizing.h"

// A water section read from its options, with the configuration's values for
// what is not given.
struct WaterSection {
    int library = -1;  // in DomainState::waterLibraries
    WaterSizingInputs inputs;
    QString entered;          // the flow or the power as given: its field shows it when the run does not rewrite it
    QString antifreezeGiven;  // the antifreeze share as given
};

// The option names of a water section, null-terminated.
extern const char* const WaterOptionNames[];

bool ReadWaterSection(const DomainState& data, const SectionOptions& options, WaterSection& section, QString& error);

// flow, power, oversize_power and total_power (with an oversizing), size,
// theoretical_diameter, velocity, pressure_drop, copy, density, viscosity,
// reynolds, and warning when an input lies outside the models' domain.
CalcFields SizeWaterSection(const DomainState& data, const WaterSection& section);
// The same, with the numbers behind the texts (velocity, gradient, fluid).
CalcFields SizeWaterSection(const DomainState& data, const WaterSection& section, WaterOutcome& outcome);
