#include "engines/air_texts.h"
#include "engines/duct_tables.h"

#include <benchmark/benchmark.h>

static AirInputTexts Inputs(const char* flow, int mode, bool rectangular, const char* altitude = "10")
{
    AirInputTexts in;
    in.temperature = "20";
    in.humidity = "40";
    in.altitude = altitude;
    in.flow = flow;
    in.material = "Galva.";
    in.ductRoughness = 0.15f;  // [mm]
    in.ownRoughness = 0.001f;  // [mm]
    in.mode = mode;
    in.rectangular = rectangular;
    in.limit = mode == AirModeMaxVelocity ? "4.00" : "0.80";
    in.imposedDiameter = "125";
    in.sideA = "100";
    in.sideB = "100";
    in.copyOn = true;
    return in;
}

// A run as the tab makes it: the texts read, the duct sized, the results written.
static void Run(benchmark::State& state, const AirInputTexts& in)
{
    std::vector<DuctMaterial> materials;
    std::vector<int> diameters;
    FillDuctTables(materials, diameters);
    for (auto _ : state) {
        const AirInputs numbers = ParseAirInputs(in);
        AirResult result = FormatAirResult(numbers, SizeAir(numbers, diameters));
        benchmark::DoNotOptimize(result);
    }
}

// One keystroke in the flow field: 1000 m3/h stops at 290 mm.
static void BM_AirSizingKeystroke(benchmark::State& state)
{
    Run(state, Inputs("1000", AirModeMaxPressureDrop, false));
}
BENCHMARK(BM_AirSizingKeystroke)->Unit(benchmark::kMicrosecond);

// The longest search a building holds: every 5 mm step up to 3000 mm, then
// the bracketing beyond (500 000 m3/h: 3050 mm).
static void BM_AirSizingBeyondTheStandardDiameters(benchmark::State& state)
{
    Run(state, Inputs("500000", AirModeMaxPressureDrop, false));
}
BENCHMARK(BM_AirSizingBeyondTheStandardDiameters)->Unit(benchmark::kMicrosecond);

// No air at 44 331 m: no candidate is ever accepted, the search runs to its bound.
static void BM_AirSizingNothingAccepted(benchmark::State& state)
{
    Run(state, Inputs("100", AirModeMaxPressureDrop, false, "44331"));
}
BENCHMARK(BM_AirSizingNothingAccepted)->Unit(benchmark::kMicrosecond);

// A rectangle whose side B lies far beyond 3000 mm.
static void BM_AirSizingWideRectangle(benchmark::State& state)
{
    Run(state, Inputs("1000000", AirModeMaxPressureDrop, true));
}
BENCHMARK(BM_AirSizingWideRectangle)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
