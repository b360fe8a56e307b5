#pragma once

#include <QString>

struct ProgramState;

// The library editor's actions on the library as a whole: saving, leaving,
// starting a new one, choosing another.

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

// The actions.
void OnEditorOk(ProgramState& state);             // "OK" and the close box
void OnEditorNew(ProgramState& state);            // "Nouveau"
void OnEditorSaveAs(ProgramState& state);         // "Enregistrer sous..."
void OnEditorLibraryChoice(ProgramState& state);  // a library picked in list 400
