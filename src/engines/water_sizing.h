#pragma once

#include <cstdint>

#include "engines/sizing_status.h"

struct InternalDataRecord;
struct PipeLibrary;

// Which quantity drives the calculation: the flow or the power.
enum class EntryMode { FlowEntered, PowerEntered };

// Calculation modes, in the order the water tab lists them.
enum WaterMode : int { ModeMaxPressureDrop = 0, ModeImposedSize = 1, ModeMaxVelocity = 2 };

// What one water run sizes from, already read as numbers.
struct WaterSizingInputs {
    float flowTemperature = 0.0f;    // T_s : flow temperature [degC]
    float returnTemperature = 0.0f;  // T_r : return temperature [degC]
    bool antifreezeOn = false;
    int8_t antifreezePercent = 0;  // p : antifreeze share [%]
    int mode = ModeMaxPressureDrop;
    EntryMode entryMode = EntryMode::FlowEntered;
    float flow = 0.0f;   // Q : flow [L/h] (flow entered)
    float power = 0.0f;  // P : power [W] (power entered)
    bool oversizingOn = false;
    float oversizingPercent = 0.0f;  // oversizing share [%]
    float limit = 0.0f;              // j_max [mmCE/m] (mode 0) or v_max [m/s] (mode 2)
    int imposedSize = 0;             // list position of the imposed size (mode 1)
    bool copyOn = false;
};

// How a run that ends without a size leaves the theoretical diameter: an
// imposed size that cannot be sized keeps it, the searches blank it or show
// the diameter the library cannot hold.
enum class WaterDiameterShown { Kept, NotAvailable, Shown };

// The fluid at the mean temperature, and the Reynolds number of the last
// gradient computed.
struct WaterFluidState {
    bool known = false;               // false: the run stopped before reading the fluid
    float density = 0.0f;             // rho : density [kg/m3]
    float kinematicViscosity = 0.0f;  // nu : kinematic viscosity [m2/s]
    float heatFactor = 0.0f;          // f : heat factor [kg.K/Wh]
    bool reynoldsKnown = false;       // false: no gradient was computed
    float reynolds = 0.0f;            // Re : Reynolds number [-]
};

// What one run found. Sized: every result; NotAvailable or Infinite (equal
// temperatures with the power entered): the results cannot be shown;
// NothingToSize: the results stay as they were.
struct WaterOutcome {
    SizingStatus status = SizingStatus::NothingToSize;
    int mode = ModeMaxPressureDrop;
    EntryMode entryMode = EntryMode::FlowEntered;
    // The quantity derived from the entered one (the power from the flow, or
    // the flow from the power) was computed; `flow` is not a number when the
    // power is not.
    bool derived = false;
    float flow = 0.0f;   // Q : flow sized for [L/h]
    float power = 0.0f;  // P : power [W], the total with an oversizing
    bool oversized = false;
    float oversizingPower = 0.0f;  // S : extra power of the oversizing [W]
    int size = -1;                 // the chosen size's index in the library (Sized)
    WaterDiameterShown diameter = WaterDiameterShown::Kept;
    float theoreticalDiameter = 0.0f;  // D : theoretical diameter [mm]; the inside one when imposed
    float velocity = 0.0f;             // v : velocity in the chosen size [m/s]
    float gradient = 0.0f;             // j : pressure gradient in the chosen size [mmCE/m]
    bool copy = false;                 // copy asked and every figure a number
    WaterFluidState fluid;
};

// One water sizing run on the library. With no library, or an imposed size
// outside its list, there is nothing to size and the fluid stays unknown; a
// library without sizes is not available.
WaterOutcome SizeWater(const WaterSizingInputs& in, const PipeLibrary* library);

// The fluid state a run leaves in what the console shows: what it did not
// reach stays as it was.
void RecordWaterFluid(const WaterFluidState& fluid, InternalDataRecord& shown);

// v : mean velocity [m/s] of a flow [L/h] in a pipe of inside diameter [mm].
float PipeVelocity(float diameter, float flow);
