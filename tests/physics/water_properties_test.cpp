#include "physics/water_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <type_traits>

enum class WaterQuantity { Density, DynamicViscosity, KinematicViscosity, SpecificHeat, HeatFactor };

static double Evaluate(WaterQuantity q, float t, int8_t percent)
{
    switch (q) {
    case WaterQuantity::Density:
        return WaterDensity(t, percent);
    case WaterQuantity::DynamicViscosity:
        return double(WaterKinematicViscosity(t, percent)) * WaterDensity(t, percent);
    case WaterQuantity::KinematicViscosity:
        return WaterKinematicViscosity(t, percent);
    case WaterQuantity::SpecificHeat:
        return 3.6 / WaterHeatFactor(t, percent);  // [kJ/(kg.K)]
    case WaterQuantity::HeatFactor:
        return WaterHeatFactor(t, percent);
    }
    return NAN;
}

// Reference figures of the fits, each to the precision it is known to
// (tolerance: half a unit of its last digit).
TEST(WaterProperties, ReferenceFiguresOfTheFits)
{
    using enum WaterQuantity;
    struct Case {
        float t;
        int8_t percent;
        WaterQuantity q;
        double expected, tolerance;
    };
    const Case cases[] = {
        {20, 0, Density, 997.77, 0.005},
        {20, 0, DynamicViscosity, 9.846e-4, 0.0005e-4},
        {20, 0, KinematicViscosity, 9.868e-7, 0.0005e-7},
        {20, 0, SpecificHeat, 4.1993, 0.00005},
        {20, 0, HeatFactor, 0.8573, 0.00005},
        {70, 0, Density, 983.20, 0.005},
        {70, 0, KinematicViscosity, 4.265e-7, 0.0005e-7},
        {70, 0, HeatFactor, 0.8544, 0.00005},
        {40, 33, Density, 1041.75, 0.005},
        {40, 33, KinematicViscosity, 1.443e-6, 0.0005e-6},
        {40, 33, SpecificHeat, 3.673, 0.0005},
        {40, 33, HeatFactor, 0.9801, 0.00005},
        {-10, 40, Density, 1075.57, 0.005},
        {-10, 40, KinematicViscosity, 9.459e-6, 0.0005e-6},
        {-10, 40, HeatFactor, 1.0569, 0.00005},
        {80, 0, Density, 979.63, 0.005},
        {80, 0, KinematicViscosity, 3.863e-7, 0.0005e-7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " degC, " << int(c.percent) << " %, quantity " << int(c.q));
        EXPECT_NEAR(Evaluate(c.q, c.t, c.percent), c.expected, c.tolerance);
    }
}

// Pure water tables: the fits hold density to 0.1 % from 10 to 40 degC and the
// specific heat to 1 % from 10 to 80 degC.
TEST(WaterProperties, AgreeWithPureWaterTables)
{
    using enum WaterQuantity;
    struct Case {
        float t;
        WaterQuantity q;
        double expected, relativeTolerance;
    };
    const Case cases[] = {
        {10, Density, 999.70, 0.001},
        {20, Density, 998.21, 0.001},
        {40, Density, 992.22, 0.001},
        {20, DynamicViscosity, 1.0016e-3, 0.02},
        {40, DynamicViscosity, 0.6527e-3, 0.02},
        {10, SpecificHeat, 4.1955, 0.01},
        {20, SpecificHeat, 4.1844, 0.01},
        {80, SpecificHeat, 4.1969, 0.01},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " degC, quantity " << int(c.q));
        EXPECT_NEAR(Evaluate(c.q, c.t, 0), c.expected, c.expected * c.relativeTolerance);
    }
}

// Bit for bit: these come from an independent evaluation that rounds to float
// exactly where the fits round (tests/physics/reference_values.py), so moving
// a rounding point or computing a sum in float shows here.
TEST(WaterProperties, RoundToFloatAtTheSamePoints)
{
    struct Case {
        float t;
        int8_t percent;
        float density, viscosity, heatFactor;
    };
    const Case cases[] = {
        {20, 0, 997.7672f, 9.867936e-07f, 0.8572846f},   {70, 0, 983.1986f, 4.264877e-07f, 0.85435206f},
        {40, 33, 1041.7462f, 1.442791e-06f, 0.9801291f}, {-10, 40, 1075.5745f, 9.459448e-06f, 1.0569082f},
        {80, 0, 979.6287f, 3.8634218e-07f, 0.85282946f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " degC, " << int(c.percent) << " %");
        EXPECT_EQ(WaterDensity(c.t, c.percent), c.density);
        EXPECT_EQ(WaterKinematicViscosity(c.t, c.percent), c.viscosity);
        EXPECT_EQ(WaterHeatFactor(c.t, c.percent), c.heatFactor);
    }
}

TEST(WaterProperties, PureWaterHeatFactorIsTheStoredFloat)
{
    static_assert(std::is_same_v<decltype(PureWaterHeatFactor), const float>);
    EXPECT_EQ(PureWaterHeatFactor, 0.863f);
    EXPECT_NE(double(PureWaterHeatFactor), 0.863);
    // The fit for pure water is a different number; the fixed factor is not it.
    EXPECT_NEAR(WaterHeatFactor(20, 0), 0.857, 0.0005);
}

// No clamping: the antifreeze share enters the density linearly up to 100 %
// and beyond the fitted range.
TEST(WaterProperties, AntifreezeShareIsNotClamped)
{
    for (float t : {-20.0f, 20.0f, 90.0f}) {
        SCOPED_TRACE(t);
        const double mid = (double(WaterDensity(t, 0)) + WaterDensity(t, 100)) / 2;
        EXPECT_NEAR(WaterDensity(t, 50), mid, 1e-3);
        EXPECT_GT(WaterDensity(t, 99), WaterDensity(t, 60));
        EXPECT_GT(WaterKinematicViscosity(t, 99), WaterKinematicViscosity(t, 60));
    }
}

// 0 K: the reduced temperature is infinite and every property is NaN, which
// compares false with any limit instead of trapping.
TEST(WaterProperties, AbsoluteZeroGivesNaN)
{
    for (int8_t percent : {int8_t(0), int8_t(40)}) {
        EXPECT_TRUE(std::isnan(WaterDensity(-273.15f, percent)));
        EXPECT_TRUE(std::isnan(WaterKinematicViscosity(-273.15f, percent)));
        EXPECT_TRUE(std::isnan(WaterHeatFactor(-273.15f, percent)));
    }
}
