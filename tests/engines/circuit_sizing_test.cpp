#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>

#include "engines/circuit_sizing.h"

namespace {

constexpr double Pi = 3.14159265358979;
// v of 500 L/h in a 16 mm bore: Q / A = (500 / 3 600 000 m3/s) / (pi 0.008^2 m2) = 0.69078 m/s.
const double Velocity500 = 500.0 / 3.6e6 / (Pi * 0.008 * 0.008);

// Worked by hand, each figure to its last shown digit:
//   singular: 4 x 0.9 x 977.8 x 0.69078^2 / 2 = 839.8 Pa = 85.6 mmCE;
//   Kv 1.0 at 300 L/h: 1e5 x 0.3^2 x 0.9778 = 8800.2 Pa = 897.1 mmCE;
//   10 kPa = 10 000 / 9.81 = 1019.4 mmCE; 0.5 mCE = 4905 Pa = 500.0 mmCE;
//   air: 1.5 x 1.2 x 5^2 / 2 = 22.5 Pa, 1.2 Pa/m x 10 m = 12.0 Pa.
TEST(SectionLosses, ReproduceTheHandWorkedRows)
{
    const struct {
        SectionLossInputs in;
        double linear, singular, other;  // [mmCE water, Pa air]
    } cases[] = {
        {{true, Velocity500, 977.8, 36.21, 10.0, 3.6, {}, 500.0, 0.0}, 362.1, 85.6, 0.0},
        {{true, Velocity500, 977.8, 36.21, 10.0, 3.6, {1.0}, 300.0, 0.0}, 362.1, 85.6, 897.1},
        {{true, Velocity500, 977.8, 36.21, 0.0, 0.0, {}, 500.0, 10000.0}, 0.0, 0.0, 1019.4},
        {{true, Velocity500, 977.8, 36.21, 0.0, 0.0, {}, 500.0, 4905.0}, 0.0, 0.0, 500.0},
        {{true, Velocity500, 977.8, 36.21, 0.0, 0.0, {1.0, 1.0}, 300.0, 0.0}, 0.0, 0.0, 1794.1},
        {{false, 5.0, 1.2, 1.2, 10.0, 1.5, {}, 2400.0, 50.0}, 12.0, 22.5, 50.0},
    };
    for (const auto& c : cases) {
        const SectionLosses losses = SectionLossesOf(c.in);
        EXPECT_NEAR(losses.linear, c.linear, 0.05) << c.linear;
        EXPECT_NEAR(losses.singular, c.singular, 0.05) << c.singular;
        EXPECT_NEAR(losses.other, c.other, 0.05) << c.other;
        EXPECT_NEAR(losses.total, c.linear + c.singular + c.other, 0.15) << c.linear;
    }
}

constexpr double None = std::numeric_limits<double>::quiet_NaN();  // not computed, or not an end

// Cumulative losses, reserves and the index path of small trees; losses in
// any unit, added by hand.
TEST(SumCircuitTree, FindsEachCircuitsIndexEndHeadAndReserves)
{
    struct Circuit {
        int root;
        bool computed;
        int indexEnd;
        double head;
        std::vector<int> path;
    };
    const struct {
        const char* what;
        std::vector<TreeSection> sections;
        std::vector<double> cumulative;  // None: not computed
        std::vector<double> reserve;     // None: not an end of a computed circuit
        std::vector<Circuit> circuits;
    } cases[] = {
        {"trunk, branch, three ends",
         {{-1, false, 10}, {0, false, 5}, {1, false, 3}, {1, false, 7}, {0, false, 2}},
         {10, 15, 18, 22, 12},
         {None, None, 4, 0, 10},
         {{0, true, 3, 22, {0, 1, 3}}}},
        {"a tie goes to the first end",
         {{-1, false, 1}, {0, false, 2}, {0, false, 2}},
         {1, 3, 3},
         {None, 0, 0},
         {{0, true, 1, 3, {0, 1}}}},
        {"two roots, rows mixed",
         {{-1, false, 5}, {-1, false, 1}, {0, false, 3}, {1, false, 10}},
         {5, 1, 8, 11},
         {None, None, 0, 0},
         {{0, true, 2, 8, {0, 2}}, {1, true, 3, 11, {1, 3}}}},
        {"a lone root is its own end", {{-1, false, 4}}, {4}, {0}, {{0, true, 0, 4, {0}}}},
        {"a refused row stops the rows below it and its circuit",
         {{-1, false, 10}, {0, true, 0}, {1, false, 3}, {0, false, 4}, {-1, false, 2}},
         {10, None, None, 14, 2},
         {None, None, None, None, 0},
         {{0, false, -1, 0, {}}, {4, true, 4, 2, {4}}}},
    };
    for (const auto& c : cases) {
        const TreeTotals totals = SumCircuitTree(c.sections);
        ASSERT_EQ(totals.sections.size(), c.sections.size()) << c.what;
        for (size_t i = 0; i < c.sections.size(); ++i) {
            const TreeSectionTotals& got = totals.sections[i];
            EXPECT_EQ(got.computed, !std::isnan(c.cumulative[i])) << c.what << " " << i;
            if (got.computed) {
                EXPECT_DOUBLE_EQ(got.cumulative, c.cumulative[i]) << c.what << " " << i;
            }
            EXPECT_EQ(got.end && got.balanced, !std::isnan(c.reserve[i])) << c.what << " " << i;
            if (!std::isnan(c.reserve[i])) {
                EXPECT_DOUBLE_EQ(got.reserve, c.reserve[i]) << c.what << " " << i;
            }
        }
        ASSERT_EQ(totals.circuits.size(), c.circuits.size()) << c.what;
        for (size_t k = 0; k < c.circuits.size(); ++k) {
            const TreeCircuit& got = totals.circuits[k];
            const Circuit& want = c.circuits[k];
            EXPECT_EQ(got.root, want.root) << c.what;
            EXPECT_EQ(got.computed, want.computed) << c.what;
            EXPECT_EQ(got.path, want.path) << c.what;
            if (!want.computed)
                continue;
            EXPECT_EQ(got.indexEnd, want.indexEnd) << c.what;
            EXPECT_DOUBLE_EQ(got.head, want.head) << c.what;
        }
        for (size_t i = 0; i < c.sections.size(); ++i) {
            bool onPath = false;
            for (const Circuit& circuit : c.circuits)
                onPath = onPath || std::count(circuit.path.begin(), circuit.path.end(), int(i)) > 0;
            EXPECT_EQ(totals.sections[i].index, onPath) << c.what << " " << i;
        }
    }
}

}  // namespace
