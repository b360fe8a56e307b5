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

const std::initializer_list<int> CircularOnly = {128, 129};
const std::initializer_list<int> RectangularOnly = {119, 120, 121, 122, 123, 130, 131, 132, 133, 134};

TEST_F(AirTabTest, OpensWithTheStoredAirSettingsAndAFirstResult)
{
    StartAir();
    ASSERT_EQ(CountItems(103), 3);
    EXPECT_EQ(GetItemText(103, 0), "PdC Maxi.");
    EXPECT_EQ(GetItemText(103, 1), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetItemText(103, 2), "Vit. Maxi.");
    EXPECT_EQ(GetState(103), 0);
    EXPECT_EQ(GetState(101), 1);
    EXPECT_EQ(GetState(102), 0);
    ASSERT_EQ(CountItems(116), 37);
    EXPECT_EQ(GetItemText(116, 0), "80");
    EXPECT_EQ(GetItemText(116, 15), "900");
    EXPECT_EQ(GetItemText(116, 16), "1000");
    EXPECT_EQ(GetItemText(116, 36), "3000");
    EXPECT_EQ(GetText(116), "125");
    ASSERT_EQ(CountItems(302), 8);
    const char* names[] = {"Galva.", "Plastique", "Fibair", "Béton", "Bét.Grossier", "Ciment Lissé", "Plâtre", "Autre"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(GetItemText(302, i), QString::fromUtf8(names[i]));
    EXPECT_EQ(GetText(302), "Galva.");
    EXPECT_EQ(GetText(104), "Galva.");
    EXPECT_EQ(GetText(303), "0.150");
    EXPECT_TRUE(ReadOnly(303));

    EXPECT_EQ(GetText(125), "PdC Maxi.");
    EXPECT_EQ(GetText(126), "0.80");
    EXPECT_EQ(Background(126), 0xD9EDED);
    EXPECT_EQ(GetState(124), 8);
    EXPECT_EQ(AirLimitSlider()->minimum(), 1);
    EXPECT_EQ(AirLimitSlider()->maximum(), 100);
    EXPECT_EQ(AirLimitSlider()->tickInterval(), 3);
    EXPECT_TRUE(AllVisible({117, 118}, true));
    EXPECT_TRUE(AllVisible({115, 116}, false));
    EXPECT_TRUE(AllVisible(CircularOnly, true));
    EXPECT_TRUE(AllVisible(RectangularOnly, false));
    EXPECT_EQ(Background(107), 0x89DBDB);
    for (int control : {109, 111, 113})
        EXPECT_EQ(Background(control), 0xD9EDED) << control;

    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø125"));
    EXPECT_FLOAT_EQ(state.domain.internalData.atmosphericPressure, AtmosphericPressure(10.0f));
}

TEST_F(AirTabTest, SwitchingModesResetsTheLimit)
{
    StartAir();
    Pick(124, 20);
    EXPECT_EQ(GetText(126), "2.00");
    Pick(103, 2);
    EXPECT_EQ(state.domain.settings.AirCalcMode, 2);
    EXPECT_EQ(GetText(125), "Vit. Maxi.");
    EXPECT_EQ(GetText(126), "4.00");
    EXPECT_EQ(GetState(124), 40);
    EXPECT_EQ(AirLimitSlider()->maximum(), 200);
    EXPECT_EQ(AirLimitSlider()->tickInterval(), 4);
    EXPECT_EQ(CircularResults(), QStringList({"95", "100", "3.54", "2.11"}));
    Pick(124, 200);
    EXPECT_EQ(GetText(126), "20.00");
    Pick(103, 0);
    EXPECT_EQ(state.domain.settings.AirCalcMode, 0);
    EXPECT_EQ(GetText(125), "PdC Maxi.");
    EXPECT_EQ(GetText(126), "0.80");
    EXPECT_EQ(GetState(124), 8);
    EXPECT_EQ(AirLimitSlider()->maximum(), 100);
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
}

TEST_F(AirTabTest, TheTrackBarSetsTheLimitOfTheSearch)
{
    StartAir();
    Pick(124, 1);
    EXPECT_EQ(GetText(126), "0.10");
    EXPECT_EQ(GetText(118), "190");  // the pressure drop falls about as D^-4.75
    Pick(124, 100);
    EXPECT_EQ(GetText(126), "10.00");
    EXPECT_EQ(GetText(118), "75");
}

TEST_F(AirTabTest, ImposedDiameter)
{
    StartAir();
    Pick(103, 1);
    for (int control : {124, 125, 126})
        EXPECT_FALSE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(125), QString::fromUtf8("Ø Imposé"));
    EXPECT_EQ(GetText(126), "N/A");
    EXPECT_EQ(Background(126), -1);
    EXPECT_TRUE(AllVisible({115, 116}, true));
    EXPECT_TRUE(AllVisible({117, 118}, false));

    Type(116, "160");
    EXPECT_EQ(GetText(129), "160");
    EXPECT_EQ(GetText(136), "1.38");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø160"));
    Type(116, "125");
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    Type(116, "");
    EXPECT_EQ(GetText(129), "");
    EXPECT_EQ(GetText(136), "0.00");
    EXPECT_EQ(GetText(139), "0.00");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø0"));

    Pick(103, 2);  // a search mode again: enabled, with its default limit
    for (int control : {124, 125, 126})
        EXPECT_TRUE(IsEnabled(control)) << control;
    EXPECT_EQ(GetText(126), "4.00");
    EXPECT_EQ(Background(126), 0xD9EDED);
}

TEST_F(AirTabTest, ImposedModeShowsTheDiameterUsedAfterASearch)
{
    StartAir();
    Pick(103, 1);
    Type(116, "160");
    Pick(103, 0);
    EXPECT_EQ(GetText(129), "125");
    Pick(103, 1);
    EXPECT_EQ(CircularResults(), QStringList({"125", "160", "1.38", "0.21"}));
}

TEST_F(AirTabTest, RectangleSearchesSideB)
{
    StartAir();
    Pick(102, 1);
    EXPECT_EQ(state.domain.settings.CircRect, 1);
    EXPECT_TRUE(AllVisible(RectangularOnly, true));
    EXPECT_TRUE(AllVisible(CircularOnly, false));
    EXPECT_TRUE(AllVisible({115, 116, 117, 118}, false));
    EXPECT_EQ(Background(120), 0x89DBDB);
    EXPECT_TRUE(ReadOnly(123));
    EXPECT_EQ(Background(123), -1);
    EXPECT_EQ(RectangularResults(), QStringList({"150", "100", "150", "1.85", "0.51"}));
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x150");

    Type(120, "49");
    EXPECT_EQ(GetText(131), "49");
    EXPECT_EQ(RectangularResults(), QStringList({"N/A", "49", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x150");  // nothing copied
    Type(120, "50");
    EXPECT_EQ(GetText(123), "300");

    Pick(101, 1);
    EXPECT_EQ(state.domain.settings.CircRect, 0);
    EXPECT_TRUE(AllVisible(RectangularOnly, false));
    EXPECT_TRUE(AllVisible(CircularOnly, true));
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
}

TEST_F(AirTabTest, RectangleWithImposedSidesTakesSideBAsInput)
{
    StartAir();
    Pick(102, 1);
    Pick(103, 1);
    EXPECT_FALSE(ReadOnly(123));
    EXPECT_EQ(Background(123), 0x89DBDB);
    Type(123, "150");
    EXPECT_EQ(GetText(134), "150");
    EXPECT_EQ(GetText(136), "1.85");
    EXPECT_EQ(GetText(139), "0.51");
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x150");
    Type(123, "49");
    EXPECT_EQ(GetText(136), "0.00");
    EXPECT_EQ(GetText(139), "0.00");
    EXPECT_EQ(GetClipboardText(), "100m3/h-100x49");

    Pick(103, 0);  // side B is a result again
    EXPECT_TRUE(ReadOnly(123));
    EXPECT_EQ(Background(123), -1);
    EXPECT_EQ(GetText(123), "150");
}

TEST_F(AirTabTest, StoredRectangleInVelocityMode)
{
    state.domain.settings.CircRect = 1;
    state.domain.settings.AirCalcMode = 2;
    StartAir();
    EXPECT_EQ(GetState(102), 1);
    EXPECT_EQ(GetState(103), 2);
    EXPECT_EQ(GetText(126), "4.00");
    EXPECT_TRUE(AllVisible(RectangularOnly, true));
    EXPECT_EQ(RectangularResults(), QStringList({"100", "100", "100", "2.78", "1.35"}));
}

TEST_F(AirTabTest, DuctMaterialsAndTheirRoughness)
{
    StartAir();
    Pick(302, 2);  // "Fibair", 3 mm
    EXPECT_EQ(state.domain.settings.MatGaine, "Fibair");
    EXPECT_FLOAT_EQ(state.domain.settings.RugoGaine, 3.0f);
    EXPECT_EQ(GetText(104), "Fibair");
    EXPECT_EQ(GetText(303), "3.000");
    EXPECT_TRUE(ReadOnly(303));
    EXPECT_EQ(GetText(118), "140");

    Pick(302, 7);  // "Autre": the user's own value
    EXPECT_EQ(state.domain.settings.MatGaine, "Autre");
    EXPECT_FLOAT_EQ(state.domain.settings.RugoGaine, 3.0f);
    EXPECT_FALSE(ReadOnly(303));
    EXPECT_EQ(GetText(303), "0.001");
    EXPECT_EQ(GetText(104), "Autre");
    EXPECT_EQ(GetText(118), "120");
    Type(303, "5");
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 5.0f);
    EXPECT_EQ(GetText(118), "145");
    Type(303, "0,5");  // a decimal comma
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 0.5f);
    Type(303, "abc");
    EXPECT_EQ(state.domain.settings.AutreRugo, 0.0f);

    Pick(302, 0);
    EXPECT_EQ(GetText(303), "0.150");
    EXPECT_TRUE(ReadOnly(303));
    EXPECT_FLOAT_EQ(state.domain.settings.RugoGaine, 0.15f);
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    Pick(302, 7);
    EXPECT_EQ(GetText(303), "0.000");  // the value typed last
}

TEST_F(AirTabTest, ButtonOfTheMaterialOpensTheOptions)
{
    StartAir();
    User(104, SubtypeClick);
    EXPECT_EQ(GetState(0), 3);
}

TEST_F(AirTabTest, StoredAutreShowsTheStoredOwnRoughness)
{
    state.domain.settings.MatGaine = "Autre";
    state.domain.settings.AutreRugo = 5.0f;
    StartAir();
    EXPECT_EQ(GetText(302), "Autre");
    EXPECT_EQ(GetText(104), "Autre");
    EXPECT_FALSE(ReadOnly(303));
    EXPECT_EQ(GetText(303), "5.000");
    EXPECT_EQ(GetText(118), "145");
}

TEST_F(AirTabTest, UnknownStoredMaterialMakesTheLastOneCurrent)
{
    state.domain.settings.MatGaine = "Cuivre";
    StartAir();
    EXPECT_EQ(GetText(302), "Autre");
    EXPECT_EQ(GetText(104), "Autre");
    EXPECT_FALSE(ReadOnly(303));
    EXPECT_EQ(GetText(303), "0.001");
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
    EXPECT_EQ(GetText(302), "Autre");
    EXPECT_EQ(GetText(303), "0.000");
    EXPECT_EQ(GetText(118), "120");  // smooth duct
    Type(303, "5");
    EXPECT_EQ(GetText(118), "145");
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
        {107, "1000", "290"},
        {109, "60", "285"},
        {111, "0", "285"},
        {113, "3000", "270"},
    };
    for (const Input& i : inputs) {
        Type(i.control, i.text);
        EXPECT_EQ(GetText(118), i.theoretical) << i.control;
    }
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("1000m3/h-Ø315"));
}

TEST_F(AirTabTest, NoRunWhileASumIsTyped)
{
    StartAir();
    state.sumInProgress = true;
    Type(107, "1000");
    EXPECT_EQ(GetText(118), "125");
    state.sumInProgress = false;
    Type(109, "20");  // the other fields are not sum fields
    EXPECT_EQ(GetText(118), "290");
}

TEST_F(AirTabTest, ZeroFlowKeepsTheResults)
{
    StartAir();
    Type(107, "");
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
    Type(113, "1000");  // the air state is still recorded
    EXPECT_NEAR(state.domain.internalData.atmosphericPressure, 89874.6f, 0.05f);
}

TEST_F(AirTabTest, AltitudeBeyondTheAtmosphereShowsNotAvailable)
{
    StartAir();
    Type(113, "44331");
    EXPECT_EQ(CircularResults(), QStringList({"N/A", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("100m3/h-Ø125"));  // nothing copied
    Type(113, "10");
    EXPECT_EQ(CircularResults(), QStringList({"125", "125", "2.26", "0.70"}));
}

TEST_F(AirTabTest, CopyFollowsCheckBox307Only)
{
    StartAir();
    Pick(307, 0);
    SetClipboardText("avant");
    Type(107, "1000");
    EXPECT_EQ(GetClipboardText(), "avant");
    Pick(305, 0);
    Pick(307, 1);
    Type(308, "%c %p %v %w %n");
    Type(107, "100");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("Ø125 0.70Pa/m 2.26m/s %w %n"));
}

TEST_F(AirTabTest, TypedKeysRecalculateAndDigitsOnlyFieldsRefuseOthers)
{
    StartAir();
    QWidget* flow = ControlWidget(107);
    ASSERT_TRUE(flow);
    SetText(107, "");
    QTest::keyClicks(flow, "1000");
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(118), "290");
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("1000m3/h-Ø315"));
    for (int control : {107, 109, 111, 113}) {
        const QString before = GetText(control);
        QTest::keyClicks(ControlWidget(control), "-.,a e");
        DeliverQueuedEvents();
        EXPECT_EQ(GetText(control), before) << control;
    }
    Pick(102, 1);
    Pick(103, 1);
    for (int control : {120, 123}) {
        SetText(control, "");
        QTest::keyClicks(ControlWidget(control), "1-5.0x");
        DeliverQueuedEvents();
        EXPECT_EQ(GetText(control), "150") << control;
    }
    EXPECT_EQ(GetText(131), "150");
    EXPECT_EQ(GetText(134), "150");
    EXPECT_EQ(GetText(136), "12.35");  // 1000 m3/h
}

// Field 303 keeps a typed value on a change and sizes again on any event; the
// air inputs react to changes only.
TEST_F(AirTabTest, RoutesReactToTheirSubtypes)
{
    StartAir();
    SetText(107, "1000");
    for (int control : {107, 109, 111, 113, 116, 120, 123})
        User(control, SubtypeFocusGained);
    EXPECT_EQ(GetText(118), "125");
    SetText(303, "7");
    User(303, SubtypeFocusGained);
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 0.001f);
    EXPECT_EQ(GetText(118), "290");
    User(303, SubtypeChange);
    EXPECT_FLOAT_EQ(state.domain.settings.AutreRugo, 7.0f);
}

// A stored mode index that list 103 does not hold leaves it without a
// selection; the tab then works as for an imposed size.
TEST_F(AirTabTest, StoredModeOutOfTheList)
{
    state.domain.settings.AirCalcMode = 5;
    StartAir();
    EXPECT_EQ(GetState(103), -1);
    EXPECT_FALSE(IsEnabled(124));
    EXPECT_EQ(GetText(126), "N/A");
    EXPECT_TRUE(AllVisible({115, 116}, true));
    EXPECT_EQ(GetText(136), "2.26");
    EXPECT_EQ(GetText(139), "0.70");
}

}  // namespace
