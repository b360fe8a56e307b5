#pragma once

#include <QString>
#include <vector>

#include "engines/circuit.h"

// « Copier »: the network table as the clipboard's text for a spreadsheet.
// A header line with the column titles, then one line per row, cells
// separated by tabs, "," as the decimal point, lines ended by "\n". A tab or
// a line break inside a cell becomes a blank, so every cell stays in its
// column. `rows` lists the rows to copy in the order given; empty: all rows.
QString CircuitCopyText(const CircuitSchedule& schedule, const CircuitResult& result, bool water,
                        const std::vector<int>& rows);
