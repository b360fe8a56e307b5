#pragma once

// The types that the platform's functions and its private state share; this
// header includes no other header of the platform, so that none of them
// includes another through it.

#include <QString>
#include <functional>

enum class ControlKind {
    Frame,      // captioned group box
    Label,      // static text
    Edit,       // edit field, sunken border
    DropDown,   // combo box whose text cannot be typed
    Combo,      // editable combo box; typed text is never added to its list
    Check,      // check box
    Option,     // option (radio) button; consecutive option buttons form one group
    Button,     // push button
    TrackBar,   // horizontal slider with tick marks
    Image,      // shows one of the numbered images
    ListView,   // report view with column headers, whole-row single selection
    TabPanel,   // tab panel; controls are created on its pages
    Hyperlink,  // blue text, hand pointer; a click posts an event like a button
};

enum ControlStyle : unsigned {
    StyleAlignLeft = 0,
    StyleAlignCentre = 1u << 0,
    StyleAlignRight = 1u << 1,
    StyleDigitsOnly = 1u << 2,     // edit: the user may type 0-9 only (ASCII); a refusal beeps and says why
    StyleReadOnly = 1u << 3,       // edit: read-only
    StyleDisabled = 1u << 4,       // created disabled
    StyleRowChecks = 1u << 5,      // list view: a check box in each row
    StyleKeepSelection = 1u << 6,  // list view: selection stays visible without focus
    StyleNewGroup = 1u << 7,       // option button: starts a new group
};

enum ColumnAlign { ColumnLeft = 0, ColumnRight = 1, ColumnCentre = 2 };  // list view columns

enum class EventKind {
    None,       // nothing (a poll that found no event)
    Control,    // the user acted on a control: control, subtype
    Menu,       // a menu item or a keyboard shortcut: item
    Moved,      // the window was moved by the user
    Minimized,  // the window was minimized
    Close,      // the user asks to close the window (close box, Alt+F4)
    Other,      // activation, resizing, repaint: received and ignored
};

enum EventSubtype {
    SubtypeNone = 0,
    SubtypeChange = 1,       // text, selection, state, position or current tab changed
    SubtypeFocusGained = 2,  // an edit field or combo box received the keyboard focus
    SubtypeFocusLost = 3,    // ... or lost it
    SubtypeClick = 4,        // a button or link was clicked; a list row was clicked or selected
};

struct Event {
    EventKind kind = EventKind::None;
    int window = -1;   // window number (WindowNumber)
    int control = -1;  // control number, control events only
    int subtype = SubtypeNone;
    int item = -1;  // menu item or shortcut number (menu events); list view: the row concerned
};

enum MessageButtons { MessageOk = 0, MessageYesNo = 1, MessageYesNoCancel = 2 };

// Tests answer the dialogs in place of a user (SetMessageHook, SetSaveFileHook).
using MessageHook = std::function<int(const QString& title, const QString& text, MessageButtons buttons)>;
using SaveFileHook = std::function<QString(const QString& title, const QString& filter, const QString& folder)>;
