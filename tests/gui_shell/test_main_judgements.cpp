// The judgement windows the main window opens: the tendon bond-length check of
// a pull-out test, which the anchor check asks for before the test, the final
// judgement and the judged range of a quality-assurance anchor.

#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "model/UserMessage.h"

#include <QTableWidget>

using namespace tessaro;
using test::command;
using test::textOf;

namespace {

// Takes the bond stress in row `row`, column `col` of the reference table.
void chooseFromTable(QDialog& d, int row, int col)
{
    auto* table = test::control<QTableWidget>(d, "vaSpread1");
    table->setCurrentCell(row, col);
    test::screenshot(d, "DlgFutyakuSankou");
    test::click(d, "CmdOK");
}

} // namespace

TEST(frmMainJudgements, TheBondLengthCheckOpensTheWayToTheReadings)
{
    test::makeBasicProject(project());
    AnchorRecord& a = project().Record.WorkingAnchor;
    a.ApparentPerimeter = 0;
    a.BondStress = 0;
    a.Plan.PlannedMaxLoad = 600;
    a.Material.MaterialName = QStringLiteral("4S12.7");
    frmMain main;
    main.setTestTypeButton(true);
    main.Shiken();
    MessageScript messages;
    command(main, "MenuView_1");
    EXPECT_EQ(
        test::lastText(messages), QStringLiteral("[テンドン拘束長の確認]ボタン内の見かけの周長が入力されていません。"));

    // Tp 600 kN, U 60.0 mm and τba 1.60 N/mm2 from the table: lsa = 600000 / 96 = 6250 mm ≥ La 6000.
    ui::ModalScript modal;
    modal.expect("frmHikinukiDlg", [](QDialog& d) {
        EXPECT_EQ(textOf(d, "imTxtAncName"), QStringLiteral("摩擦引張型アンカー E5-7 (4S12.7)"));
        EXPECT_EQ(textOf(d, "LblMax"), "600.00");
        EXPECT_EQ(textOf(d, "LblHantei"), QString());
        test::enterText(d, "imTxtMikake", "60", "Command1");
        EXPECT_EQ(textOf(d, "imTxtMikake"), "60.0");
        test::drive(
            "DlgFutyakuSankou", [](QDialog& t) { chooseFromTable(t, 1, 0); }, [&d] { test::click(d, "Command1"); });
        EXPECT_EQ(textOf(d, "imTxtFutyaku"), "1.60");
        EXPECT_EQ(textOf(d, "Lbllsa"), "6250");
        EXPECT_EQ(textOf(d, "LblKousokutyou"),
            QStringLiteral("計画最大荷重時には、テンドンとグラウトの拘束長が 6250(mm) 以上必要です。"));
        EXPECT_EQ(textOf(d, "LblHantei"), QStringLiteral("要確認"));
        EXPECT_EQ(textOf(d, "LblKeturon"), QStringLiteral("アンカー体長の長さを長くするなど検討してください。"));
        test::screenshot(d, "frmHikinukiDlg");
        test::click(d, "Command2_0");
    });
    command(main, "CmdKousokutyou");
    EXPECT_FLOAT_EQ(a.ApparentPerimeter, 60.0f);
    EXPECT_FLOAT_EQ(a.BondStress, 1.6f);
    EXPECT_EQ(a.BondCheckGiven, 1);
    EXPECT_FLOAT_EQ(a.RequiredBondLength, 6250.0f);
    EXPECT_TRUE(main.DataChanged);

    modal.expect("frmDataInput1", [](QDialog& d) { d.reject(); });
    command(main, "MenuView_1");
    EXPECT_TRUE(modal.allUsed());
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(frmMainJudgements, AnEmptiedBoxStoresNothingAndCancelKeepsTheValues)
{
    test::makeBasicProject(project());
    const AnchorRecord& a = project().Record.WorkingAnchor;
    frmMain main;
    main.setTestTypeButton(true);
    main.Shiken();
    ui::ModalScript modal;
    modal.expect("frmHikinukiDlg", [](QDialog& d) {
        // Tp 500 kN: lsa = 500000 / 96 = 5208 mm < La 6000.
        EXPECT_EQ(textOf(d, "LblHantei"), "OK");
        EXPECT_EQ(textOf(d, "LblKeturon"), QString());
        test::setText(d, "imTxtMikake", "");
        EXPECT_EQ(textOf(d, "LblHantei"), QString());
        EXPECT_EQ(textOf(d, "Lbllsa"), QString());
        test::click(d, "Command2_1");
    });
    command(main, "CmdKousokutyou");
    EXPECT_FLOAT_EQ(a.ApparentPerimeter, 60.0f);
    EXPECT_FALSE(main.DataChanged);

    modal.expect("frmHikinukiDlg", [](QDialog& d) {
        test::setText(d, "imTxtMikake", "");
        test::click(d, "Command2_0");
    });
    command(main, "CmdKousokutyou");
    EXPECT_EQ(a.ApparentPerimeter, 0.0f);
    EXPECT_EQ(a.BondCheckGiven, 0);
    EXPECT_FLOAT_EQ(a.BondStress, 1.6f);
    // A basic investigation has no final verdict of the quality-assurance kind.
    EXPECT_FALSE(test::enabled(main, "CmdHantei"));
}

TEST(frmMainJudgements, FinalJudgementAndJudgedRangeOfAQualityAnchor)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    ui::ModalScript modal;
    modal.expect("frmHantei", [](QDialog& d) {
        test::click(d, "Option1_1");
        test::click(d, "Command1_0");
    });
    command(main, "CmdHantei");
    EXPECT_EQ(project().anchor(1).FinalVerdictText, QStringLiteral("設計ｱﾝｶｰ力不足"));
    EXPECT_TRUE(main.DataChanged);

    modal.expect("frmMenuHantei", [](QDialog& d) {
        test::click(d, "Option1_1");
        test::enterText(d, "imNumber1", "3", "CmdOK");
        test::click(d, "CmdOK");
    });
    command(main, "MenuSetHantei");
    EXPECT_EQ(project().Settings.JudgeRangeMode, 1);
    EXPECT_EQ(project().Settings.JudgeFromCycle, 3);
    EXPECT_TRUE(modal.allUsed());
}
