#include "engines/water_engine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

#include "base/number_text.h"
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

// The fields each mode blanks when it cannot size.
enum : unsigned {
    MarkSize = 1u << 0,
    MarkTheoretical = 1u << 1,
    MarkVelocity = 1u << 2,
    MarkPressureDrop = 1u << 3,
    MarkAll = MarkSize | MarkTheoretical | MarkVelocity | MarkPressureDrop,
    MarkAllButTheoretical = MarkSize | MarkVelocity | MarkPressureDrop,
};

// One run: the inputs, what has been written so far (a field written earlier in
// the run is read back as written) and the fluid state.
struct Run {
    const WaterInputs& in;
    const PipeLibrary& library;
    InternalDataRecord& data;
    WaterResult out;
    float t8 = 0.0f;          // flow temperature [degC]
    float t9 = 0.0f;          // return temperature [degC]
    float heatFactor = 0.0f;  // f [kg.K/Wh]
    float viscosity = 0.0f;   // nu [m2/s]
    float density = 0.0f;     // rho [kg/m3]
    float flow = 0.0f;        // Q [L/h]
    float power = 0.0f;       // P [W]
};

void Write(Run& run, WaterOutput field, const QString& text)
{
    run.out.fields[field] = text;
}

QString Current(const Run& run, WaterOutput field, const QString& shown)
{
    return run.out.fields[field] ? *run.out.fields[field] : shown;
}

void MarkNotAvailable(Run& run, unsigned fields)
{
    const QString na = QStringLiteral("N/A");
    if (fields & MarkSize)
        Write(run, OutSize, na);
    if (fields & MarkTheoretical)
        Write(run, OutTheoreticalDiameter, na);
    if (fields & MarkVelocity)
        Write(run, OutVelocity, na);
    if (fields & MarkPressureDrop)
        Write(run, OutPressureDrop, na);
}

float TemperatureDifference(const Run& run)  // |T8 - T9| [K]
{
    return std::fabs(run.t8 - run.t9);
}

float OversizedPower(Run& run, float power)
{
    if (!run.in.oversizingOn)
        return power;
    const float percent = LeadingFloat(run.in.oversizingPercent);  // [%]
    const float extra = power * percent / 100.0f;                  // S [W]
    const float total = power + extra;                             // [W]
    Write(run, OutOversizingPower, ResultText(extra, WholeNumber));
    Write(run, OutTotalPower, ResultText(total, WholeNumber));
    return total;
}

float PowerFromInputs(Run& run)
{
    if (run.in.entryMode == EntryMode::PowerEntered)
        return OversizedPower(run, LeadingFloat(Current(run, OutPower, run.in.power)));
    const float flow = LeadingFloat(Current(run, OutFlow, run.in.flow));     // Q [L/h]
    const float power = TemperatureDifference(run) * flow / run.heatFactor;  // P [W]
    Write(run, OutPower, ResultText(power, WholeNumber));
    return power;
}

float FlowFromPower(Run& run)
{
    const QString shown =
        run.in.oversizingOn ? Current(run, OutTotalPower, run.in.totalPower) : Current(run, OutPower, run.in.power);
    const float power = LeadingFloat(shown);                                 // P [W]
    const float flow = power * run.heatFactor / TemperatureDifference(run);  // Q [L/h]
    Write(run, OutFlow, ResultText(flow, WholeNumber));
    return flow;
}

// Step shared by the modes: the flow and the power, one derived from the other.
// False when the run ends here; `blanked` are the fields marked "N/A" when no
// flow can be sized: the temperatures are equal and the power is entered, or
// the flow is not a finite number. A power that is not (from absurd
// temperatures) shows "N/A" and the sizing goes on, without a copy.
bool FlowAndPower(Run& run, unsigned blanked)
{
    if (run.in.entryMode == EntryMode::FlowEntered) {
        run.flow = LeadingFloat(run.in.flow);
        if (run.flow == 0.0f)
            return false;
        run.power = PowerFromInputs(run);
    } else {
        run.power = PowerFromInputs(run);
        if (run.power == 0.0f)
            return false;
        if (!std::isfinite(run.power)) {
            Write(run, OutFlow, QStringLiteral("N/A"));
            MarkNotAvailable(run, blanked);
            return false;
        }
        if (run.t8 - run.t9 == 0.0f) {
            Write(run, OutFlow, QStringLiteral("Infini"));
            MarkNotAvailable(run, blanked);
            return false;
        }
        run.flow = FlowFromPower(run);
    }
    if (!std::isfinite(run.flow)) {
        MarkNotAvailable(run, blanked);
        return false;
    }
    return true;
}

float Gradient(Run& run, float diameter, float velocity)  // j [mmCE/m]
{
    return WaterPressureGradient(diameter, velocity, run.library.roughness, run.viscosity, run.density, run.data);
}

void ShowSize(Run& run, const PipeSize& size, const QString& theoretical, float velocity, float gradient)
{
    Write(run, OutSize, size.name);
    Write(run, OutTheoreticalDiameter, theoretical);
    Write(run, OutVelocity, ResultText(velocity, 2));
    Write(run, OutPressureDrop, ResultText(gradient, 2));
    const bool computed =
        std::isfinite(run.flow) && std::isfinite(run.power) && std::isfinite(velocity) && std::isfinite(gradient);
    if (!run.in.copyOn || !computed)
        return;
    run.out.copy = true;
    run.out.copyTexts = {WholeNumberText(run.flow), WholeNumberText(run.power), size.name,
                         DecimalText(gradient, 2),  DecimalText(velocity, 2),   run.library.symbol,
                         run.library.abbreviation};
}

void ShowTooLarge(Run& run, float theoretical)
{
    MarkNotAvailable(run, MarkAllButTheoretical);
    Write(run, OutTheoreticalDiameter, ResultText(theoretical, 1));
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
        const float d = steps[n];                            // [mm]
        return Gradient(run, d, PipeVelocity(d, run.flow));  // j [mmCE/m]
    });
}

// Ends a mode 0 run at a search step: records its Reynolds number, as the last
// gradient evaluated, and shows the diameter as too large for the library.
void StopBeyondLibrary(Run& run, float d)
{
    Gradient(run, d, PipeVelocity(d, run.flow));
    ShowTooLarge(run, d);
}

// Mode 0: the smallest diameter, in 0.1 mm steps, whose pressure drop stays
// within the limit, then the first active size that holds it.
void SizeForPressureDrop(Run& run)
{
    const std::vector<PipeSize>& sizes = run.library.sizes;
    const float lastDiameter = sizes.back().insideDiameter;                 // [mm]
    const float limit = static_cast<int8_t>(LeadingInteger(run.in.limit));  // [mmCE/m]
    if (!FlowAndPower(run, MarkAll))
        return;

    const std::vector<float>& steps = SearchDiameters();
    const std::optional<int> first = FirstStepWithinLimit(run, limit);
    if (first != 0)
        MarkNotAvailable(run, MarkAll);  // the steps before it exceeded the limit
    if (!first)
        return;
    const float d = steps[*first];  // theoretical diameter [mm]
    if (d > lastDiameter) {
        StopBeyondLibrary(run, d);
        return;
    }
    for (const PipeSize& size : sizes) {
        const float di = size.insideDiameter;  // [mm]
        if (size.active && (di >= d || std::fabs(static_cast<double>(d) - di) < SizeTolerance)) {
            const float v = PipeVelocity(di, run.flow);  // [m/s]
            ShowSize(run, size, DecimalText(d, 1), v, Gradient(run, di, v));
            return;
        }
    }
    // Only inactive sizes hold D. Larger steps stay within the limit and find
    // no active size either, so the search goes on until D passes the last size.
    const auto beyond = std::upper_bound(steps.begin() + *first, steps.end(), lastDiameter);
    if (beyond == steps.end()) {
        Gradient(run, steps.back(), PipeVelocity(steps.back(), run.flow));
        return;
    }
    StopBeyondLibrary(run, *beyond);
}

// Mode 1: the library's current size, whatever its flag.
void SizeImposed(Run& run, const PipeSize& size)
{
    const float di = size.insideDiameter;  // [mm]
    if (!FlowAndPower(run, MarkAllButTheoretical))
        return;
    const float v = PipeVelocity(di, run.flow);  // [m/s]
    ShowSize(run, size, DecimalText(di, 2), v, Gradient(run, di, v));
}

// Mode 2: the first active size in which the velocity stays within the limit.
void SizeForVelocity(Run& run)
{
    const std::vector<PipeSize>& sizes = run.library.sizes;
    const float lastDiameter = sizes.back().insideDiameter;  // [mm]
    if (!FlowAndPower(run, MarkAll))
        return;
    const float vmax = LeadingFloat(run.in.limit);                    // [m/s]
    const float area = run.flow / 1000.0f / vmax / 3600.0f;           // A [m2]
    const float theoretical = std::sqrt(area * 4.0f / Pi) * 1000.0f;  // [mm]
    if (theoretical > lastDiameter) {
        ShowTooLarge(run, theoretical);
        return;
    }
    for (const PipeSize& size : sizes) {
        if (!size.active)
            continue;
        const float v = PipeVelocity(size.insideDiameter, run.flow);  // [m/s]
        if (v > vmax)
            continue;
        ShowSize(run, size, DecimalText(theoretical, 2), v, Gradient(run, size.insideDiameter, v));
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

WaterResult RunWaterSizing(const WaterInputs& inputs, const PipeLibrary* library, int currentSize,
                           InternalDataRecord& data)
{
    if (!library)
        return {};
    if (library->sizes.empty()) {
        // Nothing can be sized on it: no result of another library stays beside its name.
        WaterResult none;
        for (WaterOutput field : {OutSize, OutTheoreticalDiameter, OutVelocity, OutPressureDrop})
            none.fields[field] = QStringLiteral("N/A");
        return none;
    }
    if (inputs.mode == ModeImposedSize && (currentSize < 0 || currentSize >= static_cast<int>(library->sizes.size())))
        return {};

    Run run{inputs, *library, data, {}};
    run.t8 = TypedFloat(inputs.flowTemperature);
    run.t9 = TypedFloat(inputs.returnTemperature);
    const float mean = (run.t8 + run.t9) / 2.0f;  // Tm [degC]
    int8_t percent = 0;                           // p [%]
    if (inputs.antifreezeOn) {
        percent = static_cast<int8_t>(LeadingInteger(inputs.antifreezePercent));
        run.heatFactor = WaterHeatFactor(mean, percent);
    } else {
        run.heatFactor = PureWaterHeatFactor;
    }
    data.heatFactor = run.heatFactor;
    run.viscosity = WaterKinematicViscosity(mean, percent);
    run.density = WaterDensity(mean, percent);
    data.kinematicViscosity = run.viscosity;
    data.density = run.density;

    switch (inputs.mode) {
    case ModeMaxPressureDrop:
        SizeForPressureDrop(run);
        break;
    case ModeImposedSize:
        SizeImposed(run, library->sizes[currentSize]);
        break;
    case ModeMaxVelocity:
        SizeForVelocity(run);
        break;
    default:
        break;
    }
    return run.out;
}
