#pragma once

#include <QString>

// The running sums typed into the flow and power fields: "12+30-5".

// EvaluateSum outcomes that are not totals.
constexpr int SumNegative = -1;
constexpr int SumTooLarge = -2;  // beyond the 32-bit range of a total

// The total of the whole-number terms of "12+30-5"; SumNegative below zero,
// SumTooLarge when it does not fit. Characters other than digits and signs
// count for nothing.
int EvaluateSum(const QString& text);
