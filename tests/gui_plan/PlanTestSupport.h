#pragma once
// The open project and the window helpers the load-plan and schedule tests share.

#include "gui_planning/DialogTestSupport.h"
#include "model/basMainData.h"
#include "support/AnchorFixtures.h"
#include "ui/EntryBoxes.h"

#include <QApplication>
#include <memory>

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

// Types into an entry box and leaves it for the given control, which ends the
// entry and runs its checks.
inline void enterText(QWidget& window, const QString& box, const QString& text, const QString& next)
{
    auto* b = control<ui::EntryBox>(window, box);
    b->SetFocus();
    b->SetText(text);
    control<QWidget>(window, next)->setFocus();
}

template <class W> std::unique_ptr<W> openWindow()
{
    auto w = std::make_unique<W>();
    showActive(*w);
    return w;
}

} // namespace tessaro::test
