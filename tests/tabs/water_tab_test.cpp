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
    return qobject_cast<QSlider*>(ControlWidget(LimitBar));
}

TEST_F(WaterTabTest, OpensWithTheStoredWaterSettingsAndAFirstResult)
{
    Start();
    EXPECT_EQ(GetState(WaterLibraryList), 0);
    EXPECT_EQ(GetText(WaterLibraryList), "Cuivre");
    EXPECT_EQ(GetText(SymbolLabel), QString::fromUtf8("Ø"));
    EXPECT_EQ(CountItems(WaterModeList), 3);
    EXPECT_EQ(GetItemText(WaterModeList, 1), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetState(WaterModeList), 0);
    ASSERT_EQ(CountItems(FlowTemperatureCombo), 97);
    EXPECT_EQ(GetItemText(FlowTemperatureCombo, 0), "3");
    EXPECT_EQ(GetItemText(ReturnTemperatureCombo, 96), "99");
    EXPECT_EQ(GetText(LimitField), "18");
    EXPECT_EQ(GetState(LimitBar), 18);
    EXPECT_EQ(LimitSlider()->minimum(), 1);
    EXPECT_EQ(LimitSlider()->maximum(), 100);
    EXPECT_EQ(LimitSlider()->tickInterval(), 2);  // vertical layout, mode 0
    EXPECT_EQ(GetText(FlowTemperatureCombo), "90");
    EXPECT_EQ(GetText(ReturnTemperatureCombo), "70");
    EXPECT_EQ(DotShown(), ImageDotRed);  // mean 80 degC
    EXPECT_EQ(GetState(AntifreezeCheck), 0);
    EXPECT_FALSE(IsEnabled(AntifreezeField));
    EXPECT_EQ(GetText(AntifreezeField), "30");
    EXPECT_EQ(GetText(OversizingField), "20");
    for (int control : {OversizingCheck, OversizingField, OversizingPowerField, TotalPowerField})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(Background(FlowField), 0x73F1C1);
    EXPECT_EQ(Background(PowerField), -1);
    EXPECT_EQ(GetText(PowerField), "2317");
    EXPECT_EQ(Results(), QStringList({"15", "10.3", "0.21", "5.74"}));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100L/h-Cu.Ø15"));
}

TEST_F(WaterTabTest, StoredImposedModeCoversTheActiveSizes)
{
    state.domain.settings.EauCalcMode = 1;
    Start();
    EXPECT_EQ(GetText(LimitLabel), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetText(DiameterLabel), QString::fromUtf8("D.Théo."));  // the built text stays
    EXPECT_EQ(LimitSlider()->maximum(), 9);                           // 11 sizes, 2 inactive
    EXPECT_EQ(LimitSlider()->tickInterval(), 1);
    EXPECT_EQ(GetText(LimitField), "10");
    EXPECT_EQ(Results(), QStringList({"10", "8.00", "0.55", Results()[3]}));
}

TEST_F(WaterTabTest, ImposedSizeTrackBarSkipsInactiveSizes)
{
    state.domain.settings.MatTube = "Inox";
    state.domain.settings.EauCalcMode = 1;
    Start();
    EXPECT_EQ(GetText(LimitLabel), "DN Imposé");
    EXPECT_EQ(LimitSlider()->maximum(), 3);  // 12, 15, 18
    struct Step {
        int position;
        const char* size;
        const char* inside;
    };
    const Step steps[] = {{1, "12", "10.00"}, {3, "18", "16.00"}, {2, "15", "13.00"}};
    for (const Step& s : steps) {
        Pick(LimitBar, s.position);
        EXPECT_EQ(GetText(LimitField), s.size);
        EXPECT_EQ(GetText(SizeField), s.size);
        EXPECT_EQ(GetText(TheoreticalField), s.inside);
    }
}

TEST_F(WaterTabTest, SwitchingModesResetsTheLimit)
{
    Start();
    Pick(LimitBar, 40);
    EXPECT_EQ(GetText(LimitField), "40");
    Pick(WaterModeList, 2);
    EXPECT_EQ(state.domain.settings.EauCalcMode, 2);
    EXPECT_EQ(GetText(LimitLabel), "Vit. Maxi.");
    EXPECT_EQ(GetText(DiameterLabel), QString::fromUtf8("Ø Théo."));
    EXPECT_EQ(GetText(LimitField), "1.20");
    EXPECT_EQ(GetState(LimitBar), 12);
    EXPECT_EQ(GetText(TheoreticalField), "5.43");
    Pick(LimitBar, 30);
    EXPECT_EQ(GetText(LimitField), "3.00");
    Pick(WaterModeList, 1);
    EXPECT_EQ(GetText(LimitLabel), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetText(DiameterLabel), QString::fromUtf8("Ø Int."));
    EXPECT_EQ(GetText(LimitField), "10");
    Pick(WaterModeList, 0);
    EXPECT_EQ(GetText(LimitLabel), "PdC Maxi.");
    EXPECT_EQ(GetText(LimitField), "18");
    EXPECT_EQ(GetState(LimitBar), 18);
    EXPECT_EQ(LimitSlider()->maximum(), 100);
    EXPECT_EQ(Results(), QStringList({"15", "10.3", "0.21", "5.74"}));
}

TEST_F(WaterTabTest, PickingTheSelectedModeAgainDoesNothing)
{
    Start();
    Pick(LimitBar, 40);
    SetText(SizeField, "x");
    Pick(WaterModeList, 0);
    EXPECT_EQ(GetText(LimitField), "40");
    EXPECT_EQ(GetState(LimitBar), 40);
    EXPECT_EQ(GetText(SizeField), "x");  // no run either
}

TEST_F(WaterTabTest, FocusOnTheFlowFieldWhileOversizingIsOn)
{
    Start();
    Focus(PowerField);
    EXPECT_EQ(state.entryMode, EntryMode::PowerEntered);
    EXPECT_EQ(Background(FlowField), -1);
    EXPECT_EQ(Background(PowerField), 0x73F1C1);
    EXPECT_TRUE(IsEnabled(OversizingCheck));
    Type(PowerField, "2000");
    EXPECT_EQ(GetText(FlowField), "86");  // 2000 W x 0.863 / 20 K

    Pick(OversizingCheck, 1);
    EXPECT_EQ(GetText(OversizingPowerField), "400");
    EXPECT_EQ(GetText(TotalPowerField), "2400");
    EXPECT_EQ(Background(TotalPowerField), 0xE8A094);
    for (int control : {OversizingField, OversizingPowerField, TotalPowerField})
        EXPECT_TRUE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(FlowField), "104");  // from the total

    Focus(FlowField);
    EXPECT_EQ(state.entryMode, EntryMode::FlowEntered);
    EXPECT_EQ(GetText(FlowField), "86");  // the base power's flow
    EXPECT_EQ(GetState(OversizingCheck), 1);
    for (int control : {OversizingCheck, OversizingField, OversizingPowerField, TotalPowerField})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(OversizingPowerField), "0");
    EXPECT_EQ(GetText(TotalPowerField), "0");
    EXPECT_EQ(Background(TotalPowerField), 0xE8A094);
    EXPECT_EQ(Background(FlowField), 0x73F1C1);
    EXPECT_EQ(Background(PowerField), -1);
}

TEST_F(WaterTabTest, UncheckingOversizingClearsItsFields)
{
    Start();
    Focus(PowerField);
    Pick(OversizingCheck, 1);
    Pick(OversizingCheck, 0);
    EXPECT_EQ(GetText(OversizingPowerField), "0");
    EXPECT_EQ(GetText(TotalPowerField), "0");
    EXPECT_EQ(Background(TotalPowerField), -1);
    for (int control : {OversizingField, OversizingPowerField, TotalPowerField})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(FlowField), "100");  // 2317 W x 0.863 / 20 K
}

TEST_F(WaterTabTest, OversizingTotalBeyondThe64BitRangeIsNotAvailable)
{
    state.domain.waterLibraries.clear();  // no run rewrites 25 and 27
    Start();
    Focus(PowerField);
    Type(PowerField, "9223372036854775807");
    Pick(OversizingCheck, 1);
    EXPECT_EQ(GetText(OversizingPowerField), "1844674407370955264");  // 20 %, within the range
    EXPECT_EQ(GetText(TotalPowerField), "N/A");
}

TEST_F(WaterTabTest, ThreeDigitFlowTemperatureIsStoredAndDotShownWhole)
{
    Start();
    Type(FlowTemperatureCombo, "105");
    EXPECT_EQ(state.domain.settings.TetaAller, "105");
    EXPECT_EQ(state.domain.internalData.density, WaterDensity(87.5f, 0));  // computed at 105 degC
    EXPECT_EQ(GetText(PowerField), "4056");                                // 35 K x 100 / 0.863
    EXPECT_EQ(DotShown(), ImageDotRed);                                    // (105 + 70) / 2 = 87
    // Readable whole: the edit part holds the text, the 2 px the line edit
    // keeps on each side, and the caret.
    const QLineEdit* edit = qobject_cast<QComboBox*>(ControlWidget(FlowTemperatureCombo))->lineEdit();
    EXPECT_GE(edit->width(), edit->fontMetrics().horizontalAdvance("105") + 5);
    Type(ReturnTemperatureCombo, "45");
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
    const Dot dots[] = {{"10", "29", ImageDotBlue},
                        {"30", "10", ImageDotMagenta},
                        {"60", "39", ImageDotMagenta},
                        {"60", "40", ImageDotRed},
                        {"", "", ImageDotBlue}};
    for (const Dot& d : dots) {
        ShowTemperatureIndicator(d.flow, d.back);
        EXPECT_EQ(DotShown(), d.image) << d.flow << "/" << d.back;
    }
}

TEST_F(WaterTabTest, EqualTemperaturesWithThePowerEnteredGiveAnInfiniteFlow)
{
    Start();
    Focus(PowerField);
    Type(ReturnTemperatureCombo, "90");
    EXPECT_EQ(GetText(FlowField), "Infini");
    EXPECT_EQ(Results(), QStringList({"N/A", "N/A", "N/A", "N/A"}));
}

TEST_F(WaterTabTest, AntifreezeFollowsItsCheckBoxEvenWhenHidden)
{
    Start();
    Pick(AntifreezeCheck, 1);
    EXPECT_TRUE(IsEnabled(AntifreezeField));
    EXPECT_EQ(state.domain.internalData.heatFactor, WaterHeatFactor(80.0f, 30));
    Type(AntifreezeField, "45");
    EXPECT_EQ(state.domain.settings.AntigelP100, "45");
    EXPECT_EQ(state.domain.internalData.heatFactor, WaterHeatFactor(80.0f, 45));

    Pick(AntifreezeOptionCheck, 0);
    EXPECT_EQ(state.domain.settings.AntigelOnOff, 0);
    for (int control : {AntifreezeCheck, AntifreezeField, AntifreezePercentLabel})
        EXPECT_FALSE(IsVisible(control)) << control;
    EXPECT_EQ(GetState(AntifreezeCheck), 1);
    Type(FlowField, "200");
    EXPECT_EQ(state.domain.internalData.heatFactor, WaterHeatFactor(80.0f, 45));

    Pick(AntifreezeOptionCheck, 1);
    for (int control : {AntifreezeCheck, AntifreezeField, AntifreezePercentLabel})
        EXPECT_TRUE(IsVisible(control)) << control;
    Pick(AntifreezeCheck, 0);
    EXPECT_FALSE(IsEnabled(AntifreezeField));
    EXPECT_EQ(state.domain.internalData.heatFactor, 0.863f);
}

TEST_F(WaterTabTest, AnotherLibraryIsStoredAndSizedOn)
{
    Start();
    Pick(WaterLibraryList, 1);
    EXPECT_EQ(state.domain.settings.MatTube, "Inox");
    EXPECT_EQ(GetText(SymbolLabel), "DN");
    EXPECT_EQ(GetClipboardText(), "100L/h-Inox.DN15");

    Pick(WaterModeList, 1);
    EXPECT_EQ(LimitSlider()->maximum(), 3);
    Pick(WaterLibraryList, 0);  // back to copper in imposed mode: the index is rebuilt
    EXPECT_EQ(LimitSlider()->maximum(), 9);
    EXPECT_EQ(GetText(LimitField), "10");
    Pick(LimitBar, 9);
    EXPECT_EQ(GetText(SizeField), "54");
}

TEST_F(WaterTabTest, TypingIntoTheFlowFieldRecalculatesAtEachKey)
{
    Start();
    QWidget* flow = ControlWidget(FlowField);
    ASSERT_TRUE(flow);
    SetText(FlowField, "");
    QTest::keyClicks(flow, "250");
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(FlowField), "250");
    EXPECT_EQ(GetText(PowerField), "5794");  // 20 K x 250 / 0.863 = 5793.5
    EXPECT_TRUE(GetClipboardText().startsWith(QString::fromUtf8("250L/h-Cu.Ø"))) << GetClipboardText().toStdString();
    QTest::keyClicks(flow, ".x");  // refused by the field
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(FlowField), "250");
}

TEST_F(WaterTabTest, NoRunWhileASumIsTyped)
{
    Start();
    state.sumInProgress = true;
    Type(FlowField, "500");
    EXPECT_EQ(GetText(PowerField), "2317");
    Focus(PowerField);
    EXPECT_EQ(state.entryMode, EntryMode::FlowEntered);
}

// Choices for the cases a library list does not cover.

TEST_F(WaterTabTest, NoLibraryAtAll)
{
    state.domain.waterLibraries.clear();
    Start();
    EXPECT_EQ(GetState(WaterLibraryList), -1);
    EXPECT_EQ(Results(), QStringList({"15", "11", "0.13", "1.86"}));  // as built
    EXPECT_TRUE(GetClipboardText().isEmpty());
    Pick(WaterModeList, 1);
    EXPECT_EQ(GetText(LimitField), "");  // no size to impose
    Pick(LimitBar, 1);
    Type(FlowField, "300");
    Pick(WaterModeList, 2);
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
    Pick(WaterLibraryList, 1);  // picked after a result on copper
    EXPECT_EQ(Results(), none);
    for (int mode : {1, 2, 0}) {
        Pick(WaterModeList, mode);
        Pick(LimitBar, 1);
        Type(FlowField, "300");
        EXPECT_EQ(Results(), none) << mode;
    }
    EXPECT_EQ(GetClipboardText(), copied);  // nothing copied
}

// List 3 and the symbol show the library the results are sized in: the last
// one, whose symbol here is not the "DN" the label is built with.
TEST_F(WaterTabTest, StoredLibraryNotFoundShowsAndSizesOnTheLastOne)
{
    state.domain.settings.MatTube = "Laiton";
    state.domain.waterLibraries = {InoxLike(), Copper()};
    Start();
    EXPECT_EQ(GetState(WaterLibraryList), 1);
    EXPECT_EQ(GetText(WaterLibraryList), "Cuivre");
    EXPECT_EQ(GetText(SymbolLabel), QString::fromUtf8("Ø"));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100L/h-Cu.Ø15"));
    Pick(WaterModeList, 1);
    EXPECT_EQ(GetText(LimitLabel), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(state.domain.settings.MatTube, "Laiton");  // kept until the user picks one
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
    Pick(LimitBar, 300);
    EXPECT_EQ(GetText(SizeField), "349");
    Pick(LimitBar, 6);
    EXPECT_EQ(GetText(SizeField), "6");
    Pick(LimitBar, 7);
    EXPECT_EQ(GetText(SizeField), "8");  // 7 is inactive
}

}  // namespace
