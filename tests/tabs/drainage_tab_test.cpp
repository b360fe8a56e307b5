#include <QCheckBox>
#include <QComboBox>
#include <QRadioButton>
#include <QSlider>
#include <QTest>
#include <QTreeWidget>
#include <vector>

#include "engines/drainage_texts.h"
#include "platform/colour_contrast.h"
#include "water_tab_fixture.h"

namespace {

PipeSize Drain(const char* name, float inside, float outside, bool active = true)
{
    PipeSize s;
    s.active = active ? 1 : 0;
    s.name = QString::fromUtf8(name);
    s.insideDiameter = inside;    // [mm]
    s.outsideDiameter = outside;  // [mm]
    s.thickness = (outside - inside) / 2.0f;
    return s;
}

PipeLibrary DrainLibrary(const char* name, std::vector<PipeSize> sizes)
{
    PipeLibrary lib;
    lib.name = QString::fromUtf8(name);
    lib.symbol = QString::fromUtf8("Ø");
    lib.roughness = 0.007f;  // [mm] not used by the drainage tab
    lib.sizes = std::move(sizes);
    return lib;
}

// The window as start-up leaves it, with drainage libraries in their loaded
// (sorted) order: a nameless file first, two files named "PVC".
class DrainageTabTest : public WaterTabTest {
protected:
    void SetUp() override
    {
        WaterTabTest::SetUp();
        Settings& s = state.domain.settings;
        s.FillType = 0;
        s.Pente = 4;
        s.EvacType = "PVC";
        s.ConformDTU = 1;
        state.domain.drainageLibraries = {
            DrainLibrary("", {Drain("sans nom", 50.0f, 55.0f)}),
            DrainLibrary("FONTE SMU", {Drain("50", 51.0f, 58.0f), Drain("100", 103.0f, 110.0f)}),
            DrainLibrary("PP", {Drain("32", 0.0f, 32.0f), Drain("40", 36.4f, 40.0f)}),
            DrainLibrary("PVC",
                         {Drain("40", 34.0f, 40.0f), Drain("63", 57.0f, 63.0f, false), Drain("100", 100.0f, 110.0f)}),
            DrainLibrary("PVC", {Drain("200", 190.2f, 200.0f)}),
            DrainLibrary("Vide", {}),
        };
    }

    void StartOnDrainageTab()
    {
        Start();
        SetState(MainTabPanel, 2);
    }

    static std::vector<QStringList> Rows()
    {
        std::vector<QStringList> rows;
        for (int r = 0; r < CountRows(CapacityList); ++r) {
            QStringList cells;
            for (int c = 0; c < 5; ++c)
                cells << GetCellText(CapacityList, r, c);
            rows.push_back(cells);
        }
        return rows;
    }

    // Which fill image control 142 shows: 0 or 1, -1 neither.
    static int FillShown()
    {
        auto* label = qobject_cast<QLabel*>(ControlWidget(FillImageControl));
        if (!label)
            return -1;
        const QImage shown = label->pixmap().toImage();
        for (int image : {ImageFillHalf, ImageFillSevenTenths})
            if (!shown.isNull() && QPixmap::fromImage(GetImage(image)).toImage() == shown)
                return image;
        return -1;
    }

    static void Click(int control)
    {
        QWidget* w = ControlWidget(control);
        ASSERT_NE(w, nullptr);
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
    }

    static void Key(int control, Qt::Key key)
    {
        ControlWidget(control)->setFocus();
        QTest::keyClick(ControlWidget(control), key);
    }
};

const QStringList Pvc40 = {"40", "0.19", "0.41", "34.0", "40.0"};
const QStringList Pvc63 = {"63", "0.80", "0.63", "57.0", "63.0"};
const QStringList Pvc100 = {"100", "3.80", "0.97", "100.0", "110.0"};

TEST_F(DrainageTabTest, OpensWithTheStoredDrainageSettingsAndTheTable)
{
    StartOnDrainageTab();
    ASSERT_EQ(CountItems(DrainageLibraryList), 6);
    const char* names[] = {"", "FONTE SMU", "PP", "PVC", "PVC", "Vide"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(GetItemText(DrainageLibraryList, i), names[i]);
    EXPECT_EQ(GetState(DrainageLibraryList), 3);
    EXPECT_EQ(GetState(HalfFillOption), 1);
    EXPECT_EQ(GetState(SevenTenthsFillOption), 0);
    EXPECT_EQ(FillShown(), ImageFillHalf);
    auto* slider = qobject_cast<QSlider*>(ControlWidget(SlopeBar));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->minimum(), 1);
    EXPECT_EQ(slider->maximum(), 10);
    EXPECT_EQ(GetState(SlopeBar), 4);
    EXPECT_EQ(GetText(SlopeField), "2.0");
    EXPECT_EQ(GetState(CodeRoughnessCheck), 1);
    EXPECT_TRUE(IsEnabled(CodeRoughnessCheck));
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.16");
    // Every size in the library's order, the inactive one too.
    EXPECT_EQ(Rows(), std::vector<QStringList>({Pvc40, Pvc63, Pvc100}));

    auto* tree = qobject_cast<QTreeWidget*>(ControlWidget(CapacityList));
    ASSERT_NE(tree, nullptr);
    for (int r = 0; r < tree->topLevelItemCount(); ++r) {
        const QTreeWidgetItem* row = tree->topLevelItem(r);
        EXPECT_EQ(row->background(1).color(), QColor(206, 230, 235)) << r;
        EXPECT_EQ(row->background(2).color(), QColor(239, 218, 218)) << r;
        for (int c : {0, 3, 4})
            EXPECT_EQ(row->data(c, Qt::BackgroundRole), QVariant()) << r << " " << c;
    }
}

TEST_F(DrainageTabTest, FillRatioSwitchesTheImageAndTheFlowColumnsOnly)
{
    StartOnDrainageTab();
    const std::vector<QStringList> half = Rows();
    Click(SevenTenthsFillOption);
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.FillType, 1);
    EXPECT_EQ(FillShown(), ImageFillSevenTenths);
    const std::vector<QStringList> seven = Rows();
    ASSERT_EQ(seven.size(), half.size());
    EXPECT_EQ(seven[2], QStringList({"100", "6.44", "1.10", "100.0", "110.0"}));
    for (size_t r = 0; r < seven.size(); ++r) {
        for (int c : {0, 3, 4})
            EXPECT_EQ(seven[r][c], half[r][c]) << r;
        for (int c : {1, 2})
            EXPECT_NE(seven[r][c], half[r][c]) << r;
    }

    Click(HalfFillOption);
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.FillType, 0);
    EXPECT_EQ(FillShown(), ImageFillHalf);
    EXPECT_EQ(Rows(), half);
}

TEST_F(DrainageTabTest, SlopeTrackBarRunsFromHalfToFiveCentimetresPerMetre)
{
    StartOnDrainageTab();
    Key(SlopeBar, Qt::Key_Home);
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.Pente, 1);
    EXPECT_EQ(GetText(SlopeField), "0.5");
    EXPECT_EQ(Rows()[2], QStringList({"100", "1.90", "0.48", "100.0", "110.0"}));

    Key(SlopeBar, Qt::Key_End);
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.Pente, 10);
    EXPECT_EQ(GetText(SlopeField), "5.0");
    EXPECT_EQ(Rows()[2], QStringList({"100", "6.00", "1.53", "100.0", "110.0"}));

    Key(SlopeBar, Qt::Key_Left);  // an odd position: 4.5 cm/m
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.Pente, 9);
    EXPECT_EQ(GetText(SlopeField), "4.5");
    EXPECT_EQ(Rows()[0][0], "40");
}

TEST_F(DrainageTabTest, TypingInTheSlopeFieldChangesNothing)
{
    StartOnDrainageTab();
    const std::vector<QStringList> before = Rows();
    // The keys do not reach the text: it shows the track bar's slope only.
    ControlWidget(SlopeField)->setFocus();
    QTest::keyClick(ControlWidget(SlopeField), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(ControlWidget(SlopeField), "3.5");
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(SlopeField), "2.0");
    Type(SlopeField, "4.0");
    EXPECT_EQ(state.domain.settings.Pente, 4);
    EXPECT_EQ(Rows(), before);
}

TEST_F(DrainageTabTest, CodeRoughnessIsImposedOnlyForCastIron)
{
    state.domain.settings.ConformDTU = 0;
    StartOnDrainageTab();
    EXPECT_EQ(GetState(CodeRoughnessCheck), 0);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.06");
    EXPECT_EQ(Rows()[2], QStringList({"100", "5.54", "1.41", "100.0", "110.0"}));

    Key(DrainageLibraryList, Qt::Key_Up);
    Key(DrainageLibraryList, Qt::Key_Up);  // from "PVC" over "PP" to "FONTE SMU"
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.EvacType, "FONTE SMU");
    EXPECT_FALSE(IsEnabled(CodeRoughnessCheck));
    EXPECT_EQ(GetState(CodeRoughnessCheck), 0);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.16");
    EXPECT_EQ(
        Rows(),
        std::vector<QStringList>({{"50", "0.59", "0.57", "51.0", "58.0"}, {"100", "4.12", "0.99", "103.0", "110.0"}}));

    Pick(DrainageLibraryList, 3);
    EXPECT_EQ(state.domain.settings.EvacType, "PVC");
    EXPECT_TRUE(IsEnabled(CodeRoughnessCheck));
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.06");
    EXPECT_EQ(Rows()[2][1], "5.54");

    Click(CodeRoughnessCheck);
    DeliverQueuedEvents();
    EXPECT_EQ(state.domain.settings.ConformDTU, 1);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.16");
    EXPECT_EQ(Rows()[2], Pvc100);
}

TEST_F(DrainageTabTest, RoughnessLabelInBothLayoutsAndAcrossASwitch)
{
    state.domain.settings.AffMode = 1;
    state.domain.settings.ConformDTU = 0;
    StartOnDrainageTab();
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QString::fromUtf8("Rugosité : 0.06"));
    Click(CodeRoughnessCheck);
    DeliverQueuedEvents();
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QString::fromUtf8("Rugosité : 0.16"));

    Pick(VerticalOption, 1);  // vertical
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.16");
    Pick(CodeRoughnessCheck, 0);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.06");
    Pick(HorizontalOption, 1);  // horizontal again
    EXPECT_EQ(GetText(DrainageRoughnessLabel), QString::fromUtf8("Rugosité : 0.06"));
    EXPECT_EQ(Rows()[2][1], "5.54");  // a switch does not rebuild the rows
}

TEST_F(DrainageTabTest, OnlyTheFirstLibraryOfAName)
{
    StartOnDrainageTab();
    Pick(DrainageLibraryList, 4);  // the second "PVC"
    EXPECT_EQ(Rows(), std::vector<QStringList>({Pvc40, Pvc63, Pvc100}));
}

TEST_F(DrainageTabTest, LibraryWithoutSizesGivesAnEmptyTable)
{
    StartOnDrainageTab();
    Pick(DrainageLibraryList, 5);
    EXPECT_EQ(state.domain.settings.EvacType, "Vide");
    EXPECT_EQ(CountRows(CapacityList), 0);
    Pick(SlopeBar, 6);
    EXPECT_EQ(GetText(SlopeField), "3.0");
    EXPECT_EQ(CountRows(CapacityList), 0);
    Pick(DrainageLibraryList, 3);
    EXPECT_EQ(CountRows(CapacityList), 3);
}

TEST_F(DrainageTabTest, SizeWithoutInsideDiameterHasNoCapacity)
{
    state.domain.settings.EvacType = "PP";
    StartOnDrainageTab();
    EXPECT_EQ(Rows(),
              std::vector<QStringList>({{"32", "N/A", "N/A", "0.0", "32.0"}, {"40", "0.23", "0.44", "36.4", "40.0"}}));
}

TEST_F(DrainageTabTest, NamelessLibraryIsShownWhenPicked)
{
    StartOnDrainageTab();
    Pick(DrainageLibraryList, 0);
    EXPECT_EQ(state.domain.settings.EvacType, "");
    EXPECT_EQ(Rows(), std::vector<QStringList>({{"sans nom", "0.56", "0.57", "50.0", "55.0"}}));
}

// Stored values the window cannot show as they are.
TEST_F(DrainageTabTest, OddStoredSettings)
{
    struct Case {
        const char* what;
        int fillType, pente;
        const char* evacType;
        int conform;
        int option;  // the option button selected
        int image;
        int position;  // of track bar 147
        const char* slope;
        int listed;  // index selected in 150
        const char* label;
        bool checkEnabled;
        int rows;
    };
    const Case cases[] = {
        // The empty name is that of the file without header group.
        {"no setting at all", 0, 0, "", 0, HalfFillOption, 0, 1, "0.5", 0, "Rugo.: 0.06", true, 1},
        {"fill type other than 0", 3, 4, "PVC", 1, SevenTenthsFillOption, 1, 4, "2.0", 3, "Rugo.: 0.16", true, 3},
        {"slope beyond the bar", 0, 25, "PVC", 1, HalfFillOption, 0, 10, "5.0", 3, "Rugo.: 0.16", true, 3},
        {"negative slope", 0, -3, "PVC", 1, HalfFillOption, 0, 1, "0.5", 3, "Rugo.: 0.16", true, 3},
        {"library no longer there", 0, 4, "Fonte", 0, HalfFillOption, 0, 4, "2.0", -1, "Rugo.: 0.06", true, 0},
        {"name in another case", 0, 4, "pvc", 1, HalfFillOption, 0, 4, "2.0", -1, "Rugo.: 0.16", true, 0},
        {"code roughness stored as 5", 0, 4, "PVC", 5, HalfFillOption, 0, 4, "2.0", 3, "Rugo.: 0.16", true, 3},
        {"cast iron, box unticked", 0, 4, "FONTE SMU", 0, HalfFillOption, 0, 4, "2.0", 1, "Rugo.: 0.16", false, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TearDown();
        Settings& s = state.domain.settings;
        s.FillType = static_cast<int8_t>(c.fillType);
        s.Pente = static_cast<int8_t>(c.pente);
        s.EvacType = c.evacType;
        s.ConformDTU = static_cast<int8_t>(c.conform);
        StartOnDrainageTab();
        EXPECT_EQ(GetState(c.option), 1);
        EXPECT_EQ(FillShown(), c.image);
        EXPECT_EQ(GetState(SlopeBar), c.position);
        EXPECT_EQ(s.Pente, c.position);
        EXPECT_EQ(GetText(SlopeField), c.slope);
        EXPECT_EQ(GetState(DrainageLibraryList), c.listed);
        EXPECT_EQ(GetState(CodeRoughnessCheck), c.conform != 0 ? 1 : 0);
        EXPECT_EQ(GetText(DrainageRoughnessLabel), c.label);
        EXPECT_EQ(IsEnabled(CodeRoughnessCheck), c.checkEnabled);
        EXPECT_EQ(CountRows(CapacityList), c.rows);
    }
}

TEST_F(DrainageTabTest, WithoutAnyDrainageLibrary)
{
    state.domain.drainageLibraries.clear();
    StartOnDrainageTab();
    EXPECT_EQ(CountItems(DrainageLibraryList), 0);
    EXPECT_EQ(GetState(DrainageLibraryList), -1);
    EXPECT_EQ(GetText(DrainageRoughnessLabel), "Rugo.: 0.16");
    for (int control : {SevenTenthsFillOption, HalfFillOption, CodeRoughnessCheck})
        Pick(control, GetState(control) == 1 ? 0 : 1);
    Pick(SlopeBar, 7);
    EXPECT_EQ(GetText(SlopeField), "3.5");
    EXPECT_EQ(CountRows(CapacityList), 0);
    EXPECT_EQ(state.domain.settings.EvacType, "PVC");
}

// What the flow field, the discharge units and K choose in the PVC library
// above (capacities 0.19, 0.80 inactive, 3.80 l/s), one user action a row.
TEST_F(DrainageTabTest, TheFlowChoosesTheRowAndTheLabelTellsItsShare)
{
    state.domain.drainageLibraries[3].abbreviation = "PVC";
    StartOnDrainageTab();
    EXPECT_EQ(GetItemText(FrequencyList, 3), "1.2");
    EXPECT_TRUE(ControlWidget(FrequencyList)->toolTip().contains(QString::fromUtf8("K = 0.7 : hôpitaux")));
    EXPECT_EQ(GetState(CapacityList), -1);
    EXPECT_EQ(GetText(ChoiceLabel), "");
    Pick(CopyDrainageCheck, 1);
    const struct {
        int control;
        const char* text;  // typed; for list 159 the index picked
        const char* flow;  // field 156 after it
        int row;           // selected, -1 none
        const char* label;
        const char* clipboard;
    } cases[] = {
        {DesignFlowField, "0,1", "0,1", 0, "0.19 l/s : 53 %", "0.10l/s-PVC.Ø40"},
        {DesignFlowField, "0.5", "0.5", 2, "3.80 l/s : 13 %", "0.50l/s-PVC.Ø100"},  // not the inactive 63
        {DesignFlowField, "5", "5", -1, "Aucun : max 3.80", "0.50l/s-PVC.Ø100"},
        {DischargeUnitsField, "24", "2.45", 2, "3.80 l/s : 65 %", "2.45l/s-PVC.Ø100"},
        {FrequencyList, "3", "5.88", -1, "Aucun : max 3.80", "2.45l/s-PVC.Ø100"},
        {FrequencyList, "0", "2.45", 2, "3.80 l/s : 65 %", "2.45l/s-PVC.Ø100"},
        {DesignFlowField, "abc", "abc", -1, "", "2.45l/s-PVC.Ø100"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        if (c.control == FrequencyList)
            Pick(FrequencyList, QString::fromUtf8(c.text).toInt());
        else
            Type(c.control, QString::fromUtf8(c.text));
        EXPECT_EQ(GetText(DesignFlowField), c.flow);
        EXPECT_EQ(GetState(CapacityList), c.row);
        EXPECT_EQ(GetText(ChoiceLabel), QString::fromUtf8(c.label));
        EXPECT_EQ(GetClipboardText(), QString::fromUtf8(c.clipboard));
    }
    EXPECT_EQ(GetText(DischargeUnitsField), "");  // a typed flow is no longer the units' flow
    Pick(CopyDrainageCheck, 0);
    Type(DesignFlowField, "0.1");
    EXPECT_EQ(GetState(CapacityList), 0);
    EXPECT_EQ(GetClipboardText(), QString::fromUtf8("2.45l/s-PVC.Ø100"));
}

// The chosen row is the selection, amber with black text focused or not, under
// a light and a dark palette alike: 4.5 : 1 at least.
TEST_F(DrainageTabTest, TheChosenRowReadsInLightAndDarkPalettes)
{
    const QPalette light = QApplication::palette();
    QPalette dark = light;
    for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        dark.setColor(group, QPalette::Base, QColor(30, 30, 30));
        dark.setColor(group, QPalette::Text, QColor(230, 230, 230));
        dark.setColor(group, QPalette::Highlight, QColor(40, 80, 160));
        dark.setColor(group, QPalette::HighlightedText, QColor(255, 255, 255));
    }
    for (const QPalette& palette : {light, dark}) {
        QApplication::setPalette(palette);
        StartOnDrainageTab();
        Type(DesignFlowField, "2");
        EXPECT_EQ(GetState(CapacityList), 2);
        const QPalette shown = ControlWidget(CapacityList)->palette();
        for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
            const QColor back = shown.color(group, QPalette::Highlight);
            const QColor text = shown.color(group, QPalette::HighlightedText);
            EXPECT_EQ(back, QColor(255, 217, 102)) << group;
            EXPECT_GE(ContrastRatio(int(back.rgb() & 0xFFFFFF), int(text.rgb() & 0xFFFFFF)), 4.5) << group;
        }
        TearDown();
    }
    QApplication::setPalette(light);
}

}  // namespace
