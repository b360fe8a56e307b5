#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QStyleOptionButton>
#include <QTabBar>
#include <QTabWidget>

#include "platform/graphics.h"
#include "platform_fixture.h"

using ButtonTest = PlatformTest;

TEST_F(ButtonTest, UserClicksAreChangesForChecksAndOptionsAndClicksForButtons)
{
    QWidget* check = Create(1000, ControlKind::Check, QStringLiteral("Eau"), {10, 10, 60, 20});
    QWidget* option = Create(1001, ControlKind::Option, QStringLiteral("5/10e"), {10, 40, 60, 20});
    QWidget* button = Create(1002, ControlKind::Button, QStringLiteral("Edit"), {10, 70, 60, 20});
    QTest::mouseClick(check, Qt::LeftButton);
    QTest::mouseClick(option, Qt::LeftButton);
    QTest::mouseClick(button, Qt::LeftButton);
    EXPECT_EQ(Events(),
              (std::vector<Event>{ControlEvent(1000, SubtypeChange), ControlEvent(1001, SubtypeChange),
                                  ControlEvent(1002, SubtypeClick)}));
    EXPECT_EQ(GetState(1000), 1);
    EXPECT_EQ(GetState(1001), 1);

    SetState(1000, 0);
    SetState(1001, 0);
    SetText(1002, QStringLiteral("Ajouter"));
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(GetState(1000), 0);
    EXPECT_EQ(GetState(1001), 0);
    EXPECT_EQ(GetText(1002), QStringLiteral("Ajouter"));
}

TEST_F(ButtonTest, ConsecutiveOptionButtonsFormExclusiveGroups)
{
    // Group A: 1000-1002; a label ends it. Group B: 1003-1004. Group C: 1005, which asks for a new group.
    const struct {
        int control;
        ControlKind kind;
        unsigned style;
    } created[] = {
        {1000, ControlKind::Option, 0},
        {1001, ControlKind::Option, 0},
        {1002, ControlKind::Option, 0},
        {1010, ControlKind::Label, 0},
        {1003, ControlKind::Option, 0},
        {1004, ControlKind::Option, 0},
        {1005, ControlKind::Option, StyleNewGroup},
    };
    int y = 0;
    for (const auto& c : created)
        Create(c.control, c.kind, QStringLiteral("o"), {10, y += 22, 60, 20}, c.style);
    SetState(1000, 1);
    SetState(1003, 1);
    SetState(1005, 1);
    QTest::mouseClick(ControlWidget(1001), Qt::LeftButton);
    const std::pair<int, int> afterFirstClick[] = {{1000, 0}, {1001, 1}, {1002, 0}, {1003, 1}, {1004, 0}, {1005, 1}};
    for (auto [control, state] : afterFirstClick)
        EXPECT_EQ(GetState(control), state) << control;
    QTest::mouseClick(ControlWidget(1004), Qt::LeftButton);
    EXPECT_EQ(GetState(1003), 0);
    EXPECT_EQ(GetState(1005), 1);  // its own group
    EXPECT_EQ(GetState(1001), 1);

    SetState(1002, 1);  // the program's setting moves the group's choice too
    EXPECT_EQ(GetState(1001), 0);
    SetState(1002, 0);  // and may leave the group without one
    EXPECT_EQ(GetState(1002), 0);
}

TEST_F(ButtonTest, OptionGroupsDoNotSpanParents)
{
    ASSERT_TRUE(CreateControl(Window, 1000, ControlKind::TabPanel, QString(), {0, 0, 300, 200}));
    AddTab(1000, QStringLiteral("A"));
    AddTab(1000, QStringLiteral("B"));
    ASSERT_TRUE(CreateControl(Window, 1001, ControlKind::Option, QStringLiteral("a"), {5, 5, 50, 20}, 0, 0));
    ASSERT_TRUE(CreateControl(Window, 1002, ControlKind::Option, QStringLiteral("b"), {5, 5, 50, 20}, 0, 1));
    SetState(1001, 1);
    SetState(1002, 1);
    EXPECT_EQ(GetState(1001), 1);
}

TEST_F(ButtonTest, TrackBarStepIsReportedWithTheNewPositionInPlace)
{
    auto* slider = static_cast<QSlider*>(Create(1000, ControlKind::TrackBar, QString(), {10, 10, 200, 30}));
    EXPECT_EQ(slider->tickPosition(), QSlider::TicksBelow);
    EXPECT_EQ(slider->orientation(), Qt::Horizontal);
    SetTrackBar(1000, 1, 10);
    SetTickFrequency(1000, 2);
    EXPECT_EQ(slider->tickInterval(), 2);
    SetState(1000, 4);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(GetState(1000), 4);

    slider->setFocus();
    QTest::keyClick(slider, Qt::Key_Right);
    Event event;
    ASSERT_TRUE(PollWindowEvent(event));
    EXPECT_EQ(event, ControlEvent(1000, SubtypeChange));
    EXPECT_EQ(GetState(1000), 5);  // read when the event is handled
    QTest::keyClick(slider, Qt::Key_End);
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeChange)});
    EXPECT_EQ(GetState(1000), 10);
    SetState(1000, 99);  // kept in range
    EXPECT_EQ(GetState(1000), 10);
}

TEST_F(ButtonTest, HyperlinkIsBlueWithAHandAndClicksLikeAButton)
{
    auto* link =
        static_cast<QLabel*>(Create(1000, ControlKind::Hyperlink, QStringLiteral("Contact"), {10, 10, 100, 20}));
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::RightButton);
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeClick)});
    SetTextColour(1000, 0x102030);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0x10, 0x20, 0x30));
    SetTextColour(1000, -1);
    EXPECT_EQ(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
}

TEST_F(ButtonTest, TabsChangedByTheUserAreReportedAndByTheProgramNot)
{
    auto* tabs = static_cast<QTabWidget*>(Create(1000, ControlKind::TabPanel, QString(), {3, 3, 300, 200}));
    for (const char* caption : {"Eau", "Air", "Evacuations"})
        AddTab(1000, QString::fromLatin1(caption));
    ASSERT_TRUE(CreateControl(Window, 1001, ControlKind::Edit, QString(), {5, 6, 50, 20}, 0, 1));
    EXPECT_FALSE(CreateControl(Window, 1002, ControlKind::Edit, QString(), {5, 6, 50, 20}, 0, 3));
    EXPECT_EQ(ControlWidget(1001)->parentWidget(), tabs->widget(1));
    EXPECT_EQ(ControlWidget(1001)->geometry(), QRect(5, 6, 50, 20));
    EXPECT_TRUE(Events().empty());

    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {}, tabs->tabBar()->tabRect(2).center());
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeChange)});
    EXPECT_EQ(GetState(1000), 2);
    QTest::keyClick(tabs->tabBar(), Qt::Key_Left);
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(1000, SubtypeChange)});
    EXPECT_EQ(GetState(1000), 1);

    SetState(1000, 0);
    SetTabCaption(1000, 2, QStringLiteral("Evac."));
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(tabs->currentIndex(), 0);
    EXPECT_EQ(tabs->tabText(2), QStringLiteral("Evac."));
    // On a hidden page a control still counts as shown.
    EXPECT_TRUE(IsVisible(1001));
    SetVisible(1001, false);
    EXPECT_FALSE(IsVisible(1001));
}

TEST_F(ButtonTest, TextOfEveryCaptionedKindRoundTrips)
{
    const ControlKind kinds[] = {ControlKind::Frame, ControlKind::Label,  ControlKind::Edit,   ControlKind::Combo,
                                 ControlKind::Check, ControlKind::Option, ControlKind::Button, ControlKind::Hyperlink};
    int control = 1000;
    for (ControlKind kind : kinds) {
        Create(control, kind, QStringLiteral("Débit"));
        EXPECT_EQ(GetText(control), QStringLiteral("Débit")) << control;
        SetText(control, QStringLiteral("Ø Ext."));
        EXPECT_EQ(GetText(control), QStringLiteral("Ø Ext.")) << control;
        ++control;
    }
    EXPECT_TRUE(Events().empty());
}

// Under a larger system font a button's caption keeps whole within its face,
// at a smaller size where it must; a caption that fits keeps its font.
TEST_F(ButtonTest, ButtonTextsFitTheirFace)
{
    const QFont system = QApplication::font();
    QFont large = system;
    large.setPointSize(16);
    QApplication::setFont(large);
    Settle();  // the window takes it
    const struct {
        const char* text;
        ControlRect where;
        bool smaller;
    } cases[] = {
        {"Suppr.", {10, 10, 40, 42}, true},
        {"OK", {60, 10, 65, 35}, false},
        {"Suppr.", {10, 60, 200, 42}, false},
    };
    int control = 1000;
    for (const auto& c : cases) {
        auto* button = static_cast<QPushButton*>(Create(control, ControlKind::Button, QStringLiteral("x"), c.where));
        SetFont(control, -1);
        SetText(control++, QString::fromUtf8(c.text));
        QStyleOptionButton option;
        option.initFrom(button);
        const int face = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), face) << c.text << " in " << c.where.w;
        EXPECT_EQ(QFontInfo(button->font()).pixelSize() < QFontInfo(large).pixelSize(), c.smaller) << c.text;
    }
    MoveControl(1000, {10, 10, 200, 42});  // room again: the font's own size
    EXPECT_EQ(QFontInfo(ControlWidget(1000)->font()).pixelSize(), QFontInfo(large).pixelSize());
    QApplication::setFont(system);
}

TEST_F(ButtonTest, LabelsAlignAndFramesLetClicksThrough)
{
    const std::pair<unsigned, Qt::Alignment> cases[] = {
        {StyleAlignLeft, Qt::AlignLeft}, {StyleAlignCentre, Qt::AlignHCenter}, {StyleAlignRight, Qt::AlignRight}};
    int control = 1000;
    for (auto [style, alignment] : cases) {
        auto* label = static_cast<QLabel*>(Create(control++, ControlKind::Label, QStringLiteral("L/h"), {}, style));
        EXPECT_EQ(label->alignment() & Qt::AlignHorizontal_Mask, alignment);
    }
    QWidget* frame = Create(1010, ControlKind::Frame, QStringLiteral("Paramètres"), {0, 0, 200, 100});
    QWidget* inside = Create(1011, ControlKind::Check, QStringLiteral("x"), {10, 20, 60, 20});
    EXPECT_TRUE(frame->testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_EQ(inside->parentWidget(), frame->parentWidget());
}

TEST_F(ButtonTest, StateFlagsGeometryAndTooltip)
{
    QWidget* edit = Create(1000, ControlKind::Edit, QString(), {10, 10, 60, 20}, StyleDisabled);
    EXPECT_FALSE(IsEnabled(1000));
    SetEnabled(1000, true);
    EXPECT_TRUE(IsEnabled(1000));
    SetWindowEnabled(Window, false);
    EXPECT_TRUE(IsEnabled(1000));  // its own state, not the window's
    SetWindowEnabled(Window, true);

    SetVisible(1000, false);
    EXPECT_FALSE(IsVisible(1000));
    EXPECT_FALSE(edit->isVisible());
    SetVisible(1000, true);
    EXPECT_TRUE(edit->isVisible());

    MoveControl(1000, {20, 30, 40, 21});
    const ControlRect r = GetControlRect(1000);
    EXPECT_EQ(QRect(r.x, r.y, r.w, r.h), QRect(20, 30, 40, 21));
    SetTooltip(1000, QStringLiteral("Temp. Aller"));
    EXPECT_EQ(edit->toolTip(), QStringLiteral("Temp. Aller"));
}

TEST_F(ButtonTest, BackgroundAndTextColoursAndFonts)
{
    QWidget* edit = Create(1000, ControlKind::Edit);
    QWidget* label = Create(1001, ControlKind::Label, QStringLiteral("x"));
    const QColor defaultBase = edit->palette().color(QPalette::Base);
    SetBackground(1000, 0x73F1C1);
    SetBackground(1001, 0xFFFF00);
    EXPECT_EQ(edit->palette().color(QPalette::Base), QColor(0x73, 0xF1, 0xC1));
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0x00));
    EXPECT_TRUE(label->autoFillBackground());
    SetBackground(1000, -1);
    SetBackground(1001, -1);
    EXPECT_EQ(edit->palette().color(QPalette::Base), defaultBase);
    EXPECT_FALSE(label->autoFillBackground());
    SetTextColour(1000, 0xFF0000);
    EXPECT_EQ(edit->palette().color(QPalette::Text), QColor(255, 0, 0));

    const int bold = CreateFont(QStringLiteral("Calibri"), 25, FontBold | FontItalic);
    SetFont(1001, bold);
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(label->font().italic());
    EXPECT_EQ(label->font().pointSize(), 25);
    EXPECT_TRUE(label->font().styleStrategy() & QFont::PreferAntialias);
    SetFont(1001, -1);
    EXPECT_EQ(label->font(), QApplication::font());
}

TEST_F(ButtonTest, TabPanelFontIsThatOfItsCaptionsOnly)
{
    auto* tabs = static_cast<QTabWidget*>(Create(1000, ControlKind::TabPanel, QString(), {3, 3, 300, 200}));
    AddTab(1000, QStringLiteral("Eau"));
    ASSERT_TRUE(CreateControl(Window, 1001, ControlKind::TrackBar, QString(), {5, 6, 50, 20}, 0, 0));
    SetFont(1000, CreateFont(QStringLiteral("Calibri"), 9, FontRegular));
    EXPECT_EQ(tabs->tabBar()->font().pointSize(), 9);
    EXPECT_EQ(ControlWidget(1001)->font(), QApplication::font());
}

TEST_F(ButtonTest, ImageControlShowsARegisteredImage)
{
    QImage dot(12, 12, QImage::Format_ARGB32);
    dot.fill(QColor(0, 0, 255));
    RegisterImage(3, dot);
    auto* sized = static_cast<QLabel*>(Create(1000, ControlKind::Image, QString(), {65, 81, 14, 14}));
    auto* unsized = static_cast<QLabel*>(Create(1001, ControlKind::Image, QString(), {10, 15, 0, 0}));
    SetImage(1000, 3);
    SetImage(1001, 3);
    EXPECT_EQ(sized->pixmap().size(), QSize(12, 12));
    EXPECT_EQ(sized->size(), QSize(14, 14));
    EXPECT_EQ(unsized->geometry(), QRect(10, 15, 12, 12));  // sized to the image
    SetImage(1000, 42);                                     // not registered
    EXPECT_TRUE(sized->pixmap().isNull());
}

TEST_F(ButtonTest, UnknownAndDuplicateControlNumbersAreHarmless)
{
    Create(1000, ControlKind::Label, QStringLiteral("x"));
    EXPECT_FALSE(CreateControl(Window, 1000, ControlKind::Edit, QString(), {}));
    EXPECT_EQ(GetText(1000), QStringLiteral("x"));
    const int unknown = 4242;
    SetText(unknown, QStringLiteral("x"));
    SetState(unknown, 1);
    AddItem(unknown, QStringLiteral("x"));
    SetEnabled(unknown, false);
    SetFont(unknown, 0);
    SetBackground(unknown, 0);
    SetFocus(unknown);
    SetImage(unknown, 0);
    AddTab(unknown, QStringLiteral("x"));
    AddColumn(unknown, QStringLiteral("x"), 10);
    EXPECT_EQ(AddRow(unknown, {QStringLiteral("x")}), -1);
    EXPECT_EQ(GetText(unknown), QString());
    EXPECT_EQ(GetState(unknown), 0);
    EXPECT_EQ(CountItems(unknown), 0);
    EXPECT_FALSE(IsEnabled(unknown));
    EXPECT_FALSE(IsVisible(unknown));
    EXPECT_FALSE(HasFocus(unknown));
    EXPECT_EQ(HitTestRow(unknown), -1);
    EXPECT_EQ(ControlWidget(unknown), nullptr);
    // Kinds without items or rows ignore those calls.
    AddItem(1000, QStringLiteral("x"));
    EXPECT_EQ(CountItems(1000), 0);
    EXPECT_EQ(CountRows(1000), 0);
}
