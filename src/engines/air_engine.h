#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "engines/copy_templates.h"

struct InternalDataRecord;

// Calculation modes, the items of list 103 in order; any other index sizes
// the imposed duct.
enum AirMode : int { AirModeMaxPressureDrop = 0, AirModeImposedSize = 1, AirModeMaxVelocity = 2 };

// What one air run reads: the texts and states of the air tab's controls and
// the two stored roughnesses, at the moment it starts.
struct AirInputs {
    QString temperature;                // 109 : T : air temperature [degC]
    QString humidity;                   // 111 : phi : relative humidity [%]
    QString altitude;                   // 113 : h : site altitude [m]
    QString flow;                       // 107 : Q : air flow [m3/h]
    QString material;                   // 302 : the duct material shown
    float ductRoughness = 0.0f;         // "RugoGaine" : k of the listed materials [mm]
    float ownRoughness = 0.0f;          // "AutreRugo" : k of "Autre" [mm]
    int mode = AirModeMaxPressureDrop;  // 103 : selected index
    bool rectangular = false;           // 102 chosen rather than 101
    QString limit;                      // 126 : mode 0 [Pa/m], mode 2 [m/s]
    QString imposedDiameter;            // 116 : D [mm]
    QString sideA;                      // 120 : A [mm]
    QString sideB;                      // 123 : B [mm], an input in the imposed mode
    bool copyOn = false;                // 307
};

// The fields a run may write, in the order of their control numbers.
enum AirOutput : int {
    AirOutTheoretical,
    AirOutSideB,
    AirOutDuctDiameter,
    AirOutResultSideB,
    AirOutVelocity,
    AirOutPressureDrop,
    AirOutputCount
};

// What a run leaves: the final text of every field it wrote (the others keep
// what they show), and the texts for the clipboard when a size was shown and
// the copy is switched on.
struct AirResult {
    std::optional<QString> fields[AirOutputCount];
    bool copy = false;
    AirCopyTexts copyTexts;
};

// The air carried, from the temperature, humidity and altitude fields.
struct AirState {
    float pressure = 0.0f;   // p : atmospheric pressure [Pa]
    float density = 0.0f;    // rho : moist-air density [kg/m3]
    float viscosity = 0.0f;  // nu : kinematic viscosity [m2/s]
};
AirState AirStateOf(const AirInputs& inputs);

// Air that a duct can carry: a density and a viscosity that are positive
// finite numbers. Hot humid air whose vapour pressure exceeds the atmospheric
// pressure, or an altitude beyond the atmosphere, is not.
bool AirStateUsable(const AirState& state);

// One air sizing run over the standard diameters (ascending, [mm]). Records the
// air state (pressure, density, viscosity) in `data`, and the Reynolds number
// of the last pressure drop evaluated. Without a flow it writes nothing.
//
// An air state that is not usable shows "N/A" in every field the run would
// have written, and nothing is copied. The searches step up to 16 777 215 mm
// at most (the candidates stay whole millimetres in single precision up to
// there); a search that meets the limit nowhere below, for a flow too large,
// shows "N/A" in every field it would have written. A velocity or pressure
// drop that is not a finite number shows "N/A" too, and nothing is copied then.
AirResult RunAirSizing(const AirInputs& inputs, const std::vector<int>& standardDiameters, InternalDataRecord& data);
