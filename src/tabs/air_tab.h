#pragma once

#include <QString>

#include "tabs/control_route.h"

struct Event;
struct ProgramState;

// Interaction of the air tab around SizeAirDuct: the duct shape, the three
// calculation modes and their limit on track bar 124, and the duct material
// of the options tab with its roughness.

// Shows the fields of the current shape (options 101, 102) and mode (list 103)
// and resets the limit to the mode's default: 0.80 Pa/m, 4.00 m/s, or "N/A"
// with the track bar disabled for the imposed size.
void RefreshAirModeControls();

// The first duct material named `name`; without one, the last material (as a
// search through the list leaves it), -1 when there is no material at all.
int FindDuctMaterial(const ProgramState& state, const QString& name);

// Makes the material at `index` current on the window: its name on button 104
// and in list 302, and its roughness in field 303, editable for "Autre" only,
// which shows the user's own value. Changes no setting.
void ShowDuctMaterial(const ProgramState& state, int index);

// Event handlers of the air tab and of the duct material, for the main
// window's control table.
void OnAirShapeChoice(ProgramState& state, const Event& event);      // 101, 102
void OnAirModeChange(ProgramState& state, const Event& event);       // 103
void OnAirFlowChange(ProgramState& state, const Event& event);       // 107
void OnAirConditionChange(ProgramState& state, const Event& event);  // 109, 111, 113
void OnDuctSizeChange(ProgramState& state, const Event& event);      // 116, 120, 123
void OnAirLimitMove(ProgramState& state, const Event& event);        // 124
void OnDuctMaterialChange(ProgramState& state, const Event& event);  // 302
void OnDuctRoughnessEvent(ProgramState& state, const Event& event);  // 303

// The air tab's controls and those of the duct material on the options tab,
// and who handles them.
RouteTable AirRoutes();
