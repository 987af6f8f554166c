// Storing the test conditions: anchor count, jack type and each anchor's jack.

#include "model/basMainData.h"
#include "planning/BodySpacing.h"
#include "planning/TestConditions.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

JackRecord jackNamed(const QString& name, std::int16_t no)
{
    JackRecord j = test::calibratedJack();
    j.JackNo = no;
    j.JackName = name;
    return j;
}

// A jack database holding "TJ-A" (1) and "TJ-B" (2), counting its look-ups.
struct FakeJacks {
    int lookups = 0;
    JackSource source(bool readable = true)
    {
        return { readable, [this](const QString& name) -> std::optional<JackRecord> {
                    ++lookups;
                    if (name == "TJ-A")
                        return jackNamed(name, 1);
                    if (name == "TJ-B")
                        return jackNamed(name, 2);
                    return std::nullopt;
                } };
    }
};

// A quality-assurance project of n anchors named A-1 …, each with a confirmed
// plan, a valid sheet and jack "TJ-A".
Project qualityProject(int n)
{
    Project p;
    p.TestCategory = 1;
    InitProject(p, n);
    for (int i = 1; i <= n; ++i) {
        AnchorRecord& a = p.anchor(i);
        a.AnchorNo = QStringLiteral("A-%1").arg(i);
        a.Plan.PlanSet = 1;
        a.Plan.PlannedMaxLoad = 300;
        a.EditFlag = 1;
        a.Jack = jackNamed("TJ-A", 1);
        p.Record.AnchorLabels[std::size_t(i - 1)] = "TJ-A";
        p.Record.AnchorMarks[std::size_t(i - 1)] = 1;
    }
    return p;
}

TestConditions oneJack(int count, const QString& jack)
{
    TestConditions c;
    c.anchorCount = count;
    c.singleJack = jack;
    return c;
}

TestConditions jackPerAnchor(const QStringList& jacks)
{
    TestConditions c;
    c.anchorCount = int(jacks.size());
    c.jackType = JackPerAnchor;
    c.anchorJacks = jacks;
    return c;
}

} // namespace

TEST(TestConditions, ChecksCountThenJacksInThisOrder)
{
    EXPECT_EQ(checkTestConditions(TestConditions {}), ConditionsProblem::NoAnchorCount);
    EXPECT_EQ(checkTestConditions(oneJack(3, "")), ConditionsProblem::NoSingleJack);
    TestConditions c = jackPerAnchor({ "TJ-A", "" });
    EXPECT_EQ(checkTestConditions(c), ConditionsProblem::AnchorWithoutJack);
    c.anchorJacks[1] = "TJ-B";
    c.anchorCount = 3; // the third anchor has no row yet
    EXPECT_EQ(checkTestConditions(c), ConditionsProblem::AnchorWithoutJack);
    c.anchorJacks << "TJ-B";
    EXPECT_EQ(checkTestConditions(c), ConditionsProblem::None);
}

TEST(TestConditions, ShrinkingFiveToThreeKeepsTheFirstThreeApartFromTheFlags)
{
    Project p = qualityProject(5);
    p.CurrentAnchor = 5;
    p.Record.Schedules[1].SetFlag = 1;
    FakeJacks jacks;
    applyTestConditions(p, oneJack(3, "TJ-A"), jacks.source());

    EXPECT_EQ(p.Record.Schedules.size(), 3u);
    EXPECT_EQ(p.CurrentAnchor, 3);
    EXPECT_EQ(p.Record.Schedules[1].SetFlag, 1);
    EXPECT_EQ(p.anchor(3).AnchorNo, "A-3");
    // The plan and the sheet ask to be confirmed again; the plan itself stays.
    EXPECT_EQ(p.anchor(3).Plan.PlanSet, 0);
    EXPECT_EQ(p.anchor(3).EditFlag, 0);
    EXPECT_FLOAT_EQ(p.anchor(3).Plan.PlannedMaxLoad, 300);
    EXPECT_EQ(jacks.lookups, 1); // one jack for every anchor is read once
}

TEST(TestConditions, GrowingAddsResetAnchorsWithTheirJacks)
{
    Project p = qualityProject(2);
    TestConditions c = jackPerAnchor({ "TJ-A", "TJ-B", "TJ-OLD", "TJ-A" });
    FakeJacks jacks;
    applyTestConditions(p, c, jacks.source());

    ASSERT_EQ(p.Record.AnchorCount, 4);
    EXPECT_EQ(p.anchor(3).AnchorNo, "");
    EXPECT_EQ(p.anchor(3).SetAmount, -1.0); // a new anchor is reset: nothing entered
    EXPECT_EQ(p.Record.Schedules.size(), 4u);
    EXPECT_EQ(QStringList(p.Record.AnchorLabels.begin(), p.Record.AnchorLabels.end()), c.anchorJacks);
    // A jack the database does not know leaves an empty copy.
    EXPECT_EQ(std::vector<std::int16_t>(p.Record.AnchorMarks.begin(), p.Record.AnchorMarks.end()),
        (std::vector<std::int16_t> { 1, 2, 0, 1 }));
    EXPECT_FLOAT_EQ(p.anchor(2).Jack.Outputs[1], 210);
    EXPECT_EQ(p.anchor(3).Jack.PointCount, 0);
}

TEST(TestConditions, AnUnreadableDatabaseKeepsTheCopiesOfUnchangedJacks)
{
    Project p = qualityProject(3);
    FakeJacks jacks;
    applyTestConditions(p, jackPerAnchor({ "TJ-A", "TJ-B", "TJ-A" }), jacks.source(false));

    EXPECT_EQ(jacks.lookups, 0);
    EXPECT_EQ(p.anchor(1).Jack.PointCount, 4);
    // Another jack cannot be read: its anchor has no calibration until the database answers.
    EXPECT_EQ(p.Record.AnchorLabels[1], "TJ-B");
    EXPECT_EQ(p.anchor(2).Jack.PointCount, 0);
    EXPECT_EQ(p.Record.AnchorMarks[1], 0);
}

TEST(TestConditions, ABasicInvestigationHasOneAnchorTheWorkingAnchor)
{
    Project p;
    p.TestCategory = 0;
    InitProject(p, 0);
    p.Record.WorkingAnchor.Plan.PlanSet = 1;
    FakeJacks jacks;
    applyTestConditions(p, oneJack(1, "TJ-B"), jacks.source());

    EXPECT_EQ(p.Record.AnchorCount, 1);
    ASSERT_EQ(p.Record.AnchorLabels.size(), 1u);
    EXPECT_EQ(p.Record.AnchorMarks[0], 2);
    EXPECT_EQ(p.Record.WorkingAnchor.Plan.PlanSet, 0);
    EXPECT_EQ(p.currentAnchor().Jack.JackNo, 2);
}

TEST(BodySpacing, TotalMustMatchTheAnchorBodyLength)
{
    EXPECT_EQ(checkBodySpacings({ 1000, 1000, 1000, 0, 0 }, 3000), SpacingProblem::None);
    EXPECT_EQ(checkBodySpacings({ 1000, 1000, 1000, 0, 0 }, 2999), SpacingProblem::TotalAbove);
    EXPECT_EQ(checkBodySpacings({ 1000, 1000, 999, 0, 0 }, 3000), SpacingProblem::TotalBelow);
    EXPECT_EQ(checkBodySpacings({ 50000, 50000, 0, 0, 0 }, 100000), SpacingProblem::TotalOutOfRange);
}
