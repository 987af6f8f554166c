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

} // namespace tessaro::test
