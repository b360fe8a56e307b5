#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include "platform_fixture.h"

using MenuTest = PlatformTest;

TEST_F(MenuTest, MenuItemsPostTheirNumbersFromOneMenuPerTitle)
{
    AddMenuItem(Window, QStringLiteral("Fichier"), QStringLiteral("Nouveau"), 0);
    AddMenuItem(Window, QStringLiteral("Fichier"), QStringLiteral("Enregistrer sous..."), 1);
    AddMenuItem(Window, QStringLiteral("Fichier"), QStringLiteral("Aide (F1)"), 2);
    auto* bar = window.handle->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->actions().size(), 1);
    QMenu* menu = bar->actions().first()->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->title(), QStringLiteral("Fichier"));
    ASSERT_EQ(menu->actions().size(), 3);
    EXPECT_EQ(menu->actions()[1]->text(), QStringLiteral("Enregistrer sous..."));
    menu->actions()[1]->trigger();
    menu->actions()[2]->trigger();
    EXPECT_EQ(Events(),
              (std::vector<Event>{WindowEvent(EventKind::Menu, Window, 1), WindowEvent(EventKind::Menu, Window, 2)}));
}

TEST_F(MenuTest, ShortcutsPostMenuEventsUntilRemoved)
{
    QWidget* button = Create(1000, ControlKind::Button, QStringLiteral("OK"));
    button->setFocus();
    AddShortcut(Window, QStringLiteral("F1"), 7);
    AddShortcut(Window, QStringLiteral("Shift+F12"), 8);
    QTest::keyClick(button, Qt::Key_F1);
    QTest::keyClick(button, Qt::Key_F12, Qt::ShiftModifier);
    QTest::keyClick(button, Qt::Key_F12);  // not a shortcut
    EXPECT_EQ(Events(),
              (std::vector<Event>{WindowEvent(EventKind::Menu, Window, 7), WindowEvent(EventKind::Menu, Window, 8)}));
    RemoveShortcut(Window, 7);
    QTest::keyClick(button, Qt::Key_F1);
    QTest::keyClick(button, Qt::Key_F12, Qt::ShiftModifier);
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Menu, Window, 8)});
}

TEST_F(MenuTest, ShortcutsWinOverTheKeysOfAFocusedField)
{
    QWidget* edit = Create(1000, ControlKind::Edit, QStringLiteral("100"), {10, 10, 70, 20}, StyleDigitsOnly);
    QTest::mouseClick(edit, Qt::LeftButton);
    struct Key {
        const char* sequence;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int item;
    };
    const Key keys[] = {
        {"Esc", Qt::Key_Escape, Qt::NoModifier, 0}, {"Return", Qt::Key_Return, Qt::NoModifier, 1},
        {"C", Qt::Key_C, Qt::NoModifier, 2},        {"+", Qt::Key_Plus, Qt::KeypadModifier, 3},  // numeric pad
        {"-", Qt::Key_Minus, Qt::NoModifier, 6},
    };
    for (const Key& k : keys)
        AddShortcut(Window, QString::fromLatin1(k.sequence), k.item);
    Events();
    for (const Key& k : keys) {
        QTest::keyClick(edit, k.key, k.modifiers);
        EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Menu, Window, k.item)}) << k.sequence;
    }
    EXPECT_EQ(GetText(1000), QStringLiteral("100"));
    EXPECT_TRUE(HasFocus(1000));

    for (const Key& k : keys)
        RemoveShortcut(Window, k.item);
    QTest::keyClick(edit, Qt::Key_Plus, Qt::KeypadModifier);
    QTest::keyClick(edit, Qt::Key_5);
    EXPECT_EQ(GetText(1000), QStringLiteral("1005"));
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeChange)});
}

TEST_F(MenuTest, ShortcutsBelongToTheirWindow)
{
    WindowDescriptor other;
    other.number = 2;
    other.flags = WindowCaption;
    other.x = 500;
    ASSERT_TRUE(OpenWindow(other, 100, 100));
    ASSERT_TRUE(QTest::qWaitForWindowActive(other.handle));
    ASSERT_TRUE(CreateControl(2, 1000, ControlKind::Button, QStringLiteral("x"), {0, 0, 50, 20}));
    ControlWidget(1000)->setFocus();
    AddShortcut(Window, QStringLiteral("F1"), 7);
    QTest::keyClick(ControlWidget(1000), Qt::Key_F1);
    EXPECT_EQ(Events(), std::vector<Event>{});
    AddShortcut(2, QStringLiteral("F1"), 9);
    QTest::keyClick(ControlWidget(1000), Qt::Key_F1);
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Menu, 2, 9)});
    CloseWindow(other);
}
