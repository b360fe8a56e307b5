#include "engines/circuit_sizing.h"

#include <algorithm>

SectionLosses SectionLossesOf(const SectionLossInputs& in)
{
    // Pressures are worked out in Pa, then given in mmCE for water.
    const double scale = in.water ? 1.0 / PascalsPerMmCE : 1.0;           // [mmCE/Pa] water, [Pa/Pa] air
    const double dynamic = in.density * in.velocity * in.velocity / 2.0;  // rho v^2 / 2 [Pa]
    double valves = 0.0;                                                  // [Pa]
    for (double kv : in.kv) {
        const double ratio = in.flow / 1000.0 / kv;  // Q / Kv, Q in m3/h: its square is the loss [bar] of water
        valves += 1e5 * ratio * ratio * in.density / 1000.0;  // [Pa], for the fluid's relative density
    }
    SectionLosses losses;
    losses.linear = in.gradient * in.length;
    losses.singular = in.zeta * dynamic * scale;
    losses.other = (valves + in.fixedLoss) * scale;
    losses.total = losses.linear + losses.singular + losses.other;
    return losses;
}

TreeTotals SumCircuitTree(const std::vector<TreeSection>& sections)
{
    const int count = static_cast<int>(sections.size());
    TreeTotals totals;
    totals.sections.resize(sections.size());
    std::vector<int> circuitOf(sections.size(), -1);  // index in totals.circuits
    for (int i = 0; i < count; ++i) {
        const TreeSection& section = sections[i];
        TreeSectionTotals& own = totals.sections[i];
        const int up = section.upstream;
        // An upstream that is not an earlier section makes a circuit of its own, never computed.
        const bool root = up < 0 || up >= i;
        if (root) {
            circuitOf[i] = static_cast<int>(totals.circuits.size());
            TreeCircuit circuit;
            circuit.root = i;
            circuit.computed = up < 0;
            totals.circuits.push_back(circuit);
        } else {
            circuitOf[i] = circuitOf[up];
            totals.sections[up].end = false;
        }
        own.end = true;
        own.computed = !section.refused && (up < 0 || (!root && totals.sections[up].computed));
        if (own.computed)
            own.cumulative = (root ? 0.0 : totals.sections[up].cumulative) + section.total;
        if (!own.computed)
            totals.circuits[circuitOf[i]].computed = false;
    }
    for (int i = 0; i < count; ++i) {
        TreeCircuit& circuit = totals.circuits[circuitOf[i]];
        const TreeSectionTotals& own = totals.sections[i];
        if (circuit.computed && own.end && (circuit.indexEnd < 0 || own.cumulative > circuit.head)) {
            circuit.indexEnd = i;
            circuit.head = own.cumulative;
        }
    }
    for (TreeCircuit& circuit : totals.circuits) {
        for (int i = circuit.indexEnd; circuit.computed && i >= 0; i = sections[i].upstream) {
            circuit.path.push_back(i);
            totals.sections[i].index = true;
        }
        std::reverse(circuit.path.begin(), circuit.path.end());
    }
    for (int i = 0; i < count; ++i) {
        const TreeCircuit& circuit = totals.circuits[circuitOf[i]];
        TreeSectionTotals& own = totals.sections[i];
        own.balanced = circuit.computed;
        if (circuit.computed && own.end)
            own.reserve = circuit.head - own.cumulative;
    }
    return totals;
}
