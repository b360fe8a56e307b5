#include <QCursor>
#include <QHeaderView>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTreeWidget>

#include "platform_fixture.h"

// A list of three sizes with four columns, as the library editor builds it.
class ListViewTest : public PlatformTest {
protected:
    static constexpr int List = 1000;
    QTreeWidget* tree = nullptr;

    void Build(unsigned style)
    {
        tree = static_cast<QTreeWidget*>(Create(List, ControlKind::ListView, QString(), {5, 5, 270, 200}, style));
        AddColumn(List, QStringLiteral("Nom"), 95);
        AddColumn(List, QStringLiteral("Ø Ext."), 50, ColumnRight);
        AddColumn(List, QStringLiteral("Epais."), 45, ColumnRight);
        AddColumn(List, QStringLiteral("Ø Int."), 50, ColumnCentre);
        AddRow(List,
               {QStringLiteral("12x14"), QStringLiteral("14.00"), QStringLiteral("1.00"), QStringLiteral("12.00")},
               true);
        AddRow(List,
               {QStringLiteral("16x18"), QStringLiteral("18.00"), QStringLiteral("1.00"), QStringLiteral("16.00")},
               false);
        AddRow(List,
               {QStringLiteral("20x22"), QStringLiteral("22.00"), QStringLiteral("1.00"), QStringLiteral("20.00")},
               true);
        Settle();
        Events();
    }

    QPoint RowCentre(int row) const { return tree->visualItemRect(tree->topLevelItem(row)).center(); }

    QPoint CheckBoxOf(int row) const
    {
        QStyleOptionViewItem option;
        option.initFrom(tree);
        option.rect = tree->visualItemRect(tree->topLevelItem(row));
        option.features = QStyleOptionViewItem::HasCheckIndicator;
        return tree->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, tree).center();
    }
};

TEST_F(ListViewTest, ColumnsAndRowsAsWritten)
{
    Build(StyleRowChecks);
    EXPECT_EQ(CountColumns(List), 4);
    EXPECT_EQ(CountRows(List), 3);
    EXPECT_EQ(tree->headerItem()->text(1), QStringLiteral("Ø Ext."));
    EXPECT_EQ(tree->columnWidth(0), 95);
    EXPECT_EQ(tree->columnWidth(3), 50);
    EXPECT_EQ(GetCellText(List, 1, 0), QStringLiteral("16x18"));
    EXPECT_EQ(GetCellText(List, 2, 3), QStringLiteral("20.00"));
    EXPECT_EQ(GetCellText(List, 3, 0), QString());
    EXPECT_EQ(tree->topLevelItem(0)->textAlignment(1) & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(tree->topLevelItem(0)->textAlignment(3) & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_FALSE(tree->rootIsDecorated());
    EXPECT_EQ(tree->selectionBehavior(), QAbstractItemView::SelectRows);
    EXPECT_EQ(tree->selectionMode(), QAbstractItemView::SingleSelection);
    const int rowHeight = tree->visualItemRect(tree->topLevelItem(0)).height();
    EXPECT_GE(rowHeight, 16);
    EXPECT_LE(rowHeight, 17);

    SetColumn(List, 1, QStringLiteral("ØExt."), 39);
    EXPECT_EQ(tree->headerItem()->text(1), QStringLiteral("ØExt."));
    EXPECT_EQ(tree->columnWidth(1), 39);
    EXPECT_EQ(CountRows(List), 3);  // retitling keeps the rows
    ClearRows(List);
    EXPECT_EQ(CountRows(List), 0);
    EXPECT_EQ(CountColumns(List), 4);
    EXPECT_TRUE(Events().empty());
}

TEST_F(ListViewTest, UserTogglesOfRowChecksAreReportedAndProgramWritesNot)
{
    Build(StyleRowChecks);
    EXPECT_TRUE(IsRowChecked(List, 0));
    EXPECT_FALSE(IsRowChecked(List, 1));
    SetRowChecked(List, 1, true);
    SetRowChecked(List, 0, false);
    EXPECT_TRUE(Events().empty());
    EXPECT_TRUE(IsRowChecked(List, 1));

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, CheckBoxOf(2));
    EXPECT_FALSE(IsRowChecked(List, 2));
    std::vector<Event> events = Events();
    EXPECT_NE(std::find(events.begin(), events.end(), ControlEvent(List, SubtypeChange, 2)), events.end());

    // From the keyboard: the space bar on the current row.
    tree->setFocus();
    SetState(List, 1);
    Events();
    QTest::keyClick(tree->viewport(), Qt::Key_Space);
    EXPECT_FALSE(IsRowChecked(List, 1));
    events = Events();
    EXPECT_NE(std::find(events.begin(), events.end(), ControlEvent(List, SubtypeChange, 1)), events.end());
}

TEST_F(ListViewTest, RowsWithoutTheStyleHaveNoCheckBox)
{
    Build(0);
    EXPECT_FALSE(tree->topLevelItem(0)->flags() & Qt::ItemIsUserCheckable);
    EXPECT_FALSE(tree->topLevelItem(0)->data(0, Qt::CheckStateRole).isValid());
    SetRowChecked(List, 0, true);
    EXPECT_FALSE(IsRowChecked(List, 0));
}

TEST_F(ListViewTest, SelectionByTheUserIsAClickAndByTheProgramNothing)
{
    Build(StyleRowChecks);
    EXPECT_EQ(GetState(List), -1);
    SetState(List, 1);
    EXPECT_EQ(GetState(List), 1);
    SetState(List, -1);
    EXPECT_EQ(GetState(List), -1);
    EXPECT_TRUE(Events().empty());

    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, RowCentre(2));
    EXPECT_EQ(GetState(List), 2);
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(List, SubtypeClick, 2)});
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, RowCentre(2));  // again: still a click
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(List, SubtypeClick, 2)});
    QTest::keyClick(tree->viewport(), Qt::Key_Up);
    EXPECT_EQ(GetState(List), 1);
    EXPECT_EQ(Events(), std::vector<Event>{ControlEvent(List, SubtypeClick, 1)});
}

TEST_F(ListViewTest, ColumnBackgroundCoversEveryRowPresentAndFuture)
{
    Build(0);
    SetColumnBackground(List, 1, 0xCEE6EB);
    SetColumnBackground(List, 2, 0xEFDADA);
    AddRow(List, {QStringLiteral("25x28"), QStringLiteral("28.00")});
    for (int row = 0; row < CountRows(List); ++row) {
        EXPECT_EQ(tree->topLevelItem(row)->background(1).color(), QColor(206, 230, 235)) << row;
        EXPECT_EQ(tree->topLevelItem(row)->background(2).color(), QColor(239, 218, 218)) << row;
        EXPECT_EQ(tree->topLevelItem(row)->background(0).style(), Qt::NoBrush) << row;
    }
    SetColumnBackground(List, 1, -1);
    EXPECT_EQ(tree->topLevelItem(0)->background(1).style(), Qt::NoBrush);
    SetColumnBackground(List, 9, 0xFF0000);  // no such column
    EXPECT_TRUE(Events().empty());
}

TEST_F(ListViewTest, HitTestFindsTheRowUnderTheMousePointer)
{
    Build(StyleRowChecks);
    const auto pointAt = [this](QPoint inViewport) { QCursor::setPos(tree->viewport()->mapToGlobal(inViewport)); };
    for (int row = 0; row < 3; ++row) {
        pointAt(RowCentre(row));
        EXPECT_EQ(HitTestRow(List), row);
    }
    pointAt(RowCentre(2) + QPoint(0, 40));  // below the last row
    EXPECT_EQ(HitTestRow(List), -1);
    pointAt(QPoint(-20, RowCentre(0).y()));  // beside the list
    EXPECT_EQ(HitTestRow(List), -1);
}

TEST_F(ListViewTest, SelectionStaysVisibleWithoutFocusOnlyWhenAsked)
{
    Build(StyleRowChecks | StyleKeepSelection);
    QWidget* plain = Create(1001, ControlKind::ListView, QString(), {5, 210, 100, 80});
    const QPalette kept = tree->palette();
    const QPalette hidden = plain->palette();
    EXPECT_NE(kept.color(QPalette::Inactive, QPalette::Highlight), kept.color(QPalette::Inactive, QPalette::Base));
    EXPECT_EQ(hidden.color(QPalette::Inactive, QPalette::Highlight), hidden.color(QPalette::Inactive, QPalette::Base));
    EXPECT_EQ(hidden.color(QPalette::Active, QPalette::Highlight), kept.color(QPalette::Active, QPalette::Highlight));
}
