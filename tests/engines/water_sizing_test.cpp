#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "engines/pipe_library.h"
#include "engines/water_sizing.h"
#include "physics/friction.h"
#include "physics/internal_data.h"
#include "physics/water_properties.h"
#include "support/test_libraries.h"

namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float Skip = std::numeric_limits<float>::quiet_NaN();  // a figure the row does not check
constexpr auto F = EntryMode::FlowEntered, P = EntryMode::PowerEntered;
constexpr auto Sized = SizingStatus::Sized, NotAvailable = SizingStatus::NotAvailable,
               Infinite = SizingStatus::Infinite, Nothing = SizingStatus::NothingToSize;
constexpr auto Kept = WaterDiameterShown::Kept, Blank = WaterDiameterShown::NotAvailable,
               Shown = WaterDiameterShown::Shown;

// The water tab as the program opens it with the stored defaults.
WaterSizingInputs StartInputs()
{
    WaterSizingInputs in;
    in.flowTemperature = 90.0f;    // [degC]
    in.returnTemperature = 70.0f;  // [degC]
    in.antifreezePercent = 30;     // [%]
    in.flow = 100.0f;              // [L/h]
    in.power = 2317.0f;            // [W]
    in.oversizingPercent = 20.0f;  // [%]
    in.limit = 18.0f;              // [mmCE/m]
    in.copyOn = true;
    return in;
}

// The first search step beyond `d` [mm], the running 0.1 mm sum the search takes.
float StepBeyond(float d)
{
    float step = 0.0f;
    while (step <= d)
        step += 0.1f;
    return step;
}

void ExpectNear(float got, float wanted, float tolerance, const char* figure, const std::string& what)
{
    if (!std::isnan(wanted)) {
        EXPECT_NEAR(got, wanted, tolerance) << what << ": " << figure;
    }
}

TEST(WaterSizing, SizesEveryModeAndEntry)
{
    const PipeLibrary copper = Copper();
    const PipeLibrary rough = Copper(0.045f);
    const PipeLibrary small = WithSizes({Row("6", 6.0f), Row("8", 8.0f)});
    const PipeLibrary inactiveLarge = WithSizes({Row("4", 4.0f), Row("6", 6.0f, false), Row("8", 8.0f, false)});
    const PipeLibrary trailingInactive = WithSizes({Row("8", 8.0f), Row("10", 10.0f, false), Row("12", 12.0f, false)});
    const PipeLibrary nearBelow = WithSizes({Row("near", 10.295f), Row("next", 16.0f)});
    const PipeLibrary farBelow = WithSizes({Row("near", 10.28f), Row("next", 16.0f)});
    const PipeLibrary velocityNear = WithSizes({Row("near", 5.425f), Row("next", 16.0f)});
    struct Case {
        const char* what;
        int mode;
        EntryMode entry;
        float flow, power, limit;  // Q [L/h], P [W], j_max [mmCE/m] or v_max [m/s]
        float supply, back;        // [degC]
        int imposed;
        const PipeLibrary* library;
        SizingStatus status;
        WaterDiameterShown diameter;
        int size;                 // index, -1 none
        float d, v, j;            // expected D [mm], v [m/s], j [mmCE/m]
        float outFlow, outPower;  // Q [L/h], P [W] of the outcome
    };
    // clang-format off
    const Case cases[] = {
        // 100 L/h at 90/70 degC: 20 K x 100 / 0.863 = 2317.5 W; D 10.3 mm, 14 inactive so 15 (13.0 mm).
        {"start-up defaults", ModeMaxPressureDrop, F, 100, 0, 18, 90, 70, 0, &copper, Sized, Shown, 3, StepBeyond(10.25f), 0.2093f, 5.74f, 100, 2317.5f},
        {"rougher pipe stops later", ModeMaxPressureDrop, F, 100, 0, 18, 90, 70, 0, &rough, Sized, Shown, 3, StepBeyond(10.55f), 0.2093f, Skip, 100, Skip},
        {"1000 L/h", ModeMaxPressureDrop, F, 1000, 0, 18, 90, 70, 0, &copper, Sized, Shown, 7, StepBeyond(23.85f), Skip, Skip, 1000, 23174.97f},
        // A = 100 / 1000 / 1.2 / 3600 m2: D = 5.43 mm; 8 mm: 0.55 m/s.
        {"velocity mode at 1.20 m/s", ModeMaxVelocity, F, 100, 0, 1.2f, 90, 70, 0, &copper, Sized, Shown, 0, 5.43f, 0.5526f, Skip, 100, Skip},
        {"velocity mode: smallest size slow enough", ModeMaxVelocity, F, 10, 0, 1.2f, 90, 70, 0, &copper, Sized, Shown, 0, 1.72f, 0.0553f, Skip, 10, 231.75f},
        {"pressure drop: beyond the last size", ModeMaxPressureDrop, F, 100, 0, 18, 90, 70, 0, &small, NotAvailable, Shown, -1, StepBeyond(10.25f), Skip, Skip, 100, Skip},
        {"velocity: beyond the last size", ModeMaxVelocity, F, 1000, 0, 0.1f, 90, 70, 0, &copper, NotAvailable, Shown, -1, 59.47f, Skip, Skip, 1000, Skip},
        {"pressure drop: nothing fits up to 3000 mm", ModeMaxPressureDrop, F, 1e11f, 0, 1, 90, 70, 0, &copper, NotAvailable, Blank, -1, Skip, Skip, Skip, 1e11f, Skip},
        {"velocity: only inactive sizes large enough", ModeMaxVelocity, F, 100, 0, 1.2f, 90, 70, 0, &inactiveLarge, Nothing, Kept, -1, Skip, Skip, Skip, 100, 2317.5f},
        {"trailing inactive sizes: D past the last size", ModeMaxPressureDrop, F, 100, 0, 18, 90, 70, 0, &trailingInactive, NotAvailable, Shown, -1, StepBeyond(12.0f), Skip, Skip, 100, Skip},
        {"0.005 mm below D is taken", ModeMaxPressureDrop, F, 100, 0, 18, 90, 70, 0, &nearBelow, Sized, Shown, 0, Skip, Skip, Skip, 100, Skip},
        {"0.02 mm below D is not", ModeMaxPressureDrop, F, 100, 0, 18, 90, 70, 0, &farBelow, Sized, Shown, 1, Skip, Skip, Skip, 100, Skip},
        {"velocity mode: 0.005 mm below is too fast", ModeMaxVelocity, F, 100, 0, 1.2f, 90, 70, 0, &velocityNear, Sized, Shown, 1, Skip, Skip, Skip, 100, Skip},
        {"imposed inactive size 14 (12.0 mm)", ModeImposedSize, F, 100, 0, 0, 90, 70, 2, &copper, Sized, Shown, 2, 12.0f, 0.2456f, Skip, 100, Skip},
        // 2317 W x 0.863 / 20 K = 99.98 L/h, sized unrounded: 5.73 mmCE/m rather than 5.74.
        {"power entered", ModeMaxPressureDrop, P, 0, 2317, 18, 90, 70, 0, &copper, Sized, Shown, 3, Skip, 0.2093f, 5.73f, 99.978f, 2317},
        {"equal temperatures, flow entered: zero power", ModeMaxPressureDrop, F, 100, 0, 18, 90, 90, 0, &copper, Sized, Shown, 3, Skip, 0.2093f, Skip, 100, 0},
        {"equal temperatures, power entered, mode 0", ModeMaxPressureDrop, P, 0, 2317, 18, 90, 90, 0, &copper, Infinite, Blank, -1, Skip, Skip, Skip, Skip, 2317},
        {"equal temperatures, power entered, mode 1", ModeImposedSize, P, 0, 2317, 18, 90, 90, 0, &copper, Infinite, Kept, -1, Skip, Skip, Skip, Skip, 2317},
        {"equal temperatures, power entered, mode 2", ModeMaxVelocity, P, 0, 2317, 1.2f, 90, 90, 0, &copper, Infinite, Blank, -1, Skip, Skip, Skip, Skip, 2317},
        {"unknown mode", 3, F, 100, 0, 18, 90, 70, 0, &copper, Nothing, Kept, -1, Skip, Skip, Skip, Skip, Skip},
        {"zero flow", ModeMaxPressureDrop, F, 0, 0, 18, 90, 70, 0, &copper, Nothing, Kept, -1, Skip, Skip, Skip, 0, Skip},
        {"zero power", ModeMaxPressureDrop, P, 0, 0, 18, 90, 70, 0, &copper, Nothing, Kept, -1, Skip, Skip, Skip, Skip, 0},
        {"infinite flow, mode 0", ModeMaxPressureDrop, F, Inf, 0, 18, 90, 70, 0, &copper, NotAvailable, Blank, -1, Skip, Skip, Skip, Inf, Inf},
        {"infinite flow, mode 1", ModeImposedSize, F, Inf, 0, 18, 90, 70, 0, &copper, NotAvailable, Kept, -1, Skip, Skip, Skip, Inf, Inf},
        {"infinite power, mode 2", ModeMaxVelocity, P, 0, Inf, 1.2f, 90, 70, 0, &copper, NotAvailable, Blank, -1, Skip, Skip, Skip, Skip, Inf},
        // At 0 K the fluid is no number: the sizes by velocity hold, not their gradient.
        {"mean at 0 K, mode 0", ModeMaxPressureDrop, F, 100, 0, 18, -273.15f, -273.15f, 0, &copper, NotAvailable, Blank, -1, Skip, Skip, Skip, 100, Skip},
        {"mean at 0 K, mode 1", ModeImposedSize, F, 100, 0, 18, -273.15f, -273.15f, 0, &copper, Sized, Shown, 0, 8.0f, 0.5526f, Skip, 100, Skip},
        {"mean at 0 K, mode 2", ModeMaxVelocity, F, 100, 0, 1.2f, -273.15f, -273.15f, 0, &copper, Sized, Shown, 0, 5.43f, 0.5526f, Skip, 100, Skip},
        {"imposed size outside the list", ModeImposedSize, F, 100, 0, 18, 90, 70, 99, &copper, Nothing, Kept, -1, Skip, Skip, Skip, Skip, Skip},
    };
    // clang-format on
    for (const Case& c : cases) {
        WaterSizingInputs in = StartInputs();
        in.mode = c.mode;
        in.entryMode = c.entry;
        in.flow = c.flow;
        in.power = c.power;
        in.limit = c.limit;
        in.flowTemperature = c.supply;
        in.returnTemperature = c.back;
        in.imposedSize = c.imposed;
        const WaterOutcome out = SizeWater(in, c.library);
        const std::string what = c.what;
        EXPECT_EQ(out.status, c.status) << what;
        EXPECT_EQ(out.diameter, c.diameter) << what;
        EXPECT_EQ(out.size, c.size) << what;
        ExpectNear(out.theoreticalDiameter, c.d, 0.005f, "D", what);
        ExpectNear(out.velocity, c.v, 0.0005f, "v", what);
        ExpectNear(out.gradient, c.j, 0.005f, "j", what);
        if (std::isinf(c.outFlow)) {
            EXPECT_EQ(out.flow, c.outFlow) << what;
        } else {
            ExpectNear(out.flow, c.outFlow, 0.01f, "Q", what);
        }
        if (std::isinf(c.outPower)) {
            EXPECT_FALSE(std::isfinite(out.power)) << what;
        } else {
            ExpectNear(out.power, c.outPower, 0.01f, "P", what);
        }
        EXPECT_EQ(out.copy, c.status == Sized && std::isfinite(out.gradient)) << what;
    }
}

TEST(WaterSizing, StartUpDefaultsGiveTheFluidAtTheMeanTemperature)
{
    const PipeLibrary lib = Copper();
    const WaterOutcome out = SizeWater(StartInputs(), &lib);
    EXPECT_TRUE(out.fluid.known && out.fluid.reynoldsKnown);
    EXPECT_FLOAT_EQ(out.fluid.heatFactor, 0.863f);
    EXPECT_NEAR(out.fluid.density, 979.63f, 0.01f);
    EXPECT_NEAR(out.fluid.kinematicViscosity, 3.863e-7f, 0.001e-7f);
    // The Reynolds number is that of the size shown: 13.0 mm at 0.21 m/s.
    EXPECT_NEAR(out.fluid.reynolds, PipeVelocity(13.0f, 100.0f) * 13.0f * 0.001f / out.fluid.kinematicViscosity, 1.0f);
}

TEST(WaterSizing, PressureDropSearchStopsWhereTheLimitIsMetExactly)
{
    // Find a flow whose gradient at some 0.1 mm step is exactly 18 mmCE/m; the
    // search must stop on that step, not on the next one.
    const float nu = WaterKinematicViscosity(80.0f, 0);
    const float rho = WaterDensity(80.0f, 0);
    InternalDataRecord scratch;
    const float d = StepBeyond(10.25f);  // 10.3 as the search reaches it
    float exactFlow = 0.0f;
    for (float q = 101.5f; q < 103.5f && exactFlow == 0.0f; q = std::nextafter(q, 200.0f)) {
        if (WaterPressureGradient(d, PipeVelocity(d, q), 0.0015f, nu, rho, scratch) == 18.0f)
            exactFlow = q;
    }
    ASSERT_NE(exactFlow, 0.0f) << "no flow gives exactly 18 mmCE/m at 10.3 mm";
    WaterSizingInputs in = StartInputs();
    in.flow = exactFlow;
    const PipeLibrary lib = Copper();
    EXPECT_EQ(SizeWater(in, &lib).theoreticalDiameter, d);
}

TEST(WaterSizing, OversizingAndAntifreezeSetThePowerAndTheFluid)
{
    struct Case {
        EntryMode entry;
        bool oversizing, antifreeze;
        int8_t percent;    // antifreeze [%]
        float power;       // entered P [W]
        float extra;       // S [W]
        float total;       // P of the outcome [W]
        float flow;        // Q [L/h]
        float heatFactor;  // f [kg.K/Wh]
    };
    // 30/10 degC: mean 20 degC, 20 K.
    // clang-format off
    const Case cases[] = {
        // 1001 W + 50 %: 1501.5 W, the flow from the total as shown (1502): 1502 x 0.863 / 20 = 64.81 L/h.
        {P, true, false, 0, 1001, 500.5f, 1501.5f, 64.8113f, 0.863f},
        {P, true, false, 0, 0, 0, 0, Skip, 0.863f},
        {P, true, false, 0, 3e38f, Inf, Inf, Skip, 0.863f},  // beyond the float range: not available               // a zero power still refreshes the oversizing
        {F, true, false, 0, 1001, 0, 2317.5f, 100, 0.863f},       // no oversizing with the flow entered
        {F, false, false, 40, 0, 0, 2317.5f, 100, 0.863f},        // the share is ignored while off
        {F, false, true, 0, 0, 0, 2333, 100, WaterHeatFactor(20.0f, 0)},
        {F, false, true, 33, 0, 0, 2011, 100, WaterHeatFactor(20.0f, 33)},
    };
    // clang-format on
    for (const Case& c : cases) {
        WaterSizingInputs in = StartInputs();
        in.flowTemperature = 30.0f;
        in.returnTemperature = 10.0f;
        in.entryMode = c.entry;
        in.power = c.power;
        in.oversizingOn = c.oversizing;
        in.oversizingPercent = 50.0f;
        in.antifreezeOn = c.antifreeze;
        in.antifreezePercent = c.percent;
        const PipeLibrary lib = Copper();
        const WaterOutcome out = SizeWater(in, &lib);
        const std::string what = std::to_string(c.power) + " W, " + std::to_string(c.percent) + " %";
        EXPECT_EQ(out.oversized, c.entry == P && c.oversizing) << what;
        EXPECT_FLOAT_EQ(out.oversizingPower, c.extra) << what;
        if (std::isinf(c.total)) {
            EXPECT_EQ(out.power, c.total) << what;
            EXPECT_EQ(out.status, NotAvailable) << what;
        } else {
            EXPECT_NEAR(out.power, c.total, 0.5f) << what;
        }
        ExpectNear(out.flow, c.flow, 0.001f, "Q", what);
        EXPECT_EQ(out.fluid.heatFactor, c.heatFactor) << what;
        EXPECT_EQ(out.fluid.density, WaterDensity(20.0f, c.antifreeze ? c.percent : int8_t{0})) << what;
    }
}

TEST(WaterSizing, TheFluidReachedIsRecordedTheRestKept)
{
    PipeLibrary empty = Copper();
    empty.sizes.clear();
    const PipeLibrary copper = Copper();
    WaterSizingInputs zeroFlow = StartInputs();
    zeroFlow.flow = 0.0f;
    WaterSizingInputs outside = StartInputs();
    outside.mode = ModeImposedSize;
    outside.imposedSize = 99;
    const struct {
        const char* what;
        WaterSizingInputs in;
        const PipeLibrary* library;
        SizingStatus status;
        bool fluid, reynolds;
    } cases[] = {
        {"no library", StartInputs(), nullptr, Nothing, false, false},
        {"no sizes", StartInputs(), &empty, NotAvailable, false, false},
        {"imposed size outside the list", outside, &copper, Nothing, false, false},
        {"zero flow", zeroFlow, &copper, Nothing, true, false},
        {"sized", StartInputs(), &copper, Sized, true, true},
    };
    for (const auto& c : cases) {
        const WaterOutcome out = SizeWater(c.in, c.library);
        EXPECT_EQ(out.status, c.status) << c.what;
        InternalDataRecord shown{1.0f, 2.0f, 3.0f, 4.0f, 5.0f};
        RecordWaterFluid(out.fluid, shown);
        EXPECT_EQ(shown.density != 1.0f, c.fluid) << c.what;
        EXPECT_EQ(shown.heatFactor != 5.0f, c.fluid) << c.what;
        EXPECT_EQ(shown.reynolds != 3.0f, c.reynolds) << c.what;
        EXPECT_EQ(shown.atmosphericPressure, 4.0f) << c.what;
    }
}

TEST(WaterSizing, CopiedOnlyWithTheSwitchOn)
{
    const PipeLibrary lib = Copper();
    WaterSizingInputs in = StartInputs();
    in.copyOn = false;
    EXPECT_FALSE(SizeWater(in, &lib).copy);
}

TEST(WaterSizing, VelocityInAPipe)
{
    // 100 L/h in 13 mm: 1/36000 m3/s over 1.3273e-4 m2
    EXPECT_NEAR(PipeVelocity(13.0f, 100.0f), 0.20928f, 1e-5f);
    EXPECT_NEAR(PipeVelocity(8.0f, 100.0f), 0.55262f, 1e-5f);
}

}  // namespace
