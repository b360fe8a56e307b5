#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "engines/air_sizing.h"
#include "engines/air_texts.h"
#include "engines/duct_flow.h"
#include "engines/duct_tables.h"
#include "physics/air_properties.h"

namespace {

constexpr float Inf = std::numeric_limits<float>::infinity();
constexpr float NaN = std::numeric_limits<float>::quiet_NaN();
constexpr SizingStatus Sized = SizingStatus::Sized, NotAvailable = SizingStatus::NotAvailable,
                       Infinite = SizingStatus::Infinite, NothingToSize = SizingStatus::NothingToSize;

// The air tab as the program opens it with the stored defaults: 100 m3/h,
// 20 degC, 40 %, 10 m, "Galva." 0.15 mm, "PdC Maxi." 0.80 Pa/m, circular.
AirInputs StartInputs()
{
    AirInputs in;
    in.temperature = 20.0f;
    in.humidity = 40.0f;
    in.altitude = 10.0f;
    in.flow = 100.0f;
    in.roughness = 0.15f;
    in.mode = AirModeMaxPressureDrop;
    in.limit = 0.8f;
    in.imposedDiameter = 125.0f;
    in.sideA = 100.0f;
    in.sideB = 100.0f;
    in.copyOn = true;
    return in;
}

std::vector<int> StandardDiameters()
{
    std::vector<DuctMaterial> materials;
    std::vector<int> diameters;
    FillDuctTables(materials, diameters);
    return diameters;
}

AirOutcome Size(const AirInputs& in)
{
    return SizeAir(in, StandardDiameters());
}

// What a run finds. size: the circular duct's diameter, or side B of a
// rectangle [mm]; velocity and pressure drop checked to 0.005 when sized (a
// pressure drop of NaN is not checked).
struct Expected {
    SizingStatus status;
    float theoretical;    // [mm], 0: none
    float size;           // [mm], 0: none
    double velocity;      // [m/s]
    double pressureDrop;  // [Pa/m]
};

void ExpectOutcome(const AirInputs& in, const Expected& e, const std::string& what)
{
    const AirOutcome o = Size(in);
    EXPECT_EQ(static_cast<int>(o.status), static_cast<int>(e.status)) << what;
    EXPECT_EQ(o.theoreticalDiameter, e.theoretical) << what;
    if (e.status != Sized)
        return;
    EXPECT_EQ(in.rectangular ? o.sideB : o.diameter, e.size) << what;
    EXPECT_NEAR(o.velocity, e.velocity, 0.005) << what;
    if (!std::isnan(e.pressureDrop)) {
        EXPECT_NEAR(o.pressureDrop, e.pressureDrop, 0.005) << what;
    }
}

TEST(AirEngine, Searches)
{
    struct Case {
        const char* what;
        int mode;
        bool rectangular;
        float flow;   // [m3/h]
        float limit;  // [Pa/m] or [m/s]
        float sideA;  // [mm]
        float k;      // roughness [mm]
        Expected expected;
    };
    // clang-format off
    const Case cases[] = {
        {"start-up defaults", AirModeMaxPressureDrop, false, 100, 0.8f, 100, 0.15f, {Sized, 125, 125, 2.26, 0.70}},
        {"velocity 4.00 m/s: 95 rounds up to 100", AirModeMaxVelocity, false, 100, 4, 100, 0.15f, {Sized, 95, 100, 3.54, 2.11}},
        {"1000 m3/h", AirModeMaxPressureDrop, false, 1000, 0.8f, 100, 0.15f, {Sized, 290, 315, 3.56, 0.51}},
        {"theoretical beyond 3000 mm", AirModeMaxPressureDrop, false, 500000, 0.8f, 100, 0.15f, {NotAvailable, 3050, 0, 0, 0}},
        {"rectangle, side A 100", AirModeMaxPressureDrop, true, 100, 0.8f, 100, 0.15f, {Sized, 0, 150, 1.85, 0.51}},
        {"rectangle, side A 49", AirModeMaxPressureDrop, true, 100, 0.8f, 49, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"rectangle, side A 49, velocity", AirModeMaxVelocity, true, 100, 4, 49, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"rectangle, side A 50 is a duct", AirModeMaxVelocity, true, 100, 4, 50, 0.15f, {Sized, 0, 150, 3.70, 3.24}},
        {"the smallest candidate already fits", AirModeMaxPressureDrop, false, 1, 0.8f, 100, 0.15f, {Sized, 50, 80, 0.06, 0.01}},
        {"no limit can be met: 0", AirModeMaxPressureDrop, false, 100, 0, 100, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"no velocity can be met: 0", AirModeMaxVelocity, true, 100, 0, 100, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"zero flow sizes nothing", AirModeMaxPressureDrop, false, 0, 0.8f, 100, 0.15f, {NothingToSize, 0, 0, 0, 0}},
        {"a flow that is no number sizes nothing", AirModeMaxVelocity, true, NaN, 4, 100, 0.15f, {NothingToSize, 0, 0, 0, 0}},
        {"infinite flow, pressure drop", AirModeMaxPressureDrop, false, Inf, 0.8f, 100, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"infinite flow, velocity, rectangle", AirModeMaxVelocity, true, Inf, 4, 100, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"a flow no duct below 16 777 215 mm carries", AirModeMaxPressureDrop, false, 1e16f, 0.8f, 100, 0.15f, {NotAvailable, 0, 0, 0, 0}},
        {"a rough duct: 5 mm", AirModeMaxPressureDrop, false, 100, 0.8f, 100, 5, {Sized, 145, 160, 1.38, NaN}},
    };
    // clang-format on
    for (const Case& c : cases) {
        AirInputs in = StartInputs();
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        in.flow = c.flow;
        in.limit = c.limit;
        in.sideA = c.sideA;
        in.roughness = c.k;
        ExpectOutcome(in, c.expected, c.what);
    }
}

TEST(AirEngine, ImposedSizes)
{
    struct Case {
        const char* what;
        int mode;
        bool rectangular;
        float flow, diameter, sideA, sideB;  // [m3/h], [mm]
        Expected expected;
    };
    // clang-format off
    const Case cases[] = {
        {"circular 125, as the search found it", AirModeImposedSize, false, 100, 125, 100, 100, {Sized, 0, 125, 2.26, 0.70}},
        {"rectangle 100 x 150", AirModeImposedSize, true, 100, 125, 100, 150, {Sized, 0, 150, 1.85, 0.51}},
        {"no diameter", AirModeImposedSize, false, 100, 0, 100, 150, {Sized, 0, 0, 0, 0}},
        {"negative diameter", AirModeImposedSize, false, 100, -125, 100, 150, {Sized, 0, -125, 0, 0}},
        {"a diameter that is no number", AirModeImposedSize, false, 100, NaN, 100, 150, {Infinite, 0, 0, 0, 0}},
        {"side B below 50", AirModeImposedSize, true, 100, 125, 100, 49, {Sized, 0, 49, 0, 0}},
        {"side A below 50", AirModeImposedSize, true, 100, 125, 49, 150, {Sized, 0, 150, 0, 0}},
        {"both sides 50", AirModeImposedSize, true, 100, 125, 50, 50, {Sized, 0, 50, 11.11, 42.73}},
        {"infinite flow", AirModeImposedSize, false, Inf, 125, 100, 100, {Infinite, 0, 0, 0, 0}},
        {"any other mode index: -1", -1, false, 100, 125, 100, 100, {Sized, 0, 125, 2.26, 0.70}},
        {"any other mode index: 3", 3, false, 100, 125, 100, 100, {Sized, 0, 125, 2.26, 0.70}},
    };
    // clang-format on
    for (const Case& c : cases) {
        AirInputs in = StartInputs();
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        in.flow = c.flow;
        in.imposedDiameter = c.diameter;
        in.sideA = c.sideA;
        in.sideB = c.sideB;
        ExpectOutcome(in, c.expected, c.what);
    }
}

// The air of the start-up inputs: 20 degC, 40 %, 10 m.
struct Air {
    float pressure = AtmosphericPressure(10.0f);              // [Pa]
    float density = MoistAirDensity(20.0f, pressure, 40.0f);  // [kg/m3]
    float viscosity = AirKinematicViscosity(20.0f, density);  // [m2/s]
};

TEST(AirEngine, PressureDropsAroundTheResults)
{
    const Air air;
    struct Candidate {
        const char* what;
        float a, b;       // sides [mm]; b 0: a circular duct of diameter a
        double expected;  // R [Pa/m]
    };
    // clang-format off
    const Candidate candidates[] = {
        {"120 mm is rejected", 120, 0, 0.86}, {"125 mm", 125, 0, 0.70},
        {"100 x 50", 100, 50, 8.00}, {"100 x 100", 100, 100, 1.35}, {"100 x 150", 100, 150, 0.51},
    };
    // clang-format on
    for (const Candidate& c : candidates) {
        DuctFriction f;
        if (c.b == 0.0f)
            f = AirPressureDrop(c.a, c.a, CircularDuctVelocity(100.0f, c.a), 0.15f, air.viscosity, air.density);
        else
            f = AirPressureDrop(EquivalentDiameter(c.a, c.b), HydraulicDiameter(c.a, c.b),
                                RectangularDuctVelocity(100.0f, c.a, c.b), 0.15f, air.viscosity, air.density);
        EXPECT_NEAR(f.pressureDrop, c.expected, 0.005) << c.what;
    }
}

TEST(AirEngine, DuctGeometry)
{
    EXPECT_NEAR(EquivalentDiameter(500.0f, 500.0f), 546.6f, 0.05f);
    EXPECT_FLOAT_EQ(HydraulicDiameter(500.0f, 500.0f), 500.0f);
    EXPECT_FLOAT_EQ(HydraulicDiameter(100.0f, 300.0f), 150.0f);
    // The same section carries the same flow at the same velocity.
    EXPECT_NEAR(RectangularDuctVelocity(3600.0f, 1000.0f, 1000.0f), 1.0f, 1e-6f);
    EXPECT_NEAR(CircularDuctVelocity(3600.0f, 1128.379f), 1.0f, 1e-6f);
}

TEST(AirEngine, TheOutcomeCarriesTheAirStateAndTheReynoldsNumberOfTheDuctShown)
{
    const Air air;
    const AirState shown = Size(StartInputs()).air;
    EXPECT_FLOAT_EQ(shown.pressure, air.pressure);
    EXPECT_FLOAT_EQ(shown.density, air.density);
    EXPECT_FLOAT_EQ(shown.viscosity, air.viscosity);
    EXPECT_NEAR(shown.density, 1.1985f, 0.0001f);
    const float v = CircularDuctVelocity(100.0f, 125.0f);  // [m/s]
    EXPECT_TRUE(shown.reynoldsEvaluated);
    EXPECT_FLOAT_EQ(shown.reynolds, v * 125.0f * 0.001f / air.viscosity);

    // Without a flow the air state is still there; no Reynolds number.
    AirInputs in = StartInputs();
    in.flow = 0.0f;
    in.altitude = 1000.0f;
    const AirState still = Size(in).air;
    EXPECT_NEAR(still.pressure, 89874.6f, 0.05f);
    EXPECT_FALSE(still.reynoldsEvaluated);
}

// A criterion exactly at the limit is accepted.
TEST(AirEngine, ACriterionEqualToTheLimitIsAccepted)
{
    const Air air;
    const float v95 = CircularDuctVelocity(100.0f, 95.0f);
    const float r120 =
        AirPressureDrop(120.0f, 120.0f, CircularDuctVelocity(100.0f, 120.0f), 0.15f, air.viscosity, air.density)
            .pressureDrop;
    struct LimitCase {
        int mode;
        float limit;
        float theoretical, standard;  // [mm]
    };
    // clang-format off
    const LimitCase cases[] = {
        {AirModeMaxVelocity, v95, 95, 100},
        {AirModeMaxVelocity, std::nextafter(v95, 0.0f), 100, 100},
        {AirModeMaxPressureDrop, r120, 120, 125},
        {AirModeMaxPressureDrop, std::nextafter(r120, 0.0f), 125, 125},
    };
    // clang-format on
    for (const LimitCase& c : cases) {
        AirInputs in = StartInputs();
        in.mode = c.mode;
        in.limit = c.limit;
        const AirOutcome o = Size(in);
        EXPECT_EQ(o.theoreticalDiameter, c.theoretical) << c.limit;
        EXPECT_EQ(o.diameter, c.standard) << c.limit;
    }
}

// Air a duct cannot carry (its vapour above the atmospheric pressure, or next
// to no atmosphere) is not sized; winter air below 0 degC sizes as any other.
// Densities and results worked out by hand: rho = (p - phi/100 * 230.617 *
// exp(17.5043 T / (T + 241.2))) / (287.06 (T + 273.15)), Colebrook for the
// pressure drop.
TEST(AirEngine, TheAirStateDecidesWhetherADuctIsSized)
{
    struct AirCase {
        const char* what;
        float temperature, humidity, altitude;  // [degC], [%], [m]
        int mode;
        bool rectangular;
        float density;  // [kg/m3], NaN: none
        Expected expected;
    };
    // clang-format off
    const AirCase cases[] = {
        {"200 degC, 40 %: vapour above the pressure", 200, 40, 10, AirModeMaxPressureDrop, false, -1.1518f, {NotAvailable, 0, 0, 0, 0}},
        {"the same, velocity, rectangle", 200, 40, 10, AirModeMaxVelocity, true, -1.1518f, {NotAvailable, 0, 0, 0, 0}},
        {"the same, imposed size", 200, 40, 10, AirModeImposedSize, false, -1.1518f, {NotAvailable, 0, 0, 0, 0}},
        {"150 degC, 100 %", 150, 100, 0, AirModeMaxVelocity, false, -0.7265f, {NotAvailable, 0, 0, 0, 0}},
        {"44 330 m: a tiny pressure, the vapour above it", 20, 40, 44330, AirModeMaxPressureDrop, false, -0.0042f, {NotAvailable, 0, 0, 0, 0}},
        {"44 331 m: no atmosphere", 20, 40, 44331, AirModeMaxPressureDrop, true, NaN, {NotAvailable, 0, 0, 0, 0}},
        {"99 999 m: no atmosphere, imposed size", 20, 40, 99999, AirModeImposedSize, false, NaN, {NotAvailable, 0, 0, 0, 0}},
        {"-20 degC, 40 %: winter air", -20, 40, 10, AirModeMaxPressureDrop, false, 1.3924f, {Sized, 125, 125, 2.26, 0.78}},
    };
    // clang-format on
    for (const AirCase& c : cases) {
        AirInputs in = StartInputs();
        in.temperature = c.temperature;
        in.humidity = c.humidity;
        in.altitude = c.altitude;
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        in.limit = c.mode == AirModeMaxVelocity ? 4.0f : 0.8f;
        ExpectOutcome(in, c.expected, c.what);
        const float density = Size(in).air.density;
        if (std::isnan(c.density)) {
            EXPECT_TRUE(std::isnan(density)) << c.what;
        } else {
            EXPECT_NEAR(density, c.density, 0.0001f) << c.what;
        }
    }
}

TEST(AirTexts, ParseReadsTheLeadingNumbersAndTheRoughnessOfTheMaterial)
{
    struct Case {
        const char* text;  // every number field
        const char* material;
        float number;     // [any unit]
        float roughness;  // k [mm]
    };
    // clang-format off
    const Case cases[] = {
        {"125", "Galva.", 125, 0.15f},  {" 12.5 m3/h", "Autre", 12.5f, 5},  {"", "Plastique", 0, 0.15f},
        {"N/A", "autre", 0, 0.15f},     {"-7e1", "Autre", -70, 5},          {"1,5", "Galva.", 1, 0.15f},
    };
    // clang-format on
    for (const Case& c : cases) {
        AirInputTexts t;
        t.temperature = t.humidity = t.altitude = t.flow = t.limit = t.imposedDiameter = t.sideA = t.sideB =
            QString::fromUtf8(c.text);
        t.material = QString::fromUtf8(c.material);
        t.ductRoughness = 0.15f;  // the stored one, whichever material is listed
        t.ownRoughness = 5.0f;
        t.mode = 2;
        t.rectangular = t.copyOn = true;
        const AirInputs in = ParseAirInputs(t);
        for (float v :
             {in.temperature, in.humidity, in.altitude, in.flow, in.limit, in.imposedDiameter, in.sideA, in.sideB})
            EXPECT_EQ(v, c.number) << c.text;
        EXPECT_EQ(in.roughness, c.roughness) << c.material;
        EXPECT_TRUE(in.mode == 2 && in.rectangular && in.copyOn);
    }
}

TEST(AirTexts, FormatWritesTheFieldsOfTheRunAndTheClipboard)
{
    const char* na = "N/A";
    struct Case {
        const char* what;
        int mode;
        bool rectangular;
        AirOutcome outcome;
        const char* theoretical;  // nullptr: not written
        const char* sideB;
        const char* diameter;
        const char* velocity;
        const char* pressureDrop;
        const char* copiedSize;  // nullptr: nothing copied
    };
    const auto o = [](SizingStatus s, float th, float d, float a, float b, float v, float r) {
        AirOutcome out;
        out.status = s;
        out.theoreticalDiameter = th;
        out.diameter = d;
        out.sideA = a;
        out.sideB = b;
        out.velocity = v;
        out.pressureDrop = r;
        return out;
    };
    const int search = AirModeMaxPressureDrop, imposed = AirModeImposedSize;
    // clang-format off
    const Case cases[] = {
        {"circular search", search, false, o(Sized, 120, 125, 0, 0, 2.2634f, 0.7049f), "120", nullptr, "125", "2.26", "0.70", "Ø125"},
        {"no standard diameter", search, false, o(NotAvailable, 3050, 0, 0, 0, 0, 0), "3050", nullptr, na, na, na, nullptr},
        {"nothing found", search, false, o(NotAvailable, 0, 0, 0, 0, 0, 0), na, nullptr, na, na, na, nullptr},
        {"rectangular search", AirModeMaxVelocity, true, o(Sized, 0, 0, 100, 150, 1.852f, 0.5149f), nullptr, "150", nullptr, "1.85", "0.51", "100x150"},
        {"rectangle not found", search, true, o(NotAvailable, 0, 0, 0, 0, 0, 0), nullptr, na, nullptr, na, na, nullptr},
        {"imposed rectangle", imposed, true, o(Sized, 0, 0, 49, 150, 0, 0), nullptr, nullptr, nullptr, "0.00", "0.00", "49x150"},
        {"imposed diameter", imposed, false, o(Sized, 0, -125.4f, 0, 0, 0, 0), nullptr, nullptr, nullptr, "0.00", "0.00", "Ø-125"},
        {"no air, imposed", imposed, false, o(NotAvailable, 0, 0, 0, 0, 0, 0), nullptr, nullptr, nullptr, na, na, nullptr},
        {"infinite velocity", imposed, false, o(Infinite, 0, 125, 0, 0, Inf, NaN), nullptr, nullptr, nullptr, na, na, nullptr},
        {"nothing to size", search, true, o(NothingToSize, 0, 0, 0, 0, 0, 0), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
    };
    // clang-format on
    const auto text = [](const std::optional<QString>& t) { return t ? t->toStdString() : std::string("-"); };
    const auto expected = [](const char* t) { return std::string(t ? t : "-"); };
    for (const Case& c : cases) {
        AirInputs in = StartInputs();
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        const AirResult r = FormatAirResult(in, c.outcome);
        EXPECT_EQ(text(r.theoreticalDiameter), expected(c.theoretical)) << c.what;
        EXPECT_EQ(text(r.sideB), expected(c.sideB)) << c.what;
        EXPECT_EQ(text(r.ductDiameter), expected(c.diameter)) << c.what;
        EXPECT_EQ(text(r.velocity), expected(c.velocity)) << c.what;
        EXPECT_EQ(text(r.pressureDrop), expected(c.pressureDrop)) << c.what;
        EXPECT_EQ(r.copy ? r.copyTexts.size.toStdString() : "-", expected(c.copiedSize)) << c.what;
        in.copyOn = false;
        EXPECT_FALSE(FormatAirResult(in, c.outcome).copy) << c.what;
    }
}

TEST(AirTexts, StartUpDefaultsCopyTheSummaryTexts)
{
    const AirInputs in = StartInputs();
    const AirResult result = FormatAirResult(in, Size(in));
    ASSERT_TRUE(result.copy);
    EXPECT_EQ(result.copyTexts.flow, "100");
    EXPECT_EQ(result.copyTexts.size, QString::fromUtf8("Ø125"));
    EXPECT_EQ(result.copyTexts.pressureDrop, "0.70");
    EXPECT_EQ(result.copyTexts.velocity, "2.26");
    EXPECT_EQ(FillAirTemplate("%d-%c", result.copyTexts), QString::fromUtf8("100m3/h-Ø125"));
}

}  // namespace
