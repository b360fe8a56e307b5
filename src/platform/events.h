#pragma once

// One queue of user actions. Only what the user does becomes an event: the
// program's own writes into controls or windows raise nothing.

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

// Blocks until the next event is queued and takes it.
Event WaitWindowEvent();
// Handles pending window-system work without waiting; takes an event if one is queued.
bool PollWindowEvent(Event& event);
// Queues an event as if the user had caused it (tests, and the layer itself).
void PostWindowEvent(const Event& event);
// Drops every queued event.
void ClearWindowEvents();
// Lets the window system run for the given time (pending paints, timers), queueing
// what the user does meanwhile.
void PauseMs(int milliseconds);
