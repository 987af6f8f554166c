#include "ui/GraphFiles.h"

#include "documents/LoadPlanFigure.h"
#include "graphs/FrictionLossChart.h"
#include "graphs/GraphAnchor.h"
#include "graphs/GraphFormats.h"
#include "graphs/LoadPlanGraph.h"
#include "graphs/SummaryCharts.h"
#include "model/ProjectRecord.h"

#include <QDir>
#include <algorithm>
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

bool writeAnchorGraphRange(Project& p, int first, int last, const QString& folder, const GraphFileOptions& options)
{
    bool written = true;
    for (int n = std::max(first, 1); n <= std::min(last, graphAnchorCount(p)); ++n)
        written = writeAnchorGraphs(p, n, folder, options) && written;
    return written;
}

bool writeSummaryGraphs(Project& p, const QString& folder, const std::array<ChartFormat, 2>& formats)
{
    bool written = true;
    for (int page = 1; page <= summaryPageCount(graphAnchorCount(p)); ++page) {
        std::array<ChartData, 2> charts = drawSummaryPage(p, page);
        for (int n = 1; n <= 2; ++n)
            written = writeChartSvg(charts[std::size_t(n - 1)], formats[std::size_t(n - 1)],
                          QDir(folder).filePath(summaryGraphFile(n, page)), SummaryGraphFileSize)
                && written;
    }
    return written;
}

bool writeFrictionLossGraph(const AnchorRecord& evaluated, const QString& folder, const ChartFormat& format)
{
    ChartData chart;
    drawFrictionLossChart(chart, evaluated);
    return writeChartSvg(chart, format, QDir(folder).filePath(frictionLossGraphFile()), FrictionLossGraphFileSize);
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

void installDocumentGraphWriters()
{
    setLoadPlanGraphWriter(writeLoadPlanGraphFile);
}

} // namespace tessaro::ui
