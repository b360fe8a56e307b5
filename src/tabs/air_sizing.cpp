#include "tabs/air_sizing.h"

#include "engines/air_engine.h"
#include "platform/controls.h"
#include "tabs/copy_results.h"
#include "tabs/program_state.h"
#include "ui/air_controls.h"
#include "ui/options_controls.h"

namespace {

// The field that shows each AirOutput.
const int AirOutputControls[AirOutputCount] = {TheoreticalDuctField, SideBField,       DuctDiameterField,
                                               ResultSideBField,     AirVelocityField, AirPressureDropField};

AirInputs ReadAirInputs(const ProgramState& state)
{
    AirInputs in;
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

}  // namespace

void SizeAirDuct(ProgramState& state)
{
    const AirResult result =
        RunAirSizing(ReadAirInputs(state), state.domain.standardDuctDiameters, state.domain.internalData);
    for (int field = 0; field < AirOutputCount; ++field)
        if (result.fields[field])
            SetText(AirOutputControls[field], *result.fields[field]);
    if (result.copy)
        CopyAirResult(result.copyTexts);
}
