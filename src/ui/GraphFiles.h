#pragma once
// Graph files for documents: the four test graphs of an anchor and its
// load-plan graph, drawn off screen and written as SVG files into a folder
// (the data folder, where the documents look for them). Works without any
// window; a QApplication on the offscreen platform is enough.

#include "graphs/ChartFormat.h"
#include "graphs/GraphFileNames.h"
#include "graphs/GraphFormats.h"
#include "graphs/TestGraphs.h"
#include "ui/ChartOutput.h"

#include <array>
#include <optional>

namespace tessaro {
struct Project;
struct AnchorRecord;
} // namespace tessaro

namespace tessaro::ui {

// A test graph is written near the size the graph sheets print it, four to a
// page (4.17 inches square, as a copied graph), so that its texts print near
// their own sizes; the load plan wide, as the documents place it beside their
// tables.
inline const QSize TestGraphFileSize(fromTwips(6000), fromTwips(6000));
inline const QSize LoadPlanFileSize(fromTwips(12000), fromTwips(6000));
// A summary chart spans the width of an A4 portrait page, two charts to a page.
inline const QSize SummaryGraphFileSize(fromTwips(10200), fromTwips(6600));
// The friction-loss chart fills most of the sheet's width.
inline const QSize FrictionLossGraphFileSize(fromTwips(9000), fromTwips(7000));

// Told (with the folder) when graph files could not be written.
inline const QString GraphFilesNotWrittenMessage = QStringLiteral("グラフのファイルを書き込めませんでした。");

struct GraphFileOptions {
    bool monochrome = false; // "グラフを白黒で出力します"
    bool reversedLoadDisplacement = false; // the graph window's reverse display
    // The appearance of graphs 1..4 (those on screen); without it the graph
    // window's saved defaults over the designed appearance.
    std::optional<std::array<ChartFormat, TestGraphCount>> formats;
};

// Anchor n (1-based; 1 in a basic investigation), evaluated afresh on a copy,
// as "GRAPH1_n.svg" … "GRAPH4_n.svg". False when a file could not be written.
bool writeAnchorGraphs(Project& p, int anchor, const QString& folder, const GraphFileOptions& options = {});
// The graphs of anchors first..last (held to the project's anchors) for the graph sheets.
bool writeAnchorGraphRange(
    Project& p, int first, int last, const QString& folder, const GraphFileOptions& options = {});

// Both charts of every page of the summary as "TmpGphSoukatu1_" / "TmpGphSoukatu2_"
// + page + ".svg", in the formats given (those on screen).
bool writeSummaryGraphs(Project& p, const QString& folder, const std::array<ChartFormat, 2>& formats);

// The friction-loss chart of an evaluated anchor as frictionLossGraphFile(), in
// the format given (the window's on screen) or the designed one.
bool writeFrictionLossGraph(
    const AnchorRecord& evaluated, const QString& folder, const ChartFormat& format = designedFrictionLossFormat());

// The load-plan graph of anchor n under the name of the document's figure, or
// at a given path.
bool writeLoadPlanGraph(const Project& p, int anchor, LoadPlanFigure figure, const QString& folder);
bool writeLoadPlanGraphFile(const Project& p, int anchor, const QString& path);

// Lets the documents draw the graphs they embed (the load-plan figure of the
// anchor list); both programs call it once at start-up.
void installDocumentGraphWriters();

} // namespace tessaro::ui
