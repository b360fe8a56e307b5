#include "tabs/air_sizing.h"

#include "engines/air_texts.h"
#include "platform/controls.h"
#include "tabs/copy_results.h"
#include "tabs/program_state.h"
#include "ui/air_controls.h"
#include "ui/options_controls.h"

namespace {

AirInputTexts ReadAirTexts(const ProgramState& state)
{
    AirInputTexts in;
    in.temperature = GetText(AirTemperatureField);
    in.humidity = GetText(AirHumidityField);
    in.altitude = GetText(AltitudeField);
    in.flow = GetText(AirFlowField);
    in.material = GetText(DuctMaterialList);
    in.ductRoughness = state.domain.settings.RugoGaine;
    in.ownRoughness = state.domain.settings.AutreRugo;
    in.mode = GetState(AirModeList);
    in.rectangular = GetState(RectangularOption) == 1;
    in.limit = GetText(AirLimitField);
    in.imposedDiameter = GetText(ImposedDiameterCombo);
    in.sideA = GetText(SideAField);
    in.sideB = GetText(SideBField);
    in.copyOn = GetState(CopyAirOptionCheck) == 1;
    return in;
}

// The Reynolds number stays what it was when no duct was evaluated.
void RecordAirState(const AirState& air, InternalDataRecord& data)
{
    data.density = air.density;
    data.kinematicViscosity = air.viscosity;
    data.atmosphericPressure = air.pressure;
    if (air.reynoldsEvaluated)
        data.reynolds = air.reynolds;
}

void WriteField(int control, const std::optional<QString>& text)
{
    if (text)
        SetText(control, *text);
}

}  // namespace

void SizeAirDuct(ProgramState& state)
{
    const AirInputs in = ParseAirInputs(ReadAirTexts(state));
    const AirOutcome outcome = SizeAir(in, state.domain.standardDuctDiameters);
    RecordAirState(outcome.air, state.domain.internalData);
    const AirResult result = FormatAirResult(in, outcome);
    WriteField(TheoreticalDuctField, result.theoreticalDiameter);
    WriteField(SideBField, result.sideB);
    WriteField(DuctDiameterField, result.ductDiameter);
    WriteField(ResultSideBField, result.sideB);
    WriteField(AirVelocityField, result.velocity);
    WriteField(AirPressureDropField, result.pressureDrop);
    if (result.copy)
        CopyAirResult(result.copyTexts);
}
