#pragma once

#include <QString>

struct Event;
struct InternalDataRecord;
struct ProgramState;

// The "Console" window: the fluid state behind the last water or air result,
// for an engineer who wants to check the figures a size rests on.

enum InternalDataDomain : int { InternalDataWater = 0, InternalDataAir = 1 };

// The kinematic viscosity with 10 decimals, trailing zeros and then a trailing
// point removed: 0.0000015 stays "0.0000015".
QString ViscosityText(float viscosity);

// The text of label 430 for a domain, lines ending with "\r\n".
QString InternalDataText(const InternalDataRecord& data, int domain);

// Opens the window, owned by the main window and centred over it, with its label empty.
void OpenInternalData(ProgramState& state);

// Rebuilds the label from state.internalData; nothing while the window is closed.
void ShowInternalData(const ProgramState& state, int domain);

// Water data for tab 0, air data for tab 1, nothing for the other tabs.
void ShowInternalDataForTab(const ProgramState& state, int tab);

// Shift+F12: opens the window if it is not open and shows the data of the current tab.
void OnInternalDataKey(ProgramState& state);

// Tab panel 0 changed tab.
void OnMainTabChange(ProgramState& state, const Event& event);
