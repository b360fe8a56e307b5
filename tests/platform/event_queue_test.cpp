#include <QTimer>

#include "platform_fixture.h"

using EventQueueTest = PlatformTest;

TEST_F(EventQueueTest, PostedEventsComeOutInOrderAndCanBeDropped)
{
    const Event first = WindowEvent(EventKind::Menu, Window, 7);
    const Event second = ControlEvent(12, SubtypeChange, -1, 0);
    PostWindowEvent(first);
    PostWindowEvent(second);
    EXPECT_EQ(WaitWindowEvent(), first);
    Event taken;
    ASSERT_TRUE(PollWindowEvent(taken));
    EXPECT_EQ(taken, second);
    EXPECT_FALSE(PollWindowEvent(taken));
    EXPECT_EQ(taken.kind, EventKind::None);

    PostWindowEvent(first);
    ClearWindowEvents();
    EXPECT_FALSE(PollWindowEvent(taken));
}

TEST_F(EventQueueTest, WaitBlocksUntilTheUserActs)
{
    QWidget* button = Create(1000, ControlKind::Button, QStringLiteral("OK"));
    QTimer::singleShot(20, button, [button] { QTest::mouseClick(button, Qt::LeftButton); });
    EXPECT_EQ(WaitWindowEvent(), ControlEvent(1000, SubtypeClick));
}

TEST_F(EventQueueTest, PauseLetsTheWindowSystemRunAndQueuesWhatTheUserDoes)
{
    QWidget* button = Create(1000, ControlKind::Button, QStringLiteral("OK"));
    bool ran = false;
    QTimer::singleShot(5, button, [&] {
        ran = true;
        QTest::mouseClick(button, Qt::LeftButton);
    });
    PauseMs(100);
    EXPECT_TRUE(ran);
    Event taken;
    ASSERT_TRUE(PollWindowEvent(taken));
    EXPECT_EQ(taken, ControlEvent(1000, SubtypeClick));
}
