#include <QDir>
#include <QPixmap>

#include "main_window_fixture.h"
#include "platform/controls.h"

namespace {

void Save(const QString& name, int tab)
{
    SetState(0, tab);
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
        AddItem(3, QStringLiteral("Acier"));
        AddItem(5, QStringLiteral("PdC Maxi."));
        AddItem(103, QStringLiteral("PdC Maxi."));
        AddItem(150, QStringLiteral("PVC"));
        AddItem(302, QStringLiteral("Galva."));
        SetState(3, 0);
        SetState(5, 0);
        SetState(103, 0);
        SetState(150, 0);
        SetState(302, 0);
        SetVisible(115, false);
        SetVisible(116, false);
        SetVisible(119, false);
        SetVisible(120, false);
        SetVisible(121, false);
        SetVisible(122, false);
        SetVisible(123, false);
        SetVisible(130, false);
        SetVisible(131, false);
        SetVisible(132, false);
        SetVisible(133, false);
        SetVisible(134, false);
        AddRow(154,
               {QStringLiteral("100"), QStringLiteral("5.54"), QStringLiteral("1.41"), QStringLiteral("96.8"),
                QStringLiteral("100.0")});
        SetText(8, QStringLiteral("105"));  // the longest texts these take must stay readable
        SetText(28, QString::fromUtf8("DN Imposé"));
        SetText(9, QStringLiteral("70"));
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
