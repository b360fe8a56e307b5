#include "tabs/library_editor.h"

#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "tabs/library_editor_save.h"
#include "tabs/library_editor_sizes.h"
#include "tabs/library_editor_view.h"
#include "tabs/program_state.h"
#include "ui/editor_controls.h"
#include "ui/water_controls.h"

namespace {

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
