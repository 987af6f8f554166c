#pragma once
// Anchors with their readings typed in, for the graph tests: the six-cycle test
// of sixCycleAnchor() on the compact schedule, every reading worked by hand.
//
// Rows (1-based), loads and elapsed times (s):
//   cycle 1: 1 T0 (120) | 2, 3 at 100 (240, 480) | 4 T0 (570)
//   cycle 2: 5 T0 (630) | 6 100 | 7, 8 at 150 (… 1110) | 9 100 | 10 T0 (1290)
//   cycle 3: 11 T0 | 12 100 | 13 150 | 14, 15 at 200 | 16 150 | 17 100 | 18 T0 (2220)
//   cycle 4: 19 T0 | 20–22 up | 23, 24 at 250 | 25–27 down | 28 T0 (3360)
//   cycle 5: 29 T0 | 30–33 up | 34, 35 at 300 | 36–39 down | 40 T0 (4710)
//   cycle 6: 41 T0 | 42–46 up | 47, 48 at 350 | 49–53 down | 54 T0 (6270)
// Permanent parts 0.30, 0.55, 0.80, 1.10, 1.35, 1.60 mm; totals at the end of
// the peak holdings 5.40, 10.75, 15.85, 20.90, 26.25, 31.55 mm; so elastic parts
// 5.10, 10.20, 15.05, 19.80, 24.90, 29.95 mm against a theory of (L − 50) / 10:
// 5 … 30 mm (upper 1.1 ×, lower 0.9 ×; at Tp 30, 33 and 27 mm).

#include "support/AnchorFixtures.h"

#include "recording/ReadingSheet.h"

#include <vector>

namespace tessaro::test {

inline const std::vector<float> SixCycleDisplacements {
    0.00f, // 1
    5.20f, 5.40f, 0.32f, // 2–4
    0.30f, 5.30f, 10.50f, 10.75f, 5.60f, 0.58f, // 5–10
    0.55f, 5.50f, 10.60f, 15.60f, 15.85f, 10.90f, 5.80f, 0.83f, // 11–18
    0.80f, 5.70f, 10.80f, 15.90f, 20.70f, 20.90f, 16.10f, 11.00f, 6.00f, 1.13f, // 19–28
    1.10f, 6.00f, 11.00f, 16.10f, 21.20f, 26.00f, 26.25f, 21.40f, 16.30f, 11.20f, 6.20f, 1.38f, // 29–40
    1.35f, 6.20f, 11.30f, 16.40f, 21.50f, 26.60f, 31.30f, 31.55f, 26.80f, 21.70f, 16.60f, 11.40f, 6.40f,
    1.60f, // 41–54
};

// The six-cycle anchor on the compact schedule, every row read.
inline AnchorRecord measuredSixCycleAnchor()
{
    AnchorRecord a = sixCycleAnchor();
    GenerateSheet(a, compactSchedule(), false);
    for (std::size_t i = 0; i < a.Readings.size() && i < SixCycleDisplacements.size(); ++i)
        a.Readings[i].Displacement = SixCycleDisplacements[i];
    return a;
}

} // namespace tessaro::test
