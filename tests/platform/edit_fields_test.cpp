#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QToolTip>

#include "platform_fixture.h"

using EditFieldTest = PlatformTest;

TEST_F(EditFieldTest, TypingRaisesChangeEventsAndProgramWritesNone)
{
    QWidget* edit = Create(1000, ControlKind::Edit, QStringLiteral("7"));
    Type(edit, QStringLiteral("12"));
    EXPECT_EQ(GetText(1000), QStringLiteral("712"));
    const Event change = ControlEvent(1000, SubtypeChange);
    EXPECT_EQ(Events(), (std::vector<Event>{change, change}));

    SetText(1000, QStringLiteral("100"));
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(GetText(1000), QStringLiteral("100"));
}

TEST_F(EditFieldTest, DigitsOnlyFieldRefusesEveryOtherTypedCharacter)
{
    struct Case {
        const char* programText;
        QString typed;
        const char* expected;
    };
    const Case cases[] = {
        {"", QStringLiteral("0123456789"), "0123456789"},
        {"", QStringLiteral("a"), ""},
        {"", QStringLiteral("."), ""},
        {"", QStringLiteral("-"), ""},
        {"", QStringLiteral("+"), ""},
        {"", QStringLiteral(" "), ""},
        {"", QString::fromUtf8("\u0663"), ""},  // Arabic-Indic three
        {"", QString::fromUtf8("\uFF15"), ""},  // full-width five
        {"1", QStringLiteral("2.5e-3"), "1253"},
        // The program writes what it likes; the user still adds digits only and
        // may delete what the program wrote.
        {"N/A", QStringLiteral("5"), "N/A5"},
        {"N/A", QStringLiteral("x/A"), "N/A"},
        {"Infini", QStringLiteral("\b\b7"), "Infi7"},
        {"-5", QStringLiteral("\b\b-"), ""},
    };
    QWidget* edit = Create(1000, ControlKind::Edit, QString(), {10, 10, 120, 20}, StyleDigitsOnly);
    for (const Case& c : cases) {
        SetText(1000, QString::fromUtf8(c.programText));
        EXPECT_EQ(GetText(1000), QString::fromUtf8(c.programText));
        Events();
        for (QChar key : c.typed) {
            if (key == u'\b')
                QTest::keyClick(edit, Qt::Key_Backspace);
            else
                Type(edit, QString(key));
        }
        EXPECT_EQ(GetText(1000), QString::fromUtf8(c.expected)) << c.programText << " + " << c.typed.toStdString();
    }
}

TEST_F(EditFieldTest, RefusedKeysRaiseNoEvent)
{
    QWidget* edit = Create(1000, ControlKind::Edit, QString(), {10, 10, 120, 20}, StyleDigitsOnly);
    Type(edit, QStringLiteral("a.-"));
    EXPECT_TRUE(Events().empty());
}

// What the user types or pastes into a digits-only field of a given capacity;
// a refusal leaves the text, beeps and says why at the field.
TEST_F(EditFieldTest, DigitsFieldRefusesVisiblyAndKeepsToItsCapacity)
{
    struct Case {
        int capacity;             // digits; 0: none
        const char* programText;  // written first
        bool paste;               // else typed key by key ("\b" is Backspace)
        const char* input;
        const char* expected;
        const char* said;  // tooltip; nullptr: no refusal
    };
    const QString blanks = QString::fromUtf8("1\u00A0500\u202F000");  // no-break and narrow no-break spaces
    // clang-format off
    const Case cases[] = {
        {0, "12", false, "5,", "125", "Nombre entier seulement"},
        {0, "12", false, " ", "12", "Nombre entier seulement"},
        {0, "12", true, "3,5", "12", "Nombre entier seulement"},
        {0, "", true, "1 500", "1500", nullptr},
        {0, "", true, nullptr, "1500000", nullptr},
        {9, "", false, "1234567890", "123456789", "9 chiffres au plus"},
        {9, "", true, "12345678901234", "", "9 chiffres au plus"},
        {9, "12", true, "12 345 678", "12", "9 chiffres au plus"},
        {9, "100+", false, "123456789", "100+123456789", nullptr},
        {9, "1234567890", false, "\b", "123456789", nullptr},
        {2, "", false, "123", "12", "2 chiffres au plus"},
    };
    // clang-format on
    auto* edit =
        static_cast<QLineEdit*>(Create(1000, ControlKind::Edit, QString(), {10, 10, 120, 20}, StyleDigitsOnly));
    edit->setFocus();
    for (const Case& c : cases) {
        const QString input = c.input ? QString::fromUtf8(c.input) : blanks;
        SetMaxLength(1000, c.capacity);
        SetText(1000, QString::fromUtf8(c.programText));
        EXPECT_EQ(GetText(1000), QString::fromUtf8(c.programText));  // the program's texts are never cut
        edit->end(false);
        QToolTip::showText(edit->mapToGlobal(QPoint()), QStringLiteral("-"), edit);  // replaced by a refusal
        Events();
        if (c.paste) {
            QGuiApplication::clipboard()->setText(input);
            QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        } else {
            for (QChar key : input) {
                if (key == u'\b')
                    QTest::keyClick(edit, Qt::Key_Backspace);
                else
                    Type(edit, QString(key));
            }
        }
        const QString what = QString::number(c.capacity) + " " + c.programText + " + " + input;
        EXPECT_EQ(GetText(1000).toStdString(), c.expected) << what.toStdString();
        EXPECT_EQ(Events().empty(), GetText(1000) == QString::fromUtf8(c.programText)) << what.toStdString();
        EXPECT_TRUE(QToolTip::isVisible());
        EXPECT_EQ(QToolTip::text().toStdString(), c.said ? c.said : "-") << what.toStdString();
    }
    QToolTip::hideText();
}

TEST_F(EditFieldTest, ReadOnlyFieldTakesNoTypingAndLooksLikeTheWindow)
{
    QWidget* edit = Create(1000, ControlKind::Edit, QStringLiteral("15"), {10, 10, 60, 20}, StyleReadOnly);
    QWidget* normal = Create(1001, ControlKind::Edit, QStringLiteral("15"), {10, 40, 60, 20});
    Type(edit, QStringLiteral("3"));
    EXPECT_EQ(GetText(1000), QStringLiteral("15"));
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(edit->palette().color(QPalette::Base), edit->palette().color(QPalette::Window));
    EXPECT_NE(normal->palette().color(QPalette::Base), normal->palette().color(QPalette::Window));
    SetReadOnly(1000, false);
    Type(edit, QStringLiteral("3"));
    EXPECT_EQ(GetText(1000), QStringLiteral("153"));
    EXPECT_EQ(edit->palette().color(QPalette::Base), normal->palette().color(QPalette::Base));
}

TEST_F(EditFieldTest, AlignmentStyles)
{
    const std::pair<unsigned, Qt::Alignment> cases[] = {
        {StyleAlignLeft, Qt::AlignLeft}, {StyleAlignCentre, Qt::AlignHCenter}, {StyleAlignRight, Qt::AlignRight}};
    int control = 1000;
    for (auto [style, alignment] : cases) {
        auto* edit = static_cast<QLineEdit*>(Create(control++, ControlKind::Edit, QString(), {10, 10, 60, 20}, style));
        EXPECT_EQ(edit->alignment() & Qt::AlignHorizontal_Mask, alignment);
    }
}

TEST_F(EditFieldTest, FocusMovesAreReportedForFieldsAndComboBoxes)
{
    QWidget* first = Create(1000, ControlKind::Edit, QString(), {10, 10, 60, 20});
    QWidget* combo = Create(1001, ControlKind::Combo, QString(), {10, 40, 60, 20});
    QWidget* button = Create(1002, ControlKind::Button, QStringLiteral("OK"), {10, 70, 60, 20});
    QTest::mouseClick(first, Qt::LeftButton);
    EXPECT_TRUE(HasFocus(1000));
    QTest::mouseClick(static_cast<QComboBox*>(combo)->lineEdit(), Qt::LeftButton);
    EXPECT_TRUE(HasFocus(1001));
    QTest::keyClick(combo, Qt::Key_Tab);  // to the button: no event of its own
    EXPECT_TRUE(button->hasFocus());
    EXPECT_EQ(Events(),
              (std::vector<Event>{ControlEvent(1000, SubtypeFocusGained), ControlEvent(1000, SubtypeFocusLost),
                                  ControlEvent(1001, SubtypeFocusGained), ControlEvent(1001, SubtypeFocusLost)}));
    SetFocus(1000);
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeFocusGained)});
}

TEST_F(EditFieldTest, SelectAllTextSelectsTheFieldOrTheComboEditPart)
{
    auto* edit = static_cast<QLineEdit*>(Create(1000, ControlKind::Edit, QStringLiteral("1234")));
    auto* combo = static_cast<QComboBox*>(Create(1001, ControlKind::Combo, QStringLiteral("90"), {10, 40, 60, 20}));
    SelectAllText(1000);
    SelectAllText(1001);
    EXPECT_EQ(edit->selectedText(), QStringLiteral("1234"));
    EXPECT_EQ(combo->lineEdit()->selectedText(), QStringLiteral("90"));
}

TEST_F(EditFieldTest, ComboKeepsTypedTextOutOfItsList)
{
    auto* combo = static_cast<QComboBox*>(Create(1000, ControlKind::Combo, QString(), {10, 10, 60, 21}));
    for (const char* item : {"90", "80", "70"})
        AddItem(1000, QString::fromLatin1(item));
    EXPECT_EQ(GetText(1000), QString());  // adding items selects none
    EXPECT_EQ(GetState(1000), -1);
    QTest::mouseClick(combo->lineEdit(), Qt::LeftButton);
    Events();
    Type(combo, QStringLiteral("45"));
    QTest::keyClick(combo, Qt::Key_Return);
    EXPECT_EQ(CountItems(1000), 3);
    EXPECT_EQ(GetText(1000), QStringLiteral("45"));
    const std::vector<Event> events = Events();
    ASSERT_GE(events.size(), 2u);
    EXPECT_EQ(events[0], ControlEvent(1000, SubtypeChange));
    EXPECT_EQ(events[1], ControlEvent(1000, SubtypeChange));

    // Typing "7" must not be completed to "70".
    SetText(1000, QString());
    Type(combo, QStringLiteral("7"));
    EXPECT_EQ(GetText(1000), QStringLiteral("7"));

    SetState(1000, 1);
    EXPECT_EQ(GetText(1000), QStringLiteral("80"));
    SetText(1000, QStringLiteral("55"));
    EXPECT_EQ(GetText(1000), QStringLiteral("55"));
    Events();
    ClearItems(1000);
    EXPECT_EQ(CountItems(1000), 0);
    EXPECT_TRUE(Events().empty());
}

TEST_F(EditFieldTest, DropDownReportsTheUsersPickOnly)
{
    QWidget* list = Create(1000, ControlKind::DropDown, QString(), {10, 10, 100, 20});
    for (const char* item : {"Acier", "Cuivre", "PER"})
        AddItem(1000, QString::fromLatin1(item));
    EXPECT_EQ(GetState(1000), -1);
    EXPECT_EQ(GetText(1000), QString());
    SetState(1000, 0);
    SetText(1000, QStringLiteral("PER"));  // selects by text
    EXPECT_EQ(GetState(1000), 2);
    SetText(1000, QStringLiteral("per"));
    EXPECT_EQ(GetState(1000), -1);
    EXPECT_TRUE(Events().empty());

    SetState(1000, 0);
    list->setFocus();
    Events();
    QTest::keyClick(list, Qt::Key_Down);
    EXPECT_EQ(GetState(1000), 1);
    EXPECT_EQ(GetText(1000), QStringLiteral("Cuivre"));
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeChange)});
    EXPECT_EQ(GetItemText(1000, 2), QStringLiteral("PER"));
    EXPECT_EQ(GetItemText(1000, 3), QString());
}
