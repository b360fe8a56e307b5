#include "engines/circuit.h"
#include "engines/delivered_libraries.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <malloc.h>

constexpr int Levels = 5, Fanout = 10;

static void AddRow(CircuitSchedule& schedule, int upstream, bool end)
{
    const int row = static_cast<int>(schedule.rows.size());
    schedule.rows.push_back(
        {QStringLiteral("R%1").arg(row), upstream < 0 ? QString() : QStringLiteral("R%1").arg(upstream),
         QStringLiteral("water"), QString::number(2 + row % 13),
         end ? QStringLiteral("te_derivation+vanne*2") : QStringLiteral("coude90*2+te_passage"),
         end && row % 3 == 0 ? QStringLiteral("2kPa") : QString(), end ? QString::number(2 + row % 5) : QString()});
}

// The rows below `upstream` on `level`, depth first: a trunk only where there
// is room for one row on each level below it, so that every trunk has a flow to sum.
static void Grow(CircuitSchedule& schedule, int rows, int upstream, int level)
{
    for (int k = 0; k < Fanout && static_cast<int>(schedule.rows.size()) < rows; ++k) {
        const int row = static_cast<int>(schedule.rows.size());
        const bool trunk = level < Levels && row + Levels - level < rows;
        AddRow(schedule, upstream, !trunk);
        if (trunk)
            Grow(schedule, rows, row, level + 1);
    }
}

// A water circuit of `rows` rows, written as a user writes one: trees 5 levels
// deep with 10 rows below each trunk (11 111 rows a tree, the next tree
// starting at a new root), the trunks left without a flow so that they are
// sized on the sum below them, every end with its own flow (2 to 6 L/h),
// fittings on every row and a fixed loss on one end in three.
static CircuitSchedule WaterTrees(int rows)
{
    CircuitSchedule schedule;
    schedule.header = QStringList{"id", "upstream", "kind", "length", "fittings", "fixed", "flow"};
    schedule.rows.reserve(rows);
    while (static_cast<int>(schedule.rows.size()) < rows) {
        const int root = static_cast<int>(schedule.rows.size());
        const bool trunk = root + Levels - 1 < rows;
        AddRow(schedule, -1, !trunk);
        if (trunk)
            Grow(schedule, rows, root, 2);
    }
    return schedule;
}

static DomainState DeliveredData()
{
    DomainState data;
    const QString delivered = DeliveredLibraryFolder();
    PipeLibraryList water, drainage;
    LoadSettings(delivered + QStringLiteral("Config.cfg"), water, drainage, data.settings, 1);
    ScanLibraryFolder(delivered, data.waterLibraries, data.drainageLibraries);
    FillDuctTables(data.ductMaterials, data.standardDuctDiameters);
    return data;
}

// A line of /proc/self/status in bytes ("VmRSS", "VmHWM").
static double StatusBytes(const char* key)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0.0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(qstrlen(key) + 1).trimmed().split(' ').value(0).toDouble() * 1024.0;
    return 0.0;
}

static double HeapInUse()  // [B] allocated and not freed
{
    return static_cast<double>(mallinfo2().uordblks);
}

// Memory: SizeCircuit holds per row its result and a few numbers while it
// works, per circuit its path, and one id table; nothing grows faster than the
// rows. The counters, for 1 000, 10 000 and 100 000 rows, are flat when they
// stay the same: the schedule's own heap bytes per row, the result's heap
// bytes per row, and the peak resident memory the sizing adds per row (free
// memory given back first, the peak reset through /proc/self/clear_refs).
static void BM_SizeCircuit(benchmark::State& state)
{
    static const DomainState data = DeliveredData();
    static const FittingCatalogue catalogue = [] {
        QStringList problems;
        return LoadFittingCatalogue(DeliveredLibraryFolder(), QString(), problems);
    }();
    const int rows = static_cast<int>(state.range(0));
    const double before = HeapInUse();  // [B]
    const CircuitSchedule schedule = WaterTrees(rows);
    const double withSchedule = HeapInUse();  // [B]
    int refused = 0;
    for (auto _ : state) {
        const CircuitResult result = SizeCircuit(data, catalogue, schedule, {});
        refused = result.failed;
        benchmark::DoNotOptimize(result.circuits.data());
    }
    if (refused > 0)
        state.SkipWithError("rows refused: the circuit is not what it should be");

    malloc_trim(0);
    const double resident = StatusBytes("VmRSS:");  // [B]
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    const bool peakReset = clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
    clear.close();
    double resultBytes = 0.0;  // [B]
    {
        const CircuitResult result = SizeCircuit(data, catalogue, schedule, {});
        resultBytes = HeapInUse() - withSchedule;
    }
    state.counters["rows"] = rows;
    state.counters["schedule_bytes_per_row"] = (withSchedule - before) / rows;
    state.counters["result_bytes_per_row"] = resultBytes / rows;
    if (peakReset)
        state.counters["sizing_peak_bytes_per_row"] = (StatusBytes("VmHWM:") - resident) / rows;
    state.SetItemsProcessed(state.iterations() * rows);
}
BENCHMARK(BM_SizeCircuit)->Arg(1000)->Arg(10000)->Arg(100000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
