#include "model/UserMessage.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

AnchorRecord plannedAnchor()
{
    AnchorRecord a;
    a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー");
    a.Tendon.AnchorTypeCode = 0;
    a.Tendon.AnchorRank = 0;
    a.DesignAnchorForce = 100;
    a.TendonYieldLoad = 1000;
    a.Material.ReductionCoefficient = 0.8f;
    return a;
}

AnchorRecord loadDistributionAnchor()
{
    AnchorRecord a = test::twoBodyAnchor();
    a.Tendon.BodyTendonLength = { 20000, 18000 };
    a.DesignAnchorForce = 100;
    a.TendonYieldLoad = 1000;
    return a;
}

PlanContext qualityContext(int edition)
{
    return { 1, edition, 1.25, 1.1 };
}

} // namespace

TEST(LoadPlanCheck, CodesInTheirOrderAndTheMessage)
{
    EXPECT_EQ(LoadPlanCheckCode(plannedAnchor()), 0);
    AnchorRecord d = loadDistributionAnchor();
    d.Tendon.AnchorTypeName.clear();
    d.Tendon.FreeLength = 0;
    EXPECT_EQ(LoadPlanCheckCode(d), 2); // the last failing check gives the code
    d.Tendon.BodyCount = 0;
    EXPECT_EQ(LoadPlanCheckCode(d), 4);

    MessageScript script;
    AnchorRecord a = plannedAnchor();
    a.Tendon.FreeLength = 0; // lengths matter only for load-distribution anchors
    a.Tendon.AnchorTypeCode = -1; // a missing type answers at once
    EXPECT_EQ(CheckLoadPlan(a), 5);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.last().text, QStringLiteral("アンカー形式が入力されていません。"));
}

TEST(LoadStages, EvenDistributionRoundsEachStageAndEndsAtTp)
{
    LoadPlan plan;
    plan.InitialLoad = 0.01f;
    plan.PlannedMaxLoad = 10;
    plan.StageCount = 3;
    plan.CycleMaxLoad.fill(7);
    DistributeEvenly(plan);
    // step 9.99 / 3 = 3.33 in single precision: 3.34, 6.67, then Tp exactly.
    EXPECT_FLOAT_EQ(plan.CycleMaxLoad[0], 3.34f);
    EXPECT_FLOAT_EQ(plan.CycleMaxLoad[1], 6.67f);
    EXPECT_EQ(plan.CycleMaxLoad[2], 10);
    EXPECT_EQ(plan.CycleMaxLoad[3], 0); // stages beyond the count are cleared

    plan.StageCount = 0; // never set: worked with as five stages
    DistributeEvenly(plan);
    EXPECT_EQ(plan.StageCount, 5);
    plan.StageCount = 11;
    EXPECT_EQ(EffectiveStageCount(plan), 10);
}

TEST(LoadStages, AutomaticCalculationKeepsASetLoadDistributionPlan)
{
    AnchorRecord d = loadDistributionAnchor();
    d.Plan = {
        .PlanSet = 1, .InitialLoad = 100, .PlannedMaxLoad = 500, .StageCount = 4, .CycleMaxLoad = { 150, 250, 450, 500 }
    };
    EXPECT_TRUE(CalculatePlanAutomatically(d, false));
    EXPECT_EQ(d.Plan.CycleMaxLoad[0], 150);
    EXPECT_TRUE(CalculatePlanAutomatically(d, true));
    EXPECT_EQ(d.Plan.CycleMaxLoad, (std::array<float, 10> { 200, 300, 400, 500 }));

    AnchorRecord a = plannedAnchor();
    a.Plan = d.Plan;
    a.Plan.CycleMaxLoad[0] = 150;
    EXPECT_TRUE(CalculatePlanAutomatically(a, false)); // other anchors are always distributed
    EXPECT_EQ(a.Plan.CycleMaxLoad[0], 200);
}

TEST(LoadStages, GaugesOfThePlanThroughTheAnchorsJack)
{
    AnchorRecord a = plannedAnchor();
    a.Jack = test::calibratedJack();
    a.Plan = { .InitialLoad = 50, .PlannedMaxLoad = 150, .StageCount = 2, .CycleMaxLoad = { 100, 150, 999 } };
    FillPlanGauges(a);
    EXPECT_FLOAT_EQ(a.Plan.PlannedMaxGauge, 14.55f); // 10 + 10 × 50 / 110
    EXPECT_EQ(a.Plan.StageGauge[2], 0); // beyond the stage count
}

TEST(PlannedMaxLoadLimits, TendonAndRankLimits)
{
    AnchorRecord a = plannedAnchor();
    a.TendonYieldLoad = 333.33f;
    EXPECT_DOUBLE_EQ(TendonLimit(a), 300.00); // 0.9 × 333.33 = 299.997 rounded to two decimals
    a.Tendon.AnchorRank = 1;
    EXPECT_NEAR(RankLimit(a, qualityContext(1)), 110, 1e-9); // rank B
}

// The lower bound of Tp and the limit lines the window shows, by edition, test and
// rank; a line whose design force is 0 is left out and the others move up.
TEST(PlannedMaxLoadLimits, LowerBoundAndLimitLinesByEditionTestAndRank)
{
    const QString ge12 = QStringLiteral("Tp ≧ Td(常時)× 1.2 = 120.00 (kN)");
    const QString ge11 = QStringLiteral("Tp ≧ Td(常時)× 1.1 = 110.00 (kN)");
    const QString seismic110 = QStringLiteral("Tp = Td(地震時)× 1.0 = 110.00 (kN)");
    struct Case {
        const char* what;
        float td, tdSeismic;
        int rank, confirmation, edition;
        double lower;
        std::array<QString, 3> lines;
    };
    const Case cases[] = {
        { "2012 rank A", 100, 110, 0, 0, Edition2012, 0, { QStringLiteral("ランクＡ ： 1.25×Td = 125.00 (kN)") } },
        { "2000 permanent: the smaller of 1.2 Td and Td seismic", 100, 110, 0, 0, Edition2000, 110,
            { ge12, QStringLiteral("Tp ≦ Td(常時)× 1.5 = 150.00 (kN)"), seismic110 } },
        { "2000 permanent without seismic force", 100, 0, 0, 0, Edition2000, 120,
            { ge12, QStringLiteral("Tp ≦ Td(常時)× 1.5 = 150.00 (kN)") } },
        { "2000 permanent, larger seismic force", 100, 130, 0, 0, Edition2000, 120, {} },
        { "2000 seismic force alone", 0, 110, 0, 0, Edition2000, 110, { seismic110 } },
        { "2000 temporary", 100, 0, 1, 0, Edition2000, 110,
            { ge11, QStringLiteral("Tp ≦ Td(常時)× 1.2 = 120.00 (kN)") } },
        { "2000 single cycle, temporary", 100, 110, 1, 1, Edition2000, 110, { ge11 } },
        { "2000 single cycle, permanent", 100, 110, 0, 1, Edition2000, 110,
            { ge12, QStringLiteral("Tp ≧ Td(地震時)× 1.0 = 110.00 (kN)") } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnchorRecord a = plannedAnchor();
        a.DesignAnchorForce = c.td;
        a.DesignAnchorForceSeismic = c.tdSeismic;
        a.Tendon.AnchorRank = std::int16_t(c.rank);
        a.ConfirmationTest = std::uint8_t(c.confirmation);
        EXPECT_NEAR(PlannedMaxLoadRange(a, qualityContext(c.edition)).lower, c.lower, 1e-4);
        if (!c.lines[0].isEmpty()) {
            EXPECT_EQ(PlannedMaxLoadLimitTexts(a, qualityContext(c.edition)).tp, c.lines);
        }
    }

    // Basic investigation: at least the ultimate pull-out resistance Tug, the Tug
    // line and no edition lines; α for product classes.
    AnchorRecord a = plannedAnchor();
    a.Spec2.PullOutResistanceText = QStringLiteral("350.5");
    a.Tendon.AnchorTypeName = QStringLiteral("Uターン");
    EXPECT_DOUBLE_EQ(PlannedMaxLoadRange(a, { 0, 1, 1.25, 1.1 }).lower, 350.5);
    LimitTexts t = PlannedMaxLoadLimitTexts(a, { 0, 1, 1.25, 1.1 });
    EXPECT_EQ(t.tys, QStringLiteral("Tp ≦ 0.9 × Tys × α  = 720.00 (kN)"));
    EXPECT_EQ(t.tug, QStringLiteral("Tp ≧　Tug   =  350.50 (kN)"));
    EXPECT_EQ(t.tp[0], QString());
    a.Spec2.PullOutResistanceText = QStringLiteral("未定");
    EXPECT_EQ(PlannedMaxLoadRange(a, { 0, 1, 1.25, 1.1 }).lower, 0);
}

TEST(InitialLoadReference, TextsByAnchorKind)
{
    ReferenceTexts t = InitialLoadReferenceTexts(plannedAnchor(), 500, qualityContext(1));
    EXPECT_EQ(t.sankou, QStringLiteral("≒ 0.1 × 500.00 = 50.00 (kN)"));
    EXPECT_EQ(t.saisyuu, QString());

    // Cumulative method with Tp 400: G0 = 50, the last bend-point load 20.00 + 30.
    AnchorRecord d = loadDistributionAnchor();
    t = InitialLoadReferenceTexts(d, 400, qualityContext(1));
    EXPECT_EQ(t.saisyuu, QStringLiteral("≧ 最終折点荷重 = 50.00 (kN)"));
    LoadDistributionTables tables;
    d.Plan.PlannedMaxLoad = 400;
    EXPECT_NEAR(MinimumInitialLoad(d, qualityContext(1), tables), 50.0, 1e-4);

    d.Tendon.TensioningType = 1; // differential pulling head
    t = InitialLoadReferenceTexts(d, 400, qualityContext(1));
    EXPECT_EQ(t.sankou, QStringLiteral("≒ 0.2 × 400.00 = 80.00 (kN)"));
    EXPECT_TRUE(t.saisyuu.startsWith(QStringLiteral("≧ 最終差動荷重 = ")));

    d.Tendon.BodyCount = 1; // one body: the 0.1 reference, no minimum
    t = InitialLoadReferenceTexts(d, 400, qualityContext(1));
    EXPECT_TRUE(t.sankou.startsWith(QStringLiteral("≒ 0.1 × ")));
    EXPECT_EQ(MinimumInitialLoad(d, qualityContext(1), tables), 0);
}
