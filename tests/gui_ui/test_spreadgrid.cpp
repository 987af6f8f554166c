// The spreadsheet grid the windows' sheets are made of: number cells and what
// the user may enter in them, typing, the clipboard, Delete, block properties,
// the header rows and grids of many rows.

#include "support/GuiTestSupport.h"
#include "ui/SpreadGrid.h"
#include "ui/SpreadHeaderView.h"
#include "ui/SpreadModel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>

using namespace tessaro;
using namespace tessaro::ui;
using tessaro::test::showActive;

namespace {

// A reading-sheet-like grid: column 1 text, columns 2 and 3 numbers with two
// decimals between 0 and 100.
struct SheetGrid : ::testing::Test {
    SpreadGrid grid;
    void SetUp() override
    {
        grid.setObjectName("vaSpread1");
        grid.SetMaxCols(4);
        grid.SetMaxRows(6);
        grid.SetTypeNumber(CellBlock::cols(2, 3), 2, 0, 100);
    }
};

} // namespace

TEST_F(SheetGrid, NumberCellsShowTheirDecimalsAndRefuseWhatTheyCannotHold)
{
    grid.SetText(2, 1, "abc");
    grid.SetText(3, 1, "2.675");
    grid.SetText(3, 2, "250"); // the program may show any value
    EXPECT_EQ(grid.GetText(2, 1), "");
    EXPECT_EQ(grid.GetText(3, 1), "2.68");
    EXPECT_EQ(grid.GetText(3, 2), "250.00");

    QSignalSpy change(&grid, &SpreadGrid::Change);
    QSignalSpy refused(&grid, &SpreadGrid::EntryRefused);
    grid.EnterText(2, 1, QStringLiteral("１２．３"));
    EXPECT_EQ(grid.GetText(2, 1), "12.30");
    // Outside 0 … 100, or a decimal comma (12.5 or 125?): refused, the value stays.
    grid.EnterText(2, 1, "101");
    grid.EnterText(2, 1, "12,5");
    EXPECT_EQ(grid.GetText(2, 1), "12.30");
    ASSERT_EQ(refused.count(), 2);
    EXPECT_EQ(refused.at(1), (QList<QVariant> { 2, 1, "12,5" }));
    grid.EnterText(1, 1, "a,b"); // text cells take a comma like any other character
    EXPECT_EQ(grid.GetText(1, 1), "a,b");
    grid.EnterText(3, 1, "x"); // text that is no number empties the cell
    EXPECT_EQ(grid.GetText(3, 1), "");
    grid.SetLock(CellBlock::cell(1, 3), true);
    grid.EnterText(1, 3, "no");
    EXPECT_EQ(grid.GetText(1, 3), "");
    ASSERT_EQ(change.count(), 3);
    EXPECT_EQ(change.at(0), (QList<QVariant> { 2, 1 }));

    // Changing the decimals of a filled cell reshows its value.
    grid.SetTypeNumber(CellBlock::cell(2, 1), 0, 0, 100);
    EXPECT_EQ(grid.GetText(2, 1), "12");
}

TEST_F(SheetGrid, TypingReplacesTheCellAndEnterMovesDownTheColumn)
{
    grid.SetText(2, 1, "12");
    QSignalSpy change(&grid, &SpreadGrid::Change);
    showActive(grid);
    grid.setFocus();
    test::typeInto(grid, 2, 1, "5.4");
    EXPECT_EQ(grid.GetText(2, 1), "5.40");
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(grid.ActiveRow(), 2);
    // Without replace mode the typed keys are appended.
    grid.SetEditModeReplace(false);
    grid.SetText(1, 2, "No");
    test::typeInto(grid, 1, 2, "1");
    EXPECT_EQ(grid.GetText(1, 2), "No1");
}

TEST_F(SheetGrid, ClipboardPasteAndDeleteLeaveLockedCells)
{
    grid.SetText(2, 2, "7");
    grid.SetLock(CellBlock::cell(2, 2), true);
    grid.SetTypeStaticText(CellBlock::cell(1, 3));
    grid.SetText(1, 3, "31");
    QSignalSpy change(&grid, &SpreadGrid::Change);
    QSignalSpy refused(&grid, &SpreadGrid::EntryRefused);
    grid.SetActiveCell(1, 1);
    grid.PasteText("A\t1.5\tx\r\nB\t9\t0,5\r\n");
    EXPECT_EQ(grid.GetText(2, 1), "1.50");
    EXPECT_EQ(grid.GetText(3, 1), ""); // not a number
    EXPECT_EQ(grid.GetText(2, 2), "7.00"); // locked
    EXPECT_EQ(grid.GetText(3, 2), ""); // a decimal comma, refused
    EXPECT_EQ(change.count(), 3); // changed cells only
    EXPECT_EQ(refused.count(), 1);
    EXPECT_EQ(grid.SelBlock(), (CellBlock { 1, 1, 3, 2 }));

    grid.SetText(1, 2, "tab\there");
    grid.SetSelection({ 1, 1, 2, 2 });
    EXPECT_EQ(grid.SelectionText(), "A\t1.50\r\n\"tab\there\"\t7.00\r\n");
    showActive(grid);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), grid.SelectionText());
    grid.SetActiveCell(3, 5);
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier); // cut at the grid's edge
    EXPECT_EQ(grid.GetText(4, 6), "7.00");
    EXPECT_EQ(grid.MaxCols(), 4);
    EXPECT_EQ(grid.MaxRows(), 6);

    QSignalSpy cleared(&grid, &SpreadGrid::BlockCleared);
    grid.SetSelection({ 1, 1, 3, 3 });
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(grid.GetText(1, 1), "");
    EXPECT_EQ(grid.GetText(2, 2), "7.00");
    EXPECT_EQ(grid.GetText(1, 3), "31");
    EXPECT_EQ(cleared.count(), 1);
    // A single cell is reported as an edit of that cell.
    change.clear();
    grid.SetActiveCell(4, 6);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(change.at(0), (QList<QVariant> { 4, 6 }));
}

TEST_F(SheetGrid, BlockPropertiesCopyMoveAndRedrawOnce)
{
    grid.SetBackColor(CellBlock::cols(4, 4), QColor(255, 192, 255));
    grid.SetForeColor(CellBlock::cell(1, 1), Qt::red);
    grid.SetMaxRows(8); // rows added later take the column's colour
    EXPECT_EQ(grid.BackColor(4, 8), QColor(255, 192, 255));
    EXPECT_FALSE(grid.BackColor(3, 8).isValid());
    grid.SetText(1, 1, "a");
    grid.SetText(1, 2, "b");
    grid.SetText(1, 3, "c");
    grid.CopyBlock({ 1, 1, 1, 3 }, 4, 1);
    EXPECT_EQ(grid.GetText(4, 3), "c");
    EXPECT_EQ(grid.ForeColor(4, 1), QColor(Qt::red));
    // Moving down by one row over itself keeps every value.
    grid.MoveBlock({ 1, 1, 1, 3 }, 1, 2);
    EXPECT_EQ(grid.GetText(1, 1), "");
    EXPECT_EQ(grid.GetText(1, 4), "c");

    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    {
        ReDrawSuspended pause(grid);
        grid.ClearText(CellBlock::rows(1, 2));
        EXPECT_EQ(changed.count(), 0);
    }
    EXPECT_EQ(changed.count(), 1);
    EXPECT_EQ(grid.GetText(4, 2), "");
    EXPECT_EQ(grid.GetText(4, 3), "c");
}

TEST_F(SheetGrid, ARightClickIsReportedWithItsCell)
{
    showActive(grid);
    QSignalSpy right(&grid, &SpreadGrid::RightClick);
    QPoint inCell = grid.visualRect(grid.model()->index(2, 1)).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, inCell, grid.viewport()->mapToGlobal(inCell));
    QApplication::sendEvent(grid.viewport(), &menu);
    ASSERT_EQ(right.count(), 1);
    EXPECT_EQ(right.at(0).at(0).toInt(), 2);
    EXPECT_EQ(grid.ActiveRow(), 3);
}

TEST(SpreadHeader, HeaderRowsWithGroupHeadings)
{
    SpreadGrid grid;
    grid.SetMaxCols(10);
    grid.SetMaxRows(30);
    grid.SetColHeaderRows(2);
    const QStringList headings = { "", "経過時間\n(分)", "ｹﾞｰｼﾞ圧\n(MPa)", "荷重\n(kN)", "サ\nイ\nク\nル", "初期\nNo1",
        "測定\nNo1", "初期\nNo2", "測定\nNo2", "伸び量\n(mm)" };
    for (int col = 1; col <= 10; ++col)
        grid.SetText(col, 0, headings[col - 1]);
    grid.SetGroupHeader(6, 7, 0, QStringLiteral("測定点No1"));
    grid.SetGroupHeader(8, 9, 0, QStringLiteral("測定点No2"));
    EXPECT_EQ(grid.GetText(6, 0), QStringLiteral("初期\nNo1"));
    auto* model = qobject_cast<SpreadModel*>(grid.model());
    EXPECT_EQ(model->headerCellAt(0, 7).col, 6);
    EXPECT_EQ(model->headerCellAt(0, 7).cols, 2);
    // A column without a group heading shows its own over both rows.
    EXPECT_EQ(model->headerCellAt(0, 4).rows, 2);
    // The lower row fits the two-line headings; the four-line "サイクル" fits both rows together.
    const std::vector<int>& heights = grid.columnHeader()->rowHeights();
    int line = grid.columnHeader()->fontMetrics().height();
    EXPECT_GE(heights.at(1), 2 * line);
    EXPECT_GE(heights.at(0) + heights.at(1), 4 * line);

    // A third row on top: "頭部変位量(mm)" over the two measuring points and the elongation.
    grid.SetColHeaderRows(3);
    grid.SetGroupHeader(6, 10, 0, QStringLiteral("頭部変位量(mm)"));
    EXPECT_EQ(model->headerCellAt(1, 9).text, QStringLiteral("測定点No2"));
    EXPECT_EQ(model->headerCellAt(1, 10).rows, 2); // "伸び量" under the top group fills two rows
    EXPECT_EQ(model->headerCellAt(0, 10).cols, 5);
    EXPECT_EQ(model->headerCellAt(2, 4).rows, 3);
}

TEST(SpreadGridSize, ColumnPropertiesApplyToRowsAddedAndRowsCutOffAreGone)
{
    // A window sets up its columns once and sizes the grid for each anchor.
    SpreadGrid grid;
    grid.SetMaxCols(14);
    grid.SetTypeNumber(CellBlock::cols(3, 14), 2, -99999, 99999);
    grid.SetLock(CellBlock::all(), true);
    grid.SetLock(CellBlock::cols(3, 3), false);
    grid.SetMaxRows(800);
    grid.EnterText(3, 2, "100000"); // the range holds for the rows added too
    EXPECT_EQ(grid.GetText(3, 2), "");
    EXPECT_TRUE(grid.Lock(1, 1));
    grid.SetText(3, 800, "1");
    grid.SetText(3, 10, "10.75");
    grid.SetMaxRows(10);
    EXPECT_EQ(grid.GetText(3, 10), "10.75");
    grid.SetMaxRows(800); // rows cut off come back empty
    EXPECT_EQ(grid.GetText(3, 800), "");
}
