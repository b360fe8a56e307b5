#include <cmath>
#include <gtest/gtest.h>
#include <string>

#include "base/number_text.h"
#include "engines/air_sizing.h"
#include "engines/duct_flow.h"
#include "engines/duct_tables.h"
#include "physics/air_properties.h"

// The searches try the candidates one by one up to 3000 mm and bracket them
// beyond; these tests hold them to the plain one-by-one loop over a spread of
// flows, limits, shapes and roughnesses (same sizes, same figures, same
// Reynolds number), and check that they end, and what they find, where no
// candidate is accepted.

namespace {

struct Outcome {
    bool found = false;
    float size = 0.0f;          // theoretical diameter, or side B [mm]
    float standard = 0.0f;      // standard diameter [mm], 0 when none
    float velocity = 0.0f;      // [m/s]
    float pressureDrop = 0.0f;  // [Pa/m]
    float reynolds = 0.0f;      // [-]
};

std::vector<int> StandardDiameters()
{
    std::vector<DuctMaterial> materials;
    std::vector<int> diameters;
    FillDuctTables(materials, diameters);
    return diameters;
}

// The search as stated: step by step from 50 mm, in single precision, here
// given up at the last whole millimetre below 2^24 so that a test cannot hang.
Outcome PlainScan(int mode, bool rectangular, float flow, float limit, float sideA, float k)
{
    const float p = AtmosphericPressure(10.0f);
    const float rho = MoistAirDensity(20.0f, p, 40.0f);
    const float nu = AirKinematicViscosity(20.0f, rho);
    Outcome o;
    auto criterion = [&](float v, float r) { return mode == AirModeMaxVelocity ? v : r; };
    if (!rectangular) {
        float d = 45.0f, v = 0.0f, r = 0.0f;
        do {
            d += 5.0f;
            v = CircularDuctVelocity(flow, d);
            const DuctFriction f = AirPressureDrop(d, d, v, k, nu, rho);
            r = f.pressureDrop;
            o.reynolds = f.reynolds;
        } while (!(criterion(v, r) <= limit) && d + 5.0f < 16777216.0f);
        if (criterion(v, r) <= limit) {
            o.found = true;
            o.size = d;
            const std::vector<int> table = StandardDiameters();
            int ds = -1;
            for (int t : table)
                if (ds < 0 && float(t) >= d)
                    ds = t;
            if (ds >= 0) {
                o.standard = float(ds);
                o.velocity = CircularDuctVelocity(flow, o.standard);
                const DuctFriction f = AirPressureDrop(o.standard, o.standard, o.velocity, k, nu, rho);
                o.pressureDrop = f.pressureDrop;
                o.reynolds = f.reynolds;
            }
        }
    } else {
        float b = 0.0f, v = 0.0f, r = 0.0f;
        do {
            b += 50.0f;
            v = RectangularDuctVelocity(flow, sideA, b);
            const DuctFriction f =
                AirPressureDrop(EquivalentDiameter(sideA, b), HydraulicDiameter(sideA, b), v, k, nu, rho);
            r = f.pressureDrop;
            o.reynolds = f.reynolds;
        } while (!(criterion(v, r) <= limit) && b + 50.0f < 16777216.0f);
        if (criterion(v, r) <= limit)
            o = {true, b, 0.0f, v, r, o.reynolds};
    }
    return o;
}

AirInputs Inputs(int mode, bool rectangular, float flow, float limit, float sideA, float k)
{
    AirInputs in;
    in.temperature = 20.0f;
    in.humidity = 40.0f;
    in.altitude = 10.0f;
    in.flow = flow;
    in.roughness = k;
    in.mode = mode;
    in.rectangular = rectangular;
    in.limit = limit;
    in.sideA = sideA;
    in.copyOn = true;
    return in;
}

bool Same(float a, float b)
{
    return a == b || (std::isnan(a) && std::isnan(b));
}

void ExpectSame(const AirOutcome& fast, const Outcome& plain, bool rectangular, const std::string& what)
{
    const bool shown = plain.found && (rectangular || plain.standard > 0.0f);
    EXPECT_EQ(fast.status == SizingStatus::NotAvailable, !shown) << what;
    EXPECT_EQ(rectangular ? 0.0f : fast.theoreticalDiameter, plain.found && !rectangular ? plain.size : 0.0f) << what;
    EXPECT_EQ(rectangular ? fast.sideB : fast.diameter, rectangular ? (shown ? plain.size : 0.0f) : plain.standard)
        << what;
    EXPECT_TRUE(Same(fast.velocity, plain.velocity) && Same(fast.pressureDrop, plain.pressureDrop)) << what;
    EXPECT_TRUE(Same(fast.air.reynolds, plain.reynolds)) << what;
}

TEST(AirSearch, SameResultAsTheStepByStepLoop)
{
    const float flows[] = {1, 100, 999, 12345, 500000};        // [m3/h]
    const float limits[] = {0.1f, 0.8f, 4.0f, 10.0f};          // [Pa/m] or [m/s]
    const float roughnesses[] = {0.0f, 0.15f, 5.0f, 1000.0f};  // [mm]
    struct Shape {
        bool rectangular;
        float sideA;  // [mm]
    };
    const Shape shapes[] = {{false, 0}, {true, 50}, {true, 400}, {true, 2500}};
    int compared = 0;
    for (int mode : {AirModeMaxPressureDrop, AirModeMaxVelocity})
        for (float q : flows)
            for (float limit : limits)
                for (float k : roughnesses)
                    for (const Shape& s : shapes) {
                        const float l = LeadingFloat(DecimalText(limit, 2));
                        const Outcome plain = PlainScan(mode, s.rectangular, q, l, s.sideA, k);
                        const AirOutcome fast =
                            SizeAir(Inputs(mode, s.rectangular, q, l, s.sideA, k), StandardDiameters());
                        const std::string what = "mode " + std::to_string(mode) + ", " + std::to_string(q)
                            + " m3/h, limit " + std::to_string(limit) + ", k " + std::to_string(k) + ", side A "
                            + std::to_string(s.sideA);
                        ExpectSame(fast, plain, s.rectangular, what);
                        ++compared;
                    }
    EXPECT_EQ(compared, 2 * 5 * 4 * 4 * 4);
}

// A flow that no side B below 2^24 mm carries within the limit: the search ends
// on the last candidate, as the loop would, and shows "N/A".
TEST(AirSearch, NothingAcceptedBelowTheBound)
{
    const Outcome plain = PlainScan(AirModeMaxPressureDrop, true, 3e6f, 0.1f, 50, 0.15f);
    const AirOutcome fast = SizeAir(Inputs(AirModeMaxPressureDrop, true, 3e6f, 0.1f, 50, 0.15f), StandardDiameters());
    ExpectSame(fast, plain, true, "3e6 m3/h");
    EXPECT_FALSE(plain.found);
    EXPECT_EQ(static_cast<int>(fast.status), static_cast<int>(SizingStatus::NotAvailable));
}

// Flows for which the searches end far beyond the standard diameters: the
// bracketing finds what the loop finds, and its theoretical diameter shows.
TEST(AirSearch, LargeTheoreticalDiameters)
{
    struct Large {
        float flow;   // [m3/h]
        float limit;  // [Pa/m]
    };
    const Large cases[] = {{1e10f, 0.8f}, {1e12f, 10.0f}};
    for (const Large& c : cases) {
        const Outcome plain = PlainScan(AirModeMaxPressureDrop, false, c.flow, c.limit, 0, 0.15f);
        ASSERT_TRUE(plain.found) << c.flow;
        const float limit = LeadingFloat(DecimalText(c.limit, 2));  // [Pa/m]
        const AirOutcome fast =
            SizeAir(Inputs(AirModeMaxPressureDrop, false, c.flow, limit, 0, 0.15f), StandardDiameters());
        EXPECT_EQ(fast.theoreticalDiameter, plain.size) << c.flow;
        EXPECT_EQ(static_cast<int>(fast.status), static_cast<int>(SizingStatus::NotAvailable)) << c.flow;
    }
}

}  // namespace
