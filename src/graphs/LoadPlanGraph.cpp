#include "graphs/LoadPlanGraph.h"

#include "graphs/ChartFill.h"
#include "graphs/TestGraphs.h"
#include "planning/HoldingTimes.h"
#include "recording/ReadingSheet.h"

#include <algorithm>

namespace tessaro {

void drawLoadPlanGraph(ChartData& chart, const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle)
{
    chart = ChartData();
    chart.title = LoadPlanGraphTitle;
    chart.x.title = TimeAxisTitle;
    chart.y.title = LoadAxisTitle;
    chart.series(0, 0).name = QStringLiteral("計画荷重");

    // The sheet's rows hold each holding's readings in order: the holding began
    // its first reading's own minutes before that reading.
    std::vector<Reading> rows = BuildSheetRows(anchor, schedule, singleCycle);
    ChartFill fill(chart);
    std::size_t next = 0;
    for (const SheetHolding& h : SheetHoldings(anchor.Plan, schedule, singleCycle)) {
        std::size_t used = std::size_t(UsedReadings(*h.entry));
        if (used == 0 || next + used > rows.size())
            continue;
        const Reading& first = rows[next];
        fill.add((first.ElapsedTime - first.Interval * 60) / 60.0, first.Load);
        for (std::size_t k = 0; k < used; ++k)
            fill.add(rows[next + k].ElapsedTime / 60.0, rows[next + k].Load);
        next += used;
    }
    ChartExtremes bounds = fill.extremes();
    bounds.xMin = std::min(bounds.xMin, 0.0);
    bounds.yMin = std::min(bounds.yMin, 0.0);
    // The holding at Tp stands inside the frame, not on it.
    bounds.yMax = withMargin(bounds).yMax;
    fill.finish(bounds);
}

} // namespace tessaro
