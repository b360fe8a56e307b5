#include <QBuffer>
#include <benchmark/benchmark.h>

#include "calc/batch.h"
#include "calc/calc_data.h"
#include "engines/delivered_libraries.h"

// A schedule of `rows` sections cycling through water and air rows of every
// mode, shape and entry, each with its own flow or power.
static QByteArray Schedule(int rows)
{
    // id, kind, library, mode, limit, flow, power, oversize, antifreeze, shape, side-a, side-b, material, roughness
    const char* const patterns[] = {
        "S%1;water;Cuivre;pdc;;%2;;;;;;;;",     "S%1;water;Acier;vitesse;1.2;;%2;15;;;;;;",
        "S%1;water;PER;dn;;%2;;;20;;;;;",       "S%1;air;;pdc;;%2;;;;circ;;;;",
        "S%1;air;;vitesse;4;%2;;;;rect;400;;;", "S%1;air;;dn;;%2;;;;rect;500;250;Autre;0.09",
    };
    QByteArray schedule = "id;kind;library;mode;limit;flow;power;oversize;antifreeze;shape;side-a;side-b;material;"
                          "roughness\n";
    for (int r = 0; r < rows; ++r)
        schedule += QString::fromLatin1(patterns[r % 6]).arg(r).arg(200 + (r * 37) % 20000).toUtf8() + '\n';
    return schedule;
}

static void SizeSchedule(benchmark::State& state)
{
    DomainState data;
    QString error;
    if (!LoadCalcData(DeliveredLibraryFolder(), data, error)) {
        state.SkipWithError(error.toStdString().c_str());
        return;
    }
    QByteArray schedule = Schedule(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        QBuffer in(&schedule), out, messages;
        in.open(QIODevice::ReadOnly);
        out.open(QIODevice::WriteOnly);
        messages.open(QIODevice::WriteOnly);
        BatchCount count;
        RunBatch(data, in, out, messages, false, count, error);
        if (count.failed != 0)
            state.SkipWithError(messages.data().left(200).constData());
        benchmark::DoNotOptimize(out.data().size());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}
BENCHMARK(SizeSchedule)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
