#pragma once

#include <QString>

#include "tabs/control_route.h"

struct Event;
struct ProgramState;

// Interaction of the drainage tab around its capacity table: fill ratio, slope,
// library and the code roughness switch, each kept in the settings.

// Options 143/144 and image 142 for a "FillType" value: 0 is 5/10, any other 7/10.
void ShowFillRatio(int fillType);

// Track bar 147 at a position and field 146 with its slope. A position outside
// the bar's range shows where the bar stops; returns that position.
int ShowSlope(int position);

// Label 151 with the Bazin coefficient for the library name and the code
// roughness state, in the layout's wording ("AffMode"); check box 152 is
// disabled for the library whose roughness the code imposes.
void ShowDrainageRoughness(const QString& libraryName, int codeRoughness, int layout);

// The capacity table for the library list 150 shows; nothing changes while
// list 150 has no selection.
void RebuildDrainageTable(const ProgramState& state);

// The four frequency factors in list 159, the first chosen, their uses as its
// tooltip; the selection of list 154, which marks the chosen size, in its colour.
void ShowFrequencyFactors();

// Event handlers of the drainage tab, for the main window's control table.
void OnFillRatioOption(ProgramState& state, const Event& event);        // 143, 144
void OnSlopeMove(ProgramState& state, const Event& event);              // 147
void OnDrainageLibraryChange(ProgramState& state, const Event& event);  // 150
void OnCodeRoughnessSwitch(ProgramState& state, const Event& event);    // 152
void OnDesignFlowChange(ProgramState& state, const Event& event);       // 156
void OnDischargeUnitsChange(ProgramState& state, const Event& event);   // 158, 159: the flow they give
void OnCopyDrainageSwitch(ProgramState& state, const Event& event);     // 161

// The drainage tab's controls and who handles them.
RouteTable DrainageRoutes();
