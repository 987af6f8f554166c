// The main window's file commands: saving, closing, a new project, opening, the
// test type, and files that are refused or come from an older release.

#include "support/CompleteAnchors.h"
#include "support/OlderReleaseFiles.h"
#include "support/TestSupport.h"

#include "MainWindowDriver.h"
#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/FileDialogs.h"

using namespace tessaro;
using test::command;

namespace {

const QString SaveFirst = QStringLiteral("ファイルが変更されています。現在のファイルを保存しますか？");

} // namespace

TEST(frmMainFile, ClosingAsksOnlyWithChangesAndANeverSavedProjectIsNamedOnce)
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
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("終了する前に保存しますか？")));
    // Yes on a never-saved project asks for a name; cancelling it keeps the window.
    messages.answer(AnswerYes);
    files.answer("");
    command(main, "MenuF_Close");
    EXPECT_TRUE(main.isVisible());

    messages.answer(AnswerYes);
    QString path = test::tempPath("at-exit.tsx");
    files.answer(path);
    command(main, "MenuF_Close");
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(files.shown().back().save);
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(main.CurrentPath, path);
    // The next save writes to the same file without asking.
    main.show();
    main.DataChanged = true;
    command(main, "MenuBarF_3");
    EXPECT_EQ(files.shown().size(), 2u);
    EXPECT_FALSE(main.DataChanged);
    // Nothing changed: closing asks nothing.
    messages.clear();
    main.close();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST(frmMainFile, NewProjectRecentFileAndAnotherTestTypeAskFirst)
{
    test::makeQualityProject(project(), 5);
    QString recent = test::tempPath("recent-five.tsx");
    ASSERT_TRUE(SaveDataFile(recent));
    recent::setFiles({ recent }); // opened in an earlier session
    test::makeQualityProject(project(), 3);
    frmMain main;
    main.DataChanged = true;
    MessageScript messages;
    ui::FileDialogScript files;
    // Yes, but the save dialog is cancelled: the project stays.
    messages.answer(AnswerYes);
    files.answer("");
    command(main, "MenuBarF_0");
    EXPECT_EQ(test::lastText(messages), SaveFirst);
    EXPECT_EQ(project().anchor(1).AnchorNo, "A-1");
    EXPECT_TRUE(main.DataChanged);
    // No: a new project of the same category with one fresh anchor.
    messages.answer(AnswerNo);
    ui::ModalScript modal;
    test::expectTestConditions(modal);
    command(main, "New");
    EXPECT_EQ(project().TestCategory, 1);
    EXPECT_TRUE(project().anchor(1).AnchorNo.isEmpty());
    EXPECT_FALSE(main.DataChanged);
    EXPECT_EQ(main.windowTitle(), "Tessaro");
    // A recent file asks the same and opens.
    main.DataChanged = true;
    messages.answer(AnswerNo);
    command(main, "mnuRecentFile_1");
    EXPECT_EQ(test::lastText(messages), SaveFirst);
    EXPECT_EQ(main.CurrentPath, recent);
    EXPECT_EQ(test::textOf(main, "AncNumMax"), "5");
    EXPECT_FALSE(main.DataChanged);

    // The toolbar's test-type button: Cancel keeps the project, OK makes a pull-out test.
    messages.answer(AnswerCancel);
    main.toolbarButton(18)->trigger();
    EXPECT_EQ(test::lastText(messages), QStringLiteral("現時点での入力済みデータが削除されますが、よろしいですか？"));
    EXPECT_EQ(project().Record.AnchorCount, 5);
    messages.answer(AnswerOk);
    test::expectTestConditions(modal);
    command(main, "MenuShiken");
    EXPECT_EQ(project().TestCategory, 0);
    EXPECT_TRUE(main.testTypeButton());
    EXPECT_TRUE(main.findChild<QWidget*>("FramMasatu")->isVisibleTo(&main));
}

TEST(frmMainFile, ARefusedFileLeavesAnEmptyProjectNeverSavedOver)
{
    QString refused = test::writtenFile(test::tempPath("refused.tsx"), QByteArray(200, 'x'));
    test::makeQualityProject(project(), 2);
    frmMain main;
    main.CurrentPath = test::tempPath("mine.tsx");
    ui::FileDialogScript files;
    files.answer(refused);
    MessageScript messages;
    EXPECT_FALSE(main.MenuBarF_Click(1));
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("Tessaroのデータではありません。")));
    EXPECT_EQ(project().Record.AnchorCount, 0);
    EXPECT_TRUE(main.CurrentPath.isEmpty());
    EXPECT_EQ(test::qualityGrid(main)->MaxRows(), 0);
    // A missing file leaves the project and its path as they were.
    test::makeQualityProject(project(), 2);
    main.reloadProject();
    main.CurrentPath = test::tempPath("mine.tsx");
    files.answer(test::tempPath("nowhere.tsx"));
    EXPECT_FALSE(main.MenuBarF_Click(1));
    EXPECT_EQ(main.CurrentPath, test::tempPath("mine.tsx"));
    EXPECT_EQ(project().Record.AnchorCount, 2);
}

TEST(frmMainFile, AProjectFromAnOlderReleaseIsSavedUnderANewNameAndTheOlderFileStays)
{
    test::makeQualityProject(project(), 1);
    project().anchor(1).AnchorNo = "A-1";
    const QString older = test::tempPath("works.tsn");
    test::writeFile(older, test::olderReleaseFile(project(), Release::R206));
    const QByteArray olderBytes = test::fileBytes(older);
    InitProject(project(), 0);
    frmMain main;
    ui::FileDialogScript files;
    MessageScript messages;
    files.answer(older);
    ASSERT_TRUE(main.MenuBarF_Click(1));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(test::qualityGrid(main)->MaxRows(), 1);
    EXPECT_TRUE(project().FromOlderRelease);

    // Save asks for a new file, proposing the older file's name.
    const QString fresh = test::tempPath("works-converted.tsx");
    files.answer(fresh);
    EXPECT_TRUE(main.MenuBarF_Click(3));
    ASSERT_EQ(files.shown().size(), 2u);
    EXPECT_TRUE(files.shown().back().save);
    EXPECT_EQ(files.shown().back().initialName, "works");
    EXPECT_EQ(releaseOfHeader(test::fileBytes(fresh)), Release::R4005);
    EXPECT_EQ(test::fileBytes(older), olderBytes);
    EXPECT_FALSE(project().FromOlderRelease);
    EXPECT_EQ(main.windowTitle(), "Tessaro - [works-converted.tsx]");
    // From now on the project is saved to its new file without asking.
    EXPECT_TRUE(main.MenuBarF_Click(3));
    EXPECT_EQ(files.shown().size(), 2u);
    EXPECT_EQ(test::fileBytes(older), olderBytes);
}
