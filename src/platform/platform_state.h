#pragma once

// Private to the platform layer: the registry of open windows and numbered
// controls, the event queue and the font and image tables.

#include <QFont>
#include <QImage>
#include <QObject>
#include <QPoint>
#include <QString>
#include <deque>
#include <map>
#include <unordered_map>
#include <vector>

#include "platform/platform_types.h"

class QApplication;
class QButtonGroup;
class QMenuBar;
class QShortcut;
class QWidget;

struct PlatformControl {
    int number = -1;
    int window = -1;
    ControlKind kind = ControlKind::Label;
    unsigned style = 0;
    QWidget* widget = nullptr;
    QButtonGroup* group = nullptr;  // option buttons
    int background = -1;            // 0xRRGGBB, -1 the system colour
    int textColour = -1;            // 0xRRGGBB, -1 the system colour
    bool visible = true;            // shown on its own
    bool readOnly = false;
    bool selectionPosted = false;          // list view: this mouse press already reported a selection
    std::vector<ColumnAlign> columnAlign;  // list view
    std::vector<int> columnBackground;     // list view, 0xRRGGBB or -1
    int selection = -1;                    // list view: the selected row's colour, 0xRRGGBB or -1
};

struct PlatformShortcut {
    int item = -1;
    QShortcut* shortcut = nullptr;
};

struct PlatformWindow {
    int number = -1;
    QWidget* frame = nullptr;   // the top-level widget
    QWidget* client = nullptr;  // the client area, below the menu bar
    QMenuBar* menuBar = nullptr;
    int clientWidth = 0, clientHeight = 0;
    QPoint knownPosition;        // last position set by the program or reported to it
    bool programPlaced = false;  // knownPosition was set by the program, no move seen since
    std::vector<PlatformShortcut> shortcuts;
    // Per parent widget, the option group that the next option button created
    // there joins (the previous sibling was an option button of that group).
    std::map<QWidget*, QButtonGroup*> openGroups;
};

struct PlatformState {
    QApplication* application = nullptr;
    QObject* watcher = nullptr;  // event filter of windows and controls
    std::map<int, PlatformWindow> windows;
    std::unordered_map<int, PlatformControl> controls;
    std::deque<Event> events;
    std::vector<QFont> fonts;
    std::map<int, QImage> images;
    MessageHook messageHook;
    SaveFileHook saveFileHook;
};

PlatformState& Platform();
PlatformWindow* FindPlatformWindow(int window);
PlatformControl* FindPlatformControl(int control);
// The platform window whose top-level widget holds the widget, or null.
PlatformWindow* WindowOfWidget(const QWidget* widget);

// Queues a control event caused by the user.
void PostControlEvent(int control, int subtype, int item = -1);

// Applies the control's background, text colour and read-only look to its palette.
void ApplyControlPalette(PlatformControl& control);

// The event filter that turns window-system events of our windows and controls
// into queued events; it watches the whole application, WatchWindow and
// WatchControl mark the objects it reports on.
QObject* CreatePlatformWatcher();
void WatchWindow(QWidget* frame, int window);
void WatchControl(QObject* object, int control);

// Places the menu bar and the client area in the window's top-level widget and
// fixes its size to them.
void LayoutWindow(PlatformWindow& window);

// List views (list_view.cpp).
QWidget* CreateListViewWidget(int control, QWidget* parent);
int ListViewSelectedRow(const PlatformControl& control);
void SelectListViewRow(PlatformControl& control, int row);

// The font of a CreateFont number; the system font for -1 or an unknown number.
QFont PlatformFont(int font);
