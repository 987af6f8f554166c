#include "support/CompleteAnchors.h"
#include "support/TestSupport.h"

#include "MainWindowDriver.h"
#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/frmMain.h"
#include "ui/FileDialogs.h"
#include "ui/SpreadGrid.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

using namespace tessaro;

using test::action;

namespace {

QString foreignFile(const char* name)
{
    QString path = test::tempPath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(200, 'x'));
    return path;
}

} // namespace

TEST(frmMainFile, SavingANeverSavedProjectAsksForAName)
{
    InitProject(project(), 2);
    project().TestCategory = 1;
    frmMain main;
    main.DataChanged = true;
    ui::FileDialogScript files;
    QString path = test::tempPath("first.tsx");
    files.answer(path);
    action(main, "MenuBarF_3")->trigger();
    ASSERT_EQ(files.shown().size(), 1u);
    EXPECT_TRUE(files.shown()[0].save);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(main.CurrentPath, path);
    EXPECT_FALSE(main.DataChanged);
    // The second save writes to the same file without asking.
    action(main, "MenuBarF_3")->trigger();
    EXPECT_EQ(files.shown().size(), 1u);
}

TEST(frmMainFile, ExitAsksOnlyWithChangesAndYesSavesFirst)
{
    test::makeQualityProject(project(), 1);
    frmMain main;
    main.show();
    main.DataChanged = true;
    MessageScript messages;
    ui::FileDialogScript files;
    messages.answer(AnswerCancel);
    main.close();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("終了する前に保存しますか？")));
    // Yes on a never-saved project asks for a name; cancelling it keeps the window.
    messages.answer(AnswerYes);
    files.answer("");
    action(main, "MenuF_Close")->trigger();
    EXPECT_TRUE(main.isVisible());
    messages.answer(AnswerYes);
    QString path = test::tempPath("at-exit.tsx");
    files.answer(path);
    action(main, "MenuF_Close")->trigger();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(QFile::exists(path));
    // Nothing changed: closing asks nothing.
    main.show();
    messages.clear();
    main.close();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST(frmMainFile, NewProjectAsksToSaveAChangedProjectFirst)
{
    test::makeQualityProject(project(), 3);
    frmMain main;
    main.CurrentPath = "/works/old.tsx";
    main.DataChanged = true;
    MessageScript messages;
    ui::FileDialogScript files;
    // Yes, but the save dialog is cancelled: the project stays.
    messages.answer(AnswerYes);
    files.answer("");
    main.CurrentPath.clear();
    action(main, "MenuBarF_0")->trigger();
    EXPECT_EQ(messages.last().text, QStringLiteral("ファイルが変更されています。現在のファイルを保存しますか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
    EXPECT_EQ(project().anchor(1).AnchorNo, "A-1");
    EXPECT_TRUE(main.DataChanged);
    // No: a new project of the same category with one fresh anchor.
    messages.answer(AnswerNo);
    ui::ModalScript modal;
    test::expectTestConditions(modal);
    action(main, "New")->trigger();
    EXPECT_EQ(project().TestCategory, 1);
    EXPECT_TRUE(project().anchor(1).AnchorNo.isEmpty());
    EXPECT_FALSE(main.DataChanged);
    EXPECT_TRUE(main.CurrentPath.isEmpty());
    EXPECT_EQ(main.windowTitle(), "Tessaro");
}

TEST(frmMainFile, OpenAsksToSaveAndOffersTheThreeKindsOfFile)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    main.DataChanged = true;
    MessageScript messages;
    messages.answer(AnswerNo);
    ui::FileDialogScript files;
    files.answer("");
    EXPECT_FALSE(main.MenuBarF_Click(1));
    EXPECT_EQ(messages.shown().size(), 1u);
    ASSERT_EQ(files.shown().size(), 1u);
    // A cancelled dialog changes nothing.
    EXPECT_EQ(project().Record.AnchorCount, 2);
    EXPECT_TRUE(main.DataChanged);
}

TEST(frmMainFile, ARefusedFileLeavesAnEmptyProjectNeverSavedOver)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    main.CurrentPath = test::tempPath("mine.tsx");
    ui::FileDialogScript files;
    files.answer(foreignFile("refused.tsx"));
    MessageScript messages;
    EXPECT_FALSE(main.MenuBarF_Click(1));
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Tessaroのデータではありません。")));
    EXPECT_EQ(project().Record.AnchorCount, 0);
    EXPECT_TRUE(main.CurrentPath.isEmpty());
    EXPECT_EQ(main.findChild<ui::SpreadGrid*>("vaSpreadHinshitu")->MaxRows(), 0);
    // A missing file leaves the project and its path as they were.
    test::makeQualityProject(project(), 2);
    main.reloadProject();
    main.CurrentPath = test::tempPath("mine.tsx");
    files.answer(test::tempPath("nowhere.tsx"));
    EXPECT_FALSE(main.MenuBarF_Click(1));
    EXPECT_EQ(main.CurrentPath, test::tempPath("mine.tsx"));
    EXPECT_EQ(project().Record.AnchorCount, 2);
}

TEST(frmMainFile, AProjectFromAnOlderReleaseIsSavedUnderANewName)
{
    test::makeQualityProject(project(), 1);
    project().FromOlderRelease = true;
    frmMain main;
    main.CurrentPath = test::tempPath("converted.tsx");
    ui::FileDialogScript files;
    QString fresh = test::tempPath("converted-new.tsx");
    files.answer(fresh);
    EXPECT_TRUE(main.MenuBarF_Click(3));
    ASSERT_EQ(files.shown().size(), 1u);
    EXPECT_TRUE(QFile::exists(fresh));
    EXPECT_FALSE(QFile::exists(test::tempPath("converted.tsx")));
    EXPECT_FALSE(project().FromOlderRelease);
    EXPECT_EQ(main.windowTitle(), "Tessaro - [converted-new.tsx]");
}

TEST(frmMainFile, ChangingTheTestTypeStartsANewProjectOfTheOtherType)
{
    test::makeQualityProject(project(), 3);
    frmMain main;
    main.CurrentPath = "/works/q.tsx";
    MessageScript messages;
    messages.answer(AnswerCancel);
    action(main, "MenuShiken")->trigger();
    EXPECT_EQ(messages.last().text, QStringLiteral("現時点での入力済みデータが削除されますが、よろしいですか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::OkCancel);
    EXPECT_EQ(project().Record.AnchorCount, 3);
    // The toolbar's test-type button asks the same; OK makes a pull-out test.
    messages.answer(AnswerOk);
    ui::ModalScript modal;
    test::expectTestConditions(modal);
    main.toolbarButton(18)->trigger();
    EXPECT_EQ(project().TestCategory, 0);
    EXPECT_EQ(project().Record.AnchorCount, 1);
    EXPECT_TRUE(main.testTypeButton());
    EXPECT_TRUE(main.CurrentPath.isEmpty());
    EXPECT_TRUE(main.findChild<QWidget*>("FramMasatu")->isVisibleTo(&main));
}

TEST(frmMainFile, RecentFileAsksToSaveAndOpens)
{
    test::makeQualityProject(project(), 5);
    QString path = test::tempPath("recent-five.tsx");
    ASSERT_TRUE(SaveDataFile(path));
    test::makeQualityProject(project(), 2);
    frmMain main;
    main.DataChanged = true;
    MessageScript messages;
    messages.answer(AnswerNo);
    action(main, "mnuRecentFile_1")->trigger();
    EXPECT_EQ(messages.last().text, QStringLiteral("ファイルが変更されています。現在のファイルを保存しますか？"));
    EXPECT_EQ(project().Record.AnchorCount, 5);
    EXPECT_EQ(main.CurrentPath, path);
    EXPECT_EQ(main.findChild<QLabel*>("AncNumMax")->text(), "5");
    EXPECT_FALSE(main.DataChanged);
}
