#include <QStringList>
#include <cmath>
#include <gtest/gtest.h>
#include <limits>

#include "engines/drainage_texts.h"
#include "engines/pipe_library.h"

namespace {

// Bazin's formula worked by hand in double precision:
// alpha = acos(1 - 2f), A = D^2/4 (alpha - sin 2alpha / 2), Rh = A / (alpha D),
// u = 87 Rh sqrt(I/100) / (gamma + sqrt Rh), Q = A u.
struct CapacityCase {
    float diameter;   // D_int [mm]
    float slope;      // I [cm/m]
    float fill;       // f [-]
    float gamma;      // [m^0.5]
    double flow;      // Q [l/s]
    double velocity;  // v [m/s]
    const char* flowText;
    const char* velocityText;
};

const CapacityCase CapacityCases[] = {
    {100.0f, 2.0f, 0.5f, 0.16f, 3.79709552, 0.966922433, "3.80", "0.97"},  // Rh = D/4 = 0.025 m
    {100.0f, 2.0f, 0.7f, 0.16f, 6.44451287, 1.09744308, "6.44", "1.10"},   // alpha = 1.982313 rad
    {100.0f, 2.0f, 0.5f, 0.06f, 5.53797302, 1.41023325, "5.54", "1.41"},
    {100.0f, 0.5f, 0.5f, 0.16f, 1.89854776, 0.483461217, "1.90", "0.48"},  // slope position 1
    {100.0f, 5.0f, 0.5f, 0.16f, 6.00373516, 1.5288386, "6.00", "1.53"},    // position 10
    {44.0f, 5.0f, 0.7f, 0.06f, 1.65515218, 1.45587633, "1.66", "1.46"},
    {26.0f, 1.5f, 0.5f, 0.16f, 0.0764096914, 0.287833848, "0.08", "0.29"},
    {150.0f, 1.0f, 0.7f, 0.16f, 13.7753054, 1.04258297, "13.78", "1.04"},
    {200.0f, 0.5f, 0.7f, 0.06f, 28.21712, 1.20128098, "28.22", "1.20"},
    {71.0f, 3.5f, 0.5f, 0.06f, 2.95975407, 1.4951303, "2.96", "1.50"},
};

TEST(DrainageCapacity, BazinFiguresWorkedByHand)
{
    for (const CapacityCase& c : CapacityCases) {
        SCOPED_TRACE(testing::Message() << "D " << c.diameter << " I " << c.slope << " f " << c.fill << " gamma "
                                        << c.gamma);
        const DrainageFlow r = DrainageCapacity(c.diameter, c.slope, c.fill, c.gamma);
        EXPECT_NEAR(r.flow, c.flow, c.flow * 2e-6);
        EXPECT_NEAR(r.velocity, c.velocity, c.velocity * 2e-6);

        PipeSize size;
        size.name = "DN";
        size.insideDiameter = c.diameter;
        size.outsideDiameter = c.diameter + 10.0f;
        const QStringList row = DrainageRow(size, r);
        ASSERT_EQ(row.size(), 5);
        EXPECT_EQ(row[1].toStdString(), c.flowText);
        EXPECT_EQ(row[2].toStdString(), c.velocityText);
    }
}

TEST(DrainageCapacity, NoSlopeCarriesNothing)
{
    const DrainageFlow r = DrainageCapacity(100.0f, 0.0f, 0.5f, 0.16f);
    EXPECT_EQ(r.flow, 0.0f);
    EXPECT_EQ(r.velocity, 0.0f);
}

TEST(DrainageCapacity, DiameterWithoutSectionIsNotANumber)
{
    for (float diameter : {0.0f, -0.0f, -50.0f, std::numeric_limits<float>::quiet_NaN()}) {
        const DrainageFlow r = DrainageCapacity(diameter, 2.0f, 0.5f, 0.16f);
        EXPECT_TRUE(std::isnan(r.flow)) << diameter;
        EXPECT_TRUE(std::isnan(r.velocity)) << diameter;
    }
}

// The rows of a library at 2.0 cm/m, half full, code roughness: Parse, Size and Format.
TEST(DrainageRow, TextsOfOneSize)
{
    struct Case {
        const char* name;
        float inside, outside;  // [mm]
        QStringList expected;
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const Case cases[] = {
        {"100", 100.0f, 110.0f, {"100", "3.80", "0.97", "100.0", "110.0"}},
        {"40", 34.0f, 40.0f, {"40", "0.19", "0.41", "34.0", "40.0"}},
        {"125", 118.6f, 125.0f, {"125", "6.07", "1.10", "118.6", "125.0"}},
        // A size whose file has no inside diameter.
        {"x", 0.0f, 12.0f, {"x", "N/A", "N/A", "0.0", "12.0"}},
        {"neg", -20.0f, 0.0f, {"neg", "N/A", "N/A", "-20.0", "0.0"}},
        {"NaN", nan, nan, {"NaN", "N/A", "N/A", "N/A", "N/A"}},
    };
    PipeLibrary library;
    for (const Case& c : cases) {
        PipeSize size;
        size.name = c.name;
        size.insideDiameter = c.inside;
        size.outsideDiameter = c.outside;
        library.sizes.push_back(size);
    }
    const DrainageOutcome outcome = SizeDrainage(ParseDrainageInputs({"PVC", false, 4, true, ""}), library);
    const std::vector<QStringList> rows = FormatDrainageResult(outcome, library).rows;
    ASSERT_EQ(rows.size(), std::size(cases));
    for (size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i], cases[i].expected) << cases[i].name;
}

TEST(BazinCoefficient, CodeRoughnessRule)
{
    struct Case {
        const char* library;
        bool ticked;
        float gamma;   // [m^0.5]
        bool imposed;  // the user's choice does not count
    };
    const Case cases[] = {
        {"FONTE SMU", true, 0.16f, true},    {"FONTE SMU", false, 0.16f, true},  {"PVC", true, 0.16f, false},
        {"PVC", false, 0.06f, false},        {"fonte smu", false, 0.06f, false},  // letter case counts
        {"FONTE SMU ", false, 0.06f, false},                                      // and so do blanks
        {"FONTE  SMU", false, 0.06f, false}, {"", false, 0.06f, false},          {"", true, 0.16f, false},
    };
    for (const Case& c : cases) {
        const DrainageInputs inputs = ParseDrainageInputs({c.library, false, 4, c.ticked, ""});
        EXPECT_EQ(SizeDrainage(inputs, PipeLibrary()).gamma, c.gamma) << c.library << " " << c.ticked;
        EXPECT_EQ(inputs.codeImposed, c.imposed) << c.library;
    }
}

TEST(DrainageInputs, FillRatioOfTheStoredChoice)
{
    EXPECT_EQ(FillFraction(FillHalf), 0.5f);
    EXPECT_EQ(FillFraction(FillSevenTenths), 0.7f);
    for (int other : {2, -1, 127})
        EXPECT_EQ(FillFraction(other), 0.7f) << other;
}

TEST(DrainageInputs, SlopeOfEveryTrackBarPosition)
{
    const char* texts[] = {"0.5", "1.0", "1.5", "2.0", "2.5", "3.0", "3.5", "4.0", "4.5", "5.0"};
    for (int position = SlopeBarFirst; position <= SlopeBarLast; ++position) {
        EXPECT_EQ(SlopeAtPosition(position), position * 0.5f);
        EXPECT_EQ(SlopeText(position).toStdString(), texts[position - 1]);
    }
}

TEST(FindDrainageLibrary, FirstLibraryOfExactlyThatName)
{
    PipeLibraryList libraries(4);
    libraries[0].name = "PP";
    libraries[1].name = "PVC";
    libraries[1].abbreviation = "first";
    libraries[2].name = "PVC";
    libraries[2].abbreviation = "second";
    libraries[3].name = "";  // a file without its header group

    ASSERT_NE(FindDrainageLibrary(libraries, "PVC"), nullptr);
    EXPECT_EQ(FindDrainageLibrary(libraries, "PVC")->abbreviation, "first");
    EXPECT_EQ(FindDrainageLibrary(libraries, "PP"), &libraries[0]);
    EXPECT_EQ(FindDrainageLibrary(libraries, ""), &libraries[3]);
    EXPECT_EQ(FindDrainageLibrary(libraries, "pvc"), nullptr);
    EXPECT_EQ(FindDrainageLibrary(libraries, "PVC "), nullptr);
    EXPECT_EQ(FindDrainageLibrary(PipeLibraryList(), "PVC"), nullptr);
}

}  // namespace

namespace {

PipeSize Size(const char* name, float inside, bool active = true)
{
    PipeSize size;
    size.name = name;
    size.active = active ? 1 : 0;
    size.insideDiameter = inside;  // [mm]
    size.outsideDiameter = inside + 6.0f;
    return size;
}

// Capacities at 2.0 cm/m, code roughness, worked by hand as above: inside 34 mm
// 0.1882 l/s, 57 mm 0.8007, 100 mm 3.7971 (5/10) or 6.4445 (7/10).
TEST(DrainageChoice, SmallestActiveSizeThatCarriesTheFlow)
{
    struct Case {
        const char* what;
        const char* flow;  // as typed [l/s], or empty to take the discharge units
        const char* units;
        int factor;  // in FrequencyFactors
        bool sevenTenths;
        std::vector<PipeSize> sizes;
        const char* designFlow;
        const char* chosen;
        const char* capacity;
        const char* share;
    };
    const std::vector<PipeSize> pvc = {Size("40", 34.0f), Size("63", 57.0f, false), Size("100", 100.0f)};
    const Case cases[] = {
        // 0.5 x sqrt(24) = 2.449 l/s, 2.45 / 3.797 = 64.5 %.
        {"sum of DU 24, K 0.5", "", "24", 0, false, pvc, "2.45", "100", "3.80", "65"},
        {"K 0.7: 3.43 l/s", "", "24", 1, false, pvc, "3.43", "100", "3.80", "90"},
        {"K 1.0: 2.00 l/s", "", "4", 2, false, pvc, "2.00", "100", "3.80", "53"},
        {"K 1.2: 12.00 l/s, too much", "", "100", 3, false, pvc, "12.00", "", "3.80", "316"},
        {"7/10 carries more", "5", "", 0, true, pvc, "5.00", "100", "6.44", "78"},
        {"a decimal comma", "0,1", "", 0, false, pvc, "0.10", "40", "0.19", "53"},
        {"an inactive size is never chosen", "0.5", "", 0, false, pvc, "0.50", "100", "3.80", "13"},
        {"the smallest, wherever it is listed",
         "0.5",
         "",
         0,
         false,
         {Size("100", 100.0f), Size("63", 57.0f), Size("40", 34.0f)},
         "0.50",
         "63",
         "0.80",
         "62"},
        {"a size without a diameter is skipped",
         "0.1",
         "",
         0,
         false,
         {Size("x", 0.0f), Size("40", 34.0f)},
         "0.10",
         "40",
         "0.19",
         "53"},
        {"no active size", "0.1", "", 0, false, {Size("40", 34.0f, false)}, "0.10", "", "N/A", "N/A"},
        {"no flow", "abc", "", 0, false, pvc, "", "", "", ""},
        {"no discharge units", "", "", 0, false, pvc, "", "", "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PipeLibrary library;
        library.sizes = c.sizes;
        DrainageTexts texts{"PVC", c.sevenTenths, 4, true, QString::fromUtf8(c.flow)};
        if (texts.flow.isEmpty())
            texts.flow = DesignFlowText(c.units, FrequencyFactors[c.factor].k);
        const DrainageOutcome outcome = SizeDrainage(ParseDrainageInputs(texts), library);
        const DrainageResultTexts result = FormatDrainageResult(outcome, library);
        EXPECT_EQ(result.designFlow, c.designFlow);
        EXPECT_EQ(result.chosenSize, c.chosen);
        EXPECT_EQ(result.capacity, c.capacity);
        EXPECT_EQ(result.share, c.share);
        EXPECT_EQ(outcome.status == SizingStatus::Sized, *c.chosen != '\0');
    }
}

TEST(DrainageChoice, FlowTextsAndFrequencyFactors)
{
    const struct {
        const char* text;
        float flow;  // [l/s]
    } flows[] = {{"2.45", 2.45f}, {"2,5", 2.5f}, {" 3", 3.0f}, {"1.5 l/s", 1.5f}, {"", 0.0f}, {"x2", 0.0f}};
    for (const auto& f : flows)
        EXPECT_EQ(FlowOfText(f.text), f.flow) << f.text;
    EXPECT_EQ(DesignFlowText("24", 0.5f), "2.45");
    EXPECT_EQ(DesignFlowText("10,5", 1.0f), "3.24");  // sqrt(10.5) = 3.240
    EXPECT_EQ(DesignFlowText(" ", 0.5f), "");
    QStringList texts;
    for (const FrequencyFactor& factor : FrequencyFactors)
        texts << FrequencyText(factor.k);
    EXPECT_EQ(texts, QStringList({"0.5", "0.7", "1.0", "1.2"}));
    EXPECT_EQ(FrequencyUses().split(u'\n').size(), 4);
}

}  // namespace
