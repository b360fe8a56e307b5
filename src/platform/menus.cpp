#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QWidget>

#include "platform/controls.h"
#include "platform/events.h"
#include "platform/platform_state.h"

static void PostMenuEvent(int window, int item)
{
    Event event;
    event.kind = EventKind::Menu;
    event.window = window;
    event.item = item;
    PostWindowEvent(event);
}

void AddMenuItem(int window, const QString& menu, const QString& item, int itemNumber)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w)
        return;
    if (!w->menuBar) {
        w->menuBar = new QMenuBar(w->frame);
        w->menuBar->setNativeMenuBar(false);  // it belongs inside the window, above the client area
        w->menuBar->show();
    }
    QMenu* target = nullptr;
    for (QAction* action : w->menuBar->actions())
        if (action->menu() && action->menu()->title() == menu)
            target = action->menu();
    if (!target)
        target = w->menuBar->addMenu(menu);
    QAction* action = target->addAction(item);
    QObject::connect(action, &QAction::triggered, action, [window, itemNumber] { PostMenuEvent(window, itemNumber); });
    LayoutWindow(*w);
}

void AddShortcut(int window, const QString& keys, int itemNumber)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w)
        return;
    auto* shortcut = new QShortcut(QKeySequence(keys), w->frame);
    shortcut->setContext(Qt::WindowShortcut);
    QObject::connect(shortcut, &QShortcut::activated, shortcut,
                     [window, itemNumber] { PostMenuEvent(window, itemNumber); });
    w->shortcuts.push_back(PlatformShortcut{itemNumber, shortcut});
}

void RemoveShortcut(int window, int itemNumber)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w)
        return;
    for (auto s = w->shortcuts.begin(); s != w->shortcuts.end();) {
        if (s->item == itemNumber) {
            delete s->shortcut;
            s = w->shortcuts.erase(s);
        } else {
            ++s;
        }
    }
}
