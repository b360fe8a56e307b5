#pragma once

struct Event;
struct ProgramState;

// What the "Console" window shows: the data of the tab on view.

// Rebuilds the window's text from state.domain.internalData for a domain
// (InternalDataWater, InternalDataAir); nothing while the window is closed.
void ShowInternalData(const ProgramState& state, int domain);

// Water data for tab 0, air data for tab 1, nothing for the other tabs.
void ShowInternalDataForTab(const ProgramState& state, int tab);

// Shift+F12: opens the window if it is not open and shows the data of the current tab.
void OnInternalDataKey(ProgramState& state);

// Tab panel 0 changed tab.
void OnMainTabChange(ProgramState& state, const Event& event);
