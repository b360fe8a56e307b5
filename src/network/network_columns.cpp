#include "network/network_columns.h"

std::vector<NetworkColumn> NetworkColumns(bool water)
{
    std::vector<NetworkColumn> columns;
    for (const CircuitColumnInfo& info : CircuitColumns(water)) {
        columns.push_back({false, info});
        if (info.column == CircuitColumn::Id)
            columns.push_back({true, info});
    }
    return columns;
}

QString NetworkColumnTitle(const NetworkColumn& column, bool water)
{
    return column.upstream ? QStringLiteral("Amont") : CircuitColumnTitle(column.info.column, water);
}

const char* NetworkColumnName(const NetworkColumn& column)
{
    return column.upstream ? "upstream" : column.info.schedule;
}

bool NetworkColumnEditable(const NetworkColumn& column)
{
    return column.upstream || column.info.editable;
}
