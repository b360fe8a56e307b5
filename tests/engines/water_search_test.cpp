#include <QString>
#include <cmath>
#include <gtest/gtest.h>
#include <optional>

#include "base/number_text.h"
#include "engines/pipe_library.h"
#include "engines/water_sizing.h"
#include "engines/water_texts.h"
#include "physics/friction.h"
#include "physics/internal_data.h"
#include "physics/water_properties.h"

// The pressure-drop mode finds its step by bracketing; these tests hold it to
// the plain step-by-step scan over a spread of flows, limits, fluids and
// libraries: same fields, same Reynolds number recorded.

namespace {

struct ScanResult {
    std::optional<QString> size, theoretical, velocity, pressureDrop;
    float reynolds = 0.0f;
};

// Every 0.1 mm step in turn, as a user would do it by hand.
ScanResult PlainScan(const PipeLibrary& lib, float flow, float limit, float nu, float rho)
{
    ScanResult r;
    InternalDataRecord data;
    const QString na = "N/A";
    const float last = lib.sizes.back().insideDiameter;
    float d = 0.0f;
    do {
        d += 0.1f;
        const float j = WaterPressureGradient(d, PipeVelocity(d, flow), lib.roughness, nu, rho, data);
        if (j > limit) {
            r.size = r.theoretical = r.velocity = r.pressureDrop = na;
            continue;
        }
        if (d > last) {
            r.size = r.velocity = r.pressureDrop = na;
            r.theoretical = DecimalText(d, 1);
            break;
        }
        bool chosen = false;
        for (const PipeSize& s : lib.sizes) {
            if (s.active && (s.insideDiameter >= d || std::fabs(double(d) - s.insideDiameter) < 0.01)) {
                const float v = PipeVelocity(s.insideDiameter, flow);
                const float js = WaterPressureGradient(s.insideDiameter, v, lib.roughness, nu, rho, data);
                r.size = s.name;
                r.theoretical = DecimalText(d, 1);
                r.velocity = DecimalText(v, 2);
                r.pressureDrop = DecimalText(js, 2);
                chosen = true;
                break;
            }
        }
        if (chosen)
            break;
    } while (d < 3000.0f);
    r.reynolds = data.reynolds;
    return r;
}

PipeSize Row(float inside, bool active = true)
{
    PipeSize s;
    s.active = active;
    s.name = QString::number(inside);
    s.insideDiameter = inside;
    return s;
}

PipeLibrary Library(float roughness, std::vector<PipeSize> sizes)
{
    PipeLibrary lib;
    lib.roughness = roughness;
    lib.sizes = std::move(sizes);
    return lib;
}

TEST(WaterSearch, BracketedSearchFindsTheStepOfThePlainScan)
{
    const std::vector<PipeLibrary> libraries = {
        Library(0.0015f,
                {Row(8), Row(10), Row(12, false), Row(13), Row(16), Row(20), Row(26), Row(32.6f), Row(51), Row(103)}),
        Library(0.045f,
                {Row(12.6f), Row(16.1f), Row(21.7f), Row(27.3f), Row(36), Row(41.9f), Row(53.1f), Row(68.9f),
                 Row(80.9f), Row(105.1f)}),
        Library(0.0015f, {Row(8), Row(10, false), Row(12, false)}),  // last sizes inactive
        Library(1.5f, {Row(6, false), Row(2999.95f, false)}),        // nothing active
        Library(0.007f, {Row(0.5f), Row(250), Row(2990), Row(3500, false)}),
    };
    const float flows[] = {0.5f, 7, 100, 102.4f, 1000, 4321, 25000, 1e5f, 3e6f, 1e9f, 1e11f};  // [L/h]
    const float limits[] = {1, 18, 57, 100, -56};                                              // [mmCE/m]
    const float temperatures[] = {80, 45, 7.5f};                                               // mean [degC]
    int compared = 0;
    for (const PipeLibrary& lib : libraries)
        for (float t : temperatures)
            for (float q : flows)
                for (float limit : limits) {
                    const float nu = WaterKinematicViscosity(t, 0);
                    const float rho = WaterDensity(t, 0);
                    const ScanResult expected = PlainScan(lib, q, limit, nu, rho);

                    WaterSizingInputs in;
                    in.flowTemperature = t + 10.0f;
                    in.returnTemperature = t - 10.0f;
                    in.mode = ModeMaxPressureDrop;
                    in.flow = q;
                    in.limit = limit;
                    const WaterOutcome outcome = SizeWater(in, &lib);
                    const WaterResultTexts got = FormatWaterResult(outcome, &lib);
                    const std::string what = "flow " + std::to_string(q) + " limit " + std::to_string(limit) + " t "
                        + std::to_string(t) + " k " + std::to_string(lib.roughness);
                    EXPECT_EQ(got.size, expected.size) << what;
                    EXPECT_EQ(got.theoreticalDiameter, expected.theoretical) << what;
                    EXPECT_EQ(got.velocity, expected.velocity) << what;
                    EXPECT_EQ(got.pressureDrop, expected.pressureDrop) << what;
                    EXPECT_EQ(outcome.fluid.reynolds, expected.reynolds) << what;
                    ++compared;
                }
    EXPECT_EQ(compared, 5 * 3 * 11 * 5);
}

}  // namespace
