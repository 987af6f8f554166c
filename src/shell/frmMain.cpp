#include "shell/frmMain.h"

#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/DlgVersion.h"
#include "shell/UpdateChecker.h"
#include "ui/FileDialogs.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolBar>

namespace tessaro {
namespace {

const QString OpenFilter = QStringLiteral(
    "Tessaro(*.tsx)|*.tsx|VelmaroVersion3  (*.ts3)|*.ts3|VelmaroVersion1,2(*.tsn)|*.tsn");
const QString SaveFilter = QStringLiteral("Tessaro(*.tsx)|*.tsx|");

QAction* addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

} // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent)
{
    setObjectName("frmMain");
    setWindowTitle(AppTitle);
    resize(1200, 720);
    buildMenus();
    buildToolBar();
    summary_ = new QLabel(this);
    summary_->setObjectName("LblSummary");
    summary_->setAlignment(Qt::AlignCenter);
    setCentralWidget(summary_);
    statusBar()->setObjectName("StatusBar1");
    recent::setChangedCallback([this] { RebuildRecentMenu(); });
    connect(this, &QObject::destroyed, [] { recent::setChangedCallback({}); });
    RebuildRecentMenu();
    refreshView();
}

void frmMain::buildMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    fileMenu_->setObjectName("MenuF");
    // New project needs the test-conditions window; present but disabled until then.
    addItem(fileMenu_, "MenuBarF_0", QStringLiteral("新規作成(&N)"))->setEnabled(false);
    connect(addItem(fileMenu_, "MenuBarF_1", QStringLiteral("ファイルを開く(&O)")), &QAction::triggered, this,
            [this] { MenuBarF_Click(1); });
    fileMenu_->addSeparator();
    connect(addItem(fileMenu_, "MenuBarF_3", QStringLiteral("上書き保存(&S)")), &QAction::triggered, this,
            [this] { MenuBarF_Click(3); });
    connect(addItem(fileMenu_, "MenuBarF_4", QStringLiteral("名前を付けて保存(&A)")), &QAction::triggered, this,
            [this] { MenuBarF_Click(4); });
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 1; i <= recent::MaxRecentFiles; ++i) {
        QAction* item = addItem(fileMenu_, QStringLiteral("mnuRecentFile_%1").arg(i), QString());
        connect(item, &QAction::triggered, this, [this, i] { openRecent(i); });
        recentItems_ << item;
    }
    recentDelete_ = addItem(fileMenu_, "mnuRecentFileDelete", QStringLiteral("履歴ファイルリストの削除(&R)"));
    connect(recentDelete_, &QAction::triggered, this, &frmMain::clearRecentList);
    fileMenu_->addSeparator();
    connect(addItem(fileMenu_, "MenuF_Close", QStringLiteral("終了(&X)")), &QAction::triggered, this,
            &QWidget::close);

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName("MenuH");
    connect(addItem(help, "UpdateChecker", QStringLiteral("アップデート確認")), &QAction::triggered, this,
            [] { StartUpdateChecker(true); });
    connect(addItem(help, "MenuH_Ver", QStringLiteral("バージョン情報")), &QAction::triggered, this,
            [this] { DlgVersion::ShowForm(this); });
}

void frmMain::buildToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("ツールバー"));
    toolBar_->setObjectName("Tbar1");
    testTypeAction_ = toolBar_->addAction(QStringLiteral("基本調査試験"));
    testTypeAction_->setObjectName("Shiken");
    testTypeAction_->setCheckable(true);
    testTypeAction_->setEnabled(false);
}

void frmMain::setTestTypeButton(bool pressed) { testTypeAction_->setChecked(pressed); }
bool frmMain::testTypeButton() const { return testTypeAction_->isChecked(); }

void frmMain::RebuildRecentMenu()
{
    const QStringList files = recent::files();
    recentSeparator_->setVisible(!files.isEmpty());
    recentDelete_->setVisible(!files.isEmpty());
    for (int i = 0; i < recentItems_.size(); ++i) {
        QAction* item = recentItems_[i];
        bool shown = i < files.size();
        item->setVisible(shown);
        if (shown)
            item->setText(QStringLiteral("%1  %2 [%3]")
                              .arg(i + 1, 2)
                              .arg(QFileInfo(files[i]).fileName(), files[i]));
    }
}

void frmMain::Main_FileNameRefrash(const QString& fileName)
{
    QString caption = AppTitle + " - [" + fileName + "]";
    if (project().isBasic())
        caption += QStringLiteral("　(基本調査試験[引抜き試験])");
    setWindowTitle(caption);
}

void frmMain::Shiken()
{
    Project& p = project();
    if (testTypeButton()) {
        p.TestCategory = 0;
        p.CurrentAnchor = 1;
    } else {
        p.TestCategory = 1;
    }
    refreshView();
}

void frmMain::Main_Data_Load(int anchorIndex, int category)
{
    Project& p = project();
    p.CurrentAnchor = std::int16_t(category == 0 ? 1 : anchorIndex);
    refreshView();
}

void frmMain::refreshView()
{
    const Project& p = project();
    QString category = p.isBasic() ? QStringLiteral("基本調査試験(引抜き試験)") : QStringLiteral("適性試験/確認試験");
    summary_->setText(QStringLiteral("%1\n工事名：%2\n試験アンカー本数：%3")
                          .arg(category, p.Record.WorksName)
                          .arg(p.Record.AnchorCount));
}

bool frmMain::askSaveIfChanged()
{
    if (!DataChanged)
        return true;
    int answer = showMessage(QStringLiteral("ファイルが変更されています。現在のファイルを保存しますか？"),
                             MsgIcon::Question, MsgButtons::YesNo);
    if (answer == AnswerYes)
        MenuBarF_Click(3);
    return true;
}

bool frmMain::MenuBarF_Click(int index)
{
    switch (index) {
    case 1: return openFile();
    case 3: return save();
    case 4: return saveAs();
    default: return false;
    }
}

bool frmMain::openFile()
{
    Project& p = project();
    QString path = CurrentPath;
    if (p.OpenedFromRecent) {
        p.OpenedFromRecent = 0;
    } else {
        askSaveIfChanged();
        path = ui::getOpenFileName(this, QStringLiteral("ファイルを開く"), OpenFilter);
        if (path.isEmpty())
            return false;
        CurrentPath = path;
        if (!LoadDataFile(path)) {
            refreshView();
            return false;
        }
    }
    Busy = true;
    p.CurrentAnchor = 1;
    setTestTypeButton(p.isBasic());
    Main_Data_Load(1, p.TestCategory);
    Shiken();
    Main_FileNameRefrash(QFileInfo(path).fileName());
    DataChanged = false;
    Busy = false;
    return true;
}

bool frmMain::openRecent(int index)
{
    askSaveIfChanged();
    QStringList files = recent::files();
    if (index < 1 || index > files.size())
        return false;
    QString path = files[index - 1];
    if (!LoadDataFile(path)) {
        refreshView();
        return false;
    }
    CurrentPath = path;
    Project& p = project();
    setTestTypeButton(p.isBasic());
    Main_Data_Load(1, p.TestCategory);
    Shiken();
    Main_FileNameRefrash(QFileInfo(path).fileName());
    DataChanged = false;
    return true;
}

bool frmMain::save()
{
    if (CurrentPath.isEmpty() || project().FromOlderRelease)
        return saveAs();
    if (!SaveDataFile(CurrentPath))
        return false;
    DataChanged = false;
    return true;
}

bool frmMain::saveAs()
{
    QString proposed;
    if (!CurrentPath.contains(".tsx") && CurrentPath.contains('.'))
        proposed = QFileInfo(CurrentPath).completeBaseName();
    QString path = ui::getSaveFileName(this, QStringLiteral("名前を付けて保存"), SaveFilter, proposed);
    if (path.isEmpty())
        return false;
    CurrentPath = path;
    if (!SaveDataFile(path))
        return false;
    Main_FileNameRefrash(QFileInfo(path).fileName());
    DataChanged = false;
    return true;
}

void frmMain::clearRecentList()
{
    if (showMessage(QStringLiteral("メニューに表示している履歴ファイルリストを削除してもよろしいですか？"),
                    MsgIcon::Information, MsgButtons::OkCancel) != AnswerOk)
        return;
    recent::clear();
}

void frmMain::closeWithoutAsking()
{
    closingByProgram_ = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!closingByProgram_ && DataChanged) {
        int answer = showMessage(QStringLiteral("終了する前に保存しますか？") + "\n\n" +
                                     QStringLiteral("[はい] 保存して終了、[いいえ] 保存せずに終了、[キャンセル] 戻る"),
                                 MsgIcon::Information, MsgButtons::YesNoCancel);
        if (answer == AnswerCancel || (answer == AnswerYes && !MenuBarF_Click(3))) {
            event->ignore();
            return;
        }
    }
    ReleaseProjectArrays(project());
    event->accept();
}

} // namespace tessaro
