#include "tabs/library_editor_save.h"

#include <QDir>
#include <QFileInfo>

#include "base/identity.h"
#include "base/number_text.h"
#include "engines/library_files.h"
#include "engines/water_sizing.h"
#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/windows.h"
#include "tabs/editor_messages.h"
#include "tabs/library_editor_view.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "tabs/water_tab.h"
#include "ui/editor_controls.h"
#include "ui/water_controls.h"

namespace {

const QString SaveTitle = QStringLiteral("Enregistrer sous...");
const QString SaveFilter = QStringLiteral("Fichiers Tubes|*.tub");
const QString LibraryExtension = QStringLiteral("tub");
constexpr int StoredNameLength = 128;  // "MatTube" [characters]

QString WithLibraryExtension(const QString& path)
{
    const QString fileName = QFileInfo(path).fileName();
    const qsizetype dot = fileName.lastIndexOf(u'.');
    const QString extension = dot < 0 ? QString() : fileName.mid(dot + 1);
    return extension.toLower() == LibraryExtension ? path : path + u'.' + LibraryExtension;
}

// A "*.tub" file of the folder has exactly this name (letter case included).
bool LibraryFileExists(const QString& path)
{
    const QFileInfo chosen(path);
    // The pattern matches without regard to case, the name is compared with it.
    const QStringList files =
        QDir(chosen.absolutePath()).entryList({QStringLiteral("*.tub")}, QDir::Files | QDir::Hidden);
    return files.contains(chosen.fileName(), Qt::CaseSensitive);
}

bool LibraryFieldsFilled()
{
    return !WithoutBlanksAround(GetText(EditorNameField)).isEmpty() && !GetText(EditorAbbreviationField).isEmpty()
        && !GetText(EditorSymbolField).isEmpty() && TypedFloat(GetText(EditorRoughnessField)) > 0.0f;
}

// Asks and saves the working copy; tells the user what went wrong when the file
// could not be written or a size name cannot be stored.
uint8_t SaveWorkingCopy(ProgramState& state, bool forced)
{
    const QString path = AskSaveLibrary(LibraryFolder(state), forced, state.editor.libraryName, state.editor.copy.file);
    const uint8_t result = SaveLibrary(path, state.editor.copy);
    if (result == LibraryNotSaved && !path.isEmpty())
        ShowEditorMessage(CannotWriteLibraryMessage + path);
    else if (result == LibraryReservedSizeName)
        ShowEditorMessage(ReservedSizeNameMessage);
    if (result == LibrarySaved) {
        state.editor.savedName = state.editor.copy.name;
        state.editor.copy.file = path;
    }
    if (result == LibrarySaved || result == LibraryNoSave)
        state.editor.modified = false;
    return result;
}

// Before the editor leaves the library it holds: true when it may go on (nothing
// to save, saved, or the user chose not to save). A save that did not happen,
// whatever the reason, keeps the library and its changes in the editor.
bool SettleChanges(ProgramState& state, bool& saved)
{
    saved = false;
    if (!state.editor.modified)
        return true;
    const uint8_t result = SaveWorkingCopy(state, false);
    saved = result == LibrarySaved;
    return result == LibrarySaved || result == LibraryNoSave;
}

void ReloadLibraries(ProgramState& state)
{
    ScanLibraries(state.folders.data, state.domain.waterLibraries, state.domain.drainageLibraries);
}

// The library chosen in list 400, found again in the reloaded list: at the same
// position when it is still there, otherwise by its name; -1 when it is gone.
int FindChosenLibrary(const PipeLibraryList& libraries, int index, const QString& name)
{
    if (index >= 0 && index < static_cast<int>(libraries.size()) && libraries[index].name == name)
        return index;
    return FindLibraryByName(libraries, name);
}

// After the editor was left or asked to close: list 3 refilled and showing, by
// name, the library the editor last saved when it is a water library, else the
// stored material, else the last library; that library current and stored as
// "MatTube", imposed sizes rebuilt in mode 1, and a new water result.
void ShowStoredWaterLibrary(ProgramState& state)
{
    // The libraries may have been reloaded while the editor was open (a save, a
    // switch in list 400): list 3 is rebuilt so that its indexes are theirs, and
    // the library is found again by name, since an index held from before a
    // reload may now name another one.
    const PipeLibraryList& libraries = state.domain.waterLibraries;
    ClearItems(WaterLibraryList);
    for (const PipeLibrary& library : libraries)
        AddItem(WaterLibraryList, library.name);
    int index = state.editor.savedName.isEmpty() ? -1 : FindLibraryByName(libraries, state.editor.savedName);
    if (index < 0)
        index = FindLibraryByName(libraries, state.domain.settings.MatTube);
    if (index < 0)
        index = static_cast<int>(libraries.size()) - 1;  // as at start: the library the sizing falls back on
    SetState(WaterLibraryList, index);
    state.water.library = index;
    state.water.size = 0;
    if (index >= 0) {
        state.domain.settings.MatTube = CutText(libraries[index].name, StoredNameLength);
        SetText(SymbolLabel, libraries[index].symbol);
    }
    if (GetState(WaterModeList) == ModeImposedSize)
        PrepareImposedSize(state);
    WaterSizing(state);
}

}  // namespace

QString LibraryFolder(const ProgramState& state)
{
    return state.folders.data + QStringLiteral("Data/");
}

QString AskSaveLibrary(const QString& defaultFolder, bool forced, const QString& libraryName,
                       const QString& libraryFile)
{
    if (!forced) {
        const QString question =
            libraryName.isEmpty() ? SaveNewLibraryQuestion : SaveLibraryQuestion + libraryName + QStringLiteral(" ?");
        const int answer = ShowMessage(ProgramTitle, question, MessageYesNo);
        if (answer == AnswerNo)
            return NoSaveMarker;
        if (answer != AnswerYes)
            return QString();
    }
    if (!LibraryFieldsFilled()) {
        ShowEditorMessage(MissingFieldsMessage);
        return FillErrorMarker;
    }
    if (const NameCheck check = CheckStoredName(WithoutBlanksAround(GetText(EditorNameField)));
        check.fault != NameFault::None) {
        ShowEditorMessage(RefusedNameMessage(LibraryNameSubject, check));
        return FillErrorMarker;
    }
    // No keeps the library in the editor, to be given its sizes.
    if (CountRows(EditorSizeList) == 0
        && ShowMessage(ProgramTitle, SaveEmptyLibraryQuestion, MessageYesNo) != AnswerYes)
        return FillErrorMarker;
    // A file path in place of the folder opens the dialog on that file.
    const QString chosen = AskSaveFileName(SaveTitle, SaveFilter, libraryFile.isEmpty() ? defaultFolder : libraryFile);
    if (chosen.isEmpty())
        return QString();
    const QString path = WithLibraryExtension(chosen);
    if (LibraryFileExists(path) && ShowMessage(SaveTitle, ReplaceFileQuestion, MessageYesNo) != AnswerYes)
        return QString();
    return path;
}

void OnEditorOk(ProgramState& state)
{
    bool saved = false;
    if (SettleChanges(state, saved)) {
        CloseWindow(state.window.windows[EditorWindow]);
        SetWindowEnabled(MainWindow, true);
        ActivateWindow(MainWindow);
        if (saved)
            ReloadLibraries(state);
    }
    ShowStoredWaterLibrary(state);
}

void OnEditorNew(ProgramState& state)
{
    bool saved = false;
    if (!SettleChanges(state, saved))
        return;
    ClearLibraryEditor();
    state.editor.copy = PipeLibrary{};
    state.editor.libraryName.clear();
    for (const PipeLibrary& library : state.domain.waterLibraries)
        AddItem(EditorLibraryList, library.name);
    SetState(EditorLibraryList, -1);
}

void OnEditorSaveAs(ProgramState& state)
{
    if (SaveWorkingCopy(state, true) != LibrarySaved)
        return;
    // The editor now holds the library just written: later questions name it.
    state.editor.libraryName = state.editor.copy.name;
    ClearLibraryEditor();
    ReloadLibraries(state);
    FillLibraryEditor(state.editor.copy, state.domain.waterLibraries);
    SetText(EditorLibraryList, state.editor.copy.name);
}

void OnEditorLibraryChoice(ProgramState& state)
{
    const QString chosen = GetText(EditorLibraryList);
    const int index = GetState(EditorLibraryList);
    if (chosen == state.editor.libraryName && !state.editor.libraryName.isEmpty())
        return;
    bool saved = false;
    if (!SettleChanges(state, saved)) {
        // Still the same library: the list says so again.
        ShowEditedLibraryName(state);
        return;
    }
    ReloadLibraries(state);
    const int found = FindChosenLibrary(state.domain.waterLibraries, index, chosen);
    state.editor.copy = found >= 0 ? state.domain.waterLibraries[found] : PipeLibrary{};
    state.editor.libraryName = found >= 0 ? chosen : QString();
    ClearLibraryEditor();
    FillLibraryEditor(state.editor.copy, state.domain.waterLibraries);
    ShowEditedLibraryName(state);
}
