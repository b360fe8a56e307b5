#pragma once

#include <initializer_list>

struct WindowState;

// Layouts are given as "AffMode" values: 1 horizontal, anything else vertical.

// Creates the fonts F0-F3 into windows.fonts.
void CreateMainFonts(WindowState& windows);

// Opens the main window from windows.windows[MainWindow] in the given layout and
// creates all its controls in their fonts (windows.fonts); false when the window
// cannot be opened. Not shown, it waits for ShowWindow(MainWindow).
bool BuildMainWindow(WindowState& windows, int layout, bool shown = true);

// BuildMainWindow in steps, for a first frame drawn before the tabs it does not
// show are built: the window, its tab panel with every caption and the controls
// of the given tabs (MainTab values), then the controls of other tabs. The
// accessible names come once every tab is built (ApplyAccessibleNames).
bool OpenMainWindow(WindowState& windows, int layout, std::initializer_list<int> tabs);
bool BuildMainTabs(WindowState& windows, int layout, std::initializer_list<int> tabs);

// Rearranges the open main window into the given layout without rebuilding it.
void SwitchLayout(WindowState& windows, int layout);

// Tick spacing of the water limit track bar 30 for a layout and water mode (list 5).
int WaterLimitTickFrequency(int layout, int waterMode);
