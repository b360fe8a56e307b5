#pragma once

struct ProgramState;

enum class StartResult {
    Running,       // the main window is open: run the event loop
    NoMainWindow,  // the main window could not be opened: go straight to the end
};

// Start-up, from the folders to the first results.
StartResult StartProgram(ProgramState& state);

// The end of the run: settings written, update check when due.
void EndProgram(ProgramState& state);
