#pragma once

#include <QString>
#include <vector>

#include "engines/fittings_catalogue.h"

// What a "fittings" cell adds to its section, e.g.
// "coude90*4+te_derivation+vanne*2+0,5": terms joined by "+", blanks around
// them ignored; a catalogue code optionally followed by "*n" (n whole, 1 to
// 999), or a bare decimal ("." or ",") that adds that zeta.
struct FittingUse {
    const Fitting* fitting = nullptr;  // in the catalogue the cell was read with
    int count = 1;                     // n
};
struct FittingTerms {
    double zeta = 0.0;             // sum of n zeta [-], bare numbers included
    std::vector<double> kv;        // Kv [m3/h] of each valve, repeated n times
    double fixedLoss = 0.0;        // sum of n dp of the catalogue's fixed losses [Pa]
    std::vector<FittingUse> used;  // the catalogue entries named, in the cell's order
};

// False, with a French message naming the "fittings" column and the term,
// for a term that is neither a known code nor a number, a count outside 1 to
// 999, or a Kv code on an air section. An empty cell adds nothing.
bool ReadFittingTerms(const QString& text, const FittingCatalogue& catalogue, FittingDomain domain, FittingTerms& terms,
                      QString& error);

// A "fixed" cell: a number ("." or ",", >= 0) and its unit, "Pa", "kPa",
// "mmCE" or "mCE" (case ignored, blanks allowed between), e.g. "10kPa",
// "0,5 mCE". The loss in Pa (1 mmCE = 9.81 Pa, 1 mCE = 1000 mmCE). An empty
// cell is 0. False, with a French message naming the "fixed" column and
// listing the units, otherwise (a number without a unit included).
bool ReadFixedLoss(const QString& text, double& pascals, QString& error);
