#pragma once
// A worked quality-assurance project of five anchors under the 2012 edition
// for the plan and report tests, with the wizard's texts of both documents:
// 1 the six-cycle test read by hand (elastic 29.95 mm, permanent 1.60 mm
//   against a theory of 30.00 mm, limits 27.00–33.00 mm), judged a pass;
// 2 the creep anchor whose holding at Tp is read at 1, 2, 5, 10 and 15 min,
//   its creep judged from points 3 and 5;
// 3 a load-distribution anchor of two bodies, planned only;
// 4 a single-cycle confirmation anchor, planned only;
// 5 an ordinary friction anchor, planned only.

#include "evaluation/AcceptanceJudgement.h"
#include "support/AnchorFixtures.h"
#include "support/CompleteAnchors.h"
#include "support/CreepAnchors.h"
#include "support/MeasuredAnchors.h"
#include "support/PlanReportSamples.h"

namespace tessaro::test {

inline AnchorRecord plannedLoadDistributionAnchor()
{
    AnchorRecord a = twoBodyAnchor();
    a.Tendon.AnchorRank = 0;
    a.Tendon.TensionFreeLength = 18947;
    a.AnchorageGround = 0;
    a.DesignAnchorForce = 300;
    a.TendonYieldLoad = 1500;
    a.SetAmount = 5.0;
    a.LockOffLoad = 300;
    a.Jack = calibratedJack();
    a.Plan.PlanSet = 1;
    a.Plan.InitialLoad = 100;
    a.Plan.PlannedMaxLoad = 450;
    a.Plan.StageCount = 5;
    a.Plan.CycleMaxLoad = { 170, 240, 310, 380, 450 };
    return a;
}

inline void makeWorkedQualityProject(Project& p)
{
    InitProject(p, 5);
    p.TestCategory = 1;
    p.Settings.StandardEdition = 1;
    p.Record.WorksName = QStringLiteral("○○川護岸補強工事");
    p.Record.PrimeContractor = QStringLiteral("○○建設株式会社");
    p.anchor(1) = measuredSixCycleAnchor();
    p.anchor(1).TendonYieldLoad = 500;
    p.anchor(1).DesignAnchorForce = 250;
    StoreFinalVerdict(p.anchor(1), 0, {});
    p.Record.Schedules[0] = compactSchedule();
    p.anchor(2) = fifteenMinuteAnchor();
    p.anchor(2).AnchorNo = QStringLiteral("A-2");
    p.anchor(2).TendonYieldLoad = 500;
    p.Record.Schedules[1] = creepSchedule({ 1, 2, 5, 10, 15 });
    p.Record.CreepSelections[1] = { .TaNo = 3, .TbNo = 5 };
    p.anchor(3) = plannedLoadDistributionAnchor();
    p.anchor(3).AnchorNo = QStringLiteral("A-3");
    p.anchor(4) = completeQualityAnchor(4);
    p.anchor(4).ConfirmationTest = 1;
    p.anchor(4).TendonYieldLoad = 600;
    p.anchor(5) = completeQualityAnchor(5);
    p.anchor(5).TendonYieldLoad = 600;
    for (int n : { 3, 4, 5 })
        p.Record.Schedules[std::size_t(n - 1)] = compactSchedule();
    for (DocumentFamily family : { DocumentFamily::QualityPlan, DocumentFamily::QualityReport }) {
        DocumentInputs in = sampleDocumentInputs(isReportFamily(family));
        in.lockOffFormulaShown = true;
        storeDocumentInputs(p, family, in);
    }
}

} // namespace tessaro::test
