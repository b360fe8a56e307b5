#include "tabs/water_sizing.h"

#include "engines/water_sizing.h"
#include "engines/water_texts.h"
#include "platform/controls.h"
#include "tabs/copy_results.h"
#include "tabs/program_state.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"

namespace {

WaterInputTexts ReadWaterInputs(const ProgramState& state)
{
    WaterInputTexts in;
    in.flowTemperature = GetText(FlowTemperatureCombo);
    in.returnTemperature = GetText(ReturnTemperatureCombo);
    in.antifreezeOn = GetState(AntifreezeCheck) == 1;
    in.antifreezePercent = GetText(AntifreezeField);
    in.mode = GetState(WaterModeList);
    in.flow = GetText(FlowField);
    in.power = GetText(PowerField);
    in.oversizingOn = GetState(OversizingCheck) == 1;
    in.oversizingPercent = GetText(OversizingField);
    in.limit = GetText(LimitField);
    in.copyOn = GetState(CopyWaterOptionCheck) == 1;
    in.entryMode = state.entryMode;
    return in;
}

void WriteWaterResult(const WaterResultTexts& texts)
{
    const std::pair<int, const std::optional<QString>*> fields[] = {
        {FlowField, &texts.flow},
        {PowerField, &texts.power},
        {OversizingPowerField, &texts.oversizingPower},
        {TotalPowerField, &texts.totalPower},
        {SizeField, &texts.size},
        {TheoreticalField, &texts.theoreticalDiameter},
        {VelocityField, &texts.velocity},
        {PressureDropField, &texts.pressureDrop},
    };
    for (const auto& [control, text] : fields)
        if (*text)
            SetText(control, **text);
    if (texts.copy)
        CopyWaterResult(texts.copyTexts);
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
    const PipeLibrary* library = CurrentWaterLibrary(state);
    WaterSizingInputs in = ParseWaterInputs(ReadWaterInputs(state));
    in.imposedSize = state.water.size;
    const WaterOutcome outcome = SizeWater(in, library);
    RecordWaterFluid(outcome.fluid, state.domain.internalData);
    WriteWaterResult(FormatWaterResult(outcome, library));
}
