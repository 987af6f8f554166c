#pragma once
// A full quality-assurance project for the benchmarks: 999 anchors of six
// cycles, 120 readings each, every anchor with its own jack.

#include "model/ProjectRecord.h"
#include "model/basMainData.h"
#include "support/AnchorFixtures.h"

namespace tessaro::bench {

inline constexpr int Anchors = 999;
inline constexpr int ReadingsPerAnchor = 120;

// The six-cycle anchor of the tests (T0 50, Tp 350 kN, the calibrated jack),
// made a load-distribution anchor every seventh, with two bodies of four strands.
inline AnchorRecord generatedAnchor(int index)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.AnchorNo = QStringLiteral("No.%1").arg(index);
    a.Tendon.AnchorTypeCode = std::int16_t(index % 7 == 0 ? 3 : 0);
    a.Tendon.FreeLength = 9000 + index;
    a.Tendon.TensionFreeLength = 10000 + index;
    a.Tendon.BodyCount = 2;
    a.Tendon.BodyTendonLength = { 20000, 18000 };
    a.Material.BodyStrandCount = { 4, 4 };
    a.Material.StrandSetCount = 8;
    a.Material.TendonArea = 138.7f;
    // Six cycles of 20 rows: four at T0, up to the peak, a holding of six
    // readings there, back down and four at T0 again.
    for (int c = 1; c <= 6; ++c) {
        float peak = 50.0f + 50.0f * float(c);
        for (int k = 0; k < 20; ++k) {
            Reading r;
            r.Cycle = std::int16_t(c);
            r.Load = (k < 4 || k >= 16) ? 50.0f : (k < 8 ? 50.0f + (peak - 50.0f) * float(k - 3) / 5.0f : peak);
            if (k >= 14 && k < 16)
                r.Load = 50.0f + (peak - 50.0f) * float(16 - k) / 3.0f;
            r.ElapsedTime = ((c - 1) * 20 + k) * 60;
            r.Displacement = 0.1f * (r.Load - 50.0f) + 0.05f * float(c) + 0.001f * float(k);
            r.GaugePressure = r.Load / 10.0f;
            r.InitialNo1 = k == 0 ? 10.0f : MissingValue;
            r.MeasuredNo1 = 10.0f + r.Displacement;
            a.Readings.push_back(r);
        }
    }
    a.ReadingCount = std::int16_t(a.Readings.size());
    return a;
}

inline void generateProject(Project& p)
{
    InitProject(p, Anchors);
    p.TestCategory = 1;
    for (int i = 1; i <= Anchors; ++i)
        p.anchor(i) = generatedAnchor(i);
}

} // namespace tessaro::bench
