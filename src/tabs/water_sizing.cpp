#include "tabs/water_sizing.h"

#include "engines/water_engine.h"
#include "platform/controls.h"
#include "tabs/copy_results.h"
#include "tabs/program_state.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"

namespace {

// The field that shows each WaterOutput.
const int WaterOutputControls[WaterOutputCount] = {FlowField,       PowerField,       OversizingPowerField,
                                                   TotalPowerField, SizeField,        TheoreticalField,
                                                   VelocityField,   PressureDropField};

WaterInputs ReadWaterInputs(const ProgramState& state)
{
    WaterInputs in;
    in.flowTemperature = GetText(FlowTemperatureCombo);
    in.returnTemperature = GetText(ReturnTemperatureCombo);
    in.antifreezeOn = GetState(AntifreezeCheck) == 1;
    in.antifreezePercent = GetText(AntifreezeField);
    in.mode = GetState(WaterModeList);
    in.flow = GetText(FlowField);
    in.power = GetText(PowerField);
    in.oversizingOn = GetState(OversizingCheck) == 1;
    in.oversizingPercent = GetText(OversizingField);
    in.totalPower = GetText(TotalPowerField);
    in.limit = GetText(LimitField);
    in.copyOn = GetState(CopyWaterOptionCheck) == 1;
    in.entryMode = state.entryMode;
    return in;
}

}  // namespace

const PipeLibrary* CurrentWaterLibrary(const ProgramState& state)
{
    const int index = state.water.library;
    if (index < 0 || index >= static_cast<int>(state.domain.waterLibraries.size()))
        return nullptr;
    return &state.domain.waterLibraries[index];
}

void WaterSizing(ProgramState& state)
{
    const WaterResult result =
        RunWaterSizing(ReadWaterInputs(state), CurrentWaterLibrary(state), state.water.size, state.domain.internalData);
    for (int field = 0; field < WaterOutputCount; ++field)
        if (result.fields[field])
            SetText(WaterOutputControls[field], *result.fields[field]);
    if (result.copy)
        CopyWaterResult(result.copyTexts);
}
