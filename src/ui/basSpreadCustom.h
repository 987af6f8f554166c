#pragma once
// The system's own helpers over the grid, shared by every window with a table.

#include "ui/SpreadGrid.h"

#include <QList>
#include <QVariant>

namespace tessaro::ui {

// The cell's text; "" for an empty cell.
QString CellText(const SpreadGrid& grid, int col, int row);
// A database value for a cell: null becomes "".
QString EmptyForNull(const QVariant& value);
// A number with its display pattern; the missing-value mark −99 shows as an
// empty cell, as every grid and document of the system shows it.
void SetNumberText(SpreadGrid& grid, int col, int row, double value, const QString& pattern);

// A list the user reads but does not edit: one column per heading (written
// into the lowest header row; "\n" breaks a heading), every cell static text,
// locked and right-aligned.
void SetListColumns(SpreadGrid& grid, const QStringList& headings);

// Sizes the grid to show the given number of rows below its headers and all
// its columns beside its row header, without scroll bars.
void FitGridToRows(SpreadGrid& grid, int rows);

// Empties every unlocked cell of rows row..row2 up to MaxCols; locked cells keep
// their text.
void ClearUnlockedCells(SpreadGrid& grid, int row, int row2);
// The background colour for each listed row (rows beyond MaxRows are skipped).
void SetRowsBackColor(SpreadGrid& grid, const QList<int>& rows, const QColor& color);

// What Delete does in a grid: every selected cell that is neither locked nor
// static text is emptied. A single cleared cell is reported as the user's edit
// of that cell (Change); a cleared block is repainted once and reported as a
// block (BlockCleared).
void ClearSelectedCells(SpreadGrid& grid);

// Tells the user which entries the grid refused (a reading written with a
// decimal comma, a number out of range) and why: one message once the typing or
// pasting is over, naming the first cell by its row and column heading.
void ReportRefusedEntries(SpreadGrid& grid);

// The width that shows the row headers and every column side by side, with
// room for the vertical scroll bar.
int ContentWidth(const SpreadGrid& grid);

// Copy1 of a reading grid's pop-up menu: the selection goes to the clipboard
// and the user is told so.
void CopySelectionWithNotice(SpreadGrid& grid);
// The pop-up menu of a reading grid (SpredPopMenu with Copy1) at a screen position.
void ShowSpreadPopMenu(SpreadGrid& grid, const QPoint& globalPos);

} // namespace tessaro::ui
