#include "tabs/drainage_tab.h"

#include <iterator>

#include "base/number_text.h"
#include "engines/drainage_texts.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "tabs/drainage_table.h"
#include "tabs/program_state.h"
#include "ui/drainage_controls.h"
#include "ui/images.h"
#include "ui/roughness_label.h"

namespace {

constexpr int StoredNameLength = 128;  // "EvacType" [characters]

}  // namespace

void ShowFillRatio(int fillType)
{
    const bool half = fillType == FillHalf;
    SetState(half ? HalfFillOption : SevenTenthsFillOption, 1);
    SetImage(FillImageControl, half ? ImageFillHalf : ImageFillSevenTenths);
}

int ShowSlope(int position)
{
    SetState(SlopeBar, position);
    const int shown = GetState(SlopeBar);
    SetText(SlopeField, SlopeText(shown));
    return shown;
}

void ShowDrainageRoughness(const QString& libraryName, int codeRoughness, int layout)
{
    SetText(DrainageRoughnessLabel,
            RoughnessText(BazinCoefficient(CodeRoughnessImposed(libraryName), codeRoughness != 0), layout));
    SetEnabled(CodeRoughnessCheck, !CodeRoughnessImposed(libraryName));
}

void RebuildDrainageTable(const ProgramState& state)
{
    // Without a selection list 150 reads as an empty name, which a library
    // file without its header group also has: that one is not what is shown.
    if (GetState(DrainageLibraryList) < 0)
        return;
    FillDrainageTable(state.domain.drainageLibraries, GetText(DrainageLibraryList));
}

void OnFillRatioOption(ProgramState& state, const Event&)
{
    const int fillType = GetState(SevenTenthsFillOption) == 1 ? FillSevenTenths : FillHalf;
    state.domain.settings.FillType = static_cast<int8_t>(fillType);
    ShowFillRatio(fillType);
    RebuildDrainageTable(state);
}

void OnSlopeMove(ProgramState& state, const Event&)
{
    state.domain.settings.Pente = static_cast<int8_t>(ShowSlope(GetState(SlopeBar)));
    RebuildDrainageTable(state);
}

void OnDrainageLibraryChange(ProgramState& state, const Event&)
{
    Settings& s = state.domain.settings;
    s.EvacType = CutText(GetText(DrainageLibraryList), StoredNameLength);
    ShowDrainageRoughness(s.EvacType, s.ConformDTU, s.AffMode);
    RebuildDrainageTable(state);
}

void OnCodeRoughnessSwitch(ProgramState& state, const Event&)
{
    Settings& s = state.domain.settings;
    s.ConformDTU = static_cast<int8_t>(GetState(CodeRoughnessCheck));
    ShowDrainageRoughness(s.EvacType, s.ConformDTU, s.AffMode);
    RebuildDrainageTable(state);
}

void ShowFrequencyFactors()
{
    ClearItems(FrequencyList);
    for (const FrequencyFactor& factor : FrequencyFactors)
        AddItem(FrequencyList, FrequencyText(factor.k));
    SetState(FrequencyList, 0);
    SetTooltip(FrequencyList, FrequencyUses());
    SetSelectionColour(CapacityList, ChosenRowColour);
}

void OnDesignFlowChange(ProgramState& state, const Event&)
{
    // A flow typed for itself no longer comes from the discharge units.
    SetText(DischargeUnitsField, QString());
    RebuildDrainageTable(state);
}

void OnDischargeUnitsChange(ProgramState& state, const Event&)
{
    const int factor = GetState(FrequencyList);
    if (factor < 0 || factor >= static_cast<int>(std::size(FrequencyFactors)))
        return;
    if (GetText(DischargeUnitsField).trimmed().isEmpty())
        return;
    SetText(DesignFlowField, DesignFlowText(GetText(DischargeUnitsField), FrequencyFactors[factor].k));
    RebuildDrainageTable(state);
}

void OnCopyDrainageSwitch(ProgramState& state, const Event&)
{
    RebuildDrainageTable(state);
}

namespace {

const ControlRoute DrainageRouteTable[] = {
    {MainWindow, HalfFillOption, SevenTenthsFillOption, Reacts::Any, OnFillRatioOption},
    {MainWindow, SlopeBar, SlopeBar, Reacts::Any, OnSlopeMove},
    {MainWindow, DrainageLibraryList, DrainageLibraryList, Reacts::Change, OnDrainageLibraryChange},
    {MainWindow, CodeRoughnessCheck, CodeRoughnessCheck, Reacts::Any, OnCodeRoughnessSwitch},
    {MainWindow, DesignFlowField, DesignFlowField, Reacts::Change, OnDesignFlowChange},
    {MainWindow, DischargeUnitsField, FrequencyList, Reacts::Change, OnDischargeUnitsChange},
    {MainWindow, CopyDrainageCheck, CopyDrainageCheck, Reacts::Any, OnCopyDrainageSwitch},
};

}  // namespace

RouteTable DrainageRoutes()
{
    return DrainageRouteTable;
}
