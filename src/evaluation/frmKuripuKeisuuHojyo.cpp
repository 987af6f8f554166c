#include "evaluation/frmKuripuKeisuuHojyo.h"

#include "graphs/CreepCharts.h"
#include "graphs/GraphFormats.h"
#include "graphs/TestGraphs.h"
#include "model/NumberFormat.h"
#include "planning/basKajyuu.h"
#include "ui/Chart2D.h"
#include "ui/Modal.h"
#include "ui/PointNumberBox.h"
#include "ui/WindowParts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace tessaro {

frmKuripuKeisuuHojyo::frmKuripuKeisuuHojyo(
    const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle, int cycle, QWidget* parent)
    : QDialog(parent)
    , anchor_(anchor)
    , schedule_(schedule)
    , singleCycle_(singleCycle)
{
    setObjectName("frmKuripuKeisuuHojyo");
    setWindowTitle(QStringLiteral("クリープ係数算出のためのサイクル最大荷重の選択"));

    chart_ = new ui::Chart2D(this);
    chart_->setObjectName("Chart2D1");
    chart_->setFormat(designedLoadCycleFormat());
    chart_->setMinimumSize(640, 380);

    cycleBox_ = new ui::PointNumberBox(this);
    cycleBox_->setObjectName("imTextCycle");
    const int cycles = singleCycle ? 1 : EffectiveStageCount(anchor.Plan);
    cycleBox_->SetRange(cycles, ui::RangeExceededTextCoefficient);
    cycleBox_->SetNumber(cycle);
    connect(cycleBox_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            showCycle();
    });
    connect(cycleBox_, &QLineEdit::returnPressed, this, [this] { cycleBox_->clearFocus(); });
    load_ = ui::namedLabel(this, "LblKajyuu");

    auto* choice = new QHBoxLayout;
    choice->addWidget(new QLabel(QStringLiteral("クリープ係数を算出するサイクル"), this));
    choice->addWidget(cycleBox_);
    choice->addWidget(new QLabel(QStringLiteral("サイクル目"), this));
    choice->addSpacing(12);
    choice->addWidget(load_);
    choice->addStretch();
    choice->addWidget(ui::namedLabel(this, "LblTd",
        QStringLiteral("設計アンカー力　：") + formatNumber(anchor.DesignAnchorForce, "0.00") + QStringLiteral(" kN")));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addLayout(choice);
    layout->addLayout(buttons);
    showCycle();
}

bool frmKuripuKeisuuHojyo::ShowForm(
    QWidget* parent, const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle, int& cycle)
{
    frmKuripuKeisuuHojyo window(anchor, schedule, singleCycle, cycle, parent);
    if (ui::execModal(window) != QDialog::Accepted)
        return false;
    cycle = window.cycle();
    return true;
}

int frmKuripuKeisuuHojyo::cycle() const
{
    return cycleBox_->Number();
}

void frmKuripuKeisuuHojyo::showCycle()
{
    const int c = cycle();
    ChartData data;
    drawLoadCycleDiagram(data, anchor_, schedule_, singleCycle_, c);
    chart_->setData(std::move(data));
    load_->setText(c > 0 ? QStringLiteral("(荷重： ") + formatNumber(plannedCycleLoad(anchor_, c, singleCycle_), "0.00")
                + QStringLiteral(" kN)")
                         : QString());
}

// OK ends the entry first; without a cycle there is nothing to choose.
void frmKuripuKeisuuHojyo::accept()
{
    if (!ui::EndOpenEntry(*this) || cycle() == 0)
        return;
    QDialog::accept();
}

} // namespace tessaro
