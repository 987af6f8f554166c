#pragma once
// Measurement data sheets: the field form on which an anchor's readings are
// written during a test, printed filled from the reading sheet or blank. Each
// anchor's sheets are one page of 30 rows below the header and the anchor's
// items, then pages of 40 rows.

#include "documents/ReportEngine.h"

#include <QString>

namespace tessaro {

struct Project;
struct AnchorRecord;
struct Reading;

struct DataSheetOptions {
    bool blankData = false; // rows carry only their numbers
    bool showTime = false; // with the time-of-day column
    bool blankRemarks = false; // the remarks item is left empty
};

inline constexpr int DataSheetFirstPageRows = 30;
inline constexpr int DataSheetPageRows = 40;
inline constexpr int MaxBlankSheets = 10;

// Pages one anchor's sheets take for this many rows (at least one page).
int dataSheetPageCount(int rows);
// Rows of s blank sheets: 30 + (s − 1) × 40.
int blankSheetRowCount(int sheets);
// Readings of the anchor that the sheets print.
int dataSheetRowCount(const AnchorRecord& anchor);
// Page total of the data sheets of anchors first..last (one anchor in a basic
// investigation project); 0 for a range outside the project.
int dataSheetPageTotal(const Project& p, int first, int last);

// The test name documents print for an anchor: a basic investigation's category
// text, under the 2012 edition the anchor's kind ("適性試験"), under the 2000
// edition the category with the kind ("品質保証試験(多サイクル確認試験)"); null
// anchor: "アンカー試験" (blank sheets).
QString documentTestName(const Project& p, const AnchorRecord* anchor);
// The test name and "　データシート".
QString dataSheetTitle(const Project& p, const AnchorRecord* anchor);

namespace PrintModule {

// Composes the data sheets of anchors first..last (1-based; a basic
// investigation project prints its one anchor) into one document and ends it.
// False when the document could not be written.
bool PrintDataSheets(
    report::ReportEngine& engine, const Project& p, int first, int last, const DataSheetOptions& options);

// Composes s blank sheets (1..10): 30 + (s − 1) × 40 numbered empty rows without
// the anchor items and without the time-of-day column.
bool PrintBlankDataSheets(report::ReportEngine& engine, int sheets);

// One anchor's pages: header, items block, column titles, rows, closing rule.
// A null anchor draws blank sheets of `rows` rows. Returns the pages drawn.
int DrawAnchorPages(report::ReportEngine& engine, const Project& p, const AnchorRecord* anchor, int rows,
    const DataSheetOptions& options);

// Fills the fields of one reading row; a reading whose elapsed time is −99
// leaves the whole row empty, any other −99 value leaves its own field empty.
void FillRow(report::ReportEngine& engine, const Reading& reading, int number, bool showTime);

} // namespace PrintModule
} // namespace tessaro
