#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// A basic investigation of three cycles to 175, 300 and 400 kN from T0 = 50 kN.
// Elastic parts (peak holding end minus the following base reading):
// cycle 1: 4.20 − 0.60 = 3.60; cycle 2: 10.80 − 0.80 = 10.00; cycle 3: 14.00 − 1.66 = 12.34.
AnchorRecord pullOutTest()
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Material.TendonArea = 555;
    a.Plan.PlannedMaxLoad = 400;
    a.Plan.StageCount = 3;
    a.Plan.CycleMaxLoad = { 175, 300, 400 };
    struct Row {
        int cycle;
        float load;
        float displacement;
    };
    const Row rows[] = { { 1, 50, 0.00f }, { 1, 175, 4.00f }, { 1, 175, 4.20f }, { 1, 50, 0.50f }, { 2, 50, 0.60f },
        { 2, 175, 4.5f }, { 2, 300, 10.0f }, { 2, 300, 10.80f }, { 2, 175, 6.0f }, { 2, 50, 0.85f }, { 3, 50, 0.80f },
        { 3, 300, 10.9f }, { 3, 400, 13.5f }, { 3, 400, 14.0f }, { 3, 50, 1.66f } };
    for (const Row& r : rows) {
        Reading reading;
        reading.Cycle = std::int16_t(r.cycle);
        reading.Load = r.load;
        reading.Displacement = r.displacement;
        a.Readings.push_back(reading);
    }
    a.ReadingCount = std::int16_t(a.Readings.size());
    return a;
}

EvaluationContext basic()
{
    EvaluationContext ctx;
    ctx.testCategory = 0;
    return ctx;
}

} // namespace

TEST(ElasticLine, EachStepRoundedAndDegenerateLinesNeverDivideByZero)
{
    // 7 / 300 = 0.023333 → 0.0233; −0.0233 × 20 = −0.466 → −0.4660;
    // 0.466 / 0.0233 = 20.0 → 20.00.
    ElasticLineResult r = ElasticLine(0, 20, 7, 320);
    EXPECT_DOUBLE_EQ(r.slope, 0.0233);
    EXPECT_DOUBLE_EQ(r.intercept, -0.466);
    EXPECT_DOUBLE_EQ(r.zeroLoad, 20.0);
    EXPECT_EQ(ElasticLine(0, 300, 10, 300).zeroLoad, 0); // two points with the same load
    EXPECT_EQ(ElasticLine(5, 100, 5, 300).zeroLoad, 0); // horizontal
}

TEST(FrictionLoss, TwoChosenPoints)
{
    AnchorRecord a = pullOutTest();
    a.PointA = 1;
    a.PointB = 3;
    EvaluateAnchor(a, basic());
    // (50 kN, 0) and point 3 (300 kN, 10.00 mm): the line meets the load axis at 50 kN.
    EXPECT_FLOAT_EQ(a.InterceptLoad, 50.00f);
    EXPECT_FLOAT_EQ(a.InterceptShift, 0.00f);
    EXPECT_FLOAT_EQ(a.LoadSpan, 250);
    // 12.34 / 250 × 200 × 555 = 5478.96 → 5479 mm.
    EXPECT_EQ(a.ApparentFreeLength, 5479);
    // Load-distribution anchors count the strands: 5478.96 × 2 = 10957.92.
    a.Tendon.AnchorTypeCode = 3;
    a.Material.StrandSetCount = 2;
    EvaluateAnchor(a, basic());
    EXPECT_EQ(a.ApparentFreeLength, 10958);

    // Quality assurance never changes these fields.
    a.ApparentFreeLength = 6;
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_EQ(a.ApparentFreeLength, 6);
}

TEST(FrictionLoss, GivenIntercept)
{
    AnchorRecord a = pullOutTest();
    a.UseGivenIntercept = 1;
    a.GivenIntercept = 80;
    EvaluateAnchor(a, basic());
    EXPECT_FLOAT_EQ(a.InterceptShift, 30.00f);
    EXPECT_FLOAT_EQ(a.UpperPointLoad, 400); // Tp
    EXPECT_FLOAT_EQ(a.LoadSpan, 320);
    EXPECT_EQ(a.ApparentFreeLength, 4280); // 12.34 / 320 × 111000 = 4280.44
}

TEST(FrictionLoss, PointsNotEvaluatedOrNotChosen)
{
    AnchorRecord a = pullOutTest();
    a.PointA = 2;
    a.PointB = 6; // cycle 5 was never evaluated: elastic −99 at its planned maximum 0
    EvaluateAnchor(a, basic());
    // (175, 3.60) and (0, −99): slope = −102.6 / −175 = 0.5863, intercept 3.60 − 175 × 0.5863 = −99.0025.
    EXPECT_FLOAT_EQ(a.UpperPointLoad, 0);
    EXPECT_FLOAT_EQ(a.InterceptLoad, 168.86f); // 99.0025 / 0.5863

    a.PointA = 200; // outside the points offered: not chosen, the upper load kept
    a.PointB = 3;
    a.UpperPointLoad = 123;
    EvaluateAnchor(a, basic());
    EXPECT_FLOAT_EQ(a.UpperPointLoad, 123);

    a.PointA = 1; // both points at T0: no line, the upper load is Tug
    a.PointB = 1;
    a.UltimatePullOutText = QStringLiteral("420.50");
    EvaluateAnchor(a, basic());
    EXPECT_FLOAT_EQ(a.UpperPointLoad, 420.5f);
    EXPECT_EQ(a.InterceptLoad, 0);
    EXPECT_FLOAT_EQ(a.InterceptShift, -50);
}
