#pragma once

struct Event;
struct ProgramState;

// Routes one event to its handler. False once the main window has been closed.
bool HandleEvent(ProgramState& state, const Event& event);

// Waits for the next event and handles it; false once the main window has been closed.
bool EventLoopStep(ProgramState& state);

// Runs until the main window has been closed.
void RunEventLoop(ProgramState& state);
