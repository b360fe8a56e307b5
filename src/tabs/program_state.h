#pragma once

#include <QString>

#include "base/locations.h"
#include "engines/domain_state.h"
#include "engines/pipe_library.h"
#include "engines/water_sizing.h"
#include "tabs/water_selection.h"
#include "ui/window_state.h"

// The field a sum is typed in, and the text it showed before the sum began.
struct SumStart {
    int field = -1;
    QString text;
};

// The library editor's work in progress.
struct EditorState {
    bool modified = false;
    QString libraryName;  // current library name of the editor
    PipeLibrary copy;     // the editor's working copy
    QString savedName;    // name of the library the editor last saved, this opening
};

// The state shared by every part of the program for the whole run, owned by the
// start-up code and passed by reference. The calculations see only `domain`,
// the windows only `window`.
struct ProgramState {
    Folders folders;
    WebAddresses web;
    DomainState domain;
    Settings settingsAsRead;  // the configuration file as the start-up read it
    WindowState window;
    EntryMode entryMode = EntryMode::FlowEntered;
    WaterSelection water;
    bool sumInProgress = false;
    SumStart sumStart;  // where the sum in progress is typed
    EditorState editor;
};
