#pragma once

#include <vector>

#include "engines/sizing_status.h"

// Calculation modes, in the order the window lists them; any other index
// sizes the imposed duct.
enum AirMode : int { AirModeMaxPressureDrop = 0, AirModeImposedSize = 1, AirModeMaxVelocity = 2 };

// What one air run sizes with, read once from the texts.
struct AirInputs {
    float temperature = 0.0f;  // T : air temperature [degC]
    float humidity = 0.0f;     // phi : relative humidity [%]
    float altitude = 0.0f;     // h : site altitude [m]
    float flow = 0.0f;         // Q : air flow [m3/h]
    float roughness = 0.0f;    // k : absolute roughness of the duct wall [mm]
    int mode = AirModeMaxPressureDrop;
    bool rectangular = false;
    float limit = 0.0f;            // L : greatest pressure drop [Pa/m] or velocity [m/s] of a search
    float imposedDiameter = 0.0f;  // D : imposed circular duct [mm]
    float sideA = 0.0f;            // A : side of a rectangle [mm]
    float sideB = 0.0f;            // B : other side of an imposed rectangle [mm]
    bool copyOn = false;           // the summary goes to the clipboard
};

// The air carried, and the Reynolds number of the last duct evaluated.
struct AirState {
    float pressure = 0.0f;           // p_atm : atmospheric pressure [Pa]
    float density = 0.0f;            // rho : moist-air density [kg/m3]
    float viscosity = 0.0f;          // nu : kinematic viscosity [m2/s]
    float reynolds = 0.0f;           // Re : Reynolds number [-] of the last duct evaluated
    bool reynoldsEvaluated = false;  // false when no duct was evaluated: Re stays as it was
};
AirState AirStateOf(const AirInputs& inputs);

// Air that a duct can carry: a density and a viscosity that are positive
// finite numbers. Hot humid air whose vapour pressure exceeds the atmospheric
// pressure, or an altitude beyond the atmosphere, is not.
bool AirStateUsable(const AirState& state);

// What one run found.
//   NothingToSize : no flow; nothing is shown.
//   NotAvailable  : no air to size with, side A below 50 mm, no size meets the
//                   limit up to 16 777 215 mm, or no standard diameter is as
//                   large as the theoretical one (which is then known).
//   Sized         : a duct, with a finite flow, size, velocity and pressure drop.
//   Infinite      : a duct whose velocity or pressure drop (or flow, or
//                   imposed size) is not a finite number.
struct AirOutcome {
    SizingStatus status = SizingStatus::NothingToSize;
    AirState air;
    float theoreticalDiameter = 0.0f;  // circular search: D [mm], 0 when no size meets the limit
    int standardIndex = -1;            // circular search: index of the standard diameter, -1 when none
    float diameter = 0.0f;             // D : the circular duct shown [mm], standard or imposed
    float sideA = 0.0f;                // A : the rectangle shown [mm]
    float sideB = 0.0f;                // B : the rectangle shown [mm], found or imposed
    float velocity = 0.0f;             // v : mean velocity [m/s]
    float pressureDrop = 0.0f;         // R : pressure drop per metre [Pa/m]
};

// One air sizing run over the standard diameters (ascending, [mm]).
//
// The searches step up to 16 777 215 mm at most (the candidates stay whole
// millimetres in single precision up to there). An imposed size that cannot be
// a duct (below 50 mm a side, or a diameter not above 0) shows a velocity and
// a pressure drop of 0.
AirOutcome SizeAir(const AirInputs& inputs, const std::vector<int>& standardDiameters);
