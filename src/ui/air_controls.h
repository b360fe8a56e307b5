#pragma once

#include "ui/field_colours.h"

// Controls of the air tab ("Air") and of the duct material on the options tab.
enum AirControl : int {
    CircularOption = 101,
    RectangularOption = 102,
    AirModeList = 103,
    DuctMaterialButton = 104,
    AirFlowField = 107,
    AirTemperatureField = 109,
    AirHumidityField = 111,
    AltitudeField = 113,
    ImposedDiameterLabel = 115,
    ImposedDiameterCombo = 116,
    TheoreticalDuctLabel = 117,
    TheoreticalDuctField = 118,
    SideALabel = 119,
    SideAField = 120,
    SideBLabel = 122,
    SideBField = 123,
    AirLimitBar = 124,
    AirLimitLabel = 125,
    AirLimitField = 126,
    DuctDiameterLabel = 128,
    DuctDiameterField = 129,
    ResultSideAField = 131,
    ResultSideBField = 134,
    AirVelocityField = 136,
    AirPressureDropField = 139,
    DuctMaterialList = 302,
    DuctRoughnessField = 303,
};
