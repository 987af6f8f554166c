#include "evaluation/frmKuripuKeisuu.h"

#include "documents/CreepSheets.h"
#include "documents/frmPreview.h"
#include "evaluation/CreepTexts.h"
#include "evaluation/frmKuripuKeisuuHojyo.h"
#include "graphs/CreepCharts.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/basKajyuu.h"
#include "recording/ReadingSheet.h"
#include "ui/Chart2D.h"
#include "ui/Modal.h"
#include "ui/PointNumberBox.h"
#include "ui/WindowParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
frmKuripuKeisuu::frmKuripuKeisuu(QWidget* parent)
    : frmKuripuBase(QStringLiteral("frmKuripuKeisuu"), parent)
{
    buildLayout(buildPanel());
    showSelection();
    recompute();
}

bool frmKuripuKeisuu::ShowForm(QWidget* parent)
{
    frmKuripuKeisuu window(parent);
    ui::execModal(window);
    return window.projectChanged();
}

QWidget* frmKuripuKeisuu::buildPanel()
{
    auto* panel = new QWidget(this);
    panel->setMinimumWidth(430);
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(buildHoldingFrame(panel));
    layout->addWidget(buildTimeFrame(panel));
    layout->addWidget(buildResultFrame(panel));
    return panel;
}

QWidget* frmKuripuKeisuu::buildHoldingFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("クリープ係数を算出する荷重段階"), parent);
    frame->setObjectName("FraKijyun");
    auto* group = new QButtonGroup(frame);
    holding_[0] = option(frame, "OpnKijyun_0", QStringLiteral("計画最大荷重時"), group);
    holding_[1] = option(frame, "OpnKijyun_1", QStringLiteral("設計ｱﾝｶｰ力時"), group);
    cycle_ = new ui::PointNumberBox(frame);
    cycle_->setObjectName("imTextCycle");
    const int cycles = usesSingleCycleSheet(anchor_, settings_.testCategory) ? 1 : EffectiveStageCount(anchor_.Plan);
    cycle_->SetRange(cycles, ui::RangeExceededTextCoefficient);
    QPushButton* refer = ui::commandButton(frame, "cmdSansyou", QStringLiteral("サイクル参照"));
    timeCaption_ = ui::namedLabel(frame, "LblJikan");

    auto* grid = new QGridLayout(frame);
    grid->addWidget(holding_[0], 0, 0, 1, 4);
    grid->addWidget(holding_[1], 1, 0);
    grid->addWidget(cycle_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("サイクル目"), frame), 1, 2);
    grid->addWidget(refer, 1, 3);
    grid->addWidget(timeCaption_, 2, 0, 1, 4);
    grid->setColumnStretch(4, 1);

    connect(group, &QButtonGroup::buttonClicked, this, [this] { recompute(); });
    connect(cycle_, &ui::EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            recompute();
    });
    connect(cycle_, &QLineEdit::returnPressed, this, [this] { cycle_->nextInFocusChain()->setFocus(); });
    connect(refer, &QPushButton::clicked, this, &frmKuripuKeisuu::chooseCycle);
    return frame;
}

QWidget* frmKuripuKeisuu::buildTimeFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("クリープ係数を算出する測定点"), parent);
    t1_ = pointBox("imNumT1", ui::RangeExceededTextCoefficient);
    t2_ = pointBox("imNumT2", ui::RangeExceededTextCoefficient);
    auto* numbers = new QHBoxLayout;
    numbers->addWidget(new QLabel(QStringLiteral("No."), frame));
    numbers->addWidget(t1_);
    numbers->addWidget(new QLabel(QStringLiteral("番目、"), frame));
    numbers->addWidget(t2_);
    numbers->addWidget(new QLabel(QStringLiteral("番目の間でクリープ係数を算出"), frame));
    numbers->addStretch();

    chosenOnly_ = new QCheckBox(QStringLiteral("指定番号のみ表示"), frame);
    chosenOnly_->setObjectName("Check2");
    connect(chosenOnly_, &QCheckBox::toggled, this, [this] { recompute(); });

    auto* group = new QButtonGroup(frame);
    conversion_[0] = option(frame, "Option1_0", QStringLiteral("そのままの値で算出した場合"), group);
    conversion_[1] = option(frame, "Option1_1", QStringLiteral("t1=1 になるよう換算した場合"), group);
    connect(group, &QButtonGroup::buttonClicked, this, [this] { recompute(); });
    times_ = ui::namedLabel(frame, "LblT");
    lblt1_ = ui::namedLabel(frame, "lblt1");
    lblt2_ = ui::namedLabel(frame, "lblt2");
    auto* used = new QHBoxLayout;
    used->addWidget(times_);
    used->addStretch();
    used->addWidget(new QLabel(QStringLiteral("t1 ="), frame));
    used->addWidget(lblt1_);
    used->addSpacing(12);
    used->addWidget(new QLabel(QStringLiteral("t2 ="), frame));
    used->addWidget(lblt2_);

    auto* layout = new QVBoxLayout(frame);
    layout->addLayout(numbers);
    layout->addWidget(chosenOnly_);
    layout->addWidget(conversion_[0]);
    layout->addWidget(conversion_[1]);
    layout->addLayout(used);
    return frame;
}

QWidget* frmKuripuKeisuu::buildResultFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("クリープ係数の算出"), parent);
    numerator_ = ui::namedLabel(frame, "LblBunshi");
    denominator_ = ui::namedLabel(frame, "LblBunbo");
    coefficient_ = ui::namedLabel(frame, "LblKeisuu");
    verdict_ = ui::namedLabel(frame, "LblHantei");
    QFont bold = verdict_->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    verdict_->setFont(bold);
    auto* formula = new QHBoxLayout;
    formula->addWidget(new QLabel(QStringLiteral("⊿ｃ　＝　"), frame));
    formula->addWidget(fraction(frame, numerator_, denominator_));
    formula->addWidget(new QLabel(QStringLiteral("＝"), frame));
    formula->addWidget(coefficient_);
    formula->addStretch();
    auto* judged = new QHBoxLayout;
    judged->addWidget(new QLabel(QStringLiteral("⊿ｃ　＝　"), frame));
    judged->addWidget(verdict_, 1);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(new QLabel(QStringLiteral("⊿ｃ　＝　( s2 - s1 ) / log ( t2 / t1 )"), frame));
    layout->addLayout(formula);
    layout->addLayout(judged);
    return frame;
}

// The stored choices into the controls.
void frmKuripuKeisuu::showSelection()
{
    holding_[selection_.CoefHolding == 1 ? 1 : 0]->setChecked(true);
    cycle_->SetNumber(selection_.CoefCycle);
    conversion_[selection_.CoefConversion != 0 ? 1 : 0]->setChecked(true);
    {
        const QSignalBlocker block(chosenOnly_);
        chosenOnly_->setChecked(selection_.CoefChosenOnly != 0);
    }
    const CreepHolding h
        = CoefficientHolding(anchor_, settings_.testCategory, selection_.CoefHolding, selection_.CoefCycle);
    setPointRange(h);
    t1_->SetNumber(selection_.CoefT1No);
    t2_->SetNumber(selection_.CoefT2No);
}

void frmKuripuKeisuu::chooseCycle()
{
    int cycle = cycle_->Number();
    Project& p = project();
    if (!frmKuripuKeisuuHojyo::ShowForm(
            this, anchor_, p.currentSchedule(), usesSingleCycleSheet(anchor_, p.TestCategory), cycle))
        return;
    holding_[1]->setChecked(true);
    cycle_->SetNumber(cycle);
    recompute();
}

bool frmKuripuKeisuu::pointEntered(ui::PointNumberBox*)
{
    return true;
}

void frmKuripuKeisuu::recompute()
{
    const bool atDesignForce = holding_[1]->isChecked();
    cycle_->setEnabled(atDesignForce);
    selection_.CoefHolding = atDesignForce ? 1 : 0;
    selection_.CoefCycle = std::int16_t(cycle_->Number());
    timeCaption_->setText(atDesignForce ? QStringLiteral("設計ｱﾝｶｰ力時の荷重保持時(分)")
                                        : QStringLiteral("計画最大荷重時の荷重保持時(分)"));
    setPointRange(CoefficientHolding(anchor_, settings_.testCategory, selection_.CoefHolding, selection_.CoefCycle));
    selection_.CoefT1No = std::int16_t(t1_->Number());
    selection_.CoefT2No = std::int16_t(t2_->Number());
    selection_.CoefConversion = conversion_[1]->isChecked() ? 1 : 0;
    selection_.CoefChosenOnly = chosenOnly_->isChecked() ? 1 : 0;
    judgement_ = JudgeCreepCoefficient(anchor_, selection_, settings_);
    showPoints(judgement_.holding, true);
    ChartData data;
    drawCreepCurve(data, judgement_, chosenOnly_->isChecked());
    chart_->setData(std::move(data));
    showResult();
}

void frmKuripuKeisuu::showResult()
{
    const CoefficientJudgement& j = judgement_;
    times_->setText(j.chosen ? QStringLiteral("T1 = %1 分、 T2 = %2 分").arg(j.T1).arg(j.T2) : QString());
    lblt1_->setText(j.chosen ? QString::number(j.t1) : QString());
    lblt2_->setText(j.chosen ? QString::number(j.t2) : QString());
    numerator_->setText(j.computable ? coefficientNumerator(j.s2, j.s1) : QString());
    denominator_->setText(j.computable ? coefficientDenominator(j.t2, j.t1) : QString());
    coefficient_->setText(j.computable ? formatNumber(j.coefficient, "##0.00") + QStringLiteral(" mm") : QString());
    verdict_->setText(coefficientVerdictText(j));
    setWarning(verdict_, j.computable && j.out());
}

void frmKuripuKeisuu::print()
{
    if (!ui::EndOpenEntry(*this))
        return;
    if (!judgement_.computable) {
        showMessage(CreepNotComputedMessage, MsgIcon::Exclamation);
        return;
    }
    report::ReportEngine engine;
    const bool ended = PrintCreepCoefficientSheet(
        engine, project(), anchorNumber_, anchor_, judgement_, selection_.CoefChosenOnly != 0, chart_->format());
    previewDocument(this, engine, ended, QStringLiteral("クリープ係数"));
}

} // namespace tessaro
