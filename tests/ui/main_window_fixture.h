#pragma once

#include <QApplication>
#include <QTabWidget>
#include <QWidget>
#include <gtest/gtest.h>

#include "platform/windows.h"
#include "tabs/program_state.h"
#include "ui/air_controls.h"
#include "ui/drainage_controls.h"
#include "ui/images.h"
#include "ui/main_controls.h"
#include "ui/main_window.h"
#include "ui/options_controls.h"
#include "ui/water_controls.h"
#include "ui/window_descriptors.h"

// The main window built as start-up builds it, closed after each test.
class MainWindowTest : public testing::Test {
protected:
    ProgramState state;

    void Build(int layout)
    {
        FillWindowDescriptors(state.window.windows);
        DrawFillImages();
        ASSERT_TRUE(DecodeCarriedImages());
        CreateMainFonts(state.window);
        ASSERT_TRUE(BuildMainWindow(state.window, layout));
        Settle();
    }

    void TearDown() override { CloseWindow(state.window.windows[MainWindow]); }

public:
    static void Settle()
    {
        for (int i = 0; i < 3; ++i) {
            QApplication::sendPostedEvents();
            QApplication::processEvents();
        }
    }

    static QTabWidget* Tabs()
    {
        QWidget* window = WindowHandle(MainWindow);
        return window ? window->findChild<QTabWidget*>() : nullptr;
    }

    static QWidget* Page(int tab) { return Tabs() ? Tabs()->widget(tab) : nullptr; }

    // The widget of the given class placed at exactly this rectangle on a tab page
    // (tab -1: on the client area), or null.
    static QWidget* WidgetAt(int tab, const char* className, QRect where)
    {
        QWidget* parent = tab < 0 ? (Tabs() ? Tabs()->parentWidget() : nullptr) : Page(tab);
        if (!parent)
            return nullptr;
        for (QWidget* child : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            if (child->inherits(className) && child->geometry() == where)
                return child;
        return nullptr;
    }

    static QSize ClientSize() { return Tabs() ? Tabs()->parentWidget()->size() : QSize(); }
};

// Readable failure messages.
inline void PrintTo(const QRect& r, std::ostream* os)
{
    *os << "(" << r.x() << ", " << r.y() << ", " << r.width() << ", " << r.height() << ")";
}

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
