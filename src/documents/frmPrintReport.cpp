#include "documents/frmPrintReport.h"

#include "documents/QualityDocument.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"
#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {
namespace {

QTableWidgetItem* readOnlyItem(const QString& text)
{
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

frmPrintReport::frmPrintReport(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmPrintReport");
    setWindowTitle(QStringLiteral("出力選択"));
    const Project& p = project();
    const std::vector<int> chosen = chosenReportAnchors(p);
    const int rows = reportAnchorCount(p);

    grid_ = new QTableWidget(rows, 3, this);
    grid_->setObjectName("vaSpread1");
    grid_->setHorizontalHeaderLabels(
        { QStringLiteral("印刷対象"), QStringLiteral("アンカー名称（孔番号）"), QStringLiteral("試験区分") });
    for (int r = 0; r < rows; ++r) {
        const AnchorRecord& a = p.Record.Anchors[std::size_t(r)];
        auto* check = new QTableWidgetItem;
        check->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
        const bool printed = std::find(chosen.begin(), chosen.end(), r + 1) != chosen.end();
        check->setCheckState(printed ? Qt::Checked : Qt::Unchecked);
        grid_->setItem(r, 0, check);
        grid_->setItem(r, 1, readOnlyItem(a.AnchorNo));
        grid_->setItem(r, 2, readOnlyItem(kindText(p.Settings.StandardEdition, a.ConfirmationTest)));
    }
    grid_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    grid_->resizeColumnToContents(0);
    grid_->resizeColumnToContents(2);
    grid_->setSelectionMode(QAbstractItemView::NoSelection);
    connect(grid_, &QTableWidget::itemChanged, this, &frmPrintReport::refreshCount);

    all_ = new QCheckBox(QStringLiteral("全てのアンカー名称(孔番号)にチェックを付ける"), this);
    all_->setObjectName("Check1");
    connect(all_, &QCheckBox::clicked, this, &frmPrintReport::checkAll);
    count_ = ui::namedLabel(this, "LblNum");

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(count_);
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_);
    layout->addWidget(all_);
    layout->addLayout(buttons);
    resize(520, 480);
    refreshCount();
}

std::vector<int> frmPrintReport::checkedAnchors() const
{
    std::vector<int> anchors;
    for (int r = 0; r < grid_->rowCount(); ++r)
        if (grid_->item(r, 0)->checkState() == Qt::Checked)
            anchors.push_back(r + 1);
    return anchors;
}

void frmPrintReport::refreshCount()
{
    const int checked = int(checkedAnchors().size());
    count_->setText(QStringLiteral("現在のチェック個数　：") + QString::number(checked) + QStringLiteral("  個"));
    const QSignalBlocker block(all_);
    all_->setChecked(checked > 0 && checked == grid_->rowCount());
}

void frmPrintReport::checkAll(bool on)
{
    {
        const QSignalBlocker block(grid_);
        for (int r = 0; r < grid_->rowCount(); ++r)
            grid_->item(r, 0)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
    }
    refreshCount();
}

void frmPrintReport::accept()
{
    if (checkedAnchors().empty()) {
        showMessage(QStringLiteral("チェックがされていません。どれを表示するか選択して下さい。"), MsgIcon::Exclamation);
        return;
    }
    QDialog::accept();
}

bool frmPrintReport::ShowForm(QWidget* parent)
{
    frmPrintReport w(parent);
    if (ui::execModal(w) != QDialog::Accepted)
        return false;
    project().ReportAnchors = w.checkedAnchors();
    return true;
}

} // namespace tessaro
