#pragma once

#include <QString>
#include <optional>

#include "engines/air_sizing.h"
#include "engines/copy_templates.h"

// The air tab's inputs as they stand at the moment a run starts: the texts
// of its fields and the two stored roughnesses.
struct AirInputTexts {
    QString temperature;                // T : air temperature [degC]
    QString humidity;                   // phi : relative humidity [%]
    QString altitude;                   // h : site altitude [m]
    QString flow;                       // Q : air flow [m3/h]
    QString material;                   // the duct material shown
    float ductRoughness = 0.0f;         // "RugoGaine" : k of the listed materials [mm]
    float ownRoughness = 0.0f;          // "AutreRugo" : k of "Autre" [mm]
    int mode = AirModeMaxPressureDrop;  // the selected mode's index
    bool rectangular = false;
    QString limit;            // L : [Pa/m] in the pressure drop mode, [m/s] in the velocity mode
    QString imposedDiameter;  // D [mm]
    QString sideA;            // A [mm]
    QString sideB;            // B [mm], an input in the imposed mode
    bool copyOn = false;
};

// Every number as its leading number; "Autre" takes the user's own roughness.
AirInputs ParseAirInputs(const AirInputTexts& texts);

// What a run shows: the final text of every field it writes (the others keep
// what they show), and the texts for the clipboard when a size was shown and
// the copy is switched on. Side B is both the rectangle's input field in a
// search and its result.
struct AirResult {
    std::optional<QString> theoreticalDiameter;
    std::optional<QString> sideB;
    std::optional<QString> ductDiameter;
    std::optional<QString> velocity;
    std::optional<QString> pressureDrop;
    bool copy = false;
    AirCopyTexts copyTexts;
};

// "N/A" in every field a run that found nothing would have written; a
// velocity or pressure drop that is not a finite number shows "N/A" too.
AirResult FormatAirResult(const AirInputs& inputs, const AirOutcome& outcome);
