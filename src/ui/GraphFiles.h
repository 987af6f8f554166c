#pragma once
// Graph files for documents: the four test graphs of an anchor and its
// load-plan graph, drawn off screen and written as SVG files into a folder
// (the data folder, where the documents look for them). Works without any
// window; a QApplication on the offscreen platform is enough.

#include "graphs/ChartFormat.h"
#include "graphs/GraphFileNames.h"
#include "graphs/TestGraphs.h"
#include "ui/ChartOutput.h"

#include <array>
#include <optional>

namespace tessaro {
struct Project;
}

namespace tessaro::ui {

// A test graph is written as it is printed, 9000 twips square; the load plan
// wide, as the documents place it beside their tables.
inline const QSize TestGraphFileSize(fromTwips(9000), fromTwips(9000));
inline const QSize LoadPlanFileSize(fromTwips(12000), fromTwips(6000));

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
// The same four graphs as "GRAPH1.svg" … "GRAPH4.svg" for the graphs-only sheet.
bool writeSheetGraphs(Project& p, int anchor, const QString& folder, const GraphFileOptions& options = {});

// The load-plan graph of anchor n under the name of the document's figure, or
// at a given path.
bool writeLoadPlanGraph(const Project& p, int anchor, LoadPlanFigure figure, const QString& folder);
bool writeLoadPlanGraphFile(const Project& p, int anchor, const QString& path);

// Lets the documents draw the graphs they embed (the load-plan figure of the
// anchor list); both programs call it once at start-up.
void installDocumentGraphWriters();

} // namespace tessaro::ui
