#pragma once

#include <QString>
#include <QUndoStack>
#include <functional>

#include "engines/circuit.h"
#include "engines/section_options.h"

// What the user edits in the network window: the rows as typed and the rules
// at the top ("kind", library, mode...), undone and redone together.
struct NetworkInputs {
    CircuitSchedule schedule;
    SectionOptions rules;
};

// The edits, each on a copy: the inputs after it and the row to make current
// (-1: none).

// A cell as typed. A new id is carried to the rows downstream that named the
// old one; an upstream id naming a later row moves the row and its downstream
// rows after that row's own, so that every row stays after its upstream; a
// flow clears the power and a power the flow; « Taille » ("size") imposes
// the row's size as SetSizeCell does.
NetworkInputs WithCell(const NetworkInputs& in, int row, const char* column, const QString& text, int& current);

// A new row named "T<n>" (the first n not taken), downstream of `selected`
// or beside it (the same upstream), after the rows downstream of `selected`;
// at the end as a new root when nothing is selected.
NetworkInputs WithRowAdded(const NetworkInputs& in, int selected, bool downstream, int& current);

// Without the row and the rows downstream of it.
NetworkInputs WithoutRow(const NetworkInputs& in, int row, int& current);

// The rules' option of that name set (empty text: removed).
NetworkInputs WithRule(const NetworkInputs& in, const char* name, const QString& text);

// One undoable step: `apply` shows `after` (redo) or `before` (undo), with
// the row to make current. Steps of the same `mergeId` (not -1) pushed one
// after the other make one step.
using ApplyInputs = std::function<void(const NetworkInputs& inputs, int current)>;
void PushNetworkEdit(QUndoStack& stack, const QString& text, const NetworkInputs& before, int currentBefore,
                     const NetworkInputs& after, int currentAfter, const ApplyInputs& apply, int mergeId = -1);
