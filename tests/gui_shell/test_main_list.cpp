// The anchor list of the main window: adding, deleting and moving anchors,
// paging with the check of the anchor on screen, typing in the list and the
// list on the clipboard.

#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "model/UserMessage.h"
#include "planning/AnchorList.h"
#include "planning/AnchorListTexts.h"
#include "ui/TabSeparated.h"

#include <QClipboard>

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

// A window on a quality-assurance project of `anchors` anchors with the list commands shown.
struct ListWindow : ::testing::Test {
    MessageScript messages;
    std::unique_ptr<frmMain> main;

    void open(int anchors, int current = 1)
    {
        test::makeQualityProject(project(), anchors);
        project().CurrentAnchor = current;
        main = std::make_unique<frmMain>();
        command(*main, "MenuHyouHyouji");
        ASSERT_TRUE(main->listEditing());
    }
};

} // namespace

TEST_F(ListWindow, TheNineHundredNinetyNinthAnchorIsTheLast)
{
    open(MaxAnchors);
    EXPECT_FALSE(enabled(*main, "CmdAdd"));
    test::selectRow(*main, 5);
    command(*main, "PopupCopy");
    command(*main, "PopupInsert");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("登録できるアンカー総本数は999本までとなります。"));
    EXPECT_EQ(project().Record.AnchorCount, MaxAnchors);
    EXPECT_FALSE(main->DataChanged);
    // One anchor fewer and adding works again.
    messages.answer(AnswerYes);
    command(*main, "CmdDel");
    command(*main, "CmdAdd");
    EXPECT_EQ(project().Record.AnchorCount, MaxAnchors);
}

TEST_F(ListWindow, DeletingAsksForTheRowKeepsTheAnchorOnScreenAndNeverTheLastOne)
{
    open(2, 2);
    test::selectRow(*main, 1);
    messages.answer(AnswerNo);
    command(*main, "CmdDel");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("1行目のデータを、削除してもよろしいですか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(project().Record.AnchorCount, 2);
    messages.answer(AnswerYes);
    command(*main, "PopupDelete");
    EXPECT_EQ(names(), QStringList({ "A-2" }));
    EXPECT_EQ(project().CurrentAnchor, 1);
    EXPECT_EQ(test::textOf(*main, "imTxtNum"), "A-2");
    test::selectRow(*main, 1);
    EXPECT_FALSE(enabled(*main, "CmdDel"));
    EXPECT_FALSE(enabled(*main, "PopupDelete"));
}

TEST_F(ListWindow, AMovedRowStaysSelectedAndTheGreyRowsGoAfterAsking)
{
    test::makeQualityProject(project(), 5);
    project().anchor(5).AnchorNo.clear();
    main = std::make_unique<frmMain>();
    command(*main, "MenuHyouHyouji");
    test::selectRow(*main, 2);
    command(*main, "CmdSort_0");
    EXPECT_EQ(names(), QStringList({ "A-1", "A-3", "A-2", "A-4", "" }));
    EXPECT_EQ(main->selectedRow(), 3);
    EXPECT_EQ(test::textOf(*main, "imTxtNum"), "A-2");

    EXPECT_NE(test::qualityGrid(*main)->BackColor(2, 5), test::qualityGrid(*main)->BackColor(2, 4));
    messages.answer(AnswerNo);
    command(*main, "CmdAllSpace");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("未入力データ(グレー表示されている行)を全削除しますか？"));
    EXPECT_EQ(project().Record.AnchorCount, 5);
    messages.answer(AnswerYes);
    command(*main, "CmdAllSpace");
    EXPECT_EQ(names(), QStringList({ "A-1", "A-3", "A-2", "A-4" }));
    EXPECT_EQ(test::textOf(*main, "AncNumMax"), "4");
}

TEST_F(ListWindow, NextAndPreviousCheckTheAnchorOnScreenFirst)
{
    test::makeQualityProject(project(), 3);
    project().anchor(1).Plan.PlannedMaxLoad = 0;
    frmMain main;
    EXPECT_FALSE(enabled(main, "cmdPrev"));
    command(main, "cmdNext");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("計画最大荷重が入力されていません。"));
    EXPECT_EQ(project().CurrentAnchor, 1);
    project().anchor(1).Plan.PlannedMaxLoad = 500;
    command(main, "cmdNext");
    EXPECT_EQ(main.ShownAnchorNo, "A-2");
    EXPECT_EQ(test::textOf(main, "LblAncNo"), "2");

    // A new anchor left empty may be given up on the way back, after one question.
    project().anchor(3) = AnchorRecord {};
    project().anchor(3).EditFlag = 1;
    command(main, "cmdNext");
    messages.clear();
    messages.answer(AnswerNo);
    command(main, "cmdPrev");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(test::lastText(messages),
        QStringLiteral("現在、編集中のアンカー孔番 (No.3) のデータを破棄して、前のアンカー孔番に戻りますか？"));
    EXPECT_EQ(project().CurrentAnchor, 3);
    // The full list opens on it, so that a complete anchor can be copied in.
    command(main, "MenuHyouHyouji");
    EXPECT_TRUE(main.listEditing());
    command(main, "MenuHyouHyouji");
    messages.answer(AnswerYes);
    command(main, "cmdPrev");
    EXPECT_EQ(project().CurrentAnchor, 2);
    EXPECT_EQ(project().anchor(3).EditFlag, 0);
}

TEST_F(ListWindow, NamesTypedInTheListAndTheWholeListOnTheClipboard)
{
    test::makeQualityProject(project(), 3);
    frmMain main;
    test::qualityGrid(main)->EnterText(ListColName, 1, QStringLiteral("No.1-改"));
    test::qualityGrid(main)->EnterText(ListColModulus, 3, "195.5");
    EXPECT_EQ(project().anchor(1).AnchorNo, QStringLiteral("No.1-改"));
    EXPECT_EQ(test::textOf(main, "imTxtNum"), QStringLiteral("No.1-改"));
    EXPECT_FLOAT_EQ(project().anchor(3).Material.TendonModulus, 195.5f);
    EXPECT_TRUE(main.DataChanged);
    // Values that come from the particulars are not typed in the list.
    test::qualityGrid(main)->EnterText(4, 2, "999");
    EXPECT_FLOAT_EQ(project().anchor(2).DesignAnchorForce, 400.0f);

    command(main, "CmdTextCopy");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("一覧結果をクリップボードにコピーしました。"));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), ui::toTabSeparated(anchorListTable(project())));
}
