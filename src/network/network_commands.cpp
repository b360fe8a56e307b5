#include "network/network_commands.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTreeView>
#include <QUndoStack>
#include <algorithm>

#include "engines/circuit_texts.h"
#include "network/calculation_note.h"
#include "network/circuit_copy.h"
#include "network/circuit_files.h"
#include "network/circuit_model.h"
#include "network/circuit_tree.h"
#include "network/network_display.h"
#include "network/network_rules.h"
#include "platform/dialogs.h"
#include "tabs/program_state.h"

namespace {

const QString Title = QStringLiteral("Réseau");
const QString CircuitFilter = QStringLiteral("Circuits (CSV)|*.csv|Tous les fichiers|*");

void Push(NetworkWindow& window, const QString& text, const NetworkInputs& after, int currentAfter, int mergeId = -1)
{
    NetworkWindow* w = &window;
    PushNetworkEdit(
        *window.undo, text, window.inputs, CurrentRow(window), after, currentAfter,
        [w](const NetworkInputs& inputs, int current) { ShowInputs(*w, inputs, current); }, mergeId);
}

QString DataFolderOf(const NetworkWindow& window)
{
    return window.program->folders.data;
}

QString StartFolder(const NetworkWindow& window)
{
    return window.file.isEmpty() ? DataFolderOf(window) : QFileInfo(window.file).absolutePath();
}

void SaveFailed(const QString& error)
{
    ShowMessage(Title, error, MessageOk);
}

bool SaveTo(NetworkWindow& window, const QString& path)
{
    QString error;
    if (!SaveCircuitFile(path, ScheduleWithRules(window.inputs.schedule, window.inputs.rules), error)) {
        SaveFailed(error);
        return false;
    }
    RemoveRecoveryCopy(window.file, DataFolderOf(window));
    window.file = path;
    RemoveRecoveryCopy(window.file, DataFolderOf(window));
    window.undo->setClean();
    ShowTitle(window);
    return true;
}

}  // namespace

void EditCell(NetworkWindow& window, int row, const char* column, const QString& text)
{
    int current = row;
    const NetworkInputs after = WithCell(window.inputs, row, column, text, current);
    Push(window, QStringLiteral("Saisie"), after, current);
}

void EditRule(NetworkWindow& window, const char* name, const QString& value, bool typing)
{
    NetworkInputs after = WithRule(window.inputs, name, value);
    if (QLatin1String(name) == QLatin1String("kind") && value != (RulesAreWater(window.inputs.rules) ? "water" : "air"))
        after.rules = MainWindowRules(*window.program, value == QLatin1String("water"));
    if (QLatin1String(name) == QLatin1String("mode"))
        after = WithRule(after, "limit", DefaultLimit(RulesAreWater(after.rules), value));
    // The keystrokes of one field make one step until another field is edited.
    if (!typing || window.lastTyped != QLatin1String(name))
        ++window.ruleTyping;
    window.lastTyped = typing ? QString::fromLatin1(name) : QString();
    Push(window, QStringLiteral("Règles"), after, CurrentRow(window), typing ? window.ruleTyping : -1);
}

void AddRow(NetworkWindow& window, bool downstream)
{
    int current = -1;
    const NetworkInputs after = WithRowAdded(window.inputs, CurrentRow(window), downstream, current);
    Push(window, downstream ? QStringLiteral("Ajouter en aval") : QStringLiteral("Ajouter"), after, current);
    // A new row is typed from its start, as a new line of a spreadsheet.
    window.view->setCurrentIndex(window.model->IndexOfRow(current, 0));
    window.view->setFocus();
}

void RemoveRow(NetworkWindow& window)
{
    const int row = CurrentRow(window);
    if (row < 0)
        return;
    const std::vector<int> gone = RowAndDownstream(BuildCircuitTree(window.inputs.schedule), row);
    if (gone.size() > 1) {
        const QString question = QStringLiteral("Supprimer le tronçon %1 et les %2 tronçons en aval ?")
                                     .arg(CellOf(window.inputs.schedule, row, "id").trimmed())
                                     .arg(gone.size() - 1);
        if (ShowMessage(Title, question, MessageYesNo) != AnswerYes)
            return;
    }
    int current = -1;
    const NetworkInputs after = WithoutRow(window.inputs, row, current);
    Push(window, QStringLiteral("Supprimer"), after, current);
}

bool OpenCircuit(NetworkWindow& window, const QString& path)
{
    QString source = path;
    const QString recovery = FoundRecoveryCopy(path, DataFolderOf(window));
    if (!recovery.isEmpty()) {
        const QString question = QStringLiteral("Une copie de secours de ce circuit a été enregistrée à la fin "
                                                "d'une session précédente :\n%1\n\nL'ouvrir à la place du fichier ?")
                                     .arg(recovery);
        if (ShowMessage(Title, question, MessageYesNo) == AnswerYes)
            source = recovery;
        else
            RemoveRecoveryCopy(path, DataFolderOf(window));
    }
    // An untitled circuit whose recovery copy is declined: nothing to open.
    if (source.isEmpty())
        return false;
    CircuitSchedule schedule;
    QString error;
    if (!OpenCircuitFile(source, schedule, error)) {
        ShowMessage(Title, error, MessageOk);
        return false;
    }
    window.file = path;
    window.undo->clear();
    const NetworkInputs inputs = InputsFromFile(schedule, window.inputs.rules);
    ShowInputs(window, inputs, inputs.schedule.rows.empty() ? -1 : 0);
    FitColumns(window);
    // Not saved yet: the recovered circuit differs from its file.
    if (source != path)
        window.undo->resetClean();
    ShowTitle(window);
    return true;
}

bool AskOpenCircuit(NetworkWindow& window)
{
    if (!MayLeaveCircuit(window))
        return false;
    QFileDialog dialog(window.frame, QStringLiteral("Ouvrir un circuit"), StartFolder(window),
                       QStringLiteral("Circuits (*.csv *.txt);;Tous les fichiers (*)"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return OpenCircuit(window, dialog.selectedFiles().first());
}

bool SaveCircuit(NetworkWindow& window)
{
    return window.file.isEmpty() ? SaveCircuitAs(window) : SaveTo(window, window.file);
}

bool SaveCircuitAs(NetworkWindow& window)
{
    QString path = AskSaveFileName(QStringLiteral("Enregistrer le circuit"), CircuitFilter, StartFolder(window));
    if (path.isEmpty())
        return false;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");
    if (path != window.file && QFileInfo::exists(path)
        && ShowMessage(Title, QStringLiteral("%1 existe déjà. Le remplacer ?").arg(path), MessageYesNo) != AnswerYes)
        return false;
    return SaveTo(window, path);
}

bool MayLeaveCircuit(NetworkWindow& window)
{
    if (window.undo->isClean())
        return true;
    const QString name = window.file.isEmpty() ? QStringLiteral("sans titre") : QFileInfo(window.file).fileName();
    switch (ShowMessage(Title,
                        QStringLiteral("Le circuit « %1 » a été modifié. Enregistrer les modifications ?").arg(name),
                        MessageYesNoCancel)) {
    case AnswerYes:
        return SaveCircuit(window);
    case AnswerNo:
        return true;
    default:
        return false;
    }
}

void WriteRecovery(NetworkWindow& window)
{
    if (!window.undo->isClean())
        WriteRecoveryCopy(window.file, DataFolderOf(window),
                          ScheduleWithRules(window.inputs.schedule, window.inputs.rules));
}

void CopyCircuit(NetworkWindow& window)
{
    std::vector<int> rows;
    for (const QModelIndex& index : window.view->selectionModel()->selectedRows())
        rows.push_back(CircuitModel::RowOf(index));
    std::sort(rows.begin(), rows.end());
    // One row selected is only where the cursor is: the whole table is meant.
    if (rows.size() == 1)
        rows.clear();
    const ShownCircuit& shown = window.model->shown;
    QApplication::clipboard()->setText(CircuitCopyText(shown.schedule, shown.result, shown.water, rows));
}

void PrintCalculationNote(NetworkWindow& window)
{
    const QString folder = window.file.isEmpty() ? DataFolderOf(window) : QFileInfo(window.file).absolutePath();
    const QString base = window.file.isEmpty() ? QStringLiteral("note-de-calcul.pdf")
                                               : QFileInfo(window.file).completeBaseName() + QStringLiteral(".pdf");
    QString path = AskSaveFileName(QStringLiteral("Note de calcul"), QStringLiteral("PDF|*.pdf"), folder + u'/' + base);
    if (path.isEmpty())
        return;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".pdf");
    const ShownCircuit& shown = window.model->shown;
    CalculationNote note = CalculationNoteOf(shown.result, shown.water);
    note.project = window.project->text().trimmed();
    note.fluid = FluidText(window.inputs.rules);
    note.rules = RuleLines(window.inputs.rules);
    QString error;
    if (!WriteCalculationNote(path, note, shown.schedule, shown.result, shown.water, error))
        ShowMessage(Title, error, MessageOk);
}
