#include <gtest/gtest.h>

#include "base/typed_sum.h"

namespace {

TEST(EvaluateSumTest, TotalsOfTypedExpressions)
{
    const struct {
        const char* text;
        int total;
    } cases[] = {
        {"100+250-50", 300},
        {"100-250", SumNegative},
        {"", 0},
        {"+", 0},
        {"-", 0},
        {"250", 250},
        {"007+3", 10},
        {"100++50", 150},  // an empty term counts 0
        {"100+", 100},
        {"5-", 5},
        {"-5", SumNegative},
        {"0-0", 0},
        {"2147483647", 2147483647},
        {"2147483647+1", SumTooLarge},
        {"2147483647+1-1", 2147483647},
        {"3000000000-2000000000", 1000000000},
        {"99999999999999999999999", SumTooLarge},
        {"1-99999999999999999999999", SumTooLarge},
        {"9999999999999999999", SumTooLarge},  // a term beyond 64 bits, not a wrapped one
        {"92233720368547758180", SumTooLarge},
        {"1-9223372036854775807-9223372036854775807", SumTooLarge},
        {"00000000000000000000000012+1", 13},
        {"Infini+5", 5},  // the program's own words count for nothing
        {"N/A", 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(EvaluateSum(QString::fromLatin1(c.text)), c.total) << c.text;
}

}  // namespace
