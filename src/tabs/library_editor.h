#pragma once

struct Event;
struct ProgramState;

// The library editor "Editeur Tubes": a window over the main window, which it
// disables while open, editing state.editor.copy, a private copy of one water
// library, saved to a "*.tub" file that the user chooses.

// Opens the editor on the library selected in list 3 (the first library when
// list 3 shows none).
void OpenLibraryEditor(ProgramState& state);
// Button 2 "Edit" of the main window.
void OnEditLibraryButton(ProgramState& state, const Event& event);

// Menu items, control events and the close request of the editor window.
void HandleLibraryEditorEvent(ProgramState& state, const Event& event);
