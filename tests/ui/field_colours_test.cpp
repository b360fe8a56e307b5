#include <QPalette>
#include <QTreeWidget>

#include "platform/colour_contrast.h"
#include "tabs/info_fixture.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/field_colours.h"
#include "ui/water_controls.h"

namespace {

int Rgb(const QColor& colour)
{
    return int(colour.rgb() & 0xFFFFFF);
}

// Every fixed background takes a text colour that reads on it (4.5:1 at least).
TEST(FieldColours, TextOnEveryFixedBackgroundContrastsEnough)
{
    for (int background : {WaterInputColour, OverPowerColour, AirInputColour, AirConditionColour, SumInProgressColour,
                           FlowColumnColour, VelocityColumnColour})
        EXPECT_GE(ContrastRatio(background, ContrastingTextColour(background)), 4.5) << std::hex << background;
}

// A dark desktop palette: the coloured fields keep a text that reads on their
// background, the others follow the palette.
class DarkPaletteTest : public InfoTest {
protected:
    QPalette before;

    void SetUp() override
    {
        before = QApplication::palette();
        QPalette dark;
        dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
        dark.setColor(QPalette::Base, QColor(0x2A, 0x2A, 0x2A));
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            dark.setColor(role, Qt::white);
        dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
        QApplication::setPalette(dark);
        InfoTest::SetUp();
    }

    void TearDown() override
    {
        InfoTest::TearDown();
        QApplication::setPalette(before);
    }
};

TEST_F(DarkPaletteTest, ColouredFieldsKeepAReadableTextAndTheOthersFollowThePalette)
{
    StartActive();
    for (int field : {int(FlowField), int(AirFlowField)}) {
        const QPalette p = ControlWidget(field)->palette();
        EXPECT_EQ(Rgb(p.color(QPalette::Text)), 0x000000) << field;
        EXPECT_GE(ContrastRatio(Rgb(p.color(QPalette::Base)), Rgb(p.color(QPalette::Text))), 4.5) << field;
    }
    EXPECT_EQ(ControlWidget(VelocityField)->palette().color(QPalette::Text), QColor(Qt::white));

    AddRow(CapacityList, {"100", "3.80", "0.97", "100.0", "110.0"});
    SetColumnBackground(CapacityList, ColumnFlow, FlowColumnColour);  // as the table builder does
    const QTreeWidgetItem* row = static_cast<QTreeWidget*>(ControlWidget(CapacityList))->topLevelItem(0);
    ASSERT_NE(row->foreground(ColumnFlow).style(), Qt::NoBrush);
    EXPECT_EQ(Rgb(row->foreground(ColumnFlow).color()), 0x000000);

    // The About window's links, blue on a light window, turn light blue on a dark one.
    ShowTab(3);
    ClickControl(AboutButton);
    const QPalette link = ControlWidget(SiteLink)->palette();
    EXPECT_GE(ContrastRatio(Rgb(link.color(QPalette::Window)), Rgb(link.color(QPalette::WindowText))), 4.5);

    // A live switch back to the light palette: the read-only results follow it.
    QApplication::setPalette(before);
    DeliverQueuedEvents();
    for (int field : {int(FlowField), int(VelocityField)}) {
        const QPalette p = ControlWidget(field)->palette();
        EXPECT_GE(ContrastRatio(Rgb(p.color(QPalette::Base)), Rgb(p.color(QPalette::Text))), 4.5) << field;
    }
}

}  // namespace
