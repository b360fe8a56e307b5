#include "tabs/apply_settings.h"

#include "base/number_text.h"
#include "engines/limit_scales.h"
#include "engines/water_sizing.h"
#include "platform/controls.h"
#include "platform/windows.h"
#include "tabs/air_tab.h"
#include "tabs/drainage_tab.h"
#include "tabs/options_tab.h"
#include "tabs/program_state.h"
#include "tabs/water_sizing.h"
#include "tabs/water_tab.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/main_window.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"

namespace {

constexpr int LowestListedTemperature = 3;    // [degC]
constexpr int HighestListedTemperature = 99;  // [degC]

void FillWaterLists(const ProgramState& state)
{
    ClearItems(WaterLibraryList);
    for (const PipeLibrary& library : state.domain.waterLibraries)
        AddItem(WaterLibraryList, library.name);
    ClearItems(WaterModeList);
    for (const char* mode : {"PdC Maxi.", "Ø Imposé", "Vit. Maxi."})
        AddItem(WaterModeList, QString::fromUtf8(mode));
    for (int combo : {FlowTemperatureCombo, ReturnTemperatureCombo}) {
        ClearItems(combo);
        for (int t = LowestListedTemperature; t <= HighestListedTemperature; ++t)
            AddItem(combo, QString::number(t));
    }
}

// The first library named as stored becomes current and is selected in list 3.
// Without a match the last library stays current, as the search leaves it, and
// list 3 and the symbol show that one: the results are sized in it.
bool SelectStoredWaterLibrary(ProgramState& state)
{
    const int count = static_cast<int>(state.domain.waterLibraries.size());
    state.water.size = 0;
    int chosen = count - 1;
    for (int i = 0; i < count; ++i) {
        if (state.domain.waterLibraries[i].name == state.domain.settings.MatTube) {
            chosen = i;
            break;
        }
    }
    state.water.library = chosen;
    SetState(WaterLibraryList, chosen);
    if (chosen < 0)
        return false;
    SetText(SymbolLabel, state.domain.waterLibraries[chosen].symbol);
    return true;
}

void SetLimitRange(int mode)
{
    const int position = WaterLimitScaleFor(mode).position;
    SetTrackBar(LimitBar, WaterLimitFirst, WaterLimitLast);
    SetState(LimitBar, position);
    SetText(LimitField, WaterLimitText(mode, position));
}

void PrepareStoredMode(ProgramState& state, bool libraryFound)
{
    const int mode = state.domain.settings.EauCalcMode;
    SetState(WaterModeList, mode);
    SetTickFrequency(LimitBar, WaterLimitTickFrequency(state.domain.settings.AffMode, mode));
    switch (mode) {
    case ModeMaxPressureDrop:
        SetLimitRange(mode);
        break;
    case ModeImposedSize:
        if (libraryFound) {
            const QString symbol = state.domain.waterLibraries[state.water.library].symbol;
            SetText(LimitLabel, symbol + QStringLiteral(" Imposé"));
            PrepareImposedSize(state);
            SetText(TheoreticalField, QStringLiteral("-"));
            SetText(SizeField, GetText(LimitField));
            SetText(SymbolLabel, symbol);
        }
        break;
    case ModeMaxVelocity:
        SetText(LimitLabel, QStringLiteral("Vit. Maxi."));
        SetLimitRange(mode);
        break;
    default:
        break;
    }
}

}  // namespace

void ApplyWaterSettings(ProgramState& state)
{
    const Settings& s = state.domain.settings;
    FillWaterLists(state);
    const bool found = SelectStoredWaterLibrary(state);
    PrepareStoredMode(state, found);

    SetText(FlowTemperatureCombo, s.TetaAller);
    SetText(ReturnTemperatureCombo, s.TetaRetour);
    ShowTemperatureIndicator(s.TetaAller, s.TetaRetour);

    state.entryMode = EntryMode::FlowEntered;
    SetBackground(FlowField, WaterInputColour);

    SetText(AntifreezeField, s.AntigelP100);
    SetText(OversizingField, s.SurpP100);
    for (int control : {OversizingCheck, OversizingPowerField, TotalPowerField, OversizingField})
        SetEnabled(control, false);
    WaterSizing(state);
}

void ApplyAirSettings(ProgramState& state)
{
    const Settings& s = state.domain.settings;
    ClearItems(AirModeList);
    for (const char* mode : {"PdC Maxi.", "Ø Imposé", "Vit. Maxi."})
        AddItem(AirModeList, QString::fromUtf8(mode));
    ClearItems(ImposedDiameterCombo);
    for (int diameter : state.domain.standardDuctDiameters)
        AddItem(ImposedDiameterCombo, QString::number(diameter));
    ClearItems(DuctMaterialList);
    for (const DuctMaterial& material : state.domain.ductMaterials)
        AddItem(DuctMaterialList, material.name);

    SetState(AirModeList, s.AirCalcMode);
    SetState(s.CircRect == 0 ? CircularOption : RectangularOption, 1);
    SetText(DuctRoughnessField, DecimalText(s.RugoGaine, 3));
    SetText(DuctMaterialList, s.MatGaine);
    SetText(ImposedDiameterCombo, QStringLiteral("125"));
    RefreshAirModeControls();
    SetBackground(AirFlowField, AirInputColour);
    for (int control : {AirTemperatureField, AirHumidityField, AltitudeField})
        SetBackground(control, AirConditionColour);
}

void ApplyDrainageSettings(ProgramState& state)
{
    Settings& s = state.domain.settings;
    ClearItems(DrainageLibraryList);
    for (const PipeLibrary& library : state.domain.drainageLibraries)
        AddItem(DrainageLibraryList, library.name);
    ShowFillRatio(s.FillType);
    // A stored position beyond the bar's range is kept as the bar shows it.
    s.Pente = static_cast<int8_t>(ShowSlope(s.Pente));
    SetText(DrainageLibraryList, s.EvacType);
    SetState(CodeRoughnessCheck, s.ConformDTU != 0);
    ShowDrainageRoughness(s.EvacType, s.ConformDTU, s.AffMode);
    ShowFrequencyFactors();
    RebuildDrainageTable(state);
}

void ApplyOptionsSettings(ProgramState& state)
{
    const Settings& s = state.domain.settings;
    SetState(AlwaysOnTopCheck, s.AlwaysOnTop != 0);
    if (s.AlwaysOnTop != 0)
        SetWindowOnTop(MainWindow, true);
    SetState(SaveSettingsCheck, s.SaveConfig != 0);
    SetState(SavePositionsCheck, s.SavePos != 0);
    SetState(AntifreezeOptionCheck, s.AntigelOnOff != 0);
    ShowAntifreezeControls(s.AntigelOnOff != 0);
    SetState(AutoUpdateCheck, s.UpdateAuto != 0);
    SetState(CopyAirOptionCheck, s.TxtCopyAirOnOff != 0);
    SetState(CopyWaterOptionCheck, s.TxtCopyEauOnOff != 0);
    SetText(WaterTemplateField, s.TextToCopyEau);
    SetText(AirTemplateField, s.TextToCopyAir);
    SetState(s.AffMode == 0 ? VerticalOption : HorizontalOption, 1);
}

void ApplyDuctMaterialSettings(ProgramState& state)
{
    // Without a material of the stored name the last one is current.
    ShowDuctMaterial(state, FindDuctMaterial(state, state.domain.settings.MatGaine));
}

void ApplySettings(ProgramState& state)
{
    // The order start-up follows, its first frame between the options and the air tab.
    ApplyWaterSettings(state);
    ApplyOptionsSettings(state);
    ApplyAirSettings(state);
    ApplyDrainageSettings(state);
    ApplyDuctMaterialSettings(state);
}
