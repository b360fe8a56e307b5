#include "network/circuit_view.h"

#include <QCompleter>
#include <QHeaderView>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QStyledItemDelegate>
#include <QTreeView>

#include "network/circuit_model.h"

namespace {

// The start of the term the cursor ends, after the last "+" before it.
qsizetype TermStart(const QString& text, qsizetype cursor)
{
    return text.lastIndexOf(u'+', cursor - 1) + 1;
}

// Qt gives a cell its editor through a delegate: a line edit everywhere, with
// the catalogue's completion in « Singularités ».
class CellDelegate : public QStyledItemDelegate {
public:
    CellDelegate(QObject* parent, const FittingCatalogue* catalogue)
        : QStyledItemDelegate(parent), catalogue_(catalogue), choices_(new QStandardItemModel(this))
    {
        SetDomain(FittingDomain::Water);
    }

    void SetDomain(FittingDomain domain)
    {
        choices_->clear();
        if (!catalogue_)
            return;
        for (const Fitting& fitting : catalogue_->fittings) {
            if (fitting.domain != domain)
                continue;
            auto* item = new QStandardItem(FittingChoiceText(fitting));
            item->setData(fitting.code, Qt::UserRole);
            choices_->appendRow(item);
        }
    }

    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&, const QModelIndex& index) const override
    {
        auto* editor = new QLineEdit(parent);
        editor->setFrame(false);
        const auto* model = qobject_cast<const CircuitModel*>(index.model());
        const NetworkColumn& column = model->shown.columns[index.column()];
        editor->setAccessibleName(NetworkColumnTitle(column, model->shown.water));
        if (column.upstream || column.info.column != CircuitColumn::Fittings)
            return editor;
        auto* completer = new QCompleter(choices_, editor);
        completer->setWidget(editor);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionRole(Qt::UserRole);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        QObject::connect(editor, &QLineEdit::textEdited, completer, [editor, completer](const QString& text) {
            const qsizetype cursor = editor->cursorPosition();
            const QString term = text.mid(TermStart(text, cursor), cursor - TermStart(text, cursor)).trimmed();
            // A count or a bare number is not a code.
            if (term.isEmpty() || term.contains(u'*') || term.front().isDigit()) {
                completer->popup()->hide();
                return;
            }
            completer->setCompletionPrefix(term);
            completer->complete();
        });
        QObject::connect(completer, qOverload<const QString&>(&QCompleter::activated), editor,
                         [editor](const QString& code) {
                             const QString text = editor->text();
                             const qsizetype cursor = editor->cursorPosition();
                             const qsizetype start = TermStart(text, cursor);
                             const qsizetype end = text.indexOf(u'+', cursor);
                             const QString after = end < 0 ? QString() : text.mid(end);
                             editor->setText(text.left(start) + code + after);
                             editor->setCursorPosition(static_cast<int>(start + code.size()));
                         });
        return editor;
    }

private:
    const FittingCatalogue* catalogue_;
    QStandardItemModel* choices_;
};

// QTreeView moves Tab down the tree; a table typed row by row wants it along the row.
class CircuitTreeView : public QTreeView {
public:
    using QTreeView::QTreeView;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override
    {
        const QModelIndex current = currentIndex();
        const bool forward = action == MoveNext || action == MoveRight;
        const bool along = forward || action == MovePrevious || action == MoveLeft;
        if (!current.isValid() || !along || !model())
            return QTreeView::moveCursor(action, modifiers);
        const int column = current.column() + (forward ? 1 : -1);
        if (column >= 0 && column < model()->columnCount(current.parent()))
            return current.siblingAtColumn(column);
        if (action == MoveRight || action == MoveLeft)
            return current;
        const QModelIndex row = QTreeView::moveCursor(forward ? MoveDown : MoveUp, modifiers);
        if (!row.isValid() || (row.row() == current.row() && row.parent() == current.parent()))
            return current;
        return row.siblingAtColumn(forward ? 0 : model()->columnCount(row.parent()) - 1);
    }
};

}  // namespace

QTreeView* NewCircuitView(QWidget* parent)
{
    return new CircuitTreeView(parent);
}

QString FittingChoiceText(const Fitting& fitting)
{
    QString value = QString::number(fitting.value, 'g', 6).replace(u'.', u',');
    switch (fitting.type) {
    case FittingType::Zeta:
        value = QStringLiteral("ζ %1").arg(value);
        break;
    case FittingType::Kv:
        value = QStringLiteral("Kv %1 m³/h").arg(value);
        break;
    case FittingType::FixedLoss:
        value = QStringLiteral("%1 Pa").arg(value);
        break;
    }
    return QStringLiteral("%1 — %2 (%3)").arg(fitting.code, fitting.label, value);
}

void SetUpCircuitView(QTreeView* view, CircuitModel* model, const FittingCatalogue* catalogue)
{
    view->setModel(model);
    view->setItemDelegate(new CellDelegate(view, catalogue));
    view->setEditTriggers(QAbstractItemView::AnyKeyPressed | QAbstractItemView::EditKeyPressed
                          | QAbstractItemView::DoubleClicked);
    view->setSelectionBehavior(QAbstractItemView::SelectRows);
    view->setSelectionMode(QAbstractItemView::ExtendedSelection);
    view->setAllColumnsShowFocus(false);
    view->setUniformRowHeights(true);
    view->setAlternatingRowColors(false);
    view->setTabKeyNavigation(true);
    view->setItemsExpandable(true);
    view->header()->setStretchLastSection(false);
    view->header()->setSectionResizeMode(QHeaderView::Interactive);
    view->header()->setMinimumSectionSize(40);
    view->setAccessibleName(QStringLiteral("Tronçons du circuit"));
}

void SetFittingDomain(QTreeView* view, FittingDomain domain)
{
    if (auto* delegate = dynamic_cast<CellDelegate*>(view->itemDelegate()))
        delegate->SetDomain(domain);
}
