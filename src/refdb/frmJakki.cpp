#include "refdb/frmJakki.h"

#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "refdb/JackDatabase.h"
#include "refdb/frmJakkiDB.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {

namespace {

const QString RemarkFormat = QStringLiteral("###0.00");

// A remark that was not given shows empty.
QString remarkText(double value)
{
    return value < 0 ? QString() : formatNumber(value, RemarkFormat);
}

QFrame* noticeFrame(QWidget* parent)
{
    auto* frame = new QFrame(parent);
    frame->setObjectName("FraChuui");
    frame->setFrameShape(QFrame::StyledPanel);
    auto* layout = new QVBoxLayout(frame);
    auto* heading = ui::namedLabel(frame, "LblChuui", QStringLiteral("◆ 注意 ◆"));
    heading->setStyleSheet("color: #b00000; font-weight: bold;");
    layout->addWidget(heading);
    layout->addWidget(ui::namedLabel(
        frame, "LblChuui1", QStringLiteral("ここで編集した値は、ジャッキ登録リストのみに反映されます。")));
    layout->addWidget(ui::namedLabel(frame, "LblChuui2",
        QStringLiteral("データファイルに反映させるには、ファイルを開いた状態で、アンカー毎に"
                       "[ジャッキ登録リストから取り込み]を行って下さい。")));
    return frame;
}

} // namespace

frmJakki::frmJakki(int mode, QWidget* parent)
    : QDialog(parent)
    , mode_(mode)
{
    setObjectName("frmJakki");
    bool import = mode_ == ImportForAnchor;
    setWindowTitle(import ? QStringLiteral("ジャッキ登録リストから取り込み") : QStringLiteral("ジャッキ登録リスト"));
    auto* layout = new QVBoxLayout(this);
    grid_ = new ui::SpreadGrid(this);
    grid_->setObjectName("vaSpread1");
    buildGrid();
    layout->addWidget(grid_);

    auto* buttons = new QHBoxLayout;
    if (import) {
        auto* ok = ui::commandButton(this, "CmdOK", QStringLiteral("取り込み"));
        auto* cancel = ui::commandButton(this, "CmdCancel", QStringLiteral("キャンセル"));
        ok->setDefault(true);
        buttons->addStretch();
        buttons->addWidget(ok);
        buttons->addWidget(cancel);
        connect(ok, &QPushButton::clicked, this, &frmJakki::takeSelected);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        connect(grid_, &QAbstractItemView::doubleClicked, this, &frmJakki::takeSelected);
    }
    else {
        layout->addWidget(noticeFrame(this));
        auto* add = ui::commandButton(this, "CmdNew", QStringLiteral("新規登録"));
        auto* edit = ui::commandButton(this, "CmdEdit", QStringLiteral("編集"));
        auto* remove = ui::commandButton(this, "CmdDelete", QStringLiteral("削除"));
        auto* close = ui::commandButton(this, "CmdClose", QStringLiteral("閉じる"));
        buttons->addWidget(add);
        buttons->addWidget(edit);
        buttons->addWidget(remove);
        buttons->addStretch();
        buttons->addWidget(close);
        connect(add, &QPushButton::clicked, this, [this] { editJack(true); });
        connect(edit, &QPushButton::clicked, this, [this] { editJack(false); });
        connect(remove, &QPushButton::clicked, this, &frmJakki::deleteSelected);
        connect(close, &QPushButton::clicked, this, &QDialog::accept);
        connect(grid_, &QAbstractItemView::doubleClicked, this, [this] { editJack(false); });
    }
    layout->addLayout(buttons);
    loadList();
    resize(720, 520);
}

void frmJakki::buildGrid()
{
    grid_->SetMaxCols(5);
    grid_->SetMaxRows(0);
    const QStringList headings = { QStringLiteral("ジャッキ名称"), QStringLiteral("ジャッキ能力\n(kN)"),
        QStringLiteral("常用圧力\n(MPa)"), QStringLiteral("受圧面積\n(cm2)"), QStringLiteral("ストローク長\n(mm)") };
    for (int c = 1; c <= 5; ++c)
        grid_->SetText(c, 0, headings[c - 1]);
    grid_->SetColWidth(1, 220);
    for (int c = 2; c <= 5; ++c)
        grid_->SetColWidth(c, 96);
    grid_->SetLock(ui::CellBlock::all(), true);
    grid_->SetAlignment(ui::CellBlock::cols(2, 5), Qt::AlignRight);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
}

void frmJakki::loadList(int selectNo)
{
    jacks_ = refdb::jackList();
    ui::ReDrawSuspended pause(*grid_);
    grid_->SetMaxRows(int(jacks_.size()));
    int selectRow = jacks_.isEmpty() ? 0 : 1;
    for (int row = 1; row <= jacks_.size(); ++row) {
        const refdb::CDataJakki& j = jacks_[row - 1];
        grid_->SetRowHeaderText(row, QString::number(j.No));
        grid_->SetText(1, row, j.JakkiName);
        grid_->SetText(2, row, remarkText(j.Nouryoku));
        grid_->SetText(3, row, remarkText(j.Aturyoku));
        grid_->SetText(4, row, remarkText(j.menseki));
        grid_->SetText(5, row, remarkText(j.Strok));
        if (j.No == selectNo)
            selectRow = row;
    }
    if (selectRow > 0)
        grid_->SetActiveCell(1, std::min(selectRow, grid_->MaxRows()));
}

std::optional<refdb::CDataJakki> frmJakki::selectedJack() const
{
    int row = grid_->ActiveRow();
    if (row < 1 || row > jacks_.size())
        return std::nullopt;
    return jacks_[row - 1];
}

void frmJakki::takeSelected()
{
    if (selectedJack())
        accept();
}

void frmJakki::deleteSelected()
{
    std::optional<refdb::CDataJakki> jack = selectedJack();
    if (!jack)
        return;
    if (showMessage(
            QStringLiteral("データベースから削除します。よろしいですか？"), MsgIcon::Question, MsgButtons::YesNo)
        != AnswerYes)
        return;
    if (refdb::deleteJack(jack->JakkiName) == refdb::WriteResult::Done)
        changed_ = true;
    // The jack that took the deleted one's place stays selected.
    loadList(jack->No);
}

void frmJakki::editJack(bool newJack)
{
    std::optional<refdb::CDataJakki> jack = newJack ? std::nullopt : selectedJack();
    if (!newJack && !jack)
        return;
    int storedNo = -1;
    if (!frmJakkiDB::ShowFormDatabase(this, jack, storedNo))
        return;
    changed_ = true;
    loadList(storedNo);
}

bool frmJakki::ShowForm(QWidget* parent, int mode, QString& jackName, int& jackNo)
{
    frmJakki dialog(mode, parent);
    int result = ui::execModal(dialog);
    if (mode != ImportForAnchor)
        return dialog.listChanged();
    std::optional<refdb::CDataJakki> jack = dialog.selectedJack();
    if (result != QDialog::Accepted || !jack)
        return false;
    jackName = jack->JakkiName;
    jackNo = jack->No;
    return true;
}

} // namespace tessaro
