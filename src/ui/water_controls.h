#pragma once

#include "ui/field_colours.h"

// Controls of the water tab ("Eau") and of the options it reads.
enum WaterControl : int {
    WaterLibraryList = 3,
    WaterModeList = 5,
    TemperatureDot = 7,
    FlowTemperatureCombo = 8,
    ReturnTemperatureCombo = 9,
    FlowField = 12,
    AntifreezeCheck = 14,
    AntifreezeField = 15,
    AntifreezePercentLabel = 16,
    PowerField = 18,
    OversizingCheck = 20,
    OversizingField = 22,
    OversizingPowerField = 25,
    TotalPowerField = 27,
    LimitLabel = 28,
    LimitField = 29,
    LimitBar = 30,
    SizeField = 33,
    SymbolLabel = 34,
    DiameterLabel = 35,
    TheoreticalField = 36,
    VelocityField = 39,
    PressureDropField = 42,
    CopyWaterCheck = 305,
};
