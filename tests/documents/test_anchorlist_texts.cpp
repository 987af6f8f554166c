// Texts of the anchor specification list: anchorage, design anchor forces, load
// changes, and the tables of holding and reading times by load stage.

#include "documents/AnchorListTexts.h"
#include "support/AnchorFixtures.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace tessaro;

namespace {

std::vector<std::pair<QString, QString>> rowsOf(const HoldingTable& table)
{
    std::vector<std::pair<QString, QString>> rows;
    for (const HoldingRow& r : table.rows)
        rows.emplace_back(r.title, r.times);
    return rows;
}

using Rows = std::vector<std::pair<QString, QString>>;

} // namespace

TEST(AnchorListTexts, AnchorageAndDesignForces)
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
    EXPECT_FALSE(hasSeismicDesignForce(a));
}

TEST(AnchorListTexts, EqualLoadChangesMakeOneLineDifferentOnesTwo)
{
    struct Case {
        std::int16_t bySpeed;
        std::int16_t up, down;
        const char* heading;
        const char* first;
        const char* second;
    };
    const Case cases[] = {
        { 0, 2, 2, "荷重増減時の所要時間", "2 分", "" },
        { 0, 2, 1, "荷重増減時の所要時間", "2 分", "1 分" },
        { 1, 40, 40, "荷重増減時の載荷速度", "40 kN/分", "" },
        { 1, 40, 80, "荷重増減時の載荷速度", "40 kN/分", "80 kN/分" },
    };
    for (const Case& c : cases) {
        AnchorRecord a;
        a.Spec2.LoadChangeBySpeed = c.bySpeed;
        auto [up, down] = c.bySpeed ? std::tie(a.Spec2.LoadingRate, a.Spec2.UnloadingRate)
                                    : std::tie(a.Spec2.LoadingMinutes, a.Spec2.UnloadingMinutes);
        up = c.up;
        down = c.down;
        const LoadChangeLines lines = loadChangeLines(a);
        SCOPED_TRACE(c.first);
        EXPECT_EQ(lines.heading, QString::fromUtf8(c.heading));
        EXPECT_EQ(lines.firstValue, QString::fromUtf8(c.first));
        EXPECT_EQ(lines.secondValue, QString::fromUtf8(c.second));
        EXPECT_EQ(lines.secondTitle.isEmpty(), lines.secondValue.isEmpty());
    }
}

TEST(AnchorListTexts, ReadingTimes)
{
    EXPECT_EQ(readingTimesText(test::readingsAt({ 1, 2, 5, 10, 15 })), QStringLiteral("1, 2, 5, 10, 15 分（5回）"));
    EXPECT_EQ(readingTimesText(test::readingsAt({ 60 })), QStringLiteral("60 分（1回）"));
    EXPECT_EQ(readingTimesText(HoldingStage {}), QStringLiteral("計測なし"));
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
    EXPECT_EQ(tables[1].title, QStringLiteral("履歴内荷重段階"));
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "1 分（1回）" } }));

    // One stage of cycle 3 read differently: the history per cycle.
    s.CycleStages[2].Unloading[2] = test::readingsAt({ 1, 2 });
    tables = holdingTables(a, s, false);
    EXPECT_EQ(rowsOf(tables[1]),
        (Rows { { "1サイクル", "1 分（1回）" }, { "2サイクル", "1 分（1回）" },
            { "3サイクル", "段階ごとに設定されています。" } }));

    // A plan of one cycle has no holding within the load history but the closing one at T0.
    a.Plan.StageCount = 1;
    tables = holdingTables(a, s, false);
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "1 分（1回）" } }));
    a.Plan.StageCount = 0;
    tables = holdingTables(a, s, false);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(rowsOf(tables[0]), (Rows { { "初期荷重段階", "2 分（1回）" } }));
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
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "1 分（1回）" } }));
    s.CycleStages[1].Loading[0] = HoldingStage {};
    tables = holdingTables(a, s, true);
    EXPECT_EQ(rowsOf(tables[1]), (Rows { { "全段階", "段階ごとに設定されています。" } }));
}
