#pragma once
// What a grid cell holds, and the rectangle of cells that block operations act
// on. Columns and rows are 1-based as the windows address them; -1 in a block
// stands for every column or every row.

#include <QColor>
#include <QString>
#include <limits>

namespace tessaro::ui {

enum class CellType {
    Text,       // free text
    Number,     // a number shown with a fixed count of decimals, typed within [min, max]
    StaticText, // a caption inside the grid: never edited, never cleared by Delete
};

struct SpreadCell {
    QString text;
    CellType type = CellType::Text;
    bool locked = false;
    int decimals = 2;
    double minimum = -std::numeric_limits<double>::max();
    double maximum = std::numeric_limits<double>::max();
    QColor back; // invalid: the grid's own colour
    QColor fore;
    Qt::Alignment alignment; // none: numbers right, text left, static text centred

    bool editable() const { return !locked && type != CellType::StaticText; }
};

// Col, Row, Col2, Row2 of a block; the corners may be given in any order.
struct CellBlock {
    int col = -1;
    int row = -1;
    int col2 = -1;
    int row2 = -1;

    static CellBlock cell(int col, int row) { return {col, row, col, row}; }
    // Every column of rows row..row2.
    static CellBlock rows(int row, int row2) { return {-1, row, -1, row2}; }
    // Every row of columns col..col2.
    static CellBlock cols(int col, int col2) { return {col, -1, col2, -1}; }
    static CellBlock all() { return {}; }

    bool operator==(const CellBlock&) const = default;
};

} // namespace tessaro::ui
