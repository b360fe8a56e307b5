#pragma once

#include <QString>
#include <optional>

#include "engines/copy_templates.h"
#include "engines/water_sizing.h"

struct PipeLibrary;

// What a water run reads from the water tab: the texts and states of its
// controls at the moment it starts.
struct WaterInputTexts {
    QString flowTemperature;    // flow temperature [degC], "," or "." as the point
    QString returnTemperature;  // return temperature [degC]
    bool antifreezeOn = false;
    QString antifreezePercent;  // antifreeze share [%]
    int mode = ModeMaxPressureDrop;
    QString flow;   // flow [L/h]
    QString power;  // power [W]
    bool oversizingOn = false;
    QString oversizingPercent;  // oversizing share [%]
    QString limit;              // mode 0 [mmCE/m], mode 2 [m/s]; the imposed size's name in mode 1
    bool copyOn = false;
    EntryMode entryMode = EntryMode::FlowEntered;
};

// The texts a run writes; a field left empty keeps what it shows. The texts
// for the clipboard when a result was shown and the copy is switched on.
struct WaterResultTexts {
    std::optional<QString> flow, power, oversizingPower, totalPower;
    std::optional<QString> size, theoreticalDiameter, velocity, pressureDrop;
    bool copy = false;
    WaterCopyTexts copyTexts;
};

// The numbers the texts stand for, read as the program reads a field: the
// leading number, temperatures with "," as a point too, the shares and the
// mode 0 limit as whole numbers held in 8 bits.
WaterSizingInputs ParseWaterInputs(const WaterInputTexts& texts);

// The texts of a run's outcome on the library it sized on: whole watts and
// litres per hour, 2 decimals for the velocity, the gradient and an imposed or
// velocity-mode diameter, 1 for a searched one, "N/A" for what cannot be
// computed and "Infini" for the flow between equal temperatures.
WaterResultTexts FormatWaterResult(const WaterOutcome& outcome, const PipeLibrary* library);
