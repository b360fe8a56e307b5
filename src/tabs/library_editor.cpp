#include "tabs/library_editor.h"

#include "base/number_text.h"
#include "engines/library_files.h"
#include "engines/water_sizing.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/system.h"
#include "platform/windows.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "tabs/water_tab.h"
#include "ui/editor_controls.h"
#include "ui/water_controls.h"

namespace {

constexpr int RoughnessDecimals = 4;
constexpr int StoredNameLength = 128;  // "MatTube" [characters]

enum class Reacts { Change, Any };

struct EditorRoute {
    int control;
    Reacts reacts;
    void (*handler)(ProgramState&, const Event&);
};

const EditorRoute EditorRoutes[] = {
    {EditorLibraryList, Reacts::Change, [](ProgramState& s, const Event&) { OnEditorLibraryChoice(s); }},
    {EditorNameField, Reacts::Change, OnEditorFieldChange},
    {EditorAbbreviationField, Reacts::Change, OnEditorFieldChange},
    {EditorSymbolField, Reacts::Change, OnEditorFieldChange},
    {EditorRoughnessField, Reacts::Change, OnEditorFieldChange},
    {EditorSizeList, Reacts::Any, OnEditorSizeList},
    {EditorModifyButton, Reacts::Any, [](ProgramState& s, const Event&) { OnEditorModifySize(s); }},
    {EditorAddButton, Reacts::Any, [](ProgramState& s, const Event&) { OnEditorAddSize(s); }},
    {EditorDeleteButton, Reacts::Any, [](ProgramState& s, const Event&) { OnEditorDeleteSize(s); }},
    {EditorOkButton, Reacts::Any, [](ProgramState& s, const Event&) { OnEditorOk(s); }},
};

bool BuildEditorWindow(ProgramState& state)
{
    WindowDescriptor& editor = state.window.windows[EditorWindow];
    if (!OpenWindow(editor, editor.width, editor.height))
        return false;
    for (const EditorMenuRow& row : EditorMenuItems)
        AddMenuItem(EditorWindow, QString::fromUtf8(row.menu), QString::fromUtf8(row.item), row.event);
    AddShortcut(EditorWindow, QStringLiteral("F1"), EditorMenuHelpKey);
    for (size_t i = 0; i < EditorControlCount; ++i) {
        const EditorControlRow& c = EditorControls[i];
        CreateControl(EditorWindow, c.number, c.kind, QString::fromUtf8(c.text), c.where, c.style);
        SetFont(c.number, c.systemFont ? -1 : state.window.fonts.f0);
    }
    for (const EditorColumn& column : EditorSizeColumns)
        AddColumn(EditorSizeList, QString::fromUtf8(column.title), column.width, column.align);
    return true;
}

void RouteEditorControl(ProgramState& state, const Event& event)
{
    for (const EditorRoute& route : EditorRoutes) {
        if (route.control != event.control)
            continue;
        if (route.reacts == Reacts::Any || event.subtype == SubtypeChange)
            route.handler(state, event);
        return;
    }
}

}  // namespace

void OpenLibraryEditor(ProgramState& state)
{
    if (IsWindowOpen(EditorWindow)) {
        ActivateWindow(EditorWindow);
        return;
    }
    const PipeLibraryList& libraries = state.domain.waterLibraries;
    int index = 0;
    QString name = libraries.empty() ? QString() : libraries.front().name;
    if (const QString listed = GetText(WaterLibraryList); !listed.isEmpty()) {
        index = GetState(WaterLibraryList);
        name = listed;
    }
    state.editor.libraryName = name;
    state.editor.savedName.clear();
    SetWindowEnabled(MainWindow, false);
    if (!BuildEditorWindow(state)) {
        SetWindowEnabled(MainWindow, true);
        return;
    }
    // Without any library the editor starts on a new, empty one.
    const bool known = index >= 0 && index < static_cast<int>(libraries.size());
    state.editor.copy = known ? libraries[index] : PipeLibrary{};
    FillLibraryEditor(state.editor.copy, libraries);
    ShowEditedLibraryName(state);
}

void OnEditLibraryButton(ProgramState& state, const Event&)
{
    OpenLibraryEditor(state);
}

void FillLibraryEditor(const PipeLibrary& library, const PipeLibraryList& libraries)
{
    for (const PipeLibrary& listed : libraries)
        AddItem(EditorLibraryList, listed.name);
    SetState(EditorLibraryList, -1);
    SetText(EditorNameField, library.name);
    SetText(EditorAbbreviationField, library.abbreviation);
    SetText(EditorSymbolField, library.symbol);
    SetText(EditorRoughnessField, DecimalText(library.roughness, RoughnessDecimals));
    FillSizeList(library);
}

void FillSizeList(const PipeLibrary& library)
{
    ClearRows(EditorSizeList);
    for (const PipeSize& size : library.sizes)
        AddRow(EditorSizeList,
               {size.name, DecimalText(size.outsideDiameter, EditorSizeDecimals),
                DecimalText(size.thickness, EditorSizeDecimals), DecimalText(size.insideDiameter, EditorSizeDecimals)},
               size.active != 0);
}

void ClearLibraryEditor()
{
    ClearItems(EditorLibraryList);
    ClearRows(EditorSizeList);
    for (int field : {EditorNameField, EditorAbbreviationField, EditorSymbolField, EditorRoughnessField})
        SetText(field, QString());
    for (int field : {EditorSizeNameField, EditorOutsideField, EditorThicknessField})
        SetText(field, QStringLiteral("-"));
}

void ShowEditedLibraryName(const ProgramState& state)
{
    if (state.editor.libraryName.isEmpty())
        SetState(EditorLibraryList, -1);
    else
        SetText(EditorLibraryList, state.editor.libraryName);
}

float EditorNumber(const QString& text)
{
    return LeadingFloat(QString(text).replace(u',', u'.'));
}

void RefillLibraryEditor(const ProgramState& state)
{
    const int picked = GetState(EditorLibraryList);
    ClearLibraryEditor();
    FillLibraryEditor(state.editor.copy, state.domain.waterLibraries);
    SetState(EditorLibraryList, picked);
}

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
    if (index < 0 && !libraries.empty())
        index = 0;  // the library the editor opens on when list 3 shows none
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

void HandleLibraryEditorEvent(ProgramState& state, const Event& event)
{
    switch (event.kind) {
    case EventKind::Menu:
        switch (event.item) {
        case EditorMenuNew:
            OnEditorNew(state);
            break;
        case EditorMenuSaveAs:
            OnEditorSaveAs(state);
            break;
        default:
            break;
        }
        break;
    case EventKind::Control:
        RouteEditorControl(state, event);
        break;
    case EventKind::Close:
        OnEditorOk(state);
        break;
    default:
        break;
    }
}
