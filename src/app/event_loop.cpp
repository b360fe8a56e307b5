#include "app/event_loop.h"

#include "app/web_links.h"
#include "network/network_window.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/system.h"
#include "tabs/air_tab.h"
#include "tabs/drainage_tab.h"
#include "tabs/internal_data_display.h"
#include "tabs/library_editor.h"
#include "tabs/options_tab.h"
#include "tabs/program_state.h"
#include "tabs/sum_entry.h"
#include "tabs/water_tab.h"
#include "ui/about_controls.h"
#include "ui/about_window.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/editor_controls.h"
#include "ui/main_controls.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"

namespace {

void OpenNetwork(ProgramState& state)
{
    ProgramState* s = &state;
    OpenNetworkWindow(state, [s] { OpenHelpPage(s->web, s->web.helpNetwork); });
}

// Main window controls that belong to no tab.
const ControlRoute MainRoutes[] = {
    {MainWindow, MainTabPanel, MainTabPanel, Reacts::Change, OnMainTabChange},
    {MainWindow, EditLibraryButton, EditLibraryButton, Reacts::Any, OnEditLibraryButton},
    {MainWindow, AboutButton, AboutButton, Reacts::Any, [](ProgramState& s, const Event&) { OpenAbout(s.window); }},
    {MainWindow, NetworkButton, NetworkButton, Reacts::Any, [](ProgramState& s, const Event&) { OpenNetwork(s); }},
};

bool Takes(const ControlRoute& route, const Event& event)
{
    if (route.window != event.window || event.control < route.first || event.control > route.last)
        return false;
    switch (route.reacts) {
    case Reacts::Change:
        return event.subtype == SubtypeChange;
    case Reacts::FocusGained:
        return event.subtype == SubtypeFocusGained;
    case Reacts::Any:
        return true;
    }
    return false;
}

// A control that no route takes is ignored.
void RouteControl(ProgramState& state, const Event& event)
{
    const RouteTable tables[] = {MainRoutes, WaterRoutes(), AirRoutes(), DrainageRoutes(), OptionsRoutes()};
    for (RouteTable table : tables) {
        for (const ControlRoute& route : table) {
            if (Takes(route, event)) {
                route.handler(state, event);
                return;
            }
        }
    }
}

bool SavePositionsTicked()
{
    return GetState(SavePositionsCheck) == 1;
}

void OnMainFocus(ProgramState& state, const Event& event)
{
    if (event.subtype == SubtypeFocusGained) {
        SelectAllText(event.control);
        // Pending input is still taken in meanwhile: the pause never swallows keys.
        PauseMs(100);
        EndPendingSum(state, event.control);
        if (IsSumField(event.control))
            AddSumKeys(MainWindow);
    } else if (event.subtype == SubtypeFocusLost && IsSumField(event.control)) {
        RemoveSumKeys(MainWindow);
    }
}

bool HandleMainEvent(ProgramState& state, const Event& event)
{
    if (event.kind == EventKind::Control && (event.subtype == SubtypeFocusGained || event.subtype == SubtypeFocusLost))
        OnMainFocus(state, event);

    switch (event.kind) {
    case EventKind::Menu:
        if (event.item == MenuHelp)
            OpenTabHelp(state.web, GetState(MainTabPanel));
        else if (event.item == MenuInternalData)
            OnInternalDataKey(state);
        else if (event.item == MenuNetwork)
            OpenNetwork(state);
        else if (event.item >= SumKeyEnter && event.item <= SumKeyMinus)
            OnSumKey(state, event.item);
        break;
    case EventKind::Moved: {
        int x = 0, y = 0;
        GetWindowPosition(MainWindow, x, y);
        if (SavePositionsTicked() && x > 0 && y > 0) {
            state.domain.settings.xPosMain = x;
            state.domain.settings.yPosMain = y;
        }
        break;
    }
    case EventKind::Control:
        RouteControl(state, event);
        break;
    case EventKind::Close:
        // The circuit's changes are asked about first; its « Annuler » keeps the program running.
        if (!EndNetworkWindow(EndAskedBySignal()))
            return true;
        CloseWindow(state.window.windows[MainWindow]);
        return false;
    default:
        break;
    }
    return true;
}

void HandleEditorEvent(ProgramState& state, const Event& event)
{
    if (event.kind == EventKind::Control && event.subtype == SubtypeFocusGained)
        SelectAllText(event.control);
    if (event.kind == EventKind::Moved && SavePositionsTicked()) {
        WindowDescriptor& editor = state.window.windows[EditorWindow];
        GetWindowPosition(EditorWindow, editor.x, editor.y);
        state.domain.settings.xPosEdit = editor.x;
        state.domain.settings.yPosEdit = editor.y;
    }
    if (event.kind == EventKind::Menu && (event.item == EditorMenuHelp || event.item == EditorMenuHelpKey))
        OpenHelpPage(state.web, state.web.helpEditor);
    else
        HandleLibraryEditorEvent(state, event);
}

void HandleAboutEvent(ProgramState& state, const Event& event)
{
    if (event.kind == EventKind::Close) {
        CloseWindow(state.window.windows[AboutWindow]);
        return;
    }
    if (event.kind != EventKind::Control)
        return;
    switch (event.control) {
    case SiteLink:
        OpenAddress(state.web.site);
        break;
    case ContactLink:
        OpenAddress(state.web.contact);
        break;
    case HistoryLink:
        OpenVersionHistory(state.folders, state.web);
        break;
    default:
        break;
    }
}

}  // namespace

bool HandleEvent(ProgramState& state, const Event& event)
{
    if (event.window < 0 || event.window >= WindowCount || !IsWindowOpen(event.window))
        return true;
    switch (event.window) {
    case MainWindow:
        return HandleMainEvent(state, event);
    case EditorWindow:
        HandleEditorEvent(state, event);
        break;
    case HelpWindow:
    case ConsoleWindow:
        if (event.kind == EventKind::Close)
            CloseWindow(state.window.windows[event.window]);
        break;
    case AboutWindow:
        HandleAboutEvent(state, event);
        break;
    default:
        break;
    }
    return true;
}

bool EventLoopStep(ProgramState& state)
{
    return HandleEvent(state, WaitWindowEvent());
}

void RunEventLoop(ProgramState& state)
{
    while (EventLoopStep(state)) {
    }
}
