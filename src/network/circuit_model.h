#pragma once

#include <QAbstractItemModel>
#include <QColor>
#include <QPalette>
#include <functional>

#include "network/circuit_tree.h"
#include "network/network_columns.h"

// What the table shows at one moment: the rows as typed, their results and
// the tree their upstream ids make.
struct ShownCircuit {
    CircuitSchedule schedule;
    CircuitResult result;
    CircuitTree tree;
    bool water = true;
    std::vector<NetworkColumn> columns;
};

// The index circuit's text and a refused cell's colours, chosen for the
// palette's base so that the text keeps a contrast of at least 4.5:1.
struct TableColours {
    QColor index;
    QColor errorBackground, errorText;
};
TableColours TableColoursFor(const QPalette& palette);

// The table's model over a ShownCircuit; an index's internal id is its
// schedule row. The user's edits go to `edited` once the editor has closed
// (queued), the window then shows the circuit they give.
class CircuitModel : public QAbstractItemModel {
    Q_OBJECT
public:
    ShownCircuit shown;
    TableColours colours;
    std::function<void(int row, const char* column, const QString& text)> edited;

    // A reset when the rows, their tree or the columns changed (true), else
    // every cell refreshed in place.
    bool Show(ShownCircuit circuit);
    QModelIndex IndexOfRow(int row, int column) const;
    static int RowOf(const QModelIndex& index);

    QModelIndex index(int row, int column, const QModelIndex& parent = QModelIndex()) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
};
