#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <optional>
#include <vector>

#include "engines/bracketed_search.h"

namespace {

constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr float Infinity = std::numeric_limits<float>::infinity();

float Falling(int n)
{
    return 100.0f - static_cast<float>(n);
}

TEST(BracketedSearchTest, FindsWhatAPlainScanFinds)
{
    const struct {
        const char* what;
        BracketedSearch search;
        float limit;
        float (*value)(int);
        std::optional<int> found;
    } cases[] = {
        {"met at the first candidate", {1000, 0, false}, 200.0f, Falling, 0},
        {"met on equality, bracketed", {1000, 0, false}, 63.0f, Falling, 37},
        {"met at the bound itself", {100, 0, false}, 0.0f, Falling, 100},
        {"never met below the bound", {99, 0, false}, 0.0f, Falling, std::nullopt},
        {"scanned values rise and fall", {1000, 10, false}, 0.0f, [](int n) { return n == 6 ? 0.0f : 1.0f; }, 6},
        {"met just past the scanned ones", {1000, 10, false}, 89.0f, Falling, 11},
        {"scanned part cut at the bound", {5, 3000, false}, 0.0f, Falling, std::nullopt},
        {"a wide range near its top", {3355433, 590, false}, -3355000.0f, Falling, 3355100},
        {"not a number never meets", {1000, 10, false}, Infinity, [](int) { return NaN; }, std::nullopt},
        {"not a number, then falling",
         {1000, 0, false},
         400.0f,
         [](int n) { return n < 500 ? NaN : 1000.0f - n; },
         600},
        {"infinite value compared", {1000, 0, false}, 0.0f, [](int) { return -Infinity; }, 0},
        {"infinite value refused", {1000, 0, true}, Infinity, [](int) { return Infinity; }, std::nullopt},
    };
    for (const auto& c : cases) {
        std::vector<int> asked;
        const std::optional<int> found = FirstWithinLimit(c.search, c.limit, [&](int n) {
            asked.push_back(n);
            return c.value(n);
        });
        EXPECT_EQ(found, c.found) << c.what;
        if (!found) {  // as a plain scan would end
            EXPECT_EQ(asked.back(), c.search.last) << c.what;
        }
        const int scanned = std::min(c.search.scanned, c.search.last) + 1;
        EXPECT_LE(asked.size(), scanned + 2 * std::log2(c.search.last + 1.0) + 2) << c.what;
    }
}

}  // namespace
