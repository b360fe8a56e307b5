#pragma once

// Backgrounds the program gives to edit fields (0xRRGGBB).
constexpr int WaterInputColour = 0x73F1C1;     // the water field that drives the calculation, 12 or 18
constexpr int OverPowerColour = 0xE8A094;      // total power 27 while oversizing is on
constexpr int AirInputColour = 0x89DBDB;       // air flow 107, typed duct sides, a field whose sum was evaluated
constexpr int AirConditionColour = 0xD9EDED;   // air fields 109, 111, 113, and 126 when editable
constexpr int SumInProgressColour = 0xFFFF00;  // a field in which a sum is being typed
constexpr int DefaultColour = -1;              // the system's edit-field background
