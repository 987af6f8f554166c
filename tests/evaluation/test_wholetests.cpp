// Whole tests worked by hand: a sheet generated from the plan and schedule,
// readings typed in as on site, and the evaluation of the lot.

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "recording/ReadingSheet.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;
using test::readingsAt;

namespace {

const ReadingResult& resultOfRow(const AnchorRecord& a, int row)
{
    return a.Evaluation.Results[std::size_t(row - 1)];
}

} // namespace

// Six cycles from T0 = 50 kN in stages of 50 kN to Tp = 350 kN (sixCycleAnchor),
// with the compact schedule: opening holding read at 2 min, new loads at 1 and
// 5 min, every other holding at 1 min; loads rise at 50 kN/min (60 s a stage)
// and fall at 100 kN/min (30 s a stage). Its rows and readings are listed in
// support/MeasuredAnchors.h.
TEST(WholeTests, SixCycleMultiCycleTest)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    ASSERT_EQ(a.ReadingCount, 54);

    // Elapsed times. Opening: 120 s. Cycle 1: up 60 + 60 → 240, 180 + 300 → 480;
    // down 30 + 60 → 570. Cycle c ≥ 2 lasts 60 (T0, no load change after the
    // closing T0) + 120 per stage up (c − 1) + 360 at the peak + 90 per stage
    // down (c − 1) + 90 back at T0 = 510 + 210 (c − 1): cycle 2 ends at 1290,
    // 3 at 2220, 4 at 3360, 5 at 4710, 6 at 6270.
    std::vector<int> ends;
    for (int row : { 1, 2, 3, 4, 5, 8, 10, 18, 28, 40, 54 })
        ends.push_back(a.Readings[std::size_t(row - 1)].ElapsedTime);
    EXPECT_EQ(ends, (std::vector<int> { 120, 240, 480, 570, 630, 1110, 1290, 2220, 3360, 4710, 6270 }));
    EXPECT_EQ(a.Readings[2].Interval, 5); // the minute of the holding the reading is taken at
    // Planned gauges on the jack (10 MPa, 100 kN), (20, 210), (40, 430):
    // 150 → 10 + 10 × 50/110 = 14.55; 350 → 20 + 20 × 140/220 = 32.73.
    EXPECT_FLOAT_EQ(a.Readings[6].GaugePressure, 14.55f);
    EXPECT_FLOAT_EQ(a.Readings[46].GaugePressure, 32.73f);
    EvaluateAnchor(a, EvaluationContext {});

    // Elastic = total at the end of the peak holding − permanent:
    // 5.40 − 0.30 = 5.10; 10.75 − 0.55 = 10.20; 15.85 − 0.80 = 15.05;
    // 20.90 − 1.10 = 19.80; 26.25 − 1.35 = 24.90; 31.55 − 1.60 = 29.95.
    // Peak rows, elastic and permanent parts on each cycle's last row, to the 0.01 mm shown.
    std::vector<int> peaks;
    std::vector<double> elastic, permanent;
    for (int row : { 4, 10, 18, 28, 40, 54 }) {
        peaks.push_back(resultOfRow(a, row).PeakRow);
        elastic.push_back(roundFormat(resultOfRow(a, row).Elastic, "0.00"));
        permanent.push_back(roundFormat(resultOfRow(a, row).Permanent, "0.00"));
    }
    EXPECT_EQ(peaks, (std::vector<int> { 2, 7, 14, 23, 34, 47 }));
    EXPECT_EQ(elastic, (std::vector<double> { 5.10, 10.20, 15.05, 19.80, 24.90, 29.95 }));
    EXPECT_EQ(permanent, (std::vector<double> { 0.30, 0.55, 0.80, 1.10, 1.35, 1.60 }));
    EXPECT_NEAR(a.Evaluation.LastElastic, 29.95f, 1e-5);

    // Theory (L − 50) / 10 at the peaks: 5 … 30 mm; every elastic part lies
    // between 0.9 and 1.1 times it.
    EXPECT_FLOAT_EQ(resultOfRow(a, 23).Upper, 22.00f);
    EXPECT_EQ(a.RangeVerdict, 0);
    // Cycle 4's peak read 2.5 mm more: elastic 22.30 > 22.00, out of range.
    a.Readings[23].Displacement = 23.40f;
    EvaluateAnchor(a, EvaluationContext {});
    EXPECT_EQ(a.RangeVerdict, 1);
}

// A single-cycle confirmation test of a quality-assurance project: T0 = 40 kN,
// five stages of 40 kN to Tp = 240 kN; the sheet walks 40, 80, 120, 160, 240,
// 160, 120, 80, 40 (stage 4 = 200 kN is passed without a holding). Opening and
// every intermediate holding read at 1 min, Tp at 1, 2, 5, 10, 15 min, the
// closing T0 holding at 1 and 5 min. Loads change in a fixed 1 min up, 2 min down.
TEST(WholeTests, SingleCycleConfirmationTest)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.ConfirmationTest = 1;
    a.Tendon.TensionFreeLength = 12000;
    a.Material.TendonArea = 600; // Es·As = 120000 kN: theory (L − 40) / 10 mm
    a.Plan = { .InitialLoad = 40, .PlannedMaxLoad = 240, .StageCount = 5, .CycleMaxLoad = { 80, 120, 160, 200, 240 } };
    a.Spec2.LoadChangeBySpeed = 0;
    a.Spec2.LoadingMinutes = 1;
    a.Spec2.UnloadingMinutes = 2;

    HoldingSchedule s;
    s.InitialStages[0] = readingsAt({ 1 });
    s.InitialStages[1] = readingsAt({ 1, 2, 5, 10, 15 });
    for (CycleStageEntries& c : s.CycleStages) {
        c.Loading[0] = readingsAt({ 1 });
        c.Unloading[0] = readingsAt({ 1 });
    }
    s.CycleStages[0].Unloading[0] = readingsAt({ 1, 5 });

    ASSERT_TRUE(usesSingleCycleSheet(a, 1));
    GenerateSheet(a, s, true);
    ASSERT_EQ(a.ReadingCount, 14); // 1 opening + 3 up + 5 at Tp + 3 down + 2 closing

    // Elapsed: 60 | up +60: 180 | 300 | 420 | up +60 from 420: 480 + 60, 120, 300, 600, 900 =
    // 540, 600, 780, 1080, 1380 | down +120: 1560 | 1740 | 1920 | down +120: 2100, 2040 + 300 = 2340.
    std::vector<int> elapsed;
    std::vector<float> loads;
    for (const Reading& r : a.Readings) {
        elapsed.push_back(r.ElapsedTime);
        loads.push_back(r.Load);
    }
    EXPECT_EQ(
        elapsed, (std::vector<int> { 60, 180, 300, 420, 540, 600, 780, 1080, 1380, 1560, 1740, 1920, 2100, 2340 }));
    EXPECT_EQ(loads, (std::vector<float> { 40, 80, 120, 160, 240, 240, 240, 240, 240, 160, 120, 80, 40, 40 }));

    const float d[]
        = { 0.00f, 4.10f, 8.20f, 12.30f, 20.60f, 20.80f, 21.00f, 21.20f, 21.35f, 13.90f, 9.70f, 5.40f, 1.20f, 1.15f };
    for (std::size_t i = 0; i < 14; ++i)
        a.Readings[i].Displacement = d[i];
    // Only cycle 1 exists; a project judging from cycle 3 on still judges it:
    // confirmation anchors are judged on every cycle.
    EvaluationContext ctx;
    ctx.judgeRangeMode = 1;
    ctx.judgeFromCycle = 3;
    EvaluateAnchor(a, ctx);

    // Peak row 5 (first reading at 240 kN); the holding ends at row 9;
    // permanent = final reading 1.15; elastic = 21.35 − 1.15 = 20.20 against a
    // theory of 200 × 12000 / 120000 = 20.00 at Tp.
    const ReadingResult& r = resultOfRow(a, 14);
    EXPECT_EQ(r.PeakRow, 5);
    EXPECT_FLOAT_EQ(r.Permanent, 1.15f);
    EXPECT_NEAR(r.Elastic, 20.20f, 1e-5);
    EXPECT_FLOAT_EQ(resultOfRow(a, 5).Theory, 20.00f);
    EXPECT_EQ(a.RangeVerdict, 0);
}
