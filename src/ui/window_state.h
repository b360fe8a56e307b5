#pragma once

#include "platform/windows.h"

// Fonts F0-F3 as handed out by CreateFont.
struct MainFonts {
    int f0 = -1, f1 = -1, f2 = -1, f3 = -1;
};

// The program's windows for the whole run: where and how each opens, and the
// fonts of the main window.
struct WindowState {
    int monitorCount = 1;
    WindowDescriptor windows[WindowCount];
    MainFonts fonts;
};
