#include "evaluation/frmKuripuBase.h"

#include "evaluation/frmHantei.h"
#include "graphs/GraphFormats.h"
#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "ui/Chart2D.h"
#include "ui/PointNumberBox.h"
#include "ui/SpreadGrid.h"
#include "ui/WindowParts.h"
#include "ui/basSpreadCustom.h"

#include <QButtonGroup>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

enum PointColumn { ColMinutes = 1, ColDisplacement, ColAmount };

} // namespace

frmKuripuBase::frmKuripuBase(const QString& name, QWidget* parent)
    : QDialog(parent)
{
    Project& p = project();
    anchor_ = p.currentAnchor();
    selection_ = p.currentCreepSelection();
    settings_ = creepSettingsOf(p);
    anchorNumber_ = p.shownAnchor();
    setObjectName(name);
    setWindowTitle(QStringLiteral("アンカーの変位を判定"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    chart_ = new ui::Chart2D(this);
    chart_->setObjectName("ChartKuripu");
    chart_->setFormat(designedCreepFormat());
    chart_->setMinimumSize(560, 360);

    points_ = new ui::SpreadGrid(this);
    points_->setObjectName("vaSpread1");
    ui::SetListColumns(
        *points_, { QStringLiteral("時間\n(分)"), QStringLiteral("変位量\n(mm)"), QStringLiteral("クリープ量\n(mm)") });
}

void frmKuripuBase::buildLayout(QWidget* panel)
{
    auto* left = new QVBoxLayout;
    left->addWidget(chart_, 1);
    left->addWidget(points_);
    auto* right = new QVBoxLayout;
    right->addWidget(panel);
    right->addStretch();
    right->addWidget(buildButtons());
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(right);
}

QWidget* frmKuripuBase::buildButtons()
{
    auto* box = new QWidget(this);
    auto* row = new QHBoxLayout(box);
    row->setContentsMargins(0, 0, 0, 0);
    QPushButton* printButton = ui::commandButton(box, "cmdPrint", QStringLiteral("印刷"));
    connect(printButton, &QPushButton::clicked, this, [this] { print(); });
    QPushButton* judgement = ui::commandButton(box, "Command3", QStringLiteral("技術者最終判定"));
    judgement->setToolTip(QStringLiteral("技術者による最終判定画面を開きます"));
    connect(judgement, &QPushButton::clicked, this, [this] { judged_ = frmHantei::ShowForm(this) || judged_; });
    row->addWidget(printButton);
    row->addWidget(judgement);
    row->addStretch();
    ui::addOkCancel(row, this);
    return box;
}

ui::PointNumberBox* frmKuripuBase::pointBox(const QString& name, const QString& overText)
{
    auto* box = new ui::PointNumberBox(this);
    box->setObjectName(name);
    box->SetRange(0, overText);
    connect(box, &ui::EntryBox::LostFocus, this, [this, box](bool valid) {
        if (!valid)
            return;
        if (!pointEntered(box)) {
            box->clear();
            box->setFocus();
        }
        recompute();
    });
    connect(box, &QLineEdit::returnPressed, box, [box] { box->nextInFocusChain()->setFocus(); });
    pointBoxes_.push_back(box);
    return box;
}

void frmKuripuBase::setPointRange(const CreepHolding& holding)
{
    for (ui::PointNumberBox* box : pointBoxes_)
        box->SetLast(holding.lastPoint());
}

QRadioButton* frmKuripuBase::option(QWidget* parent, const QString& name, const QString& text, QButtonGroup* group)
{
    auto* b = new QRadioButton(text, parent);
    b->setObjectName(name);
    group->addButton(b);
    return b;
}

QWidget* frmKuripuBase::fraction(QWidget* parent, QLabel* numerator, QLabel* denominator)
{
    auto* box = new QWidget(parent);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(1);
    auto* rule = new QFrame(box);
    rule->setFrameShape(QFrame::HLine);
    numerator->setAlignment(Qt::AlignCenter);
    denominator->setAlignment(Qt::AlignCenter);
    numerator->setMinimumWidth(120);
    column->addWidget(numerator);
    column->addWidget(rule);
    column->addWidget(denominator);
    return box;
}

void frmKuripuBase::setWarning(QLabel* label, bool warning)
{
    label->setStyleSheet(warning ? QStringLiteral("color: #c0392b;") : QString());
}

void frmKuripuBase::showPoints(const CreepHolding& holding, bool amounts)
{
    ui::ReDrawSuspended pause(*points_);
    points_->SetMaxRows(holding.lastPoint());
    points_->SetColWidth(ColAmount, amounts ? 90 : 0);
    const std::vector<double> creep = CreepAmounts(holding);
    for (int no = 1; no <= holding.lastPoint(); ++no) {
        const CreepPoint& pt = holding.point(no);
        points_->SetRowHeaderText(no, QStringLiteral("No.%1").arg(no));
        points_->SetText(ColMinutes, no, QString::number(pt.minutes));
        ui::SetNumberText(*points_, ColDisplacement, no, pt.displacement, "0.00");
        ui::SetNumberText(*points_, ColAmount, no, creep[std::size_t(no - 1)], "0.00");
    }
    ui::FitGridToRows(*points_, std::max(holding.lastPoint(), 3));
}

void frmKuripuBase::accept()
{
    if (!ui::EndOpenEntry(*this))
        return;
    project().currentCreepSelection() = selection_;
    QDialog::accept();
}

} // namespace tessaro
