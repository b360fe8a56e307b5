#pragma once

#include "engines/fittings_catalogue.h"

class QTreeView;
class QWidget;
class CircuitModel;

// A tree view whose Tab and arrows move along the row as in a spreadsheet
// (Tab past the last column goes on to the next row), not down the tree.
QTreeView* NewCircuitView(QWidget* parent);

// The table edited like a spreadsheet: typing in a cell replaces it, F2 edits
// it, Return or Tab takes it; the « Singularités » cell offers the catalogue's
// codes of the circuit's fluid (code, label and value) for its last term.
void SetUpCircuitView(QTreeView* view, CircuitModel* model, const FittingCatalogue* catalogue);

// The fittings offered from now on: water or air.
void SetFittingDomain(QTreeView* view, FittingDomain domain);

// "coude90 — Coude 90° rayon court (ζ 0,9)": how the completion lists a fitting.
QString FittingChoiceText(const Fitting& fitting);
