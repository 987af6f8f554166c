#pragma once
// Anchors, jacks and schedules the evaluation, recording and command-line tests
// share. Every number here is used by hand-worked expectations in the tests.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <initializer_list>
#include <vector>

namespace tessaro::test {

// Calibration pairs (MPa, kN): (10, 100), (20, 210), (40, 430).
inline JackRecord calibratedJack()
{
    JackRecord j;
    j.JackName = QStringLiteral("テストジャッキ");
    j.PointCount = 4;
    j.Pressures = { 10, 20, 40 };
    j.Outputs = { 100, 210, 430 };
    return j;
}

inline HoldingStage readingsAt(std::initializer_list<int> minutes)
{
    HoldingStage s;
    std::size_t i = 0;
    for (int m : minutes)
        s.Times[i++] = std::uint16_t(m);
    s.Count = std::uint8_t(minutes.size());
    return s;
}

// Friction-type anchor, Lf 9000 + Lr 1000 = Lsf 10000 mm, Es·As = 200 × 500 =
// 100000 kN, so the theory at load L is (L − 50) / 10 mm. T0 50, Tp 350 kN in
// six stages of 50 kN; set 5 mm, lock-off 300 kN.
inline AnchorRecord sixCycleAnchor()
{
    AnchorRecord a;
    a.AnchorNo = QStringLiteral("A-1");
    a.Tendon.AnchorTypeCode = 0;
    a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー");
    a.Tendon.AnchorRank = 0;
    a.Tendon.FreeLength = 9000;
    a.Tendon.ExtraLength = 1000;
    a.Tendon.AnchorLength = 6000;
    a.Tendon.TensionFreeLength = 10000;
    a.Material.TendonModulus = 200;
    a.Material.TendonArea = 500;
    a.Material.StrandSetCount = 1;
    a.Plan.PlanSet = 1;
    a.Plan.InitialLoad = 50;
    a.Plan.PlannedMaxLoad = 350;
    a.Plan.StageCount = 6;
    a.Plan.CycleMaxLoad = { 100, 150, 200, 250, 300, 350 };
    a.SetAmount = 5.0;
    a.LockOffLoad = 300;
    a.Jack = calibratedJack();
    // Loads rise at 50 kN/min and fall at 100 kN/min: a 50 kN step up lasts
    // 60 s, one down 30 s.
    a.Spec2.LoadChangeBySpeed = 1;
    a.Spec2.LoadingRate = 50;
    a.Spec2.UnloadingRate = 100;
    return a;
}

// Load-distribution anchor of two bodies of four strands 2000 mm apart: Lr 1000
// + Lf 13000 + La 6000 gives tendons of 20000 and 18000 mm to the bodies, Lsf
// 18947 mm; Es·As = 200 × 138.7 = 27740 kN per strand.
inline AnchorRecord twoBodyAnchor()
{
    AnchorRecord a;
    a.Tendon.AnchorTypeCode = 3;
    a.Tendon.AnchorTypeName = QStringLiteral("荷重分散型アンカー");
    a.Tendon.TensioningType = 0;
    a.Tendon.FreeLength = 13000;
    a.Tendon.AnchorLength = 6000;
    a.Tendon.ExtraLength = 1000;
    a.Tendon.BodyCount = 2;
    a.Tendon.BodyInterval = { 2000 };
    a.Material.BodyStrandCount = { 4, 4 };
    a.Material.StrandSetCount = 8;
    a.Material.TendonModulus = 200;
    a.Material.TendonArea = 138.7f;
    return a;
}

// Opening holding 2 min (one reading), new-load holdings read at 1 and 5 min,
// every other holding read once after 1 min.
inline HoldingSchedule compactSchedule()
{
    HoldingSchedule s;
    s.SetFlag = 1;
    s.InitialStages[0] = readingsAt({ 2 });
    for (std::size_t c = 1; c < s.InitialStages.size(); ++c)
        s.InitialStages[c] = readingsAt({ 1, 5 });
    for (CycleStageEntries& cycle : s.CycleStages) {
        cycle.Loading.fill(readingsAt({ 1 }));
        cycle.Unloading.fill(readingsAt({ 1 }));
    }
    return s;
}

// Head displacements of the 54 rows of the six-cycle sheet (sixCycleAnchor with
// compactSchedule), as read on site. Permanent parts (at the T0 row opening the
// next cycle, the final row for cycle 6): 0.30, 0.55, 0.80, 1.10, 1.35, 1.60.
// Total at the end of each peak holding (rows 3, 8, 15, 24, 35, 48): 5.40,
// 10.75, 15.85, 20.90, 26.25, 31.55; elastic parts 5.10, 10.20, 15.05, 19.80,
// 24.90, 29.95. The closing T0 rows read a little more than the next opening
// ones (the anchor recovers).
inline std::vector<float> sixCycleDisplacements()
{
    return { 0.00f, // 1
        5.20f, 5.40f, 0.32f, // 2–4
        0.30f, 5.30f, 10.50f, 10.75f, 5.60f, 0.58f, // 5–10
        0.55f, 5.50f, 10.60f, 15.60f, 15.85f, 10.90f, 5.80f, 0.83f, // 11–18
        0.80f, 5.70f, 10.80f, 15.90f, 20.70f, 20.90f, 16.10f, 11.00f, 6.00f, 1.13f, // 19–28
        1.10f, 6.00f, 11.00f, 16.10f, 21.20f, 26.00f, 26.25f, 21.40f, 16.30f, 11.20f, 6.20f, 1.38f, // 29–40
        1.35f, 6.20f, 11.30f, 16.40f, 21.50f, 26.60f, 31.30f, 31.55f, 26.80f, 21.70f, 16.60f, 11.40f, 6.40f,
        1.60f }; // 41–54
}

} // namespace tessaro::test
