#pragma once
// The cells of a grid, its header rows and its row headers. The grid view edits
// them only through this model; programmatic writes never raise the grid's
// change signal, only what the user types or pastes does.

#include "ui/SpreadCells.h"

#include <QAbstractTableModel>
#include <algorithm>
#include <vector>

namespace tessaro::ui {

// One cell of the column header area: it starts at header row `row` (0 = top)
// and covers `rows` header rows and `cols` columns from `col`.
struct HeaderCell {
    int row = 0;
    int col = 1;
    int rows = 1;
    int cols = 1;
    QString text;
};

class SpreadModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit SpreadModel(QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    int maxRows() const { return rows_; }
    int maxCols() const { return cols_; }
    // Existing cells keep their contents; new rows take the properties set for
    // their whole column.
    void setMaxRows(int rows);
    void setMaxCols(int cols);

    bool contains(int col, int row) const { return col >= 1 && col <= cols_ && row >= 1 && row <= rows_; }
    const SpreadCell& cell(int col, int row) const { return cells_[slot(col, row)]; }

    // The block clipped to the grid; false when nothing of it lies inside.
    bool resolve(const CellBlock& block, CellBlock& inside) const;
    // The block's columns clipped to the grid (also while it has no rows).
    bool resolveColumns(const CellBlock& block, int& first, int& last) const;

    // The text as the cell shows it: a number cell's value with its decimals,
    // "" for anything not numeric; other cells as given.
    static QString shownText(const SpreadCell& cell, const QString& text);

    // Writes from the program: number cells show the value with their decimals
    // (anything not numeric leaves them empty); no range check.
    void setText(int col, int row, const QString& text);
    // Writes from the user: as above, but a number outside the cell's range and
    // a number written with a decimal comma ("12,5": misread either way, so
    // neither taken nor emptied) are refused, keeping the cell as it was; locked
    // or static cells are left alone.
    enum class Entry { Unchanged, Changed, Refused };
    Entry enterText(int col, int row, const QString& text);

    // Sets a property on every cell of the block (for a block of whole columns
    // also on rows added later).
    template <class Change>
    void changeBlock(const CellBlock& block, Change change);
    // Copies text and properties of the block to the block starting at
    // (destCol, destRow); a move leaves the vacated cells empty.
    void copyBlock(const CellBlock& block, int destCol, int destRow, bool move);

    int headerRows() const { return headerRows_; }
    // One to three header rows; added rows go on top.
    void setHeaderRows(int rows);
    void setHeaderText(int headerRow, int col, const QString& text);
    QString headerText(int headerRow, int col) const;
    void addHeaderSpan(int headerRow, int col, int cols, int rows);
    // The header cell covering this place. An empty cell without a span merges
    // with the single-column cell below it, so a column without a group header
    // shows its heading over all header rows.
    HeaderCell headerCellAt(int headerRow, int col) const;

    void setRowHeaderText(int row, const QString& text);
    QString rowHeaderText(int row) const;

    // While suspended no change is announced; resuming announces one change of
    // everything, so a window can fill hundreds of rows at the price of one repaint.
    void setSuspended(bool suspended);
    bool suspended() const { return suspended_; }

private:
    std::size_t slot(int col, int row) const { return std::size_t(row - 1) * cols_ + (col - 1); }
    SpreadCell& at(int col, int row) { return cells_[slot(col, row)]; }
    void announce(const CellBlock& inside);
    const HeaderCell* spanAt(int headerRow, int col) const;

    int rows_ = 0;
    int cols_ = 0;
    std::vector<SpreadCell> cells_;
    std::vector<SpreadCell> columnDefaults_;
    std::vector<QString> rowHeaders_;
    int headerRows_ = 1;
    std::vector<std::vector<QString>> headerTexts_; // [header row][col - 1]
    std::vector<HeaderCell> spans_;
    bool suspended_ = false;
    bool dirty_ = false;
};

template <class Change>
void SpreadModel::changeBlock(const CellBlock& block, Change change)
{
    int first = 0;
    int last = -1;
    if (block.row == -1 && resolveColumns(block, first, last))
        for (int col = first; col <= last; ++col)
            change(columnDefaults_[std::size_t(col - 1)]);
    CellBlock b;
    if (!resolve(block, b))
        return;
    for (int row = b.row; row <= b.row2; ++row)
        for (int col = b.col; col <= b.col2; ++col)
            change(at(col, row));
    announce(b);
}

} // namespace tessaro::ui
