#include "graphs/GraphFileNames.h"

namespace tessaro {

QString anchorGraphFile(int graph, int anchor)
{
    return QStringLiteral("GRAPH%1_%2.svg").arg(graph).arg(anchor);
}

QString summaryGraphFile(int chart, int page)
{
    return QStringLiteral("TmpGphSoukatu%1_%2.svg").arg(chart).arg(page);
}

QString frictionLossGraphFile()
{
    return QStringLiteral("GRAPH.svg");
}

QString loadPlanGraphFile(LoadPlanFigure figure, int anchor)
{
    switch (figure) {
    case LoadPlanFigure::BasicPlan:
        return QStringLiteral("Gph1Kihon.svg");
    case LoadPlanFigure::AnchorList:
        return QStringLiteral("GphInfo%1.svg").arg(anchor);
    case LoadPlanFigure::QualityPlan:
        return QStringLiteral("GphHojiK%1.svg").arg(anchor);
    case LoadPlanFigure::QualityReport:
        break;
    }
    return QStringLiteral("GphHojiH%1.svg").arg(anchor);
}

} // namespace tessaro
