#pragma once

#include "platform/windows.h"

// Sizes, titles and flags of the program's five windows; every window starts at (0, 0).
void FillWindowDescriptors(WindowDescriptor (&windows)[WindowCount]);

// Client size of the main window in the given layout (AffMode: 1 horizontal, else vertical).
int MainClientWidth(const WindowDescriptor& main, int affMode);
int MainClientHeight(const WindowDescriptor& main, int affMode);
