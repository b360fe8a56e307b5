#include "engines/water_sizing.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <vector>

#include "engines/bracketed_search.h"
#include "engines/pipe_library.h"
#include "physics/friction.h"
#include "physics/internal_data.h"
#include "physics/water_properties.h"

namespace {

constexpr float Pi = 3.1415927f;
constexpr float SearchStep = 0.1f;      // [mm]
constexpr float SearchBound = 3000.0f;  // [mm]
constexpr double SizeTolerance = 0.01;  // [mm] a standard size this much too small still fits

struct Run {
    const WaterSizingInputs& in;
    const PipeLibrary& library;
    WaterOutcome out;
};

// A power as its field shows it and the flow is derived from it: rounded to
// a whole number, halves away from zero.
float AsShown(float power)  // [W]
{
    return static_cast<float>(std::round(static_cast<double>(power)) + 0.0);
}

float TemperatureDifference(const Run& run)  // |T_s - T_r| [K]
{
    return std::fabs(run.in.flowTemperature - run.in.returnTemperature);
}

// The results cannot be shown; an imposed size keeps its inside diameter.
void NotAvailable(Run& run, SizingStatus status = SizingStatus::NotAvailable)
{
    run.out.status = status;
    run.out.diameter = run.in.mode == ModeImposedSize ? WaterDiameterShown::Kept : WaterDiameterShown::NotAvailable;
}

float OversizedPower(Run& run, float power)
{
    if (!run.in.oversizingOn)
        return power;
    const float extra = power * run.in.oversizingPercent / 100.0f;  // S [W]
    const float total = power + extra;                              // [W]
    run.out.oversized = true;
    run.out.oversizingPower = extra;
    return total;
}

// Step shared by the modes: the flow and the power, one derived from the
// other. False when the run ends here: nothing to size for a zero flow or
// power; an infinite flow for equal temperatures with the power entered; not
// available when the flow is not a finite number. A power that is not (from
// absurd temperatures) cannot be shown and the sizing goes on, without a copy.
bool FlowAndPower(Run& run)
{
    WaterOutcome& out = run.out;
    if (run.in.entryMode == EntryMode::FlowEntered) {
        out.flow = run.in.flow;
        if (out.flow == 0.0f)
            return false;
        out.power = TemperatureDifference(run) * out.flow / out.fluid.heatFactor;  // P [W]
        out.derived = true;
    } else {
        out.power = OversizedPower(run, run.in.power);
        if (out.power == 0.0f)
            return false;
        out.derived = true;
        if (!std::isfinite(out.power)) {
            out.flow = std::numeric_limits<float>::quiet_NaN();
            NotAvailable(run);
            return false;
        }
        if (run.in.flowTemperature - run.in.returnTemperature == 0.0f) {
            NotAvailable(run, SizingStatus::Infinite);
            return false;
        }
        const float shown = run.in.oversizingOn ? AsShown(out.power) : run.in.power;  // P [W]
        out.flow = shown * out.fluid.heatFactor / TemperatureDifference(run);         // Q [L/h]
    }
    if (!std::isfinite(out.flow)) {
        NotAvailable(run);
        return false;
    }
    return true;
}

float Gradient(Run& run, float diameter, float velocity)  // j [mmCE/m]
{
    InternalDataRecord reynolds;
    const float j = WaterPressureGradient(diameter, velocity, run.library.roughness, run.out.fluid.kinematicViscosity,
                                          run.out.fluid.density, reynolds);
    run.out.fluid.reynolds = reynolds.reynolds;
    run.out.fluid.reynoldsKnown = true;
    return j;
}

void Sized(Run& run, int size, float theoretical, float velocity, float gradient)
{
    WaterOutcome& out = run.out;
    out.status = SizingStatus::Sized;
    out.size = size;
    out.diameter = WaterDiameterShown::Shown;
    out.theoreticalDiameter = theoretical;
    out.velocity = velocity;
    out.gradient = gradient;
    out.copy = run.in.copyOn && std::isfinite(out.flow) && std::isfinite(out.power) && std::isfinite(velocity)
        && std::isfinite(gradient);
}

void TooLarge(Run& run, float theoretical)
{
    run.out.status = SizingStatus::NotAvailable;
    run.out.diameter = WaterDiameterShown::Shown;
    run.out.theoreticalDiameter = theoretical;
}

// The diameters the mode 0 search steps through: a running float sum of 0.1 mm
// (so it reads as a multiple of 0.1 only once printed), up to the first sum at
// or beyond 3000 mm.
const std::vector<float>& SearchDiameters()
{
    static const std::vector<float> steps = [] {
        std::vector<float> d;  // [mm]
        float sum = 0.0f;
        do {
            sum += SearchStep;
            d.push_back(sum);
        } while (sum < SearchBound);
        return d;
    }();
    return steps;
}

// Index of the first search diameter whose pressure drop is within the limit.
// The gradient falls as the diameter grows (about as D^-4.75, far above float
// noise from one step to the next), so only the first step is tried alone and
// the rest are bracketed. A gradient that is not a finite number is never
// within the limit. The last gradient evaluated when nothing fits is that of
// the last step, as in a plain scan.
std::optional<int> FirstStepWithinLimit(Run& run, float limit)
{
    const std::vector<float>& steps = SearchDiameters();
    const BracketedSearch search{.last = static_cast<int>(steps.size()) - 1, .scanned = 0, .finiteOnly = true};
    return FirstWithinLimit(search, limit, [&](int n) {
        const float d = steps[n];                                // [mm]
        return Gradient(run, d, PipeVelocity(d, run.out.flow));  // j [mmCE/m]
    });
}

// Ends a mode 0 run at a search step: records its Reynolds number, as the last
// gradient evaluated, and shows the diameter as too large for the library.
void StopBeyondLibrary(Run& run, float d)
{
    Gradient(run, d, PipeVelocity(d, run.out.flow));
    TooLarge(run, d);
}

// Mode 0: the smallest diameter, in 0.1 mm steps, whose pressure drop stays
// within the limit, then the first active size that holds it.
void SizeForPressureDrop(Run& run)
{
    const std::vector<PipeSize>& sizes = run.library.sizes;
    const float lastDiameter = sizes.back().insideDiameter;  // [mm]
    if (!FlowAndPower(run))
        return;

    const std::vector<float>& steps = SearchDiameters();
    const std::optional<int> first = FirstStepWithinLimit(run, run.in.limit);
    if (first != 0)
        NotAvailable(run);  // the steps before it exceeded the limit
    if (!first)
        return;
    const float d = steps[*first];  // theoretical diameter [mm]
    if (d > lastDiameter) {
        StopBeyondLibrary(run, d);
        return;
    }
    for (size_t i = 0; i < sizes.size(); ++i) {
        const float di = sizes[i].insideDiameter;  // [mm]
        if (sizes[i].active && (di >= d || std::fabs(static_cast<double>(d) - di) < SizeTolerance)) {
            const float v = PipeVelocity(di, run.out.flow);  // [m/s]
            Sized(run, static_cast<int>(i), d, v, Gradient(run, di, v));
            return;
        }
    }
    // Only inactive sizes hold D. Larger steps stay within the limit and find
    // no active size either, so the search goes on until D passes the last size.
    const auto beyond = std::upper_bound(steps.begin() + *first, steps.end(), lastDiameter);
    if (beyond == steps.end()) {
        Gradient(run, steps.back(), PipeVelocity(steps.back(), run.out.flow));
        return;
    }
    StopBeyondLibrary(run, *beyond);
}

// Mode 1: the library's imposed size, whatever its flag.
void SizeImposed(Run& run)
{
    const float di = run.library.sizes[run.in.imposedSize].insideDiameter;  // [mm]
    if (!FlowAndPower(run))
        return;
    const float v = PipeVelocity(di, run.out.flow);  // [m/s]
    Sized(run, run.in.imposedSize, di, v, Gradient(run, di, v));
}

// Mode 2: the first active size in which the velocity stays within the limit.
void SizeForVelocity(Run& run)
{
    const std::vector<PipeSize>& sizes = run.library.sizes;
    const float lastDiameter = sizes.back().insideDiameter;  // [mm]
    if (!FlowAndPower(run))
        return;
    const float vmax = run.in.limit;                                  // [m/s]
    const float area = run.out.flow / 1000.0f / vmax / 3600.0f;       // A [m2]
    const float theoretical = std::sqrt(area * 4.0f / Pi) * 1000.0f;  // [mm]
    if (theoretical > lastDiameter) {
        TooLarge(run, theoretical);
        return;
    }
    for (size_t i = 0; i < sizes.size(); ++i) {
        if (!sizes[i].active)
            continue;
        const float v = PipeVelocity(sizes[i].insideDiameter, run.out.flow);  // [m/s]
        if (v > vmax)
            continue;
        Sized(run, static_cast<int>(i), theoretical, v, Gradient(run, sizes[i].insideDiameter, v));
        return;
    }
}

}  // namespace

float PipeVelocity(float diameter, float flow)
{
    const float d = diameter / 1000.0f;        // [m]
    const float area = d * d * Pi / 4.0f;      // A [m2]
    return flow / 1000.0f / (area * 3600.0f);  // [m/s]
}

WaterOutcome SizeWater(const WaterSizingInputs& in, const PipeLibrary* library)
{
    WaterOutcome none;
    none.mode = in.mode;
    none.entryMode = in.entryMode;
    if (!library)
        return none;
    if (library->sizes.empty()) {
        // Nothing can be sized on it: no result of another library stays beside its name.
        none.status = SizingStatus::NotAvailable;
        none.diameter = WaterDiameterShown::NotAvailable;
        return none;
    }
    if (in.mode == ModeImposedSize && (in.imposedSize < 0 || in.imposedSize >= static_cast<int>(library->sizes.size())))
        return none;

    Run run{in, *library, none};
    WaterFluidState& fluid = run.out.fluid;
    const float mean = (in.flowTemperature + in.returnTemperature) / 2.0f;      // Tm [degC]
    const int8_t percent = in.antifreezeOn ? in.antifreezePercent : int8_t{0};  // p [%]
    fluid.known = true;
    fluid.heatFactor = in.antifreezeOn ? WaterHeatFactor(mean, percent) : PureWaterHeatFactor;
    fluid.kinematicViscosity = WaterKinematicViscosity(mean, percent);
    fluid.density = WaterDensity(mean, percent);

    switch (in.mode) {
    case ModeMaxPressureDrop:
        SizeForPressureDrop(run);
        break;
    case ModeImposedSize:
        SizeImposed(run);
        break;
    case ModeMaxVelocity:
        SizeForVelocity(run);
        break;
    default:
        break;
    }
    return run.out;
}

void RecordWaterFluid(const WaterFluidState& fluid, InternalDataRecord& shown)
{
    if (!fluid.known)
        return;
    shown.heatFactor = fluid.heatFactor;
    shown.kinematicViscosity = fluid.kinematicViscosity;
    shown.density = fluid.density;
    if (fluid.reynoldsKnown)
        shown.reynolds = fluid.reynolds;
}
