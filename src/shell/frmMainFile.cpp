// File commands of the main window: new project, open, save, save as, recent
// files and the change of test type, with their save prompts.

#include "evaluation/CycleEvaluation.h"
#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/HoldingTimes.h"
#include "shell/MainCommands.h"
#include "shell/frmMain.h"
#include "shell/frmStart.h"
#include "ui/FileDialogs.h"

#include <QApplication>
#include <QFileInfo>

namespace tessaro {
namespace {

const QString OpenFilter
    = QStringLiteral("Tessaro(*.tsx)|*.tsx|VelmaroVersion3  (*.ts3)|*.ts3|VelmaroVersion1,2(*.tsn)|*.tsn");
const QString SaveFilter = QStringLiteral("Tessaro(*.tsx)|*.tsx|");

} // namespace

bool frmMain::MenuBarF_Click(int index)
{
    switch (index) {
    case 0:
        return newProject();
    case 1:
        return openFile();
    case 3:
        return save();
    case 4:
        return saveAs();
    default:
        return false;
    }
}

// True when the command may go on: nothing to save, the user declined, or the
// save went through. A save that was cancelled or failed keeps the project.
bool frmMain::askSaveIfChanged()
{
    if (!DataChanged)
        return true;
    int answer = showMessage(QStringLiteral("ファイルが変更されています。現在のファイルを保存しますか？"),
        MsgIcon::Question, MsgButtons::YesNo);
    return answer != AnswerYes || MenuBarF_Click(3);
}

bool frmMain::newProject()
{
    if (!askSaveIfChanged())
        return false;
    return startNewProject(project().TestCategory);
}

// A new project of the category. The test conditions are asked on the new
// project itself (the anchors they size and the jacks they assign must stay);
// cancelling them brings the previous project back unchanged.
bool frmMain::startNewProject(int category)
{
    Project& p = project();
    Project previous = p;
    ResetProjectHeader(p);
    InitProject(p, p.anchorCount());
    p.TestCategory = std::int16_t(category);
    if (!ShowNewProjectConditions(this)) {
        p = std::move(previous);
        return false;
    }
    newProjectCreated();
    return true;
}

void frmMain::newProjectCreated()
{
    Project& p = project();
    // A basic investigation has its one anchor; a quality-assurance project
    // starts with at least one.
    if (p.isBasic() || p.anchorCount() < 1)
        ResizeAnchorArrays(p, 1);
    applyDefaultLoadChange(p.Record.WorkingAnchor);
    for (AnchorRecord& a : p.Record.Anchors)
        applyDefaultLoadChange(a);
    p.CurrentAnchor = 1;
    CurrentPath.clear();
    ShownAnchorNo.clear();
    DataChanged = false;
    listView_ = false;
    listEditing_ = false;
    setTestTypeButton(p.isBasic());
    Shiken();
    Main_FileNameRefrash(QString());
}

void frmMain::MenuShiken_Click()
{
    Project& p = project();
    // The button shows the project's type until the change is confirmed.
    setTestTypeButton(p.isBasic());
    if (showMessage(QStringLiteral("現時点での入力済みデータが削除されますが、よろしいですか？"), MsgIcon::Exclamation,
            MsgButtons::OkCancel)
        != AnswerOk)
        return;
    startNewProject(p.isBasic() ? 1 : 0);
}

bool frmMain::openFile()
{
    Project& p = project();
    if (p.OpenedFromRecent) {
        p.OpenedFromRecent = 0;
    }
    else {
        if (!askSaveIfChanged())
            return false;
        QString path = ui::getOpenFileName(this, QStringLiteral("ファイルを開く"), OpenFilter);
        if (path.isEmpty())
            return false;
        if (!loadChosenFile(path))
            return false;
    }
    EvaluateProject(p);
    Busy = true;
    p.CurrentAnchor = 1;
    setTestTypeButton(p.isBasic());
    ShownAnchorNo.clear();
    listView_ = false;
    listEditing_ = false;
    Main_Data_Load(1, p.TestCategory);
    Shiken();
    Main_FileNameRefrash(QFileInfo(CurrentPath).fileName());
    DataChanged = false;
    Busy = false;
    return true;
}

// Loads a file the user chose. A file that cannot be found leaves the project
// as it was; any other refused file leaves an empty project, which the window
// then shows, never offering to save it over the refused file.
bool frmMain::loadChosenFile(const QString& path)
{
    const bool existed = QFileInfo(path).isFile();
    if (LoadDataFile(path)) {
        setCurrentFile(path);
        return true;
    }
    if (existed) {
        CurrentPath.clear();
        ShownAnchorNo.clear();
        DataChanged = false;
        reloadProject();
        Main_FileNameRefrash(QString());
    }
    return false;
}

bool frmMain::openRecent(int index)
{
    const QStringList files = recent::files();
    return index >= 1 && index <= files.size() && openPath(files[index - 1]);
}

// Opens a file named without the open dialog, after the save prompt.
bool frmMain::openPath(const QString& path)
{
    if (!askSaveIfChanged() || !loadChosenFile(path))
        return false;
    project().OpenedFromRecent = 1;
    return openFile();
}

void frmMain::openRequestedFile(const QString& path)
{
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    QWidget* modal = QApplication::activeModalWidget();
    if (auto* start = qobject_cast<frmStart*>(modal)) {
        start->openFile(path);
        return;
    }
    // Windows opened from here work on the anchor on screen: the file waits
    // until they are closed.
    if (modal) {
        showMessage(QStringLiteral("開いている画面を閉じてから、もう一度ファイルを開いてください。") + "\n\n"
                + QStringLiteral("ファイル名：") + path,
            MsgIcon::Information);
        return;
    }
    openPath(path);
}

bool frmMain::save()
{
    if (CurrentPath.isEmpty() || project().FromOlderRelease)
        return saveAs();
    if (!SaveDataFile(CurrentPath))
        return false;
    setCurrentFile(CurrentPath);
    DataChanged = false;
    return true;
}

bool frmMain::saveAs()
{
    // A file of an older release proposes its name for the new tsx file.
    QString proposed;
    if (!CurrentPath.contains(".tsx") && CurrentPath.contains('.'))
        proposed = QFileInfo(CurrentPath).completeBaseName();
    QString path = ui::getSaveFileName(this, QStringLiteral("名前を付けて保存"), SaveFilter, proposed);
    if (path.isEmpty())
        return false;
    if (!SaveDataFile(path))
        return false;
    setCurrentFile(path);
    Main_FileNameRefrash(QFileInfo(CurrentPath).fileName());
    DataChanged = false;
    return true;
}

void frmMain::setCurrentFile(const QString& path)
{
    CurrentPath = paths::canonicalFilePath(path);
    recent::AddRecentFile(CurrentPath);
    ui::setDialogFolder(QFileInfo(CurrentPath).absolutePath());
}

void frmMain::clearRecentList()
{
    if (showMessage(QStringLiteral("メニューに表示している履歴ファイルリストを削除してもよろしいですか？"),
            MsgIcon::Information, MsgButtons::OkCancel)
        != AnswerOk)
        return;
    recent::clear();
}

} // namespace tessaro
