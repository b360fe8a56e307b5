#include <QApplication>
#include <QLabel>
#include <QSlider>
#include <QWidget>

#include "tabs/copy_results.h"
#include "ui/help_controls.h"
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
    EXPECT_EQ(GetState(AlwaysOnTopCheck), 1);
    EXPECT_TRUE(KeptOnTop());
    EXPECT_EQ(GetState(SavePositionsCheck), 0);
    for (int control :
         {SaveSettingsCheck, AntifreezeOptionCheck, AutoUpdateCheck, CopyWaterOptionCheck, CopyAirOptionCheck})
        EXPECT_EQ(GetState(control), 1) << control;
    EXPECT_EQ(GetText(WaterTemplateField), "%d-%n.%c");
    EXPECT_EQ(GetText(AirTemplateField), "%v");
    EXPECT_EQ(GetState(VerticalOption), 1);
    EXPECT_EQ(GetState(HorizontalOption), 0);
}

TEST_F(WaterTabTest, WithoutAConfigurationEverythingIsOff)
{
    state.domain.settings = Settings{};
    Start();
    for (int control : {AlwaysOnTopCheck, SavePositionsCheck, SaveSettingsCheck, AntifreezeOptionCheck, AutoUpdateCheck,
                        CopyWaterOptionCheck, CopyAirOptionCheck})
        EXPECT_EQ(GetState(control), 0) << control;
    EXPECT_FALSE(KeptOnTop());
    EXPECT_FALSE(IsVisible(AntifreezeCheck));
    EXPECT_EQ(GetState(WaterLibraryList), 1);  // no library named "": the last one, which the sizing uses
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
        {AlwaysOnTopCheck, &Settings::AlwaysOnTop},       {SavePositionsCheck, &Settings::SavePos},
        {SaveSettingsCheck, &Settings::SaveConfig},       {AntifreezeOptionCheck, &Settings::AntigelOnOff},
        {AutoUpdateCheck, &Settings::UpdateAuto},         {CopyWaterOptionCheck, &Settings::TxtCopyEauOnOff},
        {CopyAirOptionCheck, &Settings::TxtCopyAirOnOff},
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
    Pick(AlwaysOnTopCheck, 0);
    EXPECT_FALSE(KeptOnTop());
    Pick(AlwaysOnTopCheck, 1);
    EXPECT_TRUE(KeptOnTop());
}

TEST_F(WaterTabTest, WaterCopyGoesToTheClipboardWithTheTemplateOfTheField)
{
    state.domain.settings.EauCalcMode = 1;
    Start();
    Pick(LimitBar, 2);
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100L/h-Cu.Ø12"));

    Type(WaterTemplateField, "%d %d|%w");
    EXPECT_EQ(state.domain.settings.TextToCopyEau, "%d %d|%w");
    Type(FlowField, "150");
    EXPECT_EQ(GetClipboardText(), "150L/h 150L/h|3476W");  // 20 K x 150 / 0.863 = 3476.2

    Pick(CopyWaterOptionCheck, 0);
    Type(FlowField, "300");
    EXPECT_EQ(GetClipboardText(), "150L/h 150L/h|3476W");
}

TEST_F(WaterTabTest, LongTemplateIsUsedWholeButStoredCut)
{
    Start();
    const QString long129 = QString(123, QChar(u'x')) + QString::fromUtf8("é-%d-Ø");  // 129 characters
    ASSERT_EQ(long129.size(), 129);
    Type(WaterTemplateField, long129);
    EXPECT_EQ(state.domain.settings.TextToCopyEau, long129.left(128));
    Type(FlowField, "101");
    EXPECT_EQ(GetClipboardText(), QString(123, QChar(u'x')) + QString::fromUtf8("é-101L/h-Ø"));
}

TEST_F(WaterTabTest, AirCopyReadsItsOwnField)
{
    Start();
    Type(AirTemplateField, "%w-%n-%d");
    EXPECT_EQ(state.domain.settings.TextToCopyAir, "%w-%n-%d");
    CopyAirResult({"100", QString::fromUtf8("Ø125"), "0.65", "2.26"});
    EXPECT_EQ(GetClipboardText(), "%w-%n-100m3/h");
}

TEST_F(WaterTabTest, HelpButtonOpensOneAideWindow)
{
    Start();
    User(TemplateHelpButton, SubtypeClick);
    ASSERT_TRUE(IsWindowOpen(HelpWindow));
    EXPECT_EQ(WindowHandle(HelpWindow)->window()->windowTitle(), "Aide");
    const QString expected = QString::fromUtf8(
        "En vue d'une utilisation avec une application tierce, lorsqu'un calcul est effectué, il peut "
        "être automatiquement copié dans le presse-papier, si les options sont cochées.\n\n"
        "Liste des variables pouvant être utilisées :\n\n%d = Débit\n\n%w = Puissance\n\n"
        "%c = Diamètre ou Section\n\n%p = Pertes de charge\n\n%v = Vitesse\n\n"
        "%n = Abréviation du matériau (ex.: PVCP ou Cu)\n\n"
        "%r = Part de la capacité utilisée (Evacuations)\n\n"
        "Evacuations : case de copie de l'onglet, chaîne « %d-%n.%c » (ex.: 2.45l/s-PVC.Ø100).");
    EXPECT_EQ(TemplateHelpText(), expected);
    EXPECT_EQ(GetText(HelpTextLabel), expected);

    User(TemplateHelpButton, SubtypeClick);
    int open = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && w->windowTitle() == "Aide")
            ++open;
    EXPECT_EQ(open, 1);
    HandleEvent(state, Event{EventKind::Close, HelpWindow});
    EXPECT_FALSE(IsWindowOpen(HelpWindow));
}

TEST_F(WaterTabTest, TheHelpTextShowsWholeInAnySystemFont)
{
    Start();
    const QFont system = QApplication::font();
    for (int points : {7, 9, 11, 14}) {
        QFont font = system;
        font.setPointSize(points);
        QApplication::setFont(font);
        User(TemplateHelpButton, SubtypeClick);
        auto* label = qobject_cast<QLabel*>(ControlWidget(HelpTextLabel));
        ASSERT_NE(label, nullptr);
        const QRect client = label->parentWidget()->rect();
        EXPECT_EQ(client.width(), 300) << points;
        EXPECT_GE(client.height(), 210) << points;
        EXPECT_EQ(label->geometry().topLeft(), QPoint(5, 5)) << points;
        EXPECT_EQ(label->width(), 290) << points;
        EXPECT_GE(label->height(), label->heightForWidth(label->width())) << points;
        EXPECT_EQ(client.bottom() - label->geometry().bottom(), 5) << points;
        HandleEvent(state, Event{EventKind::Close, HelpWindow});
    }
    QApplication::setFont(system);
}

TEST_F(WaterTabTest, LayoutOptionsSwitchTheWindow)
{
    Start();
    auto* slider = qobject_cast<QSlider*>(ControlWidget(LimitBar));
    Pick(HorizontalOption, 1);
    EXPECT_EQ(state.domain.settings.AffMode, 1);
    EXPECT_EQ(slider->tickInterval(), 1);
    EXPECT_EQ(GetControlRect(FlowField).x, 221);  // horizontal placement
    SetState(HorizontalOption, 0);
    Pick(VerticalOption, 1);
    EXPECT_EQ(state.domain.settings.AffMode, 0);
    EXPECT_EQ(slider->tickInterval(), 2);
    EXPECT_EQ(GetControlRect(FlowField).x, 42);
}

}  // namespace
