#pragma once
// One-sheet Excel workbooks (.xlsx): numbers are written as numeric cells with a
// number format that fixes their decimals ("0.00"), so that the workbook
// calculates with them; a cell left empty stays empty. No spreadsheet program
// is needed to write them.

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
    // which stays in view when the rows below it scroll; −1 for none.
    int headingRow = -1;
};

// Writes a workbook holding the sheet. The workbook is first written beside
// the target under a temporary name and replaces the target only when it is
// complete, so a failure leaves an existing file as it was. A target that is a
// folder or a read-only file is refused. False when the file was not written.
bool writeWorkbook(const QString& path, const Sheet& sheet);

} // namespace tessaro::xlsx
