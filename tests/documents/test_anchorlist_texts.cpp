// Texts of the anchor specification list: anchorage, design anchor forces, load
// changes, and the tables of holding and reading times by load stage.

#include "documents/AnchorListTexts.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

using Rows = std::vector<std::pair<QString, QString>>;

Rows rowsOf(const HoldingTable& table)
{
    Rows rows;
    for (const HoldingRow& r : table.rows)
        rows.emplace_back(r.title, r.times);
    return rows;
}

} // namespace

TEST(AnchorListTexts, AnchorageDesignForcesReadingTimesAndLoadChanges)
{
    AnchorRecord a;
    EXPECT_EQ(anchorageText(a), ""); // no device chosen
    a.AnchoringType = 1;
    EXPECT_EQ(anchorageText(a), QStringLiteral("ナット")); // set amount −1: not given
    a.SetAmount = 3.25;
    EXPECT_EQ(anchorageText(a), QStringLiteral("ナット (セット量 3.3 mm)"));
    EXPECT_EQ(designForceText(a), "");
    a.DesignAnchorForce = 412.345f;
    EXPECT_EQ(designForceText(a), QStringLiteral("412.35 kN (常時)"));

    EXPECT_EQ(readingTimesText(test::readingsAt({ 1, 2, 5, 10, 15 })), QStringLiteral("1, 2, 5, 10, 15 分（5回）"));
    EXPECT_EQ(readingTimesText(HoldingStage {}), QStringLiteral("計測なし"));

    a.Spec2.LoadingMinutes = 2; // equal load changes make one line
    a.Spec2.UnloadingMinutes = 2;
    EXPECT_EQ(loadChangeLines(a).firstValue, QStringLiteral("2 分"));
    EXPECT_TRUE(loadChangeLines(a).secondTitle.isEmpty());
}

TEST(AnchorListTexts, MultiCycleTablesShowNewLoadsPerCycleAndTheHistoryOnce)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Plan.StageCount = 3;
    HoldingSchedule s = test::compactSchedule();
    s.InitialStages[3] = test::readingsAt({ 1, 5, 15 });
    auto tables = holdingTables(a, s, false);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(tables[0].title, QStringLiteral("新規荷重段階"));
    EXPECT_EQ(rowsOf(tables[0]),
        (Rows { { "初期荷重段階", "2 分（1回）" }, { "1サイクル", "1, 5 分（2回）" }, { "2サイクル", "1, 5 分（2回）" },
            { "計画最大荷重段階（3サイクル）", "1, 5, 15 分（3回）" } }));
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "1 分（1回）" } }));

    // One stage of cycle 3 read differently: the history per cycle.
    s.CycleStages[2].Unloading[2] = test::readingsAt({ 1, 2 });
    tables = holdingTables(a, s, false);
    EXPECT_EQ(rowsOf(tables[1]).back(), (std::pair<QString, QString> { "3サイクル", "段階ごとに設定されています。" }));
}

TEST(AnchorListTexts, SingleCycleTablesShowTheMaximumLoadAndTheOtherStages)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Plan.StageCount = 4;
    HoldingSchedule s = test::compactSchedule();
    s.InitialStages[1] = test::readingsAt({ 1, 2, 5, 10, 15 });
    auto tables = holdingTables(a, s, true);
    ASSERT_EQ(tables.size(), 2u);
    EXPECT_EQ(rowsOf(tables[0]),
        (Rows { { "初期荷重段階", "2 分（1回）" }, { "計画最大荷重段階", "1, 2, 5, 10, 15 分（5回）" } }));
    s.CycleStages[1].Loading[0] = HoldingStage {};
    tables = holdingTables(a, s, true);
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "段階ごとに設定されています。" } }));
}
