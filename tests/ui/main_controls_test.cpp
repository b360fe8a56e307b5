#include <gtest/gtest.h>
#include <set>

#include "ui/air_controls.h"
#include "ui/main_controls.h"
#include "ui/roughness_label.h"
#include "ui/water_controls.h"

namespace {

struct TabRange {
    int tab;
    std::vector<std::pair<int, int>> numbers;  // inclusive ranges
};

const TabRange TabRanges[] = {
    {TabPanelItself, {{0, 0}}},
    {TabWater, {{1, 43}}},
    {TabAir, {{100, 140}}},
    {TabDrainage, {{141, 161}}},
    {TabOptions, {{200, 205}, {300, 314}}},
};

}  // namespace

TEST(MainControls, EveryNumberOnceOnItsTab)
{
    std::multiset<int> seen;
    for (size_t i = 0; i < MainControlCount; ++i)
        seen.insert(MainControls[i].number);
    size_t expected = 0;
    for (const TabRange& range : TabRanges)
        for (auto [first, last] : range.numbers)
            for (int number = first; number <= last; ++number) {
                ++expected;
                ASSERT_EQ(seen.count(number), 1u) << number;
                EXPECT_EQ(FindMainControl(number)->tab, range.tab) << number;
            }
    EXPECT_EQ(MainControlCount, expected);
}

TEST(MainControls, PagesAreCreatedInTabOrder)
{
    int tab = TabPanelItself;
    for (size_t i = 0; i < MainControlCount; ++i) {
        EXPECT_GE(MainControls[i].tab, tab) << MainControls[i].number;
        tab = MainControls[i].tab;
    }
}

TEST(MainControls, SwitchPlacementsOverrideOnlyTheirControlAndLayout)
{
    const struct {
        int control, layout;
        ControlRect where;
    } cases[] = {
        {SizeLabel, LayoutVertical, {17, 285, 30, 15}},
        {AirPressureDropUnitLabel, LayoutVertical, {176, 322, 30, 13}},
        {OversizingPowerField, LayoutVertical, {45, 235, 70, 20}},
        {EditLibraryButton, LayoutHorizontal, {7, 24, 40, 20}},
        {LimitBar, LayoutHorizontal, {55, 110, 335, 30}},
        {LimitLabel, LayoutHorizontal, {5, 105, 50, 15}},
        {SizeLabel, LayoutHorizontal, {400, 27, 37, 15}},  // no placement of its own that way
        {EditLibraryButton, LayoutVertical, {10, 20, 65, 20}},
        {LimitBar, LayoutVertical, {0, 133, 216, 30}},
    };
    for (const auto& c : cases) {
        const ControlRect r = SwitchedPlacement(*FindMainControl(c.control), c.layout);
        EXPECT_EQ(std::make_tuple(r.x, r.y, r.w, r.h), std::make_tuple(c.where.x, c.where.y, c.where.w, c.where.h))
            << c.control << " layout " << c.layout;
    }
}

TEST(MainControls, LayoutFollowsAffMode)
{
    EXPECT_EQ(LayoutFromAffMode(1), LayoutHorizontal);
    for (int affMode : {0, 2, -1, 127})
        EXPECT_EQ(LayoutFromAffMode(affMode), LayoutVertical) << affMode;
}

TEST(RoughnessLabel, TextsOfBothLayouts)
{
    EXPECT_EQ(InitialRoughnessText(LayoutHorizontal), QStringLiteral("Rugosité = 0.16"));
    EXPECT_EQ(InitialRoughnessText(LayoutVertical), QStringLiteral("Rugo. 0.16"));
    EXPECT_EQ(RoughnessText(0.06f, LayoutHorizontal), QStringLiteral("Rugosité : 0.06"));
    EXPECT_EQ(RoughnessText(0.16f, LayoutVertical), QStringLiteral("Rugo.: 0.16"));
    for (const char* text : {"Rugosité = 0.16", "Rugo. 0.16", "Rugosité : 0.16", "Rugo.: 0.16"})
        EXPECT_FLOAT_EQ(RoughnessShown(QString::fromUtf8(text)), 0.16f) << text;
}
