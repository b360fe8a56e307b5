#pragma once

#include <QDesktopServices>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>
#include <memory>

#include "engines/duct_tables.h"
#include "platform/dialogs.h"
#include "tabs/air_sizing.h"
#include "ui/about_controls.h"
#include "ui/console_controls.h"
#include "ui/help_controls.h"
#include "ui/main_window_fixture.h"  // readable QString failures
#include "water_tab_fixture.h"

// The real main window of the water tab tests, with real key presses, the
// message boxes answered and the addresses the program opens collected.
class InfoTest : public WaterTabTest {
protected:
    struct Message {
        QString title, text;
    };
    std::vector<Message> messages;
    std::vector<QUrl> opened;

    void SetUp() override
    {
        WaterTabTest::SetUp();
        SetMessageHook([this](const QString& title, const QString& text, MessageButtons) {
            messages.push_back({title, text});
            return int(AnswerOk);
        });
        // QDesktopServices hands each address to a method taking a QUrl; the
        // browser's anchorClicked signal is one, and a lambda records it.
        urlCatcher = std::make_unique<QTextBrowser>();
        QObject::connect(urlCatcher.get(), &QTextBrowser::anchorClicked, urlCatcher.get(),
                         [this](const QUrl& url) { opened.push_back(url); });
        for (const char* scheme : {"https", "http", "mailto", "file"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), urlCatcher.get(), "anchorClicked");
    }

    void TearDown() override
    {
        for (const char* scheme : {"https", "http", "mailto", "file"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        SetMessageHook({});
        WaterTabTest::TearDown();
    }

    // Start-up with both first results, with the main window active so that
    // its shortcuts work.
    void StartActive()
    {
        FillDuctTables(state.domain.ductMaterials, state.domain.standardDuctDiameters);
        Start();
        SizeAirDuct(state);
        ClearWindowEvents();
        QWidget* window = WindowHandle(MainWindow);
        ASSERT_TRUE(window);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
        DeliverQueuedEvents();
    }

    // The keyboard focus goes to a control, and the program takes the focus events.
    void FocusOn(int control)
    {
        SetFocus(control);
        DeliverQueuedEvents();
    }

    // A key pressed where the keyboard focus is, and what the program makes of it.
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_TRUE(target);
        QTest::keyClick(target, key, modifiers);
        DeliverQueuedEvents();
    }

    void TypeKeys(const char* text)
    {
        QWidget* target = QApplication::focusWidget();
        ASSERT_TRUE(target);
        QTest::keyClicks(target, QString::fromLatin1(text));
        DeliverQueuedEvents();
    }

    void ShowTab(int tab)
    {
        QTabWidget* tabs = WindowHandle(MainWindow)->findChild<QTabWidget*>();
        ASSERT_TRUE(tabs);
        tabs->setCurrentIndex(tab);  // as a click on the tab does
        DeliverQueuedEvents();
    }

    void ClickControl(int control)
    {
        QWidget* widget = ControlWidget(control);
        ASSERT_TRUE(widget) << control;
        QTest::mouseClick(widget, Qt::LeftButton, {}, QPoint(3, 3));
        DeliverQueuedEvents();
    }

    // The menu items of the sum-entry keys installed on the main window, in order.
    static std::vector<int> SumKeyItems()
    {
        std::vector<int> items;
        if (const PlatformWindow* w = FindPlatformWindow(MainWindow))
            for (const PlatformShortcut& s : w->shortcuts)
                if (s.item >= 0 && s.item <= 6)
                    items.push_back(s.item);
        return items;
    }

    static int TopLevelWindowsTitled(const QString& title)
    {
        int count = 0;
        for (QWidget* top : QApplication::topLevelWidgets())
            if (top->isVisible() && top->windowTitle() == title)
                ++count;
        return count;
    }

private:
    std::unique_ptr<QTextBrowser> urlCatcher;
};
