#include "engines/air_sizing.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "engines/bracketed_search.h"
#include "engines/duct_flow.h"
#include "physics/air_properties.h"

namespace {

constexpr float SmallestSide = 50.0f;  // [mm] the first candidate, and the smallest side A or B

// The candidates of a search: first + step * n for n = 0..last, whole
// millimetres that single precision holds exactly (below 2^24). Up to 3000 mm
// every candidate is tried in turn: the sizes of a building lie there, and a
// wall roughness of a few times the duct size (a value typed for "Autre")
// makes the friction factor, and the pressure drop, rise again with the size.
// Beyond, for any roughness below some 11 m, the pressure drop and the
// velocity only fall as the duct grows, so the rest are bracketed.
struct Steps {
    int first;  // [mm]
    int step;   // [mm]
    BracketedSearch search;
    float Candidate(int n) const { return static_cast<float>(first + step * n); }
};
constexpr int LargestExact = 16777215;  // [mm] 2^24 - 1
constexpr int ScanUpTo = 3000;          // [mm]
constexpr Steps MakeSteps(int first, int step)
{
    return {first, step, {.last = (LargestExact - first) / step, .scanned = (ScanUpTo - first) / step}};
}
constexpr Steps DiameterSteps = MakeSteps(50, 5);  // circular: D [mm]
constexpr Steps SideSteps = MakeSteps(50, 50);     // rectangular: side B [mm]

// One run: the inputs and what has been found so far.
struct Run {
    const AirInputs& in;
    AirOutcome out;
};

// The velocity and pressure drop of one duct.
struct DuctState {
    float velocity = 0.0f;      // v [m/s]
    float pressureDrop = 0.0f;  // R [Pa/m]
};

DuctState Evaluated(Run& run, float velocity, const DuctFriction& friction)
{
    run.out.air.reynolds = friction.reynolds;
    run.out.air.reynoldsEvaluated = true;
    return {velocity, friction.pressureDrop};
}

DuctState CircularDuct(Run& run, float diameter)
{
    const float v = CircularDuctVelocity(run.in.flow, diameter);  // [m/s]
    const AirState& air = run.out.air;
    return Evaluated(run, v, AirPressureDrop(diameter, diameter, v, run.in.roughness, air.viscosity, air.density));
}

DuctState RectangularDuct(Run& run, float sideA, float sideB)
{
    const float de = EquivalentDiameter(sideA, sideB);                   // [mm]
    const float dh = HydraulicDiameter(sideA, sideB);                    // [mm]
    const float v = RectangularDuctVelocity(run.in.flow, sideA, sideB);  // [m/s]
    const AirState& air = run.out.air;
    return Evaluated(run, v, AirPressureDrop(de, dh, v, run.in.roughness, air.viscosity, air.density));
}

// Pressure drop mode limits the pressure drop [Pa/m], velocity mode the velocity [m/s].
float LimitedValue(const Run& run, const DuctState& s)
{
    return run.in.mode == AirModeMaxVelocity ? s.velocity : s.pressureDrop;
}

// The duct shown: Sized when its figures can be copied, Infinite otherwise.
void ShowDuct(Run& run, const DuctState& s, bool sizeFinite = true)
{
    run.out.velocity = s.velocity;
    run.out.pressureDrop = s.pressureDrop;
    const bool finite = std::isfinite(s.velocity) && std::isfinite(s.pressureDrop) && std::isfinite(run.in.flow);
    run.out.status = finite && sizeFinite ? SizingStatus::Sized : SizingStatus::Infinite;
}

void SizeCircularDuct(Run& run, const std::vector<int>& standardDiameters)
{
    run.out.status = SizingStatus::NotAvailable;
    const std::optional<int> found = FirstWithinLimit(DiameterSteps.search, run.in.limit, [&](int n) {
        return LimitedValue(run, CircularDuct(run, DiameterSteps.Candidate(n)));
    });
    if (!found)
        return;
    const float d = DiameterSteps.Candidate(*found);  // theoretical diameter [mm]
    run.out.theoreticalDiameter = d;
    const auto standard = std::find_if(standardDiameters.begin(), standardDiameters.end(),
                                       [d](int ds) { return static_cast<float>(ds) >= d; });
    if (standard == standardDiameters.end()) {
        CircularDuct(run, d);  // the last duct evaluated is the theoretical one
        return;
    }
    run.out.standardIndex = static_cast<int>(standard - standardDiameters.begin());
    run.out.diameter = static_cast<float>(*standard);
    ShowDuct(run, CircularDuct(run, run.out.diameter));
}

void SizeRectangularDuct(Run& run)
{
    run.out.status = SizingStatus::NotAvailable;
    const float a = run.in.sideA;  // [mm]
    if (!(a >= SmallestSide))
        return;
    const std::optional<int> found = FirstWithinLimit(SideSteps.search, run.in.limit, [&](int n) {
        return LimitedValue(run, RectangularDuct(run, a, SideSteps.Candidate(n)));
    });
    if (!found)
        return;
    run.out.sideA = a;
    run.out.sideB = SideSteps.Candidate(*found);
    ShowDuct(run, RectangularDuct(run, a, run.out.sideB));
}

void SizeImposedDuct(Run& run)
{
    DuctState s;
    bool sizeFinite;
    if (run.in.rectangular) {
        const float a = run.in.sideA, b = run.in.sideB;  // [mm]
        if (a >= SmallestSide && b >= SmallestSide)
            s = RectangularDuct(run, a, b);
        run.out.sideA = a;
        run.out.sideB = b;
        sizeFinite = std::isfinite(a) && std::isfinite(b);
    } else {
        const float d = run.in.imposedDiameter;  // [mm]
        if (d > 0.0f)
            s = CircularDuct(run, d);
        run.out.diameter = d;
        sizeFinite = std::isfinite(d);
    }
    ShowDuct(run, s, sizeFinite);
}

}  // namespace

AirState AirStateOf(const AirInputs& inputs)
{
    AirState air;
    air.pressure = AtmosphericPressure(inputs.altitude);
    air.density = MoistAirDensity(inputs.temperature, air.pressure, inputs.humidity);
    air.viscosity = AirKinematicViscosity(inputs.temperature, air.density);
    return air;
}

bool AirStateUsable(const AirState& state)
{
    return std::isfinite(state.density) && state.density > 0.0f && std::isfinite(state.viscosity)
        && state.viscosity > 0.0f;
}

AirOutcome SizeAir(const AirInputs& inputs, const std::vector<int>& standardDiameters)
{
    Run run{inputs, {}};
    run.out.air = AirStateOf(inputs);
    if (!(inputs.flow > 0.0f))
        return run.out;
    if (!AirStateUsable(run.out.air)) {
        run.out.status = SizingStatus::NotAvailable;
        return run.out;
    }
    if (inputs.mode != AirModeMaxPressureDrop && inputs.mode != AirModeMaxVelocity)
        SizeImposedDuct(run);
    else if (inputs.rectangular)
        SizeRectangularDuct(run);
    else
        SizeCircularDuct(run, standardDiameters);
    return run.out;
}
