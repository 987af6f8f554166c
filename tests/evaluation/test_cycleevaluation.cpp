// Edge cases of the cycle evaluation, the set loss and the friction loss of a
// basic investigation; the worked tests from sheet to verdict are in
// test_wholetests.cpp.

#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

struct Row {
    int cycle;
    float load;
    float displacement;
};

// The six-cycle anchor (theory (L − 50) / 10 mm) with hand-made rows.
AnchorRecord anchorWithRows(const std::vector<Row>& rows)
{
    AnchorRecord a = test::sixCycleAnchor();
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

const ReadingResult& resultOfRow(const AnchorRecord& a, int row)
{
    return a.Evaluation.Results[std::size_t(row - 1)];
}

// Five cycles of three rows: T0, the peak 50 + 50c kN (theory 5c mm), back to
// T0. The permanent part of cycle c is 0.25c mm, read at the opening T0 row of
// cycle c + 1 (the final row for cycle 5); values exact in single precision.
AnchorRecord fiveCycles(const std::array<float, 5>& elastic)
{
    std::vector<Row> rows;
    for (int c = 1; c <= 5; ++c) {
        float permanent = 0.25f * float(c);
        rows.push_back({ c, 50, 0.25f * float(c - 1) });
        rows.push_back({ c, 50.0f + 50.0f * float(c), elastic[std::size_t(c - 1)] + permanent });
        rows.push_back({ c, 50, c < 5 ? permanent + 0.125f : permanent });
    }
    return anchorWithRows(rows);
}

} // namespace

// The elastic part of a cycle is the reading at the end of the holding at its
// peak less the permanent part, read at the end of the base-load run that opens
// the next cycle (the final reading for the last cycle). Results stand on the
// cycle's last row.
TEST(CycleEvaluation, PeakHoldingAndBaseLoadRuns)
{
    struct Case {
        const char* what;
        std::vector<Row> rows;
        int row, peak;
        float elastic, permanent;
    };
    const float M = MissingValue;
    const Case cases[] = {
        { "holding over three rows, base run over two",
            { { 1, 50, 0 }, { 1, 100, 4 }, { 1, 150, 9.8f }, { 1, 150, 10 }, { 1, 150, 10.3f }, { 1, 100, 5.5f },
                { 1, 50, 0.45f }, { 2, 50, 0.42f }, { 2, 50, 0.4f }, { 2, 100, 5.2f }, { 2, 50, 0.6f } },
            7, 3, 9.9f, 0.4f },
        { "first of two equal maxima",
            { { 1, 50, 0 }, { 1, 150, 9.5f }, { 1, 100, 6 }, { 1, 150, 10.5f }, { 1, 50, 0.5f }, { 2, 50, 0.3f },
                { 2, 100, 5 }, { 2, 50, 0.4f } },
            5, 2, 9.2f, 0.3f },
        { "test ends during the peak holding",
            { { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { 2, 50, 0.1f }, { 2, 150, 10 }, { 2, 150, 10.2f } }, 6, 5,
            M, 10.2f },
        { "next cycle never leaves the base load",
            { { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { 2, 50, 0.1f }, { 2, 50, 0.1f } }, 3, 2, M, M },
        { "peak not read", { { 1, 50, 0 }, { 1, 100, M }, { 1, 50, 0.2f }, { 2, 50, 0.1f }, { 2, 100, 5 } }, 3, 2, M,
            0.1f },
        { "rows of cycle 0 count for none, cycle 2 skipped",
            { { 0, 50, 0 }, { 0, 200, 99 }, { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { 3, 50, 0.1f },
                { 3, 150, 10 }, { 3, 50, 0.3f } },
            8, 7, 9.7f, 0.3f },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AnchorRecord a = anchorWithRows(c.rows);
        EvaluateAnchor(a, EvaluationContext {});
        const ReadingResult& r = resultOfRow(a, c.row);
        EXPECT_EQ(r.PeakRow, c.peak);
        EXPECT_FLOAT_EQ(r.Elastic, c.elastic);
        EXPECT_FLOAT_EQ(r.Permanent, c.permanent);
        EXPECT_EQ(resultOfRow(a, c.row - 1).Elastic, MissingValue);
    }
}

TEST(CycleEvaluation, TheoryAndControlLinesRoundHalvesAwayFromZero)
{
    AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 150, 10 }, { 1, MissingValue, 3 }, { 1, 50, 0.1f } });
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_FLOAT_EQ(resultOfRow(a, 2).Upper, 11.00f);
    EXPECT_EQ(resultOfRow(a, 3).Theory, MissingValue);
    EXPECT_FLOAT_EQ(a.Evaluation.LowerAtTp, 27.00f);

    // 123.25 kN: 73.25 × 10000 / 100000 = 7.325 → 7.33.
    EXPECT_FLOAT_EQ(TheoreticalElastic(123.25f, 50, 10000, 200, 500, 0), 7.33f);
    EXPECT_FLOAT_EQ(UpperLine(7.35f, EvaluationContext {}), 8.09f); // 8.085
    EXPECT_FLOAT_EQ(LowerLine(7.35f, EvaluationContext {}), 6.62f); // 6.615
    EXPECT_EQ(TheoreticalElastic(150, 50, 10000, 1e-30f, 1e-30f, 0), MissingValue); // product underflows
    // A load-distribution anchor of four strands: Es·As per strand.
    EXPECT_FLOAT_EQ(TheoreticalElastic(150, 50, 10000, 200, 500, 4), 2.50f);
}

TEST(CycleEvaluation, DataOutsideTheModelGivesNoElasticAndNoVerdict)
{
    // A cycle beyond ten, below zero or going back: no elastic part anywhere.
    for (int badCycle : { 11, -1, 0 }) {
        AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { badCycle, 50, 0.1f } });
        EvaluateAnchor(a, EvaluationContext {});
        EXPECT_EQ(resultOfRow(a, 3).Elastic, MissingValue) << badCycle;
        EXPECT_EQ(a.RangeVerdict, 2) << badCycle;
        EXPECT_FLOAT_EQ(resultOfRow(a, 2).Theory, 5.0f); // the lines are still drawn
    }

    // A row count beyond the rows held is never read past; none at all clears the results.
    AnchorRecord counted = anchorWithRows({ { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f } });
    counted.ReadingCount = 500;
    EvaluateAnchor(counted, EvaluationContext {});
    EXPECT_EQ(counted.Evaluation.Results.size(), 3u);
    counted.ReadingCount = -4;
    counted.RangeVerdictText = "OK";
    EvaluateAnchor(counted, EvaluationContext {});
    EXPECT_TRUE(counted.Evaluation.Results.empty());
    EXPECT_EQ(counted.RangeVerdictText, QString());
}

TEST(RangeVerdict, BoundsAreInclusive)
{
    // Theory at the peaks 5, 10, 15, 20, 25: the lines 1.1 and 0.9 times.
    AnchorRecord a = fiveCycles({ 5.5f, 9.0f, 15.0f, 22.0f, 22.5f });
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_FLOAT_EQ(ElasticOfCycle(5, a), 22.5f);
    EXPECT_EQ(ElasticOfCycle(6, a), MissingValue);
    EXPECT_EQ(a.RangeVerdictText, QStringLiteral("OK"));
    EXPECT_FLOAT_EQ(LastValid(a, true), 1.25f);
    a.Evaluation.Results.back().Elastic = MissingValue; // the last valid skips missing values
    EXPECT_FLOAT_EQ(LastValid(a, false), 22.0f);

    AnchorRecord b = fiveCycles({ 5.5f, 9.0f, 15.0f, 22.1f, 22.5f });
    EvaluateAnchor(b, EvaluationContext {});
    EXPECT_EQ(b.RangeVerdict, 1);
    EXPECT_EQ(b.RangeVerdictText, QStringLiteral("範囲外"));
}

TEST(RangeVerdict, JudgedFromAGivenCycleOnwards)
{
    AnchorRecord a = fiveCycles({ 5.0f, 8.0f, 15.0f, 20.0f, 25.0f }); // 8 < 9: outside in cycle 2 only
    EvaluationContext ctx;
    ctx.judgeRangeMode = 1;
    ctx.judgeFromCycle = 3;
    EvaluateAnchor(a, ctx);
    EXPECT_EQ(a.RangeVerdict, 0); // cycles 3, 4, 5 judged
    ctx.judgeFromCycle = 2;
    EXPECT_EQ(CheckElasticRange(a, ctx), 1);
    ctx.judgeFromCycle = 6;
    EXPECT_EQ(CheckElasticRange(a, ctx), 2); // nothing judged
    // A confirmation anchor of a quality-assurance project is judged on all cycles.
    a.ConfirmationTest = 1;
    EXPECT_EQ(CheckElasticRange(a, ctx), 1);
    ctx.testCategory = 0; // not in a basic investigation: nothing from cycle 6 on
    EXPECT_EQ(CheckElasticRange(a, ctx), 2);
}

TEST(SetLoss, LockOffSetLossAndJackingForce)
{
    // Es × Set × As / (Lsf − Lr) = 200 × 5 × 500 / 9000 = 55.56 kN; 300 + 55.56 = 355.56 kN;
    // on the jack segment (20 MPa, 210 kN)–(40 MPa, 430 kN): 20 + 20 × 145.56 / 220 = 33.23 MPa.
    AnchorRecord a = anchorWithRows({});
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_FLOAT_EQ(a.SetLoss, 55.56f);
    EXPECT_FLOAT_EQ(a.JackingForce, 355.56f);
    EXPECT_FLOAT_EQ(a.JackingGauge, 33.23f);

    // Load-distribution anchors count the strands: 55.56 × 4 = 222.22.
    a.Tendon.AnchorTypeCode = 3;
    a.Material.StrandSetCount = 4;
    a.Jack = JackRecord {}; // no calibration: no gauge reading
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_FLOAT_EQ(a.SetLoss, 222.22f);
    EXPECT_EQ(a.JackingGauge, MissingValue);

    // No length between head and jack: no loss rather than a division by zero.
    a.Tendon.TensionFreeLength = a.Tendon.ExtraLength;
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_EQ(a.SetLoss, 0);
    EXPECT_FLOAT_EQ(a.JackingForce, a.LockOffLoad);
}

namespace {

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
    AnchorRecord a = test::pullOutAnchor();
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
    AnchorRecord a = test::pullOutAnchor();
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
    AnchorRecord a = test::pullOutAnchor();
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

TEST(FrictionLoss, PointsOfferedAndChoicesThatDefineALine)
{
    AnchorRecord a = test::pullOutAnchor();
    EXPECT_EQ(frictionPointCount(a), 0); // not evaluated: no elastic displacement yet
    EvaluateAnchor(a, basic());
    EXPECT_EQ(frictionPointCount(a), 4); // T0 and three cycles
    EXPECT_DOUBLE_EQ(frictionPoint(a, 4).load, 400);
    EXPECT_FLOAT_EQ(float(frictionPoint(a, 4).elastic), 12.34f);
    EXPECT_DOUBLE_EQ(frictionPoint(a, 12).load, 50); // no such point: point 1

    struct Choice {
        std::uint8_t given;
        float intercept;
        std::uint8_t pointA, pointB;
        bool chosen;
    };
    const Choice choices[] = {
        { 0, InterceptNotGiven, 1, 3, true },
        { 0, InterceptNotGiven, 3, 0, false },
        { 0, InterceptNotGiven, 12, 3, false },
        { 1, InterceptNotGiven, 1, 3, false },
        { 1, 0, 0, 0, true },
    };
    for (const Choice& c : choices) {
        a.UseGivenIntercept = c.given;
        a.GivenIntercept = c.intercept;
        a.PointA = c.pointA;
        a.PointB = c.pointB;
        EXPECT_EQ(frictionLossChosen(a), c.chosen) << int(c.given) << " " << int(c.pointA) << " " << int(c.pointB);
    }
}
