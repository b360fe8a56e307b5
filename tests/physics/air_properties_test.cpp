#include "physics/air_properties.h"

#include <gtest/gtest.h>

#include <cmath>

struct AirState {
    float pressure;   // p [Pa]
    float density;    // rho [kg/m3]
    float viscosity;  // nu [m2/s]
};

// In the order the air sizing uses them, each result feeding the next.
static AirState Air(float t, float humidity, float altitude)
{
    AirState s;
    s.pressure = AtmosphericPressure(altitude);
    s.density = MoistAirDensity(t, s.pressure, humidity);
    s.viscosity = AirKinematicViscosity(t, s.density);
    return s;
}

enum class AirQuantity { Pressure, Density, DynamicViscosity, KinematicViscosity };

// Reference figures to half a unit of their last digit; the 15 degC rows are
// the standard atmosphere (dry air at sea level, pressure at the tropopause).
TEST(AirProperties, ReferenceFigures)
{
    using enum AirQuantity;
    struct Case {
        float t, humidity, altitude;
        AirQuantity q;
        double expected, tolerance;
    };
    const Case cases[] = {
        {20, 40, 10, Pressure, 101204.9, 0.05},
        {20, 40, 1000, Pressure, 89874.6, 0.05},
        {20, 40, 10, Density, 1.1985, 0.00005},
        {20, 40, 10, KinematicViscosity, 1.513e-5, 0.0005e-5},
        {0, 0, 0, Density, 1.2922, 0.00005},
        {15, 0, 0, Density, 1.2250, 0.00005},
        {15, 0, 0, DynamicViscosity, 1.7894e-5, 0.00005e-5},
        {15, 0, 0, KinematicViscosity, 1.4607e-5, 0.0001e-5},
        {15, 0, 11000, Pressure, 22632.06, 0.05},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " degC, " << c.humidity << " %, " << c.altitude << " m, quantity "
                                        << int(c.q));
        const AirState s = Air(c.t, c.humidity, c.altitude);
        const double values[] = {s.pressure, s.density, double(s.viscosity) * s.density, s.viscosity};
        EXPECT_NEAR(values[int(c.q)], c.expected, c.tolerance);
    }
}

TEST(AirProperties, SeaLevelIsExactlyTheStandardPressure)
{
    EXPECT_EQ(AtmosphericPressure(0), 101325.0f);
}

// Bit for bit, from an independent evaluation that rounds to float exactly
// where the formulas round (tests/physics/reference_values.py).
TEST(AirProperties, RoundToFloatAtTheSamePoints)
{
    struct Case {
        float t, humidity, altitude;
        AirState expected;
    };
    const Case cases[] = {
        {20, 40, 10, {101204.914f, 1.1984617f, 1.51311115e-05f}},
        {0, 0, 0, {101325.0f, 1.2922387f, 1.3279894e-05f}},
        {15, 0, 0, {101325.0f, 1.2249696f, 1.4607548e-05f}},
        {0, 0, 1000, {89874.57f, 1.1462067f, 1.49718135e-05f}},
        {35, 100, 500, {95460.82f, 1.0552113f, 1.7857225e-05f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.t << " degC, " << c.humidity << " %, " << c.altitude << " m");
        const AirState s = Air(c.t, c.humidity, c.altitude);
        EXPECT_EQ(s.pressure, c.expected.pressure);
        EXPECT_EQ(s.density, c.expected.density);
        EXPECT_EQ(s.viscosity, c.expected.viscosity);
    }
}

// Without humidity the vapour term vanishes: the ideal gas law of dry air.
TEST(AirProperties, DryAirFollowsTheIdealGasLaw)
{
    for (float t : {-20.0f, 0.0f, 20.0f, 40.0f}) {
        for (float p : {80000.0f, 101325.0f}) {
            SCOPED_TRACE(testing::Message() << t << " degC, " << p << " Pa");
            EXPECT_FLOAT_EQ(MoistAirDensity(t, p, 0), float(p / (287.06 * (t + 273.15))));
        }
    }
}

// Humidity lowers the density linearly, above 100 % too (no clamping);
// warmer air is lighter and more viscous.
TEST(AirProperties, TrendsWithHumidityAndTemperature)
{
    const float p = AtmosphericPressure(10);
    for (float t : {0.0f, 20.0f, 35.0f}) {
        SCOPED_TRACE(t);
        const float d0 = MoistAirDensity(t, p, 0), d100 = MoistAirDensity(t, p, 100), d200 = MoistAirDensity(t, p, 200);
        EXPECT_LT(d100, d0);
        EXPECT_NEAR(d200 - d100, d100 - d0, 1e-6);
        const AirState cool = Air(t, 40, 10), warm = Air(t + 10, 40, 10);
        EXPECT_LT(warm.density, cool.density);
        EXPECT_GT(warm.viscosity, cool.viscosity);
    }
}

// Past 44 330.76 m the base of the barometric power is negative: NaN all the
// way through, never an exception or a hang. Just below, a near-vacuum.
TEST(AirProperties, AboveTheFormulaCeilingEverythingIsNaN)
{
    for (float altitude : {44331.0f, 50000.0f, 1e9f}) {
        SCOPED_TRACE(altitude);
        const AirState s = Air(20, 40, altitude);
        EXPECT_TRUE(std::isnan(s.pressure));
        EXPECT_TRUE(std::isnan(s.density));
        EXPECT_TRUE(std::isnan(s.viscosity));
    }
    const AirState high = Air(20, 40, 44330);
    EXPECT_GT(high.pressure, 0.0f);
    EXPECT_LT(high.pressure, 1e-15f);
    EXPECT_LT(high.density, 0.0f);  // the vapour term outweighs the pressure
    EXPECT_LT(high.viscosity, 0.0f);
}
