// The grid helpers of the windows and the tab-separated text of the clipboard.

#include "model/Reading.h"
#include "ui/TabSeparated.h"
#include "ui/basSpreadCustom.h"

#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;

TEST(SpreadHelpers, UnlockedCellsClearedRowsColouredAndMissingValuesEmpty)
{
    SpreadGrid grid;
    grid.SetMaxCols(3);
    grid.SetMaxRows(4);
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 3; ++col)
            grid.SetText(col, row, "x");
    grid.SetLock(CellBlock::cols(1, 1), true);
    ClearUnlockedCells(grid, 2, 99); // past the last row: up to MaxRows
    EXPECT_EQ(CellText(grid, 1, 2), "x");
    EXPECT_EQ(CellText(grid, 2, 1), "x");
    EXPECT_EQ(CellText(grid, 2, 4), "");
    const QColor grey(192, 192, 192);
    SetRowsBackColor(grid, { 1, 3, 7 }, grey); // row 7 lies beyond the grid
    EXPECT_EQ(grid.BackColor(2, 3), grey);
    EXPECT_FALSE(grid.BackColor(2, 2).isValid());
    SetNumberText(grid, 2, 1, MissingValue, "#####0.00");
    SetNumberText(grid, 3, 1, 2.345, "#####0.00");
    EXPECT_EQ(CellText(grid, 2, 1), "");
    EXPECT_EQ(CellText(grid, 3, 1), "2.35");
    EXPECT_EQ(EmptyForNull(QVariant()), "");
}

TEST(TabSeparated, ReadsWhatSpreadsheetsPutOnTheClipboardAndWritesWhatReadsBack)
{
    // Excel ends every row with CR LF and quotes a cell holding a line break.
    EXPECT_EQ(fromTabSeparated("1\t2\r\n3\t4\r\n"), (QList<QStringList> { { "1", "2" }, { "3", "4" } }));
    EXPECT_EQ(fromTabSeparated("1\t2\n3\t4"), (QList<QStringList> { { "1", "2" }, { "3", "4" } }));
    EXPECT_EQ(
        fromTabSeparated("\"a\r\nb\"\t\"say \"\"x\"\"\"\r\n"), (QList<QStringList> { { "a\r\nb", "say \"x\"" } }));
    EXPECT_EQ(fromTabSeparated("5\t\r\n"), (QList<QStringList> { { "5", "" } }));
    EXPECT_TRUE(fromTabSeparated("").isEmpty());
    const QList<QStringList> rows = { { "No.1", "12.50", "" }, { "tab\there", "\"quoted\"", "line\nbreak" } };
    EXPECT_EQ(fromTabSeparated(toTabSeparated(rows)), rows);
}
