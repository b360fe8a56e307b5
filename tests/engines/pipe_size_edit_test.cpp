#include <gtest/gtest.h>

#include "engines/pipe_size_edit.h"

namespace {

PipeLibrary WithInsides(std::vector<float> insides)
{
    PipeLibrary library;
    for (float inside : insides) {
        PipeSize size;
        size.active = 1;
        size.name = QString::number(inside);
        size.insideDiameter = inside;          // [mm]
        size.thickness = 1.0f;                 // [mm]
        size.outsideDiameter = inside + 2.0f;  // [mm]
        library.sizes.push_back(size);
    }
    return library;
}

std::vector<float> Insides(const PipeLibrary& library)
{
    std::vector<float> insides;
    for (const PipeSize& size : library.sizes)
        insides.push_back(size.insideDiameter);
    return insides;
}

TEST(PipeSizeEdit, AddKeepsTheSizesInInsideDiameterOrder)
{
    struct Case {
        std::vector<float> before;
        float outside, thickness;  // [mm]
        std::vector<float> after;
    };
    const Case cases[] = {
        {{}, 12.0f, 1.0f, {10.0f}},                                 // an empty list receives it
        {{8.0f, 13.0f}, 12.0f, 1.0f, {8.0f, 10.0f, 13.0f}},         // between two
        {{8.0f, 13.0f}, 22.0f, 1.0f, {8.0f, 13.0f, 20.0f}},         // larger than all: appended
        {{8.0f, 13.0f}, 8.0f, 1.0f, {6.0f, 8.0f, 13.0f}},           // smaller than all: first
        {{8.0f, 13.0f, 16.0f}, 16.0f, 1.5f, {8.0f, 13.0f, 16.0f}},  // 13 exists: refused
    };
    for (const Case& c : cases) {
        PipeLibrary library = WithInsides(c.before);
        AddPipeSize(library, {QStringLiteral("new"), c.outside, c.thickness});
        EXPECT_EQ(Insides(library), c.after) << c.outside << " x " << c.thickness;
    }
}

TEST(PipeSizeEdit, AddRefusesIncompleteReservedAndImpossibleSizes)
{
    struct Case {
        const char* name;
        float outside, thickness;  // [mm]
        SizeEditResult result;
    };
    const Case cases[] = {
        {"", 12.0f, 1.0f, SizeEditResult::Incomplete},
        {"a", 0.0f, 1.0f, SizeEditResult::Incomplete},
        {"a", 12.0f, 0.0f, SizeEditResult::Incomplete},
        {"a", -12.0f, 1.0f, SizeEditResult::Incomplete},
        {"Global", 12.0f, 1.0f, SizeEditResult::ReservedName},
        {"Global]12", 12.0f, 1.0f, SizeEditResult::ReservedName},  // read back as "Global"
        {"a", 20.0f, 10.0f, SizeEditResult::InsideNotPositive},    // inside 0
        {"a", 20.0f, 12.0f, SizeEditResult::InsideNotPositive},
        {"other name", 15.0f, 1.0f, SizeEditResult::DuplicateInside},  // 13 exists
        {"global", 12.0f, 1.0f, SizeEditResult::Done},                 // only "Global" itself is the header
        {"a", 20.5f, 10.0f, SizeEditResult::Done},
    };
    for (const Case& c : cases) {
        PipeLibrary library = WithInsides({8.0f, 13.0f});
        const SizeEditResult result = AddPipeSize(library, {QString::fromUtf8(c.name), c.outside, c.thickness});
        EXPECT_EQ(result, c.result) << c.name << " " << c.outside << " x " << c.thickness;
        EXPECT_EQ(library.sizes.size(), result == SizeEditResult::Done ? 3u : 2u) << c.name;
    }
}

TEST(PipeSizeEdit, AddedSizeIsActiveWithItsNameCutAndInsideInSinglePrecision)
{
    PipeLibrary library = WithInsides({});
    library.sizes.push_back(WithInsides({5.0f}).sizes[0]);
    library.sizes[0].active = 0;
    const float outside = 15.123f, thickness = 1.1f;  // [mm]
    ASSERT_EQ(AddPipeSize(library, {QStringLiteral("12345678901234567890"), outside, thickness}), SizeEditResult::Done);
    const PipeSize& added = library.sizes[1];
    EXPECT_EQ(added.active, 1);
    EXPECT_EQ(added.name, "1234567890123456");
    EXPECT_EQ(added.outsideDiameter, outside);
    EXPECT_EQ(added.thickness, thickness);
    const float wall = 2.0f * thickness;
    EXPECT_EQ(added.insideDiameter, outside - wall);
    EXPECT_EQ(InsideDiameter(20.0f, 10.0f), 0.0f);
    EXPECT_EQ(library.sizes[0].active, 0);  // the others are left as they were
}

TEST(PipeSizeEdit, DuplicateFoundAnywhereInALibraryReadOutOfOrder)
{
    PipeLibrary library = WithInsides({20.0f, 10.0f, 15.0f});
    EXPECT_EQ(AddPipeSize(library, {QStringLiteral("x"), 17.0f, 1.0f}), SizeEditResult::DuplicateInside);
    EXPECT_EQ(AddPipeSize(library, {QStringLiteral("x"), 14.0f, 1.0f}), SizeEditResult::Done);
    EXPECT_EQ(Insides(library), std::vector<float>({12.0f, 20.0f, 10.0f, 15.0f}));
}

TEST(PipeSizeEdit, DesignationsCompareAsTheLibraryFileComparesNames)
{
    struct Case {
        const char* name;
        bool added;    // accepted as a new size
        bool changed;  // accepted for the size "Ø 25", whose own designation stays free to it
    };
    const Case cases[] = {
        {"DN20", false, false},          {"dn20", false, false},  // ASCII letters match whatever their case
        {" DN20\t", false, false},                                // blanks around are dropped when stored
        {"Ø 25", false, true},           {"ø 25", true, true},    // other letters keep their case
        {"DN 20", true, true},           {"1234567890123456X", false, false},  // cut to 16 characters when stored
        {"123456789012345", true, true},
    };
    for (const Case& c : cases) {
        PipeLibrary library = WithInsides({8.0f, 13.0f, 16.0f});
        library.sizes[0].name = QStringLiteral("DN20");
        library.sizes[1].name = QString::fromUtf8("Ø 25");
        library.sizes[2].name = QStringLiteral("1234567890123456");
        const QString name = QString::fromUtf8(c.name);
        PipeLibrary added = library;
        EXPECT_EQ(AddPipeSize(added, {name, 30.0f, 1.0f}),
                  c.added ? SizeEditResult::Done : SizeEditResult::DuplicateName)
            << c.name;
        EXPECT_EQ(added.sizes.size(), c.added ? 4u : 3u) << c.name;
        PipeLibrary changed = library;
        EXPECT_EQ(ModifyPipeSize(changed, 1, {name, 30.0f, 1.0f}),
                  c.changed ? SizeEditResult::Done : SizeEditResult::DuplicateName)
            << c.name;
    }
}

TEST(PipeSizeEdit, ModifyStoresWhatAddRefusesAndSortsAgain)
{
    PipeLibrary library = WithInsides({8.0f, 13.0f, 16.0f});
    library.sizes[2].active = 0;
    // 20 x 10 gives an inside diameter of 0: stored, and moved to the front.
    ASSERT_EQ(ModifyPipeSize(library, 2, {QStringLiteral("20x10"), 20.0f, 10.0f}), SizeEditResult::Done);
    EXPECT_EQ(Insides(library), std::vector<float>({0.0f, 8.0f, 13.0f}));
    EXPECT_EQ(library.sizes[0].name, "20x10");
    EXPECT_EQ(library.sizes[0].active, 0);  // the flag is the size's own
    EXPECT_EQ(library.sizes[0].outsideDiameter, 20.0f);
    EXPECT_EQ(library.sizes[0].thickness, 10.0f);

    // A duplicate inside diameter is accepted too; equal sizes keep their list order.
    ASSERT_EQ(ModifyPipeSize(library, 0, {QStringLiteral("dup"), 15.0f, 1.0f}), SizeEditResult::Done);
    EXPECT_EQ(Insides(library), std::vector<float>({8.0f, 13.0f, 13.0f}));
    EXPECT_EQ(library.sizes[1].name, "dup");
    EXPECT_EQ(library.sizes[2].name, "13");
}

TEST(PipeSizeEdit, ModifyIgnoresIncompleteDataAndRefusesTheReservedName)
{
    const PipeLibrary before = WithInsides({8.0f, 13.0f});
    PipeLibrary library = before;
    EXPECT_EQ(ModifyPipeSize(library, 0, {QString(), 12.0f, 1.0f}), SizeEditResult::Incomplete);
    EXPECT_EQ(ModifyPipeSize(library, 0, {QStringLiteral("a"), 12.0f, 0.0f}), SizeEditResult::Incomplete);
    EXPECT_EQ(ModifyPipeSize(library, 2, {QStringLiteral("a"), 12.0f, 1.0f}), SizeEditResult::Incomplete);
    EXPECT_EQ(ModifyPipeSize(library, 1, {QStringLiteral("Global"), 12.0f, 1.0f}), SizeEditResult::ReservedName);
    EXPECT_EQ(Insides(library), Insides(before));
    EXPECT_EQ(library.sizes[1].name, before.sizes[1].name);
}

}  // namespace
