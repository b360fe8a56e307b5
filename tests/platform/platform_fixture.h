#pragma once

#include <QApplication>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>
#include <ostream>
#include <vector>

#include "platform/controls.h"
#include "platform/dialogs.h"
#include "platform/events.h"
#include "platform/windows.h"

inline bool operator==(const Event& a, const Event& b)
{
    return a.kind == b.kind && a.window == b.window && a.control == b.control && a.subtype == b.subtype
        && a.item == b.item;
}

inline void PrintTo(const Event& e, std::ostream* out)
{
    *out << "{kind " << int(e.kind) << ", window " << e.window << ", control " << e.control << ", subtype " << e.subtype
         << ", item " << e.item << "}";
}

// One open, active test window (number 1, client 400 x 300 at 40, 30) per test;
// everything it holds is gone after the test.
class PlatformTest : public testing::Test {
protected:
    static constexpr int Window = 1;
    WindowDescriptor window;

    void SetUp() override
    {
        window.number = Window;
        window.title = QStringLiteral("Essai");
        window.x = 40;
        window.y = 30;
        window.flags = WindowCaption | WindowSystemMenu;
        ASSERT_TRUE(OpenWindow(window, 400, 300));
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.handle));
        ClearWindowEvents();
    }

    void TearDown() override
    {
        CloseWindow(window);
        SetMessageHook({});
        SetSaveFileHook({});
        ClearWindowEvents();
    }

    static void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QApplication::sendPostedEvents();
            QApplication::processEvents();
        }
    }

    // Every event queued so far, in order.
    static std::vector<Event> Events()
    {
        Settle();
        std::vector<Event> events;
        Event e;
        while (PollWindowEvent(e))
            events.push_back(e);
        return events;
    }

    static Event ControlEvent(int control, int subtype, int item = -1, int window = Window)
    {
        Event e;
        e.kind = EventKind::Control;
        e.window = window;
        e.control = control;
        e.subtype = subtype;
        e.item = item;
        return e;
    }

    static Event WindowEvent(EventKind kind, int window = Window, int item = -1)
    {
        Event e;
        e.kind = kind;
        e.window = window;
        e.item = item;
        return e;
    }

    // Creates a control on the test window's client area.
    static QWidget* Create(int control, ControlKind kind, const QString& text = QString(),
                           ControlRect where = {10, 10, 120, 20}, unsigned style = 0)
    {
        EXPECT_TRUE(CreateControl(Window, control, kind, text, where, style));
        return ControlWidget(control);
    }

    // Types text as the user would, one key at a time; characters beyond ASCII
    // arrive as key events that carry only their text.
    static void Type(QWidget* widget, const QString& text)
    {
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(widget, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
};
