#pragma once
// Projects for the graph-sheet tests.

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

} // namespace tessaro::test
