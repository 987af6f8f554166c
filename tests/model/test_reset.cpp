#include "model/basMainData.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(ProjectReset, ResetAnchorGivesTheDocumentedDefaults)
{
    AnchorRecord a;
    a.SetAmount = 3;
    a.Readings.resize(4);
    a.ReadingCount = 4;
    ResetAnchor(a);
    EXPECT_EQ(a.SetAmount, -1.0); // not entered
    EXPECT_EQ(a.ReadingCount, 0);
    EXPECT_TRUE(a.Readings.empty());
}

TEST(ProjectReset, InitProjectSizesEveryPerAnchorArrayAndResizingKeepsAnchors)
{
    Project p;
    p.Settings.StandardEdition = 0;
    p.Settings.UpperRate = 3;
    InitProject(p, 5);
    for (std::size_t size : { p.Record.AnchorLabels.size(), p.Record.AnchorMarks.size(), p.Record.Anchors.size(),
             p.Record.CreepSelections.size(), p.Record.Schedules.size() })
        EXPECT_EQ(size, 5u);
    EXPECT_EQ(p.Settings.StandardEdition, 1);
    EXPECT_FLOAT_EQ(p.UpperRateInUse, 1.1f);

    for (int i = 1; i <= 5; ++i)
        p.anchor(i).AnchorNo = QString::number(i);
    ResizeAnchorArrays(p, 3);
    ResizeAnchorArrays(p, 4);
    EXPECT_EQ(p.anchor(3).AnchorNo, "3");
    EXPECT_EQ(p.anchor(4).AnchorNo, "");
    EXPECT_EQ(p.anchor(4).SetAmount, -1.0);
    EXPECT_EQ(p.Record.Schedules.size(), 4u);

    InitProject(p, 0);
    EXPECT_TRUE(p.Record.Anchors.empty());
    EXPECT_TRUE(p.Record.Schedules.empty());
}
