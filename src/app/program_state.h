#pragma once

#include <QString>
#include <vector>

#include "app/settings.h"
#include "library/pipe_library.h"
#include "physics/internal_data.h"
#include "platform/windows.h"
#include "sizing/water_selection.h"

struct Folders {
    QString work;      // working directory at start-up: Vorquil.dat, History.txt
    QString data;      // per-user data folder: Data/Config.cfg, the libraries, Fonts/
};

struct WebAddresses {
    QString site, download, helpWater, helpAir, helpDrainage, helpOptions, helpEditor, contact;
    QString helpFolder;  // the help pages and History.txt installed with the program, ending with "/"
};

struct DuctMaterial {
    QString name;           // at most 16 characters
    float roughness = 0.0f; // k : absolute roughness [mm]
};

// The field a sum is typed in, and the text it showed before the sum began.
struct SumStart {
    int field = -1;
    QString text;
};

// Which water field drives the calculation: the flow (12) or the power (18).
enum class EntryMode { FlowEntered, PowerEntered };

// Fonts F0-F3 as handed out by CreateFont.
struct MainFonts {
    int f0 = -1, f1 = -1, f2 = -1, f3 = -1;
};

// The state shared by every part of the program for the whole run, owned by the
// start-up code and passed by reference.
struct ProgramState {
    Folders folders;
    WebAddresses web;
    Settings settings;
    PipeLibraryList waterLibraries;
    PipeLibraryList drainageLibraries;
    std::vector<DuctMaterial> ductMaterials;
    std::vector<int> standardDuctDiameters;  // [mm]
    int monitorCount = 1;
    WindowDescriptor windows[WindowCount];
    EntryMode entryMode = EntryMode::FlowEntered;
    WaterSelection water;
    bool sumInProgress = false;
    SumStart sumStart;           // where the sum in progress is typed
    bool editorModified = false;
    QString editorLibraryName;   // current library name of the editor
    PipeLibrary editorCopy;      // the editor's working copy
    QString editorSavedName;     // name of the library the editor last saved, this opening
    MainFonts fonts;
    InternalDataRecord internalData;
    bool internalDataShowsAir = false;
};
