#pragma once

#include <QString>
#include <cstddef>

#include "platform/controls.h"

// The two arrangements of the main window; the values are those of "AffMode".
enum MainLayout : int { LayoutVertical = 0, LayoutHorizontal = 1 };

// AffMode 1 is the horizontal layout, anything else the vertical one.
MainLayout LayoutFromAffMode(int affMode);

// Pages of tab panel 0, in the order they are added.
enum MainTab : int { TabPanelItself = -1, TabWater = 0, TabAir = 1, TabDrainage = 2, TabOptions = 3 };

// Which of the fonts F0-F3 a control takes; FontSystem leaves the system font.
enum MainFont : int { FontSystem = -1, FontF0 = 0, FontF1 = 1, FontF2 = 2, FontF3 = 3 };

struct MainControl {
    int number;
    ControlKind kind;
    int tab;                   // MainTab
    const char* text;          // caption or initial content, UTF-8
    const char* verticalText;  // text when built in the vertical layout; empty: the same
    ControlRect horizontal;    // relative to the tab page (the panel: to the client area)
    ControlRect vertical;
    const char* tooltip;             // empty: none
    int font;                        // MainFont
    unsigned style;                  // ControlStyle bits other than the alignment
    unsigned alignHorizontal;        // StyleAlign* when built in the horizontal layout
    unsigned alignVertical;          // ... in the vertical layout
    int maxLength = 0;               // characters typed (digits-only: digits of a number); 0: no limit
    int image = -1;                  // image shown when built
    int rangeMin = 0, rangeMax = 0;  // track bars
};

// Every control of the main window, panel first, then each page's controls in
// creation order.
extern const MainControl MainControls[];
extern const size_t MainControlCount;
const MainControl* FindMainControl(int number);

struct TabCaption {
    const char* horizontal;
    const char* vertical;
};
extern const TabCaption MainTabCaptions[4];

// Columns of the drainage capacity list 154.
struct ListColumn {
    const char* horizontalTitle;
    int horizontalWidth;  // [px]
    const char* verticalTitle;
    int verticalWidth;  // [px]
};
extern const ListColumn DrainageColumns[5];

// Where a live switch places a control differently from the table, so that labels
// aligned for the layout that was built still look right; -1 keeps the table value.
struct SwitchPlacement {
    int control;
    int target;  // MainLayout switched to
    int x, y, w, h;
};
extern const SwitchPlacement SwitchPlacements[];
extern const size_t SwitchPlacementCount;

// The tab panel that carries the four pages; the pages' controls are named in
// ui/water_controls.h, air_controls.h, drainage_controls.h and options_controls.h.
enum MainPanelControl : int { MainTabPanel = 0 };

// Menu events the main window's shortcuts post.
enum MainMenu : int { MenuHelp = 7, MenuInternalData = 8, MenuNetwork = 9 };

QString ControlText(const MainControl& control, int layout);
ControlRect ControlPlacement(const MainControl& control, int layout);
// The position a control takes after a live switch to the given layout.
ControlRect SwitchedPlacement(const MainControl& control, int layout);
