#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>

#include "base/number_text.h"
#include "engines/air_engine.h"
#include "engines/duct_flow.h"
#include "engines/duct_tables.h"
#include "physics/air_properties.h"
#include "physics/internal_data.h"

namespace {

// The air tab as the program opens it with the stored defaults: 100 m3/h,
// 20 degC, 40 %, 10 m, "Galva." 0.15 mm, "PdC Maxi." 0.80 Pa/m, circular.
AirInputs StartInputs()
{
    AirInputs in;
    in.temperature = "20";
    in.humidity = "40";
    in.altitude = "10";
    in.flow = "100";
    in.material = "Galva.";
    in.ductRoughness = 0.15f;
    in.ownRoughness = 0.001f;
    in.mode = AirModeMaxPressureDrop;
    in.rectangular = false;
    in.limit = "0.80";
    in.imposedDiameter = "125";
    in.sideA = "100";
    in.sideB = "100";
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

AirResult Size(const AirInputs& in, InternalDataRecord& data)
{
    return RunAirSizing(in, StandardDiameters(), data);
}

AirResult Size(const AirInputs& in)
{
    InternalDataRecord data;
    return Size(in, data);
}

// Expected texts of the fields 118 123 129 134 136 139; nullptr: not written.
struct Expected {
    const char* fields[AirOutputCount];
    const char* copiedSize;  // nullptr: nothing copied
};

void ExpectFields(const AirResult& result, const Expected& e, const std::string& what)
{
    for (int f = 0; f < AirOutputCount; ++f) {
        if (!e.fields[f]) {
            EXPECT_FALSE(result.fields[f].has_value())
                << what << ": output " << f << " written as " << result.fields[f]->toStdString();
            continue;
        }
        ASSERT_TRUE(result.fields[f].has_value()) << what << ": output " << f;
        EXPECT_EQ(result.fields[f]->toStdString(), e.fields[f]) << what << ": output " << f;
    }
    EXPECT_EQ(result.copy, e.copiedSize != nullptr) << what;
    if (result.copy && e.copiedSize) {
        EXPECT_EQ(result.copyTexts.size.toStdString(), e.copiedSize) << what;
    }
}

struct SizingCase {
    const char* what;
    int mode;
    bool rectangular;
    const char* flow;
    const char* limit;
    const char* sideA;
    Expected expected;
};

TEST(AirEngine, Searches)
{
    const char* na = "N/A";
    // clang-format off
    const SizingCase cases[] = {
        {"start-up defaults", AirModeMaxPressureDrop, false, "100", "0.80", "100",
         {{"125", nullptr, "125", nullptr, "2.26", "0.70"}, "Ø125"}},
        {"velocity 4.00 m/s: 95 rounds up to 100", AirModeMaxVelocity, false, "100", "4.00", "100",
         {{"95", nullptr, "100", nullptr, "3.54", "2.11"}, "Ø100"}},
        {"1000 m3/h", AirModeMaxPressureDrop, false, "1000", "0.80", "100",
         {{"290", nullptr, "315", nullptr, "3.56", "0.51"}, "Ø315"}},
        {"theoretical beyond 3000 mm", AirModeMaxPressureDrop, false, "500000", "0.80", "100",
         {{"3050", nullptr, na, nullptr, na, na}, nullptr}},
        {"rectangle, side A 100", AirModeMaxPressureDrop, true, "100", "0.80", "100",
         {{nullptr, "150", nullptr, "150", "1.85", "0.51"}, "100x150"}},
        {"rectangle, side A 49", AirModeMaxPressureDrop, true, "100", "0.80", "49",
         {{nullptr, na, nullptr, na, na, na}, nullptr}},
        {"rectangle, side A 49, velocity", AirModeMaxVelocity, true, "100", "4.00", "49",
         {{nullptr, na, nullptr, na, na, na}, nullptr}},
        {"rectangle, side A 50 is a duct", AirModeMaxVelocity, true, "100", "4.00", "50",
         {{nullptr, "150", nullptr, "150", "3.70", "3.24"}, "50x150"}},
        {"the smallest candidate already fits", AirModeMaxPressureDrop, false, "1", "0.80", "100",
         {{"50", nullptr, "80", nullptr, "0.06", "0.01"}, "Ø80"}},
        {"no limit can be met: 0", AirModeMaxPressureDrop, false, "100", "0", "100",
         {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"no velocity can be met: 0", AirModeMaxVelocity, true, "100", "N/A", "100",
         {{nullptr, na, nullptr, na, na, na}, nullptr}},
        {"zero flow writes nothing", AirModeMaxPressureDrop, false, "0", "0.80", "100", {{}, nullptr}},
        {"empty flow writes nothing", AirModeMaxVelocity, true, "", "4.00", "100", {{}, nullptr}},
    };
    // clang-format on
    for (const SizingCase& c : cases) {
        AirInputs in = StartInputs();
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        in.flow = c.flow;
        in.limit = c.limit;
        in.sideA = c.sideA;
        ExpectFields(Size(in), c.expected, c.what);
    }
}

TEST(AirEngine, StartUpDefaultsCopyTheSummaryTexts)
{
    const AirResult result = Size(StartInputs());
    ASSERT_TRUE(result.copy);
    EXPECT_EQ(result.copyTexts.flow, "100");
    EXPECT_EQ(result.copyTexts.size, QString::fromUtf8("Ø125"));
    EXPECT_EQ(result.copyTexts.pressureDrop, "0.70");
    EXPECT_EQ(result.copyTexts.velocity, "2.26");
    EXPECT_EQ(FillAirTemplate("%d-%c", result.copyTexts), QString::fromUtf8("100m3/h-Ø125"));

    AirInputs off = StartInputs();
    off.copyOn = false;
    EXPECT_FALSE(Size(off).copy);
}

struct ImposedCase {
    const char* what;
    bool rectangular;
    const char* diameter;
    const char* sideA;
    const char* sideB;
    Expected expected;
};

TEST(AirEngine, ImposedSizes)
{
    // clang-format off
    const ImposedCase cases[] = {
        {"circular 125, as the search found it", false, "125", "100", "100",
         {{nullptr, nullptr, nullptr, nullptr, "2.26", "0.70"}, "Ø125"}},
        {"rectangle 100 x 150", true, "125", "100", "150",
         {{nullptr, nullptr, nullptr, nullptr, "1.85", "0.51"}, "100x150"}},
        {"empty diameter", false, "", "100", "150",
         {{nullptr, nullptr, nullptr, nullptr, "0.00", "0.00"}, "Ø0"}},
        {"negative diameter", false, "-125", "100", "150",
         {{nullptr, nullptr, nullptr, nullptr, "0.00", "0.00"}, "Ø-125"}},
        {"a diameter that is no number", false, "N/A", "100", "150",
         {{nullptr, nullptr, nullptr, nullptr, "0.00", "0.00"}, "Ø0"}},
        {"side B below 50", true, "125", "100", "49",
         {{nullptr, nullptr, nullptr, nullptr, "0.00", "0.00"}, "100x49"}},
        {"side A below 50", true, "125", "49", "150",
         {{nullptr, nullptr, nullptr, nullptr, "0.00", "0.00"}, "49x150"}},
        {"both sides 50", true, "125", "50", "50",
         {{nullptr, nullptr, nullptr, nullptr, "11.11", "42.73"}, "50x50"}},
    };
    // clang-format on
    for (const ImposedCase& c : cases) {
        AirInputs in = StartInputs();
        in.mode = AirModeImposedSize;
        in.rectangular = c.rectangular;
        in.imposedDiameter = c.diameter;
        in.sideA = c.sideA;
        in.sideB = c.sideB;
        ExpectFields(Size(in), c.expected, c.what);
    }
}

TEST(AirEngine, AnyOtherModeIndexSizesTheImposedDuct)
{
    for (int mode : {-1, 3}) {
        AirInputs in = StartInputs();
        in.mode = mode;
        ExpectFields(Size(in), {{nullptr, nullptr, nullptr, nullptr, "2.26", "0.70"}, "Ø125"},
                     "mode " + std::to_string(mode));
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
    InternalDataRecord data;
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
        float r = 0.0f;
        if (c.b == 0.0f)
            r = AirPressureDrop(c.a, c.a, CircularDuctVelocity(100.0f, c.a), 0.15f, air.viscosity, air.density, data);
        else
            r = AirPressureDrop(EquivalentDiameter(c.a, c.b), HydraulicDiameter(c.a, c.b),
                                RectangularDuctVelocity(100.0f, c.a, c.b), 0.15f, air.viscosity, air.density, data);
        EXPECT_NEAR(r, c.expected, 0.005) << c.what;
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

TEST(AirEngine, RecordsTheAirStateAndTheReynoldsNumberOfTheDuctShown)
{
    const Air air;
    InternalDataRecord data;
    Size(StartInputs(), data);
    EXPECT_FLOAT_EQ(data.atmosphericPressure, air.pressure);
    EXPECT_FLOAT_EQ(data.density, air.density);
    EXPECT_FLOAT_EQ(data.kinematicViscosity, air.viscosity);
    EXPECT_NEAR(data.density, 1.1985f, 0.0001f);
    const float v = CircularDuctVelocity(100.0f, 125.0f);  // [m/s]
    EXPECT_FLOAT_EQ(data.reynolds, v * 125.0f * 0.001f / air.viscosity);

    // Without a flow the air state is still recorded; the Reynolds number is not touched.
    AirInputs in = StartInputs();
    in.flow = "0";
    in.altitude = "1000";
    data.reynolds = -1.0f;
    Size(in, data);
    EXPECT_NEAR(data.atmosphericPressure, 89874.6f, 0.05f);
    EXPECT_EQ(data.reynolds, -1.0f);
}

// A criterion exactly at the limit is accepted: the limit is the value itself,
// written with enough digits to read back the same float.
TEST(AirEngine, ACriterionEqualToTheLimitIsAccepted)
{
    const Air air;
    InternalDataRecord data;
    const float v95 = CircularDuctVelocity(100.0f, 95.0f);
    const float r120 =
        AirPressureDrop(120.0f, 120.0f, CircularDuctVelocity(100.0f, 120.0f), 0.15f, air.viscosity, air.density, data);
    struct LimitCase {
        int mode;
        float limit;
        const char* theoretical;
        const char* standard;
    };
    // clang-format off
    const LimitCase cases[] = {
        {AirModeMaxVelocity, v95, "95", "100"},
        {AirModeMaxVelocity, std::nextafter(v95, 0.0f), "100", "100"},
        {AirModeMaxPressureDrop, r120, "120", "125"},
        {AirModeMaxPressureDrop, std::nextafter(r120, 0.0f), "125", "125"},
    };
    // clang-format on
    for (const LimitCase& c : cases) {
        AirInputs in = StartInputs();
        in.mode = c.mode;
        in.limit = QString::number(c.limit, 'g', 9);
        const AirResult result = Size(in);
        EXPECT_EQ(result.fields[AirOutTheoretical].value_or("-"), c.theoretical) << in.limit.toStdString();
        EXPECT_EQ(result.fields[AirOutDuctDiameter].value_or("-"), c.standard) << in.limit.toStdString();
    }
}

TEST(AirEngine, AutreTakesTheUsersOwnRoughness)
{
    struct RoughnessCase {
        const char* material;
        float listed, own;  // "RugoGaine", "AutreRugo" [mm]
        const char* theoretical;
    };
    // clang-format off
    const RoughnessCase cases[] = {
        {"Galva.", 0.15f, 5.0f, "125"},
        {"Autre", 5.0f, 0.15f, "125"},
        {"Autre", 0.15f, 5.0f, "145"},
        {"Plastique", 5.0f, 0.15f, "145"},  // the stored roughness, not the table's
        {"autre", 5.0f, 0.15f, "145"},      // only "Autre" exactly
    };
    // clang-format on
    for (const RoughnessCase& c : cases) {
        AirInputs in = StartInputs();
        in.material = c.material;
        in.ductRoughness = c.listed;
        in.ownRoughness = c.own;
        EXPECT_EQ(Size(in).fields[AirOutTheoretical].value_or("-"), c.theoretical) << c.material;
    }
}

// Where the air state or the flow leaves the range of numbers: every run
// ends, what cannot be computed shows "N/A" and nothing is copied.
TEST(AirEngine, ExtremeInputsEndAndShowNotAvailable)
{
    const char* na = "N/A";
    const char* huge = "10000000000000000000000000000000000000000";  // beyond float: infinite
    struct Extreme {
        const char* what;
        const char* altitude;
        const char* flow;
        int mode;
        bool rectangular;
        Expected expected;
    };
    // clang-format off
    const Extreme cases[] = {
        {"44 331 m: no air, pressure drop mode", "44331", "100", AirModeMaxPressureDrop, false,
         {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"44 331 m: rectangle", "44331", "100", AirModeMaxPressureDrop, true,
         {{nullptr, na, nullptr, na, na, na}, nullptr}},
        {"44 331 m: no air to size in with a velocity either", "44331", "100", AirModeMaxVelocity, false,
         {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"44 331 m: imposed size", "99999", "100", AirModeImposedSize, false,
         {{nullptr, nullptr, nullptr, nullptr, na, na}, nullptr}},
        {"infinite flow, pressure drop", "10", huge, AirModeMaxPressureDrop, false,
         {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"infinite flow, velocity, rectangle", "10", huge, AirModeMaxVelocity, true,
         {{nullptr, na, nullptr, na, na, na}, nullptr}},
        {"infinite flow, imposed size", "10", huge, AirModeImposedSize, false,
         {{nullptr, nullptr, nullptr, nullptr, na, na}, nullptr}},
        {"a flow no duct below 16 777 215 mm carries", "10", "10000000000000000", AirModeMaxPressureDrop,
         false, {{na, nullptr, na, nullptr, na, na}, nullptr}},
    };
    // clang-format on
    for (const Extreme& c : cases) {
        AirInputs in = StartInputs();
        in.altitude = c.altitude;
        in.flow = c.flow;
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        in.limit = c.mode == AirModeMaxVelocity ? "4.00" : "0.80";
        InternalDataRecord data;
        ExpectFields(Size(in, data), c.expected, c.what);
    }
    InternalDataRecord data;
    AirInputs in = StartInputs();
    in.altitude = "44331";
    Size(in, data);
    EXPECT_TRUE(std::isnan(data.atmosphericPressure));
    EXPECT_TRUE(std::isnan(data.density));
}

// Air a duct cannot carry (its vapour above the atmospheric pressure, or next
// to no atmosphere) shows "N/A" wherever the run would write, and copies
// nothing; winter air below 0 degC sizes as any other. Densities and results
// worked out by hand: rho = (p - phi/100 * 230.617 * exp(17.5043 T / (T + 241.2)))
// / (287.06 (T + 273.15)), Colebrook for the pressure drop.
TEST(AirEngine, TheAirStateDecidesWhetherADuctIsSized)
{
    const char* na = "N/A";
    struct AirCase {
        const char* what;
        const char* temperature;  // [degC]
        const char* humidity;     // [%]
        const char* altitude;     // [m]
        int mode;
        bool rectangular;
        float density;  // [kg/m3]
        Expected expected;
    };
    // clang-format off
    const AirCase cases[] = {
        {"200 degC, 40 %: vapour above the pressure", "200", "40", "10", AirModeMaxPressureDrop, false, -1.1518f,
         {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"the same, velocity, rectangle", "200", "40", "10", AirModeMaxVelocity, true, -1.1518f,
         {{nullptr, na, nullptr, na, na, na}, nullptr}},
        {"the same, imposed size", "200", "40", "10", AirModeImposedSize, false, -1.1518f,
         {{nullptr, nullptr, nullptr, nullptr, na, na}, nullptr}},
        {"150 degC, 100 %", "150", "100", "0", AirModeMaxVelocity, false, -0.7265f,
         {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"44 330 m: a tiny pressure, the vapour above it", "20", "40", "44330", AirModeMaxPressureDrop, false,
         -0.0042f, {{na, nullptr, na, nullptr, na, na}, nullptr}},
        {"-20 degC, 40 %: winter air", "-20", "40", "10", AirModeMaxPressureDrop, false, 1.3924f,
         {{"125", nullptr, "125", nullptr, "2.26", "0.78"}, "Ø125"}},
    };
    // clang-format on
    for (const AirCase& c : cases) {
        AirInputs in = StartInputs();
        in.temperature = c.temperature;
        in.humidity = c.humidity;
        in.altitude = c.altitude;
        in.mode = c.mode;
        in.rectangular = c.rectangular;
        in.limit = c.mode == AirModeMaxVelocity ? "4.00" : "0.80";
        InternalDataRecord data;
        ExpectFields(Size(in, data), c.expected, c.what);
        EXPECT_NEAR(data.density, c.density, 0.0001f) << c.what;
    }
}

}  // namespace
