#include "documents/TestGraphPicture.h"

#include "documents/ChartPicture.h"
#include "graphs/GraphFormats.h"

namespace tessaro {

report::Picture testGraphPicture(const QString& name, const AnchorRecord& evaluated, TestGraph graph, QSize size)
{
    ChartData chart;
    if (graph == TestGraph::PlasticElastic)
        drawPlasticElasticGraph(chart, evaluated, false);
    else
        drawLoadDisplacementGraph(chart, evaluated);
    return chartPicture(name, std::move(chart), savedTestGraphFormat(graph), size);
}

} // namespace tessaro
