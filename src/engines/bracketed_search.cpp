#include "engines/bracketed_search.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

std::optional<int> FirstWithinLimit(const BracketedSearch& search, float limit, const std::function<float(int)>& value)
{
    const auto within = [&](int n) {
        const float v = value(n);
        return (!search.finiteOnly || std::isfinite(v)) && v <= limit;
    };
    if (search.last < 0)
        return std::nullopt;
    const int scanned = std::clamp(search.scanned, 0, search.last);
    for (int n = 0; n <= scanned; ++n)
        if (within(n))
            return n;
    int beyond = scanned;  // a candidate known to be outside the limit
    for (int64_t stride = 1; beyond < search.last; stride *= 2) {
        const int probe = beyond + static_cast<int>(std::min<int64_t>(stride, search.last - beyond));
        if (within(probe)) {
            int inside = probe;
            while (inside - beyond > 1) {
                const int middle = beyond + (inside - beyond) / 2;
                if (within(middle))
                    inside = middle;
                else
                    beyond = middle;
            }
            return inside;
        }
        beyond = probe;
    }
    return std::nullopt;
}
