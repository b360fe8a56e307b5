#pragma once

#include <QString>

#include "engines/circuit.h"

// How a sized circuit is written: the same digits in every front end.
// Losses with 1 decimal, zeta with 2, "." as the decimal point (the windows
// show "," in its place).

// A row's results under those names, after its `sizing` fields: reserve only
// at an end, nothing but the error for a refused row.
CalcFields CircuitRowFields(const CircuitRowResult& row);

// A circuit's summary: root, flow (empty when the root is refused),
// index_end, path (ids joined by " > "), head and, for water, head_kpa and
// head_mce (2 decimals); error in place of index_end, path and the head when
// they are not computed.
CalcFields CircuitSummaryFields(const CircuitResult& result, const CircuitSummary& circuit);

// The ids from the root to the index end.
QStringList CircuitPathIds(const CircuitResult& result, const CircuitSummary& circuit);

// « Circuit le plus défavorisé : T1 › T2 › R1 — 5 058,5 mmCE (49,62 kPa ;
// 5,06 mCE) — débit 1 850 L/h » (air: « — 412,3 Pa — débit 2 400 m³/h »), or
// the reason it is not computed.
QString IndexCircuitLine(const CircuitResult& result, const CircuitSummary& circuit);
