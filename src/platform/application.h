#pragma once

// Creates the one QApplication of the process (Fusion style, French Qt
// translations so that message-box buttons read "Oui"/"Non"). Call once,
// before any other function of this layer.
// From then on SIGTERM, SIGINT and SIGHUP (a logout, Ctrl+C, a closed
// terminal) are close requests of the main window: an open modal dialog is
// dismissed unanswered and a close event is queued.
void InitPlatform(int& argc, char** argv);

// Gives every window, open or to come, the program's icon at all its sizes.
// Decoding and sending them all takes a few milliseconds: the start-up gives
// it once the first frame is on the screen.
void SetProgramIcon();

// True once one of those signals has arrived.
bool EndAskedBySignal();

// From now on those signals end the process at once, as by default (the end
// of the run, once nothing is left to lose).
void LetSignalsEndProcess();

// Closes every window the layer still holds and destroys the application.
void ShutdownPlatform();
