#pragma once
// Anchors that pass the main window's anchor check, and projects made of them,
// for the anchor-list and main-window tests. Numbers are those of an ordinary
// friction-type anchor: Lf 9000 + Lr 1000 gives Lsf 10000 mm.

#include "model/HoldingSchedule.h"
#include "model/ProjectRecord.h"
#include "model/basMainData.h"

namespace tessaro::test {

inline AnchorRecord completeQualityAnchor(int index)
{
    AnchorRecord a;
    a.AnchorNo = QStringLiteral("A-%1").arg(index);
    a.AnchorNote = QStringLiteral("適性試験");
    a.DesignAnchorForce = 400;
    a.DesignAnchorForceSeismic = 450;
    a.AnchorageGround = 1;
    a.AnchoringType = 0;
    a.SetAmount = 5.0;
    a.LockOffMode = 0;
    a.LockOffLoad = 360;
    a.LockOffRatio = 0.9f;
    a.Tendon.AnchorTypeCode = 0;
    a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー E5-7");
    a.Tendon.AnchorRank = 0;
    a.Tendon.TensioningType = 0;
    a.Tendon.FreeLength = 9000;
    a.Tendon.SpareLength = 1500;
    a.Tendon.ExtraLength = 1000;
    a.Tendon.AnchorLength = 6000;
    a.Tendon.TensionFreeLength = 10000;
    a.Material.TendonModulus = 191;
    a.Material.TendonArea = 138.7f;
    a.Plan.PlanSet = 1;
    a.Plan.InitialLoad = 50;
    a.Plan.PlannedMaxLoad = 500;
    a.Plan.StageCount = 5;
    a.Plan.CycleMaxLoad = { 140, 230, 320, 410, 500 };
    a.Spec2.LoadingMinutes = 1;
    a.Spec2.UnloadingMinutes = 1;
    return a;
}

inline AnchorRecord completeBasicAnchor()
{
    AnchorRecord a = completeQualityAnchor(1);
    a.AnchorNo = QStringLiteral("K-1");
    a.AnchorNote.clear(); // a pull-out test has no test-name choice
    a.DesignSkinFriction = 0.3f;
    a.DrillDiameter = 135;
    a.ApparentPerimeter = 60;
    a.BondStress = 1.6f;
    return a;
}

inline HoldingSchedule setSchedule()
{
    HoldingSchedule s;
    s.SetFlag = 1;
    return s;
}

// A quality-assurance project of n complete anchors with their schedules set.
inline void makeQualityProject(Project& p, int n)
{
    InitProject(p, n);
    p.TestCategory = 1;
    for (int i = 1; i <= n; ++i) {
        p.anchor(i) = completeQualityAnchor(i);
        p.Record.Schedules[std::size_t(i - 1)] = setSchedule();
        p.Record.AnchorLabels[std::size_t(i - 1)] = QStringLiteral("SLF-J%1").arg(i);
    }
}

inline void makeBasicProject(Project& p)
{
    InitProject(p, 1);
    p.TestCategory = 0;
    p.Record.WorkingAnchor = completeBasicAnchor();
    p.Record.WorkingSchedule = setSchedule();
}

} // namespace tessaro::test
