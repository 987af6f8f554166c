#include "evaluation/frmMasatuSonshitu.h"

#include "documents/FrictionLossSheet.h"
#include "documents/frmPreview.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "evaluation/FrictionLossTexts.h"
#include "graphs/FrictionLossChart.h"
#include "graphs/GraphFormats.h"
#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"
#include "ui/WindowParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <limits>

namespace tessaro {
namespace {

const QString NoPointMessage
    = QStringLiteral("測定値の入力不足より弾性変位量が算出できないため、点番号の指定ができません。");
const QString BlankMessage = QStringLiteral("空白があります。入力し直してください。");
const QString InterceptPattern = QStringLiteral("####0.00");
constexpr int Indent = 24;

QLabel* resultLabel(QWidget* parent, const char* name)
{
    QLabel* label = ui::namedLabel(parent, QLatin1String(name));
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setMinimumWidth(90);
    return label;
}

} // namespace

frmMasatuSonshitu::frmMasatuSonshitu(QWidget* parent)
    : QDialog(parent)
    , anchor_(project().currentAnchor())
{
    setObjectName("frmMasatuSonshitu");
    setWindowTitle(QStringLiteral("摩擦損失量の算出"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);

    chart_ = new ui::Chart2D(this);
    chart_->setObjectName("Chart2D1");
    chart_->setFormat(designedFrictionLossFormat());
    ui::restrictEditorHideBasic(*chart_);

    auto* buttons = new QHBoxLayout;
    QPushButton* preview = ui::commandButton(this, "CmdPreview", QStringLiteral("印刷プレビュー"));
    connect(preview, &QPushButton::clicked, this, &frmMasatuSonshitu::preview);
    buttons->addWidget(preview);
    buttons->addStretch();
    ui::addOkCancel(buttons, this);

    auto* side = new QVBoxLayout;
    side->addWidget(buildChoice());
    side->addWidget(buildResults());
    side->addStretch();
    side->addLayout(buttons);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(chart_, 1);
    layout->addLayout(side);
    resize(1040, 640);

    fillFromRecord();
}

bool frmMasatuSonshitu::ShowForm(QWidget* parent)
{
    frmMasatuSonshitu window(parent);
    return ui::execModal(window) == QDialog::Accepted;
}

QWidget* frmMasatuSonshitu::buildChoice()
{
    auto* frame = new QGroupBox(QStringLiteral("交点荷重の設定"), this);
    frame->setObjectName("Frame1");
    options_[0] = new QRadioButton(QStringLiteral("２点を選択"), frame);
    options_[1] = new QRadioButton(QStringLiteral("直線と荷重軸の交点荷重を指定"), frame);
    for (int i = 0; i < 2; ++i) {
        options_[std::size_t(i)]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        points_[std::size_t(i)] = new ui::NumberBox(frame, QStringLiteral("#0"));
        points_[std::size_t(i)]->setObjectName(QStringLiteral("imText1_%1").arg(i));
        points_[std::size_t(i)]->setFixedWidth(40);
        connect(
            points_[std::size_t(i)], &ui::EntryBox::LostFocus, this, [this, i](bool valid) { pointEntered(i, valid); });
    }
    intercept_ = new ui::NumberBox(frame, InterceptPattern);
    intercept_->setObjectName("imText2");
    intercept_->setFixedWidth(90);
    connect(intercept_, &ui::EntryBox::LostFocus, this, &frmMasatuSonshitu::interceptEntered);

    auto* line = new QHBoxLayout;
    line->addSpacing(Indent);
    line->addWidget(points_[0]);
    line->addWidget(new QLabel(QStringLiteral("と"), frame));
    line->addWidget(points_[1]);
    line->addWidget(new QLabel(QStringLiteral("番目をつなぐ直線と"), frame));
    line->addStretch();
    auto* axis = new QHBoxLayout;
    axis->addSpacing(Indent);
    axis->addWidget(new QLabel(QStringLiteral("荷重軸との交点"), frame));
    auto* given = new QHBoxLayout;
    given->addSpacing(Indent);
    given->addWidget(intercept_);
    given->addWidget(new QLabel(QStringLiteral("ｋN　を指定"), frame));
    given->addStretch();

    auto* layout = new QVBoxLayout(frame);
    layout->addWidget(options_[0]);
    layout->addLayout(line);
    layout->addLayout(axis);
    layout->addSpacing(8);
    layout->addWidget(options_[1]);
    layout->addLayout(given);
    return frame;
}

QWidget* frmMasatuSonshitu::buildResults()
{
    auto* frame = new QGroupBox(QStringLiteral("算出結果"), this);
    frame->setObjectName("Frame2");
    shiki1_ = ui::namedLabel(frame, "LblShiki1");
    shiki2_ = ui::namedLabel(frame, "LblShiki2");
    sonshitu_ = resultLabel(frame, "LblSonshitu");
    tendonJiyuu_ = resultLabel(frame, "LblTendonJiyuu");
    QFont bold = sonshitu_->font();
    bold.setBold(true);
    sonshitu_->setFont(bold);
    tendonJiyuu_->setFont(bold);

    auto* grid = new QGridLayout(frame);
    grid->addWidget(new QLabel(QStringLiteral("摩擦損失量 ＝ 交点荷重 － 初期荷重"), frame), 0, 0, 1, 3);
    grid->addWidget(shiki1_, 1, 0, 1, 3);
    grid->addWidget(shiki2_, 2, 0, 1, 3);
    grid->setRowMinimumHeight(3, 8);
    grid->addWidget(new QLabel(QStringLiteral("摩擦損失量"), frame), 4, 0);
    grid->addWidget(sonshitu_, 4, 1);
    grid->addWidget(new QLabel(QStringLiteral("kN"), frame), 4, 2);
    grid->addWidget(new QLabel(QStringLiteral("見かけのテンドン自由長"), frame), 5, 0);
    grid->addWidget(tendonJiyuu_, 5, 1, 1, 2);
    grid->setColumnStretch(1, 1);
    return frame;
}

void frmMasatuSonshitu::fillFromRecord()
{
    EvaluateAnchor(anchor_);
    // Point numbers run from 1 to the points offered; with none offered any
    // number is taken by the check and then refused with the reason.
    const int points = frictionPointCount(anchor_);
    const double most = points > 0 ? points : std::numeric_limits<double>::max();
    const std::uint8_t stored[] = { anchor_.PointA, anchor_.PointB };
    for (std::size_t i = 0; i < points_.size(); ++i) {
        points_[i]->SetCheck(QStringLiteral("点番号"), points > 0 ? 1 : -most, most);
        points_[i]->SetText(stored[i] != 0 ? QString::number(stored[i]) : QString());
    }
    intercept_->SetCheck(QStringLiteral("指定した交点荷重"), 0, anchor_.Plan.PlannedMaxLoad);
    if (anchor_.GivenIntercept != InterceptNotGiven)
        intercept_->SetValue(anchor_.GivenIntercept);
    const bool given = anchor_.UseGivenIntercept != 0;
    options_[given ? 1 : 0]->setChecked(true);
    connect(options_[1], &QRadioButton::toggled, this, &frmMasatuSonshitu::chooseOption);
    chooseOption(given);
}

void frmMasatuSonshitu::chooseOption(bool givenIntercept)
{
    anchor_.UseGivenIntercept = givenIntercept ? 1 : 0;
    for (ui::NumberBox* box : points_)
        box->SetEnabled(!givenIntercept);
    intercept_->SetEnabled(givenIntercept);
    refresh();
}

void frmMasatuSonshitu::pointEntered(int box, bool valid)
{
    ui::NumberBox* entered = points_[std::size_t(box)];
    if (valid && !entered->Text().isEmpty() && frictionPointCount(anchor_) == 0) {
        showMessage(NoPointMessage, MsgIcon::Information);
        entered->SetText({});
    }
    // A refused entry has been emptied by the check: it counts as not chosen.
    const auto number = std::uint8_t(entered->Value().value_or(0));
    (box == 0 ? anchor_.PointA : anchor_.PointB) = number;
    refresh();
}

void frmMasatuSonshitu::interceptEntered(bool)
{
    anchor_.GivenIntercept = float(intercept_->Value().value_or(0));
    refresh();
}

// Evaluates the copy with the choice as it stands and shows the outcome. The
// results are shown once the chosen way has its values: both point numbers,
// or the intersection load.
void frmMasatuSonshitu::refresh()
{
    EvaluateAnchor(anchor_);
    ChartData data;
    drawFrictionLossChart(data, anchor_);
    chart_->setData(std::move(data));
    const bool shown
        = anchor_.UseGivenIntercept ? !intercept_->Text().isEmpty() : anchor_.PointA > 0 && anchor_.PointB > 0;
    const FrictionLossTexts t = shown ? frictionLossTexts(anchor_) : FrictionLossTexts {};
    shiki1_->setText(t.shiki1);
    shiki2_->setText(t.shiki2);
    sonshitu_->setText(t.sonshitu);
    tendonJiyuu_->setText(t.tendonJiyuu);
}

bool frmMasatuSonshitu::needsBlankBox() const
{
    if (anchor_.UseGivenIntercept)
        return intercept_->Text().isEmpty();
    return points_[0]->Text().isEmpty() || points_[1]->Text().isEmpty();
}

void frmMasatuSonshitu::accept()
{
    if (!ui::EndOpenEntry(*this))
        return;
    if (needsBlankBox()) {
        showMessage(BlankMessage, MsgIcon::Information);
        return;
    }
    project().currentAnchor() = anchor_;
    QDialog::accept();
}

// The friction-loss sheet of the copy as it stands, with the chart as on screen.
void frmMasatuSonshitu::preview()
{
    if (!ui::EndOpenEntry(*this))
        return;
    if (needsBlankBox() || !frictionSheetReady(anchor_)) {
        showMessage(FrictionSheetIncompleteMessage, MsgIcon::Information);
        return;
    }
    report::ReportEngine engine;
    const bool ended = PrintMasatusonshitu(engine, project(), anchor_, chart_->format());
    previewDocument(this, engine, ended, QStringLiteral("摩擦損失量の算出"));
}

} // namespace tessaro
