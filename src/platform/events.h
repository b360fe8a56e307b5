#pragma once

#include "platform/platform_types.h"

// One queue of user actions. Only what the user does becomes an event: the
// program's own writes into controls or windows raise nothing.

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
