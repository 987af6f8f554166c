#include "refdb/frmAncNameAdd.h"

#include "model/UserMessage.h"
#include "planning/TestKinds.h"
#include "refdb/AnchorMethodEditor.h"
#include "ui/InputBox.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

const QString NamePrompt = QStringLiteral("工法名を入力して下さい。");
const QString NameHint = QStringLiteral("※入力範囲は,25文字までとする");

QString tensioningText(int kintyouType)
{
    return kintyouType == 1 ? QStringLiteral("差動緊張") : QString();
}

} // namespace

frmAncNameAdd::frmAncNameAdd(int type, QWidget* parent)
    : QDialog(parent)
    , type_(type)
{
    setObjectName("frmAncNameAdd");
    setWindowTitle(QStringLiteral("工法名の追加・変更") + anchorTypeSuffix(type));
    auto* layout = new QVBoxLayout(this);
    grid_ = new ui::SpreadGrid(this);
    grid_->setObjectName("vaSpread1");
    // Only load-distribution methods differ in their tensioning.
    bool loadDistribution = type_ == LoadDistributionType;
    grid_->SetMaxCols(loadDistribution ? 2 : 1);
    grid_->SetText(1, 0, QStringLiteral("工法名"));
    grid_->SetColWidth(1, 360);
    if (loadDistribution)
        grid_->SetText(2, 0, QStringLiteral("緊張方式"));
    grid_->horizontalHeader()->setStretchLastSection(true);
    grid_->SetLock(ui::CellBlock::all(), true);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    layout->addWidget(grid_, 1);

    differential_
        = new QCheckBox(QStringLiteral("追加する工法は差動緊張方式 (ディファレンシャルプーリングヘッド)"), this);
    differential_->setObjectName("ChkSadou");
    differential_->setVisible(loadDistribution);
    layout->addWidget(differential_);

    auto* buttons = new QHBoxLayout;
    auto* add = ui::commandButton(this, "CmdAdd", QStringLiteral("追加"));
    auto* rename = ui::commandButton(this, "CmdRename", QStringLiteral("名称変更"));
    auto* remove = ui::commandButton(this, "CmdDelete", QStringLiteral("削除"));
    auto* close = ui::commandButton(this, "CmdClose", QStringLiteral("閉じる"));
    buttons->addWidget(add);
    buttons->addWidget(rename);
    buttons->addWidget(remove);
    buttons->addStretch();
    buttons->addWidget(close);
    layout->addLayout(buttons);
    connect(add, &QPushButton::clicked, this, &frmAncNameAdd::addMethod);
    connect(rename, &QPushButton::clicked, this, &frmAncNameAdd::renameMethod);
    connect(grid_, &QAbstractItemView::doubleClicked, this, &frmAncNameAdd::renameMethod);
    connect(remove, &QPushButton::clicked, this, &frmAncNameAdd::deleteMethod);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    ready_ = refdb::refreshWorkingCopies();
    for (QPushButton* b : { add, rename, remove })
        b->setEnabled(ready_);
    loadList();
    resize(560, 480);
}

void frmAncNameAdd::loadList(const QString& select)
{
    methods_.clear();
    for (const refdb::AnchorMethod& m : ready_ ? refdb::workingMethods() : QList<refdb::AnchorMethod> {}) {
        if (m.AncType == type_)
            methods_ << m;
    }
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetMaxRows(int(methods_.size()));
    int selectRow = methods_.isEmpty() ? 0 : 1;
    for (int row = 1; row <= methods_.size(); ++row) {
        const refdb::AnchorMethod& m = methods_[row - 1];
        grid_->SetText(1, row, m.AncName);
        if (grid_->MaxCols() > 1)
            grid_->SetText(2, row, tensioningText(m.KintyouType));
        if (m.AncName.compare(select, Qt::CaseInsensitive) == 0)
            selectRow = row;
    }
    if (selectRow > 0)
        grid_->SetActiveCell(1, selectRow);
}

std::optional<refdb::AnchorMethod> frmAncNameAdd::selectedMethod() const
{
    int row = grid_->ActiveRow();
    if (row < 1 || row > methods_.size())
        return std::nullopt;
    return methods_[row - 1];
}

// True when the change was made; a refusal the database did not report itself
// is explained here.
bool frmAncNameAdd::reportRefusal(refdb::WriteResult result)
{
    if (result == refdb::WriteResult::DuplicateName)
        showMessage(QStringLiteral("同じ工法名が既に登録されています。入力し直して下さい。"), MsgIcon::Exclamation);
    return result == refdb::WriteResult::Done;
}

void frmAncNameAdd::addMethod()
{
    std::optional<QString> name = ui::inputBox(this, NamePrompt, NameHint);
    if (!name || name->trimmed().isEmpty())
        return;
    refdb::AnchorMethod m;
    m.AncName = refdb::cutMethodName(name->trimmed());
    m.AncType = type_;
    // Methods registered so far carry their anchor type as type detail.
    m.AncTypeSyousai = type_;
    m.KintyouType = !differential_->isHidden() && differential_->isChecked() ? 1 : 0;
    if (reportRefusal(refdb::addWorkingMethod(m)))
        loadList(m.AncName);
}

void frmAncNameAdd::renameMethod()
{
    std::optional<refdb::AnchorMethod> m = selectedMethod();
    if (!m || !ready_)
        return;
    std::optional<QString> name = ui::inputBox(this, NamePrompt, NameHint, m->AncName);
    if (!name || name->trimmed().isEmpty() || *name == m->AncName)
        return;
    QString newName = refdb::cutMethodName(name->trimmed());
    if (reportRefusal(refdb::renameWorkingMethod(m->AncName, m->AncType, newName)))
        loadList(newName);
}

void frmAncNameAdd::deleteMethod()
{
    std::optional<refdb::AnchorMethod> m = selectedMethod();
    if (!m || !ready_)
        return;
    refdb::deleteWorkingMethod(m->AncName, m->AncType);
    loadList();
}

void frmAncNameAdd::done(int result)
{
    if (ready_) {
        if (showMessage(QStringLiteral("データベースファイルを保存しますか？"), MsgIcon::Question, MsgButtons::YesNo)
            == AnswerYes) {
            // A database that refuses the copy keeps the window open, so that the
            // changes are not lost with it.
            if (!refdb::commitWorkingCopies())
                return;
            saved_ = true;
        }
        else {
            refdb::discardWorkingCopies();
        }
    }
    QDialog::done(result);
}

bool frmAncNameAdd::ShowForm(QWidget* parent, int type)
{
    frmAncNameAdd dialog(type, parent);
    ui::execModal(dialog);
    return dialog.saved();
}

} // namespace tessaro
