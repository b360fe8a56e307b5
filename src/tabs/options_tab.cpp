#include "tabs/options_tab.h"

#include "base/number_text.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "tabs/program_state.h"
#include "ui/main_window.h"
#include "ui/options_controls.h"
#include "ui/template_help.h"
#include "ui/water_controls.h"

namespace {

constexpr int StoredTemplateLength = 128;  // "TextToCopyEau", "TextToCopyAir" [characters]

}  // namespace

void ShowAntifreezeControls(bool shown)
{
    for (int control : {AntifreezeCheck, AntifreezeField, AntifreezePercentLabel})
        SetVisible(control, shown);
}

void OnPreferenceSwitch(ProgramState& state, const Event& event)
{
    const int8_t ticked = GetState(event.control) == 1 ? 1 : 0;
    Settings& s = state.domain.settings;
    switch (event.control) {
    case AlwaysOnTopCheck:
        s.AlwaysOnTop = ticked;
        SetWindowOnTop(MainWindow, ticked == 1);
        break;
    case SavePositionsCheck:
        s.SavePos = ticked;
        break;
    case SaveSettingsCheck:
        s.SaveConfig = ticked;
        break;
    case AntifreezeOptionCheck:
        s.AntigelOnOff = ticked;
        ShowAntifreezeControls(ticked == 1);
        break;
    case AutoUpdateCheck:
        s.UpdateAuto = ticked;
        break;
    default:
        break;
    }
}

void OnCopySwitch(ProgramState& state, const Event& event)
{
    const int8_t ticked = GetState(event.control) == 1 ? 1 : 0;
    if (event.control == CopyWaterOptionCheck)
        state.domain.settings.TxtCopyEauOnOff = ticked;
    else if (event.control == CopyAirOptionCheck)
        state.domain.settings.TxtCopyAirOnOff = ticked;
}

void OnCopyTemplateChange(ProgramState& state, const Event& event)
{
    // The copy reads the field itself, whole; only the stored template is cut.
    const QString stored = CutText(GetText(event.control), StoredTemplateLength);
    if (event.control == WaterTemplateField)
        state.domain.settings.TextToCopyEau = stored;
    else if (event.control == AirTemplateField)
        state.domain.settings.TextToCopyAir = stored;
}

void OnTemplateHelpButton(ProgramState& state, const Event&)
{
    ShowTemplateHelp(state.window);
}

void OnLayoutOption(ProgramState& state, const Event& event)
{
    const int layout = event.control == HorizontalOption ? 1 : 0;  // AffMode
    state.domain.settings.AffMode = static_cast<int8_t>(layout);
    SwitchLayout(state.window, layout);
}

namespace {

const ControlRoute OptionsRouteTable[] = {
    {MainWindow, AlwaysOnTopCheck, AutoUpdateCheck, Reacts::Any, OnPreferenceSwitch},
    {MainWindow, CopyWaterOptionCheck, CopyWaterOptionCheck, Reacts::Any, OnCopySwitch},
    {MainWindow, WaterTemplateField, WaterTemplateField, Reacts::Change, OnCopyTemplateChange},
    {MainWindow, CopyAirOptionCheck, CopyAirOptionCheck, Reacts::Any, OnCopySwitch},
    {MainWindow, AirTemplateField, AirTemplateField, Reacts::Change, OnCopyTemplateChange},
    {MainWindow, TemplateHelpButton, TemplateHelpButton, Reacts::Any, OnTemplateHelpButton},
    {MainWindow, VerticalOption, HorizontalOption, Reacts::Any, OnLayoutOption},
};

}  // namespace

RouteTable OptionsRoutes()
{
    return OptionsRouteTable;
}
