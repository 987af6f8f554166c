#pragma once
// The anchor particulars list ("試験アンカー諸元表"): per anchor a title block
// by test kind, the anchor's particulars with the figure of its type, the load
// plan on the first page; under the continuation title the holding and reading
// times of the load stages and the load-plan figure on the second. A block
// that does not fit its page goes on the next, under the continuation title.

#include "documents/AnchorListTexts.h"
#include "documents/ReportEngine.h"
#include "documents/ReportForms.h"

#include <QString>

namespace tessaro {

struct Project;
struct AnchorRecord;

namespace forms {
struct FormSpec;
}

struct AnchorListOptions {
    bool pageNumbers = true; // "ページ番号を表示": a running number at the foot of every page
};

// Title block: a basic investigation AncListTitleKihon; a quality-assurance
// anchor AnchorListTitleTd when it has a seismic design anchor force (both
// forces are printed), else AnchorListTitle. The "2" block of the same family
// heads the anchor's following pages (continuation true).
const forms::FormSpec& anchorListTitleForm(const Project& p, const AnchorRecord& anchor, bool continuation);

// Particulars block of an anchor type (0..5): 0 AnchorListHippari, 1
// AnchorListHippariSEEE, 2 AnchorListAssyuku, 3 AnchorListBunsan, 4 and 5
// AnchorListShiatu; an anchor without a type gets AnchorListHippari.
const forms::FormSpec& anchorParticularsForm(int anchorType);
// Figure of the type in the Report folder ("引張型.svg", … "先端圧縮.svg",
// "拡孔型.svg" for the bearing type); "" without a type.
QString anchorTypeFigure(int anchorType);

// The fields of the load-plan block (AnchorListKajyuu.jfm) of an anchor: T0 and
// Tp with their gauge pressures, the stages or cycles, the load changes and the
// stage loads. The plan documents print the same block in their load plan.
report::Fields anchorLoadPlanFields(const Project& p, const AnchorRecord& anchor);

// Draws the holding tables of an anchor, the first headed "■ 荷重保持時間と計測
// 時期", each kept whole on one page, through a page layout offering
// heightOf(form), makeRoom(height) and place(form, texts) (a block moved to the
// next page when it does not fit): the particulars list and the quality
// documents print them alike.
template <class Layout> void drawHoldingTables(Layout& layout, const std::vector<HoldingTable>& tables)
{
    const int rowHeight = layout.heightOf(forms::AnchorListCycleGyo);
    QString heading = QStringLiteral("■ 荷重保持時間と計測時期");
    for (const HoldingTable& table : tables) {
        layout.makeRoom(layout.heightOf(forms::AnchorListCycleTitle) + rowHeight * int(table.rows.size()));
        layout.place(forms::AnchorListCycleTitle, { { "Midashi", heading }, { "Title", table.title } });
        heading.clear();
        for (const HoldingRow& row : table.rows)
            layout.place(forms::AnchorListCycleGyo, { { "Title", row.title }, { "Time", row.times } });
    }
}

// Composes the list of anchors first..last (1-based; a basic investigation
// prints its one anchor) into one document and ends it. False when the
// document could not be written.
bool PreviewAnchorInformation(
    report::ReportEngine& engine, const Project& p, int first, int last, const AnchorListOptions& options);

} // namespace tessaro
