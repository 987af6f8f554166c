#include "PlanTestSupport.h"
#include "model/UserMessage.h"
#include "planning/JudgementConstants.h"
#include "planning/TestKinds.h"
#include "planning/frmKajyuu.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"

#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tessaro;
using test::control;
using ui::NumberBox;
using ui::SpreadGrid;

namespace {

const QString IncompleteMessage = QStringLiteral("入力項目が足りません。値を入力して下さい。");

struct LoadPlanWindow : ::testing::Test {
    MessageScript messages;
    AnchorRecord& anchor = test::openPlanProject();
    std::unique_ptr<frmKajyuu> window;

    void open() { window = test::openWindow<frmKajyuu>(); }
    QString text(const QString& name) { return control<QLineEdit>(*window, name)->text(); }
    QString label(const QString& name) { return control<QLabel>(*window, name)->text(); }
    SpreadGrid* grid() { return control<SpreadGrid>(*window, "vaSpread1"); }
    QStringList stages()
    {
        QStringList s;
        for (int row = 1; row <= grid()->MaxRows(); ++row)
            s << grid()->GetText(1, row);
        return s;
    }
    // Leaving a box for the read-only jack name ends its entry.
    void enter(const QString& box, const QString& value) { test::enterText(*window, box, value, "imTxtJName"); }
    void click(const QString& name) { control<QAbstractButton>(*window, name)->click(); }
    bool closedWithOk() const { return !window->isVisible() && window->result() == QDialog::Accepted; }
};

} // namespace

TEST_F(LoadPlanWindow, OpensOnThePlanAndOkStoresTheEvenDistributionWithItsPressures)
{
    open();
    EXPECT_EQ(text("imTxtTp"), "350.00");
    EXPECT_EQ(stages(), QStringList({ "100.00", "150.00", "200.00", "250.00", "300.00", "350.00" }));
    EXPECT_EQ(label("LblTp_0"), QStringLiteral("ランクＡ ： 1.25×Td = 375.00 (kN)"));
    EXPECT_FALSE(control<QLabel>(*window, "LblSaisyuu")->isVisible()); // not a load-distribution anchor
    test::screenshot(*window, "frmKajyuu");

    enter("imTxtTo", "100");
    enter("imTxtTp", "500");
    enter("imNumber4", "4");
    EXPECT_EQ(grid()->MaxRows(), 4);
    click("CmdCalcAuto");
    EXPECT_EQ(stages(), QStringList({ "200.00", "300.00", "400.00", "500.00" }));
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(messages.empty());
    const LoadPlan& p = project().anchor(1).Plan;
    EXPECT_EQ(p.InitialLoad, 100);
    EXPECT_EQ(p.CycleMaxLoad, (std::array<float, 10> { 200, 300, 400, 500 }));
    // Through the jack: (10 MPa, 100 kN), (20, 210), (40, 430), extended beyond.
    EXPECT_FLOAT_EQ(p.PlannedMaxGauge, 46.36f); // 20 + 290 / 220 × 20
    EXPECT_EQ(p.StageGauge[4], 0);
    EXPECT_EQ(p.PlanSet, 1);
    EXPECT_EQ(project().anchor(1).EditFlag, 0); // six stages became four: the sheet is rebuilt
}

TEST_F(LoadPlanWindow, StageCountOutsideTwoToTenIsRefused)
{
    open();
    for (const char* count : { "x", "1", "11" }) {
        messages.clear();
        enter("imNumber4", count);
        ASSERT_FALSE(messages.empty()) << count;
        EXPECT_EQ(text("imNumber4"), "6");
        EXPECT_EQ(grid()->MaxRows(), 6);
    }
    EXPECT_EQ(
        messages.last().text, QStringLiteral("荷重段階数に範囲外の数値が入力されました。\n入力範囲：2～10 (段階)"));
    // More stages keep the stages entered and add empty ones.
    enter("imNumber4", "7");
    EXPECT_EQ(grid()->MaxRows(), 7);
    EXPECT_EQ(grid()->GetText(1, 6), "350.00");
    EXPECT_EQ(grid()->GetText(1, 7), "");
}

TEST_F(LoadPlanWindow, Edition2000PermanentAnchorIsBoundByTheSmallerOfBothDesignForces)
{
    project().Settings.StandardEdition = 0;
    anchor.DesignAnchorForce = 100;
    anchor.DesignAnchorForceSeismic = 110;
    open();
    EXPECT_TRUE(control<QLabel>(*window, "LblTp_2")->isVisible()); // the lines' texts are the core's

    messages.answer(0); // [再入力]
    enter("imTxtTp", "105");
    ASSERT_EQ(messages.shown().size(), 1u);
    const UserMessage& q = messages.last();
    EXPECT_TRUE(q.text.contains(QStringLiteral("入力範囲：110.00 ～ 900.00 , 入力値　：105.00")))
        << q.text.toStdString();
    EXPECT_EQ(q.customButtons, QStringList({ QStringLiteral("再入力"), QStringLiteral("入力確定") }));
    EXPECT_EQ(text("imTxtTp"), "");

    enter("imTxtTp", "110");
    EXPECT_EQ(messages.shown().size(), 1u);
    messages.answer(1); // [入力確定]
    enter("imTxtTp", "950");
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(text("imTxtTp"), "950.00");
    enter("imTxtTp", "950"); // confirmed once: not asked again
    EXPECT_EQ(messages.shown().size(), 2u);
}

TEST_F(LoadPlanWindow, GaugePressuresAreShownThroughTheJackWithoutShiftingTheLoads)
{
    open();
    click("Option1_1");
    EXPECT_EQ(text("imTxtTo"), "5.00");
    EXPECT_EQ(text("imTxtTp"), "32.73"); // 20 + 140 / 220 × 20
    EXPECT_EQ(grid()->GetText(1, 1), "10.00");
    EXPECT_EQ(label("LblTp_0"), QStringLiteral("ランクＡ ： 1.25×Td = 35.00 (MPa)"));

    grid()->EnterText(1, 6, "30"); // a pressure typed: 210 + 10 / 20 × 220 kN
    click("Option1_0");
    EXPECT_EQ(text("imTxtTp"), "350.00"); // not 350.03 from 32.73 MPa
    EXPECT_EQ(grid()->GetText(1, 6), "320.00");

    click("Option1_1");
    click("Command1_0"); // stores loads, whatever is on screen
    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(control<QRadioButton>(*window, "Option1_0")->isChecked());
    const LoadPlan& p = project().anchor(1).Plan;
    EXPECT_EQ(p.PlannedMaxLoad, 350);
    EXPECT_EQ(p.CycleMaxLoad[5], 320);
    EXPECT_FLOAT_EQ(p.StageGauge[5], 30.0f);
    // New loads: the sheet is made again with them when it is next shown.
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
}

TEST_F(LoadPlanWindow, AJackWithoutCalibrationShowsLoadsOnly)
{
    anchor.Jack.PointCount = 0;
    open();
    EXPECT_FALSE(control<QRadioButton>(*window, "Option1_1")->isEnabled());
}

TEST_F(LoadPlanWindow, OkNeedsT0TpAndEveryStage)
{
    open();
    grid()->EnterText(1, 3, "");
    click("Command1_0");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, IncompleteMessage);
    EXPECT_TRUE(window->isVisible());
    grid()->EnterText(1, 3, "0");
    click("Command1_0");
    EXPECT_EQ(messages.shown().size(), 2u);
    grid()->EnterText(1, 3, "200");
    enter("imTxtTo", "");
    click("Command1_0");
    EXPECT_EQ(messages.shown().size(), 3u);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(project().anchor(1).Plan.CycleMaxLoad[2], 200); // nothing stored yet
}

TEST_F(LoadPlanWindow, ChangingTheStageCountAfterReadingsAsksAndDeletesThem)
{
    test::addMeasuredRows(anchor, 3);
    open();
    enter("imNumber4", "5");
    click("CmdCalcAuto");
    messages.answer(AnswerCancel);
    click("Command1_0");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("測定値入力後に荷重段階数を変更すると")));
    EXPECT_EQ(messages.last().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(project().anchor(1).ReadingCount, 3);

    messages.answer(AnswerOk);
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    const AnchorRecord& a = project().anchor(1);
    EXPECT_EQ(a.Plan.StageCount, 5);
    EXPECT_TRUE(a.Readings.empty());
    EXPECT_EQ(a.ReadingCount, 0);
    EXPECT_EQ(a.EditFlag, 0);
}

TEST_F(LoadPlanWindow, NewLoadsOnAnUnchangedStageCountKeepTheReadings)
{
    test::addMeasuredRows(anchor, 3);
    open();
    enter("imTxtTo", "60");
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(project().anchor(1).Plan.InitialLoad, 60);
    EXPECT_EQ(project().anchor(1).ReadingCount, 3);
    // The sheet is rebuilt with the new loads; with as many rows it keeps the readings.
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
}

TEST_F(LoadPlanWindow, WithoutTpTheFlagsAreClearedAndOkWaitsForOne)
{
    anchor.Plan.PlannedMaxLoad = 0;
    open();
    EXPECT_EQ(project().anchor(1).Plan.PlanSet, 0);
    EXPECT_EQ(project().anchor(1).EditFlag, 0);
    auto* ok = control<QPushButton>(*window, "Command1_0");
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_EQ(text("imTxtTp"), "");
    EXPECT_EQ(label("LblSankou"), "");
    enter("imTxtTp", "350");
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_FALSE(label("LblSankou").isEmpty());
}

TEST_F(LoadPlanWindow, AFailedPlanCheckStopsTheDistributionAndOk)
{
    anchor.Tendon.AnchorTypeName.clear();
    open();
    click("CmdCalcAuto");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("アンカー種別が入力されていません。"));
    EXPECT_FALSE(control<QPushButton>(*window, "Command1_0")->isEnabled());
    EXPECT_EQ(grid()->GetText(1, 1), "100.00");
}

TEST_F(LoadPlanWindow, CancelLeavesThePlanAlone)
{
    open();
    enter("imTxtTo", "80");
    enter("imNumber4", "3");
    click("Command1_1");
    EXPECT_EQ(window->result(), QDialog::Rejected);
    EXPECT_EQ(project().anchor(1).Plan.InitialLoad, 50);
    EXPECT_EQ(project().anchor(1).Plan.StageCount, 6);
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
    EXPECT_EQ(label("LblSaisyuu"), QStringLiteral("≧ 最終折点荷重 = 70.00 (kN)"));

    enter("imTxtTo", "50");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("70.00kN")));
    EXPECT_EQ(text("imTxtTo"), "70.00");
    enter("imTxtTo", "80");
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST_F(LoadPlanWindow, BasicInvestigationIsBoundBelowByTug)
{
    Project& p = project();
    p.TestCategory = 0;
    p.Record.WorkingAnchor = anchor;
    p.Record.WorkingAnchor.Spec2.PullOutResistanceText = QStringLiteral("400.00");
    open();
    EXPECT_TRUE(label("LblTys").endsWith(QStringLiteral("Tp ≧　Tug   =  400.00 (kN)")));
    EXPECT_FALSE(control<QLabel>(*window, "LblTp_0")->isVisible());
    messages.answer(1); // [入力確定]
    enter("imTxtTp", "350");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.contains(QStringLiteral("入力範囲：400.00 ～ 900.00")));
    click("Command1_0");
    ASSERT_TRUE(closedWithOk());
    EXPECT_EQ(p.Record.WorkingAnchor.Plan.PlanSet, 1);
    EXPECT_EQ(p.anchor(1).Plan.PlanSet, 1); // the quality-assurance anchor was not touched
}

TEST_F(LoadPlanWindow, ReferenceButtonsExplainByEditionAndCategory)
{
    open();
    ui::ModalScript script;
    QString title;
    QString shown;
    auto read = [&](QDialog& d) {
        title = d.windowTitle();
        shown = d.findChild<QPlainTextEdit*>("txtReference")->toPlainText();
        d.reject();
    };
    script.expect("DlgReferenceText", read);
    click("Command2");
    EXPECT_EQ(shown, loadLimitReferenceText());

    project().Settings.StandardEdition = 0;
    open();
    script.expect("DlgReferenceText", read);
    click("Command2");
    EXPECT_EQ(shown, loadLimitReferenceText2000());
    EXPECT_TRUE(script.allUsed());
}

TEST_F(LoadPlanWindow, OkEndsTheEntryStillOpenFirst)
{
    open();
    auto* tp = control<ui::NumberBox>(*window, "imTxtTp");
    tp->SetFocus();
    tp->SetText("950"); // above the tendon limit, never left
    messages.answer(0); // [再入力]
    click("Command1_0");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().customButtons.size(), 2);
    EXPECT_TRUE(window->isVisible());
    EXPECT_TRUE(tp->hasFocus());
    EXPECT_EQ(tp->Text(), "");
    EXPECT_EQ(project().anchor(1).Plan.PlannedMaxLoad, 350);
}
