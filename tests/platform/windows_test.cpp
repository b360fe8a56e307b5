#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include "platform/controls.h"
#include "platform_fixture.h"

using WindowTest = PlatformTest;

TEST_F(WindowTest, OpensAtItsPositionWithTheExactFixedClientSize)
{
    QWidget* frame = WindowHandle(Window);
    ASSERT_EQ(frame, window.handle);
    EXPECT_TRUE(IsWindowOpen(Window));
    EXPECT_EQ(frame->geometry(), QRect(40, 30, 400, 300));
    EXPECT_EQ(frame->minimumSize(), frame->maximumSize());  // not resizable
    EXPECT_EQ(frame->windowTitle(), QStringLiteral("Essai"));
    int x = -1, y = -1;
    GetWindowPosition(Window, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(40, 30));
    EXPECT_TRUE(Events().empty());
}

TEST_F(WindowTest, FlagsBecomeWindowHints)
{
    WindowDescriptor tool;
    tool.number = 2;
    tool.flags = WindowCaption | WindowSystemMenu | WindowToolWindow | WindowKeepOnTop;
    ASSERT_TRUE(OpenWindow(tool, 100, 80));
    const Qt::WindowFlags flags = tool.handle->windowFlags();
    EXPECT_EQ(flags & Qt::WindowType_Mask, Qt::Tool);
    EXPECT_TRUE(flags & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    CloseWindow(tool);
    EXPECT_EQ(tool.handle, nullptr);
    EXPECT_FALSE(IsWindowOpen(2));
}

TEST_F(WindowTest, CentredOverTheActiveWindowWithEdgesClampedToZero)
{
    struct Case {
        QRect active;
        QSize size;
        QPoint expected;  // 0 where an edge is clamped
    };
    const Case cases[] = {
        {{100, 100, 400, 300}, {200, 100}, {200, 200}},
        {{0, 0, 100, 100}, {300, 250}, {0, 0}},      // both edges clamped
        {{10, 500, 100, 100}, {300, 50}, {0, 525}},  // left edge only
        {{300, 5, 200, 60}, {100, 200}, {350, 0}},   // top edge only
    };
    for (const Case& c : cases) {
        SetWindowClientSize(Window, c.active.width(), c.active.height());
        SetWindowPosition(Window, c.active.x(), c.active.y());
        ActivateWindow(Window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.handle));
        WindowDescriptor centred;
        centred.number = 2;
        centred.x = 777;  // ignored when centred
        centred.flags = WindowCaption | WindowCentred;
        ASSERT_TRUE(OpenWindow(centred, c.size.width(), c.size.height()));
        int x = -1, y = -1;
        GetWindowPosition(2, x, y);
        // At a clamped edge the window system may also keep the frame on the screen.
        const QPoint frame = centred.handle->geometry().topLeft() - centred.handle->frameGeometry().topLeft();
        const auto near = [](int actual, int expected, int margin) {
            return expected > 0 ? actual == expected : actual >= 0 && actual <= margin;
        };
        EXPECT_TRUE(near(x, c.expected.x(), frame.x()) && near(y, c.expected.y(), frame.y()))
            << "over " << c.active.x() << "," << c.active.y() << ": at " << x << "," << y;
        EXPECT_EQ(centred.handle->size(), c.size);
        CloseWindow(centred);
    }
}

TEST(WindowPlacement, OffScreenPositionsMoveTheLeastOntoTheNearestScreen)
{
    const std::vector<QRect> one = {{0, 0, 1280, 1024}};
    const std::vector<QRect> two = {{0, 0, 1280, 1024}, {1280, 0, 1920, 1080}};
    struct Case {
        std::vector<QRect> screens;
        QRect window;
        QPoint expected;
    };
    const Case cases[] = {
        {one, {100, 100, 457, 432}, {100, 100}},  // on the screen: kept
        {one, {0, 0, 457, 432}, {0, 0}},
        {one, {823, 592, 457, 432}, {823, 592}},   // touching the far corner
        {one, {5000, 100, 457, 432}, {823, 100}},  // wholly off to the right
        {one, {-300, -50, 457, 432}, {0, 0}},
        {one, {100, 900, 457, 432}, {100, 592}},     // partly below
        {one, {50, 50, 1500, 1100}, {0, 0}},         // larger than the screen: its top left corner shows
        {two, {1100, 100, 457, 432}, {1100, 100}},   // across both screens, wholly on them: kept
        {two, {4000, 500, 457, 432}, {2743, 500}},   // beyond the second screen
        {two, {100, 1000, 457, 432}, {100, 592}},    // below the first, far from the second
        {two, {1250, 1000, 457, 432}, {1280, 648}},  // below both: the second is nearer
        {{}, {5000, 5000, 457, 432}, {5000, 5000}},  // no screen known: kept
    };
    for (const Case& c : cases)
        EXPECT_EQ(PositionOnScreen(c.window, c.screens), c.expected) << c.window.x() << "," << c.window.y();
}

TEST_F(WindowTest, StoredPositionOffEveryScreenOpensOnTheScreen)
{
    WindowDescriptor far;
    far.number = 2;
    far.x = 2147483000;
    far.y = -5000;
    ASSERT_TRUE(OpenWindow(far, 200, 100));
    const QRect screen = far.handle->screen()->geometry();
    EXPECT_TRUE(screen.contains(far.handle->geometry())) << far.handle->geometry().x();
    CloseWindow(far);
}

TEST_F(WindowTest, CloseBoxAsksTheProgramWhichClosesTheWindowItself)
{
    Create(1000, ControlKind::Label, QStringLiteral("x"));
    window.handle->close();  // close box, Alt+F4
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Close)});
    EXPECT_TRUE(IsWindowOpen(Window));
    EXPECT_TRUE(window.handle->isVisible());

    CloseWindow(window);
    EXPECT_FALSE(IsWindowOpen(Window));
    EXPECT_EQ(window.handle, nullptr);
    EXPECT_EQ(WindowHandle(Window), nullptr);
    EXPECT_FALSE(ControlExists(1000));
    // The number is free again, with its controls.
    ASSERT_TRUE(OpenWindow(window, 400, 300));
    EXPECT_TRUE(CreateControl(Window, 1000, ControlKind::Label, QString(), {0, 0, 10, 10}));
}

TEST_F(WindowTest, DisabledWindowTakesNoCloseRequest)
{
    SetWindowEnabled(Window, false);
    EXPECT_FALSE(IsWindowEnabled(Window));
    window.handle->close();
    EXPECT_TRUE(Events().empty());
    SetWindowEnabled(Window, true);
    EXPECT_TRUE(IsWindowEnabled(Window));
    window.handle->close();
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Close)});
}

TEST_F(WindowTest, OnlyTheUsersMovesAndMinimizingAreReported)
{
    SetWindowPosition(Window, 0, 0);  // a window system may keep the frame on the screen
    EXPECT_TRUE(Events().empty());
    SetWindowPosition(Window, 100, 120);
    SetWindowClientSize(Window, 250, 180);  // keeps the position
    EXPECT_TRUE(Events().empty());
    int x = 0, y = 0;
    EXPECT_EQ(window.handle->geometry(), QRect(100, 120, 250, 180));

    window.handle->move(150, 160);  // the frame, not through the layer: the user's drag
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Moved)});
    GetWindowPosition(Window, x, y);
    EXPECT_EQ(QPoint(x, y), window.handle->geometry().topLeft());
    EXPECT_NE(QPoint(x, y), QPoint(100, 120));

    window.handle->showMinimized();
    EXPECT_EQ(Events(), std::vector<Event>{WindowEvent(EventKind::Minimized)});
}

TEST_F(WindowTest, MenuBarSitsAboveTheUnchangedClientArea)
{
    QWidget* label = Create(1000, ControlKind::Label, QStringLiteral("x"), {0, 0, 50, 20});
    AddMenuItem(Window, QStringLiteral("Fichier"), QStringLiteral("Nouveau"), 0);
    auto* bar = window.handle->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr);
    const int barHeight = bar->height();
    EXPECT_GT(barHeight, 10);
    EXPECT_EQ(label->parentWidget()->size(), QSize(400, 300));
    EXPECT_EQ(label->mapTo(window.handle, QPoint(0, 0)), QPoint(0, barHeight));
    EXPECT_EQ(window.handle->size(), QSize(400, 300 + barHeight));
    SetWindowClientSize(Window, 300, 200);
    EXPECT_EQ(label->parentWidget()->size(), QSize(300, 200));
    EXPECT_EQ(window.handle->size(), QSize(300, 200 + barHeight));
}

TEST_F(WindowTest, OwnedWindowStaysUsableWhenItsOwnerIsDisabled)
{
    WindowDescriptor owned;
    owned.number = 2;
    owned.owner = Window;
    owned.flags = WindowCaption | WindowSystemMenu;
    ASSERT_TRUE(OpenWindow(owned, 120, 90));
    EXPECT_EQ(owned.handle->windowHandle()->transientParent(), window.handle->windowHandle());
    SetWindowEnabled(Window, false);
    EXPECT_TRUE(IsWindowEnabled(2));
    EXPECT_TRUE(owned.handle->isEnabled());
    CloseWindow(owned);
}

TEST_F(WindowTest, KeepOnTopIsSetAndReleasedWithoutHidingTheWindow)
{
    SetWindowOnTop(Window, true);
    EXPECT_TRUE(window.handle->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.handle->windowHandle()->flags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.handle->isVisible());
    SetWindowOnTop(Window, false);
    EXPECT_FALSE(window.handle->windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_TRUE(window.handle->isVisible());
    EXPECT_TRUE(Events().empty());
}

TEST_F(WindowTest, OpeningAnOpenWindowKeepsIt)
{
    QWidget* before = window.handle;
    Create(1000, ControlKind::Label);
    window.x = 300;
    ASSERT_TRUE(OpenWindow(window, 100, 100));
    EXPECT_EQ(window.handle, before);
    EXPECT_TRUE(ControlExists(1000));
    EXPECT_EQ(before->size(), QSize(400, 300));
}

TEST_F(WindowTest, UnknownWindowsAndBadSizesAreHarmless)
{
    WindowDescriptor bad;
    bad.number = 3;
    EXPECT_FALSE(OpenWindow(bad, 0, 100));
    EXPECT_EQ(bad.handle, nullptr);
    CloseWindow(bad);
    SetWindowEnabled(3, false);
    SetWindowOnTop(3, true);
    SetWindowClientSize(3, 10, 10);
    SetWindowPosition(3, 1, 1);
    ActivateWindow(3);
    int x = 5, y = 5;
    GetWindowPosition(3, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(0, 0));
    EXPECT_FALSE(IsWindowOpen(3));
    EXPECT_FALSE(IsWindowEnabled(3));
    EXPECT_EQ(WindowHandle(3), nullptr);
    EXPECT_FALSE(CreateControl(3, 1000, ControlKind::Label, QString(), {}));
}

namespace {

struct PaintSeen : QObject {
    PaintSeen(QObject* parent, bool& seen) : QObject(parent), seen(seen) {}
    bool& seen;
    bool eventFilter(QObject*, QEvent* event) override
    {
        seen = seen || event->type() == QEvent::Paint;
        return false;
    }
};

}  // namespace

TEST_F(WindowTest, WaitFirstFrameReturnsOnceANewlyShownWindowHasDrawn)
{
    for (bool shown : {false, true}) {
        WindowDescriptor fresh;
        fresh.number = 2;
        fresh.flags = WindowCaption;
        ASSERT_TRUE(OpenWindow(fresh, 100, 80, false));
        bool painted = false;
        auto* client = new QLabel(QStringLiteral("Essai"), fresh.handle);
        client->installEventFilter(new PaintSeen(client, painted));
        if (shown)
            ShowWindow(2);
        EXPECT_EQ(WaitFirstFrame(2), shown);
        EXPECT_EQ(painted, shown);  // the children too are on the screen
        CloseWindow(fresh);
    }
}
