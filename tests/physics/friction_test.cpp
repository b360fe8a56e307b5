#include "physics/friction.h"

#include "physics/internal_data.h"
#include "physics/water_properties.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

// Reference figures, to their printed precision.
TEST(FrictionFactor, ReferenceFigures)
{
    struct Case {
        float re, roughness;
        double expected, tolerance;
    };
    const Case cases[] = {
        {2320, 0, 0.02759, 0.000005},    // laminar, threshold included
        {2321, 0, 0.0471, 0.00005},      // turbulent from the next integer
        {10000, 0, 0.03088, 0.000005},   // smooth pipe
        {100000, 0, 0.0180, 0.00005},    // smooth pipe, Moody chart
        {1e8f, 0.01f, 0.0379, 0.00005},  // fully rough, von Karman
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Re " << c.re << ", r " << c.roughness);
        EXPECT_NEAR(FrictionFactor(c.re, c.roughness), c.expected, c.tolerance);
    }
}

// The laminar law is the float quotient itself, up to 2320 included; the first
// float above 2320 is turbulent.
TEST(FrictionFactor, LaminarUpToTheThresholdIncluded)
{
    for (float re : {1.0f, 100.0f, 2000.0f, 2319.9998f, 2320.0f}) {
        SCOPED_TRACE(re);
        EXPECT_EQ(FrictionFactor(re, 0.01f), 64.0f / re);
    }
    EXPECT_EQ(FrictionFactor(2320, 0), 64.0f / 2320.0f);
    const float above = std::nextafter(2320.0f, 3000.0f);
    EXPECT_GT(FrictionFactor(above, 0), 0.047f);
}

// Ten substitution steps settle Colebrook-White to float precision for every
// Reynolds number and roughness a pipe or duct sees.
TEST(FrictionFactor, SatisfiesColebrookWhite)
{
    for (float re : {2321.0f, 5000.0f, 1e4f, 1e5f, 1e6f, 1e7f}) {
        for (float r : {0.0f, 1e-5f, 1e-4f, 1e-3f, 1e-2f, 0.05f}) {
            SCOPED_TRACE(testing::Message() << "Re " << re << ", r " << r);
            const double lambda = FrictionFactor(re, r);
            const double lhs = 1 / std::sqrt(lambda);
            const double rhs = -2 * std::log10(r / 3.71 + 2.51 / (re * std::sqrt(lambda)));
            EXPECT_NEAR(lhs, rhs, 2e-6 * lhs);
        }
    }
}

// Bit for bit, from an independent evaluation that rounds to float exactly
// where the algorithm rounds (tests/physics/reference_values.py).
TEST(FrictionFactor, RoundsToFloatAtTheSamePoints)
{
    struct Case {
        float re, roughness, lambda;
    };
    const Case cases[] = {
        {2320.0f, 0.0f, 0.027586207f},   {2321.0f, 0.0f, 0.047147043f},         {10000.0f, 0.0f, 0.030882947f},
        {100000.0f, 0.0f, 0.017989773f}, {16214.13f, 9.375e-05f, 0.027449312f}, {50000.0f, 0.002f, 0.026493352f},
        {3000.0f, 0.0001f, 0.04360884f}, {250000.0f, 0.0005f, 0.018455246f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "Re " << c.re << ", r " << c.roughness);
        EXPECT_EQ(FrictionFactor(c.re, c.roughness), c.lambda);
    }
}

// Re = 0 and below never reach the turbulent branch.
TEST(FrictionFactor, NonPositiveReynoldsStaysLaminar)
{
    EXPECT_EQ(FrictionFactor(0, 0), std::numeric_limits<float>::infinity());
    EXPECT_EQ(FrictionFactor(-100, 0), -0.64f);
    EXPECT_TRUE(std::isnan(FrictionFactor(NAN, 0)));
}

// Water at 20 degC in a pipe of 16 mm at 1 m/s (roughness 0.0015 mm), and
// bit-exact cases from the independent evaluation, the last one laminar.
TEST(WaterPressureGradient, GradientAndRecordedReynolds)
{
    const float rho = WaterDensity(20, 0), nu = WaterKinematicViscosity(20, 0);
    InternalDataRecord data;
    const float j = WaterPressureGradient(16, 1, 0.0015f, nu, rho, data);
    EXPECT_NEAR(j, 87.2, 0.05);
    EXPECT_NEAR(data.reynolds, 16214, 0.5);
    EXPECT_NEAR(FrictionFactor(data.reynolds, 0.0015f / 16), 0.02745, 0.000005);

    struct Case {
        float diameter, velocity, roughness, gradient, reynolds;
    };
    const Case cases[] = {
        {16.0f, 1.0f, 0.0015f, 87.245224f, 16214.132f},   {10.3f, 0.33f, 0.0015f, 22.510826f, 3444.4897f},
        {2.0f, 0.05f, 0.0015f, 40.146385f, 101.338326f},  {26.4f, 1.37f, 0.045f, 96.75359f, 36652.043f},
        {53.1f, 2.71f, 0.0015f, 118.439705f, 145826.86f}, {8.7f, 0.93f, 0.007f, 170.24992f, 8199.283f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.diameter << " mm, " << c.velocity << " m/s");
        InternalDataRecord d;
        EXPECT_EQ(WaterPressureGradient(c.diameter, c.velocity, c.roughness, nu, rho, d), c.gradient);
        EXPECT_EQ(d.reynolds, c.reynolds);
    }
}

// Only the Reynolds number is written, and it is the last evaluation's.
TEST(WaterPressureGradient, RecordsOnlyTheLastReynoldsNumber)
{
    InternalDataRecord data{1, 2, 3, 4, 5};
    WaterPressureGradient(16, 1, 0.0015f, 1e-6f, 1000, data);
    WaterPressureGradient(20, 0.5f, 0.0015f, 1e-6f, 1000, data);
    EXPECT_FLOAT_EQ(data.reynolds, 10000);
    EXPECT_EQ(data.density, 1);
    EXPECT_EQ(data.kinematicViscosity, 2);
    EXPECT_EQ(data.atmosphericPressure, 4);
    EXPECT_EQ(data.heatFactor, 5);
}
