#pragma once
// The spreadsheet grid every window shows its tables in. Cells are addressed by
// column and row, both 1-based; row 0 is the column header (its lowest header
// row) and column 0 the row header. Programmatic writes are silent; what the user
// types, pastes or deletes raises Change for each changed cell, as the windows
// recompute dependent cells (elongations, conversions) from it.

#include "ui/SpreadCells.h"

#include <QTableView>
#include <optional>

namespace tessaro::ui {

class SpreadModel;
class SpreadHeaderView;

class SpreadGrid : public QTableView {
    Q_OBJECT
public:
    explicit SpreadGrid(QWidget* parent = nullptr);
    using QTableView::edit;

    int MaxRows() const;
    int MaxCols() const;
    void SetMaxRows(int rows);
    void SetMaxCols(int cols);

    // "" for an empty cell and for a place outside the grid.
    QString GetText(int col, int row) const;
    void SetText(int col, int row, const QString& text);
    // The number a cell holds; nothing when it is empty or not numeric.
    std::optional<double> GetValue(int col, int row) const;

    int ActiveCol() const;
    int ActiveRow() const;
    void SetActiveCell(int col, int row);

    // Cell properties of a block (Col, Row, Col2, Row2 with BlockMode).
    void SetTypeText(const CellBlock& block);
    void SetTypeStaticText(const CellBlock& block);
    // Decimals shown; typed numbers outside [minimum, maximum] are refused.
    void SetTypeNumber(const CellBlock& block, int decimals, double minimum, double maximum);
    void SetLock(const CellBlock& block, bool locked);
    void SetBackColor(const CellBlock& block, const QColor& color);
    void SetForeColor(const CellBlock& block, const QColor& color);
    void SetAlignment(const CellBlock& block, Qt::Alignment horizontal);
    CellType Type(int col, int row) const;
    bool Lock(int col, int row) const;
    QColor BackColor(int col, int row) const;
    QColor ForeColor(int col, int row) const;
    const SpreadCell& Cell(int col, int row) const;

    // Block text: clear it, or copy/move text and properties to DestCol, DestRow.
    void ClearText(const CellBlock& block);
    void CopyBlock(const CellBlock& block, int destCol, int destRow);
    void MoveBlock(const CellBlock& block, int destCol, int destRow);

    // Column headings in one to three header rows (0 = top; rows added go on
    // top). SetText(col, 0, …) writes the lowest row; a group heading is a text in
    // a higher row spanned over its columns.
    void SetColHeaderRows(int rows);
    int ColHeaderRows() const;
    void SetColHeaderText(int col, int headerRow, const QString& text);
    QString ColHeaderText(int col, int headerRow) const;
    void AddColHeaderSpan(int col, int headerRow, int cols, int rows = 1);
    // A group heading: text over columns col..col2 in the given header row.
    void SetGroupHeader(int col, int col2, int headerRow, const QString& text);
    void SetRowHeaderText(int row, const QString& text);
    void SetColWidth(int col, int pixels);
    void SetRowHeaderWidth(int pixels);
    SpreadHeaderView* columnHeader() const { return header_; }

    // The selected block; the active cell when nothing else is selected.
    CellBlock SelBlock() const;
    int SelBlockCol() const { return SelBlock().col; }
    int SelBlockRow() const { return SelBlock().row; }
    int SelBlockCol2() const { return SelBlock().col2; }
    int SelBlockRow2() const { return SelBlock().row2; }
    void SetSelection(const CellBlock& block);

    // The selection as tab-separated text (also put on the clipboard by copy).
    QString SelectionText() const;
    void ClipboardCopy();
    // Fills the cells the clipboard's block covers, starting at the active cell.
    void ClipboardPaste();
    void ClipboardCut();
    // The paste itself: locked and static cells keep their text, number cells
    // read the text as a number (empty when it is none); Change per changed cell.
    void PasteText(const QString& tabSeparated);

    // Typing into a cell replaces its content instead of appending to it.
    bool EditModeReplace() const { return editModeReplace_; }
    void SetEditModeReplace(bool replace) { editModeReplace_ = replace; }
    // Delete empties the selected editable cells (on by default).
    void SetDeleteKeyClears(bool clears) { deleteKeyClears_ = clears; }

    // Redrawing off while a window fills many cells; on again repaints once.
    void SetReDraw(bool redraw);
    bool ReDraw() const;

    // Entry from the user (typed text): applies the cell's rules and raises Change.
    void EnterText(int col, int row, const QString& text);
    // Raise Change for a cell, as the user's edit would (used by the Delete key).
    void NotifyChange(int col, int row) { emit Change(col, row); }
    // A block was emptied by the Delete key or a cut.
    void NotifyBlockCleared(const CellBlock& block) { emit BlockCleared(block); }

signals:
    void Change(int col, int row);
    void LeaveCell(int col, int row, int newCol, int newRow);
    void KeyDown(int key, Qt::KeyboardModifiers modifiers);
    void RightClick(int col, int row, const QPoint& globalPos);
    void BlockCleared(const CellBlock& block);
    // A typed or pasted entry the cell refused (a number out of its range or
    // written with a decimal comma); the cell kept its text.
    void EntryRefused(int col, int row, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    bool edit(const QModelIndex& index, EditTrigger trigger, QEvent* event) override;

private:
    friend class SpreadDelegate;
    void moveDown();
    void refreshHeader();

    SpreadModel* model_;
    SpreadHeaderView* header_;
    bool editModeReplace_ = true;
    bool deleteKeyClears_ = true;
};

// Redrawing of a grid suspended for the lifetime of this object.
class ReDrawSuspended {
public:
    explicit ReDrawSuspended(SpreadGrid& grid) : grid_(grid), was_(grid.ReDraw()) { grid_.SetReDraw(false); }
    ~ReDrawSuspended() { grid_.SetReDraw(was_); }
    ReDrawSuspended(const ReDrawSuspended&) = delete;
    ReDrawSuspended& operator=(const ReDrawSuspended&) = delete;

private:
    SpreadGrid& grid_;
    bool was_;
};

} // namespace tessaro::ui
