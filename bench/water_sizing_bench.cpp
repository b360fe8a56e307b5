#include "engines/pipe_library.h"
#include "engines/water_sizing.h"
#include "engines/water_texts.h"

#include <benchmark/benchmark.h>

static PipeLibrary Copper()
{
    PipeLibrary lib;
    lib.name = "Cuivre";
    lib.abbreviation = "Cu";
    lib.symbol = QString::fromUtf8("Ø");
    lib.roughness = 0.0015f;  // [mm]
    const float inside[] = {8.0f,  10.0f, 12.0f, 13.0f, 14.0f, 16.0f, 20.0f, 26.0f,
                            32.6f, 39.6f, 51.0f, 60.0f, 72.1f, 84.9f, 103.0f};  // [mm]
    for (float d : inside) {
        PipeSize s;
        s.active = 1;
        s.name = QString::number(d + 2.0f);
        s.insideDiameter = d;
        lib.sizes.push_back(s);
    }
    return lib;
}

static WaterInputTexts Inputs(const char* flow, const char* limit)
{
    WaterInputTexts in;
    in.flowTemperature = "90";
    in.returnTemperature = "70";
    in.antifreezePercent = "30";
    in.mode = ModeMaxPressureDrop;
    in.flow = flow;
    in.power = "0";
    in.oversizingPercent = "20";
    in.limit = limit;
    in.copyOn = true;
    return in;
}

// A run as the tab makes it: its texts read, sized, written.
static void Run(benchmark::State& state, const WaterInputTexts& in)
{
    const PipeLibrary lib = Copper();
    for (auto _ : state) {
        WaterResultTexts result = FormatWaterResult(SizeWater(ParseWaterInputs(in), &lib), &lib);
        benchmark::DoNotOptimize(result);
    }
}

// Mode 0 where no diameter up to 3000 mm keeps within 1 mmCE/m: the whole
// 0.1 mm range is searched (about 30 000 steps, were each one evaluated).
static void BM_WaterSizingNothingFits(benchmark::State& state)
{
    Run(state, Inputs("100000000000", "1"));
}
BENCHMARK(BM_WaterSizingNothingFits)->Unit(benchmark::kMillisecond);

// One keystroke in the flow field: 1000 L/h stops at 23.9 mm.
static void BM_WaterSizingKeystroke(benchmark::State& state)
{
    Run(state, Inputs("1000", "18"));
}
BENCHMARK(BM_WaterSizingKeystroke)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
