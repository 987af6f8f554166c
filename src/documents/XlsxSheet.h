#pragma once
// One-sheet Excel workbooks (.xlsx) that print: numbers are numeric cells
// holding the value as printed ("8.86", not the binary value beside it) with a
// number format that fixes their decimals ("0.00"), so that the workbook
// calculates with them; a cell left empty stays empty. The table from the
// heading row down is ruled on every cell, empty ones too, in a Japanese face;
// the sheet prints on A4 one page wide (landscape when its columns need it),
// the rows down to the headings repeated on every page and the page numbers at
// the foot. The workbook names its title, subject and the program, and is
// dated with documentTime() (the same file when composed again under
// SOURCE_DATE_EPOCH). No spreadsheet program is needed to write them.

#include <QString>
#include <vector>

namespace tessaro::xlsx {

struct Cell {
    enum Kind { Empty, Number, Text };
    Kind kind = Empty;
    double number = 0;
    QString text;
    QString format; // number format of a Number cell: "0", "0.0", "0.00", …

    static Cell empty() { return {}; }
    static Cell value(double v, const QString& format) { return { Number, v, {}, format }; }
    static Cell label(const QString& t) { return { Text, 0, t, {} }; }
};

struct Sheet {
    QString name;
    std::vector<std::vector<Cell>> rows;
    std::vector<double> columnWidths; // in characters, by column
    // The row of column headings (bold, centred, shaded, line breaks kept),
    // which stays in view when the rows below it scroll and heads every
    // printed page; the table below it is as wide as it. −1 for none.
    int headingRow = -1;
};

// What the workbook's file names it.
struct WorkbookInfo {
    QString title; // "データ一覧表　○○川護岸補強工事"
    QString subject;
};

// The face of the cells: the Japanese face every Japanese Excel offers.
inline const QString CellFont = QStringLiteral("ＭＳ Ｐゴシック");

// Writes a workbook holding the sheet. The workbook is written beside the
// target and replaces it only when it is complete, so a failure leaves an
// existing file as it was. A target that is a folder or a read-only file is
// refused, and so is a sheet name Excel does not accept. False when the file
// was not written.
bool writeWorkbook(const QString& path, const Sheet& sheet, const WorkbookInfo& info = {});

} // namespace tessaro::xlsx
