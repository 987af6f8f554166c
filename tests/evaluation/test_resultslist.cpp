// The results list worked by hand: three anchors of a quality-assurance
// project, one of them without readings.

#include "evaluation/ResultsList.h"
#include "model/ProjectRecord.h"
#include "model/basMainData.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// The six-cycle anchor (support/MeasuredAnchors.h): at Tp (cycle 6, 350 kN)
// the holding is read at 1 and 5 minutes, rows 47 and 48, 31.30 and 31.55 mm.
Project threeAnchors()
{
    Project p;
    InitProject(p, 3);
    p.TestCategory = 1;
    p.Settings.StandardEdition = 1;
    p.anchor(1) = test::measuredSixCycleAnchor();
    p.anchor(1).AnchorageGround = 1; // sand: ⊿s ≦ 0.50
    p.anchor(1).FinalVerdictText = QStringLiteral("適合");
    p.anchor(2) = test::measuredSixCycleAnchor();
    p.anchor(2).AnchorNo = QStringLiteral("A-2");
    p.anchor(2).AnchorageGround = 0; // clay: ⊿s ≦ 0.50 too
    p.anchor(2).Readings[47].Displacement = 31.90f;
    p.anchor(3) = test::sixCycleAnchor();
    p.anchor(3).AnchorNo = QStringLiteral("A-3");
    p.anchor(3).ConfirmationTest = 1;
    for (CreepSelection& s : p.Record.CreepSelections) {
        s.TaNo = 1;
        s.TbNo = 2;
    }
    return p;
}

} // namespace

TEST(ResultsList, AnchorsWorkedByHand)
{
    Project p = threeAnchors();
    // Stale results stored in the file: the list evaluates afresh.
    p.anchor(1).Evaluation.LastElastic = 99;
    const std::vector<ResultsRow> rows = ResultsList(p);
    ASSERT_EQ(rows.size(), 3u);

    // Anchor 1: theory at Tp (350 − 50) / 10 = 30.00, limits 33.00 and 27.00;
    // last cycle permanent 1.60, elastic 31.55 − 1.60 = 29.95. Creep: 5 / 1 =
    // 5.0 ≧ 3.0 and 5 min is the last reading: ⊿s = 31.55 − 31.30 = 0.25 ≦ 0.50.
    const ResultsRow& a = rows[0];
    EXPECT_EQ(a.name, QStringLiteral("A-1"));
    EXPECT_EQ(a.kind, QStringLiteral("適性"));
    EXPECT_EQ(resultsLoadText(a.initialLoad), QStringLiteral("50.0"));
    EXPECT_EQ(resultsLoadText(a.plannedMaxLoad), QStringLiteral("350.0"));
    EXPECT_EQ(resultsValueText(a.permanent), QStringLiteral("1.60"));
    EXPECT_EQ(resultsValueText(a.elastic), QStringLiteral("29.95"));
    EXPECT_EQ(resultsValueText(a.theory), QStringLiteral("30.00"));
    EXPECT_EQ(resultsValueText(a.upper), QStringLiteral("33.00"));
    EXPECT_EQ(resultsValueText(a.lower), QStringLiteral("27.00"));
    EXPECT_EQ(a.verdict, QStringLiteral("適合"));
    EXPECT_EQ(p.anchor(1).Evaluation.LastElastic, p.anchor(1).Evaluation.Results.back().Elastic);
    CreepCells c = creepCells(a.creep);
    EXPECT_EQ(c.type, QStringLiteral("アンカーの変位量"));
    EXPECT_EQ(QStringList({ c.ta, c.tb, c.sa, c.sb, c.value, c.limit, c.verdict }),
        QStringList({ "1", "5", "31.30", "31.55", "0.25", "≦ 0.50", "OK" }));

    // Anchor 2: 31.90 − 31.30 = 0.60 > 0.50; its elastic part grows to 30.30.
    EXPECT_EQ(resultsValueText(rows[1].elastic), QStringLiteral("30.30"));
    c = creepCells(rows[1].creep);
    EXPECT_EQ(QStringList({ c.value, c.limit, c.verdict }), QStringList({ "0.60", "＞ 0.50", "OUT" }));

    // Anchor 3, a confirmation test without readings: no displacements, no
    // holding, nothing to judge; its control values follow from the plan.
    const ResultsRow& none = rows[2];
    EXPECT_EQ(none.kind, QStringLiteral("確認"));
    EXPECT_EQ(resultsValueText(none.permanent), QString());
    EXPECT_EQ(resultsValueText(none.elastic), QString());
    EXPECT_EQ(resultsValueText(none.theory), QStringLiteral("30.00"));
    c = creepCells(none.creep);
    EXPECT_EQ(QStringList({ c.ta, c.tb, c.sa, c.sb, c.value, c.limit }), QStringList({ "", "", "", "", "", "" }));
    EXPECT_EQ(c.verdict, QStringLiteral("判定不可"));
}

// Under the 2000 edition the list judges the creep coefficient of the stored
// choice against creep value 1, "≧" failing.
TEST(ResultsList, CreepCoefficientUnderThe2000Edition)
{
    Project p = threeAnchors();
    p.Settings.StandardEdition = 0;
    CreepSelection& s = p.Record.CreepSelections[0];
    s.CoefT1No = 1;
    s.CoefT2No = 2;
    // Creep amounts 0.00 and 0.25 at 1 and 5 min: 0.25 / log 5 = 0.36 < 1.0.
    const std::vector<ResultsRow> rows = ResultsList(p);
    const CreepCells c = creepCells(rows[0].creep);
    EXPECT_EQ(rows[0].kind, QStringLiteral("多"));
    EXPECT_EQ(QStringList({ c.type, c.ta, c.tb, c.sa, c.sb, c.value, c.limit, c.verdict }),
        QStringList({ "クリープ係数", "1", "5", "0.00", "0.25", "0.36", "＜ 1.0", "OK" }));
    EXPECT_EQ(creepCells(rows[1].creep).verdict, QStringLiteral("判定不可")); // no points chosen
}
