#include "engines/library_files.h"
#include "engines/pipe_library.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

// A water library of that many sizes, written as the editor writes it.
static PipeLibrary LibraryOfSizes(int count, const QString& name)
{
    PipeLibrary library;
    library.name = name;
    library.abbreviation = QStringLiteral("Cu");
    library.symbol = QStringLiteral("DN");
    library.roughness = 0.0015f;  // k [mm]
    for (int i = 0; i < count; ++i) {
        const float outside = 10.0f + 0.5f * float(i);  // [mm]
        library.sizes.push_back({uint8_t(i % 7 != 0), QStringLiteral("%1x1").arg(i), outside, outside - 2.0f, 1.0f});
    }
    return library;
}

static void BM_LoadLibraryFile(benchmark::State& state)
{
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("Big.tub"));
    SaveLibrary(path, LibraryOfSizes(int(state.range(0)), QStringLiteral("Big")));
    PipeLibraryList water, drainage;
    for (auto _ : state) {
        water.clear();
        LoadLibraryFile(path, water, drainage);
        benchmark::DoNotOptimize(water.data());
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_LoadLibraryFile)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Complexity();

// A data folder of that many water libraries of 20 sizes each, the drainage
// ones left out: they go through the same loader.
static void BM_ScanLibraries(benchmark::State& state)
{
    QTemporaryDir scratch;
    const QString dataFolder = scratch.path() + u'/';
    QDir(dataFolder).mkpath(QStringLiteral("Data"));
    for (int i = 0; i < state.range(0); ++i) {
        const QString name = QStringLiteral("Lib%1").arg(i, 4, 10, QChar(u'0'));
        SaveLibrary(dataFolder + QStringLiteral("Data/") + name + QStringLiteral(".tub"), LibraryOfSizes(20, name));
    }
    PipeLibraryList water, drainage;
    for (auto _ : state) {
        ScanLibraries(dataFolder, water, drainage);
        benchmark::DoNotOptimize(water.data());
    }
}
BENCHMARK(BM_ScanLibraries)->Arg(10)->Arg(1000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
