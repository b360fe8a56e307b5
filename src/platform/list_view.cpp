#include <QCursor>
#include <QHeaderView>
#include <QSignalBlocker>
#include <QTreeWidget>

#include "platform/colour_contrast.h"
#include "platform/controls.h"
#include "platform/platform_state.h"

// Rows tall enough that their check boxes do not touch [px].
static const int RowHeight = 17;

static QTreeWidget* TreeOf(int control, PlatformControl** found = nullptr)
{
    PlatformControl* c = FindPlatformControl(control);
    if (!c || c->kind != ControlKind::ListView)
        return nullptr;
    if (found)
        *found = c;
    return static_cast<QTreeWidget*>(c->widget);
}

static Qt::Alignment AlignmentOf(ColumnAlign align)
{
    switch (align) {
    case ColumnRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case ColumnCentre:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

static QColor ColourOf(int rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

// A coloured cell gets a text that reads on it whatever the desktop palette.
static void PaintCell(QTreeWidgetItem* item, int column, int rgb)
{
    if (rgb < 0) {
        item->setData(column, Qt::BackgroundRole, QVariant());
        item->setData(column, Qt::ForegroundRole, QVariant());
    } else {
        item->setBackground(column, ColourOf(rgb));
        item->setForeground(column, ColourOf(ContrastingTextColour(rgb)));
    }
}

QWidget* CreateListViewWidget(int control, QWidget* parent)
{
    auto* tree = new QTreeWidget(parent);
    tree->setColumnCount(0);
    tree->setRootIsDecorated(false);
    tree->setItemsExpandable(false);
    tree->setUniformRowHeights(true);
    tree->setSelectionMode(QAbstractItemView::SingleSelection);
    tree->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree->setAllColumnsShowFocus(true);
    tree->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionsMovable(false);
    tree->header()->setSectionsClickable(false);
    WatchControl(tree->viewport(), control);  // mouse presses, see below

    QObject::connect(tree, &QTreeWidget::itemChanged, tree, [control, tree](QTreeWidgetItem* item, int column) {
        if (column == 0)  // only the check box of a row can change under the user's hand
            PostControlEvent(control, SubtypeChange, tree->indexOfTopLevelItem(item));
    });
    QObject::connect(tree, &QTreeWidget::itemSelectionChanged, tree, [control] {
        if (PlatformControl* c = FindPlatformControl(control)) {
            c->selectionPosted = true;
            PostControlEvent(control, SubtypeClick, ListViewSelectedRow(*c));
        }
    });
    // A click on the row already selected is reported too; a click that
    // selected a row was reported with the selection.
    QObject::connect(tree, &QTreeWidget::itemClicked, tree, [control, tree](QTreeWidgetItem* item) {
        PlatformControl* c = FindPlatformControl(control);
        if (c && !c->selectionPosted)
            PostControlEvent(control, SubtypeClick, tree->indexOfTopLevelItem(item));
    });
    return tree;
}

int ListViewSelectedRow(const PlatformControl& control)
{
    auto* tree = static_cast<QTreeWidget*>(control.widget);
    const QList<QTreeWidgetItem*> selected = tree->selectedItems();
    return selected.isEmpty() ? -1 : tree->indexOfTopLevelItem(selected.first());
}

void SelectListViewRow(PlatformControl& control, int row)
{
    auto* tree = static_cast<QTreeWidget*>(control.widget);
    const QSignalBlocker block(tree);
    QTreeWidgetItem* item = tree->topLevelItem(row);
    if (!item) {
        tree->clearSelection();
        tree->setCurrentItem(nullptr);
        return;
    }
    tree->setCurrentItem(item);
    tree->scrollToItem(item);
}

void AddColumn(int control, const QString& title, int width, ColumnAlign align)
{
    PlatformControl* c = nullptr;
    QTreeWidget* tree = TreeOf(control, &c);
    if (!tree)
        return;
    const QSignalBlocker block(tree);
    const int column = int(c->columnAlign.size());
    c->columnAlign.push_back(align);
    c->columnBackground.push_back(-1);
    tree->setColumnCount(column + 1);
    tree->headerItem()->setText(column, title);
    tree->headerItem()->setTextAlignment(column, AlignmentOf(align));
    tree->setColumnWidth(column, width);
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        tree->topLevelItem(row)->setTextAlignment(column, AlignmentOf(align));
}

void SetColumn(int control, int column, const QString& title, int width)
{
    PlatformControl* c = nullptr;
    QTreeWidget* tree = TreeOf(control, &c);
    if (!tree || column < 0 || column >= int(c->columnAlign.size()))
        return;
    const QSignalBlocker block(tree);
    tree->headerItem()->setText(column, title);
    tree->setColumnWidth(column, width);
}

int CountColumns(int control)
{
    PlatformControl* c = nullptr;
    return TreeOf(control, &c) ? int(c->columnAlign.size()) : 0;
}

int AddRow(int control, const QStringList& cells, bool checked)
{
    PlatformControl* c = nullptr;
    QTreeWidget* tree = TreeOf(control, &c);
    if (!tree)
        return -1;
    const QSignalBlocker block(tree);
    auto* item = new QTreeWidgetItem(cells);
    Qt::ItemFlags flags = Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
    if (c->style & StyleRowChecks)
        flags |= Qt::ItemIsUserCheckable;
    item->setFlags(flags);
    if (c->style & StyleRowChecks)
        item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
    for (size_t column = 0; column < c->columnAlign.size(); ++column) {
        item->setTextAlignment(int(column), AlignmentOf(c->columnAlign[column]));
        if (c->columnBackground[column] >= 0)
            PaintCell(item, int(column), c->columnBackground[column]);
    }
    item->setSizeHint(0, QSize(0, RowHeight));
    tree->addTopLevelItem(item);
    return tree->topLevelItemCount() - 1;
}

void ClearRows(int control)
{
    if (QTreeWidget* tree = TreeOf(control)) {
        const QSignalBlocker block(tree);
        tree->clear();
    }
}

int CountRows(int control)
{
    QTreeWidget* tree = TreeOf(control);
    return tree ? tree->topLevelItemCount() : 0;
}

QString GetCellText(int control, int row, int column)
{
    QTreeWidget* tree = TreeOf(control);
    QTreeWidgetItem* item = tree ? tree->topLevelItem(row) : nullptr;
    return item && column >= 0 ? item->text(column) : QString();
}

void SetRowChecked(int control, int row, bool checked)
{
    PlatformControl* c = nullptr;
    QTreeWidget* tree = TreeOf(control, &c);
    QTreeWidgetItem* item = tree ? tree->topLevelItem(row) : nullptr;
    if (!item || !(c->style & StyleRowChecks))
        return;
    const QSignalBlocker block(tree);
    item->setCheckState(0, checked ? Qt::Checked : Qt::Unchecked);
}

bool IsRowChecked(int control, int row)
{
    QTreeWidget* tree = TreeOf(control);
    QTreeWidgetItem* item = tree ? tree->topLevelItem(row) : nullptr;
    return item && item->checkState(0) == Qt::Checked;
}

void SetColumnBackground(int control, int column, int rgb)
{
    PlatformControl* c = nullptr;
    QTreeWidget* tree = TreeOf(control, &c);
    if (!tree || column < 0 || column >= int(c->columnBackground.size()))
        return;
    const QSignalBlocker block(tree);
    c->columnBackground[column] = rgb < 0 ? -1 : (rgb & 0xFFFFFF);
    for (int row = 0; row < tree->topLevelItemCount(); ++row)
        PaintCell(tree->topLevelItem(row), column, c->columnBackground[column]);
}

void SetSelectionColour(int control, int rgb)
{
    PlatformControl* c = nullptr;
    if (!TreeOf(control, &c))
        return;
    c->selection = rgb < 0 ? -1 : (rgb & 0xFFFFFF);
    ApplyControlPalette(*c);
}

int HitTestRow(int control)
{
    QTreeWidget* tree = TreeOf(control);
    if (!tree)
        return -1;
    const QPoint at = tree->viewport()->mapFromGlobal(QCursor::pos());
    if (!tree->viewport()->rect().contains(at))
        return -1;
    QTreeWidgetItem* item = tree->itemAt(at);
    return item ? tree->indexOfTopLevelItem(item) : -1;
}
