#pragma once

#include <QString>

#include "engines/circuit.h"

// The « Taille » cell of a row: « Auto » (empty) or the size imposed on it.
// Water imposes a size of its library ("size"); air imposes a duct of its
// own shape whatever the circuit's: a diameter ("diameter") or sides A × B
// ("side-a", "side-b"), typed and shown "400x200". Either sizes its row in
// mode "dn".

// The cell as the table shows it; empty for « Auto ». A row turned from one
// fluid to the other shows the size it still has, which its sizing refuses.
QString SizeCellText(const CircuitSchedule& schedule, int row);

// The row with `typed` imposed ("Auto" or empty: none), the other fluid's
// size gone. Written as typed, so that a bad size stays in view and is
// refused by the row's sizing.
void SetSizeCell(CircuitSchedule& schedule, int row, bool water, const QString& typed);

// Whether the row is sized on a size of its own (mode "dn" and a size).
bool HasImposedSize(const CircuitSchedule& schedule, int row);

// The schedule column whose cell shows the row's error: "size" (« Taille »)
// for the options an imposed size writes, `errorColumn` otherwise.
QString ErrorCellColumn(const CircuitSchedule& schedule, int row, const QString& errorColumn);
