#pragma once

#include <functional>
#include <optional>

// An upward search for the smallest candidate whose value meets a limit
// (value <= limit). The candidates are numbered n = 0..last, ascending; the
// caller says which number each stands for and what its value is. Those up to
// n = scanned are tried one by one, for values that may still rise and fall
// there. Beyond, the value only falls as the candidate grows, so the first one
// within the limit is bracketed by doubling strides from the last one scanned
// and bisected: a few dozen evaluations instead of up to millions, the same
// candidate as a plain scan.
struct BracketedSearch {
    int last = 0;             // n of the largest candidate, the bound
    int scanned = 0;          // n of the largest candidate tried one by one
    bool finiteOnly = false;  // an infinite value never meets the limit either
};

// n of the first candidate within the limit, none when no candidate up to
// `last` is. A value that is not a number never meets the limit. The values
// are asked for in a fixed order, so what one records on the way is the same
// each time; when none meets the limit, the last one asked for is n = last.
std::optional<int> FirstWithinLimit(const BracketedSearch& search, float limit, const std::function<float(int)>& value);
