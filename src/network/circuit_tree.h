#pragma once

#include <QString>
#include <vector>

#include "engines/circuit.h"

// The tree a circuit's "upstream" ids make, as the table shows it: a row
// hangs under the earlier row its upstream names; a row whose upstream names
// no earlier row (a root, or a mistake the row's error tells) is shown at the
// top level, so that every row is shown once whatever is typed.
struct CircuitTree {
    std::vector<int> parent;                 // schedule row shown above each row, -1 at the top level
    std::vector<int> position;               // each row's place among the rows shown beside it
    std::vector<std::vector<int>> children;  // rows shown under each row, in schedule order
    std::vector<int> roots;                  // rows at the top level, in schedule order
};
CircuitTree BuildCircuitTree(const CircuitSchedule& schedule);

// A cell by column name; empty when the column or the cell is missing.
QString CellOf(const CircuitSchedule& schedule, int row, const char* column);

// Writes a cell, adding its column (empty in every row) when it is missing.
void SetCellOf(CircuitSchedule& schedule, int row, const char* column, const QString& text);

// The row and every row downstream of it, in schedule order.
std::vector<int> RowAndDownstream(const CircuitTree& tree, int row);

// The row of that id (compared as typed, blanks trimmed); -1 when none.
int RowOfId(const CircuitSchedule& schedule, const QString& id);
