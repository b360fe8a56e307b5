#include "network/network_window.h"

#include <QAction>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QTreeView>
#include <QUndoStack>
#include <QVBoxLayout>
#include <QWindow>

#include "engines/delivered_libraries.h"
#include "network/circuit_files.h"
#include "network/circuit_model.h"
#include "network/circuit_view.h"
#include "network/network_commands.h"
#include "network/network_display.h"
#include "network/network_rules.h"
#include "platform/windows.h"
#include "tabs/program_state.h"

namespace {

NetworkWindow* shown = nullptr;  // the one open window

// The window's close box asks about unsaved changes first.
class CloseGuard : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Close || !shown || watched != shown->frame)
            return false;
        event->ignore();
        EndNetworkWindow(false);
        return true;
    }
};

struct WindowButton {
    const char* text;      // UTF-8, "&" before the mnemonic
    const char* shortcut;  // QKeySequence form; empty: none
    void (*action)(NetworkWindow&);
};

// clang-format off
const WindowButton Buttons[] = {
    {"Ajouter en &aval", "Ctrl+Shift+N", [](NetworkWindow& w) { AddRow(w, true); }},
    {"A&jouter", "Ctrl+N", [](NetworkWindow& w) { AddRow(w, false); }},
    {"&Supprimer", "", RemoveRow},
    {"&Ouvrir…", "Ctrl+O", [](NetworkWindow& w) { AskOpenCircuit(w); }},
    {"Enre&gistrer", "Ctrl+S", [](NetworkWindow& w) { SaveCircuit(w); }},
    {"Enregistrer so&us…", "Ctrl+Shift+S", [](NetworkWindow& w) { SaveCircuitAs(w); }},
    {"&Copier", "Ctrl+Shift+C", CopyCircuit},
    {"&Note de calcul (PDF)…", "Ctrl+P", PrintCalculationNote},
};
// clang-format on

void AddShortcutTo(QWidget* widget, const QKeySequence& keys, Qt::ShortcutContext context,
                   const std::function<void()>& action)
{
    auto* shortcut = new QShortcut(keys, widget);
    shortcut->setContext(context);
    QObject::connect(shortcut, &QShortcut::activated, widget, action);
}

void Build(NetworkWindow& w)
{
    // A dialog's type, as the window system knows it, is what makes it transient for its owner.
    w.frame = new QWidget(nullptr,
                          Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint
                              | Qt::WindowCloseButtonHint);
    w.frame->setObjectName(QStringLiteral("network"));
    w.frame->setAccessibleName(QStringLiteral("Réseau"));
    auto* column = new QVBoxLayout(w.frame);

    auto* projectRow = new QHBoxLayout;
    auto* projectLabel = new QLabel(QStringLiteral("&Projet"), w.frame);
    w.project = new QLineEdit(w.frame);
    w.project->setAccessibleName(QStringLiteral("Nom du projet"));
    w.project->setPlaceholderText(QStringLiteral("nom du projet, repris par la note de calcul"));
    projectLabel->setBuddy(w.project);
    projectRow->addWidget(projectLabel);
    projectRow->addWidget(w.project, 1);
    column->addLayout(projectRow);

    NetworkWindow* self = &w;
    w.top = BuildRulesFields(w.frame, w.program->domain, [self](const char* name, const QString& value, bool typing) {
        EditRule(*self, name, value, typing);
    });
    column->addWidget(w.top.box);

    auto* buttonRow = new QHBoxLayout;
    for (const WindowButton& entry : Buttons) {
        auto* button = new QPushButton(QString::fromUtf8(entry.text), w.frame);
        button->setAutoDefault(false);
        auto action = entry.action;
        QObject::connect(button, &QPushButton::clicked, button, [self, action] { action(*self); });
        if (*entry.shortcut) {
            button->setToolTip(QString::fromLatin1(entry.shortcut));
            AddShortcutTo(w.frame, QKeySequence(QString::fromLatin1(entry.shortcut)), Qt::WindowShortcut,
                          [self, action] { action(*self); });
        }
        buttonRow->addWidget(button);
    }
    buttonRow->addStretch();
    column->addLayout(buttonRow);

    w.view = NewCircuitView(w.frame);
    w.model = new CircuitModel;
    w.model->setParent(w.view);
    w.model->colours = TableColoursFor(w.view->palette());
    SetUpCircuitView(w.view, w.model, &w.catalogue);
    w.model->edited = [self](int row, const char* name, const QString& text) { EditCell(*self, row, name, text); };
    column->addWidget(w.view, 1);
    AddShortcutTo(w.view, QKeySequence::Delete, Qt::WidgetShortcut, [self] { RemoveRow(*self); });

    w.status = new QLabel(w.frame);
    w.status->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    w.status->setAccessibleDescription(QStringLiteral("Circuit le plus défavorisé"));
    // A long message wraps rather than widening the window.
    w.status->setWordWrap(true);
    w.status->setMinimumHeight(2 * w.status->fontMetrics().lineSpacing() + 4);
    w.status->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    column->addWidget(w.status);
    QObject::connect(w.view->selectionModel(), &QItemSelectionModel::currentChanged, w.status,
                     [self] { self->status->setText(StatusText(*self)); });

    w.undo = new QUndoStack(w.frame);
    QAction* undo = w.undo->createUndoAction(w.frame, QStringLiteral("Annuler"));
    undo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Z"))});
    QAction* redo = w.undo->createRedoAction(w.frame, QStringLiteral("Rétablir"));
    redo->setShortcuts({QKeySequence(QStringLiteral("Ctrl+Y")), QKeySequence(QStringLiteral("Ctrl+Shift+Z"))});
    for (QAction* action : {undo, redo}) {
        action->setShortcutContext(Qt::WindowShortcut);
        w.frame->addAction(action);
    }
    QObject::connect(w.undo, &QUndoStack::cleanChanged, w.frame, [self] { ShowTitle(*self); });
    AddShortcutTo(w.frame, QKeySequence(Qt::Key_F1), Qt::WindowShortcut, [self] {
        if (self->help)
            self->help();
    });
    w.frame->installEventFilter(new CloseGuard(w.frame));
}

void Place(NetworkWindow& w, const NetworkWindowState& kept)
{
    w.frame->resize(kept.geometry.size().expandedTo(QSize(400, 250)));
    if (kept.placed) {
        std::vector<QRect> screens;
        for (const QScreen* screen : QGuiApplication::screens())
            screens.push_back(screen->availableGeometry());
        w.frame->move(PositionOnScreen(QRect(kept.geometry.topLeft(), w.frame->size()), screens));
    }
    // Kept above the main window by the window manager, yet not its Qt child:
    // a main window disabled by a question leaves it usable.
    if (QWidget* main = WindowHandle(MainWindow)) {
        w.frame->winId();
        main->winId();
        w.frame->windowHandle()->setTransientParent(main->windowHandle());
    }
}

void KeepState(NetworkWindow& w)
{
    NetworkWindowState kept;
    kept.geometry = QRect(w.frame->pos(), w.frame->size());
    kept.placed = true;
    kept.lastFile = w.file;
    QString error;
    WriteNetworkWindowState(w.program->folders.data, kept, error);
}

}  // namespace

void OpenNetworkWindow(ProgramState& state, const std::function<void()>& help)
{
    if (shown) {
        shown->frame->showNormal();
        shown->frame->raise();
        shown->frame->activateWindow();
        return;
    }
    shown = new NetworkWindow;
    NetworkWindow& w = *shown;
    w.program = &state;
    w.help = help;
    QStringList problems;
    w.catalogue =
        LoadFittingCatalogue(DeliveredLibraryFolder(), state.folders.data + QStringLiteral("Data/"), problems);
    Build(w);
    const NetworkWindowState kept = ReadNetworkWindowState(state.folders.data);
    Place(w, kept);
    w.inputs.rules = MainWindowRules(state, true);
    w.inputs.schedule.header = QStringList{QStringLiteral("id"), QStringLiteral("upstream")};
    ShowInputs(w, w.inputs, -1);
    w.frame->show();
    bool opened = false;  // an opened circuit has its columns fitted
    if (!kept.lastFile.isEmpty() && QFileInfo::exists(kept.lastFile))
        opened = OpenCircuit(w, kept.lastFile);
    else if (!FoundRecoveryCopy(QString(), state.folders.data).isEmpty())
        opened = OpenCircuit(w, QString());
    if (!opened)
        FitColumns(w);
    if (!problems.isEmpty())
        w.status->setText(w.status->text() + u'\n' + problems.join(QStringLiteral(" ; ")));
    w.frame->activateWindow();
    w.view->setFocus();
}

QWidget* NetworkWindowWidget()
{
    return shown ? shown->frame : nullptr;
}

bool EndNetworkWindow(bool bySignal)
{
    if (!shown)
        return true;
    if (bySignal)
        WriteRecovery(*shown);
    else if (!MayLeaveCircuit(*shown))
        return false;
    KeepState(*shown);
    NetworkWindow* closing = shown;
    shown = nullptr;
    // Nothing of the window speaks once it is going: its undo stack signals
    // its end, a queued edit may still arrive.
    closing->model->edited = nullptr;
    QObject::disconnect(closing->undo, nullptr, nullptr, nullptr);
    closing->frame->hide();
    QObject::connect(closing->frame, &QObject::destroyed, [closing] { delete closing; });
    closing->frame->deleteLater();
    return true;
}
