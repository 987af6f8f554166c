#include "planning/frmTaikatai.h"

#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

const QColor UnusedRowColor(0xd8, 0xd8, 0xd8);

QString millimetres(double value)
{
    return formatNumber(value, "0") + QStringLiteral(" mm");
}

} // namespace

frmTaikatai::frmTaikatai(const AnchorRecord& anchor, QWidget* parent)
    : QDialog(parent)
    , anchor_(anchor)
{
    setObjectName("frmTaikatai");
    setWindowTitle(QStringLiteral("耐荷体間隔設定"));
    auto* layout = new QVBoxLayout(this);

    auto* length = new QHBoxLayout;
    length->addWidget(new QLabel(QStringLiteral("アンカー体長"), this));
    length->addStretch();
    length->addWidget(ui::namedLabel(this, "LblAnctaityou", millimetres(anchor_.Tendon.AnchorLength)));
    layout->addLayout(length);

    grid_ = new ui::SpreadGrid(this);
    grid_->setObjectName("vaSpread1");
    grid_->SetMaxCols(1);
    grid_->SetMaxRows(MaxBodySpacings);
    grid_->SetText(1, 0, QStringLiteral("耐荷体間隔\n(mm)"));
    grid_->SetTypeNumber(ui::CellBlock::all(), 0, 0, MaxSpacingTotal);
    grid_->SetColWidth(1, 130);
    grid_->SetRowHeaderWidth(60);
    grid_->horizontalHeader()->setStretchLastSection(true);
    int bodies = anchor_.Tendon.BodyCount;
    for (int row = 1; row <= MaxBodySpacings; ++row) {
        grid_->SetRowHeaderText(row, QStringLiteral("No.%1").arg(row));
        float spacing = anchor_.Tendon.BodyInterval[std::size_t(row - 1)];
        if (spacing != 0)
            grid_->SetText(1, row, formatNumber(spacing, "0"));
        // Spacings beyond the anchor's bodies are not used; an anchor without a
        // body count yet may use all five.
        if (bodies >= 1 && row > bodies) {
            grid_->SetLock(ui::CellBlock::cell(1, row), true);
            grid_->SetBackColor(ui::CellBlock::cell(1, row), UnusedRowColor);
        }
    }
    grid_->setFixedHeight(grid_->horizontalHeader()->sizeHint().height()
        + MaxBodySpacings * grid_->verticalHeader()->defaultSectionSize() + 2 * grid_->frameWidth());
    layout->addWidget(grid_);

    auto* total = new QHBoxLayout;
    total->addWidget(new QLabel(QStringLiteral("耐荷体間隔合計"), this));
    total->addStretch();
    total_ = ui::namedLabel(this, "LblGoukei");
    total->addWidget(total_);
    layout->addLayout(total);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    layout->addLayout(buttons);
    connect(grid_, &ui::SpreadGrid::Change, this, &frmTaikatai::showTotal);
    connect(grid_, &ui::SpreadGrid::BlockCleared, this, &frmTaikatai::showTotal);
    showTotal();
    setMinimumWidth(320);
}

std::array<double, MaxBodySpacings> frmTaikatai::spacings() const
{
    std::array<double, MaxBodySpacings> s {};
    for (int row = 1; row <= MaxBodySpacings; ++row)
        s[std::size_t(row - 1)] = grid_->GetValue(1, row).value_or(0);
    return s;
}

void frmTaikatai::showTotal()
{
    total_->setText(millimetres(spacingTotal(spacings())));
}

void frmTaikatai::accept()
{
    std::array<double, MaxBodySpacings> s = spacings();
    SpacingProblem problem = checkBodySpacings(s, anchor_.Tendon.AnchorLength);
    if (problem != SpacingProblem::None) {
        showMessage(spacingMessage(problem), MsgIcon::Exclamation);
        return;
    }
    for (std::size_t k = 0; k < s.size(); ++k)
        anchor_.Tendon.BodyInterval[k] = float(s[k]);
    QDialog::accept();
}

bool frmTaikatai::ShowForm(QWidget* parent)
{
    return ShowForm(parent, project().currentAnchor());
}

bool frmTaikatai::ShowForm(QWidget* parent, AnchorRecord& anchor)
{
    frmTaikatai dialog(anchor, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    anchor.Tendon.BodyInterval = dialog.anchor().Tendon.BodyInterval;
    return true;
}

} // namespace tessaro
