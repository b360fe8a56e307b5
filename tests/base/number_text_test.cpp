#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "base/number_text.h"

namespace {

struct DecimalCase {
    const char* text;
    double value;
};

TEST(TextNumbers, LeadingDecimalReadsOnlyTheLeadingNumber)
{
    const DecimalCase cases[] = {
        {"12.5", 12.5},
        {"  3.25abc", 3.25},
        {"\t-0.5", -0.5},
        {".5", 0.5},
        {"+7", 7.0},
        {"12.", 12.0},
        {"0,15", 0.0},
        {"abc", 0.0},
        {"", 0.0},
        {"-", 0.0},
        {".", 0.0},
        {"- 5", 0.0},
        {" 1 2", 1.0},
        {"1e3", 1000.0},
        {"2e", 2.0},
        {"2e-", 2.0},
        {"1.5E-1x", 0.15},
        {"0010", 10.0},
        {"\xC2\xA0"
         "5",
         0.0},
    };
    for (const DecimalCase& c : cases)
        EXPECT_DOUBLE_EQ(LeadingDecimal(QString::fromUtf8(c.text)), c.value) << c.text;
}

TEST(TextNumbers, LeadingFloatRoundsOnceToSinglePrecision)
{
    EXPECT_EQ(LeadingFloat(QStringLiteral("0.15")), 0.15f);
    EXPECT_EQ(LeadingFloat(QStringLiteral("0.001")), 0.001f);
    EXPECT_EQ(LeadingFloat(QStringLiteral("979.63")), 979.63f);
    EXPECT_EQ(LeadingFloat(QStringLiteral("1e50")), std::numeric_limits<float>::infinity());
    EXPECT_EQ(LeadingFloat(QStringLiteral("-1e50")), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(LeadingFloat(QStringLiteral("1e-60")), 0.0f);
}

TEST(TextNumbers, TypedFloatTakesADecimalCommaAsThePoint)
{
    const DecimalCase cases[] = {{"7,5", 7.5}, {"7.5", 7.5},   {" 12,25x", 12.25},
                                 {",5", 0.5},  {"1,5,3", 1.5}, {"a,5", 0.0}};
    for (const DecimalCase& c : cases)
        EXPECT_EQ(TypedFloat(QString::fromUtf8(c.text)), static_cast<float>(c.value)) << c.text;
}

struct IntegerCase {
    const char* text;
    int64_t value;
};

TEST(TextNumbers, LeadingIntegerStopsAtTheFirstNonDigit)
{
    const IntegerCase cases[] = {
        {"100", 100},
        {"-5", -5},
        {"+8", 8},
        {"12.7", 12},
        {"  42x", 42},
        {"x42", 0},
        {"", 0},
        {"-", 0},
        {"1320932884", 1320932884},
        {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
        {"9223372036854775807", std::numeric_limits<int64_t>::max()},
        {"99999999999999999999", std::numeric_limits<int64_t>::max()},
        {"-99999999999999999999", std::numeric_limits<int64_t>::min()},
    };
    for (const IntegerCase& c : cases)
        EXPECT_EQ(LeadingInteger(QString::fromUtf8(c.text)), c.value) << c.text;
}

struct CutCase {
    QString text;
    int count;
    QString cut;
};

TEST(TextNumbers, CutTextCountsCharactersAndKeepsSurrogatePairsWhole)
{
    const QString face = QString::fromUtf8("\xF0\x9F\x98\x80");  // one character outside the 16-bit range
    const CutCase cases[] = {
        {QStringLiteral("100"), 2, QStringLiteral("10")},
        {QString::fromUtf8("éØx"), 2, QString::fromUtf8("éØ")},
        {QStringLiteral("12345678901234567890"), 16, QStringLiteral("1234567890123456")},
        {QStringLiteral("short"), 16, QStringLiteral("short")},
        {QStringLiteral("a") + face + QStringLiteral("b"), 2, QStringLiteral("a")},
        {QStringLiteral("a") + face + QStringLiteral("b"), 3, QStringLiteral("a") + face},
        {QStringLiteral("abc"), 0, QString()},
    };
    for (const CutCase& c : cases)
        EXPECT_EQ(CutText(c.text, c.count), c.cut) << c.text.toStdString() << " / " << c.count;
}

}  // namespace
