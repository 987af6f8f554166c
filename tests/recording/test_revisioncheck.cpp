// The data-revision check on the six-cycle test worked by hand (sixCycleAnchor,
// compactSchedule: the maximum-load holdings are read at 1 and 5 min, rows 2–3,
// 7–8, 14–15, 23–24, 34–35, 47–48).

#include "evaluation/CycleEvaluation.h"
#include "recording/RevisionCheck.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

struct SixCycles : ::testing::Test {
    AnchorRecord a = test::measuredSixCycleAnchor();
    HoldingSchedule schedule = test::compactSchedule();

    void setDisplacement(int row, float value) { a.Readings[std::size_t(row - 1)].Displacement = value; }
    RevisionCheck check()
    {
        EvaluateAnchor(a, EvaluationContext {});
        return CheckPeakHoldings(a, schedule, false);
    }
};

} // namespace

TEST_F(SixCycles, FaultsInCyclesTwoAndFourAreNamed)
{
    RevisionCheck c = check();
    EXPECT_EQ(c.evaluatedCycles, 6);
    EXPECT_TRUE(c.outsideRows.empty());
    EXPECT_EQ(c.holdingEndRows, (std::vector<int> { 3, 8, 15, 24, 35, 48 }));
    EXPECT_EQ(RevisionVerdictText(c), QStringLiteral("管理限界内に入っています。"));

    // Cycle 2: 12.00 − 0.55 = 11.45 above the upper line 11.00 at 150 kN;
    // cycle 4: 17.00 − 1.10 = 15.90 below the lower line 18.00 at 250 kN.
    setDisplacement(8, 12.00f);
    setDisplacement(24, 17.00f);
    c = check();
    EXPECT_EQ(c.outsideRows, (std::vector<int> { 7, 8, 23, 24 }));
    EXPECT_EQ(c.faultyCycles, (std::vector<int> { 2, 4 }));
    EXPECT_EQ(a.RangeVerdictText, QStringLiteral("管理限界範囲外"));
    EXPECT_EQ(RevisionVerdictText(c), QStringLiteral("2,4サイクル目の最大荷重時の伸び量を直してください。"));
    // The next evaluation puts back its own verdict.
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_EQ(a.RangeVerdictText, QStringLiteral("範囲外"));
}

TEST_F(SixCycles, ValuesOnTheLinesAreWithin)
{
    // Cycle 1 on the upper line: 5.75 − 0.25 = 5.50 = 1.1 × 5.00; cycle 2 on the
    // lower line: 9.50 − 0.50 = 9.00 = 0.9 × 10.00.
    setDisplacement(3, 5.75f);
    setDisplacement(5, 0.25f);
    setDisplacement(8, 9.50f);
    setDisplacement(11, 0.50f);
    EXPECT_TRUE(check().outsideRows.empty());
    EXPECT_EQ(a.RangeVerdict, 0);

    for (Reading& r : a.Readings) // nothing evaluated: no verdict text
        r.Displacement = MissingValue;
    RevisionCheck c = check();
    EXPECT_EQ(c.evaluatedCycles, 0);
    EXPECT_EQ(RevisionVerdictText(c), QString());
}

TEST_F(SixCycles, HoldingLengthComesFromTheSchedule)
{
    // Three readings counted at cycle 3's new load: rows 14–16, so row 16 (at
    // 150 kN, on the way down) is judged against the lines at 150 kN too.
    schedule.InitialStages[3].Count = 3;
    RevisionCheck c = check();
    EXPECT_EQ(c.holdingEndRows[2], 16);
    EXPECT_EQ(c.outsideRows, (std::vector<int> { 16 })); // 15.05 > 11.00
    // A single-cycle sheet counts its Tp entry (the second) for every cycle.
    c = CheckPeakHoldings(a, schedule, true);
    EXPECT_EQ(c.holdingEndRows, (std::vector<int> { 3, 8, 15, 24, 35, 48 }));
    // A holding cannot reach past the last row.
    a.Evaluation.Results[53].PeakRow = 54;
    EXPECT_EQ(CheckPeakHoldings(a, schedule, false).holdingEndRows.back(), 54);
}
