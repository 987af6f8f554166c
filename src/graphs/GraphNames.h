#pragma once
// Names of the graphs documents draw, as the documents' observers and their
// problem lists name them (after the graph files of the system's documents).

#include <QString>

namespace tessaro {

// "GRAPH1_" … "GRAPH4_" + anchor number: the four graphs of one anchor on the
// graph sheets.
QString anchorGraphName(int graph, int anchor);
// "TmpGphSoukatu1_" / "TmpGphSoukatu2_" + page: chart 1 (permanent) or 2
// (elastic) of one page of the summary chart.
QString summaryGraphName(int chart, int page);

// The load-plan graph of one anchor, by the document that shows it.
enum class LoadPlanFigure {
    BasicPlan, // "Gph1Kihon": chapter 5-1 of the basic investigation plan
    AnchorList, // "GphInfo" + n: the anchor particulars list
    QualityPlan, // "GphHojiK" + n: chapter 4 of the quality-assurance plan
    QualityReport, // "GphHojiH" + n: chapter 4 of the quality-assurance report
};
QString loadPlanGraphName(LoadPlanFigure figure, int anchor);

} // namespace tessaro
