#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "engines/water_texts.h"
#include "support/test_libraries.h"

namespace {

TEST(WaterTexts, ParseReadsTheFieldsAsTheProgramReadsANumber)
{
    const float inf = std::numeric_limits<float>::infinity();
    struct Case {
        const char *supply, *flow, *antifreeze, *limit;
        int mode;
        float wantedSupply, wantedFlow;  // [degC], [L/h]
        int wantedAntifreeze;            // [%]
        float wantedLimit;               // [mmCE/m] or [m/s]
    };
    // clang-format off
    const Case cases[] = {
        {"12,5", "100", "30", "18", ModeMaxPressureDrop, 12.5f, 100, 30, 18},
        {"12.5", "abc", "", "18.7", ModeMaxPressureDrop, 12.5f, 0, 0, 18},  // the mode 0 limit is whole
        {" 90", "1e39", "300", "300", ModeMaxPressureDrop, 90, inf, 44, 44},  // shares and that limit held in 8 bits
        {"70,5x", "2500 L/h", "-5", "1.20", ModeMaxVelocity, 70.5f, 2500, -5, 1.2f},
        {"", "", "33", "15", ModeImposedSize, 0, 0, 33, 0},  // mode 1 names a size
    };
    // clang-format on
    for (const Case& c : cases) {
        WaterInputTexts texts;
        texts.flowTemperature = c.supply;
        texts.flow = c.flow;
        texts.antifreezePercent = c.antifreeze;
        texts.limit = c.limit;
        texts.mode = c.mode;
        const WaterSizingInputs in = ParseWaterInputs(texts);
        EXPECT_EQ(in.flowTemperature, c.wantedSupply) << c.supply;
        EXPECT_EQ(in.flow, c.wantedFlow) << c.flow;
        EXPECT_EQ(in.antifreezePercent, c.wantedAntifreeze) << c.antifreeze;
        EXPECT_EQ(in.limit, c.wantedLimit) << c.limit;
    }
}

TEST(WaterTexts, FormatWritesWhatTheRunReached)
{
    const PipeLibrary copper = Copper();
    const float nan = std::numeric_limits<float>::quiet_NaN(), inf = std::numeric_limits<float>::infinity();
    const auto F = EntryMode::FlowEntered, P = EntryMode::PowerEntered;
    const auto Kept = WaterDiameterShown::Kept, Blank = WaterDiameterShown::NotAvailable,
               Shown = WaterDiameterShown::Shown;
    struct Case {
        SizingStatus status;
        int mode;
        EntryMode entry;
        bool derived, oversized;
        float flow, power, extra;  // Q [L/h], P [W], S [W]
        int size;
        WaterDiameterShown diameter;
        float d, v, j;       // D [mm], v [m/s], j [mmCE/m]
        const char* wanted;  // flow power extra total size D v j; "-" not written
    };
    // clang-format off
    const Case cases[] = {
        {SizingStatus::Sized, ModeMaxPressureDrop, F, true, false, 100, 2317.49f, 0, 3, Shown, 10.3f, 0.20928f, 5.7351f, "- 2317 - - 15 10.3 0.21 5.74"},
        {SizingStatus::Sized, ModeMaxVelocity, P, true, true, 64.81f, 1501.5f, 500.5f, 0, Shown, 5.4321f, 0.5526f, 61.0f, "65 - 501 1502 10 5.43 0.55 61.00"},
        {SizingStatus::Sized, ModeImposedSize, F, true, false, 100, 0, 0, 2, Shown, 12.0f, 0.2456f, nan, "- 0 - - 14 12.00 0.25 N/A"},
        {SizingStatus::Infinite, ModeImposedSize, P, true, false, inf, 2317, 0, -1, Kept, 0, 0, 0, "Infini - - - N/A - N/A N/A"},
        {SizingStatus::NotAvailable, ModeMaxVelocity, F, true, false, 1000, 23174.97f, 0, -1, Shown, 59.47f, 0, 0, "- 23175 - - N/A 59.5 N/A N/A"},
        {SizingStatus::NotAvailable, ModeMaxVelocity, F, true, false, 1000, 23174.97f, 0, -1, Shown, inf, 0, 0, "- 23175 - - N/A N/A N/A N/A"},
        {SizingStatus::NotAvailable, ModeMaxPressureDrop, P, true, true, nan, inf, inf, -1, Blank, 0, 0, 0, "N/A - N/A N/A N/A N/A N/A N/A"},
        {SizingStatus::NothingToSize, ModeMaxPressureDrop, P, false, true, 0, 0, 0, -1, Kept, 0, 0, 0, "- - 0 0 - - - -"},
        {SizingStatus::NothingToSize, 3, F, false, false, 0, 0, 0, -1, Kept, 0, 0, 0, "- - - - - - - -"},
    };
    // clang-format on
    for (const Case& c : cases) {
        WaterOutcome out;
        out.status = c.status;
        out.mode = c.mode;
        out.entryMode = c.entry;
        out.derived = c.derived;
        out.oversized = c.oversized;
        out.flow = c.flow;
        out.power = c.power;
        out.oversizingPower = c.extra;
        out.size = c.size;
        out.diameter = c.diameter;
        out.theoreticalDiameter = c.d;
        out.velocity = c.v;
        out.gradient = c.j;
        const WaterResultTexts t = FormatWaterResult(out, &copper);
        QStringList got;
        for (const auto* field : {&t.flow, &t.power, &t.oversizingPower, &t.totalPower, &t.size, &t.theoreticalDiameter,
                                  &t.velocity, &t.pressureDrop})
            got << field->value_or(QStringLiteral("-"));
        EXPECT_EQ(got.join(u' ').toStdString(), c.wanted);
        EXPECT_FALSE(t.copy);
    }
}

TEST(WaterTexts, TheCopyTakesTheFiguresAsShown)
{
    const PipeLibrary copper = Copper();
    WaterOutcome out;
    out.status = SizingStatus::Sized;
    out.derived = out.copy = true;
    out.flow = 100.0f;     // [L/h]
    out.power = 2317.49f;  // [W]
    out.size = 3;          // "15"
    out.theoreticalDiameter = 10.3f;
    out.velocity = 0.20928f;  // [m/s]
    out.gradient = 5.7351f;   // [mmCE/m]
    const WaterResultTexts t = FormatWaterResult(out, &copper);
    ASSERT_TRUE(t.copy);
    const WaterCopyTexts& c = t.copyTexts;
    EXPECT_EQ(QStringList({c.flow, c.power, c.size, c.pressureDrop, c.velocity, c.symbol, c.abbreviation}),
              QStringList({"100", "2317", "15", "5.74", "0.21", QString::fromUtf8("Ø"), "Cu"}));
}

}  // namespace
