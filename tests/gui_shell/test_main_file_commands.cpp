#include "support/TestSupport.h"

#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/frmMain.h"
#include "ui/FileDialogs.h"

#include <QAction>
#include <QFile>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {
QAction* action(frmMain& w, const char* name)
{
    auto* a = w.findChild<QAction*>(name);
    EXPECT_NE(a, nullptr) << name;
    return a;
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
    EXPECT_EQ(files.shown()[0].filter, QStringLiteral("Tessaro(*.tsx)|*.tsx|"));
    EXPECT_TRUE(QFile::exists(path));
    EXPECT_EQ(main.CurrentPath, path);
    EXPECT_FALSE(main.DataChanged);
    // The second save writes to the same file without asking.
    action(main, "MenuBarF_3")->trigger();
    EXPECT_EQ(files.shown().size(), 1u);
}

TEST(frmMainFile, RecentMenuShowsNumberNameAndPath)
{
    recent::setFiles({"/works/site/a.tsx", "/works/b.tsx"});
    frmMain main;
    EXPECT_EQ(action(main, "mnuRecentFile_1")->text(), QStringLiteral(" 1  a.tsx [/works/site/a.tsx]"));
    EXPECT_TRUE(action(main, "mnuRecentFile_2")->isVisible());
    EXPECT_FALSE(action(main, "mnuRecentFile_3")->isVisible());
    MessageScript messages;
    messages.answer(AnswerOk);
    action(main, "mnuRecentFileDelete")->trigger();
    EXPECT_TRUE(recent::files().isEmpty());
    EXPECT_FALSE(action(main, "mnuRecentFile_1")->isVisible());
}

TEST(frmMainFile, ARefusedFileLeavesAnEmptyProject)
{
    QString path = test::tempPath("foreign.tsx");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray(200, 'x'));
    f.close();
    InitProject(project(), 4);
    frmMain main;
    ui::FileDialogScript files;
    files.answer(path);
    MessageScript messages;
    EXPECT_FALSE(main.MenuBarF_Click(1));
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Tessaroのデータではありません。")));
    EXPECT_EQ(project().Record.AnchorCount, 0);
}

TEST(frmMainFile, ExitWithChangesAsksThreeWays)
{
    InitProject(project(), 1);
    frmMain main;
    main.show();
    main.DataChanged = true;
    MessageScript messages;
    messages.answer(AnswerCancel);
    main.close();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNoCancel);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("終了する前に保存しますか？")));
    messages.answer(AnswerNo);
    main.close();
    EXPECT_FALSE(main.isVisible());
}

TEST(frmMainFile, ExitWithoutChangesAsksNothing)
{
    frmMain main;
    main.show();
    MessageScript messages;
    main.close();
    EXPECT_FALSE(main.isVisible());
    EXPECT_TRUE(messages.empty());
}

TEST(frmMainFile, SaveAsProposesTheOldNameOfAnOlderFile)
{
    frmMain main;
    main.CurrentPath = "/old/works.tsn";
    ui::FileDialogScript files;
    files.answer("");
    EXPECT_FALSE(main.MenuBarF_Click(4));
    EXPECT_EQ(files.shown()[0].initialName, "works");
}
