// Start-up: the start window's open and end (its new project is the road test's
// first step); the recent-file list; the file named on the command line; one
// instance at a time.

#include "support/TestSupport.h"

#include "MainWindowDriver.h"
#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/MainModule.h"
#include "shell/SingleInstance.h"
#include "shell/frmRecentFile.h"
#include "shell/frmStart.h"
#include "ui/FileDialogs.h"

#include <QTreeWidget>

using namespace tessaro;
using test::click;

namespace {

QString savedProject(const QString& name, int category, int anchors)
{
    Project& p = project();
    InitProject(p, anchors);
    p.TestCategory = std::int16_t(category);
    p.anchor(1).AnchorNo = "K-1";
    p.Record.WorkingAnchor.AnchorNo = "BASIC";
    QString path = test::tempPath(name);
    EXPECT_TRUE(SaveDataFile(path));
    InitProject(p, 0);
    return path;
}

} // namespace

TEST(frmStart, OpenAFileOrEndAfterAsking)
{
    QString path = savedProject("open.tsx", 1, 3);
    frmMain main;
    {
        frmStart start(&main);
        test::check(start, "Option1_1");
        ui::FileDialogScript files;
        files.answer("");
        click(start, "CmdOpenFile");
        EXPECT_EQ(start.resultCode(), 0);
        EXPECT_TRUE(main.CurrentPath.isEmpty());
        files.answer(path);
        click(start, "CmdOpenFile");
        EXPECT_EQ(start.resultCode(), frmStart::FileOpened);
        EXPECT_EQ(project().Record.AnchorCount, 3);
        EXPECT_TRUE(main.windowTitle().contains("open.tsx"));
        EXPECT_TRUE(files.shown()[0].filter.startsWith("Tessaro(*.tsx)|*.tsx|"));
    }
    frmStart start(&main);
    start.show();
    MessageScript messages;
    messages.answer(AnswerCancel);
    click(start, "CmdEnd");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("終了してもよろしいですか？"));
    EXPECT_TRUE(start.isVisible());
    messages.answer(AnswerOk);
    click(start, "CmdEnd");
    EXPECT_EQ(start.resultCode(), frmStart::EndProgram);
}

TEST(frmRecentFile, DeletingTheMiddleEntryKeepsTheOthersInOrder)
{
    recent::setFiles({ "/a/1.tsx", "/a/2.tsx", "/a/3.tsx" });
    frmRecentFile dialog;
    auto* list = test::control<QTreeWidget>(dialog, "ListView1");
    list->setCurrentItem(list->topLevelItem(1));
    MessageScript messages;
    messages.answer(AnswerYes);
    click(dialog, "CmdRegDelete");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("最近使ったファイルから削除します。よろしいですか？"));
    EXPECT_EQ(recent::files(), QStringList({ "/a/1.tsx", "/a/3.tsx" }));
    EXPECT_EQ(list->topLevelItemCount(), 2);
}

TEST(MainModule, TheFileOnTheCommandLineLoadsIntoTheMainWindow)
{
    EXPECT_EQ(MainModule::commandLineFile({ "tessaro", "\"/my works/a.tsx\"" }), "/my works/a.tsx");
    EXPECT_EQ(MainModule::commandLineFile({ "tessaro", "/my", "works/a.tsx" }), "/my works/a.tsx");
    QString path = savedProject("cmdline.tsx", 0, 1);
    frmMain main;
    EXPECT_TRUE(MainModule::LoadFromCommandLine(main, path));
    EXPECT_EQ(main.CurrentPath, path);
    EXPECT_TRUE(main.testTypeButton()); // a basic investigation
    EXPECT_TRUE(main.windowTitle().endsWith(QStringLiteral("　(基本調査試験[引抜き試験])")));
    MessageScript messages;
    EXPECT_FALSE(MainModule::LoadFromCommandLine(main, test::tempPath("missing.tsx")));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(SingleInstance, ASecondStartFindsTheLockHeld)
{
    QString lock = test::tempPath("instance.lock");
    SingleInstance first(lock);
    ASSERT_TRUE(first.acquire());
    SingleInstance second(lock);
    EXPECT_FALSE(second.acquire());
}
