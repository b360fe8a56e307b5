#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QTest>

#include "physics/water_properties.h"
#include "tabs/water_tab.h"
#include "water_tab_fixture.h"

namespace {

QSlider* LimitSlider()
{
    return qobject_cast<QSlider*>(ControlWidget(30));
}

TEST_F(WaterTabTest, OpensWithTheStoredWaterSettingsAndAFirstResult)
{
    Start();
    EXPECT_EQ(GetState(3), 0);
    EXPECT_EQ(GetText(3), "Cuivre");
    EXPECT_EQ(GetText(34), QString::fromUtf8("Ø"));
    EXPECT_EQ(CountItems(5), 3);
    EXPECT_EQ(GetItemText(5, 1), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetState(5), 0);
    ASSERT_EQ(CountItems(8), 97);
    EXPECT_EQ(GetItemText(8, 0), "3");
    EXPECT_EQ(GetItemText(9, 96), "99");
    EXPECT_EQ(GetText(29), "18");
    EXPECT_EQ(GetState(30), 18);
    EXPECT_EQ(LimitSlider()->minimum(), 1);
    EXPECT_EQ(LimitSlider()->maximum(), 100);
    EXPECT_EQ(LimitSlider()->tickInterval(), 2);  // vertical layout, mode 0
    EXPECT_EQ(GetText(8), "90");
    EXPECT_EQ(GetText(9), "70");
    EXPECT_EQ(DotShown(), 5);  // mean 80 degC
    EXPECT_EQ(GetState(14), 0);
    EXPECT_FALSE(IsEnabled(15));
    EXPECT_EQ(GetText(15), "30");
    EXPECT_EQ(GetText(22), "20");
    for (int control : {20, 22, 25, 27})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(Background(12), 0x73F1C1);
    EXPECT_EQ(Background(18), -1);
    EXPECT_EQ(GetText(18), "2317");
    EXPECT_EQ(Results(), QStringList({"15", "10.3", "0.21", "5.74"}));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100L/h-Cu.Ø15"));
}

TEST_F(WaterTabTest, StoredImposedModeCoversTheActiveSizes)
{
    state.domain.settings.EauCalcMode = 1;
    Start();
    EXPECT_EQ(GetText(28), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetText(35), QString::fromUtf8("D.Théo."));  // the built text stays
    EXPECT_EQ(LimitSlider()->maximum(), 9);                // 11 sizes, 2 inactive
    EXPECT_EQ(LimitSlider()->tickInterval(), 1);
    EXPECT_EQ(GetText(29), "10");
    EXPECT_EQ(Results(), QStringList({"10", "8.00", "0.55", Results()[3]}));
}

TEST_F(WaterTabTest, ImposedSizeTrackBarSkipsInactiveSizes)
{
    state.domain.settings.MatTube = "Inox";
    state.domain.settings.EauCalcMode = 1;
    Start();
    EXPECT_EQ(GetText(28), "DN Imposé");
    EXPECT_EQ(LimitSlider()->maximum(), 3);  // 12, 15, 18
    struct Step {
        int position;
        const char* size;
        const char* inside;
    };
    const Step steps[] = {{1, "12", "10.00"}, {3, "18", "16.00"}, {2, "15", "13.00"}};
    for (const Step& s : steps) {
        Pick(30, s.position);
        EXPECT_EQ(GetText(29), s.size);
        EXPECT_EQ(GetText(33), s.size);
        EXPECT_EQ(GetText(36), s.inside);
    }
}

TEST_F(WaterTabTest, SwitchingModesResetsTheLimit)
{
    Start();
    Pick(30, 40);
    EXPECT_EQ(GetText(29), "40");
    Pick(5, 2);
    EXPECT_EQ(state.domain.settings.EauCalcMode, 2);
    EXPECT_EQ(GetText(28), "Vit. Maxi.");
    EXPECT_EQ(GetText(35), QString::fromUtf8("Ø Théo."));
    EXPECT_EQ(GetText(29), "1.20");
    EXPECT_EQ(GetState(30), 12);
    EXPECT_EQ(GetText(36), "5.43");
    Pick(30, 30);
    EXPECT_EQ(GetText(29), "3.00");
    Pick(5, 1);
    EXPECT_EQ(GetText(28), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetText(35), QString::fromUtf8("Ø Int."));
    EXPECT_EQ(GetText(29), "10");
    Pick(5, 0);
    EXPECT_EQ(GetText(28), "PdC Maxi.");
    EXPECT_EQ(GetText(29), "18");
    EXPECT_EQ(GetState(30), 18);
    EXPECT_EQ(LimitSlider()->maximum(), 100);
    EXPECT_EQ(Results(), QStringList({"15", "10.3", "0.21", "5.74"}));
}

TEST_F(WaterTabTest, PickingTheSelectedModeAgainDoesNothing)
{
    Start();
    Pick(30, 40);
    SetText(33, "x");
    Pick(5, 0);
    EXPECT_EQ(GetText(29), "40");
    EXPECT_EQ(GetState(30), 40);
    EXPECT_EQ(GetText(33), "x");  // no run either
}

TEST_F(WaterTabTest, FocusOnTheFlowFieldWhileOversizingIsOn)
{
    Start();
    Focus(18);
    EXPECT_EQ(state.entryMode, EntryMode::PowerEntered);
    EXPECT_EQ(Background(12), -1);
    EXPECT_EQ(Background(18), 0x73F1C1);
    EXPECT_TRUE(IsEnabled(20));
    Type(18, "2000");
    EXPECT_EQ(GetText(12), "86");  // 2000 W x 0.863 / 20 K

    Pick(20, 1);
    EXPECT_EQ(GetText(25), "400");
    EXPECT_EQ(GetText(27), "2400");
    EXPECT_EQ(Background(27), 0xE8A094);
    for (int control : {22, 25, 27})
        EXPECT_TRUE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(12), "104");  // from the total

    Focus(12);
    EXPECT_EQ(state.entryMode, EntryMode::FlowEntered);
    EXPECT_EQ(GetText(12), "86");  // the base power's flow
    EXPECT_EQ(GetState(20), 1);
    for (int control : {20, 22, 25, 27})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(25), "0");
    EXPECT_EQ(GetText(27), "0");
    EXPECT_EQ(Background(27), 0xE8A094);
    EXPECT_EQ(Background(12), 0x73F1C1);
    EXPECT_EQ(Background(18), -1);
}

TEST_F(WaterTabTest, UncheckingOversizingClearsItsFields)
{
    Start();
    Focus(18);
    Pick(20, 1);
    Pick(20, 0);
    EXPECT_EQ(GetText(25), "0");
    EXPECT_EQ(GetText(27), "0");
    EXPECT_EQ(Background(27), -1);
    for (int control : {22, 25, 27})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(12), "100");  // 2317 W x 0.863 / 20 K
}

TEST_F(WaterTabTest, OversizingTotalBeyondThe64BitRangeIsNotAvailable)
{
    state.domain.waterLibraries.clear();  // no run rewrites 25 and 27
    Start();
    Focus(18);
    Type(18, "9223372036854775807");
    Pick(20, 1);
    EXPECT_EQ(GetText(25), "1844674407370955264");  // 20 %, within the range
    EXPECT_EQ(GetText(27), "N/A");
}

TEST_F(WaterTabTest, ThreeDigitFlowTemperatureIsStoredAndDotShownWhole)
{
    Start();
    Type(8, "105");
    EXPECT_EQ(state.domain.settings.TetaAller, "105");
    EXPECT_EQ(state.domain.internalData.density, WaterDensity(87.5f, 0));  // computed at 105 degC
    EXPECT_EQ(GetText(18), "4056");                                        // 35 K x 100 / 0.863
    EXPECT_EQ(DotShown(), 5);                                              // (105 + 70) / 2 = 87
    // Readable whole: the edit part holds the text, the 2 px the line edit
    // keeps on each side, and the caret.
    const QLineEdit* edit = qobject_cast<QComboBox*>(ControlWidget(8))->lineEdit();
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance("105") + 5);
    Type(9, "45");
    EXPECT_EQ(state.domain.settings.TetaRetour, "45");
}

TEST_F(WaterTabTest, TemperatureDotByTruncatedMean)
{
    Start();
    struct Dot {
        const char* flow;
        const char* back;
        int image;
    };
    const Dot dots[] = {{"10", "29", 3}, {"30", "10", 4}, {"60", "39", 4}, {"60", "40", 5}, {"", "", 3}};
    for (const Dot& d : dots) {
        ShowTemperatureIndicator(d.flow, d.back);
        EXPECT_EQ(DotShown(), d.image) << d.flow << "/" << d.back;
    }
}

TEST_F(WaterTabTest, EqualTemperaturesWithThePowerEnteredGiveAnInfiniteFlow)
{
    Start();
    Focus(18);
    Type(9, "90");
    EXPECT_EQ(GetText(12), "Infini");
    EXPECT_EQ(Results(), QStringList({"N/A", "N/A", "N/A", "N/A"}));
}

TEST_F(WaterTabTest, AntifreezeFollowsItsCheckBoxEvenWhenHidden)
{
    Start();
    Pick(14, 1);
    EXPECT_TRUE(IsEnabled(15));
    EXPECT_EQ(state.domain.internalData.heatFactor, WaterHeatFactor(80.0f, 30));
    Type(15, "45");
    EXPECT_EQ(state.domain.settings.AntigelP100, "45");
    EXPECT_EQ(state.domain.internalData.heatFactor, WaterHeatFactor(80.0f, 45));

    Pick(204, 0);
    EXPECT_EQ(state.domain.settings.AntigelOnOff, 0);
    for (int control : {14, 15, 16})
        EXPECT_FALSE(IsVisible(control)) << control;
    EXPECT_EQ(GetState(14), 1);
    Type(12, "200");
    EXPECT_EQ(state.domain.internalData.heatFactor, WaterHeatFactor(80.0f, 45));

    Pick(204, 1);
    for (int control : {14, 15, 16})
        EXPECT_TRUE(IsVisible(control)) << control;
    Pick(14, 0);
    EXPECT_FALSE(IsEnabled(15));
    EXPECT_EQ(state.domain.internalData.heatFactor, 0.863f);
}

TEST_F(WaterTabTest, AnotherLibraryIsStoredAndSizedOn)
{
    Start();
    Pick(3, 1);
    EXPECT_EQ(state.domain.settings.MatTube, "Inox");
    EXPECT_EQ(GetText(34), "DN");
    EXPECT_EQ(GetClipboardText(), "100L/h-Inox.DN15");

    Pick(5, 1);
    EXPECT_EQ(LimitSlider()->maximum(), 3);
    Pick(3, 0);  // back to copper in imposed mode: the index is rebuilt
    EXPECT_EQ(LimitSlider()->maximum(), 9);
    EXPECT_EQ(GetText(29), "10");
    Pick(30, 9);
    EXPECT_EQ(GetText(33), "54");
}

TEST_F(WaterTabTest, TypingIntoTheFlowFieldRecalculatesAtEachKey)
{
    Start();
    QWidget* flow = ControlWidget(12);
    ASSERT_TRUE(flow);
    SetText(12, "");
    QTest::keyClicks(flow, "250");
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(12), "250");
    EXPECT_EQ(GetText(18), "5794");  // 20 K x 250 / 0.863 = 5793.5
    EXPECT_TRUE(GetClipboardText().startsWith(QString::fromUtf8("250L/h-Cu.Ø"))) << GetClipboardText().toStdString();
    QTest::keyClicks(flow, ".x");  // refused by the field
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(12), "250");
}

TEST_F(WaterTabTest, NoRunWhileASumIsTyped)
{
    Start();
    state.sumInProgress = true;
    Type(12, "500");
    EXPECT_EQ(GetText(18), "2317");
    Focus(18);
    EXPECT_EQ(state.entryMode, EntryMode::FlowEntered);
}

// Choices for the cases a library list does not cover.

TEST_F(WaterTabTest, NoLibraryAtAll)
{
    state.domain.waterLibraries.clear();
    Start();
    EXPECT_EQ(GetState(3), -1);
    EXPECT_EQ(Results(), QStringList({"15", "11", "0.13", "1.86"}));  // as built
    EXPECT_TRUE(GetClipboardText().isEmpty());
    Pick(5, 1);
    EXPECT_EQ(GetText(29), "");  // no size to impose
    Pick(30, 1);
    Type(12, "300");
    Pick(5, 2);
    EXPECT_EQ(Results(), QStringList({"", "11", "0.13", "1.86"}));
}

TEST_F(WaterTabTest, LibraryWithoutSizes)
{
    PipeLibrary empty = WithSizes({});
    empty.name = "Vide";
    state.domain.waterLibraries = {Copper(), empty};
    Start();
    const QString copied = GetClipboardText();
    const QStringList none = {"N/A", "N/A", "N/A", "N/A"};
    Pick(3, 1);  // picked after a result on copper
    EXPECT_EQ(Results(), none);
    for (int mode : {1, 2, 0}) {
        Pick(5, mode);
        Pick(30, 1);
        Type(12, "300");
        EXPECT_EQ(Results(), none) << mode;
    }
    EXPECT_EQ(GetClipboardText(), copied);  // nothing copied
}

TEST_F(WaterTabTest, StoredLibraryNotFoundSizesOnTheLastOne)
{
    state.domain.settings.MatTube = "Laiton";
    Start();
    EXPECT_EQ(GetState(3), -1);
    EXPECT_EQ(GetClipboardText(), "100L/h-Inox.DN15");
    Pick(30, 30);  // handlers keep the library while list 3 shows none
    Pick(5, 1);
    EXPECT_EQ(LimitSlider()->maximum(), 3);
    EXPECT_EQ(GetText(29), "12");
}

TEST_F(WaterTabTest, MoreThan127ActiveSizes)
{
    std::vector<PipeSize> sizes;
    for (int i = 1; i <= 350; ++i) {
        const QByteArray name = QByteArray::number(i);
        sizes.push_back(Row(name.constData(), 5.0f + i, i % 7 != 0));  // 300 active, 50 inactive
    }
    PipeLibrary big = WithSizes(sizes);
    big.name = "Grand";
    state.domain.waterLibraries = {big};
    state.domain.settings.MatTube = "Grand";
    state.domain.settings.EauCalcMode = 1;
    Start();
    EXPECT_EQ(LimitSlider()->maximum(), 300);
    Pick(30, 300);
    EXPECT_EQ(GetText(33), "349");
    Pick(30, 6);
    EXPECT_EQ(GetText(33), "6");
    Pick(30, 7);
    EXPECT_EQ(GetText(33), "8");  // 7 is inactive
}

}  // namespace
