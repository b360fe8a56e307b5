#include <QDir>
#include <QFile>
#include <QPixmap>
#include <QTemporaryDir>

#include "engines/delivered_libraries.h"
#include "engines/duct_tables.h"
#include "engines/library_files.h"
#include "main_window_fixture.h"
#include "network/circuit_files.h"
#include "network/network_window.h"
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

// The « Réseau » window on a small water circuit, in a light and in a dark
// palette: reseau-clair.png and reseau-sombre.png.
TEST_F(MainWindowTest, ScreenshotsOfTheNetworkWindow)
{
    const QString folder = qEnvironmentVariable("VQ_SCREENSHOT_DIR");
    if (folder.isEmpty())
        GTEST_SKIP() << "VQ_SCREENSHOT_DIR not set";
    ASSERT_TRUE(QDir().mkpath(folder));
    QTemporaryDir data;
    state.folders.data = data.path() + u'/';
    ScanLibraryFolder(DeliveredLibraryFolder(), state.domain.waterLibraries, state.domain.drainageLibraries);
    FillDuctTables(state.domain.ductMaterials, state.domain.standardDuctDiameters);
    QFile circuit(data.filePath(QStringLiteral("chaufferie.csv")));
    ASSERT_TRUE(circuit.open(QIODevice::WriteOnly));
    circuit.write("id;upstream;length;flow;power;fittings;fixed;kind;library;mode;limit;supply;return\n"
                  "T1;;12;;;coude90*4+vanne*2;10kPa;water;Cuivre;pdc;18;70;50\n"
                  "T2;T1;8;;;te_passage+coude90*2;;water;Cuivre;pdc;18;70;50\n"
                  "R1;T2;6;;4500;te_derivation+robinet_equerre;;water;Cuivre;pdc;18;70;50\n"
                  "R2;T2;9;;3000;te_derivation+coude90*3;;water;Cuivre;pdc;18;70;50\n"
                  "R3;T1;15;350;;te_derivation+coude45*2;;water;Cuivre;pdc;18;70;50\n"
                  "B1;;4;250;;coude91;;water;Cuivre;pdc;18;70;50\n");
    circuit.close();
    NetworkWindowState kept;
    kept.lastFile = circuit.fileName();
    QString error;
    ASSERT_TRUE(WriteNetworkWindowState(state.folders.data, kept, error));
    QPalette dark;
    for (auto [role, rgb] : {std::pair{QPalette::Window, 0x353535},
                             {QPalette::WindowText, 0xF0F0F0},
                             {QPalette::Base, 0x2A2A2A},
                             {QPalette::AlternateBase, 0x353535},
                             {QPalette::Text, 0xF0F0F0},
                             {QPalette::Button, 0x353535},
                             {QPalette::ButtonText, 0xF0F0F0},
                             {QPalette::Highlight, 0x2A82DA},
                             {QPalette::HighlightedText, 0x000000},
                             {QPalette::ToolTipBase, 0x353535},
                             {QPalette::ToolTipText, 0xF0F0F0},
                             {QPalette::PlaceholderText, 0xA0A0A0}})
        dark.setColor(role, QColor::fromRgb(static_cast<QRgb>(rgb)));
    const QPalette light = QApplication::palette();
    Build(1);
    for (auto [name, palette] : {std::pair{"reseau-clair", light}, {"reseau-sombre", dark}}) {
        QApplication::setPalette(palette);
        OpenNetworkWindow(state, [] {});
        ASSERT_NE(NetworkWindowWidget(), nullptr);
        Settle();
        EXPECT_TRUE(NetworkWindowWidget()->grab().save(QStringLiteral("%1/%2.png").arg(folder, name))) << name;
        EndNetworkWindow(true);
        Settle();
    }
    QApplication::setPalette(light);
}
