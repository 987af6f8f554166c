#pragma once
// Projects the graph windows open on.

#include "model/basMainData.h"
#include "support/MeasuredAnchors.h"

namespace tessaro::test {

// A quality-assurance project of `count` anchors, each the worked six-cycle
// test read in full, the elastic and permanent parts varied a little from
// anchor to anchor (every reading after the opening one scaled by up to ±5 %; anchor 1
// as worked).
inline void setUpMeasuredProject(int count)
{
    Project& p = project();
    InitProject(p, count);
    p.TestCategory = 1;
    p.CurrentAnchor = 1;
    for (int n = 1; n <= count; ++n) {
        AnchorRecord a = measuredSixCycleAnchor();
        a.AnchorNo = QStringLiteral("A-%1").arg(n);
        for (std::size_t i = 1; i < a.Readings.size(); ++i)
            a.Readings[i].Displacement *= 1 + 0.01f * float(((n - 1) * 7 + 5) % 11 - 5);
        p.anchor(n) = a;
        p.Record.Schedules[std::size_t(n - 1)] = compactSchedule();
    }
}

// Four anchors: 1 the six-cycle test read in full, 2 never entered (no name),
// 3 with its reading sheet not yet read, 4 without a sheet.
inline void setUpMixedProject()
{
    setUpMeasuredProject(1);
    Project& p = project();
    ResizeAnchorArrays(p, 4);
    p.anchor(3) = sixCycleAnchor();
    p.anchor(3).AnchorNo = QStringLiteral("A-3");
    GenerateSheet(p.anchor(3), compactSchedule(), false);
    p.anchor(4) = sixCycleAnchor();
    p.anchor(4).AnchorNo = QStringLiteral("A-4");
}

// A basic investigation on the six-cycle test.
inline void setUpBasicProject()
{
    Project& p = project();
    InitProject(p, 0);
    p.TestCategory = 0;
    p.Record.WorkingAnchor = measuredSixCycleAnchor();
    p.Record.WorkingSchedule = compactSchedule();
}

} // namespace tessaro::test
