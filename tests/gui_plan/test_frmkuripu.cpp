// The holding-time schedule window: the edition's example it starts from, the
// cycles and stages it walks, the totals, and the readings a new reading count
// voids.

#include "PlanTestSupport.h"
#include "model/UserMessage.h"
#include "planning/ScheduleEntries.h"
#include "planning/frmKuripu.h"
#include "ui/SpreadGrid.h"

using namespace tessaro;
using test::control;

namespace {

struct ScheduleWindow : ::testing::Test {
    MessageScript messages;
    AnchorRecord& anchor = test::openPlanProject();
    HoldingSchedule& schedule = project().Record.Schedules[0];
    std::unique_ptr<frmKuripu> window;

    void open()
    {
        window = std::make_unique<frmKuripu>();
        test::showActive(*window);
    }
    QString text(const QString& name) { return test::textOf(*window, name); }
    ui::SpreadGrid* grid(const QString& name) { return control<ui::SpreadGrid>(*window, name); }
    QStringList times(const QString& name)
    {
        QStringList t;
        for (int row = 1; row <= grid(name)->MaxRows(); ++row)
            if (!grid(name)->GetText(1, row).isEmpty())
                t << grid(name)->GetText(1, row);
        return t;
    }
    void enter(const QString& box, const QString& value) { test::enterText(*window, box, value, "vspdShinki"); }
    void click(const QString& name) { test::click(*window, name); }
    bool closedWithOk() const { return !window->isVisible() && window->result() == QDialog::Accepted; }
};

} // namespace

TEST_F(ScheduleWindow, AScheduleNeverSetStartsFromTheEditionsExampleAndOkStoresTheEdits)
{
    open(); // 2012, sandy soil, six cycles
    EXPECT_EQ(times("vspdShinki"), QStringList({ "1", "2", "5" })); // opening holding 5 min
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5", "10", "15" })); // cycle 1: 15 min
    EXPECT_FALSE(grid("vspdRireki")->isEnabled()); // cycle 1 meets T0 only at the opening
    EXPECT_EQ(times("vspdRireki2"), QStringList({ "1", "2" })); // history about 2 min

    enter("imNumber1", "7"); // the plan has six cycles
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(text("imNumber1"), "1");
    grid("vspdShinki2")->EnterText(1, 3, "1"); // 1, 2, 1
    EXPECT_EQ(test::lastText(messages),
        QStringLiteral("新規荷重時間の入力が間違っています。時間が逆転していないか確認して下さい。"));
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "2", "5", "10", "15" }));
    // A longer holding and a time taken out: the gap closes.
    grid("vspdShinki2")->EnterText(1, 6, "30");
    grid("vspdShinki2")->EnterText(1, 2, "");
    EXPECT_EQ(times("vspdShinki2"), QStringList({ "1", "5", "10", "15", "30" }));

    enter("imNumber1", "6");
    EXPECT_EQ(text("LblSaidai"), QStringLiteral("最大荷重 （ 350.00 kN ）"));
    enter("imNumber2", "4");
    EXPECT_EQ(text("LblDankai"), QStringLiteral("段階 （ 200.00 kN ）")); // stage 4 holds P3
    EXPECT_TRUE(grid("vspdRireki")->isEnabled());
    EXPECT_EQ(messages.shown().size(), 2u);

    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(schedule.SetFlag, 1);
    EXPECT_EQ(readingTimes(schedule.InitialStages[1]), (std::vector<int> { 1, 5, 10, 15, 30 }));
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
}

// Two stages (T0 50, 100, 150 kN) on the compact schedule: ten readings in 23
// minutes with one minute per load change; the ten rows were read.
TEST_F(ScheduleWindow, NewTimesKeepTheReadingsAndANewReadingCountVoidsThemAfterAsking)
{
    anchor.Plan.StageCount = 2;
    anchor.Plan.CycleMaxLoad = { 100, 150 };
    anchor.Spec2.LoadChangeBySpeed = 0;
    anchor.Spec2.LoadingMinutes = 1;
    anchor.Spec2.UnloadingMinutes = 1;
    schedule = test::compactSchedule();
    test::addMeasuredRows(anchor, 10);

    open();
    grid("vspdShinki")->EnterText(1, 2, "5");
    click("CmdCancel");
    EXPECT_EQ(schedule.InitialStages[0].Count, 1);
    EXPECT_EQ(project().anchor(1).EditFlag, 1);

    open();
    EXPECT_EQ(text("LblKaisuu"), QStringLiteral("10 回"));
    // At 25 kN/min each 50 kN change lasts two minutes.
    click("OptSokudo_1");
    enter("imTxtZougen", "25");
    click("Option3_1");
    enter("imTxtZougen", "25");
    EXPECT_EQ(text("LblJikan"), QStringLiteral("29 分 = ( 0 時間 29 分 )"));
    grid("vspdShinki2")->EnterText(1, 2, "4");
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(readingTimes(schedule.InitialStages[1]), (std::vector<int> { 1, 4 }));
    EXPECT_EQ(project().anchor(1).Spec2.LoadingRate, 25);
    EXPECT_EQ(project().anchor(1).Spec2.UnloadingRate, 25);
    EXPECT_EQ(project().anchor(1).ReadingCount, 10);

    open();
    grid("vspdShinki")->EnterText(1, 2, "5"); // the opening holding read at 2 and 5 min
    messages.answer(AnswerCancel);
    click("CmdOK");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(
        test::lastText(messages).startsWith(QStringLiteral("測定値入力後に計測回数(計測ポイント回数)を変更すると")));
    EXPECT_EQ(messages.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(schedule.InitialStages[0].Count, 1);
    messages.answer(AnswerOk);
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(schedule.InitialStages[0].Count, 2);
    EXPECT_TRUE(project().anchor(1).Readings.empty());
}

TEST_F(ScheduleWindow, ASingleCycleWalksItsStagesUpAndDown)
{
    anchor.ConfirmationTest = 1;
    anchor.Plan.StageCount = 5;
    anchor.Plan.CycleMaxLoad = { 70, 140, 210, 280, 350 };
    open();
    EXPECT_FALSE(test::enabled(*window, "imNumber1"));
    enter("imNumber2", "3"); // the holdings shown for a stage are the core's
    grid("vspdRireki")->EnterText(1, 3, "3");
    click("CmdOK");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(readingTimes(schedule.CycleStages[2].Loading[0]), (std::vector<int> { 1, 2, 3 }));
}
