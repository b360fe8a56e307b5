#pragma once

#include <vector>

// A circuit's pressure losses on numbers: each section's losses from the
// figures its sizing found, then the sums along the tree. Everything in
// double; water losses in mmCE (1 mmCE = 9.81 Pa), air losses in Pa.

inline constexpr double PascalsPerMmCE = 9.81;  // [Pa/mmCE], the program's constant

// One section's figures, as its sizing found them.
struct SectionLossInputs {
    bool water = true;
    double velocity = 0.0;   // v : mean velocity [m/s]
    double density = 0.0;    // rho : fluid density [kg/m3]
    double gradient = 0.0;   // j : pressure gradient, unrounded [mmCE/m water, Pa/m air]
    double length = 0.0;     // L : developed length [m]
    double zeta = 0.0;       // sum of n zeta [-]
    std::vector<double> kv;  // Kv [m3/h] of each valve (water)
    double flow = 0.0;       // Q : the section's flow as shown [L/h] (for the Kv terms)
    double fixedLoss = 0.0;  // catalogue dp terms and the "fixed" cell [Pa]
};

// Losses of one section [mmCE water, Pa air].
struct SectionLosses {
    double linear = 0.0;    // j L
    double singular = 0.0;  // sum zeta rho v^2 / 2
    double other = 0.0;     // Kv terms 1e5 (Q/1000/Kv)^2 rho/1000 Pa, plus the fixed losses
    double total = 0.0;     // linear + singular + other
};
SectionLosses SectionLossesOf(const SectionLossInputs& in);

// One section of the tree: `upstream` is the index of an earlier section, or
// -1 for a root; a refused section (or one downstream of it) has no losses.
struct TreeSection {
    int upstream = -1;
    bool refused = false;
    double total = 0.0;  // its own total loss [mmCE or Pa]
};

struct TreeSectionTotals {
    bool computed = false;    // false: refused, or downstream of a refused section
    bool end = false;         // no section downstream
    double cumulative = 0.0;  // from the root to the end of this section [mmCE or Pa]
    double reserve = 0.0;     // ends: head - cumulative [mmCE or Pa]
    bool index = false;       // on the path from the root to the index end
    bool balanced = false;    // its circuit was computed: reserve and index hold
};

// One independent circuit, from one root.
struct TreeCircuit {
    int root = -1;
    bool computed = false;  // false: a section of it was refused
    int indexEnd = -1;      // the end of largest cumulative loss, the first in order on a tie
    double head = 0.0;      // the index end's cumulative loss [mmCE or Pa]
    std::vector<int> path;  // sections from the root to the index end
};

struct TreeTotals {
    std::vector<TreeSectionTotals> sections;  // in the order given
    std::vector<TreeCircuit> circuits;        // in the order of their roots
};

// The sections must name only earlier sections upstream.
TreeTotals SumCircuitTree(const std::vector<TreeSection>& sections);
