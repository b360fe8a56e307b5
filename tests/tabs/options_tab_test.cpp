#include <QSlider>
#include <QWidget>

#include "tabs/copy_results.h"
#include "ui/template_help.h"
#include "water_tab_fixture.h"

namespace {

bool KeptOnTop()
{
    QWidget* window = WindowHandle(MainWindow);
    return window && (window->window()->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(WaterTabTest, OptionsOpenAsStored)
{
    state.domain.settings.SavePos = 0;
    state.domain.settings.TextToCopyAir = "%v";
    Start();
    EXPECT_EQ(GetState(201), 1);
    EXPECT_TRUE(KeptOnTop());
    EXPECT_EQ(GetState(202), 0);
    for (int control : {203, 204, 205, 305, 307})
        EXPECT_EQ(GetState(control), 1) << control;
    EXPECT_EQ(GetText(306), "%d-%n.%c");
    EXPECT_EQ(GetText(308), "%v");
    EXPECT_EQ(GetState(311), 1);
    EXPECT_EQ(GetState(312), 0);
}

TEST_F(WaterTabTest, WithoutAConfigurationEverythingIsOff)
{
    state.domain.settings = Settings{};
    Start();
    for (int control : {201, 202, 203, 204, 205, 305, 307})
        EXPECT_EQ(GetState(control), 0) << control;
    EXPECT_FALSE(KeptOnTop());
    EXPECT_FALSE(IsVisible(14));
    EXPECT_EQ(GetState(3), -1);  // no library named ""
    EXPECT_TRUE(GetClipboardText().isEmpty());
}

TEST_F(WaterTabTest, PreferenceSwitchesAreStored)
{
    Start();
    struct Switch {
        int control;
        int8_t Settings::*field;
    };
    const Switch switches[] = {
        {201, &Settings::AlwaysOnTop},     {202, &Settings::SavePos},    {203, &Settings::SaveConfig},
        {204, &Settings::AntigelOnOff},    {205, &Settings::UpdateAuto}, {305, &Settings::TxtCopyEauOnOff},
        {307, &Settings::TxtCopyAirOnOff},
    };
    for (const Switch& s : switches) {
        Pick(s.control, 0);
        EXPECT_EQ(state.domain.settings.*s.field, 0) << s.control;
        Pick(s.control, 1);
        EXPECT_EQ(state.domain.settings.*s.field, 1) << s.control;
    }
}

TEST_F(WaterTabTest, KeepOnTopFollowsItsCheckBox)
{
    Start();
    Pick(201, 0);
    EXPECT_FALSE(KeptOnTop());
    Pick(201, 1);
    EXPECT_TRUE(KeptOnTop());
}

TEST_F(WaterTabTest, WaterCopyGoesToTheClipboardWithTheTemplateOfTheField)
{
    state.domain.settings.EauCalcMode = 1;
    Start();
    Pick(30, 2);
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100L/h-Cu.Ø12"));

    Type(306, "%d %d|%w");
    EXPECT_EQ(state.domain.settings.TextToCopyEau, "%d %d|%w");
    Type(12, "150");
    EXPECT_EQ(GetClipboardText(), "150L/h 150L/h|3476W");  // 20 K x 150 / 0.863 = 3476.2

    Pick(305, 0);
    Type(12, "300");
    EXPECT_EQ(GetClipboardText(), "150L/h 150L/h|3476W");
}

TEST_F(WaterTabTest, LongTemplateIsUsedWholeButStoredCut)
{
    Start();
    const QString long129 = QString(123, QChar(u'x')) + QString::fromUtf8("é-%d-Ø");  // 129 characters
    ASSERT_EQ(long129.size(), 129);
    Type(306, long129);
    EXPECT_EQ(state.domain.settings.TextToCopyEau, long129.left(128));
    Type(12, "101");
    EXPECT_EQ(GetClipboardText(), QString(123, QChar(u'x')) + QString::fromUtf8("é-101L/h-Ø"));
}

TEST_F(WaterTabTest, AirCopyReadsItsOwnField)
{
    Start();
    Type(308, "%w-%n-%d");
    EXPECT_EQ(state.domain.settings.TextToCopyAir, "%w-%n-%d");
    CopyAirResult({"100", QString::fromUtf8("Ø125"), "0.65", "2.26"});
    EXPECT_EQ(GetClipboardText(), "%w-%n-100m3/h");
}

TEST_F(WaterTabTest, HelpButtonOpensOneAideWindow)
{
    Start();
    User(309, SubtypeClick);
    ASSERT_TRUE(IsWindowOpen(HelpWindow));
    EXPECT_EQ(WindowHandle(HelpWindow)->window()->windowTitle(), "Aide");
    const QString expected = QString::fromUtf8(
        "En vue d'une utilisation avec une application tierce, lorsqu'un calcul est effectué, il peut "
        "être automatiquement copié dans le presse-papier, si les options sont cochées.\n\n"
        "Liste des variables pouvant être utilisées :\n\n%d = Débit\n\n%w = Puissance\n\n"
        "%c = Diamètre ou Section\n\n%p = Pertes de charge\n\n%v = Vitesse\n\n"
        "%n = Abréviation du matériau (ex.: PVCP ou Cu)");
    EXPECT_EQ(TemplateHelpText(), expected);
    EXPECT_EQ(GetText(421), expected);
    const ControlRect label = GetControlRect(421);
    EXPECT_EQ(QRect(label.x, label.y, label.w, label.h), QRect(5, 5, 290, 200));

    User(309, SubtypeClick);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Aide")
            ++open;
    EXPECT_EQ(open, 1);
    HandleEvent(state, Event{EventKind::Close, HelpWindow});
    EXPECT_FALSE(IsWindowOpen(HelpWindow));
}

TEST_F(WaterTabTest, LayoutOptionsSwitchTheWindow)
{
    Start();
    auto* slider = qobject_cast<QSlider*>(ControlWidget(30));
    Pick(312, 1);
    EXPECT_EQ(state.domain.settings.AffMode, 1);
    EXPECT_EQ(slider->tickInterval(), 1);
    EXPECT_EQ(GetControlRect(12).x, 221);  // horizontal placement
    SetState(312, 0);
    Pick(311, 1);
    EXPECT_EQ(state.domain.settings.AffMode, 0);
    EXPECT_EQ(slider->tickInterval(), 2);
    EXPECT_EQ(GetControlRect(12).x, 42);
}

}  // namespace
