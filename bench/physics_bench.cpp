#include "physics/friction.h"
#include "physics/internal_data.h"
#include "physics/water_properties.h"

#include <benchmark/benchmark.h>

#include <vector>

// Inputs vary from call to call so that nothing is folded or hoisted.
static std::vector<float> ReynoldsNumbers()
{
    std::vector<float> re;
    for (float r = 2400.0f; r < 2.0e6f; r *= 1.07f)
        re.push_back(r);
    return re;
}

static void BM_FrictionFactor(benchmark::State& state)
{
    const std::vector<float> re = ReynoldsNumbers();
    size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FrictionFactor(re[i], 1e-4f));
        i = (i + 1 == re.size()) ? 0 : i + 1;
    }
}
BENCHMARK(BM_FrictionFactor);

static void BM_FrictionFactorLaminar(benchmark::State& state)
{
    float re = 100.0f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FrictionFactor(re, 1e-4f));
        re = re > 2300.0f ? 100.0f : re + 1.0f;
    }
}
BENCHMARK(BM_FrictionFactorLaminar);

static void BM_WaterPressureGradient(benchmark::State& state)
{
    const float rho = WaterDensity(80, 0), nu = WaterKinematicViscosity(80, 0);
    InternalDataRecord data;
    float d = 10.0f;  // [mm]
    for (auto _ : state) {
        benchmark::DoNotOptimize(WaterPressureGradient(d, 0.8f, 0.0015f, nu, rho, data));
        d = d > 200.0f ? 10.0f : d + 0.1f;
    }
}
BENCHMARK(BM_WaterPressureGradient);

// The longest water search: one gradient per 0.1 mm step up to 3000 mm.
static void BM_WaterGradientSearchTo3000mm(benchmark::State& state)
{
    const float rho = WaterDensity(80, 0), nu = WaterKinematicViscosity(80, 0);
    InternalDataRecord data;
    for (auto _ : state) {
        for (float d = 0.1f; d < 3000.0f; d += 0.1f) {
            const float v = 1.0e6f / 3600.0f / 1000.0f / (3.1415927f * d * d / 4.0f * 1e-6f);  // [m/s]
            benchmark::DoNotOptimize(WaterPressureGradient(d, v, 0.0015f, nu, rho, data));
        }
    }
}
BENCHMARK(BM_WaterGradientSearchTo3000mm)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
