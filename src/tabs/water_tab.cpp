#include "tabs/water_tab.h"

#include <cmath>

#include "base/number_text.h"
#include "engines/internal_data_text.h"
#include "engines/limit_scales.h"
#include "engines/water_sizing.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "tabs/internal_data_display.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "ui/images.h"
#include "ui/main_window.h"
#include "ui/water_controls.h"

namespace {

constexpr int StoredTemperatureLength = 3;  // "TetaAller", "TetaRetour" [characters]: 100 degC and more
constexpr int StoredPercentLength = 2;      // "AntigelP100", "SurpP100" [characters]
constexpr int StoredNameLength = 128;       // "MatTube" [characters]

// Track bar 30 and field 29 for modes 0 and 2: range 1..100 at a given position.
void SetPercentLimitBar(const ProgramState& state, int mode, int position)
{
    SetTrackBar(LimitBar, WaterLimitFirst, WaterLimitLast);
    SetTickFrequency(LimitBar, WaterLimitTickFrequency(state.domain.settings.AffMode, mode));
    SetState(LimitBar, position);
}

const PipeSize* CurrentWaterSize(const ProgramState& state)
{
    const PipeLibrary* library = CurrentWaterLibrary(state);
    if (!library || state.water.size < 0 || state.water.size >= static_cast<int>(library->sizes.size()))
        return nullptr;
    return &library->sizes[state.water.size];
}

// Fields 29 and 33 name the imposed size; they show none when the library has no size.
void ShowImposedSize(const ProgramState& state)
{
    const PipeSize* size = CurrentWaterSize(state);
    const QString name = size ? size->name : QString();
    SetText(LimitField, name);
    SetText(SizeField, name);
}

// Oversizing check box 20 ticked: the extra power and the total from what 18
// and 22 show.
void ShowOversizing()
{
    const int64_t power = LeadingInteger(GetText(PowerField));                           // [W]
    const int64_t percent = LeadingInteger(GetText(OversizingField));                    // [%]
    const double extraShown = std::round(static_cast<double>(power) * percent / 100.0);  // [W]
    // Either sum may leave the 64-bit range for a power of 19 digits or more.
    const bool extraFits = std::fabs(extraShown) < 0x1p63;
    SetText(OversizingPowerField,
            extraFits ? QString::number(static_cast<int64_t>(extraShown)) : QStringLiteral("N/A"));
    const int64_t extra = LeadingInteger(GetText(OversizingPowerField));  // [W]
    int64_t total = 0;                                                    // [W]
    const bool totalFits = extraFits && !__builtin_add_overflow(power, extra, &total);
    SetText(TotalPowerField, totalFits ? QString::number(total) : QStringLiteral("N/A"));
    SetBackground(TotalPowerField, OverPowerColour);
    SetReadOnly(OversizingField, false);
    for (int control : {OversizingPowerField, TotalPowerField, OversizingField})
        SetEnabled(control, true);
}

void HideOversizing()
{
    SetReadOnly(OversizingField, true);
    SetText(OversizingPowerField, QStringLiteral("0"));
    SetText(TotalPowerField, QStringLiteral("0"));
    SetBackground(TotalPowerField, DefaultColour);
    for (int control : {OversizingPowerField, TotalPowerField, OversizingField})
        SetEnabled(control, false);
}

}  // namespace

bool SelectListedWaterLibrary(ProgramState& state)
{
    const int listed = GetState(WaterLibraryList);
    if (listed >= 0 && listed < static_cast<int>(state.domain.waterLibraries.size()))
        state.water.library = listed;
    return CurrentWaterLibrary(state) != nullptr;
}

void PrepareImposedSize(ProgramState& state)
{
    // Held in a growing list: a library may have any number of active sizes.
    std::vector<int>& index = state.water.imposedSizeIndex;
    const PipeLibrary* library = CurrentWaterLibrary(state);
    index = library ? ActiveSizeIndex(*library) : std::vector<int>();
    state.water.size = index.empty() ? 0 : index.front();

    SetTrackBar(LimitBar, 1, static_cast<int>(index.size()));
    SetTickFrequency(LimitBar, 1);
    SetState(LimitBar, 1);
    ShowImposedSize(state);
}

void PrepareWaterMode(ProgramState& state, int mode)
{
    switch (mode) {
    case ModeMaxPressureDrop:
    case ModeMaxVelocity: {
        const int position = WaterLimitScaleFor(mode).position;
        SetText(LimitLabel, QString::fromUtf8(WaterLimitScaleFor(mode).caption));
        SetPercentLimitBar(state, mode, position);
        SetText(LimitField, WaterLimitText(mode, position));
        SetText(DiameterLabel, QStringLiteral("Ø Théo."));
        break;
    }
    case ModeImposedSize:
        SelectListedWaterLibrary(state);
        PrepareImposedSize(state);
        SetText(LimitLabel, QStringLiteral("Ø Imposé"));
        if (const PipeLibrary* library = CurrentWaterLibrary(state))
            SetText(SymbolLabel, library->symbol);
        SetText(DiameterLabel, QStringLiteral("Ø Int."));
        break;
    default:
        break;
    }
}

void ShowTemperatureIndicator(const QString& flowTemperature, const QString& returnTemperature)
{
    const int64_t mean = (LeadingInteger(flowTemperature) + LeadingInteger(returnTemperature)) / 2;  // [degC]
    SetImage(TemperatureDot, mean < 20 ? ImageDotBlue : mean < 50 ? ImageDotMagenta : ImageDotRed);
}

void SwitchWaterEntryMode(ProgramState& state, int field)
{
    if (field == FlowField) {
        state.entryMode = EntryMode::FlowEntered;
        SetBackground(FlowField, WaterInputColour);
        SetBackground(PowerField, DefaultColour);
        if (GetState(OversizingCheck) == 1) {
            // The flow field takes the flow of the base power, without oversizing.
            state.entryMode = EntryMode::PowerEntered;
            SetState(OversizingCheck, 0);
            WaterSizing(state);
            state.entryMode = EntryMode::FlowEntered;
            SetState(OversizingCheck, 1);
        }
        for (int control : {OversizingCheck, OversizingPowerField, TotalPowerField, OversizingField})
            SetEnabled(control, false);
        SetText(OversizingPowerField, QStringLiteral("0"));
        SetText(TotalPowerField, QStringLiteral("0"));
        return;
    }
    if (field == PowerField) {
        state.entryMode = EntryMode::PowerEntered;
        SetBackground(FlowField, DefaultColour);
        SetBackground(PowerField, WaterInputColour);
        SetEnabled(OversizingCheck, true);
        if (GetState(OversizingCheck) == 1)
            ShowOversizing();
        WaterSizing(state);
    }
}

void OnWaterLibraryChange(ProgramState& state, const Event&)
{
    const QString listed = GetText(WaterLibraryList);
    if (listed != state.domain.settings.MatTube) {
        state.domain.settings.MatTube = CutText(listed, StoredNameLength);
        if (SelectListedWaterLibrary(state)) {
            SetText(SymbolLabel, CurrentWaterLibrary(state)->symbol);
            state.water.size = 0;
            if (GetState(WaterModeList) == ModeImposedSize)
                PrepareImposedSize(state);
        }
    }
    WaterSizing(state);
}

void OnWaterModeChange(ProgramState& state, const Event&)
{
    const int mode = GetState(WaterModeList);
    if (mode == state.domain.settings.EauCalcMode)
        return;
    state.domain.settings.EauCalcMode = static_cast<int8_t>(mode);
    PrepareWaterMode(state, mode);
    WaterSizing(state);
}

void OnWaterTemperatureChange(ProgramState& state, const Event& event)
{
    QString& stored =
        event.control == FlowTemperatureCombo ? state.domain.settings.TetaAller : state.domain.settings.TetaRetour;
    stored = CutText(GetText(event.control), StoredTemperatureLength);
    ShowTemperatureIndicator(state.domain.settings.TetaAller, state.domain.settings.TetaRetour);
    WaterSizing(state);
}

void OnWaterQuantityChange(ProgramState& state, const Event&)
{
    if (state.sumInProgress)
        return;
    WaterSizing(state);
    ShowInternalData(state, InternalDataWater);
}

void OnAntifreezeSwitch(ProgramState& state, const Event&)
{
    SetEnabled(AntifreezeField, GetState(AntifreezeCheck) == 1);
    WaterSizing(state);
}

void OnAntifreezePercentChange(ProgramState& state, const Event&)
{
    state.domain.settings.AntigelP100 = CutText(GetText(AntifreezeField), StoredPercentLength);
    WaterSizing(state);
    ShowInternalData(state, InternalDataWater);
}

void OnOversizingSwitch(ProgramState& state, const Event&)
{
    if (GetState(OversizingCheck) == 1)
        ShowOversizing();
    else
        HideOversizing();
    WaterSizing(state);
}

void OnOversizingPercentChange(ProgramState& state, const Event&)
{
    state.domain.settings.SurpP100 = CutText(GetText(OversizingField), StoredPercentLength);
    WaterSizing(state);
}

void OnWaterLimitMove(ProgramState& state, const Event&)
{
    const int mode = GetState(WaterModeList);
    const int position = GetState(LimitBar);
    if (mode == ModeImposedSize) {
        SelectListedWaterLibrary(state);
        const std::vector<int>& index = state.water.imposedSizeIndex;
        if (position >= 1 && position <= static_cast<int>(index.size()))
            state.water.size = index[position - 1];
        ShowImposedSize(state);
    } else if (mode == ModeMaxPressureDrop || mode == ModeMaxVelocity) {
        SetText(LimitField, WaterLimitText(mode, position));
    }
    WaterSizing(state);
}

namespace {

// Focus on 12 or 18 makes that field drive the calculation, except during a sum,
// which keeps the field it is typed in.
void OnWaterQuantityFocus(ProgramState& state, const Event& event)
{
    if (!state.sumInProgress)
        SwitchWaterEntryMode(state, event.control);
}

const ControlRoute WaterRouteTable[] = {
    {MainWindow, WaterLibraryList, WaterLibraryList, Reacts::Change, OnWaterLibraryChange},
    {MainWindow, WaterModeList, WaterModeList, Reacts::Change, OnWaterModeChange},
    {MainWindow, FlowTemperatureCombo, ReturnTemperatureCombo, Reacts::Change, OnWaterTemperatureChange},
    {MainWindow, FlowField, FlowField, Reacts::Change, OnWaterQuantityChange},
    {MainWindow, FlowField, FlowField, Reacts::FocusGained, OnWaterQuantityFocus},
    {MainWindow, AntifreezeCheck, AntifreezeCheck, Reacts::Any, OnAntifreezeSwitch},
    {MainWindow, AntifreezeField, AntifreezeField, Reacts::Change, OnAntifreezePercentChange},
    {MainWindow, PowerField, PowerField, Reacts::Change, OnWaterQuantityChange},
    {MainWindow, PowerField, PowerField, Reacts::FocusGained, OnWaterQuantityFocus},
    {MainWindow, OversizingCheck, OversizingCheck, Reacts::Any, OnOversizingSwitch},
    {MainWindow, OversizingField, OversizingField, Reacts::Change, OnOversizingPercentChange},
    {MainWindow, LimitBar, LimitBar, Reacts::Any, OnWaterLimitMove},
};

}  // namespace

RouteTable WaterRoutes()
{
    return WaterRouteTable;
}
