// Edge cases of the cycle evaluation; the worked tests from sheet to verdict are
// in test_wholetests.cpp.

#include "evaluation/CycleEvaluation.h"
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
    EXPECT_EQ(TheoreticalElastic(150, 50, 10000, 0, 500, 0), MissingValue);
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

    // No length between head and jack: no loss; no free length: the stored values stay.
    a.Tendon.TensionFreeLength = a.Tendon.ExtraLength;
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_EQ(a.SetLoss, 0);
    EXPECT_FLOAT_EQ(a.JackingForce, a.LockOffLoad);
    a.Tendon.AnchorTypeCode = 0;
    a.Tendon.TensionFreeLength = 0;
    a.SetLoss = 1.5f;
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_EQ(a.SetLoss, 1.5f);
}
