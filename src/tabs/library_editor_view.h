#pragma once

#include <QString>

#include "engines/pipe_library.h"

struct ProgramState;

// What the library editor shows: its window and its controls, read and
// written; the editor's actions build on it, never the other way.

// Opens the editor window with its menu, shortcut, controls and the size list's
// columns. False when it cannot be opened.
bool BuildEditorWindow(ProgramState& state);

// Puts the library into the editor: the names of all libraries into list 400
// (none selected), the library's own fields and one row per size into list 416.
void FillLibraryEditor(const PipeLibrary& library, const PipeLibraryList& libraries);
// Refills list 416 alone, one row per size, ticked when the size is active.
void FillSizeList(const PipeLibrary& library);
// Empties lists 400 and 416 and fields 408, 413-415; "-" into 406, 402, 403.
void ClearLibraryEditor();
// List 400 shows the current library name (nothing for a new library).
void ShowEditedLibraryName(const ProgramState& state);

// Clears and refills the editor from the working copy; list 400 keeps its pick.
void RefillLibraryEditor(const ProgramState& state);
