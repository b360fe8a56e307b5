#include <QDir>
#include <QPixmap>

#include "main_window_fixture.h"
#include "platform/controls.h"

namespace {

void Save(const QString& name, int tab)
{
    SetState(MainTabPanel, tab);
    MainWindowTest::Settle();
    EXPECT_TRUE(WindowHandle(MainWindow)->grab().save(name)) << name.toStdString();
}

}  // namespace

// Saves a picture of every tab in both layouts for a person to look at; run by
// tests/scripts/test_screenshots.sh, which names the folder in VQ_SCREENSHOT_DIR.
TEST_F(MainWindowTest, ScreenshotsOfEveryTab)
{
    const QString folder = qEnvironmentVariable("VQ_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VQ_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    const char* tabs[] = {"eau", "air", "evacuations", "options"};
    for (int layout : {1, 0}) {
        Build(layout);
        // The start-up settings show the antifreeze controls and fill the lists;
        // enough of that here for the pictures to show populated fields.
        AddItem(WaterLibraryList, QStringLiteral("Acier"));
        AddItem(WaterModeList, QStringLiteral("PdC Maxi."));
        AddItem(AirModeList, QStringLiteral("PdC Maxi."));
        AddItem(DrainageLibraryList, QStringLiteral("PVC"));
        AddItem(DuctMaterialList, QStringLiteral("Galva."));
        SetState(WaterLibraryList, 0);
        SetState(WaterModeList, 0);
        SetState(AirModeList, 0);
        SetState(DrainageLibraryList, 0);
        SetState(DuctMaterialList, 0);
        SetVisible(ImposedDiameterLabel, false);
        SetVisible(ImposedDiameterCombo, false);
        SetVisible(SideALabel, false);
        SetVisible(SideAField, false);
        SetVisible(SideTimesLabel, false);
        SetVisible(SideBLabel, false);
        SetVisible(SideBField, false);
        SetVisible(ResultSideALabel, false);
        SetVisible(ResultSideAField, false);
        SetVisible(ResultSideTimesLabel, false);
        SetVisible(ResultSideBLabel, false);
        SetVisible(ResultSideBField, false);
        AddRow(CapacityList,
               {QStringLiteral("100"), QStringLiteral("5.54"), QStringLiteral("1.41"), QStringLiteral("96.8"),
                QStringLiteral("100.0")});
        SetText(FlowTemperatureCombo, QStringLiteral("105"));  // the longest texts these take must stay readable
        SetText(LimitLabel, QString::fromUtf8("DN Imposé"));
        SetText(ReturnTemperatureCombo, QStringLiteral("70"));
        const QString built = layout == 1 ? "horizontal" : "vertical";
        for (int tab = 0; tab < 4; ++tab)
            Save(QStringLiteral("%1/%2-%3.png").arg(folder, built, tabs[tab]), tab);
        // The result labels after a live switch, where the switch places them itself.
        SwitchLayout(state.window, 1 - layout);
        const QString switched = layout == 1 ? "switched-vertical" : "switched-horizontal";
        for (int tab = 0; tab < 3; ++tab)
            Save(QStringLiteral("%1/%2-%3.png").arg(folder, switched, tabs[tab]), tab);
        TearDown();
    }
}
