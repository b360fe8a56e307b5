#include "tabs/air_tab.h"

#include "base/number_text.h"
#include "engines/air_sizing.h"
#include "engines/duct_tables.h"
#include "engines/internal_data_text.h"
#include "engines/limit_scales.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "tabs/air_sizing.h"
#include "tabs/internal_data_display.h"
#include "tabs/program_state.h"
#include "ui/air_controls.h"
#include "ui/main_controls.h"

namespace {

constexpr int StoredMaterialLength = 16;  // "MatGaine" [characters]

bool IsSearchMode(int mode)
{
    return mode == AirModeMaxPressureDrop || mode == AirModeMaxVelocity;
}

void SetShown(std::initializer_list<int> controls, bool shown)
{
    for (int control : controls)
        SetVisible(control, shown);
}

void ShowLimit(int mode)
{
    const bool searching = IsSearchMode(mode);
    const AirLimitScale& scale = AirLimitScaleFor(mode);
    SetTrackBar(AirLimitBar, AirLimitFirst, scale.maximum);
    SetTickFrequency(AirLimitBar, scale.tick);
    for (int control : {AirLimitBar, AirLimitLabel, AirLimitField})
        SetEnabled(control, searching);
    if (!searching) {
        SetText(AirLimitLabel, QString::fromUtf8("Ø Imposé"));
        SetText(AirLimitField, QStringLiteral("N/A"));
        SetBackground(AirLimitField, DefaultColour);
        return;
    }
    SetState(AirLimitBar, scale.position);
    SetText(AirLimitLabel, QString::fromUtf8(scale.caption));
    SetText(AirLimitField, AirLimitText(scale.position));
    SetBackground(AirLimitField, AirConditionColour);
}

void SizeAndShowInternalData(ProgramState& state)
{
    SizeAirDuct(state);
    ShowInternalData(state, InternalDataAir);
}

}  // namespace

void RefreshAirModeControls()
{
    const bool rectangular = GetState(RectangularOption) == 1;
    const int mode = GetState(AirModeList);
    const bool searching = IsSearchMode(mode);

    SetShown({SideALabel, SideAField, SideTimesLabel, SideBLabel, SideBField, ResultSideALabel, ResultSideAField,
              ResultSideTimesLabel, ResultSideBLabel, ResultSideBField},
             rectangular);
    SetShown({DuctDiameterLabel, DuctDiameterField}, !rectangular);
    if (rectangular) {
        SetShown({ImposedDiameterLabel, ImposedDiameterCombo, TheoreticalDuctLabel, TheoreticalDuctField}, false);
        SetBackground(SideAField, AirInputColour);
        // Side B is the result of a search, the user's input for an imposed size.
        SetReadOnly(SideBField, searching);
        SetBackground(SideBField, searching ? DefaultColour : AirInputColour);
    } else {
        SetShown({ImposedDiameterLabel, ImposedDiameterCombo}, !searching);
        SetShown({TheoreticalDuctLabel, TheoreticalDuctField}, searching);
    }
    ShowLimit(mode);
    if (!searching) {
        // A search may have left its own size among the results.
        SetText(DuctDiameterField, GetText(ImposedDiameterCombo));
        SetText(ResultSideAField, GetText(SideAField));
        SetText(ResultSideBField, GetText(SideBField));
    }
}

int FindDuctMaterial(const ProgramState& state, const QString& name)
{
    const int count = static_cast<int>(state.domain.ductMaterials.size());
    for (int i = 0; i < count; ++i)
        if (state.domain.ductMaterials[i].name == name)
            return i;
    return count - 1;
}

void ShowDuctMaterial(const ProgramState& state, int index)
{
    if (index < 0 || index >= static_cast<int>(state.domain.ductMaterials.size()))
        return;
    const DuctMaterial& material = state.domain.ductMaterials[index];
    SetState(DuctMaterialList, index);
    SetText(DuctMaterialButton, material.name);
    const bool own = material.name == QLatin1String(OwnRoughnessMaterial);
    SetReadOnly(DuctRoughnessField, !own);
    const float roughness = own ? state.domain.settings.AutreRugo : material.roughness;  // k [mm]
    SetText(DuctRoughnessField, DecimalText(roughness, 3));
}

void OnAirShapeChoice(ProgramState& state, const Event& event)
{
    state.domain.settings.CircRect = event.control == RectangularOption ? 1 : 0;
    RefreshAirModeControls();
    SizeAirDuct(state);
}

void OnAirModeChange(ProgramState& state, const Event&)
{
    state.domain.settings.AirCalcMode = static_cast<int8_t>(GetState(AirModeList));
    RefreshAirModeControls();
    SizeAirDuct(state);
}

void OnAirFlowChange(ProgramState& state, const Event&)
{
    // A sum being typed is sized once its total is written into the field.
    if (state.sumInProgress)
        return;
    SizeAndShowInternalData(state);
}

void OnAirConditionChange(ProgramState& state, const Event&)
{
    SizeAndShowInternalData(state);
}

void OnDuctSizeChange(ProgramState& state, const Event& event)
{
    // Each input has its twin among the results.
    const int mirror = event.control == ImposedDiameterCombo ? DuctDiameterField
        : event.control == SideAField                        ? ResultSideAField
                                                             : ResultSideBField;
    SetText(mirror, GetText(event.control));
    SizeAirDuct(state);
}

void OnAirLimitMove(ProgramState& state, const Event&)
{
    if (!IsSearchMode(GetState(AirModeList)))
        return;
    SetText(AirLimitField, AirLimitText(GetState(AirLimitBar)));
    SizeAirDuct(state);
}

void OnDuctMaterialChange(ProgramState& state, const Event&)
{
    const int index = GetState(DuctMaterialList);
    if (index < 0 || index >= static_cast<int>(state.domain.ductMaterials.size()))
        return;
    const DuctMaterial& material = state.domain.ductMaterials[index];
    state.domain.settings.MatGaine = CutText(material.name, StoredMaterialLength);
    if (material.name != QLatin1String(OwnRoughnessMaterial))
        state.domain.settings.RugoGaine = material.roughness;
    ShowDuctMaterial(state, index);
    SizeAirDuct(state);
}

void OnDuctRoughnessEvent(ProgramState& state, const Event& event)
{
    if (event.subtype == SubtypeChange)
        state.domain.settings.AutreRugo = TypedFloat(GetText(DuctRoughnessField));  // k [mm]
    SizeAirDuct(state);
}

namespace {

void ShowOptionsTab(ProgramState&, const Event&)
{
    SetState(MainTabPanel, TabOptions);
}

const ControlRoute AirRouteTable[] = {
    {MainWindow, CircularOption, RectangularOption, Reacts::Any, OnAirShapeChoice},
    {MainWindow, AirModeList, AirModeList, Reacts::Change, OnAirModeChange},
    {MainWindow, AirFlowField, AirFlowField, Reacts::Change, OnAirFlowChange},
    {MainWindow, AirTemperatureField, AirTemperatureField, Reacts::Change, OnAirConditionChange},
    {MainWindow, AirHumidityField, AirHumidityField, Reacts::Change, OnAirConditionChange},
    {MainWindow, AltitudeField, AltitudeField, Reacts::Change, OnAirConditionChange},
    {MainWindow, ImposedDiameterCombo, ImposedDiameterCombo, Reacts::Change, OnDuctSizeChange},
    {MainWindow, SideAField, SideAField, Reacts::Change, OnDuctSizeChange},
    {MainWindow, SideBField, SideBField, Reacts::Change, OnDuctSizeChange},
    {MainWindow, AirLimitBar, AirLimitBar, Reacts::Any, OnAirLimitMove},
    {MainWindow, DuctMaterialButton, DuctMaterialButton, Reacts::Any, ShowOptionsTab},
    {MainWindow, DuctMaterialList, DuctMaterialList, Reacts::Change, OnDuctMaterialChange},
    // 303 keeps a typed roughness on a change, and sizes again on any event.
    {MainWindow, DuctRoughnessField, DuctRoughnessField, Reacts::Any, OnDuctRoughnessEvent},
};

}  // namespace

RouteTable AirRoutes()
{
    return AirRouteTable;
}
