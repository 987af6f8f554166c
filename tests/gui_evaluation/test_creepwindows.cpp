// The creep windows driven as the engineer works them, opened from the graph
// window: the 2012 displacement window on the worked example and on an
// extended test, the 2000 creep-coefficient window with its cycle choice; the
// point-number messages, the print checks and the sheet shown in the preview.

#include "documents/ReportEngine.h"
#include "evaluation/frmKuripuKeisuu.h"
#include "evaluation/frmKuripuKeisuu2.h"
#include "graphs/CreepCharts.h"
#include "graphs/frmGRAPH.h"
#include "model/basMainData.h"
#include "support/CreepAnchors.h"
#include "support/GuiTestSupport.h"
#include "ui/Chart2D.h"

#include <QGroupBox>

using namespace tessaro;

namespace {

// Anchor 1 holds Tp for 15 minutes, anchor 2 for 60.
void setUpCreepProject(int edition, int current)
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.Settings.StandardEdition = std::int16_t(edition);
    p.anchor(1) = test::fifteenMinuteAnchor();
    p.Record.Schedules[0] = test::creepSchedule({ 1, 2, 5, 10, 15 });
    p.anchor(2) = test::sixtyMinuteAnchor();
    p.anchor(2).AnchorNo = QStringLiteral("A-2");
    p.Record.Schedules[1] = test::creepSchedule({ 1, 2, 5, 10, 15, 30, 60 });
    p.CurrentAnchor = std::int16_t(current);
}

void enter(QWidget& w, const char* box, const QString& text)
{
    test::enterText(w, box, text, "vaSpread1");
}

bool red(QWidget& w, const char* label)
{
    return test::control<QLabel>(w, label)->styleSheet().contains("#c0392b");
}

// Prints from the window; the pages the preview showed (0: no preview) and,
// when asked, the text read from them.
int printedPages(QWidget& w, QString* text = nullptr)
{
    int pages = 0;
    ui::ModalScript modal;
    modal.expect("frmPreview", [&](QDialog&) {
        const QString pdf = report::ReportEngine::defaultOutputFile();
        pages = test::pdfPages(pdf);
        if (text)
            *text = test::pdfToText(pdf);
    });
    test::click(w, "cmdPrint");
    return pages;
}

// Opens the creep window of the edition from the graph window and drives it;
// returns whether the graph window took the window's changes.
bool throughGraphWindow(const char* name, const ui::ModalScript::Driver& steps)
{
    frmGRAPH graph;
    EXPECT_TRUE(test::enabled(graph, "CmdKuripu"));
    test::drive(name, steps, [&] { test::click(graph, "CmdKuripu"); });
    return graph.findChild<QObject*>() != nullptr && project().currentCreepSelection().TaNo != 0;
}

} // namespace

TEST(CreepWindows, DisplacementWindowOnTheWorkedExample)
{
    setUpCreepProject(1, 1);
    MessageScript messages;
    throughGraphWindow("frmKuripuKeisuu2", [&](QDialog& w) {
        test::screenshot(w, "frmKuripuKeisuu2-empty");
        EXPECT_EQ(test::textOf(w, "LblKajyuu"), QStringLiteral("6サイクル目　荷重 350.00 kN の荷重保持"));
        EXPECT_FALSE(test::control<QGroupBox>(w, "FraKeisuu")->isVisible());
        enter(w, "imNumT1", "9");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("入力範囲を超えました。\n（入力範囲 : 1 ～ 5 ）"));
        EXPECT_EQ(test::textOf(w, "imNumT1"), QString());
        enter(w, "imNumT1", "3");
        enter(w, "imNumT2", "2");
        EXPECT_EQ(
            test::lastText(messages), QStringLiteral("測定時間No.の入力が逆転しています。入力しなおしてください。"));
        EXPECT_EQ(test::textOf(w, "imNumT2"), QString());
        EXPECT_EQ(test::textOf(w, "LblKekka"), QStringLiteral("⊿s ＝ 　sb － sa"));
        messages.clear();
        test::click(w, "cmdPrint");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("未入力の箇所があります。"));

        enter(w, "imNumT2", "5");
        EXPECT_EQ(QStringList({ test::textOf(w, "LblTa"), test::textOf(w, "LblTb"), test::textOf(w, "LblSa"),
                      test::textOf(w, "LblSb") }),
            QStringList({ "5", "15", "30.20 mm", "30.55 mm" }));
        EXPECT_EQ(test::textOf(w, "LblTimeHantei"), QStringLiteral("tb / ta ＝ 3.0 ≧ 3.0 より、"));
        EXPECT_FALSE(red(w, "LblTimeHantei"));
        EXPECT_EQ(test::textOf(w, "LblKekka"), QStringLiteral("⊿s ＝ 　sb － sa 　＝ 　30.55 － 30.20 　＝  0.35 mm"));
        EXPECT_EQ(test::textOf(w, "LblHantei"), QStringLiteral("⊿s ＝ 　0.35  ≦ 0.50 mm より、適性である。"));
        // The chart marks ta and tb among the five points.
        const ChartData& chart = test::control<ui::Chart2D>(w, "ChartKuripu")->data();
        EXPECT_EQ(chart.groups[0].series[0].points.size(), 5u);
        EXPECT_EQ(chart.groups[0].series[1].points.size(), 2u);
        test::screenshot(w, "frmKuripuKeisuu2");
        messages.clear();
        QString printed;
        EXPECT_EQ(printedPages(w, &printed), 1);
        EXPECT_TRUE(messages.empty()) << test::lastText(messages).toStdString();
        // The sheet draws the curve with its texts, every point labelled.
        EXPECT_TRUE(printed.contains(CreepDisplacementTitle)) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("変位量(mm)")));
        EXPECT_TRUE(printed.contains("No.4"));
        // The final judgement of the same anchor.
        ui::ModalScript judgement;
        judgement.expect("frmHantei", [](QDialog& h) { h.reject(); });
        test::click(w, "Command3");
        EXPECT_TRUE(judgement.allUsed());
        test::click(w, "CmdOK");
    });
    const CreepSelection& s = project().currentCreepSelection();
    EXPECT_EQ(QList<int>({ s.TaNo, s.TbNo, s.JudgeByCreep }), QList<int>({ 3, 5, 0 }));
}

TEST(CreepWindows, ExtendedTestJudgedByTheCreepCoefficient)
{
    setUpCreepProject(1, 2);
    MessageScript messages;
    throughGraphWindow("frmKuripuKeisuu2", [&](QDialog& w) {
        test::check(w, "OptTimeType_1");
        test::click(w, "OptTimeType_1");
        EXPECT_TRUE(test::control<QGroupBox>(w, "FraKeisuu")->isVisible());
        enter(w, "imNumT1", "3");
        enter(w, "imNumT2", "5");
        // 15 minutes is not the end of this holding: no judgement.
        EXPECT_EQ(test::textOf(w, "LblTimeHantei"), QStringLiteral("tbが最大試験時間の最終点ではありません。"));
        EXPECT_TRUE(red(w, "LblTimeHantei"));
        EXPECT_EQ(test::textOf(w, "LblHantei"), QString());

        enter(w, "imNumT3", "5");
        enter(w, "imNumT4", "7");
        EXPECT_EQ(test::textOf(w, "LblTimeHantei2"),
            QStringLiteral("tb / ta ＝ 4.0 ＜ 6.0 となり、規定の計測時間ではありません。"));
        EXPECT_TRUE(red(w, "LblTimeHantei2"));
        EXPECT_EQ(test::textOf(w, "LblKeisuu"), QString());
        enter(w, "imNumT3", "4");
        EXPECT_EQ(test::textOf(w, "LblTimeHantei2"), QStringLiteral("tb / ta ＝ 6.0 ≧ 6.0 より、"));
        EXPECT_EQ(
            QStringList({ test::textOf(w, "LblBunshi"), test::textOf(w, "LblBunbo"), test::textOf(w, "LblKeisuu") }),
            QStringList({ "31.40 - 30.40", "log ( 60 / 10 )", "1.29 mm" }));
        EXPECT_EQ(test::textOf(w, "LblHantei2"), QStringLiteral("1.29 ≦ 2.00 mm より、適性である。"));
        test::screenshot(w, "frmKuripuKeisuu2-extended");
        messages.clear();
        EXPECT_EQ(printedPages(w), 1);
        EXPECT_TRUE(messages.empty()) << test::lastText(messages).toStdString();
        // Cancel leaves the stored selection.
        test::click(w, "CmdCancel");
    });
    EXPECT_EQ(project().currentCreepSelection().TaNo, 0);
}

// A chosen point that was never read computes nothing: no result, no print.
TEST(CreepWindows, NothingComputedShowsNoResultAndIsNotPrinted)
{
    setUpCreepProject(1, 1);
    AnchorRecord& a = project().anchor(1);
    a.Readings[std::size_t(DisplacementHolding(a, 1).startRow + 1)].Displacement = MissingValue; // point 3
    MessageScript messages;
    throughGraphWindow("frmKuripuKeisuu2", [&](QDialog& w) {
        enter(w, "imNumT1", "3");
        enter(w, "imNumT2", "5");
        EXPECT_EQ(test::textOf(w, "LblSa"), QString());
        EXPECT_EQ(test::textOf(w, "LblTimeHantei"), QString());
        EXPECT_EQ(test::textOf(w, "LblHantei"), QString());
        messages.clear();
        EXPECT_EQ(printedPages(w), 0);
        EXPECT_EQ(test::lastText(messages),
            QStringLiteral("クリープ係数が計算されていません。値を入力してから印刷を行ってください。"));
    });
}

TEST(CreepWindows, CoefficientWindowOfThe2000Edition)
{
    setUpCreepProject(0, 2);
    project().anchor(2).DesignAnchorForce = 220;
    MessageScript messages;
    throughGraphWindow("frmKuripuKeisuu", [&](QDialog& w) {
        EXPECT_TRUE(test::control<QRadioButton>(w, "OpnKijyun_0")->isChecked());
        EXPECT_EQ(test::textOf(w, "LblJikan"), QStringLiteral("計画最大荷重時の荷重保持時(分)"));
        enter(w, "imNumT1", "8");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("入力範囲が超えました。\n（入力範囲 : 1 ～ 7 ）"));
        // Creep amounts 0.20 at 5 min and 1.40 at 60 min: 1.20 / log 12 = 1.11.
        enter(w, "imNumT1", "3");
        enter(w, "imNumT2", "7");
        EXPECT_EQ(QStringList({ test::textOf(w, "lblt1"), test::textOf(w, "lblt2") }), QStringList({ "5", "60" }));
        EXPECT_EQ(test::textOf(w, "LblBunshi"), QStringLiteral("1.40 - 0.20"));
        EXPECT_EQ(test::textOf(w, "LblBunbo"), QStringLiteral("log ( 60 / 5 )"));
        EXPECT_EQ(test::textOf(w, "LblHantei"), QStringLiteral("1.11  ≧ 1.0 mm 判定は 範囲外"));
        // Converted: t1 = 1, t2 = 60 − (5 − 1) = 56; 1.20 / log 56 = 0.69.
        test::click(w, "Option1_1");
        EXPECT_EQ(QStringList({ test::textOf(w, "lblt1"), test::textOf(w, "lblt2") }), QStringList({ "1", "56" }));
        EXPECT_EQ(test::textOf(w, "LblHantei"), QStringLiteral("0.69  ＜ 1.0 mm 判定は OK"));
        test::click(w, "Check2");
        EXPECT_EQ(test::control<ui::Chart2D>(w, "ChartKuripu")->data().groups[0].series[0].points.size(), 2u);
        test::screenshot(w, "frmKuripuKeisuu");
        messages.clear();
        QString printed;
        EXPECT_EQ(printedPages(w, &printed), 1);
        EXPECT_TRUE(messages.empty()) << test::lastText(messages).toStdString();
        // The sheet's curve, as the window's, shows the chosen points alone.
        EXPECT_TRUE(printed.contains(CreepCurveTitle)) << printed.toStdString();
        EXPECT_TRUE(printed.contains(QStringLiteral("伸び量(mm)")));
        EXPECT_FALSE(printed.contains("No.4"));

        // The design-anchor-force holding of cycle 3 (200 kN, read at 1 and 5 min).
        test::drive(
            "frmKuripuKeisuuHojyo",
            [&](QDialog& d) {
                EXPECT_EQ(test::textOf(d, "LblTd"), QStringLiteral("設計アンカー力　：220.00 kN"));
                test::enterText(d, "imTextCycle", "9", "CmdOK");
                EXPECT_EQ(test::lastText(messages), QStringLiteral("入力範囲が超えました。\n（入力範囲 : 1 ～ 6 ）"));
                test::enterText(d, "imTextCycle", "3", "CmdOK");
                EXPECT_EQ(test::textOf(d, "LblKajyuu"), QStringLiteral("(荷重： 200.00 kN)"));
                test::screenshot(d, "frmKuripuKeisuuHojyo");
                test::click(d, "CmdOK");
            },
            [&] { test::click(w, "cmdSansyou"); });
        test::showActive(w); // back from the cycle choice
        EXPECT_TRUE(test::control<QRadioButton>(w, "OpnKijyun_1")->isChecked());
        EXPECT_EQ(test::textOf(w, "imTextCycle"), QStringLiteral("3"));
        EXPECT_EQ(test::textOf(w, "LblJikan"), QStringLiteral("設計ｱﾝｶｰ力時の荷重保持時(分)"));
        EXPECT_EQ(test::textOf(w, "imNumT2"), QString()); // beyond the two points of that holding
        EXPECT_EQ(test::textOf(w, "LblHantei"), QString());
        messages.clear();
        EXPECT_EQ(printedPages(w), 0);
        EXPECT_EQ(test::lastText(messages),
            QStringLiteral("クリープ係数が計算されていません。値を入力してから印刷を行ってください。"));
        enter(w, "imNumT1", "1");
        enter(w, "imNumT2", "2");
        test::click(w, "CmdOK");
    });
    const CreepSelection& s = project().currentCreepSelection();
    EXPECT_EQ(QList<int>({ s.CoefHolding, s.CoefCycle, s.CoefConversion, s.CoefChosenOnly, s.CoefT1No, s.CoefT2No }),
        QList<int>({ 1, 3, 1, 1, 1, 2 }));
}

// The stored choices come back when the window opens again.
TEST(CreepWindows, StoredSelectionIsShownAgain)
{
    setUpCreepProject(1, 1);
    CreepSelection& s = project().currentCreepSelection();
    s.TaNo = 3;
    s.TbNo = 5;
    frmKuripuKeisuu2 w;
    EXPECT_EQ(test::textOf(w, "LblHantei"), QStringLiteral("⊿s ＝ 　0.35  ≦ 0.50 mm より、適性である。"));
    EXPECT_EQ(w.judgement().deltaS, 0.35);
}
