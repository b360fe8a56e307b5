#include "engines/internal_data_text.h"
#include "info_fixture.h"

namespace {

const QString CrLf = QStringLiteral("\r\n");

using InternalDataWindowTest = InfoTest;

TEST_F(InternalDataWindowTest, ShiftF12OpensTheConsoleOnceWithTheWaterData)
{
    StartActive();
    FocusOn(FlowField);
    Type(FlowField, "100");  // the water run comes last
    const QString water = InternalDataText(state.domain.internalData, InternalDataWater);
    EXPECT_TRUE(water.contains(QStringLiteral("Masse Volumique : 979.629")))
        << water.toStdString();  // at the mean 80 degC
    Press(Qt::Key_F12, Qt::ShiftModifier);
    ASSERT_TRUE(IsWindowOpen(ConsoleWindow));
    QWidget* console = WindowHandle(ConsoleWindow);
    EXPECT_EQ(console->windowTitle(), QStringLiteral("Console"));
    EXPECT_TRUE(console->windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(ControlWidget(InternalDataLabel)->geometry(), QRect(5, 5, 240, 140));
    EXPECT_EQ(GetText(InternalDataLabel), water);

    // Pressed again while open: no second window, and the text stays as it was.
    state.domain.internalData.density = 1.0f;
    WindowHandle(MainWindow)->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(WindowHandle(MainWindow)));
    FocusOn(FlowField);
    Press(Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(WindowHandle(ConsoleWindow), console);
    EXPECT_EQ(TopLevelWindowsTitled(QStringLiteral("Console")), 1);
    EXPECT_EQ(GetText(InternalDataLabel), water);
}

TEST_F(InternalDataWindowTest, OnTheOtherTabsTheConsoleOpensEmptyAndTheTabChangeFillsIt)
{
    StartActive();
    ShowTab(2);
    PostWindowEvent(Event{EventKind::Menu, MainWindow, -1, SubtypeNone, MenuInternalData});
    DeliverQueuedEvents();
    ASSERT_TRUE(IsWindowOpen(ConsoleWindow));
    EXPECT_EQ(GetText(InternalDataLabel), QString());
    ShowTab(3);
    EXPECT_EQ(GetText(InternalDataLabel), QString());

    ShowTab(0);
    EXPECT_EQ(GetText(InternalDataLabel), InternalDataText(state.domain.internalData, InternalDataWater));
    // The air tab shows the air heading over the last calculation, whichever it was.
    state.domain.internalData.atmosphericPressure = 101204.5f;
    ShowTab(1);
    const QString air = GetText(InternalDataLabel);
    EXPECT_TRUE(
        air.startsWith(QString::fromUtf8("Données Internes (Air): \r\n\r\nPression Atmosphérique : 101204.50\r\n")))
        << air.toStdString();
    EXPECT_TRUE(air.endsWith(InternalDataText(state.domain.internalData, InternalDataWater).section(CrLf, 3)))
        << air.toStdString();
}

TEST_F(InternalDataWindowTest, WaterRunsAfterFlowPowerAndAntifreezeRefreshTheConsole)
{
    StartActive();
    PostWindowEvent(Event{EventKind::Menu, MainWindow, -1, SubtypeNone, MenuInternalData});
    DeliverQueuedEvents();
    const QString before = GetText(InternalDataLabel);

    struct Step {
        const char* what;
        std::function<void()> act;
        bool refreshed;
    };
    const Step steps[] = {
        {"flow 12", [&] { Type(FlowField, "1000"); }, true},
        {"mode 5", [&] { Pick(WaterModeList, 2); }, false},
        {"power 18",
         [&] {
             Focus(PowerField);
             Type(PowerField, "50000");
         },
         true},
        {"antifreeze on", [&] { Pick(AntifreezeCheck, 1); }, false},
        {"antifreeze % 15", [&] { Type(AntifreezeField, "40"); }, true},
        {"oversizing % 22", [&] { Type(OversizingField, "30"); }, false},
    };
    QString shown = before;
    for (const Step& s : steps) {
        s.act();
        const QString now = GetText(InternalDataLabel);
        if (s.refreshed) {
            EXPECT_EQ(now, InternalDataText(state.domain.internalData, InternalDataWater)) << s.what;
            EXPECT_NE(now, shown) << s.what;
        } else {
            EXPECT_EQ(now, shown) << s.what;
        }
        shown = now;
    }
}

TEST_F(InternalDataWindowTest, TheCloseBoxClosesItAndARefreshThenDoesNothing)
{
    StartActive();
    PostWindowEvent(Event{EventKind::Menu, MainWindow, -1, SubtypeNone, MenuInternalData});
    DeliverQueuedEvents();
    ASSERT_TRUE(IsWindowOpen(ConsoleWindow));
    WindowHandle(ConsoleWindow)->close();  // the close box
    DeliverQueuedEvents();
    EXPECT_FALSE(IsWindowOpen(ConsoleWindow));
    EXPECT_FALSE(ControlExists(InternalDataLabel));
    Type(FlowField, "300");
    EXPECT_FALSE(IsWindowOpen(ConsoleWindow));
    EXPECT_EQ(GetText(PowerField), "6952");  // 20 K x 300 / 0.863 = 6952.49: the water run itself went on
}

}  // namespace

namespace {

TEST_F(InternalDataWindowTest, AirRunsAfterFlowAndConditionsRefreshTheConsoleWithAirData)
{
    StartActive();
    ShowTab(1);
    PostWindowEvent(Event{EventKind::Menu, MainWindow, -1, SubtypeNone, MenuInternalData});
    DeliverQueuedEvents();
    ASSERT_TRUE(GetText(InternalDataLabel).startsWith(QString::fromUtf8("Données Internes (Air): ")));
    for (const auto& [field, text] : std::vector<std::pair<int, const char*>>{
             {AirFlowField, "400"}, {AirTemperatureField, "35"}, {AirHumidityField, "90"}, {AltitudeField, "1500"}}) {
        const QString before = GetText(InternalDataLabel);
        Type(field, QString::fromLatin1(text));
        EXPECT_EQ(GetText(InternalDataLabel), InternalDataText(state.domain.internalData, InternalDataAir)) << field;
        EXPECT_NE(GetText(InternalDataLabel), before) << field;
    }
    // The altitude lowers the atmospheric pressure shown.
    EXPECT_TRUE(GetText(InternalDataLabel).contains(QString::fromUtf8("Pression Atmosphérique : 8")))
        << GetText(InternalDataLabel).toStdString();
}

}  // namespace
