#include "PlanTestSupport.h"
#include "model/UserMessage.h"
#include "planning/HoldingTimes.h"
#include "planning/ScheduleEntries.h"
#include "planning/TestKinds.h"
#include "planning/frmKuripu.h"
#include "ui/SpreadGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tessaro;
using test::control;
using ui::SpreadGrid;

namespace {

struct ScheduleWindow : ::testing::Test {
    MessageScript messages;
    AnchorRecord& anchor = test::openPlanProject();
    HoldingSchedule& schedule = project().Record.Schedules[0];
    std::unique_ptr<frmKuripu> window;

    void open() { window = test::openWindow<frmKuripu>(); }
    QString label(const QString& name) { return control<QLabel>(*window, name)->text(); }
    QString text(const QString& name) { return control<QLineEdit>(*window, name)->text(); }
    SpreadGrid* grid(const QString& name) { return control<SpreadGrid>(*window, name); }
    QStringList times(const QString& name)
    {
        QStringList t;
        for (int row = 1; row <= grid(name)->MaxRows(); ++row)
            if (!grid(name)->GetText(1, row).isEmpty())
                t << grid(name)->GetText(1, row);
        return t;
    }
    void enter(const QString& box, const QString& value) { test::enterText(*window, box, value, "vspdShinki"); }
    void click(const QString& name) { control<QAbstractButton>(*window, name)->click(); }
    bool closedWithOk() const { return !window->isVisible() && window->result() == QDialog::Accepted; }

    // Two stages (T0 50, 100, 150 kN), the compact schedule: ten readings in
    // 23 minutes with one minute per load change.
    void twoStageTest()
    {
        anchor.Plan.StageCount = 2;
        anchor.Plan.CycleMaxLoad = { 100, 150 };
        anchor.Spec2.LoadChangeBySpeed = 0;
        anchor.Spec2.LoadingMinutes = 1;
        anchor.Spec2.UnloadingMinutes = 1;
        schedule = test::compactSchedule();
    }
};

} // namespace

TEST_F(ScheduleWindow, AScheduleNeverSetStartsFromTheEditionsExample)
{
    open(); // 2012, sandy soil, six cycles
    EXPECT_EQ(times("vspdShinki"), QStringList({ "1", "2", "5" })); // opening holding 5 min
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5", "10", "15" })); // cycle 1: 15 min
    EXPECT_FALSE(grid("vspdRireki")->isEnabled()); // cycle 1 meets T0 only at the opening
    EXPECT_TRUE(times("vspdRireki").isEmpty());
    EXPECT_EQ(times("vspdRireki2"), QStringList({ "1", "2" })); // history about 2 min

    enter("imNumber1", "6");
    EXPECT_EQ(label("LblSaidai"), QStringLiteral("最大荷重 （ 350.00 kN ）"));
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5", "10", "15", "20", "30", "45", "60" }));
    enter("imNumber2", "4");
    EXPECT_EQ(label("LblDankai"), QStringLiteral("段階 （ 200.00 kN ）")); // stage 4 holds P3
    EXPECT_TRUE(grid("vspdRireki")->isEnabled());
    EXPECT_EQ(times("vspdRireki"), QStringList({ "1", "2" }));
    enter("imNumber1", "3");
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5", "10", "15", "20", "30" }));
    EXPECT_EQ(text("imNumber2"), "3"); // cycle 3 has three stages
    EXPECT_TRUE(messages.empty());

    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    HoldingSchedule expected = defaultSchedule(Edition2012, 1, 6, false);
    EXPECT_EQ(schedule.SetFlag, 1);
    for (std::size_t e = 0; e <= 6; ++e)
        EXPECT_EQ(readingTimes(schedule.InitialStages[e]), readingTimes(expected.InitialStages[e])) << e;
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
}

TEST_F(ScheduleWindow, CycleAndStageMustLieInThePlan)
{
    open();
    enter("imNumber1", "7");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(text("imNumber1"), "1");
    enter("imNumber1", "3");
    enter("imNumber2", "4");
    EXPECT_EQ(messages.last().text,
        QStringLiteral("サイクルもしくは荷重の段階数に、範囲外の数値が入力されました。\n入力範囲：1 ～ 3"));
    EXPECT_EQ(text("imNumber2"), "1");
    enter("imNumber2", "0");
    EXPECT_EQ(messages.shown().size(), 3u);
}

TEST_F(ScheduleWindow, TimesMustIncreaseWithinAHolding)
{
    open();
    grid("vspdShinki2")->EnterText(1, 3, "1"); // 1, 2, 1
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text,
        QStringLiteral("新規荷重時間の入力が間違っています。時間が逆転していないか確認して下さい。"));
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5", "10", "15" }));

    grid("vspdRireki2")->EnterText(1, 2, "1"); // 1, 1
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("履歴内荷重時間の入力が間違っています。")));
    EXPECT_EQ(times("vspdRireki2"), QStringList({ "1", "2" }));

    // A longer holding and a time taken out: the gap closes.
    grid("vspdShinki2")->EnterText(1, 6, "30");
    grid("vspdShinki2")->EnterText(1, 2, "");
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "5", "10", "15", "30" }));
    EXPECT_EQ(messages.shown().size(), 2u);
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(readingTimes(schedule.InitialStages[1]), (std::vector<int> { 1, 5, 10, 15, 30 }));
}

TEST_F(ScheduleWindow, TotalsFollowTheTimesAndTheLoadChanges)
{
    twoStageTest();
    open();
    EXPECT_EQ(label("LblKaisuu"), QStringLiteral("10 回"));
    EXPECT_EQ(text("imTxtZougen"), "1");

    // At 25 kN/min each 50 kN change lasts two minutes.
    click("OptSokudo_1");
    enter("imTxtZougen", "25");
    click("Option3_1");
    enter("imTxtZougen", "25");
    EXPECT_EQ(label("LblJikan"), QStringLiteral("29 分 = ( 0 時間 29 分 )"));
    click("Option3_0");
    EXPECT_EQ(text("imTxtZougen"), "25");

    grid("vspdShinki2")->EnterText(1, 3, "10"); // cycle 1 held until 10 min
    EXPECT_EQ(label("LblJikan"), QStringLiteral("34 分 = ( 0 時間 34 分 )"));
    EXPECT_EQ(label("LblKaisuu"), QStringLiteral("11 回"));

    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    const AnchorSpec2& s = project().anchor(1).Spec2;
    EXPECT_EQ(s.LoadChangeBySpeed, 1);
    EXPECT_EQ(s.LoadingRate, 25);
    EXPECT_EQ(s.UnloadingRate, 25);
    EXPECT_EQ(s.LoadingMinutes, 1); // the fixed times stay for a later switch back
}

TEST_F(ScheduleWindow, ChangingTheReadingCountAfterReadingsAsksAndDeletesThem)
{
    twoStageTest();
    test::addMeasuredRows(anchor, 10);
    open();
    grid("vspdShinki")->EnterText(1, 2, "5"); // the opening holding read at 2 and 5 min
    messages.answer(AnswerCancel);
    click("CmdOK");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(
        messages.last().text.startsWith(QStringLiteral("測定値入力後に計測回数(計測ポイント回数)を変更すると")));
    EXPECT_EQ(messages.last().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(schedule.InitialStages[0].Count, 1);

    messages.answer(AnswerOk);
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(schedule.InitialStages[0].Count, 2);
    EXPECT_TRUE(project().anchor(1).Readings.empty());
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
}

TEST_F(ScheduleWindow, NewTimesOnTheSameReadingCountKeepTheReadings)
{
    twoStageTest();
    test::addMeasuredRows(anchor, 10);
    open();
    grid("vspdShinki2")->EnterText(1, 2, "4");
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readingTimes(schedule.InitialStages[1]), (std::vector<int> { 1, 4 }));
    EXPECT_EQ(project().anchor(1).ReadingCount, 10);
    EXPECT_EQ(project().anchor(1).EditFlag, 0); // the sheet takes the new times
}

TEST_F(ScheduleWindow, ASingleCycleWalksItsStagesUpAndDown)
{
    anchor.ConfirmationTest = 1;
    anchor.Plan.StageCount = 5;
    anchor.Plan.CycleMaxLoad = { 70, 140, 210, 280, 350 };
    open();
    EXPECT_FALSE(control<QLineEdit>(*window, "imNumber1")->isEnabled());
    EXPECT_EQ(label("LblStageRange"), QStringLiteral("(1～4)"));
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5" })); // Tp held 5 min on sandy soil
    EXPECT_FALSE(grid("vspdRireki")->isEnabled());
    enter("imNumber2", "3");
    EXPECT_EQ(label("LblDankai"), QStringLiteral("段階 （ 140.00 kN ）"));
    EXPECT_TRUE(grid("vspdRireki")->isEnabled());
    grid("vspdRireki")->EnterText(1, 3, "3");
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(readingTimes(schedule.CycleStages[2].Loading[0]), (std::vector<int> { 1, 2, 3 }));
}

TEST_F(ScheduleWindow, CancelLeavesTheScheduleAlone)
{
    twoStageTest();
    open();
    grid("vspdShinki")->EnterText(1, 2, "5");
    enter("imTxtZougen", "3");
    click("CmdCancel");
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(schedule.InitialStages[0].Count, 1);
    EXPECT_EQ(project().anchor(1).Spec2.LoadingMinutes, 1);
    EXPECT_EQ(project().anchor(1).EditFlag, 1);
}
