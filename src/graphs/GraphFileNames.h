#pragma once
// Names of the graph files that documents place into their image fields. The
// graph code writes them into the data folder (as SVG); the documents read them
// by the same names, so both sides call these functions.

#include <QString>

namespace tessaro {

// "GRAPH1_" … "GRAPH4_" + anchor number + ".svg": the four graphs of one anchor
// for the graph sheets (each anchor its own files, so that one document holds
// the sheets of many anchors).
QString anchorGraphFile(int graph, int anchor);
// "TmpGphSoukatu1_" / "TmpGphSoukatu2_" + page + ".svg": chart 1 (permanent) or
// 2 (elastic) of one page of the summary chart.
QString summaryGraphFile(int chart, int page);

// "GRAPH.svg": the load–elastic-displacement chart of the friction-loss sheet.
QString frictionLossGraphFile();

// The load-plan graph of one anchor, by the document that shows it.
enum class LoadPlanFigure {
    BasicPlan, // "Gph1Kihon.svg": chapter 5-1 of the basic investigation plan
    AnchorList, // "GphInfo" + n + ".svg": the anchor particulars list
    QualityPlan, // "GphHojiK" + n + ".svg": chapter 4 of the quality-assurance plan
    QualityReport, // "GphHojiH" + n + ".svg": chapter 4 of the quality-assurance report
};
QString loadPlanGraphFile(LoadPlanFigure figure, int anchor);

} // namespace tessaro
