#include "support/CompleteAnchors.h"

#include "planning/AnchorList.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QStringList names(const Project& p)
{
    QStringList n;
    for (const AnchorRecord& a : p.Record.Anchors)
        n << a.AnchorNo;
    return n;
}

void expectArraysInStep(const Project& p)
{
    const auto n = std::size_t(p.Record.AnchorCount);
    EXPECT_EQ(p.Record.Anchors.size(), n);
    EXPECT_EQ(p.Record.CreepSelections.size(), n);
    EXPECT_EQ(p.Record.Schedules.size(), n);
    EXPECT_EQ(p.Record.AnchorLabels.size(), n);
    EXPECT_EQ(p.Record.AnchorMarks.size(), n);
}

} // namespace

TEST(AnchorList, InsertedCopyTakesEverythingOfItsAnchorDeleteClosesTheGap)
{
    Project p;
    test::makeQualityProject(p, 3);
    p.Record.AnchorMarks[1] = 7;
    p.Record.CreepSelections[1].TaNo = 4;
    p.Record.Schedules[1].InitialStages[0].Count = 3;
    AnchorClipboard clip = copyAnchor(p, 2);
    ASSERT_TRUE(insertAnchor(p, 1, clip));
    EXPECT_EQ(names(p), QStringList({ "A-2", "A-1", "A-2", "A-3" }));
    EXPECT_EQ(p.Record.AnchorMarks[0], 7);
    EXPECT_EQ(p.Record.AnchorLabels[0], "SLF-J2");
    EXPECT_EQ(p.Record.CreepSelections[0].TaNo, 4);
    EXPECT_EQ(p.Record.Schedules[0].InitialStages[0].Count, 3);
    ASSERT_TRUE(insertAnchor(p, 5, clip)); // after the last row the copy is appended
    EXPECT_EQ(names(p).last(), "A-2");

    deleteAnchor(p, 2);
    deleteAnchor(p, 9);
    EXPECT_EQ(names(p), QStringList({ "A-2", "A-2", "A-3", "A-2" }));
    EXPECT_EQ(p.Record.AnchorLabels[2], "SLF-J3");
    expectArraysInStep(p);
}

TEST(AnchorList, AddedAnchorUsesTheOneJackOfTheProject)
{
    Project p;
    test::makeQualityProject(p, 2);
    p.Record.JackTypeChoice = 0;
    p.anchor(1).Jack.JackName = "SLF-J1";
    ASSERT_TRUE(addAnchor(p));
    EXPECT_TRUE(p.anchor(3).AnchorNo.isEmpty());
    EXPECT_EQ(p.anchor(3).Jack.JackName, "SLF-J1");
    EXPECT_EQ(p.Record.AnchorLabels[2], "SLF-J1");
    EXPECT_EQ(p.anchor(3).Spec2.LoadingMinutes, 1);
    // With a jack per anchor the new one waits for its own.
    p.Record.JackTypeChoice = 1;
    ASSERT_TRUE(addAnchor(p));
    EXPECT_TRUE(p.Record.AnchorLabels[3].isEmpty());
}

// The main window's list tests drive these through the window; here the rules
// the window relies on.
TEST(AnchorList, RemovingAnchorsWithoutDataKeepsMeasuredOnesAndOneAnchor)
{
    Project p;
    test::makeQualityProject(p, 3);
    p.anchor(1).AnchorNo.clear();
    p.anchor(3).AnchorNo.clear();
    p.anchor(3).ReadingCount = 2; // measured: kept although unnamed
    int shown = 2;
    EXPECT_EQ(removeAnchorsWithoutInput(p, shown), 1);
    EXPECT_EQ(names(p), QStringList({ "A-2", "" }));
    EXPECT_EQ(shown, 1);
    expectArraysInStep(p);
    p.anchor(1).AnchorNo.clear();
    p.anchor(2).ReadingCount = 0;
    EXPECT_EQ(removeAnchorsWithoutInput(p, shown), 1); // one anchor always stays
    EXPECT_EQ(p.Record.AnchorCount, 1);

    test::makeQualityProject(p, 5); // moves stop at the last named row and the ends
    p.anchor(4).AnchorNo.clear();
    EXPECT_FALSE(canMoveUp(p, 1));
    EXPECT_FALSE(canMoveDown(p, 3));
    EXPECT_FALSE(canMoveDown(p, 5));
}
