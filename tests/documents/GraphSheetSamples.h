#pragma once
// Projects and stand-in graph files for the graph-sheet tests. The graph
// module draws the real files; composing needs only files that exist.

#include "graphs/GraphFileNames.h"
#include "model/AppPaths.h"
#include "model/basMainData.h"
#include "support/MeasuredAnchors.h"
#include "support/TestSupport.h"

namespace tessaro::test {

// A quality-assurance project of `anchors` anchors: each the six-cycle test read
// in full (theory, upper and lower limit at Tp 30, 33 and 27 mm; last cycle
// elastic 29.95 mm, permanent 1.60 mm) on a tendon chosen from the product
// database, which keeps its kind as the designation "4S12.7".
inline void makeGraphProject(Project& p, int anchors)
{
    InitProject(p, anchors);
    p.TestCategory = 1;
    p.Record.SavedTestCategory = 1;
    p.Record.WorksName = QStringLiteral("○○川護岸補強工事");
    for (int n = 1; n <= anchors; ++n) {
        AnchorRecord a = measuredSixCycleAnchor();
        a.AnchorNo = QStringLiteral("A-%1").arg(n);
        a.Spec2.Designation = QStringLiteral("4S12.7");
        p.anchor(n) = a;
        p.Record.Schedules[std::size_t(n - 1)] = compactSchedule();
    }
}

inline void writeStandInSvg(const QString& name)
{
    writeFile(paths::data(name), R"(<svg xmlns="http://www.w3.org/2000/svg" width="10" height="10"/>)");
}

// The four graph files of anchors first..last as the graph window writes them.
inline void writeStandInGraphs(int first, int last)
{
    for (int n = first; n <= last; ++n)
        for (int g = 1; g <= 4; ++g)
            writeStandInSvg(anchorGraphFile(g, n));
}

inline void writeStandInSummaryCharts(int pages)
{
    for (int page = 1; page <= pages; ++page)
        for (int chart = 1; chart <= 2; ++chart)
            writeStandInSvg(summaryGraphFile(chart, page));
}

} // namespace tessaro::test
