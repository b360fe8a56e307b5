#include <vector>

#include "info_fixture.h"
#include "tabs/sum_entry.h"

namespace {

class SumEntryTest : public InfoTest {
protected:
    QLineEdit* Edit(int control) { return qobject_cast<QLineEdit*>(ControlWidget(control)); }
};

TEST_F(SumEntryTest, ClearTypeAddAndEnterGiveTheTotalAndTheWaterResult)
{
    StartActive();
    const QStringList first = Results();
    FocusOn(FlowField);
    EXPECT_EQ(Background(FlowField), 0x73F1C1);

    Press(Qt::Key_C);
    EXPECT_EQ(GetText(FlowField), "");
    EXPECT_EQ(Background(FlowField), SumInProgressColour);
    EXPECT_TRUE(state.sumInProgress);

    TypeKeys("100");
    Press(Qt::Key_Plus, Qt::ShiftModifier);
    EXPECT_EQ(GetText(FlowField), "100+");
    EXPECT_EQ(Edit(FlowField)->cursorPosition(), 4);
    TypeKeys("250");
    EXPECT_EQ(GetText(FlowField), "100+250");
    EXPECT_EQ(GetText(PowerField), "2317");  // no run while the sum is typed
    EXPECT_EQ(Results(), first);

    Press(Qt::Key_Return);
    EXPECT_EQ(GetText(FlowField), "350");
    EXPECT_FALSE(state.sumInProgress);
    EXPECT_EQ(Background(FlowField), AirInputColour);
    EXPECT_EQ(Edit(FlowField)->selectedText(), "350");
    EXPECT_EQ(GetText(PowerField), "8111");  // 20 K x 350 / 0.863 = 8111.24
    EXPECT_NE(Results(), first);
    EXPECT_TRUE(GetClipboardText().startsWith("350L/h-Cu.")) << GetClipboardText().toStdString();
    EXPECT_TRUE(messages.empty());

    // The selected total gives way to what is typed next, which runs again.
    TypeKeys("500");
    EXPECT_EQ(GetText(FlowField), "500");
    EXPECT_EQ(GetText(PowerField), "11587");  // 20 K x 500 / 0.863 = 11587.49
}

TEST_F(SumEntryTest, EveryPlusAndMinusKeyAndBothEnterKeys)
{
    StartActive();
    FocusOn(PowerField);
    struct Key {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
    };
    const Key padPlus{Qt::Key_Plus, Qt::KeypadModifier}, padMinus{Qt::Key_Minus, Qt::KeypadModifier};
    const Key shiftPlus{Qt::Key_Plus, Qt::ShiftModifier}, minus{Qt::Key_Minus, Qt::NoModifier};
    const Key plus{Qt::Key_Plus, Qt::NoModifier};  // how an X keyboard reports both plus keys
    const Key enter{Qt::Key_Return, Qt::NoModifier}, padEnter{Qt::Key_Enter, Qt::KeypadModifier};
    const struct {
        std::vector<Key> operators;  // after each of them the next term
        const char* expression;
        Key evaluate;
        const char* total;
    } cases[] = {
        {{padPlus, padMinus}, "1000+600-100", enter, "1500"},
        {{shiftPlus, minus}, "1000+600-100", padEnter, "1500"},
        {{minus, padPlus}, "1000-600+100", enter, "500"},
        {{plus, minus}, "1000+600-100", enter, "1500"},
    };
    for (const auto& c : cases) {
        Press(Qt::Key_C);
        TypeKeys("1000");
        const char* terms[] = {"600", "100"};
        for (size_t i = 0; i < c.operators.size(); ++i) {
            Press(c.operators[i].key, c.operators[i].modifiers);
            TypeKeys(terms[i]);
        }
        EXPECT_EQ(GetText(PowerField), c.expression);
        Press(c.evaluate.key, c.evaluate.modifiers);
        EXPECT_EQ(GetText(PowerField), c.total) << c.expression;
        EXPECT_FALSE(state.sumInProgress) << c.expression;
    }
}

TEST_F(SumEntryTest, AnOperatorOnAnEmptyFieldDoesNothing)
{
    StartActive();
    FocusOn(FlowField);
    SetText(FlowField, "");
    Press(Qt::Key_Plus, Qt::ShiftModifier);
    Press(Qt::Key_Minus);
    EXPECT_EQ(GetText(FlowField), "");
    EXPECT_FALSE(state.sumInProgress);
    EXPECT_EQ(Background(FlowField), 0x73F1C1);
}

TEST_F(SumEntryTest, EnterOnAnEmptyFieldWritesZero)
{
    StartActive();
    FocusOn(FlowField);
    Press(Qt::Key_C);
    Press(Qt::Key_Return);
    EXPECT_EQ(GetText(FlowField), "0");
    EXPECT_FALSE(state.sumInProgress);
    EXPECT_EQ(Background(FlowField), AirInputColour);
    EXPECT_EQ(GetText(PowerField), "2317");  // no flow: the run ends before writing anything
}

TEST_F(SumEntryTest, RefusedTotalsLeaveTheExpressionToCorrect)
{
    StartActive();
    FocusOn(FlowField);
    // A term holds 9 digits at most: three of them go beyond a 32-bit total.
    const struct {
        const char* first;
        Qt::Key sign;
        std::vector<const char*> more;
        const char* message;
    } cases[] = {
        {"100", Qt::Key_Minus, {"250"}, "Le total ne peut pas être négatif !"},
        {"999999999", Qt::Key_Plus, {"999999999", "999999999"}, "Le total est trop grand !"},
    };
    for (const auto& c : cases) {
        messages.clear();
        Press(Qt::Key_C);
        TypeKeys(c.first);
        for (const char* term : c.more) {
            Press(c.sign, c.sign == Qt::Key_Plus ? Qt::ShiftModifier : Qt::NoModifier);
            TypeKeys(term);
        }
        const QString expression = GetText(FlowField);
        Press(Qt::Key_Return);
        ASSERT_EQ(messages.size(), 1u) << c.message;
        EXPECT_EQ(messages[0].title, QStringLiteral("Vorquil III"));
        EXPECT_EQ(messages[0].text, QString::fromUtf8(c.message));
        EXPECT_EQ(GetText(FlowField), expression);
        EXPECT_TRUE(state.sumInProgress);
        EXPECT_EQ(Background(FlowField), SumInProgressColour);
        EXPECT_EQ(GetText(PowerField), "2317");
    }
    // Corrected, it goes through: 999999999 x 2 + 99999999.
    Press(Qt::Key_Backspace);
    Press(Qt::Key_Return);
    EXPECT_EQ(GetText(FlowField), "2099999997");
    EXPECT_FALSE(state.sumInProgress);
}

TEST_F(SumEntryTest, KeysLiveOnlyWhileASumFieldHasTheFocus)
{
    StartActive();
    EXPECT_TRUE(SumKeyItems().empty());
    FocusOn(FlowField);
    EXPECT_EQ(SumKeyItems(), (std::vector<int>{0, 1, 1, 2, 3, 4, 5, 5, 6}));
    FocusOn(PowerField);  // focus moved straight from one sum field to the other
    EXPECT_EQ(SumKeyItems(), (std::vector<int>{0, 1, 1, 2, 3, 4, 5, 5, 6}));
    Press(Qt::Key_C);
    EXPECT_EQ(GetText(PowerField), "");
    Press(Qt::Key_Escape);
    EXPECT_EQ(GetText(PowerField), "");
    TypeKeys("4000");
    Press(Qt::Key_Return);
    EXPECT_EQ(GetText(PowerField), "4000");

    FocusOn(FlowTemperatureCombo);
    EXPECT_TRUE(SumKeyItems().empty());
    const QString temperature = GetText(FlowTemperatureCombo);
    Press(Qt::Key_C);
    Press(Qt::Key_Plus, Qt::ShiftModifier);
    Press(Qt::Key_Return);
    EXPECT_FALSE(state.sumInProgress);
    EXPECT_EQ(GetText(PowerField), "4000");
    EXPECT_EQ(Background(PowerField), AirInputColour);
    // F1, Shift+F12 and Ctrl+R stay.
    const PlatformWindow* main = FindPlatformWindow(MainWindow);
    ASSERT_TRUE(main);
    EXPECT_EQ(main->shortcuts.size(), 3u);

    ShowTab(1);
    FocusOn(AirFlowField);
    EXPECT_EQ(SumKeyItems().size(), 9u);
    Press(Qt::Key_C);
    EXPECT_EQ(GetText(AirFlowField), "");
    EXPECT_TRUE(state.sumInProgress);
    EXPECT_EQ(Background(AirFlowField), SumInProgressColour);
    TypeKeys("1200");
    Press(Qt::Key_Plus, Qt::KeypadModifier);
    TypeKeys("800");
    EXPECT_EQ(GetText(DuctDiameterField), "125");  // not sized while typed
    Press(Qt::Key_Return);
    EXPECT_EQ(GetText(AirFlowField), "2000");
    EXPECT_EQ(Background(AirFlowField), AirInputColour);
    EXPECT_FALSE(state.sumInProgress);
    EXPECT_NE(GetText(DuctDiameterField), "125");  // the air run took the total
    EXPECT_TRUE(GetClipboardText().startsWith("2000m3/h-")) << GetClipboardText().toStdString();
}

TEST_F(SumEntryTest, EnterWithoutASumChangesNoColour)
{
    StartActive();
    for (int field : {FlowField, PowerField}) {
        FocusOn(field);
        Press(Qt::Key_Return);
        EXPECT_EQ(Background(field), WaterInputColour) << field;
    }
}

TEST_F(SumEntryTest, FocusOnAnotherFieldEndsAPendingSum)
{
    StartActive();
    const struct {
        int field, tab;  // where the sum is typed and refused
        int elsewhere, elsewhereTab;
        int colour;  // of the field once the sum has ended
    } cases[] = {
        {FlowField, 0, FlowTemperatureCombo, 0, WaterInputColour},
        {PowerField, 0, FlowField, 0, DefaultColour},  // the flow drives again
        {FlowField, 0, AirFlowField, 1, WaterInputColour},
        {AirFlowField, 1, AirTemperatureField, 1, AirInputColour},
    };
    for (const auto& c : cases) {
        ShowTab(c.tab);
        FocusOn(c.field);
        const QString before = GetText(c.field);
        Press(Qt::Key_C);
        TypeKeys("100");
        Press(Qt::Key_Minus);
        TypeKeys("250");
        Press(Qt::Key_Return);  // refused: negative
        ShowTab(c.elsewhereTab);
        FocusOn(c.elsewhere);
        EXPECT_FALSE(state.sumInProgress) << c.field << " " << c.elsewhere;
        EXPECT_EQ(GetText(c.field), before) << c.field << " " << c.elsewhere;
        EXPECT_EQ(Background(c.field), c.colour) << c.field << " " << c.elsewhere;
    }
    EXPECT_EQ(messages.size(), 4u);
    ShowTab(0);
    FocusOn(FlowField);
    TypeKeys("250");
    EXPECT_EQ(GetText(PowerField), "5794");  // sized again: 20 K x 250 / 0.863
}

TEST_F(SumEntryTest, ASumTypedInThePowerFieldDrivesTheRun)
{
    StartActive();
    FocusOn(PowerField);
    // The total typed in the power field drives the run; it is not overwritten.
    Press(Qt::Key_C);
    TypeKeys("3000");
    Press(Qt::Key_Minus);
    TypeKeys("683");
    Press(Qt::Key_Return);
    EXPECT_EQ(GetText(PowerField), "2317");
    EXPECT_EQ(state.entryMode, EntryMode::PowerEntered);
    EXPECT_EQ(Background(PowerField), AirInputColour);
    EXPECT_EQ(Background(FlowField), -1);
    EXPECT_EQ(GetText(FlowField), "100");  // 2317 W x 0.863 / 20 K = 99.98
    EXPECT_FALSE(state.sumInProgress);
}

}  // namespace
