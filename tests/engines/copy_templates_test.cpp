#include <gtest/gtest.h>

#include "engines/copy_templates.h"

namespace {

const WaterCopyTexts Water = {"100", "2317", "12", "5.74", "0.21", QString::fromUtf8("Ø"), "Cu"};
const AirCopyTexts Air = {"100", QString::fromUtf8("Ø125"), "0.65", "2.26"};

TEST(CopyTemplates, WaterVariables)
{
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"%d-%n.%c", "100L/h-Cu.Ø12"},
        {"%w %p %v", "2317W 5.74mmCE/m 0.21m/s"},
        {"%d/%d", "100L/h/100L/h"},
        {"%D %N %x 100%", "%D %N %x 100%"},
        {"", ""},
        {"sans variable", "sans variable"},
        {"%%dd", "%100L/hd"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillWaterTemplate(QString::fromUtf8(c.pattern), Water), QString::fromUtf8(c.expected)) << c.pattern;
}

TEST(CopyTemplates, EachVariableWorksOnWhatThePreviousOnesLeft)
{
    WaterCopyTexts odd = Water;
    odd.size = "%p";  // a designation that reads like a later variable
    EXPECT_EQ(FillWaterTemplate("%c", odd), QString::fromUtf8("Ø5.74mmCE/m"));
    odd = Water;
    odd.abbreviation = "%d";  // %n comes last: nothing replaces its text again
    EXPECT_EQ(FillWaterTemplate("%n", odd), "%d");
}

TEST(CopyTemplates, AirVariables)
{
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {"%d-%c", "100m3/h-Ø125"},
        {"%w-%n-%d", "%w-%n-100m3/h"},
        {"%p %v", "0.65Pa/m 2.26m/s"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillAirTemplate(QString::fromUtf8(c.pattern), Air), QString::fromUtf8(c.expected)) << c.pattern;
}

TEST(CopyTemplates, DrainageVariables)
{
    const DrainageCopyTexts drainage = {"2.45", "100", "77", QString::fromUtf8("Ø"), "PVC"};
    struct Case {
        const char* pattern;
        const char* expected;
    };
    const Case cases[] = {
        {DrainageTemplate, "2.45l/s-PVC.Ø100"},
        {"%r %r", "77% 77%"},
        {"%w %p %v", "%w %p %v"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FillDrainageTemplate(QString::fromUtf8(c.pattern), drainage), QString::fromUtf8(c.expected))
            << c.pattern;
}

}  // namespace
