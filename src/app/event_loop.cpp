#include "app/event_loop.h"

#include "app/web_links.h"
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

enum class Reacts { Change, Any };

using ControlHandler = void (*)(ProgramState&, const Event&);

struct ControlRoute {
    int first, last;  // control numbers
    Reacts reacts;
    ControlHandler handler;
};

void ShowOptionsTab(ProgramState&, const Event&)
{
    SetState(MainTabPanel, TabOptions);
}

// Main window controls and who handles them; a control that is not listed is ignored.
const ControlRoute MainRoutes[] = {
    {MainTabPanel, MainTabPanel, Reacts::Change, OnMainTabChange},
    {EditLibraryButton, EditLibraryButton, Reacts::Any, OnEditLibraryButton},
    {WaterLibraryList, WaterLibraryList, Reacts::Change, OnWaterLibraryChange},
    {WaterModeList, WaterModeList, Reacts::Change, OnWaterModeChange},
    {FlowTemperatureCombo, ReturnTemperatureCombo, Reacts::Change, OnWaterTemperatureChange},
    {FlowField, FlowField, Reacts::Change, OnWaterQuantityChange},
    {AntifreezeCheck, AntifreezeCheck, Reacts::Any, OnAntifreezeSwitch},
    {AntifreezeField, AntifreezeField, Reacts::Change, OnAntifreezePercentChange},
    {PowerField, PowerField, Reacts::Change, OnWaterQuantityChange},
    {OversizingCheck, OversizingCheck, Reacts::Any, OnOversizingSwitch},
    {OversizingField, OversizingField, Reacts::Change, OnOversizingPercentChange},
    {LimitBar, LimitBar, Reacts::Any, OnWaterLimitMove},
    {CircularOption, RectangularOption, Reacts::Any, OnAirShapeChoice},
    {AirModeList, AirModeList, Reacts::Change, OnAirModeChange},
    {AirFlowField, AirFlowField, Reacts::Change, OnAirFlowChange},
    {AirTemperatureField, AirTemperatureField, Reacts::Change, OnAirConditionChange},
    {AirHumidityField, AirHumidityField, Reacts::Change, OnAirConditionChange},
    {AltitudeField, AltitudeField, Reacts::Change, OnAirConditionChange},
    {ImposedDiameterCombo, ImposedDiameterCombo, Reacts::Change, OnDuctSizeChange},
    {SideAField, SideAField, Reacts::Change, OnDuctSizeChange},
    {SideBField, SideBField, Reacts::Change, OnDuctSizeChange},
    {AirLimitBar, AirLimitBar, Reacts::Any, OnAirLimitMove},
    {DuctMaterialButton, DuctMaterialButton, Reacts::Any, ShowOptionsTab},
    {HalfFillOption, SevenTenthsFillOption, Reacts::Any, OnFillRatioOption},
    {SlopeBar, SlopeBar, Reacts::Any, OnSlopeMove},
    {DrainageLibraryList, DrainageLibraryList, Reacts::Change, OnDrainageLibraryChange},
    {CodeRoughnessCheck, CodeRoughnessCheck, Reacts::Any, OnCodeRoughnessSwitch},
    {DesignFlowField, DesignFlowField, Reacts::Change, OnDesignFlowChange},
    {DischargeUnitsField, FrequencyList, Reacts::Change, OnDischargeUnitsChange},
    {CopyDrainageCheck, CopyDrainageCheck, Reacts::Any, OnCopyDrainageSwitch},
    {AlwaysOnTopCheck, AutoUpdateCheck, Reacts::Any, OnPreferenceSwitch},
    {DuctMaterialList, DuctMaterialList, Reacts::Change, OnDuctMaterialChange},
    // 303 keeps a typed roughness on a change, and sizes again on any event.
    {DuctRoughnessField, DuctRoughnessField, Reacts::Any, OnDuctRoughnessEvent},
    {CopyWaterOptionCheck, CopyWaterOptionCheck, Reacts::Any, OnCopySwitch},
    {WaterTemplateField, WaterTemplateField, Reacts::Change, OnCopyTemplateChange},
    {CopyAirOptionCheck, CopyAirOptionCheck, Reacts::Any, OnCopySwitch},
    {AirTemplateField, AirTemplateField, Reacts::Change, OnCopyTemplateChange},
    {TemplateHelpButton, TemplateHelpButton, Reacts::Any, OnTemplateHelpButton},
    {VerticalOption, HorizontalOption, Reacts::Any, OnLayoutOption},
    {AboutButton, AboutButton, Reacts::Any, [](ProgramState& s, const Event&) { OpenAbout(s.window); }},
};

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
        if ((event.control == FlowField || event.control == PowerField) && !state.sumInProgress)
            SwitchWaterEntryMode(state, event.control);
    } else if (event.subtype == SubtypeFocusLost && IsSumField(event.control)) {
        RemoveSumKeys(MainWindow);
    }
}

void RouteMainControl(ProgramState& state, const Event& event)
{
    for (const ControlRoute& route : MainRoutes) {
        if (event.control < route.first || event.control > route.last)
            continue;
        if (route.reacts == Reacts::Change && event.subtype != SubtypeChange)
            return;
        route.handler(state, event);
        return;
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
        RouteMainControl(state, event);
        break;
    case EventKind::Close:
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
