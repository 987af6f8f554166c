#include "shell/frmMain.h"

#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/AnchorCheck.h"
#include "planning/TestKinds.h"
#include "shell/AnchorListPanel.h"
#include "shell/AnchorSpecPanel.h"
#include "shell/MainCommands.h"
#include "ui/SpreadGrid.h"

#include <QAction>
#include <QCloseEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {
namespace {

const QString ListHint
    = QStringLiteral("一覧上で、右クリックするとポップアップメニュー[コピー/コピーを挿入/削除]が開きます");

QAction* addItem(QMenu* menu, const QString& name, const QString& caption)
{
    QAction* a = menu->addAction(caption);
    a->setObjectName(name);
    return a;
}

} // namespace

frmMain::frmMain(QWidget* parent)
    : QMainWindow(parent)
{
    setObjectName("frmMain");
    setWindowTitle(AppTitle);
    resize(1340, 700);
    buildMenus();
    buildToolBar();
    buildCentral();
    buildStatusBar();
    wireCommands();
    recent::setChangedCallback([this] { RebuildRecentMenu(); });
    RebuildRecentMenu();
    reloadProject();
}

frmMain::~frmMain()
{
    recent::setChangedCallback({});
}

void frmMain::buildMenus()
{
    fileMenu_ = menuBar()->addMenu(QStringLiteral("ファイル(&F)"));
    fileMenu_->setObjectName("MenuF");
    addItem(fileMenu_, "MenuBarF_0", QStringLiteral("新規作成(&N)"));
    addItem(fileMenu_, "MenuBarF_1", QStringLiteral("ファイルを開く(&O)"));
    fileMenu_->addSeparator();
    addItem(fileMenu_, "MenuBarF_3", QStringLiteral("上書き保存(&S)"));
    addItem(fileMenu_, "MenuBarF_4", QStringLiteral("名前を付けて保存(&A)"));
    fileMenu_->addSeparator();
    addItem(fileMenu_, "MenuViewAncSyousai", QStringLiteral("試験アンカー諸元表プレビュー"));
    recentSeparator_ = fileMenu_->addSeparator();
    for (int i = 1; i <= recent::MaxRecentFiles; ++i) {
        QAction* item = addItem(fileMenu_, QStringLiteral("mnuRecentFile_%1").arg(i), QString());
        connect(item, &QAction::triggered, this, [this, i] { openRecent(i); });
        recentItems_ << item;
    }
    recentDelete_ = addItem(fileMenu_, "mnuRecentFileDelete", QStringLiteral("履歴ファイルリストの削除(&R)"));
    fileMenu_->addSeparator();
    addItem(fileMenu_, "MenuF_Close", QStringLiteral("終了(&X)"));

    QMenu* view = menuBar()->addMenu(QStringLiteral("表示(&V)"));
    view->setObjectName("MenuView");
    addItem(view, "MenuView_0", QStringLiteral("現場情報"));
    addItem(view, "MenuView_1", QStringLiteral("測定値入力"));
    addItem(view, "MenuView_2", QStringLiteral("試験結果グラフ"));
    addItem(view, "MenuView_3", QStringLiteral("試験結果一覧"));
    view->addSeparator();
    addItem(view, "MenuViewPrint_1", QStringLiteral("計画書作成"));
    addItem(view, "MenuViewPrint_2", QStringLiteral("報告書作成"));

    QMenu* settings = menuBar()->addMenu(QStringLiteral("設定(&S)"));
    settings->setObjectName("MenuSettei");
    addItem(settings, "MenuShiken", QStringLiteral("試験タイプの変更 [基本調査 ⇔ 適性・確認]"));
    fullViewMenu_ = addItem(settings, "MenuHyouHyouji", QStringLiteral("データ全表示 [追加・削除・並べ替え]"));
    fullViewMenu_->setCheckable(true);
    fullViewMenu_->setStatusTip(ListHint);
    settings->addSeparator();
    addItem(settings, "Menu_HenkouAnc", QStringLiteral("ジャッキの変更"));
    addItem(settings, "MenuSetJyougenRitu", QStringLiteral("弾性変位量の許容範囲"));
    addItem(settings, "MenuSetHantei", QStringLiteral("弾性変位量の判定範囲"));

    QMenu* database = menuBar()->addMenu(QStringLiteral("データベース(&D)"));
    database->setObjectName("MenuD");
    QMenu* types = database->addMenu(QStringLiteral("アンカー規格の登録"));
    for (int t = 0; t <= 5; ++t) {
        QString name = t == LoadDistributionType ? QStringLiteral("MenuD_AncKeishikiBunsan_0")
                                                 : QStringLiteral("MenuD_AncKeishiki_%1").arg(t);
        addItem(types, name, anchorTypeName(t));
    }
    addItem(database, "MenuD_Jyakki", QStringLiteral("ジャッキの登録"));

    QMenu* help = menuBar()->addMenu(QStringLiteral("ヘルプ(&H)"));
    help->setObjectName("MenuH");
    addItem(help, "MenuH_Help", QStringLiteral("取り扱い説明書(PDF)"));
    addItem(help, "QuoltHp_0", QStringLiteral("サポートページ"));
    addItem(help, "QuoltHp_1", QStringLiteral("技術情報（地盤工学会）"));
    help->addSeparator();
    addItem(help, "UpdateChecker", QStringLiteral("アップデート確認"));
    addItem(help, "MenuH_Ver", QStringLiteral("バージョン情報"));
}

// The buttons stand where the toolbar has always numbered them: 18 is the
// test type, 20 the full display of the anchor data.
void frmMain::buildToolBar()
{
    toolBar_ = addToolBar(QStringLiteral("ツールバー"));
    toolBar_->setObjectName("Tbar1");
    toolBar_->setMovable(false);
    toolBar_->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto button = [this](const QString& key, const QString& caption, const QString& tip) {
        QAction* a = toolBar_->addAction(caption);
        a->setObjectName(key);
        a->setToolTip(tip);
        return a;
    };
    button("New", QStringLiteral("新規"), QStringLiteral("新規作成"));
    button("open", QStringLiteral("開く"), QStringLiteral("ファイルを開く"));
    button("save", QStringLiteral("保存"), QStringLiteral("上書き保存"));
    toolBar_->addSeparator();
    button("Preview", QStringLiteral("諸元表"), QStringLiteral("試験アンカー諸元表プレビュー"));
    toolBar_->addSeparator();
    button("Title", QStringLiteral("現場情報"), QStringLiteral("現場情報"));
    toolBar_->addSeparator();
    button("Input", QStringLiteral("測定値入力"), QStringLiteral("測定値入力"));
    button("Graph", QStringLiteral("グラフ"), QStringLiteral("試験結果グラフ"));
    button("Effect", QStringLiteral("結果一覧"), QStringLiteral("試験結果一覧"));
    toolBar_->addSeparator();
    button("Keikaku", QStringLiteral("計画書"), QStringLiteral("計画書作成"));
    button("Houkoku", QStringLiteral("報告書"), QStringLiteral("報告書作成"));
    toolBar_->addSeparator();
    button("Kirikae", QStringLiteral("表示切替"), QStringLiteral("諸元入力 ⇔ 一覧表示"));
    toolBar_->addSeparator();
    testTypeAction_
        = button("Shiken", QStringLiteral("基本調査試験"), QStringLiteral("試験タイプの変更 [基本調査 ⇔ 適性・確認]"));
    testTypeAction_->setCheckable(true);
    toolBar_->addSeparator();
    fullViewButton_
        = button("HyouHyouji", QStringLiteral("データ全表示"), QStringLiteral("データ全表示 [追加・削除・並べ替え]"));
    fullViewButton_->setCheckable(true);
}

QAction* frmMain::toolbarButton(int index) const
{
    const QList<QAction*> actions = toolBar_->actions();
    return index >= 1 && index <= actions.size() ? actions[index - 1] : nullptr;
}

void frmMain::buildCentral()
{
    auto* central = new QWidget(this);
    navigation_ = new QWidget(central);
    auto* nav = new QHBoxLayout(navigation_);
    nav->setContentsMargins(0, 0, 0, 0);
    // Moving between anchors belongs to quality-assurance projects only.
    anchorNavigation_ = new QWidget(navigation_);
    auto* anchors = new QHBoxLayout(anchorNavigation_);
    anchors->setContentsMargins(0, 0, 0, 0);
    prev_ = new QPushButton(QStringLiteral("◀ 前のアンカー"), anchorNavigation_);
    prev_->setObjectName("cmdPrev");
    next_ = new QPushButton(QStringLiteral("次のアンカー ▶"), anchorNavigation_);
    next_->setObjectName("cmdNext");
    ancNo_ = new QLabel(anchorNavigation_);
    ancNo_->setObjectName("LblAncNo");
    QFont bold = ancNo_->font();
    bold.setBold(true);
    ancNo_->setFont(bold);
    ancNumMax_ = new QLabel(anchorNavigation_);
    ancNumMax_->setObjectName("AncNumMax");
    anchors->addWidget(prev_);
    anchors->addWidget(new QLabel(QStringLiteral("試験アンカー No."), anchorNavigation_));
    anchors->addWidget(ancNo_);
    anchors->addWidget(new QLabel(QStringLiteral("／"), anchorNavigation_));
    anchors->addWidget(ancNumMax_);
    anchors->addWidget(new QLabel(QStringLiteral("本"), anchorNavigation_));
    anchors->addWidget(next_);
    auto* kijyun = new QPushButton(QStringLiteral("基準書の選択"), navigation_);
    kijyun->setObjectName("CmdKijyunnsyo");
    edition_ = new QLabel(navigation_);
    edition_->setObjectName("LblKijyunsyo");
    nav->addWidget(anchorNavigation_);
    nav->addSpacing(24);
    nav->addWidget(kijyun);
    nav->addWidget(edition_);
    nav->addStretch();

    // On a narrow screen the particulars scroll sideways; the list keeps the height.
    spec_ = new AnchorSpecPanel(central);
    specArea_ = new QScrollArea(central);
    specArea_->setObjectName("SpecArea");
    specArea_->setWidget(spec_);
    specArea_->setWidgetResizable(true);
    specArea_->setFrameShape(QFrame::NoFrame);
    specArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list_ = new AnchorListPanel(central);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(6, 4, 6, 4);
    layout->setSpacing(4);
    layout->addWidget(navigation_);
    layout->addWidget(specArea_);
    layout->addWidget(list_, 1);
    setCentralWidget(central);

    connect(spec_, &AnchorSpecPanel::edited, this, &frmMain::particularsEdited);
    connect(list_, &AnchorListPanel::cellEdited, this, &frmMain::listCellEdited);
    connect(list_, &AnchorListPanel::rowActivated, this, &frmMain::goToRow);
    connect(list_, &AnchorListPanel::selectionMoved, this, &frmMain::refreshCommands);
}

void frmMain::buildStatusBar()
{
    statusBar()->setObjectName("StatusBar1");
    statusHint_ = new QLabel(this);
    statusHint_->setObjectName("StatusBar1_Panel1");
    statusKind_ = new QLabel(this);
    statusKind_->setObjectName("StatusBar1_Panel2");
    statusEdition_ = new QLabel(this);
    statusEdition_->setObjectName("StatusBar1_Panel3");
    statusBar()->addWidget(statusHint_, 1);
    statusBar()->addPermanentWidget(statusKind_);
    statusBar()->addPermanentWidget(statusEdition_);
}

void frmMain::wireCommands()
{
    for (const MainCommand& command : mainCommands()) {
        WiredCommand wired { &command, {}, {} };
        for (const QString& name : command.controls) {
            if (auto* action = findChild<QAction*>(name)) {
                connect(action, &QAction::triggered, this, [this, &command] { runCommand(command); });
                wired.actions << action;
            }
            else if (auto* button = findChild<QPushButton*>(name)) {
                connect(button, &QPushButton::clicked, this, [this, &command] { runCommand(command); });
                wired.buttons << button;
            }
        }
        wired_.push_back(wired);
    }
}

void frmMain::runCommand(const MainCommand& command)
{
    if (!command.run || (command.usable && !command.usable(*this)))
        return;
    if (command.checksAnchor && !checkAnchorOnScreen())
        return;
    command.run(*this);
    refreshCommands();
}

void frmMain::refreshCommands()
{
    for (const WiredCommand& wired : wired_) {
        const MainCommand& command = *wired.command;
        const bool enabled = command.run && (!command.usable || command.usable(*this));
        for (QAction* action : wired.actions)
            action->setEnabled(enabled);
        for (QPushButton* button : wired.buttons)
            button->setEnabled(enabled);
    }
}

void frmMain::setTestTypeButton(bool pressed)
{
    testTypeAction_->setChecked(pressed);
}
bool frmMain::testTypeButton() const
{
    return testTypeAction_->isChecked();
}

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
            item->setText(QStringLiteral("%1  %2 [%3]").arg(i + 1, 2).arg(QFileInfo(files[i]).fileName(), files[i]));
    }
}

void frmMain::Main_FileNameRefrash(const QString& fileName)
{
    // A project never saved has no file name to show.
    QString caption = fileName.isEmpty() ? AppTitle : AppTitle + " - [" + fileName + "]";
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
    }
    else {
        p.TestCategory = 1;
    }
    reloadProject();
}

void frmMain::Main_Data_Load(int anchorIndex, int category)
{
    showAnchor(category == 0 ? 1 : anchorIndex);
}

void frmMain::reloadProject()
{
    Busy = true;
    Project& p = project();
    const bool basic = p.isBasic();
    spec_->setBasic(basic);
    spec_->refreshEditionTexts();
    specArea_->setFixedHeight(spec_->sizeHint().height() + specArea_->horizontalScrollBar()->sizeHint().height());
    list_->setBasic(basic);
    anchorNavigation_->setVisible(!basic);
    list_->clear();
    list_->fillAll();
    showAnchor(p.CurrentAnchor);
    applyView();
    Busy = false;
    refreshCommands();
}

void frmMain::showAnchor(int index)
{
    Project& p = project();
    p.CurrentAnchor = std::int16_t(p.isBasic() ? 1 : std::clamp(index, 1, std::max(1, p.anchorCount())));
    spec_->setEnabled(p.isBasic() || p.anchorCount() >= 1);
    spec_->load();
    list_->markCurrent(p.CurrentAnchor);
    showCounts();
    refreshStatus();
    refreshCommands();
}

void frmMain::showCounts()
{
    const Project& p = project();
    ancNo_->setText(p.anchorCount() >= 1 ? QString::number(p.CurrentAnchor) : QString());
    ancNumMax_->setText(QString::number(p.anchorCount()));
}

void frmMain::refreshStatus()
{
    Project& p = project();
    const int edition = p.Settings.StandardEdition;
    edition_->setText(editionText(edition));
    statusEdition_->setText(editionText(edition));
    QString kind = p.isBasic()
        ? categoryText(edition, 0)
        : testKindText(edition, 1, p.anchorCount() >= 1 ? p.currentAnchor().ConfirmationTest : 0);
    statusKind_->setText(kind);
    statusHint_->setText(listEditing_ ? ListHint : QString());
}

int frmMain::anchorOnScreenCode() const
{
    Project& p = project();
    if (!p.isBasic() && p.anchorCount() < 1)
        return 0;
    return AnchorCheckCode(p.currentAnchor(), p.currentSchedule(), p.isBasic());
}

bool frmMain::checkAnchorOnScreen()
{
    int code = anchorOnScreenCode();
    if (code == 0)
        return true;
    QString message = AnchorCheckMessage(code);
    if (!message.isEmpty())
        showMessage(message, MsgIcon::Exclamation);
    return false;
}

void frmMain::particularsEdited()
{
    if (Busy)
        return;
    DataChanged = true;
    list_->refreshRow(project().CurrentAnchor);
    refreshStatus();
    refreshCommands();
}

void frmMain::anchorDataChanged()
{
    DataChanged = true;
    spec_->load();
    list_->refreshRow(project().CurrentAnchor);
    refreshStatus();
}

void frmMain::projectDataChanged()
{
    DataChanged = true;
    reloadProject();
}

bool frmMain::switchView(bool toList)
{
    if (toList == listView_)
        return true;
    // A blank anchor (a row not yet used) does not keep the user from the list,
    // where rows are copied and inserted.
    Project& p = project();
    const bool blank = !p.isBasic() && p.anchorCount() >= 1 && !anchorHasInput(p.currentAnchor());
    if (!blank && !checkAnchorOnScreen())
        return false;
    int code = AnchorListCheckCode(project());
    if (code != 0) {
        showMessage(AnchorListCheckMessage(code), MsgIcon::Information);
        return false;
    }
    listView_ = toList;
    return true;
}

void frmMain::applyView()
{
    const bool basic = project().isBasic();
    if (basic)
        listEditing_ = false;
    specArea_->setVisible(!listView_);
    navigation_->setVisible(!listView_);
    list_->setListCommandsVisible(listEditing_ && !basic);
    fullViewMenu_->setChecked(listEditing_);
    fullViewButton_->setChecked(listEditing_);
    refreshStatus();
}

void frmMain::Kirikae_Click()
{
    if (!switchView(!listView_))
        return;
    if (!listView_)
        listEditing_ = false;
    applyView();
}

void frmMain::MenuHyouHyouji_Click()
{
    const bool on = !listEditing_;
    if (switchView(on))
        listEditing_ = on;
    applyView();
}

void frmMain::closeWithoutAsking()
{
    closingByProgram_ = true;
    close();
}

void frmMain::closeEvent(QCloseEvent* event)
{
    if (!closingByProgram_ && DataChanged) {
        int answer = showMessage(QStringLiteral("終了する前に保存しますか？") + "\n\n"
                + QStringLiteral("[はい] 保存して終了、[いいえ] 保存せずに終了、[キャンセル] 戻る"),
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
