#pragma once

#include <QString>

#include "tabs/control_route.h"

struct Event;
struct ProgramState;

// Interaction of the water tab around WaterSizing: the calculation modes and
// their limit on track bar 30, which of flow and power is typed, the oversizing
// and antifreeze switches and the temperature dot.

// Sets the limit controls and labels for a mode the user has just picked in list 5.
void PrepareWaterMode(ProgramState& state, int mode);

// Rebuilds ImposedSizeIndex for the current library, makes its first active
// size current and sets track bar 30 over the active sizes.
void PrepareImposedSize(ProgramState& state);

// Image 7: blue dot below a mean of 20 degC, magenta below 50, red from 50;
// whole degrees of the two texts, mean truncated.
void ShowTemperatureIndicator(const QString& flowTemperature, const QString& returnTemperature);

// Makes the library at the index selected in list 3 current; keeps the current
// one while list 3 has no selection. False when there is no library at all.
bool SelectListedWaterLibrary(ProgramState& state);

// The keyboard focus reached field 12 (flow) or 18 (power): that field now
// drives the calculation.
void SwitchWaterEntryMode(ProgramState& state, int field);

// Event handlers of the water tab, for the main window's control table.
void OnWaterLibraryChange(ProgramState& state, const Event& event);       // 3
void OnWaterModeChange(ProgramState& state, const Event& event);          // 5
void OnWaterTemperatureChange(ProgramState& state, const Event& event);   // 8, 9
void OnWaterQuantityChange(ProgramState& state, const Event& event);      // 12, 18
void OnAntifreezeSwitch(ProgramState& state, const Event& event);         // 14
void OnAntifreezePercentChange(ProgramState& state, const Event& event);  // 15
void OnOversizingSwitch(ProgramState& state, const Event& event);         // 20
void OnOversizingPercentChange(ProgramState& state, const Event& event);  // 22
void OnWaterLimitMove(ProgramState& state, const Event& event);           // 30

// The water tab's controls of the main window and who handles them.
RouteTable WaterRoutes();
