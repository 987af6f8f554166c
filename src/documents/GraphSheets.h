#pragma once
// Graph sheets of the graph window's print-all: per anchor one page with its
// four test graphs, either with the detail items (A4 portrait: works, anchor,
// tendon and the elastic-displacement results) or the graphs alone with the
// results beside them (A4 landscape). The graphs are drawn onto the page as
// each anchor's sheet is composed (ChartPicture.h) and released with it.

#include "documents/ReportEngine.h"
#include "graphs/ChartFormat.h"
#include "graphs/TestGraphs.h"

#include <QHash>
#include <QString>
#include <array>
#include <optional>

namespace tessaro {

struct Project;
struct AnchorRecord;

namespace forms {
struct FormSpec;
}

enum class GraphSheetKind {
    Detailed, // "詳細項目付きグラフ(A4縦）"
    GraphsOnly, // "グラフのみ印刷(A4横)"
};

struct GraphSheetOptions {
    GraphSheetKind kind = GraphSheetKind::Detailed;
    bool pageNumbers = true; // "ページ番号を表示"
    bool monochrome = false; // "グラフを白黒で出力します"
    bool reversedLoadDisplacement = false; // the graph window's reverse display
    // The appearance of graphs 1..4 (those on screen); without it the graph
    // window's saved defaults over the designed appearance.
    std::optional<std::array<ChartFormat, TestGraphCount>> formats;
};

// The detailed sheet of a quality-assurance test is Graph.jfm; the basic
// investigation (a pull-out test, judged by its pull-out checks rather than by
// the control limits) prints on Graph2.jfm, which titles the sheet as a pull-out
// test and presents the comparison with the control limits for reference.
const forms::FormSpec& graphSheetForm(const Project& p);

// A value of the sheets: "#####0.00", or "-" when it is missing (−99) or was
// never entered.
QString graphSheetNumber(double value, bool available = true);

// The text fields of the detailed sheet of an evaluated anchor. "Bar" heads the
// control-limit columns with the planned maximum load they refer to, "Bar_2"
// holds the verdict on the elastic displacements ("OK", "管理限界範囲外").
QHash<QString, QString> graphSheetFields(const Project& p, const AnchorRecord& evaluated);
// The text fields of the graphs-only sheet: the figure captions under the
// graphs ("図-1　塑性・弾性変位曲線"), the five results in mm and the anchor caption.
QHash<QString, QString> graphsOnlyFields(const AnchorRecord& evaluated);

// Begins the graph document.
void GraphPrintStart(report::ReportEngine& engine);
// One detailed sheet of anchor n (1-based; 1 in a basic investigation).
void GraphPrint(report::ReportEngine& engine, Project& p, int anchor, const GraphSheetOptions& options);
// One graphs-only sheet of anchor n, with the page number when one is given.
void GraphOnlyPrint(
    report::ReportEngine& engine, Project& p, int anchor, const QString& pageNumber, const GraphSheetOptions& options);

// Composes the sheets of anchors first..last (held to the project's anchors)
// into one document and ends it. False when the document could not be written.
bool PrintGraphSheets(report::ReportEngine& engine, Project& p, int first, int last, const GraphSheetOptions& options);

} // namespace tessaro
