#include <QStringList>
#include <gtest/gtest.h>

#include "engines/pipe_library.h"
#include "engines/water_engine.h"
#include "physics/friction.h"
#include "physics/internal_data.h"
#include "physics/water_properties.h"
#include "support/test_libraries.h"

namespace {

// The water tab as the program opens it with the stored defaults.
WaterInputs StartInputs()
{
    WaterInputs in;
    in.flowTemperature = "90";
    in.returnTemperature = "70";
    in.antifreezeOn = false;
    in.antifreezePercent = "30";
    in.mode = ModeMaxPressureDrop;
    in.flow = "100";
    in.power = "2317";
    in.oversizingOn = false;
    in.oversizingPercent = "20";
    in.totalPower = "0";
    in.limit = "18";
    in.copyOn = true;
    in.entryMode = EntryMode::FlowEntered;
    return in;
}

// Expected text of a field; nullptr: the run must not write it; Any: written,
// whatever the text (checked elsewhere).
constexpr const char* Any = "*";
struct Expected {
    const char* flow;
    const char* power;
    const char* size;
    const char* theoretical;
    const char* velocity;
    const char* pressureDrop;
};

struct SizingCase {
    const char* what;
    int mode;
    const char* limit;
    const char* flow;
    PipeLibrary library;
    Expected expected;
};

void ExpectFields(const WaterResult& result, const Expected& e, const char* what)
{
    const char* wanted[] = {e.flow, e.power, nullptr, nullptr, e.size, e.theoretical, e.velocity, e.pressureDrop};
    for (int f = 0; f < WaterOutputCount; ++f) {
        if (f == OutOversizingPower || f == OutTotalPower)
            continue;  // the oversizing tests look at these
        if (!wanted[f]) {
            EXPECT_FALSE(result.fields[f].has_value())
                << what << ": output " << f << " written as " << result.fields[f]->toStdString();
            continue;
        }
        ASSERT_TRUE(result.fields[f].has_value()) << what << ": output " << f;
        if (wanted[f] == Any)
            continue;
        EXPECT_EQ(result.fields[f]->toStdString(), wanted[f]) << what << ": output " << f;
    }
}

WaterResult Size(const WaterInputs& in, const PipeLibrary& lib, int current = 0)
{
    InternalDataRecord data;
    return RunWaterSizing(in, &lib, current, data);
}

TEST(WaterEngine, FlowEnteredCases)
{
    // clang-format off
    const SizingCase cases[] = {
        {"start-up defaults: D 10.3, 14 inactive so 15 (13.0 mm)", ModeMaxPressureDrop, "18", "100",
         Copper(), {nullptr, "2317", "15", "10.3", "0.21", "5.74"}},
        {"rougher pipe stops later", ModeMaxPressureDrop, "18", "100",
         Copper(0.045f), {nullptr, "2317", "15", "10.6", "0.21", Any}},
        {"1000 L/h", ModeMaxPressureDrop, "18", "1000",
         Copper(), {nullptr, "23175", "28", "23.9", Any, Any}},
        {"velocity mode at 1.20 m/s", ModeMaxVelocity, "1.20", "100",
         Copper(), {nullptr, "2317", "10", "5.43", "0.55", Any}},
        {"velocity mode: smallest size already slow enough", ModeMaxVelocity, "1.20", "10",
         Copper(), {nullptr, "232", "10", "1.72", "0.06", Any}},
        {"pressure drop: theoretical beyond the last size", ModeMaxPressureDrop, "18", "100",
         WithSizes({Row("6", 6.0f), Row("8", 8.0f)}), {nullptr, "2317", "N/A", "10.3", "N/A", "N/A"}},
        {"velocity: theoretical beyond the last size", ModeMaxVelocity, "0.1", "1000",
         Copper(), {nullptr, "23175", "N/A", "59.5", "N/A", "N/A"}},
        {"pressure drop: nothing fits up to 3000 mm", ModeMaxPressureDrop, "1", "100000000000",
         Copper(), {nullptr, Any, "N/A", "N/A", "N/A", "N/A"}},
        {"velocity: only inactive sizes are large enough, results kept", ModeMaxVelocity, "1.20", "100",
         WithSizes({Row("4", 4.0f), Row("6", 6.0f, false), Row("8", 8.0f, false)}),
         {nullptr, "2317", nullptr, nullptr, nullptr, nullptr}},
        {"unknown mode writes nothing", 3, "18", "100", Copper(), {}},
        {"zero flow ends before anything is written", ModeMaxPressureDrop, "18", "0", Copper(), {}},
        {"a flow that is no number reads as zero", ModeMaxPressureDrop, "18", "abc", Copper(), {}},
    };
    // clang-format on
    for (const SizingCase& c : cases) {
        WaterInputs in = StartInputs();
        in.mode = c.mode;
        in.limit = c.limit;
        in.flow = c.flow;
        ExpectFields(Size(in, c.library), c.expected, c.what);
    }
}

TEST(WaterEngine, StartUpDefaultsRecordTheFluidAtTheMeanTemperature)
{
    InternalDataRecord data;
    const PipeLibrary lib = Copper();
    RunWaterSizing(StartInputs(), &lib, 0, data);
    EXPECT_FLOAT_EQ(data.heatFactor, 0.863f);
    EXPECT_NEAR(data.density, 979.63f, 0.01f);
    EXPECT_NEAR(data.kinematicViscosity, 3.863e-7f, 0.001e-7f);
    // The Reynolds number is that of the size shown: 13.0 mm at 0.21 m/s.
    EXPECT_NEAR(data.reynolds, PipeVelocity(13.0f, 100.0f) * 13.0f * 0.001f / data.kinematicViscosity, 1.0f);
}

TEST(WaterEngine, PressureDropSearchStopsWhereTheLimitIsMetExactly)
{
    // Find a flow whose gradient at some 0.1 mm step is exactly 18 mmCE/m; the
    // search must stop on that step, not on the next one.
    const float nu = WaterKinematicViscosity(80.0f, 0);
    const float rho = WaterDensity(80.0f, 0);
    InternalDataRecord scratch;
    float d = 0.0f;
    for (int i = 0; i < 103; ++i)
        d += 0.1f;  // 10.3 as the search reaches it
    float exactFlow = 0.0f;
    for (float q = 101.5f; q < 103.5f && exactFlow == 0.0f; q = std::nextafter(q, 200.0f)) {
        if (WaterPressureGradient(d, PipeVelocity(d, q), 0.0015f, nu, rho, scratch) == 18.0f)
            exactFlow = q;
    }
    ASSERT_NE(exactFlow, 0.0f) << "no flow gives exactly 18 mmCE/m at 10.3 mm";
    WaterInputs in = StartInputs();
    in.flow = QString::number(exactFlow, 'g', 9);
    const WaterResult result = Size(in, Copper());
    ASSERT_TRUE(result.fields[OutTheoreticalDiameter]);
    EXPECT_EQ(*result.fields[OutTheoreticalDiameter], "10.3");
}

TEST(WaterEngine, ToleranceOfOneHundredthInPressureDropModeOnly)
{
    // 100 L/h at 90/70: the search stops at 10.3 mm, velocity mode needs 5.43 mm.
    struct Tolerance {
        const char* what;
        int mode;
        const char* limit;
        float nearSize;  // inside diameter of the first active size [mm]
        const char* chosen;
    };
    // clang-format off
    const Tolerance cases[] = {
        {"0.005 mm below D is taken", ModeMaxPressureDrop, "18", 10.295f, "near"},
        {"0.02 mm below D is not", ModeMaxPressureDrop, "18", 10.28f, "next"},
        {"velocity mode: 0.005 mm below is too fast", ModeMaxVelocity, "1.20", 5.425f, "next"},
    };
    // clang-format on
    for (const Tolerance& c : cases) {
        WaterInputs in = StartInputs();
        in.mode = c.mode;
        in.limit = c.limit;
        const WaterResult result = Size(in, WithSizes({Row("near", c.nearSize), Row("next", 16.0f)}));
        ASSERT_TRUE(result.fields[OutSize]) << c.what;
        EXPECT_EQ(*result.fields[OutSize], c.chosen) << c.what;
    }
}

TEST(WaterEngine, TrailingInactiveSizesGrowTheDiameterPastTheLastSize)
{
    const WaterResult result =
        Size(StartInputs(), WithSizes({Row("8", 8.0f), Row("10", 10.0f, false), Row("12", 12.0f, false)}));
    float d = 0.0f;
    while (d <= 12.0f)
        d += 0.1f;
    ExpectFields(result, {nullptr, "2317", "N/A", QString::number(d, 'f', 1).toUtf8().constData(), "N/A", "N/A"},
                 "trailing inactive sizes");
}

TEST(WaterEngine, ImposedSizeUsesTheCurrentSizeWhateverItsFlag)
{
    WaterInputs in = StartInputs();
    in.mode = ModeImposedSize;
    in.limit = "14";
    const WaterResult result = Size(in, Copper(), 2);  // "14", inactive, 12.0 mm
    ExpectFields(result, {nullptr, "2317", "14", "12.00", "0.25", Any}, "imposed inactive size");
    EXPECT_EQ(result.copyTexts.size, "14");
}

TEST(WaterEngine, PowerEnteredDerivesTheFlow)
{
    WaterInputs in = StartInputs();
    in.entryMode = EntryMode::PowerEntered;
    in.power = "2317";
    in.flow = "999";  // shown, not read
    const WaterResult result = Size(in, Copper());
    // 2317 W x 0.863 / 20 K = 99.98 L/h, shown as 100 but sized unrounded.
    ExpectFields(result, {"100", nullptr, "15", "10.3", "0.21", "5.73"}, "power entered");
    EXPECT_FALSE(result.fields[OutOversizingPower] || result.fields[OutTotalPower]);
}

TEST(WaterEngine, TemperaturesTakeADecimalCommaAsThePoint)
{
    const struct {
        const char *supply, *back, *power;  // [degC], [degC], P = |dT| x 100 L/h / 0.863 [W]
    } cases[] = {
        {"12,5", "7", "637"},  // 5.5 K: 637.31
        {"12.5", "7", "637"},
        {"12", "7,5", "521"},    // 4.5 K: 521.44
        {"90", "70,5", "2260"},  // 19.5 K: 2259.56
    };
    for (const auto& c : cases) {
        WaterInputs in = StartInputs();
        in.flowTemperature = c.supply;
        in.returnTemperature = c.back;
        const WaterResult result = Size(in, Copper());
        ASSERT_TRUE(result.fields[OutPower]) << c.supply << " " << c.back;
        EXPECT_EQ(result.fields[OutPower]->toStdString(), c.power) << c.supply << " " << c.back;
    }
}

TEST(WaterEngine, OversizingAddsToTheEnteredPowerAndTheFlowFollowsTheShownTotal)
{
    WaterInputs in = StartInputs();
    in.entryMode = EntryMode::PowerEntered;
    in.oversizingOn = true;
    in.power = "1001";
    in.oversizingPercent = "50";
    const WaterResult result = Size(in, Copper());
    ASSERT_TRUE(result.fields[OutOversizingPower] && result.fields[OutTotalPower]);
    EXPECT_EQ(*result.fields[OutOversizingPower], "501");  // 500.5 rounded away from zero
    EXPECT_EQ(*result.fields[OutTotalPower], "1502");      // 1501.5
    // The flow is derived from the total as shown: 1502 x 0.863 / 20 = 64.81
    EXPECT_EQ(*result.fields[OutFlow], "65");
    EXPECT_EQ(result.copyTexts.power, "1502");
}

TEST(WaterEngine, EqualTemperaturesWithPowerEnteredGiveAnInfiniteFlow)
{
    struct Infinite {
        int mode;
        Expected expected;
    };
    // clang-format off
    const Infinite cases[] = {
        {ModeMaxPressureDrop, {"Infini", nullptr, "N/A", "N/A", "N/A", "N/A"}},
        {ModeImposedSize, {"Infini", nullptr, "N/A", nullptr, "N/A", "N/A"}},
        {ModeMaxVelocity, {"Infini", nullptr, "N/A", "N/A", "N/A", "N/A"}},
    };
    // clang-format on
    for (const Infinite& c : cases) {
        WaterInputs in = StartInputs();
        in.entryMode = EntryMode::PowerEntered;
        in.returnTemperature = "90";
        in.mode = c.mode;
        const WaterResult result = Size(in, Copper());
        ExpectFields(result, c.expected, "equal temperatures");
        EXPECT_FALSE(result.copy);
    }
}

TEST(WaterEngine, EqualTemperaturesWithFlowEnteredSizeWithZeroPower)
{
    WaterInputs in = StartInputs();
    in.returnTemperature = "90";
    const WaterResult result = Size(in, Copper());
    ExpectFields(result, {nullptr, "0", "15", Any, "0.21", Any}, "flow entered, equal temperatures");
}

TEST(WaterEngine, ZeroPowerStillRefreshesTheOversizing)
{
    WaterInputs in = StartInputs();
    in.entryMode = EntryMode::PowerEntered;
    in.power = "0";
    in.oversizingOn = true;
    const WaterResult result = Size(in, Copper());
    ExpectFields(result, {}, "zero power");
    EXPECT_EQ(result.fields[OutOversizingPower].value_or("-"), "0");
    EXPECT_EQ(result.fields[OutTotalPower].value_or("-"), "0");
}

TEST(WaterEngine, AntifreezeSwitchChoosesTheHeatFactor)
{
    struct Antifreeze {
        bool on;
        const char* percent;
        const char* power;
    };
    // 30/10 degC: mean 20 degC, 20 K, 100 L/h.
    // clang-format off
    const Antifreeze cases[] = {
        {false, "0", "2317"},   // fixed 0.863
        {false, "40", "2317"},  // the percentage is ignored while off
        {true, "0", "2333"},    // fit for pure water at 20 degC: 0.8573
        {true, "33", "2011"},   // 33 % antifreeze at 20 degC: 0.9946
    };
    // clang-format on
    for (const Antifreeze& c : cases) {
        WaterInputs in = StartInputs();
        in.flowTemperature = "30";
        in.returnTemperature = "10";
        in.antifreezeOn = c.on;
        in.antifreezePercent = c.percent;
        InternalDataRecord data;
        const PipeLibrary lib = Copper();
        const WaterResult result = RunWaterSizing(in, &lib, 0, data);
        ASSERT_TRUE(result.fields[OutPower]);
        EXPECT_EQ(result.fields[OutPower]->toStdString(), c.power) << c.on << " " << c.percent;
        const int8_t p = c.on ? static_cast<int8_t>(QString(c.percent).toInt()) : 0;
        EXPECT_EQ(data.heatFactor, c.on ? WaterHeatFactor(20.0f, p) : 0.863f);
        EXPECT_EQ(data.density, WaterDensity(20.0f, p));
    }
}

TEST(WaterEngine, CopyTextsOnlyWithTheSwitchOnAndAResultShown)
{
    WaterInputs in = StartInputs();
    WaterResult result = Size(in, Copper());
    ASSERT_TRUE(result.copy);
    const WaterCopyTexts& t = result.copyTexts;
    EXPECT_EQ(QStringList({t.flow, t.power, t.size, t.pressureDrop, t.velocity, t.symbol, t.abbreviation}),
              QStringList({"100", "2317", "15", "5.74", "0.21", QString::fromUtf8("Ø"), "Cu"}));

    in.copyOn = false;
    EXPECT_FALSE(Size(in, Copper()).copy);

    in.copyOn = true;
    in.flow = "100000000000";  // N/A everywhere
    EXPECT_FALSE(Size(in, Copper()).copy);
}

TEST(WaterEngine, NonFiniteQuantitiesCannotBeComputed)
{
    const QString huge = "1" + QString(39, '0');     // beyond the float range
    const QString nearMax = "3" + QString(38, '0');  // a float, but not once oversized
    struct NonFinite {
        const char* what;
        int mode;
        EntryMode entry;
        QString flow, power;
        bool zeroKelvin;  // 8 and 9 at -273.15 degC rather than 90 and 70
        bool oversizing;
        Expected expected;
        const char* totalPower;  // 27; nullptr: not written
    };
    const EntryMode F = EntryMode::FlowEntered, P = EntryMode::PowerEntered;
    // clang-format off
    const NonFinite cases[] = {
        {"flow, mode 0", ModeMaxPressureDrop, F, huge, "", false, false, {nullptr, "N/A", "N/A", "N/A", "N/A", "N/A"}, nullptr},
        {"flow, mode 1", ModeImposedSize, F, huge, "", false, false, {nullptr, "N/A", "N/A", nullptr, "N/A", "N/A"}, nullptr},
        {"flow, mode 2", ModeMaxVelocity, F, huge, "", false, false, {nullptr, "N/A", "N/A", "N/A", "N/A", "N/A"}, nullptr},
        {"power, mode 0", ModeMaxPressureDrop, P, "", huge, false, false, {"N/A", nullptr, "N/A", "N/A", "N/A", "N/A"}, nullptr},
        {"power, mode 2", ModeMaxVelocity, P, "", huge, false, false, {"N/A", nullptr, "N/A", "N/A", "N/A", "N/A"}, nullptr},
        {"oversized power", ModeMaxPressureDrop, P, "", nearMax, false, true, {"N/A", nullptr, "N/A", "N/A", "N/A", "N/A"}, "N/A"},
        {"mean at 0 K, mode 0", ModeMaxPressureDrop, F, "100", "", true, false, {nullptr, Any, "N/A", "N/A", "N/A", "N/A"}, nullptr},
        {"mean at 0 K, mode 1", ModeImposedSize, F, "100", "", true, false, {nullptr, Any, "10", "8.00", "0.55", "N/A"}, nullptr},
        {"mean at 0 K, mode 2", ModeMaxVelocity, F, "100", "", true, false, {nullptr, Any, "10", "5.43", "0.55", "N/A"}, nullptr},
    };
    // clang-format on
    for (const NonFinite& c : cases) {
        WaterInputs in = StartInputs();
        in.mode = c.mode;
        in.limit = c.mode == ModeMaxVelocity ? "1.20" : "18";
        in.entryMode = c.entry;
        in.flow = c.flow;
        in.power = c.power;
        if (c.zeroKelvin)
            in.flowTemperature = in.returnTemperature = "-273.15";
        in.oversizingOn = c.oversizing;
        in.oversizingPercent = "99";
        const WaterResult result = Size(in, Copper());
        ExpectFields(result, c.expected, c.what);
        EXPECT_FALSE(result.copy) << c.what;
        EXPECT_EQ(result.fields[OutTotalPower].value_or("-").toStdString(), c.totalPower ? c.totalPower : "-")
            << c.what;
    }
}

TEST(WaterEngine, NothingToSizeWithoutLibraryOrSizes)
{
    InternalDataRecord data;
    data.density = 1.0f;
    const WaterInputs in = StartInputs();
    PipeLibrary empty = Copper();
    empty.sizes.clear();
    const struct {
        const PipeLibrary* library;
        Expected expected;
        // clang-format off
    } cases[] = {
        {nullptr, {}},
        {&empty, {nullptr, nullptr, "N/A", "N/A", "N/A", "N/A"}},
    };
    // clang-format on
    for (const auto& c : cases) {
        const WaterResult result = RunWaterSizing(in, c.library, 0, data);
        ExpectFields(result, c.expected, "no sizes");
        EXPECT_FALSE(result.copy);
    }
    WaterInputs imposed = in;
    imposed.mode = ModeImposedSize;
    const PipeLibrary copper = Copper();
    ExpectFields(RunWaterSizing(imposed, &copper, 99, data), {}, "current size outside the list");
    EXPECT_EQ(data.density, 1.0f);
}

TEST(WaterEngine, VelocityInAPipe)
{
    // 100 L/h in 13 mm: 1/36000 m3/s over 1.3273e-4 m2
    EXPECT_NEAR(PipeVelocity(13.0f, 100.0f), 0.20928f, 1e-5f);
    EXPECT_NEAR(PipeVelocity(8.0f, 100.0f), 0.55262f, 1e-5f);
}

}  // namespace
