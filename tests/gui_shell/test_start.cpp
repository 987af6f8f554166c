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

#include <QRadioButton>
#include <QSysInfo>
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
        // The two choices stand in two frames and are still one choice.
        click(start, "Option1_1");
        EXPECT_FALSE(test::control<QRadioButton>(start, "Option1_0")->isChecked());
        EXPECT_FALSE(test::enabled(start, "CmdNewFile_0"));
        click(start, "Option1_0");
        EXPECT_FALSE(test::control<QRadioButton>(start, "Option1_1")->isChecked());
        EXPECT_TRUE(test::enabled(start, "CmdNewFile_0"));
        click(start, "Option1_1");
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
    // Named relative to the working folder, kept under its full path.
    const QString working = QDir::currentPath();
    QDir::setCurrent(QFileInfo(path).absolutePath());
    EXPECT_TRUE(MainModule::LoadFromCommandLine(main, "./cmdline.tsx"));
    QDir::setCurrent(working);
    EXPECT_EQ(main.CurrentPath, QFileInfo(path).canonicalFilePath());
    EXPECT_EQ(recent::files().value(0), main.CurrentPath);
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Tessaro - [cmdline.tsx]　(基本調査試験[引抜き試験])"));
    EXPECT_TRUE(main.testTypeButton()); // a basic investigation
    MessageScript messages;
    EXPECT_FALSE(MainModule::LoadFromCommandLine(main, test::tempPath("missing.tsx")));
    EXPECT_EQ(messages.shown().size(), 1u);
}

TEST(MainModule, CaptionsAreExactlyThoseTheWindowsCompose)
{
    MainModule::setUpApplication();
    EXPECT_EQ(QGuiApplication::desktopFileName(), "jp.tessaro.Tessaro");
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    // No display name of its own that the platform would append to captions.
    QCoreApplication::setApplicationName("probe");
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), "probe");
    QCoreApplication::setApplicationName(AppTitle);
}

TEST(SingleInstance, ALaterStartHandsItsFileToTheRunningProgram)
{
    const QString folder = test::tempPath("runtime");
    // A lock left by a program that ended without releasing it is taken over.
    test::writeFile(folder + "/tessaro.lock", "2147483000\ntessaro\n" + QSysInfo::machineHostName().toUtf8() + "\n");
    SingleInstance first(folder);
    ASSERT_TRUE(first.acquire());
    QStringList received;
    QObject::connect(&first, &SingleInstance::fileRequested, [&](const QString& p) { received << p; });

    SingleInstance second(folder);
    EXPECT_FALSE(second.acquire());
    EXPECT_TRUE(second.handOver("/site/works.tsx"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !received.isEmpty(); }, 3000));
    EXPECT_EQ(received, QStringList { "/site/works.tsx" });

    // The running program opens it in its main window.
    QString path = savedProject("handed.tsx", 1, 2);
    frmMain main;
    main.openRequestedFile(path);
    EXPECT_EQ(main.CurrentPath, path);
    EXPECT_EQ(project().Record.AnchorCount, 2);
}
