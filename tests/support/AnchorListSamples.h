#pragma once
// Projects for the anchor particulars list: anchors of every type with a
// six-cycle plan and a compact holding-time schedule.

#include "support/AnchorFixtures.h"
#include "support/DataSheetSamples.h"

namespace tessaro::test {

// The six-cycle anchor with its stage gauges, a design force of 300 kN and the
// given type; a load-distribution anchor gets three bodies 1500 mm apart, the
// SEEE types their sleeves.
inline AnchorRecord listAnchor(int type, const QString& number)
{
    AnchorRecord a = sixCycleAnchor();
    describeAnchor(a, number);
    a.Tendon = sixCycleAnchor().Tendon;
    a.Tendon.AnchorTypeCode = std::int16_t(type);
    a.Tendon.AnchorTypeName = QStringLiteral("テストアンカー E-%1").arg(type);
    a.Tendon.SpareLength = 1500;
    a.DesignAnchorForce = 300;
    a.AnchorageGround = 1;
    a.AnchoringType = 0;
    a.Plan.InitialGauge = 5.0f;
    a.Plan.PlannedMaxGauge = 32.5f;
    a.Plan.StageGauge = { 10, 14.55f, 19.09f, 23.64f, 28.18f, 32.5f };
    if (type == 3) {
        a.Tendon.BodyCount = 3;
        a.Tendon.BodyInterval = { 1500, 1500 };
    }
    if (type == 1 || type == 2) {
        a.Spec2.UpperSleeve = 500;
        a.Spec2.LowerSleeve = 300;
    }
    return a;
}

// Anchors 1..6 of types 0..5 ("A-1" … "A-6"), with their schedules.
inline void makeTypedProject(Project& p, int edition = Edition2012)
{
    makeQualityProject(p, 6, 0, edition);
    for (int i = 1; i <= 6; ++i) {
        p.anchor(i) = listAnchor(i - 1, QStringLiteral("A-%1").arg(i));
        p.Record.Schedules[std::size_t(i - 1)] = compactSchedule();
    }
}

} // namespace tessaro::test
