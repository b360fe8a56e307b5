#pragma once

#include "engines/air_sizing.h"
#include "engines/domain_state.h"
#include "engines/section_options.h"

// The texts of the options the messages and the results repeat: as given
// ("," read as "."), or the default number.
struct AirOptionTexts {
    QString temperature;      // [degC]
    QString humidity;         // [%]
    QString altitude;         // [m]
    QString imposedDiameter;  // [mm]
    QString sideA;            // [mm]
    QString sideB;            // [mm]
};

// An air section read from its options, with the window's defaults for what
// is not given.
struct AirSection {
    int material = -1;  // in DomainState::ductMaterials
    AirInputs inputs;
    AirOptionTexts texts;
};

// The option names of an air section, null-terminated.
extern const char* const AirOptionNames[];

bool ReadAirSection(const DomainState& data, const SectionOptions& options, AirSection& section, QString& error);

// theoretical_diameter (a circular search only), size, velocity,
// pressure_drop, copy, density, viscosity, reynolds, and warning when an
// input lies outside the models' domain.
CalcFields SizeAirSection(const DomainState& data, const AirSection& section);
// The same, with the numbers behind the texts (velocity, pressure drop, air).
CalcFields SizeAirSection(const DomainState& data, const AirSection& section, AirOutcome& outcome);
