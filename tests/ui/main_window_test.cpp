#include <QAbstractItemView>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QSlider>
#include <QTabBar>
#include <QTest>
#include <QTreeWidget>

#include "main_window_fixture.h"
#include "platform/controls.h"
#include "platform/events.h"
#include "platform/graphics.h"

namespace {

constexpr int H = 1;  // horizontal layout ("AffMode" 1)
constexpr int V = 0;  // vertical layout

struct Placement {
    int control;
    int layout;
    int tab;  // -1: the client area
    const char* className;
    QRect where;
};

// Positions as the window tables give them, for the layout the window is built in.
const Placement BuiltPlacements[] = {
    {MainTabPanel, H, -1, "QTabWidget", {3, 3, 551, 175}},
    {EditLibraryButton, H, 0, "QPushButton", {7, 23, 40, 23}},
    {FlowField, H, 0, "QLineEdit", {221, 24, 70, 20}},
    {LimitBar, H, 0, "QSlider", {60, 110, 330, 30}},
    {PressureDropUnitLabel, H, 0, "QLabel", {503, 117, 30, 15}},
    {WaterResultsFrame, H, 0, "QGroupBox", {393, 5, 148, 140}},
    {AirFlowField, H, 1, "QLineEdit", {135, 20, 70, 20}},
    {AirLimitBar, H, 1, "QSlider", {220, 65, 180, 30}},
    {AirPressureDropField, H, 1, "QLineEdit", {445, 115, 60, 20}},
    {DuctMaterialButton, H, 1, "QPushButton", {10, 113, 70, 25}},
    {FillImageControl, H, 2, "QWidget", {15, 25, 60, 60}},
    {SlopeBar, H, 2, "QSlider", {10, 110, 125, 25}},
    {CapacityList, H, 2, "QAbstractItemView", {248, 20, 280, 92}},
    {DesignFlowField, H, 2, "QLineEdit", {296, 115, 38, 20}},
    {CodeRoughnessLabel, H, 2, "QLabel", {173, 85, 75, 60}},
    {PreferencesFrame, H, 3, "QGroupBox", {5, 5, 160, 140}},
    {WaterTemplateField, H, 3, "QLineEdit", {220, 80, 110, 20}},
    {AboutButton, H, 3, "QPushButton", {465, 125, 75, 20}},
    {MainTabPanel, V, -1, "QTabWidget", {3, 3, 223, 370}},
    {EditLibraryButton, V, 0, "QPushButton", {10, 20, 65, 20}},
    {FlowField, V, 0, "QLineEdit", {42, 185, 70, 20}},
    {LimitBar, V, 0, "QSlider", {0, 133, 216, 30}},
    {PressureDropUnitLabel, V, 0, "QLabel", {161, 322, 43, 15}},
    {OversizingPowerField, V, 0, "QLineEdit", {42, 235, 70, 20}},
    {AirHumidityField, V, 1, "QLineEdit", {165, 74, 40, 20}},
    {ResultSideAField, V, 1, "QLineEdit", {10, 300, 40, 20}},
    {AirSettingsFrame, V, 1, "QGroupBox", {5, 135, 205, 125}},
    {SlopeField, V, 2, "QLineEdit", {165, 80, 30, 20}},
    {CapacityList, V, 2, "QAbstractItemView", {7, 197, 202, 98}},
    {FrequencyList, V, 2, "QComboBox", {165, 297, 42, 20}},
    {FillImageControl, V, 2, "QWidget", {50, 15, 60, 55}},
    {DuctRoughnessField, V, 3, "QLineEdit", {155, 145, 45, 20}},
    {VerticalOption, V, 3, "QRadioButton", {35, 288, 70, 20}},
    {AboutButton, V, 3, "QPushButton", {75, 320, 75, 20}},
};

// Where the live switch puts controls, including the placements it makes on its own.
const Placement SwitchedPlacements[] = {
    {MainTabPanel, V, -1, "QTabWidget", {3, 3, 223, 370}},
    {SizeLabel, V, 0, "QLabel", {17, 285, 30, 15}},
    {DiameterLabel, V, 0, "QLabel", {61, 285, 35, 15}},
    {PressureDropUnitLabel, V, 0, "QLabel", {167, 322, 30, 15}},
    {OversizingPowerField, V, 0, "QLineEdit", {45, 235, 70, 20}},
    {TotalPowerField, V, 0, "QLineEdit", {133, 235, 70, 20}},
    {EditLibraryButton, V, 0, "QPushButton", {10, 20, 65, 20}},
    {AirVelocityLabel, V, 1, "QLabel", {125, 285, 30, 13}},
    {AirPressureDropUnitLabel, V, 1, "QLabel", {176, 322, 30, 13}},
    {AirPressureDropField, V, 1, "QLineEdit", {160, 300, 45, 20}},
    {CapacityList, V, 2, "QAbstractItemView", {7, 197, 202, 98}},
    {FrequencyList, V, 2, "QComboBox", {165, 297, 42, 20}},
    {HorizontalOption, V, 3, "QRadioButton", {115, 288, 80, 20}},
    {MainTabPanel, H, -1, "QTabWidget", {3, 3, 551, 175}},
    {EditLibraryButton, H, 0, "QPushButton", {7, 24, 40, 20}},
    {OversizingPlusLabel, H, 0, "QLabel", {196, 67, 10, 15}},
    {OversizingLabel, H, 0, "QLabel", {186, 77, 37, 15}},
    {LimitLabel, H, 0, "QLabel", {5, 105, 50, 15}},
    {LimitField, H, 0, "QLineEdit", {5, 120, 45, 20}},
    {LimitBar, H, 0, "QSlider", {55, 110, 335, 30}},
    {SizeLabel, H, 0, "QLabel", {400, 27, 37, 15}},
    {AirPressureDropLabel, H, 1, "QLabel", {417, 119, 25, 13}},
    {SlopeBar, H, 2, "QSlider", {10, 110, 125, 25}},
    {CopyWaterOptionCheck, H, 3, "QCheckBox", {180, 80, 40, 20}},
};

// Horizontal-table positions that a switch back to the horizontal layout replaces.
const std::pair<QRect, QRect> SwitchedBack[] = {
    {{7, 23, 40, 23}, {7, 24, 40, 20}},        // button 2
    {{196, 68, 10, 15}, {196, 67, 10, 15}},    // label 23
    {{186, 80, 37, 15}, {186, 77, 37, 15}},    // label 24
    {{5, 105, 55, 15}, {5, 105, 50, 15}},      // label 28
    {{5, 120, 55, 20}, {5, 120, 45, 20}},      // field 29
    {{60, 110, 330, 30}, {55, 110, 335, 30}},  // track bar 30
};

QSize LayoutClientSize(int layout)
{
    return layout == H ? QSize(555, 181) : QSize(227, 376);
}

std::string Describe(const Placement& p)
{
    return "control " + std::to_string(p.control) + (p.layout == H ? " horizontal" : " vertical");
}

QLineEdit* Field(QRect where, int tab = 0)
{
    return qobject_cast<QLineEdit*>(MainWindowTest::WidgetAt(tab, "QLineEdit", where));
}

QTreeWidget* DrainageList(QRect where)
{
    return qobject_cast<QTreeWidget*>(MainWindowTest::WidgetAt(2, "QTreeWidget", where));
}

}  // namespace

TEST_F(MainWindowTest, ControlsSitWhereTheLayoutBuiltPutsThem)
{
    for (int layout : {H, V}) {
        Build(layout);
        EXPECT_EQ(ClientSize(), LayoutClientSize(layout));
        EXPECT_EQ(WindowHandle(MainWindow)->windowTitle(), QStringLiteral("Vorquil III"));
        for (const Placement& p : BuiltPlacements) {
            if (p.layout != layout)
                continue;
            EXPECT_NE(WidgetAt(p.tab, p.className, p.where), nullptr) << Describe(p);
        }
        TearDown();
    }
}

TEST_F(MainWindowTest, SwitchPlacesControlsForTheTargetLayout)
{
    Build(H);
    for (int layout : {V, H}) {
        SwitchLayout(state.window, layout);
        Settle();
        EXPECT_EQ(ClientSize(), LayoutClientSize(layout));
        for (const Placement& p : SwitchedPlacements) {
            if (p.layout != layout)
                continue;
            EXPECT_NE(WidgetAt(p.tab, p.className, p.where), nullptr) << Describe(p);
        }
    }
}

TEST_F(MainWindowTest, SwitchKeepsTheWindowOnTheScreen)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    enum Edge { Right, Bottom, None };  // the edge the frame is brought back to
    struct Case {
        int built;
        QPoint before;  // top left corner of the client area [px]
        Edge edge;
    };
    const Case cases[] = {
        {V, {screen.right() - 237, screen.top() + 50}, Right},     // the horizontal layout is wider
        {H, {screen.left() + 40, screen.bottom() - 191}, Bottom},  // the vertical one is taller
        {H, {screen.left() + 10, screen.top() + 10}, None},        // fits: stays where it is
    };
    for (const Case& c : cases) {
        Build(c.built);
        SetWindowPosition(MainWindow, c.before.x(), c.before.y());
        Settle();
        SwitchLayout(state.window, c.built == H ? V : H);
        Settle();
        const QRect frame = WindowHandle(MainWindow)->frameGeometry();
        const QPoint after = WindowHandle(MainWindow)->geometry().topLeft();
        EXPECT_TRUE(screen.contains(frame)) << c.built << ": " << frame.x() << ", " << frame.y();
        EXPECT_EQ(frame.right() == screen.right(), c.edge == Right) << c.built;
        EXPECT_EQ(frame.bottom() == screen.bottom(), c.edge == Bottom) << c.built;
        EXPECT_EQ(after.x() == c.before.x(), c.edge != Right) << c.built;
        EXPECT_EQ(after.y() == c.before.y(), c.edge != Bottom) << c.built;
        TearDown();
    }
}

TEST_F(MainWindowTest, SwitchingThereAndBackRestoresTheHorizontalTable)
{
    Build(H);
    std::vector<std::pair<QWidget*, QRect>> before;
    for (int tab = 0; tab < 4; ++tab)
        for (QWidget* child : Page(tab)->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            before.push_back({child, child->geometry()});
    ASSERT_GT(before.size(), 100u);

    SwitchLayout(state.window, V);
    Settle();
    SwitchLayout(state.window, H);
    Settle();

    EXPECT_EQ(Tabs()->geometry(), QRect(3, 3, 551, 175));
    int replaced = 0;
    for (const auto& [widget, rect] : before) {
        QRect expected = rect;
        for (const auto& [table, switched] : SwitchedBack)
            if (rect == table) {
                expected = switched;
                ++replaced;
            }
        EXPECT_EQ(widget->geometry(), expected) << widget->metaObject()->className();
    }
    EXPECT_EQ(replaced, 6);
}

TEST_F(MainWindowTest, SwitchChangesCaptionsColumnsAndRoughnessLabelOnly)
{
    Build(H);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QStringLiteral("Rugosité = 0.16"));
    EXPECT_EQ(Tabs()->tabText(2), QStringLiteral("Evacuations"));
    QTreeWidget* list = DrainageList({248, 20, 280, 92});
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->headerItem()->text(1), QStringLiteral("Débit (l/s)"));
    EXPECT_EQ(list->columnWidth(1), 60);

    SwitchLayout(state.window, V);
    Settle();
    EXPECT_EQ(Tabs()->tabText(2), QStringLiteral("Evac."));
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QStringLiteral("Rugo.: 0.16"));
    const char* titles[] = {"DN", "D.(l/s)", "Vit.", "ØInt.", "ØExt."};
    const int widths[] = {28, 40, 35, 39, 39};
    ASSERT_EQ(list->columnCount(), 5);
    for (int column = 0; column < 5; ++column) {
        EXPECT_EQ(list->headerItem()->text(column), QString::fromUtf8(titles[column]));
        EXPECT_EQ(list->columnWidth(column), widths[column]);
    }
    // Texts that differ between the layouts stay those of the layout built.
    EXPECT_EQ(GetText(DiameterLabel), QStringLiteral("Ø Théo."));
    EXPECT_EQ(GetText(DrainageLibraryLabel), QStringLiteral("Nature du tube :"));

    SwitchLayout(state.window, H);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QStringLiteral("Rugosité : 0.16"));
    EXPECT_EQ(list->headerItem()->text(4), QStringLiteral("Ø Ext."));
    EXPECT_EQ(list->columnWidth(4), 45);
}

TEST_F(MainWindowTest, VerticalBuildUsesShortTexts)
{
    Build(V);
    EXPECT_EQ(Tabs()->tabText(2), QStringLiteral("Evac."));
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QStringLiteral("Rugo. 0.16"));
    EXPECT_EQ(GetText(DiameterLabel), QStringLiteral("D.Théo."));
    EXPECT_EQ(GetText(DuctDiameterLabel), QStringLiteral("Diamètre"));
    EXPECT_EQ(GetText(PreferencesFrame), QStringLiteral("Préférences  Générales"));
    QTreeWidget* list = DrainageList({7, 197, 202, 98});
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->headerItem()->text(0), QStringLiteral("DN"));
    EXPECT_EQ(list->columnWidth(0), 28);
}

TEST_F(MainWindowTest, ResultLabelsKeepTheAlignmentOfTheBuiltLayout)
{
    for (int layout : {H, V}) {
        Build(layout);
        auto* diam =
            qobject_cast<QLabel*>(WidgetAt(0, "QLabel", layout == H ? QRect(400, 27, 37, 15) : QRect(10, 285, 43, 15)));
        ASSERT_NE(diam, nullptr);
        const bool centred = diam->alignment() & Qt::AlignHCenter;
        EXPECT_EQ(centred, layout == V);
        SwitchLayout(state.window, layout == H ? V : H);
        EXPECT_EQ(bool(diam->alignment() & Qt::AlignHCenter), centred);
        TearDown();
    }
}

TEST_F(MainWindowTest, TrackBarsGetTheirRangesAndWaterTicksFollowLayoutAndMode)
{
    Build(H);
    auto* water = qobject_cast<QSlider*>(WidgetAt(0, "QSlider", {60, 110, 330, 30}));
    auto* air = qobject_cast<QSlider*>(WidgetAt(1, "QSlider", {220, 65, 180, 30}));
    auto* slope = qobject_cast<QSlider*>(WidgetAt(2, "QSlider", {10, 110, 125, 25}));
    ASSERT_TRUE(water && air && slope);
    EXPECT_EQ(std::make_pair(water->minimum(), water->maximum()), std::make_pair(0, 100));
    EXPECT_EQ(std::make_pair(air->minimum(), air->maximum()), std::make_pair(0, 100));
    EXPECT_EQ(std::make_pair(slope->minimum(), slope->maximum()), std::make_pair(1, 10));
    EXPECT_NE(water->tickPosition(), QSlider::NoTicks);
    EXPECT_EQ(water->tickInterval(), 1);

    for (int mode = 0; mode < 3; ++mode)
        AddItem(WaterModeList, QString::number(mode));
    const struct {
        int mode, layout, interval;
    } cases[] = {{0, V, 2}, {1, V, 1}, {2, V, 2}, {0, H, 1}, {2, H, 1}};
    for (const auto& c : cases) {
        SetState(WaterModeList, c.mode);
        SwitchLayout(state.window, c.layout);
        EXPECT_EQ(water->tickInterval(), c.interval) << "mode " << c.mode << " layout " << c.layout;
    }
}

TEST_F(MainWindowTest, DigitsOnlyFieldsRefuseOtherCharacters)
{
    Build(H);
    const struct {
        int control, tab;
        QRect where;
    } fields[] = {{FlowField, 0, {221, 24, 70, 20}}, {AirTemperatureField, 1, {165, 52, 40, 20}}};
    for (const auto& f : fields) {
        QLineEdit* edit = Field(f.where, f.tab);
        ASSERT_NE(edit, nullptr) << f.control;
        SetText(f.control, QString());
        QTest::keyClicks(edit, "1a.-2");
        EXPECT_EQ(edit->text(), QStringLiteral("12")) << f.control;
        // The program itself may still write anything.
        SetText(f.control, QStringLiteral("-1.5"));
        EXPECT_EQ(edit->text(), QStringLiteral("-1.5")) << f.control;
    }
}

TEST_F(MainWindowTest, AntifreezeStartsDisabled)
{
    Build(V);
    QLineEdit* antifreeze = Field({156, 185, 35, 20});
    QLineEdit* overPower = Field({156, 210, 35, 20});
    ASSERT_TRUE(antifreeze && overPower);
    EXPECT_FALSE(antifreeze->isEnabled());
    EXPECT_TRUE(overPower->isEnabled());
}

TEST_F(MainWindowTest, DigitsFieldsTakeNoMoreThanTheirCapacity)
{
    Build(H);
    const std::pair<int, int> capacities[] = {
        {FlowField, 9},     {PowerField, 9}, {AirFlowField, 9}, {AirTemperatureField, 3}, {AirHumidityField, 3},
        {AltitudeField, 4}, {SideAField, 5}, {SideBField, 5},   {AntifreezeField, 2},     {OversizingField, 2},
    };
    for (auto [control, digits] : capacities) {
        auto* edit = qobject_cast<QLineEdit*>(ControlWidget(control));
        ASSERT_TRUE(edit) << control;
        SetEnabled(control, true);
        SetReadOnly(control, false);
        SetText(control, QString());
        QTest::keyClicks(edit, "12345678901");
        EXPECT_EQ(edit->text(), QStringLiteral("12345678901").left(digits)) << control;
    }
}

TEST_F(MainWindowTest, FontsFollowTheTable)
{
    Build(H);
    const struct {
        int tab;
        const char* className;
        QRect where;
        int points;  // -1: the system font
        bool italic;
    } cases[] = {
        {0, "QGroupBox", {2, 5, 172, 100}, 8, true},     // frame 1, F1
        {0, "QPushButton", {7, 23, 40, 23}, 8, false},   // button 2, F0
        {0, "QLineEdit", {221, 24, 70, 20}, 9, false},   // field 12, F2
        {0, "QLineEdit", {332, 24, 35, 20}, 8, false},   // field 15, F0
        {0, "QSlider", {60, 110, 330, 30}, -1, false},   // track bar 30
        {2, "QGroupBox", {148, 5, 390, 139}, 8, false},  // frame 148, F0
        {3, "QGroupBox", {375, 5, 95, 70}, 8, true},     // frame 310, F1
        {3, "QLineEdit", {220, 80, 110, 20}, 9, false},  // field 306, F2
    };
    for (const auto& c : cases) {
        QWidget* widget = WidgetAt(c.tab, c.className, c.where);
        ASSERT_NE(widget, nullptr) << c.className << " at " << c.where.x() << "," << c.where.y();
        const QFont font = widget->font();
        if (c.points < 0) {
            EXPECT_EQ(font.family(), QApplication::font().family());
            EXPECT_EQ(font.pointSize(), QApplication::font().pointSize());
            continue;
        }
        EXPECT_EQ(font.family(), QStringLiteral("Calibri"));
        EXPECT_EQ(font.pointSize(), c.points) << c.className << " at " << c.where.x();
        EXPECT_EQ(font.italic(), c.italic) << c.className << " at " << c.where.x();
    }
    EXPECT_EQ(Tabs()->tabBar()->font().pointSize(), 9);
    EXPECT_EQ(Tabs()->toolTip(), QStringLiteral("Aide : F1"));
}

TEST_F(MainWindowTest, ShortcutsPostHelpAndInternalDataEvents)
{
    Build(H);
    QWidget* window = WindowHandle(MainWindow);
    window->activateWindow();
    Settle();
    ClearWindowEvents();
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int item;
    } cases[] = {{Qt::Key_F1, Qt::NoModifier, MenuHelp}, {Qt::Key_F12, Qt::ShiftModifier, MenuInternalData}};
    for (const auto& c : cases) {
        QTest::keyClick(Field({221, 24, 70, 20}), c.key, c.modifiers);
        Event event;
        bool found = false;
        while (PollWindowEvent(event))
            if (event.kind == EventKind::Menu && event.item == c.item && event.window == MainWindow)
                found = true;
        EXPECT_TRUE(found) << "menu event " << c.item;
    }
}

TEST_F(MainWindowTest, ImageControlsStartWithTheBlueDotAndTheHalfFilledPipe)
{
    Build(H);
    const struct {
        QRect where;
        int image;
    } cases[] = {{{65, 81, 14, 14}, ImageDotBlue}, {{15, 25, 60, 60}, ImageFillHalf}};
    const int tabs[] = {0, 2};
    for (int i = 0; i < 2; ++i) {
        auto* label = qobject_cast<QLabel*>(WidgetAt(tabs[i], "QLabel", cases[i].where));
        ASSERT_NE(label, nullptr) << cases[i].image;
        const QImage expected = GetImage(cases[i].image);
        const QImage shown = label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), expected.size()) << cases[i].image;
        // Opaque and transparent pixels alike; edge pixels may round through the pixmap.
        int differences = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x) {
                const QRgb want = expected.pixel(x, y);
                if (qAlpha(want) == 255 ? shown.pixel(x, y) != want
                                        : qAlpha(want) == 0 && qAlpha(shown.pixel(x, y)) != 0)
                    ++differences;
            }
        EXPECT_EQ(differences, 0) << cases[i].image;
    }
}

namespace {

// Each label shows its whole text where it shows: within its rectangle, beside
// any control placed over it, one line at least.
TEST_F(MainWindowTest, LabelTextsFitWhereTheyShow)
{
    const struct {
        int built;
        bool switched;
        int control;
        const char* text;  // nullptr: the built text
    } cases[] = {
        {V, false, LimitLabel, "DN Imposé"},          {H, true, LimitLabel, "DN Imposé"},
        {H, true, DrainageLibraryLabel, nullptr},   // "Nature du tube :" beside list 150
        {H, true, DuctDiameterLabel, nullptr},      // "Diamètre Gaine" in 60 px
        {V, false, TheoreticalDuctLabel, nullptr},  // fits as built: unchanged
        {H, false, DesignFlowLabel, nullptr},         {V, true, DesignFlowLabel, nullptr},
        {H, false, DischargeUnitsLabel, nullptr},     {V, true, DischargeUnitsLabel, nullptr},
        {H, false, ChoiceLabel, "74.90 l/s : 100 %"}, {H, false, ChoiceLabel, "Aucun : max 74.90"},
        {V, false, ChoiceLabel, "74.90 l/s : 100 %"}, {V, false, ChoiceLabel, "Aucun : max 74.90"},
    };
    for (const auto& c : cases) {
        Build(c.built);
        if (c.switched)
            SwitchLayout(state.window, 1 - c.built);
        if (c.text)
            SetText(c.control, QString::fromUtf8(c.text));
        Settle();
        auto* label = qobject_cast<QLabel*>(ControlWidget(c.control));
        ASSERT_TRUE(label) << c.control;
        const QFontMetrics metrics = label->fontMetrics();
        const QRect shown = label->contentsRect().translated(label->pos());
        const QRect firstLine(shown.topLeft(), QSize(shown.width(), metrics.height()));
        for (QWidget* other : label->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (!other->isHidden() && !other->inherits("QLabel") && !other->inherits("QGroupBox")) {
                EXPECT_FALSE(other->geometry().intersects(firstLine))
                    << c.control << " under " << other->metaObject()->className();
            }
        }
        const QRect needed = metrics.boundingRect(QRect(0, 0, shown.width(), 1 << 16), Qt::TextWordWrap, label->text());
        EXPECT_LE(needed.width(), shown.width()) << c.control;
        EXPECT_LE(needed.height(), std::max(shown.height(), metrics.height() + 1)) << c.control;
        if (!c.switched && !c.text) {
            EXPECT_EQ(label->font().pointSize(), 8) << c.control;
        }
        TearDown();
    }
}

// Controls added to existing pages lie inside their frame (if any) and over no
// other control, in both layouts, as built and after a switch; a control
// without a frame lies inside its page and over no frame either.
TEST_F(MainWindowTest, AddedControlsOverlapNothing)
{
    const struct {
        int control, frame;  // frame -1: none
    } added[] = {
        {DesignFlowLabel, DrainageResultsFrame},     {DesignFlowField, DrainageResultsFrame},
        {DischargeUnitsLabel, DrainageResultsFrame}, {DischargeUnitsField, DrainageResultsFrame},
        {FrequencyList, DrainageResultsFrame},       {ChoiceLabel, DrainageResultsFrame},
        {CopyDrainageCheck, DrainageResultsFrame},   {NetworkButton, -1},
    };
    for (int built : {H, V})
        for (bool switched : {false, true}) {
            Build(built);
            if (switched)
                SwitchLayout(state.window, 1 - built);
            Settle();
            for (const auto& a : added) {
                const QWidget* widget = ControlWidget(a.control);
                ASSERT_NE(widget, nullptr) << a.control;
                const QRect inside = a.frame >= 0 ? ControlWidget(a.frame)->geometry().adjusted(2, 12, -2, -2)
                                                  : widget->parentWidget()->rect();
                EXPECT_TRUE(inside.contains(widget->geometry())) << a.control << " built " << built << " " << switched;
                for (QWidget* other : widget->parentWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                    if (other != widget && (a.frame < 0 || !other->inherits("QGroupBox"))) {
                        EXPECT_FALSE(other->geometry().intersects(widget->geometry()))
                            << a.control << " over " << other->metaObject()->className() << " built " << built << " "
                            << switched;
                    }
                }
            }
            TearDown();
        }
}

}  // namespace
