#pragma once

#include <QIODevice>
#include <QString>

#include "calc/calc_data.h"

// The result columns a water or air row adds, in order: flow, power, ...,
// warning (null-terminated).
extern const char* const BatchResultNames[];

struct BatchCount {
    int rows = 0;    // sections read
    int failed = 0;  // of which refused
};

// Sizes a schedule row by row, each written as soon as it is sized: the same
// columns with the results added (a result named like an input column, flow,
// power or size, fills that column) and an "error" column holding why a row
// was refused; with `json`, one JSON object per row instead. Each refused row
// is also named on `messages`. False, with nothing written, when the header
// row is missing or names a column that is neither an option, "kind", "id",
// a result nor "error".
bool RunBatch(const DomainState& data, QIODevice& in, QIODevice& out, QIODevice& messages, bool json, BatchCount& count,
              QString& error);
