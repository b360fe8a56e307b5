#include "platform/platform_state.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QShortcut>
#include <QWidget>
#include <QWindow>
#include <cstdlib>

#include "platform/colour_contrast.h"

PlatformState& Platform()
{
    static PlatformState state;
    return state;
}

PlatformWindow* FindPlatformWindow(int window)
{
    auto& windows = Platform().windows;
    auto found = windows.find(window);
    return found == windows.end() ? nullptr : &found->second;
}

PlatformControl* FindPlatformControl(int control)
{
    auto& controls = Platform().controls;
    auto found = controls.find(control);
    return found == controls.end() ? nullptr : &found->second;
}

PlatformWindow* WindowOfWidget(const QWidget* widget)
{
    if (!widget)
        return nullptr;
    const QWidget* top = widget->window();
    for (auto& [number, window] : Platform().windows)
        if (window.frame == top)
            return &window;
    return nullptr;
}

void PostControlEvent(int control, int subtype, int item)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return;
    Event event;
    event.kind = EventKind::Control;
    event.window = c->window;
    event.control = control;
    event.subtype = subtype;
    event.item = item;
    Platform().events.push_back(event);
}

static QColor ColourOf(int rgb)
{
    return QColor((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

void ApplyControlPalette(PlatformControl& control)
{
    QWidget* w = control.widget;
    QWidget* parent = w->parentWidget();
    QPalette palette = parent ? parent->palette() : QApplication::palette(w);
    const bool field = control.kind == ControlKind::Edit || control.kind == ControlKind::Combo
        || control.kind == ControlKind::DropDown || control.kind == ControlKind::ListView;
    if (field) {
        if (control.background >= 0)
            palette.setColor(QPalette::Base, ColourOf(control.background));
        else if (control.readOnly)  // read-only fields look like the window, as the user expects
            palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        if (control.kind == ControlKind::ListView && !(control.style & StyleKeepSelection)) {
            // Without that style the selection shows only while the list has the focus.
            palette.setColor(QPalette::Inactive, QPalette::Highlight,
                             palette.color(QPalette::Inactive, QPalette::Base));
            palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                             palette.color(QPalette::Inactive, QPalette::Text));
        }
        if (control.kind == ControlKind::ListView && control.selection >= 0)
            for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
                palette.setColor(group, QPalette::Highlight, ColourOf(control.selection));
                palette.setColor(group, QPalette::HighlightedText, ColourOf(ContrastingTextColour(control.selection)));
            }
    } else {
        if (control.background >= 0)
            palette.setColor(QPalette::Window, ColourOf(control.background));
        w->setAutoFillBackground(control.background >= 0);
    }
    // A fixed background gets a text that reads on it whatever the desktop
    // palette; links stay blue unless the window is too dark for it.
    int text = control.textColour;
    if (text < 0 && control.background >= 0)
        text = ContrastingTextColour(control.background);
    else if (text < 0 && control.kind == ControlKind::Hyperlink)
        text = BetterContrast(int(palette.color(QPalette::Window).rgb() & 0xFFFFFF), 0x0000FF, 0x8AB4F8);
    if (text >= 0)
        for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(role, ColourOf(text));
    w->setPalette(palette);
}

// Key combinations under which a key press may match a shortcut: keypad keys
// also match their main-keyboard form, and a shifted character its plain form.
static bool ShortcutMatches(const QShortcut* shortcut, const QKeyEvent* key)
{
    const Qt::KeyboardModifiers mods = key->modifiers();
    const Qt::Key code = Qt::Key(key->key());
    std::vector<Qt::KeyboardModifiers> forms = {mods, mods & ~Qt::KeypadModifier};
    if (!key->text().isEmpty() && key->text().at(0).isPrint()) {
        forms.push_back(mods & ~Qt::ShiftModifier);
        forms.push_back(mods & ~(Qt::ShiftModifier | Qt::KeypadModifier));
    }
    for (Qt::KeyboardModifiers form : forms)
        if (shortcut->key() == QKeySequence(QKeyCombination(form, code)))
            return true;
    return false;
}

namespace {

class PlatformWatcher : public QObject {
public:
    explicit PlatformWatcher(QObject* parent) : QObject(parent) {}
    bool eventFilter(QObject* object, QEvent* event) override;
};

}  // namespace

static bool WatchFrame(int number, QEvent* event)
{
    PlatformWindow* window = FindPlatformWindow(number);
    if (!window)
        return false;
    Event posted;
    posted.window = number;
    switch (event->type()) {
    case QEvent::Close:
        // The program decides: the window stays until it calls CloseWindow. A
        // disabled window takes no close request.
        event->ignore();
        if (window->frame->isEnabled()) {
            posted.kind = EventKind::Close;
            Platform().events.push_back(posted);
        }
        return true;
    case QEvent::Move: {
        const QPoint now = window->frame->geometry().topLeft();
        const QPoint shift = now - window->knownPosition;
        // A window system may nudge a window that the program placed so that its
        // frame stays on the screen: that is still the program's placement.
        const QRect frame = window->frame->frameGeometry();
        const QRect inside = window->frame->geometry();
        const bool nudged = window->programPlaced && std::abs(shift.x()) <= inside.left() - frame.left()
            && std::abs(shift.y()) <= inside.top() - frame.top();
        if (now != window->knownPosition) {
            window->knownPosition = now;
            window->programPlaced = false;
            if (!nudged) {
                posted.kind = EventKind::Moved;
                Platform().events.push_back(posted);
            }
        }
        return false;
    }
    case QEvent::WindowStateChange: {
        auto* change = static_cast<QWindowStateChangeEvent*>(event);
        if ((window->frame->windowState() & Qt::WindowMinimized) && !(change->oldState() & Qt::WindowMinimized)) {
            posted.kind = EventKind::Minimized;
            Platform().events.push_back(posted);
        }
        return false;
    }
    default:
        return false;
    }
}

static bool WatchControlEvent(QObject* object, int number, QEvent* event)
{
    PlatformControl* control = FindPlatformControl(number);
    if (!control)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Opening a drop-down list or the menu bar leaves the focus where it was.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason == Qt::PopupFocusReason || reason == Qt::MenuBarFocusReason)
            return false;
        const bool field = control->kind == ControlKind::Edit || control->kind == ControlKind::Combo
            || control->kind == ControlKind::DropDown;
        if (!field || object != control->widget)
            return false;
        PostControlEvent(number, event->type() == QEvent::FocusIn ? SubtypeFocusGained : SubtypeFocusLost);
        return false;
    }
    case QEvent::MouseButtonPress:
        if (control->kind == ControlKind::ListView)
            control->selectionPosted = false;
        return false;
    case QEvent::MouseButtonRelease:
        if (control->kind == ControlKind::Hyperlink) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::LeftButton && control->widget->rect().contains(mouse->position().toPoint())
                && control->widget->isEnabled())
                PostControlEvent(number, SubtypeClick);
        }
        return false;
    default:
        return false;
    }
}

// The program's shortcuts win over the keys that an edit field would take for
// itself ("+", "-", "C" in a digits-only field): the field lets the shortcut through.
static bool ClaimShortcut(QEvent* event)
{
    auto* key = static_cast<QKeyEvent*>(event);
    PlatformWindow* window = WindowOfWidget(QApplication::focusWidget());
    if (!window)
        return false;
    for (const PlatformShortcut& s : window->shortcuts)
        if (s.shortcut->isEnabled() && ShortcutMatches(s.shortcut, key)) {
            key->ignore();
            return true;
        }
    return false;
}

// A question must be answered Yes or No: neither Escape nor the close box
// may pass for No (which would throw away the user's changes).
static bool InQuestion(QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    return widget && widget->window()->property("vqQuestion").isValid();
}

// The close box reaches a dialog as a close event of its native window, and so
// does the dialog's own closing once a button has answered it.
static bool IsUnansweredQuestion(QObject* object)
{
    auto* window = qobject_cast<QWindow*>(object);
    if (!window)
        return false;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->windowHandle() == window)
            return top->property("vqQuestion").isValid() && !top->property("vqAnswered").isValid();
    return false;
}

// Installed on the application, so it sees every event before its receiver;
// only our windows and controls carry the properties looked up here.
bool PlatformWatcher::eventFilter(QObject* object, QEvent* event)
{
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        return ClaimShortcut(event);
    case QEvent::KeyPress:
        return static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && InQuestion(object);
    case QEvent::ApplicationPaletteChange:
        // A new desktop palette reaches each of our windows, which hands it on
        // to its controls; after that, the colours derived from it (read-only
        // backgrounds, link and field texts) are worked out again.
        if (object->property("vqWindow").isValid())
            QMetaObject::invokeMethod(
                this,
                [] {
                    for (auto& [number, control] : Platform().controls)
                        ApplyControlPalette(control);
                },
                Qt::QueuedConnection);
        return false;
    case QEvent::Close:
        if (IsUnansweredQuestion(object)) {
            event->ignore();
            return true;
        }
        break;
    case QEvent::Move:
    case QEvent::WindowStateChange:
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
        break;
    default:
        return false;
    }
    const QVariant window = object->property("vqWindow");
    if (window.isValid())
        return WatchFrame(window.toInt(), event);
    const QVariant control = object->property("vqControl");
    if (control.isValid())
        return WatchControlEvent(object, control.toInt(), event);
    return false;
}

QObject* CreatePlatformWatcher()
{
    auto* watcher = new PlatformWatcher(QCoreApplication::instance());
    QCoreApplication::instance()->installEventFilter(watcher);
    return watcher;
}

void WatchWindow(QWidget* frame, int window)
{
    frame->setProperty("vqWindow", window);
}

void WatchControl(QObject* object, int control)
{
    object->setProperty("vqControl", control);
}
