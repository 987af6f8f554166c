// The load-plan window: the plan it opens on, the even distribution, gauge
// pressures through the jack, the checks of OK, and the readings a new stage
// count voids.

#include "PlanTestSupport.h"
#include "model/UserMessage.h"
#include "planning/TestKinds.h"
#include "planning/frmKajyuu.h"
#include "ui/SpreadGrid.h"

#include <QRadioButton>

using namespace tessaro;
using test::control;

namespace {

struct LoadPlanWindow : ::testing::Test {
    MessageScript messages;
    AnchorRecord& anchor = test::openPlanProject();
    std::unique_ptr<frmKajyuu> window;

    void open()
    {
        window = std::make_unique<frmKajyuu>();
        test::showActive(*window);
    }
    QString text(const QString& name) { return test::textOf(*window, name); }
    ui::SpreadGrid* grid() { return control<ui::SpreadGrid>(*window, "vaSpread1"); }
    QStringList stages()
    {
        QStringList s;
        for (int row = 1; row <= grid()->MaxRows(); ++row)
            s << grid()->GetText(1, row);
        return s;
    }
    // Leaving a box for the read-only jack name ends its entry.
    void enter(const QString& box, const QString& value) { test::enterText(*window, box, value, "imTxtJName"); }
    void click(const QString& name) { test::click(*window, name); }
    bool closedWithOk() const { return !window->isVisible() && window->result() == QDialog::Accepted; }
    const LoadPlan& stored() const { return project().anchor(1).Plan; }
};

} // namespace

TEST_F(LoadPlanWindow, EvenDistributionIsStoredWithItsPressuresOnOk)
{
    open();
    EXPECT_EQ(text("imTxtTp"), "350.00");
    EXPECT_EQ(stages(), QStringList({ "100.00", "150.00", "200.00", "250.00", "300.00", "350.00" }));
    EXPECT_EQ(text("LblTp_0"), QStringLiteral("ランクＡ ： 1.25×Td = 375.00 (kN)"));
    EXPECT_FALSE(control<QLabel>(*window, "LblSaisyuu")->isVisible()); // not a load-distribution anchor
    test::screenshot(*window, "frmKajyuu");

    enter("imNumber4", "1"); // two to ten stages: refused, the grid stays
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(grid()->MaxRows(), 6);
    enter("imNumber4", "7"); // the stages entered stay, one empty is added
    EXPECT_EQ(grid()->GetText(1, 6), "350.00");
    EXPECT_EQ(grid()->GetText(1, 7), "");
    click("Command1_0");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("入力項目が足りません。値を入力して下さい。"));
    EXPECT_TRUE(window->isVisible());

    enter("imTxtTo", "100");
    enter("imTxtTp", "500");
    enter("imNumber4", "4");
    click("CmdCalcAuto");
    EXPECT_EQ(stages(), QStringList({ "200.00", "300.00", "400.00", "500.00" }));
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(stored().InitialLoad, 100);
    EXPECT_EQ(stored().CycleMaxLoad, (std::array<float, 10> { 200, 300, 400, 500 }));
    // Through the jack: (10 MPa, 100 kN), (20, 210), (40, 430), extended beyond.
    EXPECT_FLOAT_EQ(stored().PlannedMaxGauge, 46.36f); // 20 + 290 / 220 × 20
    EXPECT_EQ(stored().PlanSet, 1);
    EXPECT_EQ(project().anchor(1).EditFlag, 0); // six stages became four: the sheet is rebuilt

    // Cancel leaves the plan alone.
    open();
    enter("imTxtTo", "80");
    click("Command1_1");
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(stored().InitialLoad, 100);
}

TEST_F(LoadPlanWindow, GaugePressuresShowTheLoadsWithoutShiftingThem)
{
    open();
    click("Option1_1");
    EXPECT_EQ(text("imTxtTp"), "32.73"); // 20 + 140 / 220 × 20
    EXPECT_EQ(text("LblTp_0"), QStringLiteral("ランクＡ ： 1.25×Td = 35.00 (MPa)"));
    grid()->EnterText(1, 6, "30"); // a pressure typed: 210 + 10 / 20 × 220 kN
    click("Option1_0");
    EXPECT_EQ(text("imTxtTp"), "350.00"); // not 350.03 from 32.73 MPa
    EXPECT_EQ(grid()->GetText(1, 6), "320.00");
    click("Option1_1");
    click("Command1_0"); // stores loads, whatever is on screen
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(stored().CycleMaxLoad[5], 320);
    EXPECT_FLOAT_EQ(stored().StageGauge[5], 30.0f);

    // A jack without calibration shows loads only.
    anchor.Jack.PointCount = 0;
    open();
    EXPECT_FALSE(control<QRadioButton>(*window, "Option1_1")->isEnabled());
}

TEST_F(LoadPlanWindow, OkChecksTheTpStillBeingTypedAgainstTheEditionsRange)
{
    project().Settings.StandardEdition = 0;
    anchor.DesignAnchorForce = 100;
    anchor.DesignAnchorForceSeismic = 110;
    open();
    auto* tp = control<ui::NumberBox>(*window, "imTxtTp");
    tp->SetFocus();
    tp->SetText("105"); // below the larger design force, never left
    messages.answer(0); // [再入力]
    click("Command1_0");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("入力範囲：110.00 ～ 900.00 , 入力値　：105.00")));
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(tp->hasFocus());
    EXPECT_EQ(tp->Text(), "");
    EXPECT_EQ(stored().PlannedMaxLoad, 350);
}

TEST_F(LoadPlanWindow, WithoutTpTheFlagsAreClearedAndOkWaitsForOne)
{
    anchor.Plan.PlannedMaxLoad = 0;
    open();
    EXPECT_EQ(project().anchor(1).Plan.PlanSet, 0);
    EXPECT_FALSE(test::enabled(*window, "Command1_0"));
    enter("imTxtTp", "350");
    EXPECT_TRUE(test::enabled(*window, "Command1_0"));
}

TEST_F(LoadPlanWindow, NewLoadsKeepTheReadingsAndANewStageCountVoidsThemAfterAsking)
{
    test::addMeasuredRows(anchor, 3);
    open();
    enter("imTxtTo", "60");
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(project().anchor(1).ReadingCount, 3);

    open();
    enter("imNumber4", "5");
    click("CmdCalcAuto");
    messages.answer(AnswerCancel);
    click("Command1_0");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("測定値入力後に荷重段階数を変更すると")));
    EXPECT_EQ(messages.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(project().anchor(1).ReadingCount, 3);
    messages.answer(AnswerOk);
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(stored().StageCount, 5);
    EXPECT_TRUE(project().anchor(1).Readings.empty());
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
}

// Two bodies of two strands, Es·As = 20000 kN, tendons 10000 and 8000 mm, Tp
// 400 kN: G0 = 100 kN, E1 = 50, E2 = 40 mm, F2 = 10 × 200 / 50 = 40 kN, and
// 30 kN more for a product named as a load-distribution anchor: 70 kN.
TEST_F(LoadPlanWindow, LoadDistributionAnchorNeedsItsMinimumInitialLoad)
{
    anchor.Tendon.AnchorTypeCode = LoadDistributionType;
    anchor.Tendon.AnchorTypeName = QStringLiteral("荷重分散型アンカー");
    anchor.Tendon.TensioningType = 0;
    anchor.Tendon.BodyCount = 2;
    anchor.Tendon.BodyTendonLength = { 10000, 8000 };
    anchor.Material.BodyStrandCount = { 2, 2 };
    anchor.Material.StrandSetCount = 4;
    anchor.Material.TendonModulus = 200;
    anchor.Material.TendonArea = 100;
    anchor.Plan.PlannedMaxLoad = 400;
    open();
    EXPECT_EQ(text("LblSaisyuu"), QStringLiteral("≧ 最終折点荷重 = 70.00 (kN)"));
    enter("imTxtTo", "50");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("70.00kN")));
    EXPECT_EQ(text("imTxtTo"), "70.00");
}

TEST_F(LoadPlanWindow, BasicInvestigationPlansTheWorkingAnchorBoundBelowByTug)
{
    Project& p = project();
    p.TestCategory = 0;
    p.Record.WorkingAnchor = anchor;
    p.Record.WorkingAnchor.Spec2.PullOutResistanceText = QStringLiteral("400.00");
    p.Record.WorkingAnchor.Plan.PlanSet = 0;
    anchor.Plan.PlanSet = 0;
    open();
    EXPECT_TRUE(text("LblTys").endsWith(QStringLiteral("Tp ≧　Tug   =  400.00 (kN)")));
    messages.answer(1); // [入力確定]
    enter("imTxtTp", "350");
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("入力範囲：400.00 ～ 900.00")));
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(p.Record.WorkingAnchor.Plan.PlanSet, 1);
    EXPECT_EQ(p.anchor(1).Plan.PlanSet, 0); // the quality-assurance anchor was not touched
}
