#include "ui/GraphFiles.h"

#include "graphs/GraphAnchor.h"
#include "graphs/GraphFormats.h"
#include "documents/LoadPlanFigure.h"
#include "graphs/LoadPlanGraph.h"
#include "model/ProjectRecord.h"

#include <QDir>
#include <functional>

namespace tessaro::ui {
namespace {

bool writeTestGraphs(Project& p, int anchor, const QString& folder, const GraphFileOptions& options,
    const std::function<QString(int graph)>& fileName)
{
    AnchorRecord evaluated = evaluatedAnchor(p, anchor);
    std::array<ChartData, TestGraphCount> charts = drawTestGraphs(evaluated, graphSingleCycle(p, anchor));
    charts[std::size_t(int(TestGraph::LoadDisplacement) - 1)].xReversed = options.reversedLoadDisplacement;
    bool written = true;
    for (int g = 1; g <= TestGraphCount; ++g) {
        ChartFormat format
            = options.formats ? (*options.formats)[std::size_t(g - 1)] : savedTestGraphFormat(TestGraph(g));
        if (options.monochrome)
            format = monochrome(std::move(format));
        QString path = QDir(folder).filePath(fileName(g));
        written = writeChartSvg(charts[std::size_t(g - 1)], format, path, TestGraphFileSize) && written;
    }
    return written;
}

} // namespace

bool writeAnchorGraphs(Project& p, int anchor, const QString& folder, const GraphFileOptions& options)
{
    return writeTestGraphs(p, anchor, folder, options, [anchor](int g) { return anchorGraphFile(g, anchor); });
}

bool writeSheetGraphs(Project& p, int anchor, const QString& folder, const GraphFileOptions& options)
{
    return writeTestGraphs(p, anchor, folder, options, [](int g) { return sheetGraphFile(g); });
}

bool writeLoadPlanGraphFile(const Project& p, int anchor, const QString& path)
{
    ChartData chart;
    drawLoadPlanGraph(chart, graphAnchor(p, anchor), graphSchedule(p, anchor), graphSingleCycle(p, anchor));
    return writeChartSvg(chart, designedLoadPlanFormat(), path, LoadPlanFileSize);
}

bool writeLoadPlanGraph(const Project& p, int anchor, LoadPlanFigure figure, const QString& folder)
{
    return writeLoadPlanGraphFile(p, anchor, QDir(folder).filePath(loadPlanGraphFile(figure, anchor)));
}

void installDocumentGraphWriters() { setLoadPlanGraphWriter(writeLoadPlanGraphFile); }

} // namespace tessaro::ui
