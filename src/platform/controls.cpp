#include "platform/controls.h"

#include <algorithm>

#include <QAbstractSlider>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QStyleFactory>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>
#include <QTreeWidget>
#include <QValidator>

#include "platform/graphics.h"
#include "platform/platform_state.h"

namespace {

// Digits only, for what the user types: every character the user adds must be
// an ASCII digit, and no number may grow beyond the field's capacity. What the
// program wrote ("N/A", "Infini", "100+", a long total) may stay and be deleted,
// so that such a field remains editable. Blanks in a paste are thousands
// separators ("1 500") and go; a blank typed alone is refused like a letter.
class DigitsValidator : public QValidator {
public:
    explicit DigitsValidator(QObject* parent) : QValidator(parent) {}
    int capacity = 0;         // digits of one number; 0: no limit
    mutable QString held;     // the field's text before the change
    mutable QString refusal;  // why the last change was refused

    State validate(QString& input, int& caret) const override
    {
        qsizetype same = 0;  // characters kept before the inserted ones
        const qsizetype shortest = std::min(input.size(), held.size());
        while (same < shortest && input[same] == held[same])
            ++same;
        qsizetype kept = 0;  // characters kept after them
        while (kept < shortest - same && input[input.size() - 1 - kept] == held[held.size() - 1 - kept])
            ++kept;
        QString added = input.mid(same, input.size() - same - kept);
        if (added.size() > 1)
            added.removeIf([](QChar c) { return c.isSpace(); });
        for (QChar c : added)
            if (c < u'0' || c > u'9') {
                refusal = QString::fromUtf8("Nombre entier seulement");
                return Invalid;
            }
        const QString result = input.left(same) + added + input.right(kept);
        if (capacity > 0 && LongestNumber(result) > capacity && LongestNumber(result) > LongestNumber(held)) {
            refusal = QStringLiteral("%1 chiffres au plus").arg(capacity);
            return Invalid;
        }
        if (result != input) {
            caret = std::min<int>(same + added.size(), result.size());
            input = result;
        }
        held = input;
        return Acceptable;
    }

    static qsizetype LongestNumber(const QString& text)
    {
        qsizetype longest = 0, run = 0;
        for (QChar c : text) {
            run = c >= u'0' && c <= u'9' ? run + 1 : 0;
            longest = std::max(longest, run);
        }
        return longest;
    }
};

// The style's arrow takes half of a 40 px editable combo box, and three digits
// ("105") no longer fit beside it: narrow combo boxes get a narrower arrow and
// give its width to their text.
class NarrowComboStyle : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* option, SubControl part,
                         const QWidget* widget) const override
    {
        QRect r = QProxyStyle::subControlRect(control, option, part, widget);
        constexpr int Narrow = 50;  // [px] combo boxes below this width
        constexpr int Given = 6;    // [px] taken from the arrow
        if (control != CC_ComboBox || option->rect.width() >= Narrow)
            return r;
        if (part == SC_ComboBoxArrow)
            r.setLeft(r.left() + Given);
        else if (part == SC_ComboBoxEditField)
            r.setRight(r.right() + Given);
        return r;
    }
};

}  // namespace

static DigitsValidator* DigitsOf(QLineEdit* edit)
{
    return dynamic_cast<DigitsValidator*>(const_cast<QValidator*>(edit->validator()));
}

static Qt::Alignment HorizontalAlignment(unsigned style)
{
    if (style & StyleAlignCentre)
        return Qt::AlignHCenter;
    if (style & StyleAlignRight)
        return Qt::AlignRight;
    return Qt::AlignLeft;
}

// The page or client area on which a control of the window is created.
static QWidget* ParentFor(PlatformWindow& window, int tab)
{
    if (tab < 0)
        return window.client;
    for (auto& [number, control] : Platform().controls)
        if (control.window == window.number && control.kind == ControlKind::TabPanel) {
            auto* tabs = static_cast<QTabWidget*>(control.widget);
            return tab < tabs->count() ? tabs->widget(tab) : nullptr;
        }
    return nullptr;
}

// A refused keystroke or paste is heard and said at the field, for about two
// seconds; the text stays as it was.
static void ShowRefusal(QLineEdit* edit, const QString& why)
{
    constexpr int Shown = 2000;  // [ms]
    QApplication::beep();
    QToolTip::showText(edit->mapToGlobal(QPoint(0, edit->height())), why, edit, QRect(), Shown);
}

static QWidget* CreateEdit(int number, const QString& text, unsigned style, QWidget* parent)
{
    auto* edit = new QLineEdit(parent);
    edit->setAlignment(HorizontalAlignment(style) | Qt::AlignVCenter);
    if (style & StyleDigitsOnly) {
        auto* digits = new DigitsValidator(edit);
        digits->held = text;
        edit->setValidator(digits);
        QObject::connect(edit, &QLineEdit::inputRejected, edit, [digits, edit] { ShowRefusal(edit, digits->refusal); });
    }
    edit->setText(text);
    edit->setReadOnly(style & StyleReadOnly);
    QObject::connect(edit, &QLineEdit::textEdited, edit, [number] { PostControlEvent(number, SubtypeChange); });
    return edit;
}

// The font in which a text fits `width` pixels and, when wrapped, the lines that
// `height` holds (one line always shows): the font itself, or the largest
// smaller size that fits.
static QFont FittingFont(const QFont& font, const QString& text, int width, int height, int flags)
{
    const int ownSize = QFontInfo(font).pixelSize();
    QFont fitted = font;
    int size = ownSize;  // [px]
    for (; size >= 6; --size) {
        fitted.setPixelSize(size);
        const QFontMetrics metrics(fitted);
        const QRect needed = metrics.boundingRect(QRect(0, 0, width, 1 << 16), flags, text);
        // One line always shows, even in a rectangle a pixel lower than the line.
        const bool oneLine = needed.height() <= metrics.height() + 1;
        if (needed.width() <= width && (oneLine || needed.height() <= height))
            break;
    }
    return size == ownSize ? font : fitted;
}

// A label's text must be readable where the label shows: within its rectangle,
// beside any control placed over it, in as many lines as its height holds. A
// text that does not fit in the label's font is drawn in the largest smaller
// size that fits; the rectangle itself never changes.
static void FitLabelText(QLabel* label)
{
    QWidget* parent = label->parentWidget();
    const QVariant assigned = label->property("vqFont");
    const QFont font = assigned.isValid() ? assigned.value<QFont>() : label->font();
    const QRect rect = label->geometry();
    // The first line, where a control over the label hides the text.
    const QRect line(rect.x(), rect.y(), rect.width(), std::min(rect.height(), QFontMetrics(font).height()));
    int left = rect.left(), right = rect.right();
    if (parent) {
        for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == label || other->isHidden() || qobject_cast<QLabel*>(other) || qobject_cast<QGroupBox*>(other)
                || !other->geometry().intersects(line))
                continue;
            if (other->x() > left)
                right = std::min(right, other->x() - 1);
            else if (other->geometry().right() < right)
                left = std::max(left, other->geometry().right() + 1);
        }
    }
    label->setFont(FittingFont(font, label->text(), right - left + 1, rect.height(), Qt::TextWordWrap));
    label->setContentsMargins(left - rect.left(), 0, rect.right() - right, 0);
}

// A button's caption is fitted the same way, on one line within its face: a
// larger system font must not cut "Suppr." to "uppr".
static void FitButtonText(QPushButton* button)
{
    const QVariant assigned = button->property("vqFont");
    const QFont font = assigned.isValid() ? assigned.value<QFont>() : QApplication::font(button);
    QStyleOptionButton option;
    option.initFrom(button);
    const QRect face = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    button->setFont(
        FittingFont(font, button->text(), face.width(), face.height(), Qt::TextSingleLine | Qt::TextShowMnemonic));
}

static void FitText(const PlatformControl& c)
{
    if (c.kind == ControlKind::Label)
        FitLabelText(static_cast<QLabel*>(c.widget));
    else if (c.kind == ControlKind::Button)
        FitButtonText(static_cast<QPushButton*>(c.widget));
}

// Refits the labels that share a page with `widget` and lie in `area`.
static void FitLabelsIn(QWidget* widget, const QRect& area)
{
    QWidget* parent = widget->parentWidget();
    if (!parent)
        return;
    for (QLabel* label : parent->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        const QVariant number = label->property("vqControl");
        const PlatformControl* c = number.isValid() ? FindPlatformControl(number.toInt()) : nullptr;
        if (c && c->kind == ControlKind::Label && (label == widget || label->geometry().intersects(area)))
            FitLabelText(label);
    }
}

static QWidget* CreateComboBox(int number, const QString& text, bool editable, QWidget* parent)
{
    auto* combo = new QComboBox(parent);
    combo->setEditable(editable);
    if (editable) {
        static NarrowComboStyle* narrow = [] {
            auto* style = new NarrowComboStyle(QStyleFactory::create(QApplication::style()->name()));
            style->setParent(QApplication::instance());
            return style;
        }();
        combo->setStyle(narrow);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr);  // what the user types stays as typed
        combo->setEditText(text);
        QObject::connect(combo->lineEdit(), &QLineEdit::textEdited, combo,
                         [number] { PostControlEvent(number, SubtypeChange); });
    }
    QObject::connect(combo, &QComboBox::activated, combo, [number] { PostControlEvent(number, SubtypeChange); });
    return combo;
}

static QWidget* CreateTrackBar(int number, QWidget* parent)
{
    auto* slider = new QSlider(Qt::Horizontal, parent);
    slider->setRange(0, 100);
    slider->setSingleStep(1);
    slider->setPageStep(20);
    slider->setTickPosition(QSlider::TicksBelow);
    slider->setTickInterval(1);
    // The slider applies the action's position right after this signal, before
    // the program takes the event.
    QObject::connect(slider, &QAbstractSlider::actionTriggered, slider,
                     [number] { PostControlEvent(number, SubtypeChange); });
    return slider;
}

static QWidget* CreateTabPanel(int number, QWidget* parent)
{
    auto* tabs = new QTabWidget(parent);
    tabs->tabBar()->setExpanding(false);
    QObject::connect(tabs, &QTabWidget::currentChanged, tabs, [number] { PostControlEvent(number, SubtypeChange); });
    return tabs;
}

static QWidget* CreateHyperlink(const QString& text, QWidget* parent)
{
    auto* link = new QLabel(text, parent);
    link->setTextFormat(Qt::PlainText);
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    link->setCursor(Qt::PointingHandCursor);
    return link;
}

static QWidget* CreateWidget(int number, ControlKind kind, const QString& text, unsigned style, QWidget* parent)
{
    switch (kind) {
    case ControlKind::Frame: {
        auto* frame = new QGroupBox(text, parent);
        // Controls drawn over a frame are its siblings: the frame must not take their clicks.
        frame->setAttribute(Qt::WA_TransparentForMouseEvents);
        return frame;
    }
    case ControlKind::Label: {
        auto* label = new QLabel(text, parent);
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(HorizontalAlignment(style) | Qt::AlignTop);
        label->setWordWrap(true);
        return label;
    }
    case ControlKind::Edit:
        return CreateEdit(number, text, style, parent);
    case ControlKind::DropDown:
        return CreateComboBox(number, text, false, parent);
    case ControlKind::Combo:
        return CreateComboBox(number, text, true, parent);
    case ControlKind::Check: {
        auto* check = new QCheckBox(text, parent);
        QObject::connect(check, &QAbstractButton::clicked, check,
                         [number] { PostControlEvent(number, SubtypeChange); });
        return check;
    }
    case ControlKind::Option: {
        auto* option = new QRadioButton(text, parent);
        QObject::connect(option, &QAbstractButton::clicked, option,
                         [number] { PostControlEvent(number, SubtypeChange); });
        return option;
    }
    case ControlKind::Button: {
        auto* button = new QPushButton(text, parent);
        button->setAutoDefault(false);
        QObject::connect(button, &QAbstractButton::clicked, button,
                         [number] { PostControlEvent(number, SubtypeClick); });
        return button;
    }
    case ControlKind::TrackBar:
        return CreateTrackBar(number, parent);
    case ControlKind::Image: {
        auto* image = new QLabel(parent);
        image->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return image;
    }
    case ControlKind::ListView:
        return CreateListViewWidget(number, parent);
    case ControlKind::TabPanel:
        return CreateTabPanel(number, parent);
    case ControlKind::Hyperlink:
        return CreateHyperlink(text, parent);
    }
    return nullptr;
}

// Consecutive option buttons on one parent form a group, as long as no other
// control is created between them and none asks for a new group.
static void JoinOptionGroup(PlatformWindow& window, PlatformControl& control, QWidget* parent)
{
    auto open = window.openGroups.find(parent);
    if (control.kind != ControlKind::Option) {
        if (open != window.openGroups.end())
            window.openGroups.erase(open);
        return;
    }
    QButtonGroup* group = nullptr;
    if (open != window.openGroups.end() && !(control.style & StyleNewGroup))
        group = open->second;
    if (!group) {
        group = new QButtonGroup(window.frame);
        window.openGroups[parent] = group;
    }
    group->addButton(static_cast<QAbstractButton*>(control.widget));
    control.group = group;
}

bool CreateControl(int window, int control, ControlKind kind, const QString& text, ControlRect where, unsigned style,
                   int tab)
{
    PlatformWindow* w = FindPlatformWindow(window);
    if (!w || ControlExists(control))
        return false;
    QWidget* parent = ParentFor(*w, tab);
    if (!parent)
        return false;
    QWidget* widget = CreateWidget(control, kind, text, style, parent);
    if (!widget)
        return false;
    widget->setGeometry(where.x, where.y, where.w, where.h);
    if (style & StyleDisabled)
        widget->setEnabled(false);
    PlatformControl& c = Platform().controls[control];
    c.number = control;
    c.window = window;
    c.kind = kind;
    c.style = style;
    c.widget = widget;
    c.readOnly = kind == ControlKind::Edit && (style & StyleReadOnly);
    WatchControl(widget, control);
    JoinOptionGroup(*w, c, parent);
    ApplyControlPalette(c);
    if (kind == ControlKind::Button)
        FitText(c);
    widget->show();
    return true;
}

bool ControlExists(int control)
{
    return FindPlatformControl(control) != nullptr;
}

QWidget* ControlWidget(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    return c ? c->widget : nullptr;
}

void SetText(int control, const QString& text)
{
    PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return;
    QWidget* w = c->widget;
    const QSignalBlocker block(w);
    switch (c->kind) {
    case ControlKind::Frame:
        static_cast<QGroupBox*>(w)->setTitle(text);
        break;
    case ControlKind::Label:
        static_cast<QLabel*>(w)->setText(text);
        FitLabelText(static_cast<QLabel*>(w));
        break;
    case ControlKind::Hyperlink:
        static_cast<QLabel*>(w)->setText(text);
        break;
    case ControlKind::Edit: {
        auto* edit = static_cast<QLineEdit*>(w);
        if (DigitsValidator* digits = DigitsOf(edit))
            digits->held = text;
        edit->setText(text);
        break;
    }
    case ControlKind::Combo: {
        auto* combo = static_cast<QComboBox*>(w);
        const QSignalBlocker blockEdit(combo->lineEdit());
        combo->setEditText(text);
        break;
    }
    case ControlKind::DropDown: {
        auto* combo = static_cast<QComboBox*>(w);
        combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
        break;
    }
    case ControlKind::Check:
    case ControlKind::Option:
    case ControlKind::Button:
        static_cast<QAbstractButton*>(w)->setText(text);
        FitText(*c);
        break;
    default:
        break;
    }
}

QString GetText(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return QString();
    QWidget* w = c->widget;
    switch (c->kind) {
    case ControlKind::Frame:
        return static_cast<QGroupBox*>(w)->title();
    case ControlKind::Label:
    case ControlKind::Hyperlink:
        return static_cast<QLabel*>(w)->text();
    case ControlKind::Edit:
        return static_cast<QLineEdit*>(w)->text();
    case ControlKind::Combo:
    case ControlKind::DropDown:
        return static_cast<QComboBox*>(w)->currentText();
    case ControlKind::Check:
    case ControlKind::Option:
    case ControlKind::Button:
        return static_cast<QAbstractButton*>(w)->text();
    default:
        return QString();
    }
}

// Setting an option button on leaves its group with that one on, as a click
// would; setting it off may leave the group with none.
static void SetOptionState(PlatformControl& c, bool on)
{
    auto* option = static_cast<QAbstractButton*>(c.widget);
    if (on || !c.group) {
        option->setChecked(on);
        return;
    }
    c.group->setExclusive(false);
    option->setChecked(false);
    c.group->setExclusive(true);
}

void SetState(int control, int state)
{
    PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return;
    QWidget* w = c->widget;
    const QSignalBlocker block(w);
    switch (c->kind) {
    case ControlKind::Check:
        static_cast<QAbstractButton*>(w)->setChecked(state != 0);
        break;
    case ControlKind::Option:
        SetOptionState(*c, state != 0);
        break;
    case ControlKind::TrackBar:
        static_cast<QSlider*>(w)->setValue(state);
        break;
    case ControlKind::DropDown:
    case ControlKind::Combo: {
        auto* combo = static_cast<QComboBox*>(w);
        const QSignalBlocker blockEdit(combo->lineEdit());
        combo->setCurrentIndex(state >= 0 && state < combo->count() ? state : -1);
        break;
    }
    case ControlKind::TabPanel: {
        auto* tabs = static_cast<QTabWidget*>(w);
        if (state >= 0 && state < tabs->count())
            tabs->setCurrentIndex(state);
        break;
    }
    case ControlKind::ListView:
        SelectListViewRow(*c, state);
        break;
    default:
        break;
    }
}

int GetState(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return 0;
    QWidget* w = c->widget;
    switch (c->kind) {
    case ControlKind::Check:
    case ControlKind::Option:
        return static_cast<QAbstractButton*>(w)->isChecked() ? 1 : 0;
    case ControlKind::TrackBar:
        return static_cast<QSlider*>(w)->sliderPosition();
    case ControlKind::DropDown:
    case ControlKind::Combo:
        return static_cast<QComboBox*>(w)->currentIndex();
    case ControlKind::TabPanel:
        return static_cast<QTabWidget*>(w)->currentIndex();
    case ControlKind::ListView:
        return ListViewSelectedRow(*c);
    default:
        return 0;
    }
}

static QComboBox* ComboOf(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c || (c->kind != ControlKind::DropDown && c->kind != ControlKind::Combo))
        return nullptr;
    return static_cast<QComboBox*>(c->widget);
}

void AddItem(int control, const QString& text)
{
    QComboBox* combo = ComboOf(control);
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    const QSignalBlocker blockEdit(combo->lineEdit());
    // A new item selects nothing and leaves the typed text alone.
    const int index = combo->currentIndex();
    const QString typed = combo->currentText();
    combo->addItem(text);
    if (combo->currentIndex() != index)
        combo->setCurrentIndex(index);
    if (combo->isEditable() && combo->currentText() != typed)
        combo->setEditText(typed);
}

void ClearItems(int control)
{
    if (QComboBox* combo = ComboOf(control)) {
        const QSignalBlocker block(combo);
        const QSignalBlocker blockEdit(combo->lineEdit());
        combo->clear();
    }
}

int CountItems(int control)
{
    QComboBox* combo = ComboOf(control);
    return combo ? combo->count() : 0;
}

QString GetItemText(int control, int item)
{
    QComboBox* combo = ComboOf(control);
    return combo ? combo->itemText(item) : QString();
}

static QSlider* SliderOf(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    return c && c->kind == ControlKind::TrackBar ? static_cast<QSlider*>(c->widget) : nullptr;
}

void SetTrackBar(int control, int minimum, int maximum)
{
    if (QSlider* slider = SliderOf(control)) {
        const QSignalBlocker block(slider);
        slider->setRange(minimum, maximum);
        slider->setPageStep(std::max(1, (maximum - minimum) / 5));
    }
}

void SetTickFrequency(int control, int frequency)
{
    if (QSlider* slider = SliderOf(control))
        slider->setTickInterval(std::max(1, frequency));
}

static QLineEdit* LineEditOf(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return nullptr;
    if (c->kind == ControlKind::Edit)
        return static_cast<QLineEdit*>(c->widget);
    if (c->kind == ControlKind::Combo)
        return static_cast<QComboBox*>(c->widget)->lineEdit();
    return nullptr;
}

void SetMaxLength(int control, int characters)
{
    if (QLineEdit* edit = LineEditOf(control)) {
        if (DigitsValidator* digits = DigitsOf(edit)) {
            digits->capacity = std::max(characters, 0);
            return;
        }
        const QSignalBlocker block(edit);
        edit->setMaxLength(characters > 0 ? characters : 32767);
    }
}

void SetReadOnly(int control, bool readOnly)
{
    PlatformControl* c = FindPlatformControl(control);
    QLineEdit* edit = LineEditOf(control);
    if (!edit)
        return;
    edit->setReadOnly(readOnly);
    if (c->kind == ControlKind::Edit) {
        c->readOnly = readOnly;
        ApplyControlPalette(*c);
    }
}

void SetEnabled(int control, bool enabled)
{
    if (PlatformControl* c = FindPlatformControl(control))
        c->widget->setEnabled(enabled);
}

bool IsEnabled(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    return c && c->widget->isEnabledTo(c->widget->window());
}

void SetVisible(int control, bool visible)
{
    if (PlatformControl* c = FindPlatformControl(control)) {
        c->visible = visible;
        c->widget->setVisible(visible);
        FitLabelsIn(c->widget, c->widget->geometry());
    }
}

bool IsVisible(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    return c && c->visible;
}

void SetTooltip(int control, const QString& text)
{
    if (PlatformControl* c = FindPlatformControl(control))
        c->widget->setToolTip(text);
}

void SetAccessibleName(int control, const QString& name)
{
    if (PlatformControl* c = FindPlatformControl(control))
        c->widget->setAccessibleName(name);
}

void SetFont(int control, int font)
{
    PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return;
    const QFont chosen = PlatformFont(font);
    // The panel's font is that of its captions; its pages keep their own.
    if (c->kind == ControlKind::TabPanel)
        static_cast<QTabWidget*>(c->widget)->tabBar()->setFont(chosen);
    else
        c->widget->setFont(chosen);
    if (c->kind == ControlKind::Label || c->kind == ControlKind::Button) {
        c->widget->setProperty("vqFont", chosen);
        FitText(*c);
    }
}

void SetBackground(int control, int rgb)
{
    if (PlatformControl* c = FindPlatformControl(control)) {
        c->background = rgb < 0 ? -1 : (rgb & 0xFFFFFF);
        ApplyControlPalette(*c);
    }
}

void SetTextColour(int control, int rgb)
{
    if (PlatformControl* c = FindPlatformControl(control)) {
        c->textColour = rgb < 0 ? -1 : (rgb & 0xFFFFFF);
        ApplyControlPalette(*c);
    }
}

void MoveControl(int control, ControlRect where)
{
    PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return;
    const QRect before = c->widget->geometry();
    c->widget->setGeometry(where.x, where.y, where.w, where.h);
    if (c->kind == ControlKind::Button)
        FitText(*c);
    FitLabelsIn(c->widget, before.united(c->widget->geometry()));
}

ControlRect GetControlRect(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return ControlRect();
    const QRect r = c->widget->geometry();
    return ControlRect{r.x(), r.y(), r.width(), r.height()};
}

void SetFocus(int control)
{
    if (PlatformControl* c = FindPlatformControl(control))
        c->widget->setFocus(Qt::OtherFocusReason);
}

bool HasFocus(int control)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c)
        return false;
    const QWidget* focus = QApplication::focusWidget();
    return focus && (focus == c->widget || c->widget->isAncestorOf(focus));
}

void SelectAllText(int control)
{
    if (QLineEdit* edit = LineEditOf(control))
        edit->selectAll();
}

void SetImage(int control, int image)
{
    PlatformControl* c = FindPlatformControl(control);
    if (!c || c->kind != ControlKind::Image)
        return;
    auto* label = static_cast<QLabel*>(c->widget);
    const QImage picture = GetImage(image);
    if (picture.isNull()) {
        label->clear();
        return;
    }
    label->setPixmap(QPixmap::fromImage(picture));
    // An image control created without a size takes the size of its image.
    if (label->width() <= 0 || label->height() <= 0)
        label->resize(picture.size());
}

void AddTab(int control, const QString& caption)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (!c || c->kind != ControlKind::TabPanel)
        return;
    auto* tabs = static_cast<QTabWidget*>(c->widget);
    const QSignalBlocker block(tabs);
    tabs->addTab(new QWidget, caption);
}

void SetTabCaption(int control, int tab, const QString& caption)
{
    const PlatformControl* c = FindPlatformControl(control);
    if (c && c->kind == ControlKind::TabPanel)
        static_cast<QTabWidget*>(c->widget)->setTabText(tab, caption);
}
