// The jacks: picking one from the list for an anchor, maintaining the list, and
// the jack detail with its calibration table, stored in the jack database and in
// the anchor (or every anchor).

#include "WindowDbTest.h"
#include "planning/GaugeHenkan.h"
#include "planning/basKajyuu.h"
#include "refdb/JackDatabase.h"
#include "refdb/frmJakki.h"
#include "refdb/frmJakkiDB.h"
#include "ui/Chart2D.h"

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::click;
using tessaro::test::control;

namespace {

class JackDetail : public test::WindowDbTest {
protected:
    void SetUp() override
    {
        WindowDbTest::SetUp();
        // Three anchors; anchor 2, the current one, carries jack 5 (TJ300-01, six pairs).
        qualityProjectAt(3, 2).Jack = *refdb::jackRecordByName("TJ300-01");
        Project& p = project();
        p.Record.AnchorLabels[1] = "TJ300-01";
        p.Record.AnchorMarks[1] = 5;
    }
    static ui::TextBox* nameBox(QWidget& w) { return control<ui::TextBox>(w, "imTxtJName"); }
    // Runs ShowForm on the current anchor with the given steps inside the window.
    static bool showForm(const ui::ModalScript::Driver& steps)
    {
        return test::drive("frmJakkiDB", steps, [] { return frmJakkiDB::ShowForm(nullptr); });
    }
};

} // namespace

TEST_F(JackDetail, ANewJackNeedsAFreeNameAndIsAppendedToTheListAndDeletedAlone)
{
    const QString name = QStringLiteral("O'Neil' = Jakki_Name OR '1'='1");
    frmJakki w(frmJakki::MaintainList);
    w.show();
    auto steps = [&](QDialog& d) {
        nameBox(d)->SetText("tj200-02"); // names match regardless of letter case
        grid(d)->SetText(1, 1, "10");
        grid(d)->SetText(2, 1, "100");
        click(d, "CmdOK");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("ジャッキ名称が重複しています。入力し直して下さい。"));
        nameBox(d)->SetText(name);
        grid(d)->SetText(1, 3, "20"); // an empty row between pairs is skipped
        grid(d)->SetText(2, 3, "205");
        click(d, "CmdOK");
    };
    test::drive("frmJakkiDB", steps, [&] { click(w, "CmdNew"); });
    ASSERT_EQ(grid(w)->MaxRows(), 48);
    EXPECT_EQ(grid(w)->GetText(1, 48), name);
    EXPECT_EQ(grid(w)->ActiveRow(), 48);
    EXPECT_EQ(refdb::findJack(name)->PairCount(), 2);

    messages.answer(AnswerYes);
    click(w, "CmdDelete");
    EXPECT_EQ(scalar(DbKind::Jack, "SELECT COUNT(*) FROM JakkiTBL").toInt(), 47);
    EXPECT_EQ(scalar(DbKind::Jack, "SELECT Jakki_Name FROM JakkiTBL WHERE J_No = 47").toString(), "SFL-DW260");
}

TEST_F(JackDetail, ACheckedTableRewritesTheStoredJackAndEveryAnchorsCopy)
{
    EXPECT_TRUE(showForm([this](QDialog& d) {
        EXPECT_EQ(nameBox(d)->Text(), "TJ300-01");
        EXPECT_EQ(grid(d)->GetText(1, 6), "50.00");
        EXPECT_EQ(control<ui::Chart2D>(d, "Chart2D1")->data().groups[0].series[0].points.size(), 6u);
        const QString empty = QStringLiteral("入力されていない項目があります。入力してください。");
        grid(d)->SetText(1, 7, "40"); // a pressure without its output
        click(d, "CmdOK");
        EXPECT_EQ(test::lastText(messages), empty);
        grid(d)->SetText(2, 7, "10");
        click(d, "CmdOK");
        EXPECT_EQ(test::lastText(messages),
            QStringLiteral("キャリブレーション表は、ゲージ圧力・ジャッキ出力とも小さい順に入力して下さい。"));
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(refdb::findJack("TJ300-01")->PairCount(), 6);

        grid(d)->SetText(2, 6, "300.5");
        grid(d)->SetText(1, 7, "55");
        grid(d)->SetText(2, 7, "340");
        test::check(d, "ChkAllJakki");
        click(d, "CmdOK");
    }));
    EXPECT_EQ(messages.shown().size(), 2u);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(project().anchor(i).Jack.PointCount, 8);
        EXPECT_EQ(project().Record.AnchorMarks[std::size_t(i - 1)], 5);
    }
    EXPECT_FLOAT_EQ(project().anchor(1).Jack.Outputs[5], 300.5f);
    EXPECT_DOUBLE_EQ(refdb::findJack("TJ300-01")->CarrySyutu[5], 300.5);
    EXPECT_EQ(refdb::findJack("TJ300-01")->PairCount(), 7);
}

TEST_F(JackDetail, AJackFromTheListReplacesTheAnchorsJack)
{
    // A confirmed plan read on the old jack, and a reading sheet made from it.
    AnchorRecord& a = project().anchor(2);
    a.Plan = { .PlanSet = 1, .InitialLoad = 60, .PlannedMaxLoad = 240, .StageCount = 2, .CycleMaxLoad = { 150, 240 } };
    FillPlanGauges(a);
    a.EditFlag = 1;
    const float oldGauge = a.Plan.PlannedMaxGauge;
    EXPECT_TRUE(showForm([](QDialog& d) {
        ui::ModalScript list;
        list.expect("frmJakki", [](QDialog& l) {
            grid(l)->SetActiveCell(1, 41);
            click(l, "CmdOK");
        });
        click(d, "CmdTouroku");
        EXPECT_EQ(nameBox(d)->Text(), "MS-250");
        click(d, "CmdOK");
    }));
    EXPECT_EQ(a.Jack.JackNo, 41);
    EXPECT_EQ(project().Record.AnchorLabels[1], "MS-250");
    // The plan's pressures are those of the new jack; the sheet is made anew.
    EXPECT_NE(a.Plan.PlannedMaxGauge, oldGauge);
    EXPECT_FLOAT_EQ(a.Plan.PlannedMaxGauge, ConvertGaugeRounded(a.Jack, 240, LoadToPressure));
    EXPECT_FLOAT_EQ(a.Plan.StageGauge[0], ConvertGaugeRounded(a.Jack, 150, LoadToPressure));
    EXPECT_EQ(a.EditFlag, 0);
    EXPECT_EQ(a.Plan.PlanSet, 1);
    EXPECT_EQ(refdb::findJack("TJ300-01")->No, 5); // the anchor's former jack stays in the list
}

TEST_F(JackDetail, ACopyOrTheWorkingAnchorOfABasicInvestigationIsEdited)
{
    JackRecord copy = project().anchor(2).Jack;
    EXPECT_TRUE(test::drive(
        "frmJakkiDB",
        [](QDialog& d) {
            EXPECT_FALSE(control<QWidget>(d, "ChkAllJakki")->isVisible());
            grid(d)->SetText(2, 1, "55");
            click(d, "CmdOK");
        },
        [&] { return frmJakkiDB::ShowForm22(nullptr, copy); }));
    EXPECT_FLOAT_EQ(copy.Outputs[0], 55);
    EXPECT_NE(project().anchor(2).Jack.Outputs[0], 55);
    EXPECT_DOUBLE_EQ(refdb::findJack("TJ300-01")->CarrySyutu[0], 55);

    project().TestCategory = 0;
    InitProject(project(), 1);
    project().Record.WorkingAnchor.Jack = *refdb::jackRecordByName("TJ200-01");
    EXPECT_TRUE(showForm([](QDialog& d) { click(d, "CmdOK"); }));
    EXPECT_EQ(project().Record.WorkingAnchor.Jack.JackNo, 1);
    EXPECT_EQ(project().Record.AnchorLabels[0], "TJ200-01");
}
