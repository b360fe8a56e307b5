#pragma once

struct WindowState;

// Layouts are given as "AffMode" values: 1 horizontal, anything else vertical.

// Creates the fonts F0-F3 into windows.fonts.
void CreateMainFonts(WindowState& windows);

// Opens the main window from windows.windows[MainWindow] in the given layout and
// creates all its controls in their fonts (windows.fonts); false when the window
// cannot be opened. Not shown, it waits for ShowWindow(MainWindow).
bool BuildMainWindow(WindowState& windows, int layout, bool shown = true);

// Rearranges the open main window into the given layout without rebuilding it.
void SwitchLayout(WindowState& windows, int layout);

// Tick spacing of the water limit track bar 30 for a layout and water mode (list 5).
int WaterLimitTickFrequency(int layout, int waterMode);
