// Test conditions: anchor count, one jack or a jack per anchor, and what OK
// stores in the project.

#include "WindowDbTest.h"
#include "planning/frmJouken.h"
#include "refdb/JackDatabase.h"

#include <QListWidget>
#include <QRadioButton>

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::click;
using tessaro::test::control;

namespace {

const QString NoJack = QStringLiteral("ジャッキ名が未選択です。");

class Jouken : public test::WindowDbTest {
protected:
    std::unique_ptr<frmJouken> open(JoukenPurpose purpose)
    {
        auto w = std::make_unique<frmJouken>(project(), purpose);
        w->show();
        return w;
    }
    static QListWidget* list(QWidget& w) { return control<QListWidget>(w, "List1"); }
    static void setCount(QWidget& w, const QString& n) { control<ui::NumberBox>(w, "imText1")->SetText(n); }
    // A double click on the jack of this name in the jack list, as the desktop
    // delivers it: a click, then the double-click event.
    static void pickJack(QWidget& w, const QString& name)
    {
        QList<QListWidgetItem*> items = list(w)->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list(w)->setCurrentItem(items.first());
        list(w)->scrollToItem(items.first());
        QApplication::processEvents();
        QRect r = list(w)->visualItemRect(items.first());
        QTest::mouseClick(list(w)->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list(w)->viewport(), Qt::LeftButton, {}, r.center());
    }
    static void newProject(int category)
    {
        project().TestCategory = std::int16_t(category);
        InitProject(project(), 0);
    }
    // Five anchors A-1 … A-5 with confirmed plans, one jack TJ200-01.
    static void fiveAnchorProject()
    {
        Project& p = project();
        p.TestCategory = 1;
        InitProject(p, 5);
        for (int i = 1; i <= 5; ++i) {
            p.anchor(i).AnchorNo = QStringLiteral("A-%1").arg(i);
            p.anchor(i).Plan.PlanSet = 1;
            p.Record.AnchorLabels[std::size_t(i - 1)] = "TJ200-01";
            p.Record.AnchorMarks[std::size_t(i - 1)] = 1;
        }
    }
};

} // namespace

TEST_F(Jouken, ANewProjectNeedsItsCountAndAJackThatThenFillsEveryAnchor)
{
    newProject(1);
    auto w = open(JoukenPurpose::NewProject);
    ASSERT_EQ(list(*w)->count(), 47);
    EXPECT_EQ(list(*w)->item(0)->text(), "TJ200-01"); // in number order
    click(*w, "CmdOK");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("試験アンカー本数が未入力です。入力してください。"));
    setCount(*w, "3");
    click(*w, "CmdOK");
    EXPECT_EQ(test::lastText(messages), NoJack + QStringLiteral("使用するジャッキ名を選択してください。"));
    EXPECT_EQ(project().Record.AnchorCount, 0);
    // The jack registration opens the jack list; the list is read again after it.
    auto registration = [](QDialog& d) {
        exec(DbKind::Jack, "DELETE FROM JakkiTBL WHERE J_No > 3");
        click(d, "CmdClose");
    };
    test::drive("frmJakki", registration, [&] { click(*w, "CmdJakki"); });
    EXPECT_EQ(list(*w)->count(), 3);

    pickJack(*w, "TJ200-03");
    EXPECT_EQ(test::textOf(*w, "LblTanitu"), "TJ200-03");
    click(*w, "CmdOK");
    EXPECT_EQ(w->result(), QDialog::Accepted);
    const ProjectRecord& r = project().Record;
    ASSERT_EQ(r.AnchorCount, 3);
    EXPECT_EQ(r.JackTypeChoice, 0);
    const JackRecord chosen = *refdb::jackRecordByName("TJ200-03");
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(r.AnchorMarks[std::size_t(i - 1)], chosen.JackNo);
        EXPECT_EQ(project().anchor(i).Jack.PointCount, chosen.PointCount);
        EXPECT_EQ(project().anchor(i).Jack.Outputs, chosen.Outputs);
    }
}

TEST_F(Jouken, RowsKeepTheirJacksWhenTheCountChangesAndEveryRowNeedsOne)
{
    fiveAnchorProject();
    project().Record.JackTypeChoice = 1;
    project().Record.AnchorLabels[4] = "MS-250";
    auto w = open(JoukenPurpose::ChangeConditions);
    EXPECT_EQ(test::textOf(*w, "imText1"), "5");
    EXPECT_TRUE(control<QRadioButton>(*w, "OptJackType_1")->isChecked());
    EXPECT_FALSE(test::enabled(*w, "LblTanitu"));
    setCount(*w, "2");
    EXPECT_EQ(grid(*w)->MaxRows(), 2);
    setCount(*w, "6");
    EXPECT_EQ(grid(*w)->GetText(1, 5), "MS-250");
    EXPECT_EQ(grid(*w)->GetText(1, 6), "");
    EXPECT_EQ(grid(*w)->GetText(0, 6), QStringLiteral("6本目のジャッキ名"));
    click(*w, "CmdOK");
    EXPECT_EQ(test::lastText(messages),
        NoJack
            + QStringLiteral(
                "\n※「複数のジャッキを使用する」場合は、試験アンカー毎に使用するジャッキ名を選択して下さい。"));
    EXPECT_TRUE(w->isVisible());

    grid(*w)->SetSelection({ 1, 3, 1, 6 });
    pickJack(*w, "MS-250");
    click(*w, "CmdOK");
    ASSERT_EQ(w->result(), QDialog::Accepted);
    const ProjectRecord& r = project().Record;
    EXPECT_EQ(QStringList(r.AnchorLabels.begin(), r.AnchorLabels.end()),
        (QStringList { "TJ200-01", "TJ200-01", "MS-250", "MS-250", "MS-250", "MS-250" }));
    EXPECT_EQ(r.AnchorMarks[5], 41);
    EXPECT_EQ(project().anchor(6).Jack.JackName, "MS-250");
    EXPECT_EQ(project().anchor(1).Plan.PlanSet, 0); // new conditions: the plans are confirmed again
}

TEST_F(Jouken, ABasicInvestigationShowsOneAnchorWithOneJack)
{
    newProject(0);
    auto w = open(JoukenPurpose::NewProject);
    EXPECT_EQ(test::textOf(*w, "imText1"), "1");
    EXPECT_FALSE(test::enabled(*w, "imText1"));
    EXPECT_FALSE(test::enabled(*w, "OptJackType_1"));
    pickJack(*w, "TJ500-02");
    click(*w, "CmdOK");
    ASSERT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(project().Record.AnchorLabels[0], "TJ500-02");
    EXPECT_EQ(project().Record.WorkingAnchor.Jack.JackNo, 10);
}
