#include "model/Reading.h"
#include "ui/basSpreadCustom.h"

#include <QSqlDatabase>
#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;

TEST(SpreadHelpers, ClearUnlockedCellsOfARowRange)
{
    SpreadGrid grid;
    grid.SetMaxCols(3);
    grid.SetMaxRows(4);
    for (int row = 1; row <= 4; ++row)
        for (int col = 1; col <= 3; ++col)
            grid.SetText(col, row, "x");
    grid.SetLock(CellBlock::cols(1, 1), true);
    ClearUnlockedCells(grid, 2, 3);
    EXPECT_EQ(CellText(grid, 1, 2), "x");
    EXPECT_EQ(CellText(grid, 2, 2), "");
    EXPECT_EQ(CellText(grid, 3, 3), "");
    EXPECT_EQ(CellText(grid, 2, 1), "x");
    EXPECT_EQ(CellText(grid, 2, 4), "x");
    ClearUnlockedCells(grid, 4, 99); // past the last row: up to MaxRows
    EXPECT_EQ(CellText(grid, 2, 4), "");
}

TEST(SpreadHelpers, RowColouringSkipsRowsBeyondTheGrid)
{
    SpreadGrid grid;
    grid.SetMaxCols(2);
    grid.SetMaxRows(3);
    const QColor grey(192, 192, 192);
    SetRowsBackColor(grid, { 1, 3, 7 }, grey);
    EXPECT_EQ(grid.BackColor(2, 1), grey);
    EXPECT_FALSE(grid.BackColor(2, 2).isValid());
    EXPECT_EQ(grid.BackColor(1, 3), grey);
}

TEST(SpreadHelpers, MissingValuesAndNullsShowEmpty)
{
    SpreadGrid grid;
    grid.SetMaxCols(2);
    grid.SetMaxRows(2);
    SetNumberText(grid, 1, 1, MissingValue, "#####0.00");
    SetNumberText(grid, 2, 1, 2.345, "#####0.00");
    EXPECT_EQ(CellText(grid, 1, 1), "");
    EXPECT_EQ(CellText(grid, 2, 1), "2.35");
    EXPECT_EQ(EmptyForNull(QVariant()), "");
    EXPECT_EQ(EmptyForNull(QVariant(12)), "12");
}
