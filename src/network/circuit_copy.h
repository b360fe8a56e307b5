#pragma once

#include <QString>
#include <vector>

#include "engines/circuit.h"
#include "network/circuit_table.h"

// « Copier »: the network table as the clipboard's text for a spreadsheet.
// The window's columns: those of circuit_table with « Amont » after the id.
// A header line with the column titles, then one line per row, cells
// separated by tabs, "," as the decimal point, lines ended by "\n". A tab or
// a line break inside a cell becomes a blank, so every cell stays in its
// column. `rows` lists the rows to copy in the order given; empty: all rows.
QString CircuitCopyText(const CircuitSchedule& schedule, const CircuitResult& result, bool water,
                        const std::vector<int>& rows);

// « Amont », and a row's upstream id as typed: the column the window adds
// after the id, which the copy and the calculation note repeat.
inline const QString UpstreamTitle = QStringLiteral("Amont");
QString UpstreamText(const CircuitSchedule& schedule, int row);

// A cell as the copy and the calculation note show it: the table's text with
// "," as the decimal point, a length typed with "." included.
QString CommaCellText(const CircuitSchedule& schedule, const CircuitResult& result, int row,
                      const CircuitColumnInfo& info);
