#include "planning/frmJouken.h"

#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "refdb/DbSession.h"
#include "refdb/JackDatabase.h"
#include "refdb/frmJakki.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/ReferenceTextWindow.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {

namespace {

const QString HelpText
    = QStringLiteral("1. 試験アンカー本数を入力して下さい。\n"
                     "2. 使用するジャッキの台数を選んで下さい。\n"
                     "   「1台のジャッキを使用する」場合は、右の一覧からジャッキ名をダブルクリックして下さい。\n"
                     "   「複数のジャッキを使用する」場合は、左の表で試験アンカーの行を選び、右の一覧から"
                     "ジャッキ名をダブルクリックして下さい。\n"
                     "   [一括代入] は、一覧で選んだジャッキを全ての試験アンカーに設定します。\n"
                     "3. 一覧にないジャッキは [ジャッキの登録] で登録して下さい。\n\n"
                     "※ OKを押すと、全ての試験アンカーの荷重の設定と測定値入力表の作り直しが必要になります。");

int countOf(const ui::NumberBox& box)
{
    std::optional<double> v = box.Value();
    return v ? std::clamp(int(*v), 0, MaxAnchors) : 0;
}

} // namespace

frmJouken::frmJouken(Project& project, JoukenPurpose purpose, QWidget* parent)
    : QDialog(parent)
    , project_(project)
{
    setObjectName("frmJouken");
    setWindowTitle(QStringLiteral("ジャッキの選択"));
    buildControls();
    loadJackList();

    const ProjectRecord& r = project_.Record;
    bool change = purpose == JoukenPurpose::ChangeConditions;
    if (change)
        anchorJacks_ = QStringList(r.AnchorLabels.begin(), r.AnchorLabels.end());
    int type = change && r.JackTypeChoice == JackPerAnchor ? JackPerAnchor : OneJackForAll;
    if (project_.isBasic()) {
        // A basic investigation tests one anchor with one jack.
        count_->SetText("1");
        count_->SetEnabled(false);
        jackType_[JackPerAnchor]->setEnabled(false);
        type = OneJackForAll;
    }
    else if (change && r.AnchorCount > 0) {
        count_->SetText(QString::number(r.AnchorCount));
    }
    if (type == OneJackForAll && !anchorJacks_.isEmpty())
        single_->setText(anchorJacks_.first());
    jackType_[std::size_t(type)]->setChecked(true);
    chooseJackType(type);
    showAnchorRows();
}

void frmJouken::buildControls()
{
    auto* layout = new QVBoxLayout(this);
    auto* body = new QHBoxLayout;
    auto* left = new QVBoxLayout;

    auto* countRow = new QHBoxLayout;
    countRow->addWidget(new QLabel(QStringLiteral("試験アンカー本数"), this));
    count_ = new ui::NumberBox(this, "0");
    count_->setObjectName("imText1");
    count_->SetCheck(QStringLiteral("試験アンカー本数"), 0, MaxAnchors);
    count_->setFixedWidth(70);
    countRow->addWidget(count_);
    countRow->addWidget(new QLabel(QStringLiteral("本"), this));
    countRow->addStretch();
    left->addLayout(countRow);

    auto* typeFrame = new QGroupBox(QStringLiteral("使用するジャッキ"), this);
    auto* typeLayout = new QGridLayout(typeFrame);
    auto* group = new QButtonGroup(this);
    jackType_[0] = new QRadioButton(QStringLiteral("1台のジャッキを使用する"), typeFrame);
    jackType_[1] = new QRadioButton(QStringLiteral("複数のジャッキを使用する"), typeFrame);
    for (int i = 0; i < 2; ++i) {
        jackType_[std::size_t(i)]->setObjectName(QStringLiteral("OptJackType_%1").arg(i));
        group->addButton(jackType_[std::size_t(i)], i);
    }
    single_ = ui::namedLabel(typeFrame, "LblTanitu");
    single_->setFrameShape(QFrame::Panel);
    single_->setFrameShadow(QFrame::Sunken);
    single_->setMinimumWidth(240);
    single_->setMinimumHeight(24);
    grid_ = new ui::SpreadGrid(typeFrame);
    grid_->setObjectName("vaSpread1");
    grid_->SetMaxCols(1);
    grid_->SetText(1, 0, QStringLiteral("ジャッキ名"));
    grid_->SetColWidth(1, 220);
    grid_->SetRowHeaderWidth(150);
    grid_->SetLock(ui::CellBlock::all(), true);
    grid_->setMinimumHeight(260);
    grid_->horizontalHeader()->setStretchLastSection(true);
    typeLayout->addWidget(jackType_[0], 0, 0, 1, 2);
    typeLayout->addWidget(new QLabel(QStringLiteral("ジャッキ名"), typeFrame), 1, 0);
    typeLayout->addWidget(single_, 1, 1);
    typeLayout->addWidget(jackType_[1], 2, 0, 1, 2);
    typeLayout->addWidget(grid_, 3, 0, 1, 2);
    typeLayout->setColumnStretch(1, 1);
    left->addWidget(typeFrame, 1);
    body->addLayout(left, 3);

    auto* middle = new QVBoxLayout;
    middle->addStretch();
    allSet_ = ui::commandButton(this, "CmdAllSet", QStringLiteral("一括代入"));
    auto* clear = ui::commandButton(this, "CmdClear", QStringLiteral("<< クリア"));
    middle->addWidget(allSet_);
    middle->addWidget(clear);
    middle->addStretch();
    body->addLayout(middle);

    auto* right = new QVBoxLayout;
    right->addWidget(new QLabel(QStringLiteral("ジャッキ登録リスト"), this));
    list_ = new QListWidget(this);
    list_->setObjectName("List1");
    list_->setMinimumWidth(220);
    right->addWidget(list_, 1);
    auto* jacks = ui::commandButton(this, "CmdJakki", QStringLiteral("ジャッキの登録"));
    right->addWidget(jacks);
    body->addLayout(right, 2);
    layout->addLayout(body, 1);

    auto* buttons = new QHBoxLayout;
    auto* help = ui::commandButton(this, "CmdHelp", QStringLiteral("ヘルプ"));
    buttons->addWidget(help);
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    layout->addLayout(buttons);

    connect(group, &QButtonGroup::idClicked, this, &frmJouken::chooseJackType);
    connect(count_, &QLineEdit::textChanged, this, &frmJouken::showAnchorRows);
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) { assignJack(item->text()); });
    connect(allSet_, &QPushButton::clicked, this, &frmJouken::assignToAllRows);
    connect(clear, &QPushButton::clicked, this, &frmJouken::clearChoice);
    connect(jacks, &QPushButton::clicked, this, &frmJouken::openJackList);
    connect(help, &QPushButton::clicked, this, &frmJouken::showHelp);
    resize(780, 560);
}

void frmJouken::loadJackList()
{
    list_->clear();
    for (const refdb::CDataJakki& jack : refdb::jackList()) {
        auto* item = new QListWidgetItem(jack.JakkiName, list_);
        item->setData(Qt::UserRole, int(jack.No));
    }
}

void frmJouken::chooseJackType(int type)
{
    bool several = type == JackPerAnchor;
    single_->setEnabled(!several);
    grid_->setEnabled(several);
    allSet_->setEnabled(several);
    if (several)
        showAnchorRows();
}

void frmJouken::showAnchorRows()
{
    int n = countOf(*count_);
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetMaxRows(n);
    grid_->SetLock(ui::CellBlock::all(), true);
    for (int row = 1; row <= n; ++row) {
        grid_->SetRowHeaderText(row, QStringLiteral("%1本目のジャッキ名").arg(row));
        grid_->SetText(1, row, row <= anchorJacks_.size() ? anchorJacks_[row - 1] : QString());
    }
}

void frmJouken::assignJack(const QString& name)
{
    if (!jackType_[JackPerAnchor]->isChecked()) {
        single_->setText(name);
        return;
    }
    ui::CellBlock rows = grid_->SelBlock();
    if (rows.row < 1)
        return;
    for (int row = rows.row; row <= std::min(rows.row2, grid_->MaxRows()); ++row) {
        while (anchorJacks_.size() < row)
            anchorJacks_ << QString();
        anchorJacks_[row - 1] = name;
        grid_->SetText(1, row, name);
    }
}

void frmJouken::assignToAllRows()
{
    QListWidgetItem* item = list_->currentItem();
    if (!item)
        return;
    grid_->SetSelection(ui::CellBlock { 1, 1, 1, grid_->MaxRows() });
    assignJack(item->text());
}

void frmJouken::clearChoice()
{
    assignJack(QString());
}

void frmJouken::openJackList()
{
    QString name;
    int number = 0;
    frmJakki::ShowForm(this, frmJakki::MaintainList, name, number);
    loadJackList();
}

void frmJouken::showHelp()
{
    ui::showReferenceText(this, "DlgReferenceText", QStringLiteral("ヘルプ"), HelpText);
}

TestConditions frmJouken::conditions() const
{
    TestConditions c;
    c.anchorCount = countOf(*count_);
    c.jackType = jackType_[JackPerAnchor]->isChecked() ? JackPerAnchor : OneJackForAll;
    c.singleJack = single_->text();
    c.anchorJacks = anchorJacks_.mid(0, c.anchorCount);
    return c;
}

void frmJouken::accept()
{
    if (!count_->Check())
        return;
    TestConditions c = conditions();
    ConditionsProblem problem = checkTestConditions(c);
    if (problem != ConditionsProblem::None) {
        showMessage(conditionsMessage(problem), MsgIcon::Exclamation);
        return;
    }
    // Whether the jack database answers decides what a name it does not know
    // means: an unknown jack, or a database that could not be asked.
    bool readable = refdb::DbSession(refdb::DbKind::Jack).isOpen();
    applyTestConditions(project_, c, { readable, refdb::jackRecordByName });
    QDialog::accept();
}

bool frmJouken::ShowForm(QWidget* parent, JoukenPurpose purpose)
{
    frmJouken dialog(project(), purpose, parent);
    return ui::execModal(dialog) == QDialog::Accepted;
}

} // namespace tessaro
