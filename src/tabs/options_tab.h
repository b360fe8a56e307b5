#pragma once

#include "tabs/control_route.h"

struct Event;
struct ProgramState;

// The preferences of the "Options" tab: each change takes effect at once and
// is kept in the settings.

// Shows or hides the antifreeze controls 14, 15 and 16 of the water tab; the
// state of check box 14 is left as it is.
void ShowAntifreezeControls(bool shown);

// Event handlers, for the main window's control table.
void OnPreferenceSwitch(ProgramState& state, const Event& event);    // 201-205
void OnCopySwitch(ProgramState& state, const Event& event);          // 305, 307
void OnCopyTemplateChange(ProgramState& state, const Event& event);  // 306, 308
void OnTemplateHelpButton(ProgramState& state, const Event& event);  // 309
void OnLayoutOption(ProgramState& state, const Event& event);        // 311, 312

// The preferences' controls and who handles them.
RouteTable OptionsRoutes();
