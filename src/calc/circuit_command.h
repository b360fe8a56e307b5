#pragma once

#include <QIODevice>
#include <QString>

#include "calc/batch.h"
#include "engines/circuit.h"

// Sizes a circuit file and writes it back: each row with its input columns,
// the schedule's result columns, then zeta, the losses, reserve, index and
// error, in CSV on `out` (same separator, byte-order mark kept), then on
// `summary` one short French table per root. With `json`, one document
// {"rows":[...],"circuits":[...]} on `out` instead, and nothing on `summary`.
// `defaults` fill every row's empty cells. Each refused row is also named on
// `messages`. False, with nothing written, when the file is no circuit (no
// header, an unknown column, no "id" column).
bool RunCircuit(const DomainState& data, const FittingCatalogue& catalogue, const SectionOptions& defaults,
                QIODevice& in, QIODevice& out, QIODevice& summary, QIODevice& messages, bool json, BatchCount& count,
                QString& error);
