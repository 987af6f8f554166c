#pragma once
// The open project the load-plan and schedule window tests share.

#include "model/basMainData.h"
#include "support/AnchorFixtures.h"
#include "support/GuiTestSupport.h"

namespace tessaro::test {

// A quality-assurance project of one anchor under the 2012 edition: the
// six-cycle friction anchor (T0 50, stages 100 … 350 kN) with rank A,
// Td 300 kN and Tys 1000 kN (tendon limit 900 kN), read through the
// calibrated jack.
inline AnchorRecord& openPlanProject()
{
    Project& p = project();
    InitProject(p, 1);
    p.TestCategory = 1;
    AnchorRecord& a = p.anchor(1);
    a = sixCycleAnchor();
    a.DesignAnchorForce = 300;
    a.TendonYieldLoad = 1000;
    a.AnchorageGround = 1;
    a.Plan.PlanSet = 1;
    a.EditFlag = 1;
    return a;
}

// Rows that carry elongations: readings were taken.
inline void addMeasuredRows(AnchorRecord& a, int rows)
{
    Reading r;
    r.Displacement = 1.25f;
    a.Readings.assign(std::size_t(rows), r);
    a.ReadingCount = std::int16_t(rows);
}

} // namespace tessaro::test
