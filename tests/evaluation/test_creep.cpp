// Creep evaluation: the worked example and the boundaries of both editions in
// one table, the holding found in a generated reading sheet with its minutes,
// and the summary the results list shows.

#include "evaluation/CreepEvaluation.h"
#include "evaluation/CreepTexts.h"
#include "recording/ReadingSheet.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

constexpr float Tp = 300;
constexpr int HoldingStart = 200; // s: the load reached Tp

// A one-cycle plan to Tp whose holding at Tp is read at the given minutes with
// the given displacements, between a reading at T0 before and one after.
AnchorRecord holdingAnchor(const std::vector<int>& minutes, const std::vector<float>& displacements)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Plan.StageCount = 1;
    a.Plan.CycleMaxLoad = { Tp };
    a.Plan.PlannedMaxLoad = Tp;
    a.AnchorageGround = 1; // sand: creep value 2 (suitability) or 4 (confirmation)
    auto reading = [](float load, int interval, int elapsed, float displacement) {
        Reading r;
        r.Cycle = 1;
        r.Load = load;
        r.Interval = std::int16_t(interval);
        r.ElapsedTime = elapsed;
        r.Displacement = displacement;
        return r;
    };
    a.Readings.push_back(reading(50, 1, 60, 0.0f));
    for (std::size_t k = 0; k < minutes.size(); ++k)
        a.Readings.push_back(reading(Tp, minutes[k], HoldingStart + 60 * minutes[k], displacements[k]));
    a.Readings.push_back(reading(50, 1, HoldingStart + 60 * minutes.back() + 90, 0.2f));
    a.ReadingCount = std::int16_t(a.Readings.size());
    return a;
}

enum class Method { Displacement, Extended, Coefficient };

struct Case {
    const char* what;
    Method method;
    int edition;
    int confirmation;
    std::vector<int> minutes;
    std::vector<float> displacements;
    int aNo; // ta (ta', T1) as a point number
    int bNo;
    bool converted; // coefficient window: t1 = 1
    // Expected: the times the calculation uses, the ratio, admissibility, the
    // compared value (−99: nothing computed) and the verdict.
    int ta;
    int tb;
    double ratio;
    bool admissible;
    double compared;
    const char* verdict;
};

struct Outcome {
    int ta = 0;
    int tb = 0;
    double ratio = 0;
    bool admissible = false;
    double compared = MissingValue;
    QString verdict;
};

Outcome judge(const Case& c)
{
    AnchorRecord a = holdingAnchor(c.minutes, c.displacements);
    a.ConfirmationTest = std::uint8_t(c.confirmation);
    CreepSettings settings;
    settings.edition = c.edition;
    CreepSelection s;
    Outcome o;
    if (c.method == Method::Coefficient) {
        s.CoefT1No = std::int16_t(c.aNo);
        s.CoefT2No = std::int16_t(c.bNo);
        s.CoefConversion = c.converted ? 1 : 0;
        const CoefficientJudgement j = JudgeCreepCoefficient(a, s, settings);
        o = { j.t1, j.t2, j.ratio, j.computable, j.coefficient,
            j.computable ? QString(j.out() ? "OUT" : "OK") : QStringLiteral("判定不可") };
        return o;
    }
    if (c.method == Method::Displacement) {
        s.TaNo = std::int16_t(c.aNo);
        s.TbNo = std::int16_t(c.bNo);
    }
    else {
        s.JudgeByCreep = 1;
        s.TaExtNo = std::int16_t(c.aNo);
        s.TbExtNo = std::int16_t(c.bNo);
    }
    const CreepSummary summary = SummarizeCreep(a, s, settings);
    const CreepPair& p = summary.comparedPair();
    return { p.ta, p.tb, p.times.ratio, p.admissible(), summary.compared, creepVerdictText(summary.verdict) };
}

} // namespace

// Suitability tests on sand (limit 0.50 mm), confirmation tests on sand (0.20
// mm), the extended value 2.00 and the 2000 edition's creep value 1.0.
TEST(Creep, WorkedExampleAndBoundariesOfBothEditions)
{
    const std::vector<int> fifteen { 1, 2, 5, 10, 15 };
    const std::vector<int> sixty { 1, 2, 5, 10, 15, 30, 60 };
    const Case cases[] = {
        { "worked example: r 3.0, 1.55 − 1.20", Method::Displacement, 1, 0, fifteen,
            { 1.00f, 1.08f, 1.20f, 1.40f, 1.55f }, 3, 5, false, 5, 15, 3.0, true, 0.35, "OK" },
        { "worked example, extended: r 6.0, ⊿c 0.90 / log 6", Method::Extended, 1, 0, sixty,
            { 1.00f, 1.08f, 1.20f, 1.50f, 1.70f, 2.00f, 2.40f }, 4, 7, false, 10, 60, 6.0, true, 1.16, "OK" },
        { "extended above 2.00", Method::Extended, 1, 0, sixty, { 1.00f, 1.08f, 1.20f, 1.50f, 1.70f, 2.00f, 3.50f }, 4,
            7, false, 10, 60, 6.0, true, 2.57, "OUT" },
        { "extended tb' / ta' 4.0 < 6.0", Method::Extended, 1, 0, sixty,
            { 1.00f, 1.08f, 1.20f, 1.50f, 1.70f, 2.00f, 2.40f }, 5, 7, false, 15, 60, 4.0, false, -99, "判定不可" },
        { "tb / ta 74 / 25 = 2.96 → 3.0 admissible", Method::Displacement, 1, 0, { 25, 74 }, { 1.00f, 1.30f }, 1, 2,
            false, 25, 74, 3.0, true, 0.30, "OK" },
        { "tb / ta 147 / 50 = 2.94 → 2.9 not", Method::Displacement, 1, 0, { 50, 147 }, { 1.00f, 1.30f }, 1, 2, false,
            50, 147, 2.9, false, -99, "判定不可" },
        { "tb not the last point", Method::Displacement, 1, 0, fifteen, { 1.00f, 1.08f, 1.20f, 1.40f, 1.55f }, 1, 4,
            false, 1, 10, 10.0, false, -99, "判定不可" },
        { "⊿s equal to the 2012 limit passes", Method::Displacement, 1, 0, fifteen,
            { 1.00f, 1.08f, 1.20f, 1.40f, 1.70f }, 3, 5, false, 5, 15, 3.0, true, 0.50, "OK" },
        { "⊿s above the limit", Method::Displacement, 1, 0, fifteen, { 1.00f, 1.08f, 1.20f, 1.40f, 1.71f }, 3, 5, false,
            5, 15, 3.0, true, 0.51, "OUT" },
        { "confirmation: no ratio test, tb last", Method::Displacement, 1, 1, fifteen,
            { 1.00f, 1.08f, 1.20f, 1.40f, 1.20f }, 4, 5, false, 10, 15, 0, true, -0.20, "OK" },
        { "confirmation: limit 0.20 exceeded", Method::Displacement, 1, 1, fifteen,
            { 1.00f, 1.08f, 1.20f, 1.40f, 1.61f }, 4, 5, false, 10, 15, 0, true, 0.21, "OUT" },
        { "confirmation: tb not the last point", Method::Displacement, 1, 1, fifteen,
            { 1.00f, 1.08f, 1.20f, 1.40f, 1.55f }, 1, 4, false, 1, 10, 0, false, -99, "判定不可" },
        { "equal times compute nothing", Method::Displacement, 1, 1, { 5, 5 }, { 1.00f, 1.10f }, 1, 2, false, 5, 5, 0,
            false, -99, "判定不可" },
        { "a time of 0 computes nothing", Method::Displacement, 1, 1, { 0, 15 }, { 1.00f, 1.10f }, 1, 2, false, 0, 15,
            0, false, -99, "判定不可" },
        { "a point without displacement", Method::Displacement, 1, 0, fifteen,
            { 1.00f, 1.08f, MissingValue, 1.40f, 1.55f }, 3, 5, false, 5, 15, 0, false, -99, "判定不可" },
        { "2000: ⊿c equal to creep value 1 fails", Method::Coefficient, 0, 0, { 1, 10 }, { 0.50f, 1.50f }, 1, 2, false,
            1, 10, 10.0, true, 1.00, "OUT" },
        { "2000: ⊿c below creep value 1", Method::Coefficient, 0, 0, { 1, 10 }, { 0.50f, 1.49f }, 1, 2, false, 1, 10,
            10.0, true, 0.99, "OK" },
        { "2000 window under 2012: ⊿c equal to the limit passes", Method::Coefficient, 1, 0, { 1, 10 },
            { 0.50f, 1.00f }, 1, 2, false, 1, 10, 10.0, true, 0.50, "OK" },
        { "T1 3, T2 30 converted: t1 1, t2 28", Method::Coefficient, 0, 0, { 1, 3, 30 }, { 0.00f, 0.10f, 0.90f }, 2, 3,
            true, 1, 28, 28.0, true, 0.55, "OK" },
        { "T1 3, T2 30 as read", Method::Coefficient, 0, 0, { 1, 3, 30 }, { 0.00f, 0.10f, 0.90f }, 2, 3, false, 3, 30,
            10.0, true, 0.80, "OK" },
        { "2000: equal times compute nothing", Method::Coefficient, 0, 0, { 5, 5 }, { 0.50f, 1.50f }, 1, 2, false, 5, 5,
            -99, false, -99, "判定不可" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome o = judge(c);
        EXPECT_EQ(o.ta, c.ta);
        EXPECT_EQ(o.tb, c.tb);
        if (c.admissible || c.method != Method::Coefficient) {
            EXPECT_DOUBLE_EQ(o.ratio, c.ratio);
        }
        EXPECT_EQ(o.admissible, c.admissible);
        EXPECT_NEAR(o.compared, c.compared, 1e-9);
        EXPECT_EQ(o.verdict, QString::fromUtf8(c.verdict));
    }
}

TEST(Creep, CoefficientFormulas)
{
    EXPECT_DOUBLE_EQ(*CreepCoefficient(2.40, 1.50, 60, 10), 1.16);
    EXPECT_FALSE(CreepCoefficient(2.40, 1.50, 10, 10));
    EXPECT_FALSE(CreepCoefficient(2.40, 1.50, 10, 0));
    // The 2000 window rounds the ratio first: 28 / 3 = 9.33, log 9.33 = 0.96988.
    EXPECT_DOUBLE_EQ(*CreepCoefficientRoundedRatio(1.00, 0.00, 28, 3), 1.03);
}

// The reading sheet of the six-cycle anchor with the holding at Tp read at 1,
// 2, 5, 10 and 15 minutes: the points of that holding lie at those minutes,
// whatever the load changes before it took.
TEST(Creep, HoldingOfAGeneratedSheetKeepsItsMinutes)
{
    AnchorRecord a = test::sixCycleAnchor();
    HoldingSchedule schedule = test::compactSchedule();
    schedule.InitialStages[6] = test::readingsAt({ 1, 2, 5, 10, 15 });
    GenerateSheet(a, schedule, false);

    const CreepHolding h = DisplacementHolding(a, 1);
    EXPECT_EQ(h.cycle, 6);
    EXPECT_EQ(h.load, 350);
    ASSERT_EQ(h.lastPoint(), 5);
    EXPECT_EQ(h.startRow, FindHoldingStart(a, 6, 350.004));
    std::vector<int> minutes;
    for (const CreepPoint& p : h.points)
        minutes.push_back(p.minutes);
    EXPECT_EQ(minutes, (std::vector<int> { 1, 2, 5, 10, 15 }));

    // The design-anchor-force holding of cycle 3 (200 kN, read at 1 and 5 min).
    const CreepHolding c3 = CoefficientHolding(a, 1, 1, 3);
    EXPECT_EQ(c3.load, 200);
    EXPECT_EQ(c3.lastPoint(), 2);
    EXPECT_EQ(c3.point(2).minutes, 5);
    // No holding at a load the cycle never held.
    EXPECT_EQ(FindHoldingStart(a, 3, 250), 0);
    EXPECT_EQ(CreepHoldingAt(a, 3, 250).lastPoint(), 0);
}

// A confirmation anchor is judged on cycle 1 at the last cycle's maximum load;
// its limit is creep value 4 on sand and 5 on clay.
TEST(Creep, ConfirmationHoldingAndLimits)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.ConfirmationTest = 1;
    HoldingSchedule schedule = test::compactSchedule();
    schedule.InitialStages[1] = test::readingsAt({ 1, 2, 5 });
    GenerateSheet(a, schedule, true);
    const CreepHolding h = DisplacementHolding(a, 1);
    EXPECT_EQ(h.cycle, 1);
    EXPECT_EQ(h.lastPoint(), 3);

    CreepSettings settings;
    a.AnchorageGround = 1;
    EXPECT_DOUBLE_EQ(CreepLimit(a, settings), 0.2);
    a.AnchorageGround = 0;
    EXPECT_DOUBLE_EQ(CreepLimit(a, settings), 0.25);
    a.ConfirmationTest = 0;
    EXPECT_DOUBLE_EQ(CreepLimit(a, settings), 0.5);
}

// The sentences of the 2012 window on the worked example.
TEST(Creep, TextsOfTheWorkedExample)
{
    AnchorRecord a = holdingAnchor({ 1, 2, 5, 10, 15 }, { 1.00f, 1.08f, 1.20f, 1.40f, 1.55f });
    CreepSelection s;
    s.TaNo = 3;
    s.TbNo = 5;
    DisplacementJudgement j = JudgeCreepDisplacement(a, s, CreepSettings {});
    EXPECT_EQ(creepTimeText(j.pair, MinimumRatio), QStringLiteral("tb / ta ＝ 3.0 ≧ 3.0 より、"));
    EXPECT_EQ(deltaSFormulaText(j), QStringLiteral("⊿s ＝ 　sb － sa 　＝ 　1.55 － 1.20 　＝  0.35 mm"));
    EXPECT_EQ(deltaSJudgementText(j), QStringLiteral("⊿s ＝ 　0.35  ≦ 0.50 mm より、適性である。"));

    s.TaNo = 4; // 15 / 10 = 1.5
    j = JudgeCreepDisplacement(a, s, CreepSettings {});
    EXPECT_EQ(creepTimeText(j.pair, MinimumRatio),
        QStringLiteral("tb / ta ＝ 1.5 ＜ 3.0 となり、規定の計測時間ではありません。"));
    EXPECT_TRUE(creepTimeWarns(j.pair));
    EXPECT_EQ(deltaSFormulaText(j), QStringLiteral("⊿s ＝ 　sb － sa"));
    EXPECT_EQ(deltaSJudgementText(j), QString());
}
