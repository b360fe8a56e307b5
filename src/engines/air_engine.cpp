#include "engines/air_engine.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "base/number_text.h"
#include "engines/bracketed_search.h"
#include "engines/duct_flow.h"
#include "engines/duct_tables.h"
#include "physics/air_properties.h"
#include "physics/internal_data.h"

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

// One run: the inputs, the air state and what has been written so far.
struct Run {
    const AirInputs& in;
    InternalDataRecord& data;
    AirResult out;
    float flow = 0.0f;       // Q [m3/h]
    float roughness = 0.0f;  // k [mm]
    float viscosity = 0.0f;  // nu [m2/s]
    float density = 0.0f;    // rho [kg/m3]
};

// The velocity and pressure drop of one duct.
struct DuctState {
    float velocity = 0.0f;      // v [m/s]
    float pressureDrop = 0.0f;  // R [Pa/m]
};

DuctState CircularDuct(Run& run, float diameter)
{
    DuctState s;
    s.velocity = CircularDuctVelocity(run.flow, diameter);
    s.pressureDrop =
        AirPressureDrop(diameter, diameter, s.velocity, run.roughness, run.viscosity, run.density, run.data);
    return s;
}

DuctState RectangularDuct(Run& run, float sideA, float sideB)
{
    const float de = EquivalentDiameter(sideA, sideB);  // [mm]
    const float dh = HydraulicDiameter(sideA, sideB);   // [mm]
    DuctState s;
    s.velocity = RectangularDuctVelocity(run.flow, sideA, sideB);
    s.pressureDrop = AirPressureDrop(de, dh, s.velocity, run.roughness, run.viscosity, run.density, run.data);
    return s;
}

// Mode 0 limits the pressure drop [Pa/m], mode 2 the velocity [m/s].
float LimitedValue(const Run& run, const DuctState& s)
{
    return run.in.mode == AirModeMaxVelocity ? s.velocity : s.pressureDrop;
}

void Write(Run& run, AirOutput field, const QString& text)
{
    run.out.fields[field] = text;
}

void MarkNotAvailable(Run& run, std::initializer_list<AirOutput> fields)
{
    for (AirOutput field : fields)
        Write(run, field, QStringLiteral("N/A"));
}

bool Finite(const DuctState& s)
{
    return std::isfinite(s.velocity) && std::isfinite(s.pressureDrop);
}

// Velocity and pressure drop into 136 and 139, and the summary for the
// clipboard when the flow, the size and both results are numbers.
void ShowDuct(Run& run, const DuctState& s, const QString& size, bool sizeFinite = true)
{
    Write(run, AirOutVelocity, ResultText(s.velocity, 2));
    Write(run, AirOutPressureDrop, ResultText(s.pressureDrop, 2));
    if (!run.in.copyOn || !Finite(s) || !std::isfinite(run.flow) || !sizeFinite)
        return;
    run.out.copy = true;
    run.out.copyTexts = {WholeNumberText(run.flow), size, DecimalText(s.pressureDrop, 2), DecimalText(s.velocity, 2)};
}

void SizeCircularDuct(Run& run, const std::vector<int>& standardDiameters, float limit)
{
    const std::optional<int> found = FirstWithinLimit(DiameterSteps.search, limit, [&](int n) {
        return LimitedValue(run, CircularDuct(run, DiameterSteps.Candidate(n)));
    });
    if (!found) {
        MarkNotAvailable(run, {AirOutTheoretical, AirOutDuctDiameter, AirOutVelocity, AirOutPressureDrop});
        return;
    }
    const float d = DiameterSteps.Candidate(*found);  // theoretical diameter [mm]
    Write(run, AirOutTheoretical, WholeNumberText(d));
    const auto standard = std::find_if(standardDiameters.begin(), standardDiameters.end(),
                                       [d](int ds) { return static_cast<float>(ds) >= d; });
    if (standard == standardDiameters.end()) {
        CircularDuct(run, d);  // the last duct tried is the theoretical one
        MarkNotAvailable(run, {AirOutVelocity, AirOutDuctDiameter, AirOutPressureDrop});
        return;
    }
    const float ds = static_cast<float>(*standard);  // [mm]
    const QString size = WholeNumberText(ds);
    Write(run, AirOutDuctDiameter, size);
    ShowDuct(run, CircularDuct(run, ds), QString::fromUtf8("Ø") + size);
}

void SizeRectangularDuct(Run& run, float limit)
{
    const float a = LeadingFloat(run.in.sideA);  // [mm]
    const auto none = {AirOutSideB, AirOutResultSideB, AirOutVelocity, AirOutPressureDrop};
    if (!(a >= SmallestSide)) {
        MarkNotAvailable(run, none);
        return;
    }
    const std::optional<int> found = FirstWithinLimit(SideSteps.search, limit, [&](int n) {
        return LimitedValue(run, RectangularDuct(run, a, SideSteps.Candidate(n)));
    });
    if (!found) {
        MarkNotAvailable(run, none);
        return;
    }
    const float b = SideSteps.Candidate(*found);  // [mm]
    const QString sideB = DecimalText(b, 0);
    Write(run, AirOutSideB, sideB);
    Write(run, AirOutResultSideB, sideB);
    ShowDuct(run, RectangularDuct(run, a, b), DecimalText(a, 0) + QStringLiteral("x") + sideB);
}

// The size the user gives; a size that cannot be a duct shows zeros.
void SizeImposedDuct(Run& run)
{
    DuctState s;
    QString size;
    bool sizeFinite;
    if (run.in.rectangular) {
        const float a = LeadingFloat(run.in.sideA);  // [mm]
        const float b = LeadingFloat(run.in.sideB);  // [mm]
        if (a >= SmallestSide && b >= SmallestSide)
            s = RectangularDuct(run, a, b);
        size = DecimalText(a, 0) + QStringLiteral("x") + DecimalText(b, 0);
        sizeFinite = std::isfinite(a) && std::isfinite(b);
    } else {
        const float d = LeadingFloat(run.in.imposedDiameter);  // [mm]
        if (d > 0.0f)
            s = CircularDuct(run, d);
        size = QString::fromUtf8("Ø") + DecimalText(d, 0);
        sizeFinite = std::isfinite(d);
    }
    ShowDuct(run, s, size, sizeFinite);
}

}  // namespace

AirState AirStateOf(const AirInputs& inputs)
{
    const float t = LeadingFloat(inputs.temperature);  // T [degC]
    const float phi = LeadingFloat(inputs.humidity);   // [%]
    const float h = LeadingFloat(inputs.altitude);     // [m]
    AirState air;
    air.pressure = AtmosphericPressure(h);
    air.density = MoistAirDensity(t, air.pressure, phi);
    air.viscosity = AirKinematicViscosity(t, air.density);
    return air;
}

bool AirStateUsable(const AirState& state)
{
    return std::isfinite(state.density) && state.density > 0.0f && std::isfinite(state.viscosity)
        && state.viscosity > 0.0f;
}

AirResult RunAirSizing(const AirInputs& inputs, const std::vector<int>& standardDiameters, InternalDataRecord& data)
{
    Run run{inputs, data, {}};
    const AirState air = AirStateOf(inputs);
    run.flow = LeadingFloat(inputs.flow);
    run.density = air.density;
    run.viscosity = air.viscosity;
    data.density = air.density;
    data.kinematicViscosity = air.viscosity;
    data.atmosphericPressure = air.pressure;
    run.roughness = inputs.material == QLatin1String(OwnRoughnessMaterial) ? inputs.ownRoughness : inputs.ductRoughness;
    if (!(run.flow > 0.0f))
        return {};

    const bool searching = inputs.mode == AirModeMaxPressureDrop || inputs.mode == AirModeMaxVelocity;
    if (!AirStateUsable(air)) {
        if (!searching)
            MarkNotAvailable(run, {AirOutVelocity, AirOutPressureDrop});
        else if (inputs.rectangular)
            MarkNotAvailable(run, {AirOutSideB, AirOutResultSideB, AirOutVelocity, AirOutPressureDrop});
        else
            MarkNotAvailable(run, {AirOutTheoretical, AirOutDuctDiameter, AirOutVelocity, AirOutPressureDrop});
        return run.out;
    }
    if (!searching) {
        SizeImposedDuct(run);
        return run.out;
    }
    const float limit = LeadingFloat(inputs.limit);  // L : [Pa/m] or [m/s]
    if (inputs.rectangular)
        SizeRectangularDuct(run, limit);
    else
        SizeCircularDuct(run, standardDiameters, limit);
    return run.out;
}
