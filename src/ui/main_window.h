#pragma once

struct ProgramState;

// Layouts are given as "AffMode" values: 1 horizontal, anything else vertical.

// Creates the fonts F0-F3 into state.fonts.
void CreateMainFonts(ProgramState& state);

// Opens the main window from state.windows[MainWindow] in the given layout and
// creates all its controls in their fonts (state.fonts); false when the window
// cannot be opened. Not shown, it waits for ShowWindow(MainWindow).
bool BuildMainWindow(ProgramState& state, int layout, bool shown = true);

// Rearranges the open main window into the given layout without rebuilding it.
void SwitchLayout(ProgramState& state, int layout);

// Tick spacing of the water limit track bar 30 for a layout and water mode (list 5).
int WaterLimitTickFrequency(int layout, int waterMode);
