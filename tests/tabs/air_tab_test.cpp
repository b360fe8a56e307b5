#include <QLineEdit>
#include <QTest>

#include "air_tab_fixture.h"
#include "physics/air_properties.h"

namespace {

bool ReadOnly(int control)
{
    auto* edit = qobject_cast<QLineEdit*>(ControlWidget(control));
    return edit && edit->isReadOnly();
}

const std::initializer_list<int> CircularOnly = {DuctDiameterLabel, DuctDiameterField};
const std::initializer_list<int> RectangularOnly = {
    SideALabel,       SideAField,       SideTimesLabel,       SideBLabel,       SideBField,
    ResultSideALabel, ResultSideAField, ResultSideTimesLabel, ResultSideBLabel, ResultSideBField};

TEST_F(AirTabTest, OpensWithTheStoredAirSettingsAndAFirstResult)
{
    StartAir();
    ASSERT_EQ(CountItems(AirModeList), 3);
    EXPECT_EQ(GetItemText(AirModeList, 0), "PdC Maxi.");
    EXPECT_EQ(GetItemText(AirModeList, 1), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetItemText(AirModeList, 2), "Vit. Maxi.");
    EXPECT_EQ(GetState(AirModeList), 0);
    EXPECT_EQ(GetState(CircularOption), 1);
    EXPECT_EQ(GetState(RectangularOption), 0);
    ASSERT_EQ(CountItems(ImposedDiameterCombo), 37);
    EXPECT_EQ(GetItemText(ImposedDiameterCombo, 0), "80");
    EXPECT_EQ(GetItemText(ImposedDiameterCombo, 15), "900");
    EXPECT_EQ(GetItemText(ImposedDiameterCombo, 16), "1000");
    EXPECT_EQ(GetItemText(ImposedDiameterCombo, 36), "3000");
    EXPECT_EQ(GetText(ImposedDiameterCombo), "125");
    ASSERT_EQ(CountItems(DuctMaterialList), 8);
    const char* names[] = {"Galva.", "Plastique", "Fibair", "Béton", "Bét.Grossier", "Ciment Lissé", "Plâtre", "Autre"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(GetItemText(DuctMaterialList, i), QString::fromUtf8(names[i]));
    EXPECT_EQ(GetText(DuctMaterialList), "Galva.");
    EXPECT_EQ(GetText(DuctMaterialButton), "Galva.");
    EXPECT_EQ(GetText(DuctRoughnessField), "0.150");
    EXPECT_TRUE(ReadOnly(DuctRoughnessField));

    EXPECT_EQ(GetText(AirLimitLabel), "PdC Maxi.");
    EXPECT_EQ(GetText(AirLimitField), "0.80");
    EXPECT_EQ(Background(AirLimitField), 0xD9EDED);
    EXPECT_EQ(GetState(AirLimitBar), 8);
    EXPECT_EQ(AirLimitSlider()->minimum(), 1);
    EXPECT_EQ(AirLimitSlider()->maximum(), 100);
    EXPECT_EQ(AirLimitSlider()->tickInterval(), 3);
    EXPECT_TRUE(AllVisible({TheoreticalDuctLabel, TheoreticalDuctField}, true));
    EXPECT_TRUE(AllVisible({ImposedDiameterLabel, ImposedDiameterCombo}, false));
    EXPECT_TRUE(AllVisible(CircularOnly, true));
    EXPECT_TRUE(AllVisible(RectangularOnly, false));
    EXPECT_EQ(Background(AirFlowField), 0x89DBDB);
    for (int control : {AirTemperatureField, AirHumidityField, AltitudeField})
        EXPECT_EQ(Background(control), 0xD9EDED) << control;

    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø125"));
    EXPECT_FLOAT_EQ(state.domain.internalData.atmosphericPressure, AtmosphericPressure(10.0f));
}

TEST_F(AirTabTest, SwitchingModesResetsTheLimit)
{
    StartAir();
    Pick(AirLimitBar, 20);
    EXPECT_EQ(GetText(AirLimitField), "2.00");
    Pick(AirModeList, 2);
    EXPECT_EQ(state.domain.settings.AirCalcMode, 2);
    EXPECT_EQ(GetText(AirLimitLabel), "Vit. Maxi.");
    EXPECT_EQ(GetText(AirLimitField), "4.00");
    EXPECT_EQ(GetState(AirLimitBar), 40);
    EXPECT_EQ(AirLimitSlider()->maximum(), 200);
    EXPECT_EQ(AirLimitSlider()->tickInterval(), 4);
    EXPECT_EQ(CircularResults(), QStringList({"95", "100", "3.54", "2.11"}));
    Pick(AirLimitBar, 200);
    EXPECT_EQ(GetText(AirLimitField), "20.00");
    Pick(AirModeList, 0);
    EXPECT_EQ(state.domain.settings.AirCalcMode, 0);
    EXPECT_EQ(GetText(AirLimitLabel), "PdC Maxi.");
    EXPECT_EQ(GetText(AirLimitField), "0.80");
    EXPECT_EQ(GetState(AirLimitBar), 8);
    EXPECT_EQ(AirLimitSlider()->maximum(), 100);
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
}

TEST_F(AirTabTest, TheTrackBarSetsTheLimitOfTheSearch)
{
    StartAir();
    Pick(AirLimitBar, 1);
    EXPECT_EQ(GetText(AirLimitField), "0.10");
    EXPECT_EQ(GetText(TheoreticalDuctField), "190");  // the pressure drop falls about as D^-4.75
    Pick(AirLimitBar, 100);
    EXPECT_EQ(GetText(AirLimitField), "10.00");
    EXPECT_EQ(GetText(TheoreticalDuctField), "75");
}

TEST_F(AirTabTest, ImposedDiameter)
{
    StartAir();
    Pick(AirModeList, 1);
    for (int control : {AirLimitBar, AirLimitLabel, AirLimitField})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(AirLimitLabel), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetText(AirLimitField), "N/A");
    EXPECT_EQ(Background(AirLimitField), -1);
    EXPECT_TRUE(AllVisible({ImposedDiameterLabel, ImposedDiameterCombo}, true));
    EXPECT_TRUE(AllVisible({TheoreticalDuctLabel, TheoreticalDuctField}, false));

    Type(ImposedDiameterCombo, "160");
    EXPECT_EQ(GetText(DuctDiameterField), "160");
    EXPECT_EQ(GetText(AirVelocityField), "1.38");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø160"));
    Type(ImposedDiameterCombo, "125");
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    Type(ImposedDiameterCombo, "");
    EXPECT_EQ(GetText(DuctDiameterField), "");
    EXPECT_EQ(GetText(AirVelocityField), "0.00");
    EXPECT_EQ(GetText(AirPressureDropField), "0.00");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø0"));

    Pick(AirModeList, 2);  // a search mode again: enabled, with its default limit
    for (int control : {AirLimitBar, AirLimitLabel, AirLimitField})
        EXPECT_TRUE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(AirLimitField), "4.00");
    EXPECT_EQ(Background(AirLimitField), 0xD9EDED);
}

TEST_F(AirTabTest, ImposedModeShowsTheDiameterUsedAfterASearch)
{
    StartAir();
    Pick(AirModeList, 1);
    Type(ImposedDiameterCombo, "160");
    Pick(AirModeList, 0);
    EXPECT_EQ(GetText(DuctDiameterField), "125");
    Pick(AirModeList, 1);
    EXPECT_EQ(CircularResults(), QStringList({"125", "160", "1.38", "0.21"}));
}

TEST_F(AirTabTest, RectangleSearchesSideB)
{
    StartAir();
    Pick(RectangularOption, 1);
    EXPECT_EQ(state.domain.settings.CircRect, 1);
    EXPECT_TRUE(AllVisible(RectangularOnly, true));
    EXPECT_TRUE(AllVisible(CircularOnly, false));
    EXPECT_TRUE(
        AllVisible({ImposedDiameterLabel, ImposedDiameterCombo, TheoreticalDuctLabel, TheoreticalDuctField}, false));
    EXPECT_EQ(Background(SideAField), 0x89DBDB);
    EXPECT_TRUE(ReadOnly(SideBField));
    EXPECT_EQ(Background(SideBField), -1);
    EXPECT_EQ(RectangularResults(), QStringList({"150", "100", "150", "1.85", "0.51"}));
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x150");

    Type(SideAField, "49");
    EXPECT_EQ(GetText(ResultSideAField), "49");
    EXPECT_EQ(RectangularResults(), QStringList({"N/A", "49", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x150");  // nothing copied
    Type(SideAField, "50");
    EXPECT_EQ(GetText(SideBField), "300");

    Pick(CircularOption, 1);
    EXPECT_EQ(state.domain.settings.CircRect, 0);
    EXPECT_TRUE(AllVisible(RectangularOnly, false));
    EXPECT_TRUE(AllVisible(CircularOnly, true));
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
}

TEST_F(AirTabTest, RectangleWithImposedSidesTakesSideBAsInput)
{
    StartAir();
    Pick(RectangularOption, 1);
    Pick(AirModeList, 1);
    EXPECT_FALSE(ReadOnly(SideBField));
    EXPECT_EQ(Background(SideBField), 0x89DBDB);
    Type(SideBField, "150");
    EXPECT_EQ(GetText(ResultSideBField), "150");
    EXPECT_EQ(GetText(AirVelocityField), "1.85");
    EXPECT_EQ(GetText(AirPressureDropField), "0.51");
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x150");
    Type(SideBField, "49");
    EXPECT_EQ(GetText(AirVelocityField), "0.00");
    EXPECT_EQ(GetText(AirPressureDropField), "0.00");
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x49");

    Pick(AirModeList, 0);  // side B is a result again
    EXPECT_TRUE(ReadOnly(SideBField));
    EXPECT_EQ(Background(SideBField), -1);
    EXPECT_EQ(GetText(SideBField), "150");
}

TEST_F(AirTabTest, StoredRectangleInVelocityMode)
{
    state.domain.settings.CircRect = 1;
    state.domain.settings.AirCalcMode = 2;
    StartAir();
    EXPECT_EQ(GetState(RectangularOption), 1);
    EXPECT_EQ(GetState(AirModeList), 2);
    EXPECT_EQ(GetText(AirLimitField), "4.00");
    EXPECT_TRUE(AllVisible(RectangularOnly, true));
    EXPECT_EQ(RectangularResults(), QStringList({"100", "100", "100", "2.78", "1.35"}));
}

TEST_F(AirTabTest, DuctMaterialsAndTheirRoughness)
{
    StartAir();
    Pick(DuctMaterialList, 2);  // "Fibair", 3 mm
    EXPECT_EQ(state.domain.settings.MatGaine, "Fibair");
    EXPECT_FLOAT_EQ(state.domain.settings.RugoGaine, 3.0f);
    EXPECT_EQ(GetText(DuctMaterialButton), "Fibair");
    EXPECT_EQ(GetText(DuctRoughnessField), "3.000");
    EXPECT_TRUE(ReadOnly(DuctRoughnessField));
    EXPECT_EQ(GetText(TheoreticalDuctField), "140");

    Pick(DuctMaterialList, 7);  // "Autre": the user's own value
    EXPECT_EQ(state.domain.settings.MatGaine, "Autre");
    EXPECT_FLOAT_EQ(state.domain.settings.RugoGaine, 3.0f);
    EXPECT_FALSE(ReadOnly(DuctRoughnessField));
    EXPECT_EQ(GetText(DuctRoughnessField), "0.001");
    EXPECT_EQ(GetText(DuctMaterialButton), "Autre");
    EXPECT_EQ(GetText(TheoreticalDuctField), "120");
    Type(DuctRoughnessField, "5");
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 5.0f);
    EXPECT_EQ(GetText(TheoreticalDuctField), "145");
    Type(DuctRoughnessField, "0,5");  // a decimal comma
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 0.5f);
    Type(DuctRoughnessField, "abc");
    EXPECT_EQ(state.domain.settings.AutreRugo, 0.0f);

    Pick(DuctMaterialList, 0);
    EXPECT_EQ(GetText(DuctRoughnessField), "0.150");
    EXPECT_TRUE(ReadOnly(DuctRoughnessField));
    EXPECT_FLOAT_EQ(state.domain.settings.RugoGaine, 0.15f);
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    Pick(DuctMaterialList, 7);
    EXPECT_EQ(GetText(DuctRoughnessField), "0.000");  // the value typed last
}

TEST_F(AirTabTest, ButtonOfTheMaterialOpensTheOptions)
{
    StartAir();
    User(DuctMaterialButton, SubtypeClick);
    EXPECT_EQ(GetState(MainTabPanel), 3);
}

TEST_F(AirTabTest, StoredAutreShowsTheStoredOwnRoughness)
{
    state.domain.settings.MatGaine = "Autre";
    state.domain.settings.AutreRugo = 5.0f;
    StartAir();
    EXPECT_EQ(GetText(DuctMaterialList), "Autre");
    EXPECT_EQ(GetText(DuctMaterialButton), "Autre");
    EXPECT_FALSE(ReadOnly(DuctRoughnessField));
    EXPECT_EQ(GetText(DuctRoughnessField), "5.000");
    EXPECT_EQ(GetText(TheoreticalDuctField), "145");
}

TEST_F(AirTabTest, UnknownStoredMaterialMakesTheLastOneCurrent)
{
    state.domain.settings.MatGaine = "Cuivre";
    StartAir();
    EXPECT_EQ(GetText(DuctMaterialList), "Autre");
    EXPECT_EQ(GetText(DuctMaterialButton), "Autre");
    EXPECT_FALSE(ReadOnly(DuctRoughnessField));
    EXPECT_EQ(GetText(DuctRoughnessField), "0.001");
    EXPECT_EQ(state.domain.settings.MatGaine, "Cuivre");  // kept until the user picks one
}

// Without a configuration "RugoGaine" is 0: a roughness typed for "Autre"
// still sizes again at once.
TEST_F(AirTabTest, WithoutAConfigurationTheOwnRoughnessStillSizes)
{
    state.domain.settings = Settings{};
    state.domain.settings.TxtCopyAirOnOff = 1;
    state.domain.settings.TextToCopyAir = "%d-%c";
    StartAir();
    EXPECT_EQ(GetText(DuctMaterialList), "Autre");
    EXPECT_EQ(GetText(DuctRoughnessField), "0.000");
    EXPECT_EQ(GetText(TheoreticalDuctField), "120");  // smooth duct
    Type(DuctRoughnessField, "5");
    EXPECT_EQ(GetText(TheoreticalDuctField), "145");
}

TEST_F(AirTabTest, EveryAirInputSizesAgain)
{
    StartAir();
    struct Input {
        int control;
        const char* text;
        const char* theoretical;
    };
    const Input inputs[] = {
        {AirFlowField, "1000", "290"},
        {AirTemperatureField, "60", "285"},
        {AirHumidityField, "0", "285"},
        {AltitudeField, "3000", "270"},
    };
    for (const Input& i : inputs) {
        Type(i.control, i.text);
        EXPECT_EQ(GetText(TheoreticalDuctField), i.theoretical) << i.control;
    }
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("1000m3/h-Ø315"));
}

TEST_F(AirTabTest, NoRunWhileASumIsTyped)
{
    StartAir();
    state.sumInProgress = true;
    Type(AirFlowField, "1000");
    EXPECT_EQ(GetText(TheoreticalDuctField), "125");
    state.sumInProgress = false;
    Type(AirTemperatureField, "20");  // the other fields are not sum fields
    EXPECT_EQ(GetText(TheoreticalDuctField), "290");
}

TEST_F(AirTabTest, ZeroFlowKeepsTheResults)
{
    StartAir();
    Type(AirFlowField, "");
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    Type(AltitudeField, "1000");  // the air state is still recorded
    EXPECT_NEAR(state.domain.internalData.atmosphericPressure, 89874.6f, 0.05f);
}

TEST_F(AirTabTest, AltitudeBeyondTheAtmosphereShowsNotAvailable)
{
    StartAir();
    Type(AltitudeField, "44331");
    EXPECT_EQ(CircularResults(), QStringList({"N/A", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø125"));  // nothing copied
    Type(AltitudeField, "10");
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
}

TEST_F(AirTabTest, CopyFollowsCheckBox307Only)
{
    StartAir();
    Pick(CopyAirOptionCheck, 0);
    SetClipboardText("avant");
    Type(AirFlowField, "1000");
    EXPECT_EQ(GetClipboardText(), "avant");
    Pick(CopyWaterOptionCheck, 0);
    Pick(CopyAirOptionCheck, 1);
    Type(AirTemplateField, "%c %p %v %w %n");
    Type(AirFlowField, "100");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("Ø125 0.70Pa/m 2.26m/s %w %n"));
}

TEST_F(AirTabTest, TypedKeysRecalculateAndDigitsOnlyFieldsRefuseOthers)
{
    StartAir();
    QWidget* flow = ControlWidget(AirFlowField);
    ASSERT_TRUE(flow);
    SetText(AirFlowField, "");
    QTest::keyClicks(flow, "1000");
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(TheoreticalDuctField), "290");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("1000m3/h-Ø315"));
    for (int control : {AirFlowField, AirTemperatureField, AirHumidityField, AltitudeField}) {
        const QString before = GetText(control);
        QTest::keyClicks(ControlWidget(control), "-.,a e");
        DeliverQueuedEvents();
        EXPECT_EQ(GetText(control), before) << control;
    }
    Pick(RectangularOption, 1);
    Pick(AirModeList, 1);
    for (int control : {SideAField, SideBField}) {
        SetText(control, "");
        QTest::keyClicks(ControlWidget(control), "1-5.0x");
        DeliverQueuedEvents();
        EXPECT_EQ(GetText(control), "150") << control;
    }
    EXPECT_EQ(GetText(ResultSideAField), "150");
    EXPECT_EQ(GetText(ResultSideBField), "150");
    EXPECT_EQ(GetText(AirVelocityField), "12.35");  // 1000 m3/h
}

// Field 303 keeps a typed value on a change and sizes again on any event; the
// air inputs react to changes only.
TEST_F(AirTabTest, RoutesReactToTheirSubtypes)
{
    StartAir();
    SetText(AirFlowField, "1000");
    for (int control : {AirFlowField, AirTemperatureField, AirHumidityField, AltitudeField, ImposedDiameterCombo,
                        SideAField, SideBField})
        User(control, SubtypeFocusGained);
    EXPECT_EQ(GetText(TheoreticalDuctField), "125");
    SetText(DuctRoughnessField, "7");
    User(DuctRoughnessField, SubtypeFocusGained);
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 0.001f);
    EXPECT_EQ(GetText(TheoreticalDuctField), "290");
    User(DuctRoughnessField, SubtypeChange);
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 7.0f);
}

// A stored mode index that list 103 does not hold leaves it without a
// selection; the tab then works as for an imposed size.
TEST_F(AirTabTest, StoredModeOutOfTheList)
{
    state.domain.settings.AirCalcMode = 5;
    StartAir();
    EXPECT_EQ(GetState(AirModeList), -1);
    EXPECT_FALSE(IsEnabled(AirLimitBar));
    EXPECT_EQ(GetText(AirLimitField), "N/A");
    EXPECT_TRUE(AllVisible({ImposedDiameterLabel, ImposedDiameterCombo}, true));
    EXPECT_EQ(GetText(AirVelocityField), "2.26");
    EXPECT_EQ(GetText(AirPressureDropField), "0.70");
}

}  // namespace
