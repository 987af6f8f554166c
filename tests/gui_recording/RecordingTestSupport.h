#pragma once
// The project the measurement-window tests share.

#include "model/basMainData.h"
#include "support/AnchorFixtures.h"
#include "support/GuiTestSupport.h"
#include "ui/SpreadGrid.h"

namespace tessaro::test {

// A quality-assurance project of three six-cycle anchors (sixCycleAnchor with
// compactSchedule, 54 rows each) whose sheets are not built yet; anchor 2 has
// no anchor number, so the measurement windows cannot show it.
inline Project& openSixCycleProject()
{
    Project& p = project();
    InitProject(p, 3);
    p.TestCategory = 1;
    p.Record.SavedTestCategory = 1;
    NormaliseRates(p);
    for (int i = 1; i <= 3; ++i) {
        AnchorRecord a = sixCycleAnchor();
        a.AnchorNo = QStringLiteral("A-%1").arg(i);
        a.Plan.PlanSet = 1;
        a.AnchoringType = 0;
        p.anchor(i) = a;
        p.Record.Schedules[std::size_t(i - 1)] = compactSchedule();
    }
    p.anchor(2).AnchorNo.clear();
    p.CurrentAnchor = 1;
    return p;
}

// Lets the window finish what it does after an edit (chart, evaluation, messages).
inline void settle()
{
    QCoreApplication::processEvents();
}

} // namespace tessaro::test
