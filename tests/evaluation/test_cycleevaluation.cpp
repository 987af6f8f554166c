#include "evaluation/CycleEvaluation.h"
#include "model/basMainData.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

struct Row {
    int cycle;
    float load;
    float displacement;
};

// The six-cycle anchor (theory (L − 50) / 10 mm) with hand-made rows.
AnchorRecord anchorWithRows(std::initializer_list<Row> rows)
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

EvaluationContext quality()
{
    return EvaluationContext {};
}

// Five cycles of three rows: T0, the peak 50 + 50c kN (theory 5c mm, held over
// one reading), back to T0. The permanent part of cycle c is 0.25c mm, read at
// the opening T0 row of cycle c + 1 (the final row for cycle 5); the closing T0
// row of a cycle reads 0.125 mm more. All values are exact in single precision,
// so elastic[c − 1] comes out exactly.
AnchorRecord fiveCycles(const float (&elastic)[5])
{
    AnchorRecord a = anchorWithRows({});
    auto add = [&](int cycle, float load, float displacement) {
        Reading r;
        r.Cycle = std::int16_t(cycle);
        r.Load = load;
        r.Displacement = displacement;
        a.Readings.push_back(r);
    };
    for (int c = 1; c <= 5; ++c) {
        float permanent = 0.25f * float(c);
        add(c, 50, 0.25f * float(c - 1));
        add(c, 50.0f + 50.0f * float(c), elastic[c - 1] + permanent);
        add(c, 50, c < 5 ? permanent + 0.125f : permanent);
    }
    a.ReadingCount = std::int16_t(a.Readings.size());
    return a;
}

} // namespace

TEST(CycleEvaluation, WorkedExampleOfTwoCycles)
{
    // Cycle 1: 50, 100, 150, 150, 150, 100, 50; cycle 2: 50, 50, 100, 50.
    AnchorRecord a = anchorWithRows({ { 1, 50, 0.00f }, { 1, 100, 4.00f }, { 1, 150, 9.80f }, { 1, 150, 10.00f },
        { 1, 150, 10.30f }, // row 5: end of the holding at 150
        { 1, 100, 5.50f }, { 1, 50, 0.45f }, // row 7: last row of cycle 1
        { 2, 50, 0.42f }, { 2, 50, 0.40f }, // row 9: end of the base-load run
        { 2, 100, 5.20f }, { 2, 50, 0.60f } });
    EvaluateAnchor(a, quality());
    const ReadingResult& c1 = resultOfRow(a, 7);
    EXPECT_EQ(c1.PeakRow, 3);
    EXPECT_FLOAT_EQ(c1.Permanent, 0.40f);
    EXPECT_FLOAT_EQ(c1.Elastic, 10.30f - 0.40f);
    for (int row : { 1, 2, 3, 4, 5, 6, 8, 9, 10 }) {
        EXPECT_EQ(resultOfRow(a, row).Elastic, MissingValue) << row;
        EXPECT_EQ(resultOfRow(a, row).PeakRow, 0) << row;
    }
    // Cycle 2 ends the test: its peak holding (row 10) ends at row 10, the
    // permanent part is the final reading.
    const ReadingResult& c2 = resultOfRow(a, 11);
    EXPECT_EQ(c2.PeakRow, 10);
    EXPECT_FLOAT_EQ(c2.Permanent, 0.60f);
    EXPECT_FLOAT_EQ(c2.Elastic, 5.20f - 0.60f);
    EXPECT_FLOAT_EQ(a.Evaluation.LastElastic, 4.60f);
    EXPECT_FLOAT_EQ(a.Evaluation.LastPermanent, 0.60f);
}

TEST(CycleEvaluation, TheoryAndControlLinesPerRow)
{
    AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 150, 10 }, { 1, MissingValue, 3 }, { 1, 50, 0.1f } });
    EvaluateAnchor(a, quality());
    EXPECT_FLOAT_EQ(resultOfRow(a, 1).Theory, 0);
    EXPECT_FLOAT_EQ(resultOfRow(a, 2).Theory, 10.00f);
    EXPECT_FLOAT_EQ(resultOfRow(a, 2).Upper, 11.00f);
    EXPECT_FLOAT_EQ(resultOfRow(a, 2).Lower, 9.00f);
    EXPECT_EQ(resultOfRow(a, 3).Theory, MissingValue);
    EXPECT_EQ(resultOfRow(a, 3).Lower, MissingValue);
    EXPECT_FLOAT_EQ(a.Evaluation.LowerAtTp, 27.00f);

    // 123.25 kN: 73.25 × 10000 / 100000 = 7.325 → 7.33 (halves away from zero).
    EXPECT_FLOAT_EQ(TheoreticalElastic(123.25f, 50, 10000, 200, 500, 0), 7.33f);
    EXPECT_FLOAT_EQ(UpperLine(7.35f, quality()), 8.09f); // 8.085
    EXPECT_FLOAT_EQ(LowerLine(7.35f, quality()), 6.62f); // 6.615
    EXPECT_EQ(TheoreticalElastic(150, 50, 10000, 0, 500, 0), MissingValue);
    EXPECT_EQ(TheoreticalElastic(150, 50, 10000, 1e-30f, 1e-30f, 0), MissingValue); // product underflows
    EXPECT_FLOAT_EQ(TheoreticalElastic(150, 50, 10000, 200, 500, 4), 2.50f);
}

TEST(CycleEvaluation, LoadDistributionTheoryCountsTheStrands)
{
    AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 150, 3 }, { 1, 50, 0.1f } });
    a.Tendon.AnchorTypeCode = 3;
    a.Material.StrandSetCount = 4;
    LoadDistributionTables tables;
    EvaluationContext ctx = quality();
    ctx.tables = &tables;
    EvaluateAnchor(a, ctx);
    EXPECT_FLOAT_EQ(resultOfRow(a, 2).Theory, 2.50f);
    a.Material.StrandSetCount = 0; // no strand count: As·Es alone
    EvaluateAnchor(a, ctx);
    EXPECT_FLOAT_EQ(resultOfRow(a, 2).Theory, 10.00f);
}

TEST(CycleEvaluation, NoReadings)
{
    AnchorRecord a = anchorWithRows({});
    a.Evaluation.LastElastic = 5;
    a.RangeVerdict = 0;
    a.RangeVerdictText = "OK";
    EvaluateAnchor(a, quality());
    EXPECT_TRUE(a.Evaluation.Results.empty());
    EXPECT_EQ(a.Evaluation.LastElastic, 0);
    EXPECT_EQ(a.Evaluation.LastPermanent, 0);
    EXPECT_EQ(a.RangeVerdict, 2);
    EXPECT_EQ(a.RangeVerdictText, QString());
}

TEST(CycleEvaluation, FirstOfTwoEqualMaximaStartsTheHoldingRun)
{
    // The maximum 150 appears at rows 2 and 4; the holding run from row 2 is one row long.
    AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 150, 9.5f }, { 1, 100, 6 }, { 1, 150, 10.5f }, { 1, 50, 0.5f },
        { 2, 50, 0.3f }, { 2, 100, 5 }, { 2, 50, 0.4f } });
    EvaluateAnchor(a, quality());
    EXPECT_EQ(resultOfRow(a, 5).PeakRow, 2);
    EXPECT_FLOAT_EQ(resultOfRow(a, 5).Elastic, 9.5f - 0.3f);
}

TEST(CycleEvaluation, HoldingThatNeverEndsGivesNoElastic)
{
    // The test ends during the holding at the peak of cycle 2.
    AnchorRecord a = anchorWithRows(
        { { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { 2, 50, 0.1f }, { 2, 150, 10 }, { 2, 150, 10.2f } });
    EvaluateAnchor(a, quality());
    EXPECT_FLOAT_EQ(resultOfRow(a, 3).Elastic, 4.9f);
    EXPECT_EQ(resultOfRow(a, 6).Elastic, MissingValue);
    EXPECT_FLOAT_EQ(resultOfRow(a, 6).Permanent, 10.2f);
    EXPECT_EQ(resultOfRow(a, 6).PeakRow, 5);
    EXPECT_EQ(a.Evaluation.LastElastic, MissingValue);
}

TEST(CycleEvaluation, BaseLoadRunToTheEndLeavesTheCycleWithoutPermanent)
{
    // Cycle 2 never leaves the base load: cycle 1 has no base row.
    AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { 2, 50, 0.1f }, { 2, 50, 0.1f } });
    EvaluateAnchor(a, quality());
    EXPECT_EQ(resultOfRow(a, 3).Permanent, MissingValue);
    EXPECT_EQ(resultOfRow(a, 3).Elastic, MissingValue);
    EXPECT_EQ(resultOfRow(a, 3).PeakRow, 2);
}

TEST(CycleEvaluation, MissingDisplacementsPropagate)
{
    AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 100, MissingValue }, { 1, 50, 0.2f }, { 2, 50, 0.1f },
        { 2, 100, 5 }, { 2, 50, MissingValue } });
    EvaluateAnchor(a, quality());
    EXPECT_EQ(resultOfRow(a, 3).Elastic, MissingValue);
    EXPECT_FLOAT_EQ(resultOfRow(a, 3).Permanent, 0.1f);
    EXPECT_EQ(resultOfRow(a, 6).Permanent, MissingValue);
    EXPECT_EQ(resultOfRow(a, 6).Elastic, MissingValue);
}

TEST(CycleEvaluation, CycleZeroAndSkippedCycles)
{
    // Rows before the first cycle count for none; cycle 2 has no rows.
    AnchorRecord a = anchorWithRows({ { 0, 50, 0 }, { 0, 200, 99 }, { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f },
        { 3, 50, 0.1f }, { 3, 150, 10 }, { 3, 50, 0.3f } });
    EvaluateAnchor(a, quality());
    EXPECT_EQ(resultOfRow(a, 5).PeakRow, 4); // not row 2 of cycle 0
    EXPECT_FLOAT_EQ(resultOfRow(a, 5).Elastic, 4.9f);
    EXPECT_EQ(resultOfRow(a, 8).PeakRow, 7);
    EXPECT_FLOAT_EQ(resultOfRow(a, 8).Elastic, 9.7f);
    EXPECT_EQ(ElasticOfCycle(2, a), resultOfRow(a, 8).Elastic);
}

TEST(CycleEvaluation, DataOutsideTheModelIsRefused)
{
    for (int badCycle : { 11, -1, 32767 }) {
        AnchorRecord a = anchorWithRows({ { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f }, { badCycle, 50, 0.1f } });
        EvaluateAnchor(a, quality());
        for (const ReadingResult& r : a.Evaluation.Results)
            EXPECT_EQ(r.Elastic, MissingValue);
        EXPECT_EQ(a.RangeVerdict, 2);
        EXPECT_FLOAT_EQ(resultOfRow(a, 2).Theory, 5.0f); // the lines are still drawn
    }
    AnchorRecord decreasing = anchorWithRows({ { 2, 50, 0 }, { 2, 100, 5 }, { 1, 50, 0.2f } });
    EvaluateAnchor(decreasing, quality());
    EXPECT_EQ(resultOfRow(decreasing, 3).Elastic, MissingValue);

    // A row count beyond the rows held is never read past.
    AnchorRecord counted = anchorWithRows({ { 1, 50, 0 }, { 1, 100, 5 }, { 1, 50, 0.2f } });
    counted.ReadingCount = 500;
    EvaluateAnchor(counted, quality());
    EXPECT_EQ(counted.Evaluation.Results.size(), 3u);
    counted.ReadingCount = -4;
    EvaluateAnchor(counted, quality());
    EXPECT_TRUE(counted.Evaluation.Results.empty());
}

TEST(RangeVerdict, BoundsAreInclusive)
{
    // Theory at the peaks 5, 10, 15, 20, 25: the lines 1.1 and 0.9 times.
    float exact[5] = { 5.5f, 9.0f, 15.0f, 22.0f, 22.5f };
    AnchorRecord a = fiveCycles(exact);
    EvaluateAnchor(a, quality());
    EXPECT_FLOAT_EQ(ElasticOfCycle(1, a), 5.5f);
    EXPECT_FLOAT_EQ(ElasticOfCycle(5, a), 22.5f);
    EXPECT_EQ(ElasticOfCycle(6, a), MissingValue);
    EXPECT_EQ(a.RangeVerdict, 0);
    EXPECT_EQ(a.RangeVerdictText, QStringLiteral("OK"));

    float above[5] = { 5.5f, 9.0f, 15.0f, 22.1f, 22.5f };
    AnchorRecord b = fiveCycles(above);
    EvaluateAnchor(b, quality());
    EXPECT_EQ(b.RangeVerdict, 1);
    EXPECT_EQ(b.RangeVerdictText, QStringLiteral("範囲外"));
}

TEST(RangeVerdict, JudgedFromAGivenCycleOnwards)
{
    float lowInCycle2[5] = { 5.0f, 8.0f, 15.0f, 20.0f, 25.0f }; // 8 < 9: outside in cycle 2 only
    AnchorRecord a = fiveCycles(lowInCycle2);
    EvaluationContext ctx = quality();
    ctx.judgeRangeMode = 1;
    ctx.judgeFromCycle = 3;
    EvaluateAnchor(a, ctx);
    EXPECT_EQ(a.RangeVerdict, 0); // cycles 3, 4, 5 judged
    ctx.judgeFromCycle = 2;
    EXPECT_EQ(CheckElasticRange(a, ctx), 1);
    ctx.judgeFromCycle = 6;
    EXPECT_EQ(CheckElasticRange(a, ctx), 2); // nothing judged
    ctx.judgeRangeMode = 0;
    EXPECT_EQ(CheckElasticRange(a, ctx), 1);
    ctx.judgeRangeMode = 7; // an unknown mode judges nothing
    EXPECT_EQ(CheckElasticRange(a, ctx), 2);

    // A confirmation anchor of a quality-assurance project is judged on all cycles.
    a.ConfirmationTest = 1;
    ctx.judgeRangeMode = 1;
    ctx.judgeFromCycle = 3;
    EXPECT_EQ(CheckElasticRange(a, ctx), 1);
    ctx.testCategory = 0; // not in a basic investigation
    EXPECT_EQ(CheckElasticRange(a, ctx), 0);
}

TEST(RangeVerdict, LastValidSkipsMissingValues)
{
    float elastic[5] = { 5.0f, 10.0f, 15.0f, 20.0f, 25.0f };
    AnchorRecord a = fiveCycles(elastic);
    EvaluateAnchor(a, quality());
    EXPECT_FLOAT_EQ(LastValid(a, false), 25.0f);
    EXPECT_FLOAT_EQ(LastValid(a, true), 1.25f);
    a.Evaluation.Results.back().Elastic = MissingValue;
    EXPECT_FLOAT_EQ(LastValid(a, false), 20.0f);
    AnchorRecord none = anchorWithRows({});
    EXPECT_EQ(LastValid(none, false), 0);
}

TEST(SetLoss, LockOffSetLossAndJackingForce)
{
    // Es × Set × As / (Lsf − Lr) = 200 × 5 × 500 / 9000 = 55.56 kN; 300 + 55.56 = 355.56 kN;
    // on the jack segment (20 MPa, 210 kN)–(40 MPa, 430 kN): 20 + 20 × 145.56 / 220 = 33.23 MPa.
    AnchorRecord a = anchorWithRows({});
    EvaluateAnchor(a, quality());
    EXPECT_FLOAT_EQ(a.SetLoss, 55.56f);
    EXPECT_FLOAT_EQ(a.JackingForce, 355.56f);
    EXPECT_FLOAT_EQ(a.JackingGauge, 33.23f);

    // Load-distribution anchors count the strands: 55.56 × 4 = 222.22.
    a.Tendon.AnchorTypeCode = 3;
    a.Material.StrandSetCount = 4;
    EvaluateAnchor(a, quality());
    EXPECT_FLOAT_EQ(a.SetLoss, 222.22f);

    a.Jack = JackRecord {}; // no calibration: no gauge reading
    EvaluateAnchor(a, quality());
    EXPECT_EQ(a.JackingGauge, MissingValue);
}

TEST(SetLoss, NoLengthBetweenHeadAndJack)
{
    for (int type : { 0, 3, 4 }) {
        AnchorRecord a = anchorWithRows({});
        a.Tendon.AnchorTypeCode = std::int16_t(type);
        a.Tendon.TensionFreeLength = a.Tendon.ExtraLength;
        EvaluateAnchor(a, quality());
        EXPECT_EQ(a.SetLoss, 0) << type;
        EXPECT_FLOAT_EQ(a.JackingForce, a.LockOffLoad) << type;
    }
    AnchorRecord a = anchorWithRows({});
    a.Tendon.TensionFreeLength = 0; // no free length: the stored values stay
    a.SetLoss = 1.5f;
    a.JackingForce = 7;
    EvaluateAnchor(a, quality());
    EXPECT_EQ(a.SetLoss, 1.5f);
    EXPECT_EQ(a.JackingForce, 7);
}

TEST(CycleEvaluation, ProjectOverloadReadsTheProjectsRates)
{
    Project& p = project();
    InitProject(p, 1);
    p.TestCategory = 1;
    p.UpperRateInUse = 1.2f;
    p.LowerRateInUse = 0.8f;
    p.anchor(1) = anchorWithRows({ { 1, 50, 0 }, { 1, 150, 10 }, { 1, 50, 0.1f } });
    EvaluateAnchor(p.anchor(1));
    EXPECT_FLOAT_EQ(resultOfRow(p.anchor(1), 2).Upper, 12.0f);
    EXPECT_FLOAT_EQ(resultOfRow(p.anchor(1), 2).Lower, 8.0f);
}
