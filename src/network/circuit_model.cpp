#include "network/circuit_model.h"

#include <QFont>
#include <QTimer>

#include "network/size_cell.h"
#include "platform/colour_contrast.h"

namespace {

constexpr int DarkBlue = 0x0B4F9C, LightBlue = 0x8EC5FF;  // the index circuit, on light or dark bases
constexpr int PaleRed = 0xFFD6D6, DeepRed = 0x7A1F1F;     // a refused cell's background

bool SameTree(const ShownCircuit& a, const ShownCircuit& b)
{
    return a.water == b.water && a.tree.parent == b.tree.parent;
}

}  // namespace

TableColours TableColoursFor(const QPalette& palette)
{
    const int base = static_cast<int>(palette.color(QPalette::Base).rgb() & 0xFFFFFF);
    TableColours colours;
    colours.index = QColor::fromRgb(static_cast<QRgb>(BetterContrast(base, DarkBlue, LightBlue)));
    const int error = BetterContrast(base, DeepRed, PaleRed) == DeepRed ? PaleRed : DeepRed;
    colours.errorBackground = QColor::fromRgb(static_cast<QRgb>(error));
    colours.errorText = QColor::fromRgb(static_cast<QRgb>(ContrastingTextColour(error)));
    return colours;
}

bool CircuitModel::Show(ShownCircuit circuit)
{
    if (!SameTree(shown, circuit) || shown.columns.size() != circuit.columns.size()) {
        beginResetModel();
        shown = std::move(circuit);
        endResetModel();
        return true;
    }
    shown = std::move(circuit);
    const int last = columnCount() - 1;
    auto refresh = [&](const std::vector<int>& rows) {
        if (!rows.empty())
            emit dataChanged(IndexOfRow(rows.front(), 0), IndexOfRow(rows.back(), last));
    };
    refresh(shown.tree.roots);
    for (const std::vector<int>& children : shown.tree.children)
        refresh(children);
    return false;
}

QModelIndex CircuitModel::IndexOfRow(int row, int column) const
{
    if (row < 0 || row >= static_cast<int>(shown.tree.parent.size()))
        return QModelIndex();
    return createIndex(shown.tree.position[row], column, static_cast<quintptr>(row));
}

int CircuitModel::RowOf(const QModelIndex& index)
{
    return index.isValid() ? static_cast<int>(index.internalId()) : -1;
}

QModelIndex CircuitModel::index(int row, int column, const QModelIndex& parent) const
{
    const int above = RowOf(parent);
    const std::vector<int>& rows = above < 0 ? shown.tree.roots : shown.tree.children[above];
    if (row < 0 || row >= static_cast<int>(rows.size()) || column < 0 || column >= columnCount())
        return QModelIndex();
    return createIndex(row, column, static_cast<quintptr>(rows[row]));
}

QModelIndex CircuitModel::parent(const QModelIndex& child) const
{
    const int row = RowOf(child);
    if (row < 0 || row >= static_cast<int>(shown.tree.parent.size()))
        return QModelIndex();
    return IndexOfRow(shown.tree.parent[row], 0);
}

int CircuitModel::rowCount(const QModelIndex& parent) const
{
    if (parent.column() > 0)
        return 0;
    const int row = RowOf(parent);
    if (row >= static_cast<int>(shown.tree.children.size()))
        return 0;
    return static_cast<int>(row < 0 ? shown.tree.roots.size() : shown.tree.children[row].size());
}

int CircuitModel::columnCount(const QModelIndex&) const
{
    return static_cast<int>(shown.columns.size());
}

QVariant CircuitModel::data(const QModelIndex& index, int role) const
{
    const int row = RowOf(index);
    if (row < 0 || row >= static_cast<int>(shown.schedule.rows.size()) || index.column() >= columnCount())
        return QVariant();
    const NetworkColumn& column = shown.columns[index.column()];
    const CircuitRowResult* result =
        row < static_cast<int>(shown.result.rows.size()) ? &shown.result.rows[row] : nullptr;
    const bool refused = result && !result->error.isEmpty();
    const QString errorColumn = result ? ErrorCellColumn(shown.schedule, row, result->errorColumn) : QString();
    const bool errorCell = refused
        && (errorColumn.isEmpty()
                ? !column.upstream && column.info.column == CircuitColumn::Id
                : NetworkColumnName(column) && errorColumn == QLatin1String(NetworkColumnName(column)));
    const bool index_ = result && result->error.isEmpty() && result->totals.index;
    switch (role) {
    case Qt::DisplayRole:
        if (column.upstream)
            return CellOf(shown.schedule, row, "upstream").trimmed();
        return CircuitCellText(shown.schedule, shown.result, row, column.info, true);
    case Qt::EditRole: {
        if (!column.upstream && column.info.column == CircuitColumn::Size) {
            const QString size = SizeCellText(shown.schedule, row);
            return size.isEmpty() ? QStringLiteral("Auto") : size;
        }
        return CellOf(shown.schedule, row, NetworkColumnName(column));
    }
    case Qt::ToolTipRole:
        return refused ? result->error : QVariant();
    case Qt::FontRole:
        if (index_) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    case Qt::ForegroundRole:
        if (errorCell)
            return colours.errorText;
        return index_ ? QVariant(colours.index) : QVariant();
    case Qt::BackgroundRole:
        return errorCell ? QVariant(colours.errorBackground) : QVariant();
    case Qt::TextAlignmentRole: {
        const bool text = column.upstream || column.info.column == CircuitColumn::Id
            || column.info.column == CircuitColumn::Fittings || column.info.column == CircuitColumn::Fixed
            || column.info.column == CircuitColumn::Size || column.info.column == CircuitColumn::ChosenSize;
        return QVariant::fromValue(Qt::AlignVCenter | (text ? Qt::AlignLeft : Qt::AlignRight));
    }
    default:
        return QVariant();
    }
}

QVariant CircuitModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return NetworkColumnTitle(shown.columns[section], shown.water);
    return QVariant();
}

Qt::ItemFlags CircuitModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() >= columnCount())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (NetworkColumnEditable(shown.columns[index.column()]))
        flags |= Qt::ItemIsEditable;
    return flags;
}

bool CircuitModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    const int row = RowOf(index);
    if (role != Qt::EditRole || row < 0 || !(flags(index) & Qt::ItemIsEditable))
        return false;
    const QString text = value.toString();
    const char* column = NetworkColumnName(shown.columns[index.column()]);
    if (text == data(index, Qt::EditRole).toString())
        return true;
    // Applied once the editor has closed: the edit may reshape the tree.
    QTimer::singleShot(0, this, [this, row, column, text] {
        if (edited)
            edited(row, column, text);
    });
    return true;
}
