#pragma once
// Anchors with their readings typed in, for the evaluation and graph tests: the
// six-cycle test of sixCycleAnchor() on the compact schedule, read by hand.
//
// Rows (1-based), loads and elapsed times (s):
//   cycle 1: 1 T0 (120) | 2, 3 at 100 (240, 480) | 4 T0 (570)
//   cycle 2: 5 T0 (630) | 6 100 | 7, 8 at 150 (… 1110) | 9 100 | 10 T0 (1290)
//   cycle 3: 11 T0 | 12 100 | 13 150 | 14, 15 at 200 | 16 150 | 17 100 | 18 T0 (2220)
//   cycle 4: 19 T0 | 20–22 up | 23, 24 at 250 | 25–27 down | 28 T0 (3360)
//   cycle 5: 29 T0 | 30–33 up | 34, 35 at 300 | 36–39 down | 40 T0 (4710)
//   cycle 6: 41 T0 | 42–46 up | 47, 48 at 350 | 49–53 down | 54 T0 (6270)
// Readings as in sixCycleDisplacements: elastic parts 5.10 … 29.95 mm against a
// theory of (L − 50) / 10: 5 … 30 mm (at Tp 30, upper 33 and lower 27 mm).

#include "support/AnchorFixtures.h"

#include "model/basMainData.h"
#include "recording/ReadingSheet.h"

#include <vector>

namespace tessaro::test {

// The six-cycle anchor on the compact schedule, every row read.
inline AnchorRecord measuredSixCycleAnchor()
{
    AnchorRecord a = sixCycleAnchor();
    GenerateSheet(a, compactSchedule(), false);
    const std::vector<float> d = sixCycleDisplacements();
    for (std::size_t i = 0; i < a.Readings.size() && i < d.size(); ++i)
        a.Readings[i].Displacement = d[i];
    return a;
}

// A pull-out test of three cycles to 175, 300 and 400 kN from T0 = 50 kN (Tp
// 400 kN, As 555 mm2, a reading a minute). Elastic parts (peak holding end
// minus the following base reading): cycle 1: 4.20 − 0.60 = 3.60; cycle 2:
// 10.80 − 0.80 = 10.00; cycle 3: 14.00 − 1.66 = 12.34.
inline AnchorRecord pullOutAnchor()
{
    struct Row {
        int cycle;
        float load;
        float displacement;
    };
    const Row rows[] = { { 1, 50, 0.00f }, { 1, 175, 4.00f }, { 1, 175, 4.20f }, { 1, 50, 0.50f }, { 2, 50, 0.60f },
        { 2, 175, 4.5f }, { 2, 300, 10.0f }, { 2, 300, 10.80f }, { 2, 175, 6.0f }, { 2, 50, 0.85f }, { 3, 50, 0.80f },
        { 3, 300, 10.9f }, { 3, 400, 13.5f }, { 3, 400, 14.0f }, { 3, 50, 1.66f } };
    AnchorRecord a = sixCycleAnchor();
    for (const Row& r : rows) {
        Reading reading;
        reading.ElapsedTime = 60 * std::int32_t(a.Readings.size());
        reading.Cycle = std::int16_t(r.cycle);
        reading.Load = r.load;
        reading.Displacement = r.displacement;
        a.Readings.push_back(reading);
    }
    a.ReadingCount = std::int16_t(a.Readings.size());
    a.Material.TendonArea = 555;
    a.Plan.PlannedMaxLoad = 400;
    a.Plan.StageCount = 3;
    a.Plan.CycleMaxLoad = { 175, 300, 400 };
    return a;
}

// A basic investigation on the pull-out test, no friction-loss choice made yet.
inline void makePullOutProject(Project& p)
{
    InitProject(p, 0);
    p.TestCategory = 0;
    p.Record.SavedTestCategory = 0;
    p.Record.WorksName = QStringLiteral("○○地区アンカー基本調査試験");
    p.Record.WorkingAnchor = pullOutAnchor();
}

} // namespace tessaro::test
