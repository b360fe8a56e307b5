#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTreeView>

#include "engines/delivered_libraries.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "engines/settings_file.h"
#include "network/circuit_files.h"
#include "network/circuit_model.h"
#include "network/network_window.h"
#include "platform/application.h"
#include "tabs/program_state.h"

// A water circuit of that many rows, a tree 4 to 5 levels deep (each row
// feeds up to 6), the ends sized on their small flows, the trunks on the sums
// (about 8 000 L/h at the root, within the delivered libraries).
static QByteArray CircuitOfRows(int count)
{
    constexpr int Branching = 6;
    QByteArray text = "id;upstream;length;flow;fittings;fixed\n";
    for (int i = 0; i < count; ++i) {
        const bool end = i * Branching + 1 >= count;
        text += QStringLiteral("T%1;%2;%3;%4;coude90*2+vanne;%5\n")
                    .arg(i)
                    .arg(i == 0 ? QString() : QStringLiteral("T%1").arg((i - 1) / Branching))
                    .arg(3 + i % 7)
                    .arg(end ? QString::number(8 + i % 5) : QString())
                    .arg(end ? QStringLiteral("5kPa") : QString())
                    .toUtf8();
    }
    return text;
}

// A length typed in an end of the circuit: from the edit taken to the table
// repainted, the circuit sized and summed again.
static void BM_KeystrokeToRefreshedTable(benchmark::State& state)
{
    QTemporaryDir scratch;
    const QString file = scratch.filePath(QStringLiteral("circuit.csv"));
    QFile out(file);
    out.open(QIODevice::WriteOnly);
    out.write(CircuitOfRows(int(state.range(0))));
    out.close();
    ProgramState program;
    const QString delivered = DeliveredLibraryFolder();
    PipeLibraryList ignoredWater, ignoredDrainage;
    LoadSettings(delivered + QStringLiteral("Config.cfg"), ignoredWater, ignoredDrainage, program.domain.settings, 1);
    ScanLibraryFolder(delivered, program.domain.waterLibraries, program.domain.drainageLibraries);
    FillDuctTables(program.domain.ductMaterials, program.domain.standardDuctDiameters);
    program.folders.data = scratch.path() + u'/';
    NetworkWindowState kept;
    kept.lastFile = file;
    QString error;
    WriteNetworkWindowState(program.folders.data, kept, error);
    OpenNetworkWindow(program, [] {});
    auto* view = NetworkWindowWidget()->findChild<QTreeView*>();
    auto* model = qobject_cast<CircuitModel*>(view->model());
    QApplication::processEvents();
    const int last = int(model->shown.schedule.rows.size()) - 1;
    int typed = 0;
    for (auto _ : state) {
        model->setData(model->IndexOfRow(last, 2), QString::number(4 + typed++ % 2));
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        view->viewport()->repaint();
    }
    state.counters["rows"] = double(model->shown.schedule.rows.size());
    state.counters["refused"] = double(model->shown.result.failed);
    EndNetworkWindow(true);
}
BENCHMARK(BM_KeystrokeToRefreshedTable)->Arg(1000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    InitPlatform(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    ShutdownPlatform();
    return 0;
}
