#include "evaluation/frmKihonHantei.h"

#include "evaluation/CycleEvaluation.h"
#include "evaluation/JudgementReferenceTexts.h"
#include "graphs/GraphFormats.h"
#include "graphs/PullOutChart.h"
#include "graphs/TestGraphs.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/ReferenceTextWindow.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QString MissingStyle = QStringLiteral("color: #c0392b;");

QLabel* resultLabel(QWidget* parent, const QString& name)
{
    QLabel* label = ui::valueBox(parent, name, 80);
    ui::setEmphasis(label);
    return label;
}

int wholeOrZero(const ui::NumberBox* box)
{
    return int(box->AcceptedValue().value_or(0));
}

} // namespace

frmKihonHantei::frmKihonHantei(QWidget* parent)
    : QDialog(parent)
    , evaluated_(EvaluatedCopy(project().currentAnchor(), project()))
{
    setObjectName("frmKihonHantei");
    setWindowTitle(QStringLiteral("極限引抜き力の判定"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    pointChart_ = new ui::Chart2D(this);
    pointChart_->setObjectName("Chart2D1");
    pointChart_->setFormat(designedPullOutFormat());
    curveChart_ = new ui::Chart2D(this);
    curveChart_->setObjectName("Chart2D2");
    curveChart_->setFormat(designedTestGraphFormat(TestGraph::LoadDisplacement));
    ChartData curve;
    drawLoadDisplacementGraph(curve, evaluated_);
    curve.title = QStringLiteral("荷重-変位量曲線図");
    curveChart_->setData(std::move(curve));
    auto* charts = new QHBoxLayout;
    charts->addWidget(pointChart_, 1);
    charts->addWidget(curveChart_, 1);

    auto* panels = new QHBoxLayout;
    panels->addWidget(buildMethods(), 4);
    panels->addWidget(buildPointTable(), 0);
    panels->addWidget(buildResult(), 4);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(ui::referenceTextButton(this, "Cmdkaisetu", QStringLiteral("解説"), ultimatePullOutReference));
    buttons->addStretch();
    ui::addOkCancel(buttons, this, "Command1_0", "Command1_1");

    QLabel* anchorNo = ui::namedLabel(this, "LblAncNo", QStringLiteral("アンカー孔番　") + evaluated_.AnchorNo);
    ui::setEmphasis(anchorNo, 1.15);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(anchorNo);
    layout->addLayout(charts, 1);
    layout->addLayout(panels);
    layout->addLayout(buttons);
    resize(1200, 780);

    showStoredChoice();
    connect(methods_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            recompute();
    });
    recompute();
}

ui::NumberBox* frmKihonHantei::pointBox(QWidget* parent, const QString& name)
{
    auto* box = new ui::NumberBox(parent, QStringLiteral("#0"));
    box->setObjectName(name);
    box->SetCheck(QStringLiteral("点番号"), 1, OfferedPointCount(evaluated_));
    box->setFixedWidth(44);
    connect(box, &QLineEdit::textChanged, this, &frmKihonHantei::recompute);
    return box;
}

QWidget* frmKihonHantei::buildMethods()
{
    auto* frame = new QGroupBox(QStringLiteral("極限引抜き力の求め方"), this);
    frame->setObjectName("Frame1");
    methods_ = new QButtonGroup(this);
    auto* grid = new QGridLayout(frame);
    auto option = [&](UltimateMethod m) {
        auto* button = new QRadioButton(ultimateMethodCaption(m), frame);
        button->setObjectName(QStringLiteral("Option1_%1").arg(int(m)));
        methods_->addButton(button, int(m));
        grid->addWidget(button, grid->rowCount(), 0, 1, 6);
    };
    auto caption = [frame](const QString& text) { return new QLabel(text, frame); };
    option(UltimateMethod::PlannedMaxLoad);
    option(UltimateMethod::Intersection);
    for (int line = 0; line < 2; ++line) {
        const QString name = line == 0 ? QStringLiteral("imTxtLine1_%1") : QStringLiteral("imTxtLine2_%1");
        const int row = grid->rowCount();
        grid->addWidget(caption(QStringLiteral("直線%1：　点").arg(line + 1)), row, 1);
        for (int end = 0; end < 2; ++end) {
            linePoints_[std::size_t(line * 2 + end)] = pointBox(frame, name.arg(end));
            grid->addWidget(linePoints_[std::size_t(line * 2 + end)], row, 2 + end * 2);
        }
        grid->addWidget(caption(QStringLiteral("～　点")), row, 3);
    }
    option(UltimateMethod::BeforeBend);
    bendPoint_ = pointBox(frame, QStringLiteral("imTxtNum"));
    int row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("点番号")), row, 1);
    grid->addWidget(bendPoint_, row, 2);
    option(UltimateMethod::Entered);
    entered_ = new ui::NumberBox(frame, QStringLiteral("####0.00"));
    entered_->setObjectName("imTxtShitei");
    entered_->SetCheck(QStringLiteral("アンカー極限引張り力"), 1.0, evaluated_.Plan.PlannedMaxLoad);
    entered_->setFixedWidth(80);
    connect(entered_, &QLineEdit::textChanged, this, &frmKihonHantei::recompute);
    row = grid->rowCount();
    grid->addWidget(caption(QStringLiteral("極限引抜き力")), row, 1);
    grid->addWidget(entered_, row, 2, 1, 2);
    grid->addWidget(caption(QStringLiteral("kN")), row, 4);
    grid->setColumnMinimumWidth(0, 20);
    grid->setColumnStretch(5, 1);
    return frame;
}

QWidget* frmKihonHantei::buildPointTable()
{
    auto* frame = new QGroupBox(QStringLiteral("荷重-塑性変位量の点"), this);
    points_ = new ui::SpreadGrid(frame);
    points_->setObjectName("vaSpread1");
    const int offered = OfferedPointCount(evaluated_);
    points_->SetMaxCols(2);
    points_->SetMaxRows(offered);
    points_->SetText(1, 0, QStringLiteral("塑性変位量\n(mm)"));
    points_->SetText(2, 0, QStringLiteral("荷重\n(kN)"));
    points_->SetRowHeaderWidth(36);
    points_->SetColWidth(1, 84);
    points_->SetColWidth(2, 72);
    // As wide as its columns: the points are read at a glance, never scrolled sideways.
    points_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    points_->setMinimumWidth(36 + 84 + 72 + 24);
    const std::vector<PullOutPoint> points = PullOutPoints(evaluated_);
    for (int n = 1; n <= offered; ++n) {
        points_->SetRowHeaderText(n, QString::number(n));
        if (n <= int(points.size())) {
            points_->SetText(1, n, formatNumber(points[std::size_t(n - 1)].x, "0.00"));
            points_->SetText(2, n, formatNumber(points[std::size_t(n - 1)].y, "0.00"));
        }
    }
    points_->SetAlignment(ui::CellBlock::all(), Qt::AlignRight);
    points_->SetLock(ui::CellBlock::all(), true);
    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(points_);
    return frame;
}

QWidget* frmKihonHantei::buildResult()
{
    auto* frame = new QGroupBox(QStringLiteral("計算結果"), this);
    tug_ = resultLabel(frame, "LblHikinuki");
    skinFriction_ = resultLabel(frame, "LblSyuumen");
    formula_ = ui::namedLabel(frame, "LblShiki");
    formula_->setWordWrap(true);
    answer_ = ui::namedLabel(frame, "LblAns");
    ui::setEmphasis(answer_);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("極限引抜き力　Tug ＝"), frame), 0, 0);
    grid->addWidget(tug_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("kN"), frame), 0, 2);
    grid->addWidget(
        new QLabel(QStringLiteral("周面摩擦抵抗 ＝ 極限引抜き力 / （削孔径 × π × アンカー体長）"), frame), 1, 0, 1, 4);
    grid->addWidget(formula_, 2, 0, 1, 4);
    grid->addWidget(new QLabel(QStringLiteral("＝"), frame), 3, 0, Qt::AlignRight);
    grid->addWidget(answer_, 3, 1, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("周面摩擦抵抗　τ ＝"), frame), 4, 0);
    grid->addWidget(skinFriction_, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("N/mm2"), frame), 4, 2);
    grid->setColumnStretch(3, 1);
    grid->setRowStretch(5, 1);
    return frame;
}

void frmKihonHantei::showStoredChoice()
{
    const UltimateChoice stored = storedUltimateChoice(evaluated_);
    methods_->button(int(stored.method))->setChecked(true);
    for (std::size_t i = 0; i < linePoints_.size(); ++i)
        linePoints_[i]->setText(formatNonZero(stored.linePoints[i], "#0"));
    bendPoint_->setText(formatNonZero(stored.bendPoint, "#0"));
    entered_->setText(formatNonZero(stored.entered, "####0.00"));
}

UltimateChoice frmKihonHantei::choice() const
{
    UltimateChoice c;
    c.method = UltimateMethod(std::max(0, methods_->checkedId()));
    for (std::size_t i = 0; i < linePoints_.size(); ++i)
        c.linePoints[i] = wholeOrZero(linePoints_[i]);
    c.bendPoint = wholeOrZero(bendPoint_);
    c.entered = entered_->AcceptedValue().value_or(0);
    return c;
}

void frmKihonHantei::recompute()
{
    if (!methods_ || !entered_)
        return; // still being built
    const UltimateChoice c = choice();
    for (ui::NumberBox* box : linePoints_)
        box->setEnabled(c.method == UltimateMethod::Intersection);
    bendPoint_->setEnabled(c.method == UltimateMethod::BeforeBend);
    entered_->setEnabled(c.method == UltimateMethod::Entered);

    result_ = UltimatePullOutFrom(evaluated_, c);
    if (result_.complete()) {
        tug_->setText(ultimateText(*result_.tug));
        formula_->setText(skinFrictionFormula(*result_.tug, evaluated_.DrillDiameter, evaluated_.Tendon.AnchorLength));
        formula_->setStyleSheet(QString());
        answer_->setText(skinFrictionAnswer(*result_.skinFriction));
        skinFriction_->setText(skinFrictionText(*result_.skinFriction));
    }
    else {
        tug_->clear();
        skinFriction_->clear();
        answer_->clear();
        formula_->setText(UltimateMissingText);
        formula_->setStyleSheet(MissingStyle);
    }
    ChartData points;
    drawPullOutChart(points, evaluated_, c, result_);
    pointChart_->setData(std::move(points));
}

void frmKihonHantei::accept()
{
    if (!ui::EndOpenEntry(*this))
        return;
    if (tug_->text().isEmpty() || skinFriction_->text().isEmpty()) {
        showMessage(QStringLiteral("極限引張力と周面摩擦抵抗力が計算されていません。設定し直してください。"));
        return;
    }
    StoreUltimatePullOut(project(), project().currentAnchor(), choice(), result_);
    QDialog::accept();
}

bool frmKihonHantei::ShowForm(QWidget* parent)
{
    frmKihonHantei window(parent);
    return ui::execModal(window) == QDialog::Accepted;
}

} // namespace tessaro
