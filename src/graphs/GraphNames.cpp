#include "graphs/GraphNames.h"

namespace tessaro {

QString anchorGraphName(int graph, int anchor)
{
    return QStringLiteral("GRAPH%1_%2").arg(graph).arg(anchor);
}

QString summaryGraphName(int chart, int page)
{
    return QStringLiteral("TmpGphSoukatu%1_%2").arg(chart).arg(page);
}

QString loadPlanGraphName(LoadPlanFigure figure, int anchor)
{
    switch (figure) {
    case LoadPlanFigure::BasicPlan:
        return QStringLiteral("Gph1Kihon");
    case LoadPlanFigure::AnchorList:
        return QStringLiteral("GphInfo%1").arg(anchor);
    case LoadPlanFigure::QualityPlan:
        return QStringLiteral("GphHojiK%1").arg(anchor);
    case LoadPlanFigure::QualityReport:
        break;
    }
    return QStringLiteral("GphHojiH%1").arg(anchor);
}

} // namespace tessaro
