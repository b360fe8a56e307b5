#include "network/network_display.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QTreeView>
#include <QUndoStack>
#include <algorithm>

#include "engines/circuit_texts.h"
#include "network/circuit_model.h"
#include "network/circuit_view.h"
#include "network/network_rules.h"
#include "network/size_cell.h"
#include "tabs/program_state.h"

namespace {

// The circuit (root) of a row: its topmost upstream row.
int RootOf(const CircuitResult& result, int row)
{
    for (int guard = 0; row >= 0 && guard < static_cast<int>(result.rows.size()); ++guard) {
        const int upstream = result.rows[row].upstream;
        if (upstream < 0)
            return row;
        row = upstream;
    }
    return row;
}

// A rule the rows refuse (a temperature out of range...) is marked at the
// top, where it is typed, with the first such row's error.
void MarkRefusedRules(NetworkWindow& window)
{
    const CircuitResult& result = window.model->shown.result;
    for (const RulesFields::Field& field : window.top.fields) {
        QString error;
        for (int row = 0; row < static_cast<int>(result.rows.size()); ++row)
            if (error.isEmpty()
                && ErrorCellColumn(window.model->shown.schedule, row, result.rows[row].errorColumn)
                    == QLatin1String(field.name))
                error = result.rows[row].error;
        QPalette palette = field.widget->parentWidget()->palette();
        if (!error.isEmpty()) {
            palette.setColor(QPalette::Base, window.model->colours.errorBackground);
            palette.setColor(QPalette::Text, window.model->colours.errorText);
        }
        field.widget->setPalette(palette);
        field.widget->setToolTip(error);
    }
}

}  // namespace

void ShowInputs(NetworkWindow& window, const NetworkInputs& inputs, int current)
{
    window.inputs = inputs;
    const bool water = RulesAreWater(inputs.rules);
    ShownCircuit shown;
    shown.schedule = inputs.schedule;
    // Sized as saved, so that the file run through vorquil-calc circuit gives these numbers.
    shown.result = SizeCircuit(window.program->domain, window.catalogue,
                               ScheduleWithRules(inputs.schedule, inputs.rules), inputs.rules);
    shown.tree = BuildCircuitTree(shown.schedule);
    shown.water = water;
    shown.columns = NetworkColumns(water);
    const int column = std::max(0, window.view->currentIndex().column());
    const bool waterBefore = window.model->shown.water;
    if (window.model->Show(std::move(shown))) {
        window.view->expandAll();
        if (waterBefore != water)
            SetFittingDomain(window.view, water ? FittingDomain::Water : FittingDomain::Air);
    }
    const QModelIndex at = window.model->IndexOfRow(current, std::min(column, window.model->columnCount() - 1));
    if (at.isValid() && at != window.view->currentIndex())
        window.view->setCurrentIndex(at);
    ShowRules(window.top, inputs.rules);
    MarkRefusedRules(window);
    window.status->setText(StatusText(window));
    ShowTitle(window);
}

int CurrentRow(const NetworkWindow& window)
{
    return CircuitModel::RowOf(window.view->currentIndex());
}

QString StatusText(const NetworkWindow& window)
{
    const CircuitResult& result = window.model->shown.result;
    if (result.rows.empty())
        return QStringLiteral("Aucun tronçon : « Ajouter » (Ctrl+N) commence un circuit.");
    const int row = CurrentRow(window);
    const int root = RootOf(result, row < 0 ? 0 : row);
    const CircuitSummary* summary = result.circuits.empty() ? nullptr : &result.circuits.front();
    for (const CircuitSummary& circuit : result.circuits)
        if (circuit.tree.root == root)
            summary = &circuit;
    QString text = summary ? IndexCircuitLine(result, *summary) : QString();
    if (row >= 0 && row < static_cast<int>(result.rows.size()) && !result.rows[row].error.isEmpty())
        text += QStringLiteral("\n%1 : %2").arg(result.rows[row].id, result.rows[row].error);
    return text;
}

void ShowTitle(NetworkWindow& window)
{
    QString title = QStringLiteral("Réseau");
    if (!window.file.isEmpty())
        title += QStringLiteral(" — ") + QFileInfo(window.file).fileName();
    if (!window.undo->isClean())
        title += QStringLiteral(" *");
    window.frame->setWindowTitle(title);
}

void FitColumns(NetworkWindow& window)
{
    constexpr int Narrowest = 45, Widest = 220;  // [px]
    for (int column = 0; column < window.model->columnCount(); ++column) {
        window.view->resizeColumnToContents(column);
        window.view->setColumnWidth(column, std::clamp(window.view->columnWidth(column), Narrowest, Widest));
    }
}
