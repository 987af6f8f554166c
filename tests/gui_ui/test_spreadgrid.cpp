#include "GridTestSupport.h"
#include "ui/SpreadHeaderView.h"
#include "ui/SpreadModel.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;
using tessaro::test::pressKey;
using tessaro::test::showActive;
using tessaro::test::typeText;

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

TEST_F(SheetGrid, NumberCellsShowTheirDecimalsAndEmptyAnythingElse)
{
    grid.SetText(2, 1, "12.5");
    grid.SetText(2, 2, "abc");
    grid.SetText(3, 1, "2.675");
    grid.SetText(3, 2, "250"); // the program may show any value
    EXPECT_EQ(grid.GetText(2, 2), "");
    EXPECT_EQ(grid.GetText(3, 1), "2.68");
    EXPECT_EQ(grid.GetText(3, 2), "250.00");
    EXPECT_EQ(grid.GetValue(2, 1), 12.5);
    EXPECT_EQ(grid.GetText(9, 9), "");

    // Changing the decimals of a filled cell reshows its value.
    grid.SetTypeNumber(CellBlock::cell(2, 1), 0, 0, 100);
    EXPECT_EQ(grid.GetText(2, 1), "13");
}

TEST_F(SheetGrid, UserEntryFollowsTheCellRulesAndRaisesChange)
{
    QSignalSpy change(&grid, &SpreadGrid::Change);
    grid.SetText(1, 1, "by program");
    EXPECT_EQ(change.count(), 0);

    grid.EnterText(2, 1, QStringLiteral("１２．３"));
    EXPECT_EQ(grid.GetText(2, 1), "12.30");
    grid.EnterText(2, 1, "101"); // outside 0..100: refused, the value stays
    EXPECT_EQ(grid.GetText(2, 1), "12.30");
    grid.EnterText(2, 1, "x");
    EXPECT_EQ(grid.GetText(2, 1), "");
    ASSERT_EQ(change.count(), 2);
    EXPECT_EQ(change.at(0), (QList<QVariant> { 2, 1 }));

    grid.SetLock(CellBlock::cell(1, 2), true);
    grid.EnterText(1, 2, "no");
    EXPECT_EQ(grid.GetText(1, 2), "");
    EXPECT_EQ(change.count(), 2);
}

TEST_F(SheetGrid, RefusedEntriesKeepTheCellAndAreReported)
{
    grid.SetText(2, 1, "12.30");
    QSignalSpy refused(&grid, &SpreadGrid::EntryRefused);
    QSignalSpy change(&grid, &SpreadGrid::Change);
    // A decimal comma could mean 12.5 or 125: neither guessed nor emptied.
    grid.EnterText(2, 1, "12,5");
    grid.EnterText(2, 1, QStringLiteral("１２，５"));
    grid.EnterText(2, 1, "101");
    EXPECT_EQ(grid.GetText(2, 1), "12.30");
    EXPECT_EQ(change.count(), 0);
    ASSERT_EQ(refused.count(), 3);
    EXPECT_EQ(refused.at(0), (QList<QVariant> { 2, 1, "12,5" }));
    // Text cells take a comma like any other character.
    grid.EnterText(1, 1, "a,b");
    EXPECT_EQ(grid.GetText(1, 1), "a,b");

    grid.SetActiveCell(2, 2);
    grid.PasteText("0,5\r\n7\r\n");
    EXPECT_EQ(grid.GetText(2, 2), "");
    EXPECT_EQ(grid.GetText(2, 3), "7.00");
    EXPECT_EQ(change.count(), 2); // "a,b" and the 7
    ASSERT_EQ(refused.count(), 4);
    EXPECT_EQ(refused.last(), (QList<QVariant> { 2, 2, "0,5" }));
}

TEST_F(SheetGrid, TypingReplacesTheCellAndEnterMovesDownTheColumn)
{
    grid.SetText(2, 1, "12");
    QSignalSpy change(&grid, &SpreadGrid::Change);
    QSignalSpy leave(&grid, &SpreadGrid::LeaveCell);
    showActive(grid);
    grid.setFocus();
    grid.SetActiveCell(2, 1);
    typeText(grid, "5.4");
    pressKey(grid, Qt::Key_Return);
    EXPECT_EQ(grid.GetText(2, 1), "5.40");
    EXPECT_EQ(change.count(), 1);
    EXPECT_EQ(grid.ActiveCol(), 2);
    EXPECT_EQ(grid.ActiveRow(), 2);
    ASSERT_GE(leave.count(), 1);
    EXPECT_EQ(leave.last(), (QList<QVariant> { 2, 1, 2, 2 }));

    // Without replace mode the typed keys are appended.
    grid.SetEditModeReplace(false);
    grid.SetText(1, 2, "No");
    grid.SetActiveCell(1, 2);
    typeText(grid, "1");
    pressKey(grid, Qt::Key_Return);
    EXPECT_EQ(grid.GetText(1, 2), "No1");
}

TEST_F(SheetGrid, PasteFillsFromTheActiveCellAndLeavesLockedCells)
{
    grid.SetText(2, 2, "7");
    grid.SetLock(CellBlock::cell(2, 2), true);
    grid.SetActiveCell(1, 1);
    QSignalSpy change(&grid, &SpreadGrid::Change);
    grid.PasteText("A\t1.5\tx\r\nB\t9\t２０\r\n");
    EXPECT_EQ(grid.GetText(1, 1), "A");
    EXPECT_EQ(grid.GetText(2, 1), "1.50");
    EXPECT_EQ(grid.GetText(3, 1), ""); // not a number
    EXPECT_EQ(grid.GetText(1, 2), "B");
    EXPECT_EQ(grid.GetText(2, 2), "7.00"); // locked
    EXPECT_EQ(grid.GetText(3, 2), "20.00");
    // Changed cells only: (3,1) was empty and stays empty.
    EXPECT_EQ(change.count(), 4);
    EXPECT_EQ(grid.SelBlock(), (CellBlock { 1, 1, 3, 2 }));

    // A block reaching past the grid's edge is cut there.
    grid.SetActiveCell(4, 6);
    grid.PasteText("p\tq\nr\ts");
    EXPECT_EQ(grid.GetText(4, 6), "p");
    EXPECT_EQ(grid.MaxCols(), 4);
    EXPECT_EQ(grid.MaxRows(), 6);
}

TEST_F(SheetGrid, CopyAndPasteThroughTheClipboardKeys)
{
    grid.SetText(1, 1, "No.1");
    grid.SetText(2, 1, "10");
    grid.SetText(1, 2, "tab\there");
    grid.SetText(2, 2, "20");
    grid.SetSelection({ 1, 1, 2, 2 });
    EXPECT_EQ(grid.SelBlockCol2(), 2);
    EXPECT_EQ(grid.SelectionText(), "No.1\t10.00\r\n\"tab\there\"\t20.00\r\n");

    showActive(grid);
    grid.setFocus();
    QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), grid.SelectionText());
    grid.SetActiveCell(3, 4);
    QTest::keyClick(&grid, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(grid.GetText(3, 4), "");
    EXPECT_EQ(grid.GetText(4, 4), "10.00");
    EXPECT_EQ(grid.GetText(3, 5), "");
    EXPECT_EQ(grid.GetText(4, 5), "20.00");
}

TEST_F(SheetGrid, DeleteEmptiesEditableSelectedCells)
{
    for (int row = 1; row <= 3; ++row)
        for (int col = 1; col <= 3; ++col)
            grid.SetText(col, row, QString::number(row * 10 + col));
    grid.SetLock(CellBlock::cell(2, 2), true);
    grid.SetTypeStaticText(CellBlock::cell(1, 3));
    QSignalSpy change(&grid, &SpreadGrid::Change);
    QSignalSpy cleared(&grid, &SpreadGrid::BlockCleared);
    showActive(grid);
    grid.setFocus();

    grid.SetSelection({ 1, 1, 3, 3 });
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(grid.GetText(1, 1), "");
    EXPECT_EQ(grid.GetText(3, 3), "");
    EXPECT_EQ(grid.GetText(2, 2), "22.00");
    EXPECT_EQ(grid.GetText(1, 3), "31");
    EXPECT_EQ(change.count(), 0);
    ASSERT_EQ(cleared.count(), 1);

    // A single cell is reported as an edit of that cell.
    grid.SetText(2, 3, "5");
    grid.SetActiveCell(2, 3);
    QTest::keyClick(&grid, Qt::Key_Delete);
    EXPECT_EQ(grid.GetText(2, 3), "");
    ASSERT_EQ(change.count(), 1);
    EXPECT_EQ(change.at(0), (QList<QVariant> { 2, 3 }));
}

TEST_F(SheetGrid, BlockPropertiesCopyAndMove)
{
    grid.SetBackColor(CellBlock::cols(4, 4), QColor(255, 192, 255));
    grid.SetForeColor(CellBlock::cell(1, 1), Qt::red);
    grid.SetMaxRows(8); // rows added later take the column's colour
    EXPECT_EQ(grid.BackColor(4, 8), QColor(255, 192, 255));
    EXPECT_FALSE(grid.BackColor(3, 8).isValid());
    EXPECT_EQ(grid.ForeColor(1, 1), QColor(Qt::red));

    grid.SetText(1, 1, "a");
    grid.SetText(1, 2, "b");
    grid.SetText(1, 3, "c");
    grid.CopyBlock({ 1, 1, 1, 3 }, 4, 1);
    EXPECT_EQ(grid.GetText(4, 3), "c");
    EXPECT_EQ(grid.ForeColor(4, 1), QColor(Qt::red));

    // Moving down by one row over itself keeps every value.
    grid.MoveBlock({ 1, 1, 1, 3 }, 1, 2);
    EXPECT_EQ(grid.GetText(1, 1), "");
    EXPECT_EQ(grid.GetText(1, 2), "a");
    EXPECT_EQ(grid.GetText(1, 4), "c");

    grid.ClearText(CellBlock::rows(1, 2));
    EXPECT_EQ(grid.GetText(4, 2), "");
    EXPECT_EQ(grid.GetText(4, 3), "c");
}

TEST_F(SheetGrid, RightClickAndKeysAreReported)
{
    showActive(grid);
    QSignalSpy right(&grid, &SpreadGrid::RightClick);
    QSignalSpy key(&grid, &SpreadGrid::KeyDown);
    QPoint inCell = grid.visualRect(grid.model()->index(2, 1)).center();
    QContextMenuEvent menu(QContextMenuEvent::Mouse, inCell, grid.viewport()->mapToGlobal(inCell));
    QApplication::sendEvent(grid.viewport(), &menu);
    ASSERT_EQ(right.count(), 1);
    EXPECT_EQ(right.at(0).at(0).toInt(), 2);
    EXPECT_EQ(right.at(0).at(1).toInt(), 3);
    EXPECT_EQ(grid.ActiveRow(), 3);
    QTest::keyClick(&grid, Qt::Key_F5);
    ASSERT_EQ(key.count(), 1);
    EXPECT_EQ(key.at(0).at(0).toInt(), int(Qt::Key_F5));
}

TEST_F(SheetGrid, RedrawOffAnnouncesOneChange)
{
    QSignalSpy changed(grid.model(), &QAbstractItemModel::dataChanged);
    {
        ReDrawSuspended pause(grid);
        for (int row = 1; row <= 6; ++row)
            grid.SetText(2, row, QString::number(row));
        EXPECT_EQ(changed.count(), 0);
    }
    EXPECT_EQ(changed.count(), 1);
    EXPECT_TRUE(grid.ReDraw());
}

TEST(SpreadHeader, TwoHeaderRowsWithGroupHeadings)
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
    EXPECT_EQ(grid.ColHeaderText(6, 0), QStringLiteral("測定点No1"));
    auto* model = qobject_cast<SpreadModel*>(grid.model());
    HeaderCell group = model->headerCellAt(0, 7);
    EXPECT_EQ(group.col, 6);
    EXPECT_EQ(group.cols, 2);
    EXPECT_EQ(group.text, QStringLiteral("測定点No1"));
    // A column without a group heading shows its own over both rows.
    HeaderCell load = model->headerCellAt(0, 4);
    EXPECT_EQ(load.row, 0);
    EXPECT_EQ(load.rows, 2);
    EXPECT_EQ(load.text, QStringLiteral("荷重\n(kN)"));

    // The lower row fits the two-line headings; the four-line "サイクル" fits
    // both rows together.
    const std::vector<int>& heights = grid.columnHeader()->rowHeights();
    ASSERT_EQ(heights.size(), 2u);
    int line = grid.columnHeader()->fontMetrics().height();
    EXPECT_GE(heights[1], 2 * line);
    EXPECT_GE(heights[0] + heights[1], 4 * line);

    // A third row on top: "頭部変位量(mm)" over the two measuring points and the elongation.
    grid.SetColHeaderRows(3);
    grid.SetGroupHeader(6, 10, 0, QStringLiteral("頭部変位量(mm)"));
    EXPECT_EQ(grid.GetText(6, 0), QStringLiteral("初期\nNo1"));
    EXPECT_EQ(model->headerCellAt(1, 9).text, QStringLiteral("測定点No2"));
    EXPECT_EQ(model->headerCellAt(1, 10).rows, 2); // "伸び量" under the top group fills two rows
    EXPECT_EQ(model->headerCellAt(0, 10).cols, 5);
    EXPECT_EQ(model->headerCellAt(2, 4).rows, 3);
}

TEST(SpreadGridSize, ColumnPropertiesSetBeforeAnyRowApplyToRowsAdded)
{
    // A window sets up its columns once and sizes the grid for each anchor.
    SpreadGrid grid;
    grid.SetMaxCols(3);
    grid.SetTypeNumber(CellBlock::cols(2, 2), 2, 0, 100);
    grid.SetLock(CellBlock::all(), true);
    grid.SetLock(CellBlock::cols(2, 2), false);
    grid.SetMaxRows(2);
    grid.EnterText(2, 2, "5");
    grid.EnterText(3, 2, "x");
    EXPECT_EQ(grid.GetText(2, 2), "5.00");
    EXPECT_EQ(grid.GetText(3, 2), "");
    EXPECT_TRUE(grid.Lock(1, 1));
    grid.EnterText(2, 1, "100.01"); // the range holds for the rows added too
    EXPECT_EQ(grid.GetText(2, 1), "");
}

TEST(SpreadGridSize, HundredsOfRowsFillInOneBatch)
{
    SpreadGrid grid;
    grid.SetMaxCols(14);
    grid.SetMaxRows(800);
    grid.SetTypeNumber(CellBlock::cols(3, 14), 2, -99999, 99999);
    {
        ReDrawSuspended pause(grid);
        for (int row = 1; row <= 800; ++row)
            for (int col = 1; col <= 14; ++col)
                grid.SetText(col, row, QString::number(row + col * 0.25));
    }
    EXPECT_EQ(grid.GetText(14, 800), "803.50");
    grid.SetMaxRows(10);
    EXPECT_EQ(grid.GetText(3, 10), "10.75");
    EXPECT_EQ(grid.GetText(3, 11), "");
}
