#include <QLineEdit>
#include <QTest>
#include <csignal>
#include <gtest/gtest.h>

#include "app/event_loop.h"
#include "platform/application.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/windows.h"
#include "tabs/program_state.h"
#include "ui/air_controls.h"
#include "ui/main_controls.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"
#include "ui/window_descriptors.h"

namespace {

class EventLoopTest : public testing::Test {
protected:
    void SetUp() override
    {
        FillWindowDescriptors(state.window.windows);
        state.window.windows[MainWindow].x = 50;
        state.window.windows[MainWindow].y = 60;
        ASSERT_TRUE(OpenWindow(state.window.windows[MainWindow], 555, 181));
        ASSERT_TRUE(CreateControl(MainWindow, SavePositionsCheck, ControlKind::Check, "Sauver positions fenêtres",
                                  {10, 10, 150, 20}));
        ClearWindowEvents();
    }
    void TearDown() override
    {
        for (WindowDescriptor& w : state.window.windows)
            if (IsWindowOpen(w.number))
                CloseWindow(w);
        ClearWindowEvents();
    }
    bool Handle(EventKind kind, int window, int control = -1, int subtype = SubtypeNone, int item = -1)
    {
        return HandleEvent(state, Event{kind, window, control, subtype, item});
    }

    ProgramState state;
};

TEST_F(EventLoopTest, CloseRequestClosesTheMainWindowAndEndsTheLoop)
{
    EXPECT_TRUE(Handle(EventKind::Minimized, MainWindow));
    EXPECT_TRUE(Handle(EventKind::Other, MainWindow));
    EXPECT_FALSE(Handle(EventKind::Close, MainWindow));
    EXPECT_FALSE(IsWindowOpen(MainWindow));
    EXPECT_EQ(state.window.windows[MainWindow].handle, nullptr);
}

// A logout, Ctrl+C or a closed terminal: even a disabled main window (editor open) closes.
TEST_F(EventLoopTest, EndSignalsAreCloseRequestsOfTheMainWindow)
{
    for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
        struct sigaction atStart = {};
        if (sigaction(signal, nullptr, &atStart) == 0 && atStart.sa_handler == SIG_IGN)
            continue;  // ignored from the start (nohup, a background job): the program leaves it so
        ASSERT_TRUE(OpenWindow(state.window.windows[MainWindow], 555, 181));
        SetWindowEnabled(MainWindow, false);
        std::raise(signal);
        EXPECT_FALSE(EventLoopStep(state)) << signal;
        EXPECT_FALSE(IsWindowOpen(MainWindow)) << signal;
    }
    EXPECT_TRUE(EndAskedBySignal());
}

TEST_F(EventLoopTest, StepTakesQueuedEventsInOrder)
{
    PostWindowEvent({EventKind::Other, MainWindow});
    PostWindowEvent({EventKind::Close, MainWindow});
    EXPECT_TRUE(EventLoopStep(state));
    EXPECT_TRUE(IsWindowOpen(MainWindow));
    EXPECT_FALSE(EventLoopStep(state));
}

TEST_F(EventLoopTest, EventsOfClosedWindowsAreIgnored)
{
    for (int window : {int(EditorWindow), int(HelpWindow), int(AboutWindow), int(ConsoleWindow), 7, -1})
        EXPECT_TRUE(Handle(EventKind::Close, window)) << window;
    EXPECT_TRUE(IsWindowOpen(MainWindow));
}

TEST_F(EventLoopTest, SmallWindowsCloseOnRequestAlone)
{
    for (int window : {int(HelpWindow), int(AboutWindow), int(ConsoleWindow)}) {
        WindowDescriptor& d = state.window.windows[window];
        ASSERT_TRUE(OpenWindow(d, d.width, d.height)) << window;
        EXPECT_TRUE(Handle(EventKind::Moved, window));
        EXPECT_TRUE(IsWindowOpen(window));
        EXPECT_TRUE(Handle(EventKind::Close, window));
        EXPECT_FALSE(IsWindowOpen(window)) << window;
        EXPECT_TRUE(IsWindowOpen(MainWindow));
    }
}

TEST_F(EventLoopTest, MainWindowPositionIsStoredOnlyWhenTickedAndPositive)
{
    struct Case {
        bool ticked;
        int x, y;
        bool stored;
    };
    const Case cases[] = {
        {true, 200, 150, true},  {true, 0, 150, false},    {true, 200, 0, false},
        {true, -20, 150, false}, {false, 200, 150, false},
    };
    for (const Case& c : cases) {
        state.domain.settings.xPosMain = 7;
        state.domain.settings.yPosMain = 8;
        SetState(SavePositionsCheck, c.ticked ? 1 : 0);
        SetWindowPosition(MainWindow, c.x, c.y);
        Handle(EventKind::Moved, MainWindow);
        EXPECT_EQ(state.domain.settings.xPosMain, c.stored ? c.x : 7) << c.x << "," << c.y;
        EXPECT_EQ(state.domain.settings.yPosMain, c.stored ? c.y : 8) << c.x << "," << c.y;
    }
}

TEST_F(EventLoopTest, EditorPositionIsStoredWhenTickedWhateverItsSign)
{
    WindowDescriptor& editor = state.window.windows[EditorWindow];
    ASSERT_TRUE(OpenWindow(editor, editor.width, editor.height));
    SetState(SavePositionsCheck, 1);
    SetWindowPosition(EditorWindow, -30, 40);
    Handle(EventKind::Moved, EditorWindow);
    EXPECT_EQ(state.domain.settings.xPosEdit, -30);
    EXPECT_EQ(state.domain.settings.yPosEdit, 40);
    EXPECT_EQ(editor.x, -30);
    EXPECT_EQ(editor.y, 40);

    SetState(SavePositionsCheck, 0);
    SetWindowPosition(EditorWindow, 300, 300);
    Handle(EventKind::Moved, EditorWindow);
    EXPECT_EQ(state.domain.settings.xPosEdit, -30);
}

TEST_F(EventLoopTest, FocusGainedSelectsTheWholeText)
{
    ASSERT_TRUE(CreateControl(MainWindow, FlowField, ControlKind::Edit, "1250", {10, 40, 70, 20},
                              StyleDigitsOnly | StyleAlignRight));
    auto* edit = WindowHandle(MainWindow)->findChild<QLineEdit*>();
    ASSERT_NE(edit, nullptr);
    ActivateWindow(MainWindow);
    ASSERT_TRUE(QTest::qWaitForWindowActive(WindowHandle(MainWindow)));
    SetFocus(FlowField);
    ASSERT_TRUE(QTest::qWaitFor([&] { return edit->hasFocus(); }));
    edit->deselect();
    ClearWindowEvents();
    Handle(EventKind::Control, MainWindow, FlowField, SubtypeFocusGained);
    EXPECT_EQ(edit->selectedText(), "1250");
}

TEST_F(EventLoopTest, GalvaButtonBringsTheOptionsTabForward)
{
    ASSERT_TRUE(CreateControl(MainWindow, MainTabPanel, ControlKind::TabPanel, "", {3, 3, 551, 175}));
    for (const char* caption : {"Eau", "Air", "Evacuations", "Options"})
        AddTab(MainTabPanel, caption);
    ASSERT_TRUE(CreateControl(MainWindow, DuctMaterialButton, ControlKind::Button, "Galva.", {10, 113, 70, 25}, 0, 1));
    SetState(MainTabPanel, 1);
    Handle(EventKind::Control, MainWindow, DuctMaterialButton, SubtypeClick);
    EXPECT_EQ(GetState(MainTabPanel), 3);
}

}  // namespace
