// Storing the test conditions: anchor count, jack type and each anchor's jack;
// the window tests check the choices through the test-conditions window.

#include "model/basMainData.h"
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

    // The test-conditions window tests check the rows' jacks; here what the
    // window cannot show: new anchors are reset, an unknown jack leaves an empty copy.
    ASSERT_EQ(p.Record.AnchorCount, 4);
    EXPECT_EQ(p.anchor(3).SetAmount, -1.0);
    EXPECT_EQ(p.Record.Schedules.size(), 4u);
    EXPECT_EQ(p.Record.AnchorMarks[2], 0);
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

