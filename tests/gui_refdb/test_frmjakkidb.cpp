// Jack detail: the anchor's jack with its calibration table, stored in the jack
// database and in the anchor (or every anchor).

#include "WindowDbTest.h"
#include "refdb/JackDatabase.h"
#include "refdb/frmJakkiDB.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/SpreadGrid.h"

#include <QCheckBox>
#include <QPushButton>

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
        Project& p = project();
        p.TestCategory = 1;
        InitProject(p, 3);
        p.anchor(2).Jack = *refdb::jackRecordByName("TJ300-01");
        p.Record.AnchorLabels[1] = "TJ300-01";
        p.Record.AnchorMarks[1] = 5;
        p.CurrentAnchor = 2;
    }
    static ui::SpreadGrid* grid(QWidget& w) { return control<ui::SpreadGrid>(w, "vaSpread1"); }
    static ui::TextBox* nameBox(QWidget& w) { return control<ui::TextBox>(w, "imTxtJName"); }
    // Runs ShowForm on the current anchor with the given steps inside the window.
    bool showForm(const std::function<void(QDialog&)>& steps)
    {
        ui::ModalScript modal;
        modal.expect("frmJakkiDB", steps);
        return frmJakkiDB::ShowForm(nullptr);
    }
    MessageScript messages;
};

} // namespace

TEST_F(JackDetail, ShowsTheAnchorsJack)
{
    showForm([](QDialog& d) {
        EXPECT_EQ(nameBox(d)->Text(), "TJ300-01");
        EXPECT_EQ(control<ui::NumberBox>(d, "imTxtNouryoku")->Text(), "300.00");
        EXPECT_EQ(grid(d)->MaxRows(), 20);
        EXPECT_EQ(grid(d)->GetText(1, 6), "50.00");
        EXPECT_EQ(grid(d)->GetText(1, 7), "");
        const ChartData& chart = control<ui::Chart2D>(d, "Chart2D1")->data();
        ASSERT_EQ(chart.seriesCount(), 1);
        EXPECT_EQ(chart.groups[0].series[0].points.size(), 6u);
        EXPECT_TRUE(control<QCheckBox>(d, "ChkAllJakki")->isVisible());
    });
}

TEST_F(JackDetail, OkRewritesTheStoredJackAndTheCurrentAnchor)
{
    EXPECT_TRUE(showForm([](QDialog& d) {
        grid(d)->SetText(2, 6, "300.5");
        grid(d)->SetText(1, 7, "55");
        grid(d)->SetText(2, 7, "340");
        click(d, "CmdOK");
    }));
    EXPECT_TRUE(messages.empty());
    const JackRecord& j = project().anchor(2).Jack;
    EXPECT_EQ(j.PointCount, 8);
    EXPECT_FLOAT_EQ(j.Outputs[5], 300.5f);
    EXPECT_FLOAT_EQ(j.Pressures[6], 55);
    EXPECT_EQ(project().anchor(1).Jack.PointCount, 0);
    auto stored = refdb::findJack("TJ300-01");
    ASSERT_TRUE(stored);
    EXPECT_EQ(stored->PairCount(), 7);
    EXPECT_DOUBLE_EQ(stored->CarrySyutu[5], 300.5);
}

TEST_F(JackDetail, ChkAllJakkiGivesTheJackToEveryAnchor)
{
    EXPECT_TRUE(showForm([](QDialog& d) {
        control<QCheckBox>(d, "ChkAllJakki")->setChecked(true);
        click(d, "CmdOK");
    }));
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(project().anchor(i).Jack.JackName, "TJ300-01");
        EXPECT_EQ(project().anchor(i).Jack.PointCount, 7);
        EXPECT_EQ(project().Record.AnchorMarks[std::size_t(i - 1)], 5);
    }
}

TEST_F(JackDetail, EmptyItemsAndFallingPairsAreRefused)
{
    JackRecord before = project().anchor(2).Jack;
    EXPECT_FALSE(showForm([this](QDialog& d) {
        const QString empty = QStringLiteral("入力されていない項目があります。入力してください。");
        nameBox(d)->SetText("");
        click(d, "CmdOK");
        EXPECT_EQ(messages.last().text, empty);
        nameBox(d)->SetText("TJ300-01");
        grid(d)->SetText(1, 8, "40"); // a pressure without its output
        click(d, "CmdOK");
        EXPECT_EQ(messages.last().text, empty);
        grid(d)->SetText(2, 8, "10");
        click(d, "CmdOK");
        EXPECT_EQ(messages.last().text,
            QStringLiteral("キャリブレーション表は、ゲージ圧力・ジャッキ出力とも小さい順に入力して下さい。"));
        grid(d)->ClearText(ui::CellBlock::all());
        click(d, "CmdOK");
        EXPECT_EQ(messages.last().text, empty);
        control<ui::NumberBox>(d, "imTxtStrok")->SetText("abc");
        grid(d)->SetText(1, 1, "10");
        grid(d)->SetText(2, 1, "100");
        click(d, "CmdOK");
        EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("ストローク長に数値以外の文字が入力されました。")));
        EXPECT_TRUE(d.isVisible());
    }));
    EXPECT_EQ(project().anchor(2).Jack.PointCount, before.PointCount);
    EXPECT_EQ(refdb::findJack("TJ300-01")->PairCount(), 6);
}

TEST_F(JackDetail, ATakenNameIsRefusedAndANewJackIsAppended)
{
    const QString name = QStringLiteral("Jack 'B'; DROP TABLE JakkiTBL; --");
    project().anchor(2).Jack = JackRecord {};
    EXPECT_TRUE(showForm([&](QDialog& d) {
        nameBox(d)->SetText("tj200-02"); // names match regardless of letter case
        grid(d)->SetText(1, 1, "10");
        grid(d)->SetText(2, 1, "100");
        click(d, "CmdOK");
        EXPECT_EQ(messages.last().text, QStringLiteral("ジャッキ名称が重複しています。入力し直して下さい。"));
        ASSERT_TRUE(d.isVisible());
        nameBox(d)->SetText(name);
        grid(d)->SetText(1, 3, "20"); // an empty row between pairs is skipped
        grid(d)->SetText(2, 3, "210");
        click(d, "CmdOK");
    }));
    EXPECT_EQ(project().anchor(2).Jack.JackNo, 48);
    EXPECT_EQ(project().anchor(2).Jack.PointCount, 3);
    EXPECT_EQ(refdb::findJack(name)->No, 48);
    EXPECT_EQ(scalar(DbKind::Jack, "SELECT COUNT(*) FROM JakkiTBL").toInt(), 48);
}

TEST_F(JackDetail, CmdTourokuLoadsAJackFromTheList)
{
    EXPECT_TRUE(showForm([](QDialog& d) {
        ui::ModalScript list;
        list.expect("frmJakki", [](QDialog& l) {
            grid(l)->SetActiveCell(1, 41);
            click(l, "CmdOK");
        });
        click(d, "CmdTouroku");
        EXPECT_EQ(nameBox(d)->Text(), "MS-250");
        EXPECT_EQ(grid(d)->GetText(1, 6), "50.00");
        click(d, "CmdOK");
    }));
    EXPECT_EQ(project().anchor(2).Jack.JackNo, 41);
    EXPECT_EQ(project().Record.AnchorLabels[1], "MS-250");
    EXPECT_EQ(refdb::findJack("TJ300-01")->No, 5); // the anchor's former jack stays in the list
}

TEST_F(JackDetail, ShowForm22EditsTheGivenCopyOnly)
{
    JackRecord copy = project().anchor(2).Jack;
    ui::ModalScript modal;
    modal.expect("frmJakkiDB", [](QDialog& d) {
        EXPECT_FALSE(control<QCheckBox>(d, "ChkAllJakki")->isVisible());
        grid(d)->SetText(2, 1, "55");
        click(d, "CmdOK");
    });
    EXPECT_TRUE(frmJakkiDB::ShowForm22(nullptr, copy));
    EXPECT_FLOAT_EQ(copy.Outputs[0], 55);
    EXPECT_NE(project().anchor(2).Jack.Outputs[0], 55);
    EXPECT_DOUBLE_EQ(refdb::findJack("TJ300-01")->CarrySyutu[0], 55);
}

TEST_F(JackDetail, ABasicInvestigationEditsTheWorkingAnchor)
{
    project().TestCategory = 0;
    InitProject(project(), 1);
    project().Record.WorkingAnchor.Jack = *refdb::jackRecordByName("TJ200-01");
    EXPECT_TRUE(showForm([](QDialog& d) {
        EXPECT_FALSE(control<QCheckBox>(d, "ChkAllJakki")->isVisible());
        click(d, "CmdOK");
    }));
    EXPECT_EQ(project().Record.WorkingAnchor.Jack.JackNo, 1);
    EXPECT_EQ(project().Record.AnchorLabels[0], "TJ200-01");
}

TEST_F(JackDetail, AnUnusableDatabaseStillLetsTheAnchorsJackBeEdited)
{
    spoil(refdb::jackDbPath());
    EXPECT_TRUE(showForm([](QDialog& d) {
        EXPECT_EQ(nameBox(d)->Text(), "TJ300-01");
        grid(d)->SetText(2, 1, "20");
        click(d, "CmdOK");
    }));
    EXPECT_FALSE(messages.empty());
    EXPECT_FLOAT_EQ(project().anchor(2).Jack.Outputs[0], 20);
}
