// Test conditions: anchor count, one jack or a jack per anchor, and what OK
// stores in the project.

#include "WindowDbTest.h"
#include "planning/frmJouken.h"
#include "ui/EntryBoxes.h"
#include "ui/SpreadGrid.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>

using namespace tessaro;
using refdb::DbKind;
using tessaro::test::click;
using tessaro::test::control;

namespace {

class Jouken : public test::WindowDbTest {
protected:
    std::unique_ptr<frmJouken> open(JoukenPurpose purpose)
    {
        auto w = std::make_unique<frmJouken>(project(), purpose);
        w->show();
        return w;
    }
    static QListWidget* list(QWidget& w) { return control<QListWidget>(w, "List1"); }
    static ui::SpreadGrid* grid(QWidget& w) { return control<ui::SpreadGrid>(w, "vaSpread1"); }
    static void setCount(QWidget& w, const QString& n) { control<ui::NumberBox>(w, "imText1")->SetText(n); }
    // A double click on the jack of this name in the jack list.
    static void pickJack(QWidget& w, const QString& name)
    {
        QList<QListWidgetItem*> items = list(w)->findItems(name, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << name.toStdString();
        list(w)->setCurrentItem(items.first());
        list(w)->scrollToItem(items.first());
        QApplication::processEvents();
        QRect r = list(w)->visualItemRect(items.first());
        // A double click as the desktop delivers it: a click, then the double-click event.
        QTest::mouseClick(list(w)->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(list(w)->viewport(), Qt::LeftButton, {}, r.center());
    }
    static void newQualityProject()
    {
        project().TestCategory = 1;
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
    MessageScript messages;
};

} // namespace

TEST_F(Jouken, ListsTheJacksInNumberOrderAndNamesTheRows)
{
    newQualityProject();
    auto w = open(JoukenPurpose::NewProject);
    ASSERT_EQ(list(*w)->count(), 47);
    EXPECT_EQ(list(*w)->item(0)->text(), "TJ200-01");
    EXPECT_EQ(list(*w)->item(32)->text(), "SSL600-180");
    EXPECT_TRUE(control<QRadioButton>(*w, "OptJackType_0")->isChecked());

    setCount(*w, "3");
    control<QRadioButton>(*w, "OptJackType_1")->click();
    ASSERT_EQ(grid(*w)->MaxRows(), 3);
    setCount(*w, "999");
    EXPECT_EQ(grid(*w)->GetText(0, 999), QStringLiteral("999本目のジャッキ名"));
}

TEST_F(Jouken, OkRefusesMissingCountAndJacksInOrder)
{
    newQualityProject();
    auto w = open(JoukenPurpose::NewProject);
    click(*w, "CmdOK");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("試験アンカー本数が未入力です。入力してください。"));
    setCount(*w, "0");
    click(*w, "CmdOK");
    EXPECT_EQ(messages.last().text, QStringLiteral("試験アンカー本数が未入力です。入力してください。"));

    setCount(*w, "3");
    click(*w, "CmdOK");
    EXPECT_EQ(messages.last().text, QStringLiteral("ジャッキ名が未選択です。使用するジャッキ名を選択してください。"));

    // Several jacks with one row left empty: refused without naming the row.
    control<QRadioButton>(*w, "OptJackType_1")->click();
    list(*w)->setCurrentRow(4);
    click(*w, "CmdAllSet");
    grid(*w)->SetActiveCell(1, 2);
    click(*w, "CmdClear");
    EXPECT_EQ(grid(*w)->GetText(1, 2), "");
    click(*w, "CmdOK");
    EXPECT_EQ(messages.last().text,
        QStringLiteral("ジャッキ名が未選択です。\n"
                       "※「複数のジャッキを使用する」場合は、試験アンカー毎に使用するジャッキ名を選択して下さい。"));
    EXPECT_TRUE(w->isVisible());
    EXPECT_EQ(project().Record.AnchorCount, 0);
    EXPECT_EQ(messages.shown().size(), 4u);
}

TEST_F(Jouken, OneJackForANewProjectFillsEveryAnchor)
{
    newQualityProject();
    auto w = open(JoukenPurpose::NewProject);
    setCount(*w, "3");
    pickJack(*w, "TJ300-03");
    EXPECT_EQ(control<QLabel>(*w, "LblTanitu")->text(), "TJ300-03");
    click(*w, "CmdOK");
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w->result(), QDialog::Accepted);

    const ProjectRecord& r = project().Record;
    ASSERT_EQ(r.AnchorCount, 3);
    EXPECT_EQ(r.JackTypeChoice, 0);
    for (int i = 1; i <= 3; ++i) {
        EXPECT_EQ(r.AnchorLabels[std::size_t(i - 1)], "TJ300-03");
        EXPECT_EQ(r.AnchorMarks[std::size_t(i - 1)], 7);
        const JackRecord& j = project().anchor(i).Jack;
        EXPECT_EQ(j.JackNo, 7);
        EXPECT_EQ(j.PointCount, 11); // DataNum: ten pairs plus one
    }
}

TEST_F(Jouken, SeveralJacksGoToTheSelectedRows)
{
    newQualityProject();
    auto w = open(JoukenPurpose::NewProject);
    setCount(*w, "4");
    control<QRadioButton>(*w, "OptJackType_1")->click();
    EXPECT_FALSE(control<QLabel>(*w, "LblTanitu")->isEnabled());
    list(*w)->setCurrentRow(0);
    click(*w, "CmdAllSet");
    grid(*w)->SetSelection({ 1, 2, 1, 3 });
    pickJack(*w, "MS-250");
    click(*w, "CmdOK");
    ASSERT_EQ(w->result(), QDialog::Accepted);

    const ProjectRecord& r = project().Record;
    EXPECT_EQ(r.JackTypeChoice, 1);
    EXPECT_EQ(QStringList(r.AnchorLabels.begin(), r.AnchorLabels.end()),
        (QStringList { "TJ200-01", "MS-250", "MS-250", "TJ200-01" }));
    EXPECT_EQ(r.AnchorMarks[1], 41);
    EXPECT_EQ(project().anchor(3).Jack.JackName, "MS-250");
    EXPECT_EQ(project().anchor(4).Jack.PointCount, 11);
}

TEST_F(Jouken, RowsKeepTheirJacksWhenTheCountIsTypedSmallerAndLargerAgain)
{
    fiveAnchorProject();
    project().Record.JackTypeChoice = 1;
    project().Record.AnchorLabels[4] = "MS-250";
    auto w = open(JoukenPurpose::ChangeConditions);
    EXPECT_EQ(control<ui::NumberBox>(*w, "imText1")->Text(), "5");
    EXPECT_TRUE(control<QRadioButton>(*w, "OptJackType_1")->isChecked());
    EXPECT_EQ(grid(*w)->GetText(1, 5), "MS-250");
    setCount(*w, "2");
    EXPECT_EQ(grid(*w)->MaxRows(), 2);
    setCount(*w, "6");
    EXPECT_EQ(grid(*w)->GetText(1, 5), "MS-250");
    EXPECT_EQ(grid(*w)->GetText(1, 6), "");
    click(*w, "CmdOK");
    EXPECT_EQ(messages.last().text.section('\n', 0, 0), QStringLiteral("ジャッキ名が未選択です。"));
}

TEST_F(Jouken, ABasicInvestigationShowsOneAnchorWithOneJack)
{
    project().TestCategory = 0;
    InitProject(project(), 0);
    auto w = open(JoukenPurpose::NewProject);
    auto* count = control<ui::NumberBox>(*w, "imText1");
    EXPECT_EQ(count->Text(), "1");
    EXPECT_FALSE(count->isEnabled());
    EXPECT_FALSE(control<QRadioButton>(*w, "OptJackType_1")->isEnabled());
    pickJack(*w, "TJ500-02");
    click(*w, "CmdOK");
    ASSERT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(project().Record.AnchorCount, 1);
    EXPECT_EQ(project().Record.AnchorLabels[0], "TJ500-02");
    EXPECT_EQ(project().Record.WorkingAnchor.Jack.JackNo, 10);
    EXPECT_EQ(project().Record.WorkingAnchor.Jack.PointCount, 8);
}

TEST_F(Jouken, TheJackRegistrationOpensTheJackListAndReadsItAgain)
{
    newQualityProject();
    auto w = open(JoukenPurpose::NewProject);
    ui::ModalScript modal;
    modal.expect("frmJakki", [](QDialog& d) {
        exec(DbKind::Jack, "DELETE FROM JakkiTBL WHERE J_No > 3");
        control<QPushButton>(d, "CmdClose")->click();
    });
    click(*w, "CmdJakki");
    EXPECT_TRUE(modal.allUsed());
    EXPECT_EQ(list(*w)->count(), 3);
}

TEST_F(Jouken, AnUnusableJackDatabaseKeepsTheAnchorsJacks)
{
    fiveAnchorProject();
    for (int i = 1; i <= 5; ++i)
        project().anchor(i).Jack.PointCount = 4;
    spoil(refdb::jackDbPath());
    auto w = open(JoukenPurpose::ChangeConditions);
    EXPECT_EQ(list(*w)->count(), 0);
    EXPECT_FALSE(messages.empty());
    messages.clear();
    click(*w, "CmdOK");
    ASSERT_EQ(w->result(), QDialog::Accepted);
    EXPECT_EQ(project().anchor(1).Jack.PointCount, 4);
    EXPECT_EQ(project().anchor(1).Plan.PlanSet, 0);
    EXPECT_EQ(project().Record.AnchorLabels[0], "TJ200-01");
}
