#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "model/UserMessage.h"
#include "planning/AnchorList.h"
#include "planning/AnchorListTexts.h"
#include "ui/TabSeparated.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>

using namespace tessaro;
using test::command;
using test::enabled;

namespace {

QStringList names()
{
    QStringList n;
    for (const AnchorRecord& a : project().Record.Anchors)
        n << a.AnchorNo;
    return n;
}

// A window on a quality-assurance project with the list commands shown.
void showListCommands(frmMain& main)
{
    command(main, "MenuHyouHyouji");
    ASSERT_TRUE(main.listEditing());
}

} // namespace

TEST(frmMainList, TheNineHundredNinetyNinthAnchorIsTheLast)
{
    test::makeQualityProject(project(), MaxAnchors);
    frmMain main;
    showListCommands(main);
    EXPECT_FALSE(enabled(main, "CmdAdd"));
    test::selectRow(main, 5);
    command(main, "PopupCopy");
    ASSERT_TRUE(enabled(main, "PopupInsert"));
    MessageScript messages;
    command(main, "PopupInsert");
    EXPECT_EQ(messages.last().text, QStringLiteral("登録できるアンカー総本数は999本までとなります。"));
    EXPECT_EQ(project().Record.AnchorCount, MaxAnchors);
    EXPECT_FALSE(main.DataChanged);
    // One anchor fewer and adding works again.
    messages.answer(AnswerYes);
    command(main, "CmdDel");
    EXPECT_TRUE(enabled(main, "CmdAdd"));
    command(main, "CmdAdd");
    EXPECT_EQ(project().Record.AnchorCount, MaxAnchors);
    EXPECT_FALSE(enabled(main, "CmdAdd"));
}

TEST(frmMainList, DeleteAsksForTheRow)
{
    test::makeQualityProject(project(), 3);
    frmMain main;
    showListCommands(main);
    test::selectRow(main, 2);
    MessageScript messages;
    messages.answer(AnswerNo);
    command(main, "CmdDel");
    EXPECT_EQ(messages.last().text, QStringLiteral("2行目のデータを、削除してもよろしいですか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(project().Record.AnchorCount, 3);
    messages.answer(AnswerYes);
    command(main, "PopupDelete");
    EXPECT_EQ(names(), QStringList({ "A-1", "A-3" }));
    EXPECT_EQ(test::qualityGrid(main)->GetText(2, 2), "A-3");
    // The last anchor of a project cannot be deleted.
    messages.answer(AnswerYes);
    command(main, "CmdDel");
    test::selectRow(main, 1);
    EXPECT_FALSE(enabled(main, "CmdDel"));
    EXPECT_FALSE(enabled(main, "PopupDelete"));
    EXPECT_EQ(project().Record.AnchorCount, 1);
}

TEST(frmMainList, DeletingAnAnchorAboveKeepsTheOneOnScreen)
{
    test::makeQualityProject(project(), 4);
    project().CurrentAnchor = 3;
    frmMain main;
    showListCommands(main);
    test::selectRow(main, 1);
    MessageScript messages;
    messages.answer(AnswerYes);
    command(main, "CmdDel");
    EXPECT_EQ(project().CurrentAnchor, 2);
    EXPECT_EQ(test::box(main, "imTxtNum")->text(), "A-3");
}

TEST(frmMainList, MovedRowStaysSelectedAndOnScreen)
{
    test::makeQualityProject(project(), 4);
    project().anchor(4).AnchorNo.clear();
    frmMain main;
    showListCommands(main);
    test::selectRow(main, 2);
    command(main, "CmdSort_0");
    EXPECT_EQ(names(), QStringList({ "A-1", "A-3", "A-2", "" }));
    EXPECT_EQ(project().CurrentAnchor, 3);
    EXPECT_EQ(main.selectedRow(), 3);
    EXPECT_EQ(test::box(main, "imTxtNum")->text(), "A-2");
    command(main, "CmdSort_1");
    EXPECT_EQ(names(), QStringList({ "A-1", "A-2", "A-3", "" }));
    EXPECT_EQ(project().CurrentAnchor, 2);
}

TEST(frmMainList, RemovingTheGreyRowsAsksFirst)
{
    test::makeQualityProject(project(), 5);
    project().anchor(2).AnchorNo.clear();
    project().anchor(5).AnchorNo.clear();
    frmMain main;
    showListCommands(main);
    EXPECT_NE(test::qualityGrid(main)->BackColor(2, 2), test::qualityGrid(main)->BackColor(2, 3));
    MessageScript messages;
    messages.answer(AnswerNo);
    command(main, "CmdAllSpace");
    EXPECT_EQ(messages.last().text, QStringLiteral("未入力データ(グレー表示されている行)を全削除しますか？"));
    EXPECT_EQ(project().Record.AnchorCount, 5);
    messages.answer(AnswerYes);
    command(main, "CmdAllSpace");
    EXPECT_EQ(names(), QStringList({ "A-1", "A-3", "A-4" }));
    EXPECT_EQ(main.findChild<QLabel*>("AncNumMax")->text(), "3");
}

TEST(frmMainList, NextChecksTheAnchorOnScreenFirst)
{
    test::makeQualityProject(project(), 3);
    project().anchor(1).Plan.PlannedMaxLoad = 0;
    frmMain main;
    EXPECT_FALSE(enabled(main, "cmdPrev"));
    MessageScript messages;
    command(main, "cmdNext");
    EXPECT_EQ(messages.last().text, QStringLiteral("計画最大荷重が入力されていません。"));
    EXPECT_EQ(messages.last().icon, MsgIcon::Exclamation);
    EXPECT_EQ(project().CurrentAnchor, 1);
    project().anchor(1).Plan.PlannedMaxLoad = 500;
    command(main, "cmdNext");
    EXPECT_EQ(project().CurrentAnchor, 2);
    EXPECT_EQ(main.ShownAnchorNo, "A-2");
    EXPECT_EQ(main.findChild<QLabel*>("LblAncNo")->text(), "2");
    command(main, "cmdNext");
    EXPECT_FALSE(enabled(main, "cmdNext"));
    // Going back checks too: a named anchor that is incomplete stays.
    project().anchor(3).Plan.InitialLoad = 0;
    command(main, "cmdPrev");
    EXPECT_EQ(messages.last().text, QStringLiteral("初期荷重が入力されていません。"));
    EXPECT_EQ(project().CurrentAnchor, 3);
}

TEST(frmMainList, PreviousMayGiveUpANewAnchor)
{
    test::makeQualityProject(project(), 3);
    project().anchor(2) = AnchorRecord {};
    project().anchor(2).EditFlag = 1;
    frmMain main;
    command(main, "cmdNext");
    ASSERT_TRUE(main.ShownAnchorNo.isEmpty());
    MessageScript messages;
    messages.answer(AnswerOk); // the check's message
    messages.answer(AnswerNo);
    command(main, "cmdPrev");
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("試験名が入力されていません。"));
    EXPECT_EQ(messages.last().text,
        QStringLiteral("現在、編集中のアンカー孔番 (No.2) のデータを破棄して、前のアンカー孔番に戻りますか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(project().CurrentAnchor, 2);
    messages.answer(AnswerOk);
    messages.answer(AnswerYes);
    command(main, "cmdPrev");
    EXPECT_EQ(project().CurrentAnchor, 1);
    EXPECT_EQ(project().anchor(2).EditFlag, 0);
    EXPECT_EQ(main.ShownAnchorNo, "A-1");
}

TEST(frmMainList, TheWholeListGoesToTheClipboard)
{
    test::makeQualityProject(project(), 3);
    frmMain main;
    MessageScript messages;
    command(main, "CmdTextCopy");
    EXPECT_EQ(messages.last().text, QStringLiteral("一覧結果をクリップボードにコピーしました。"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ui::toTabSeparated(anchorListTable(project())));
}

TEST(frmMainList, TypingANameInTheListNamesTheAnchor)
{
    test::makeQualityProject(project(), 3);
    frmMain main;
    test::qualityGrid(main)->EnterText(ListColName, 1, QStringLiteral("No.1-改"));
    test::qualityGrid(main)->EnterText(ListColModulus, 3, "195.5");
    EXPECT_EQ(project().anchor(1).AnchorNo, QStringLiteral("No.1-改"));
    EXPECT_EQ(test::box(main, "imTxtNum")->text(), QStringLiteral("No.1-改"));
    EXPECT_FLOAT_EQ(project().anchor(3).Material.TendonModulus, 195.5f);
    EXPECT_TRUE(main.DataChanged);
    // Values that come from the specification are not typed in the list.
    test::qualityGrid(main)->EnterText(4, 2, "999");
    EXPECT_EQ(test::qualityGrid(main)->GetText(4, 2), "400.00");
    EXPECT_FLOAT_EQ(project().anchor(2).DesignAnchorForce, 400.0f);
}
