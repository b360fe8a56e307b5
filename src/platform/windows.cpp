#include "platform/windows.h"

#include <QApplication>
#include <QEventLoop>
#include <QMenuBar>
#include <QRegion>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cstdint>

#include "platform/platform_state.h"

// An owned window is a dialog to the window system: only tool windows and
// dialogs are made transient for their owner, which keeps them above it.
static Qt::WindowFlags QtWindowFlags(unsigned flags, bool owned)
{
    Qt::WindowFlags qt = (flags & WindowToolWindow) ? Qt::Tool : owned ? Qt::Dialog : Qt::Window;
    qt |= Qt::CustomizeWindowHint;
    if (flags & WindowCaption)
        qt |= Qt::WindowTitleHint;
    if (flags & WindowSystemMenu)
        qt |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (flags & WindowMinimizeButton)
        qt |= Qt::WindowMinimizeButtonHint;
    if (flags & WindowKeepOnTop)
        qt |= Qt::WindowStaysOnTopHint;
    return qt;
}

// The new window's centre on the active window's centre (failing that, the
// owner's, then the screen's), left and top edges kept on the screen.
static QPoint CentredPosition(QSize size, int owner)
{
    QRect over;
    if (QWidget* active = QApplication::activeWindow())
        over = active->geometry();
    else if (const PlatformWindow* o = FindPlatformWindow(owner))
        over = o->frame->geometry();
    else if (QScreen* screen = QGuiApplication::primaryScreen())
        over = screen->availableGeometry();
    QPoint position(over.x() + (over.width() - size.width()) / 2, over.y() + (over.height() - size.height()) / 2);
    return QPoint(std::max(0, position.x()), std::max(0, position.y()));
}

QPoint PositionOnScreen(const QRect& window, const std::vector<QRect>& screens)
{
    QRegion desktop;
    for (const QRect& screen : screens)
        desktop += screen;
    if (screens.empty() || QRegion(window).subtracted(desktop).isEmpty())
        return window.topLeft();
    QPoint best = window.topLeft();
    int64_t bestDistance = -1;  // squared [px²]
    for (const QRect& screen : screens) {
        const QPoint on(std::max(screen.left(), std::min(window.left(), screen.right() + 1 - window.width())),
                        std::max(screen.top(), std::min(window.top(), screen.bottom() + 1 - window.height())));
        const QPoint move = on - window.topLeft();
        const int64_t distance = int64_t(move.x()) * move.x() + int64_t(move.y()) * move.y();
        if (bestDistance < 0 || distance < bestDistance) {
            best = on;
            bestDistance = distance;
        }
    }
    return best;
}

static std::vector<QRect> ScreenRectangles()
{
    std::vector<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens())
        screens.push_back(screen->geometry());
    return screens;
}

// Kept far from the limits of int, so that the window's rectangle can be worked out.
static QPoint StoredPosition(const WindowDescriptor& descriptor)
{
    constexpr int Far = 1 << 20;  // [px]
    return QPoint(std::clamp(descriptor.x, -Far, Far), std::clamp(descriptor.y, -Far, Far));
}

void LayoutWindow(PlatformWindow& window)
{
    const int menuHeight = window.menuBar ? window.menuBar->sizeHint().height() : 0;
    if (window.menuBar)
        window.menuBar->setGeometry(0, 0, window.clientWidth, menuHeight);
    window.client->setGeometry(0, menuHeight, window.clientWidth, window.clientHeight);
    window.frame->setFixedSize(window.clientWidth, window.clientHeight + menuHeight);
}

bool OpenWindow(WindowDescriptor& descriptor, int clientWidth, int clientHeight, bool shown)
{
    if (!Platform().application || descriptor.number < 0 || clientWidth <= 0 || clientHeight <= 0)
        return false;
    if (PlatformWindow* open = FindPlatformWindow(descriptor.number)) {
        descriptor.handle = open->frame;
        ActivateWindow(descriptor.number);
        return true;
    }
    const PlatformWindow* owner = FindPlatformWindow(descriptor.owner);
    auto* frame = new QWidget(nullptr, QtWindowFlags(descriptor.flags, owner != nullptr));
    frame->setWindowTitle(descriptor.title.left(255));
    PlatformWindow& window = Platform().windows[descriptor.number];
    window.number = descriptor.number;
    window.frame = frame;
    window.client = new QWidget(frame);
    window.clientWidth = clientWidth;
    window.clientHeight = clientHeight;
    LayoutWindow(window);
    const QPoint position = (descriptor.flags & WindowCentred)
        ? CentredPosition(frame->size(), descriptor.owner)
        : PositionOnScreen(QRect(StoredPosition(descriptor), frame->size()), ScreenRectangles());
    frame->setGeometry(QRect(position, frame->size()));
    window.knownPosition = position;
    window.programPlaced = true;
    WatchWindow(frame, descriptor.number);
    // An owned window stays above its owner; it is not a Qt child, so that
    // disabling the owner leaves it usable.
    if (owner) {
        frame->winId();
        owner->frame->winId();
        frame->windowHandle()->setTransientParent(owner->frame->windowHandle());
    }
    descriptor.handle = frame;
    if (shown)
        ShowWindow(descriptor.number);
    return true;
}

void ShowWindow(int window)
{
    if (PlatformWindow* w = FindPlatformWindow(window)) {
        w->frame->show();
        w->frame->raise();
        w->frame->activateWindow();
    }
}

namespace {

// Ends the loop once the watched window has painted: its frame reaches the
// screen on the way back to the loop.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QEventLoop& loop) : loop(loop) {}
    bool painted = false;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !painted) {
            painted = true;
            loop.quit();
        }
        return false;
    }

private:
    QEventLoop& loop;
};

}  // namespace

bool WaitFirstFrame(int window)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w || !w->frame->isVisible())
        return false;
    constexpr int Limit = 1000;  // [ms] a window that is never exposed does not hold the program
    QEventLoop loop;
    FirstPaint seen(loop);
    w->frame->installEventFilter(&seen);
    QTimer::singleShot(Limit, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    w->frame->removeEventFilter(&seen);
    return seen.painted;
}

void CloseWindow(WindowDescriptor& descriptor)
{
    descriptor.handle = nullptr;
    PlatformState& state = Platform();
    PlatformWindow* window = FindPlatformWindow(descriptor.number);
    if (!window)
        return;
    QWidget* frame = window->frame;
    for (auto c = state.controls.begin(); c != state.controls.end();)
        c = c->second.window == descriptor.number ? state.controls.erase(c) : std::next(c);
    state.windows.erase(descriptor.number);
    delete frame;
}

bool IsWindowOpen(int window)
{
    return FindPlatformWindow(window) != nullptr;
}

QWidget* WindowHandle(int window)
{
    const PlatformWindow* w = FindPlatformWindow(window);
    return w ? w->frame : nullptr;
}

void SetWindowEnabled(int window, bool enabled)
{
    if (PlatformWindow* w = FindPlatformWindow(window))
        w->frame->setEnabled(enabled);
}

bool IsWindowEnabled(int window)
{
    const PlatformWindow* w = FindPlatformWindow(window);
    return w && w->frame->isEnabled();
}

void SetWindowOnTop(int window, bool onTop)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w)
        return;
    Qt::WindowFlags flags = w->frame->windowFlags();
    flags.setFlag(Qt::WindowStaysOnTopHint, onTop);
    if (flags == w->frame->windowFlags())
        return;
    // QWidget::setWindowFlags would hide the window; change the native window in place.
    w->frame->overrideWindowFlags(flags);
    if (QWindow* handle = w->frame->windowHandle())
        handle->setFlags(flags);
}

void SetWindowClientSize(int window, int width, int height)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w || width <= 0 || height <= 0)
        return;
    w->clientWidth = width;
    w->clientHeight = height;
    LayoutWindow(*w);
}

void SetWindowPosition(int window, int x, int y)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w)
        return;
    w->knownPosition = QPoint(x, y);
    w->programPlaced = true;
    w->frame->setGeometry(QRect(QPoint(x, y), w->frame->size()));
}

void KeepWindowOnScreen(int window)
{
    const PlatformWindow* w = FindPlatformWindow(window);
    if (!w)
        return;
    // The whole frame, caption and close box included, at the window's present size.
    const QRect inside = w->frame->geometry();
    const QRect outside = w->frame->frameGeometry();
    const QMargins border(inside.left() - outside.left(), inside.top() - outside.top(),
                          outside.right() - inside.right(), outside.bottom() - inside.bottom());
    const QRect now = QRect(inside.topLeft(), w->frame->size()).marginsAdded(border);
    const QPoint shift = PositionOnScreen(now, ScreenRectangles()) - now.topLeft();
    if (!shift.isNull())
        SetWindowPosition(window, inside.x() + shift.x(), inside.y() + shift.y());
}

void GetWindowPosition(int window, int& x, int& y)
{
    const PlatformWindow* w = FindPlatformWindow(window);
    if (!w) {
        x = y = 0;
        return;
    }
    const QPoint position = w->frame->geometry().topLeft();
    x = position.x();
    y = position.y();
}

void ActivateWindow(int window)
{
    if (PlatformWindow* w = FindPlatformWindow(window)) {
        w->frame->raise();
        w->frame->activateWindow();
    }
}
