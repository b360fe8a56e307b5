#pragma once

#include <QString>

#include "engines/pipe_library.h"

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

// Puts the library into the editor: the names of all libraries into list 400
// (none selected), the library's own fields and one row per size into list 416.
void FillLibraryEditor(const PipeLibrary& library, const PipeLibraryList& libraries);
// Refills list 416 alone, one row per size, ticked when the size is active.
void FillSizeList(const PipeLibrary& library);
// Empties lists 400 and 416 and fields 408, 413-415; "-" into 406, 402, 403.
void ClearLibraryEditor();
// List 400 shows the current library name (nothing for a new library).
void ShowEditedLibraryName(const ProgramState& state);

// The save question. Unless forced, asks whether to save (No: NoSaveMarker);
// then checks the library fields (missing: FillErrorMarker), asks whether to
// save a library without any size (No: FillErrorMarker) and asks for a file,
// offering libraryFile when there is one, else opening in defaultFolder;
// ".tub" is appended when the extension is another one, and the user is asked
// whether to replace a file of exactly that name. Returns the path, a marker,
// or an empty text when the user gave up.
QString AskSaveLibrary(const QString& defaultFolder, bool forced, const QString& libraryName,
                       const QString& libraryFile = QString());

// Where the editor's save question opens: the libraries' own folder.
QString LibraryFolder(const ProgramState& state);

// The editor's actions.
void OnEditorOk(ProgramState& state);                               // "OK" and the close box
void OnEditorNew(ProgramState& state);                              // "Nouveau"
void OnEditorSaveAs(ProgramState& state);                           // "Enregistrer sous..."
void OnEditorLibraryChoice(ProgramState& state);                    // a library picked in list 400
void OnEditorSizeList(ProgramState& state, const Event& event);     // list 416
void OnEditorAddSize(ProgramState& state);                          // "Ajouter"
void OnEditorModifySize(ProgramState& state);                       // "Modifier"
void OnEditorDeleteSize(ProgramState& state);                       // "Suppr."
void OnEditorFieldChange(ProgramState& state, const Event& event);  // 408, 413, 414, 415

// A number typed in an editor field (sizes, roughness): a decimal comma reads as
// the point; the files keep the point.
float EditorNumber(const QString& text);

// Clears and refills the editor from the working copy; list 400 keeps its pick.
void RefillLibraryEditor(const ProgramState& state);

// After the editor was left or asked to close: list 3 refilled and showing, by
// name, the library the editor last saved when it is a water library, else the
// stored material, else the first library; that library current and stored as
// "MatTube", imposed sizes rebuilt in mode 1, and a new water result.
void ShowStoredWaterLibrary(ProgramState& state);
