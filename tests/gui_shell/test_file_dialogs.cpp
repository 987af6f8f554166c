// The file dialogs as the user meets them: in Japanese, opened in the folder
// of the current data file, the kind's extension added to a name typed without
// one before the overwrite question, and files kept under their full path.

#include "support/CompleteAnchors.h"
#include "support/TestSupport.h"

#include "MainWindowDriver.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "shell/MainModule.h"
#include "ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>

using namespace tessaro;
using test::command;
using test::control;

namespace {

// Types a name into the dialog's name box and presses its save button.
void typeName(QDialog& d, const QString& name)
{
    control<QLineEdit>(d, "fileNameEdit")->setText(name);
    QMetaObject::invokeMethod(&d, "accept");
}

QString folderMade(const QString& name)
{
    const QString folder = test::tempPath(name);
    QDir().mkpath(folder);
    return QDir(folder).canonicalPath();
}

} // namespace

TEST(FileDialogs, SaveAsAddsTheExtensionBeforeAskingToOverwrite)
{
    MainModule::setUpApplication();
    test::makeQualityProject(project(), 1);
    frmMain main;
    const QString folder = folderMade("works");
    ui::setDialogFolder(folder);
    ui::ModalScript modal;
    modal.expect("FileDialog", [&](QDialog& d) {
        test::screenshot(d, "FileDialog");
        EXPECT_EQ(static_cast<QFileDialog&>(d).directory().canonicalPath(), folder);
        EXPECT_EQ(control<QLabel>(d, "fileNameLabel")->text(), QStringLiteral("ファイル名(&N):"));
        typeName(d, "works");
    });
    command(main, "MenuBarF_4");
    EXPECT_EQ(main.CurrentPath, folder + "/works.tsx");
    EXPECT_TRUE(QFile::exists(folder + "/works.tsx"));
    EXPECT_EQ(recent::files().value(0), main.CurrentPath);

    // The same name again: the question names the file really written, and
    // "No" leaves the dialog open for another name.
    MessageScript messages;
    messages.answer(AnswerNo);
    modal.expect("FileDialog", [&](QDialog& d) {
        typeName(d, "works");
        EXPECT_TRUE(d.isVisible());
    });
    command(main, "MenuBarF_4");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("「works.tsx」は既に存在します。\n上書きしますか？"));
    EXPECT_TRUE(modal.allUsed());
}

TEST(FileDialogs, DialogsOpenInTheFolderOfTheCurrentFile)
{
    const QString folder = folderMade("site-a");
    ui::setDialogFolder(folderMade("elsewhere"));
    test::makeQualityProject(project(), 1);
    frmMain main;
    // A file named relative to the working folder is kept under its full path.
    const QString saved = QDir::currentPath();
    QDir::setCurrent(folder);
    {
        ui::FileDialogScript files;
        files.answer("relative.tsx");
        command(main, "MenuBarF_4");
    }
    QDir::setCurrent(saved);
    EXPECT_EQ(main.CurrentPath, folder + "/relative.tsx");
    ui::ModalScript modal;
    modal.expect("FileDialog", [&](QDialog& d) {
        EXPECT_EQ(static_cast<QFileDialog&>(d).directory().canonicalPath(), folder);
        d.reject();
    });
    command(main, "MenuBarF_1");
    EXPECT_TRUE(modal.allUsed());
}
