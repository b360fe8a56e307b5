#include <QWidget>

#include "main_window_fixture.h"
#include "platform/controls.h"
#include "ui/main_controls.h"

namespace {

// Screen readers name each field by its label and unit.
TEST_F(MainWindowTest, EveryInputAndResultFieldHasAnAccessibleName)
{
    Build(LayoutHorizontal);
    for (size_t i = 0; i < MainControlCount; ++i) {
        const MainControl& c = MainControls[i];
        const bool field = c.kind == ControlKind::Edit || c.kind == ControlKind::Combo
            || c.kind == ControlKind::DropDown || c.kind == ControlKind::TrackBar || c.kind == ControlKind::ListView
            || (c.kind == ControlKind::Check && !*c.text);
        if (field) {
            EXPECT_FALSE(ControlWidget(c.number)->accessibleName().isEmpty()) << c.number;
        }
    }
    EXPECT_EQ(ControlWidget(FlowField)->accessibleName(), QStringLiteral("Débit (L/h)"));
}

}  // namespace
