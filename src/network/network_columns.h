#pragma once

#include <QString>
#include <vector>

#include "network/circuit_table.h"

// The window's table: the columns of circuit_table (which « Copier » and the
// calculation note repeat), with « Amont » after the id, where the upstream
// id is typed to hang a row elsewhere in the tree.
struct NetworkColumn {
    bool upstream = false;  // the « Amont » column; `info` is then unused
    CircuitColumnInfo info{};
};

std::vector<NetworkColumn> NetworkColumns(bool water);

QString NetworkColumnTitle(const NetworkColumn& column, bool water);

// The schedule column an input is written to ("upstream" for « Amont »);
// nullptr for a result.
const char* NetworkColumnName(const NetworkColumn& column);

bool NetworkColumnEditable(const NetworkColumn& column);
