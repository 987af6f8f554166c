#include "evaluation/frmHikinukiDlg.h"

#include "evaluation/JudgementReferenceTexts.h"
#include "evaluation/PullOutResistance.h"
#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "planning/AnchorParticulars.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/ReferenceValueWindow.h"
#include "ui/WindowParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

const QString PerimeterFormat = QStringLiteral("###0.0");
const QString BondStressFormat = QStringLiteral("0.00");

// lsa = Td × 10³ (N) / (U · τba), written as a fraction.
QWidget* formula(QWidget* parent)
{
    auto* box = new QWidget(parent);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(1);
    auto* numerator = new QLabel(QStringLiteral("Td　×　10<sup>3</sup>　(N)　"), box);
    numerator->setTextFormat(Qt::RichText);
    auto* bar = new QFrame(box);
    bar->setFrameShape(QFrame::HLine);
    grid->addWidget(new QLabel(QStringLiteral("lsa　＝"), box), 0, 0, 3, 1);
    grid->addWidget(numerator, 0, 1, Qt::AlignHCenter);
    grid->addWidget(bar, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("U　・　τba"), box), 2, 1, Qt::AlignHCenter);
    grid->addWidget(
        new QLabel(QStringLiteral("※　Td : 設計アンカー力（引抜き試験では計画最大荷重 Tp）"), box), 3, 0, 1, 3);
    grid->setColumnStretch(2, 1);
    return box;
}

} // namespace

frmHikinukiDlg::frmHikinukiDlg(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmHikinukiDlg");
    setWindowTitle(QStringLiteral("テンドン拘束長の確認"));
    const AnchorRecord& a = project().currentAnchor();

    auto* anchorFrame = new QGroupBox(QStringLiteral("試験アンカー"), this);
    auto* name = new ui::TextBox(anchorFrame);
    name->setObjectName("imTxtAncName");
    name->setReadOnly(true);
    name->setText(productWithTendonKind(a));
    QLabel* tp = ui::valueBox(anchorFrame, "LblMax");
    tp->setText(formatNumber(a.Plan.PlannedMaxLoad, "######0.00"));
    QLabel* la = ui::valueBox(anchorFrame, "LblAncTyou");
    la->setText(QString::number(a.Tendon.AnchorLength));
    auto* anchorGrid = new QGridLayout(anchorFrame);
    anchorGrid->addWidget(new QLabel(QStringLiteral("アンカー種別"), anchorFrame), 0, 0);
    anchorGrid->addWidget(name, 0, 1, 1, 3);
    anchorGrid->addWidget(new QLabel(QStringLiteral("計画最大荷重 Tp"), anchorFrame), 1, 0);
    anchorGrid->addWidget(tp, 1, 1);
    anchorGrid->addWidget(new QLabel(QStringLiteral("kN"), anchorFrame), 1, 2);
    anchorGrid->addWidget(new QLabel(QStringLiteral("アンカー体長 La"), anchorFrame), 2, 0);
    anchorGrid->addWidget(la, 2, 1);
    anchorGrid->addWidget(new QLabel(QStringLiteral("mm"), anchorFrame), 2, 2);
    anchorGrid->setColumnStretch(3, 1);

    auto* entry = new QGroupBox(QStringLiteral("テンドン拘束長 lsa"), this);
    perimeter_ = entryBox("imTxtMikake", PerimeterFormat, QStringLiteral("見かけの周長"), 9999.9);
    bondStress_ = entryBox("imTxtFutyaku", BondStressFormat, QStringLiteral("極限付着応力度"), 9.99);
    QPushButton* reference = ui::commandButton(entry, "Command1", QStringLiteral("参考値"));
    connect(reference, &QPushButton::clicked, this, &frmHikinukiDlg::chooseBondStress);
    auto* entryGrid = new QGridLayout(entry);
    entryGrid->addWidget(formula(entry), 0, 0, 1, 4);
    entryGrid->addWidget(new QLabel(QStringLiteral("見かけの周長 U"), entry), 1, 0);
    entryGrid->addWidget(perimeter_, 1, 1);
    entryGrid->addWidget(new QLabel(QStringLiteral("mm"), entry), 1, 2);
    entryGrid->addWidget(new QLabel(QStringLiteral("極限付着応力度 τba"), entry), 2, 0);
    entryGrid->addWidget(bondStress_, 2, 1);
    entryGrid->addWidget(new QLabel(QStringLiteral("N/mm2"), entry), 2, 2);
    entryGrid->addWidget(reference, 2, 3);
    entryGrid->setColumnStretch(4, 1);

    auto* result = new QGroupBox(QStringLiteral("計算結果"), this);
    td_ = ui::valueBox(result, "LblTd");
    perimeterShown_ = ui::valueBox(result, "LblMikake");
    bondStressShown_ = ui::valueBox(result, "LblFutyaku");
    required_ = ui::valueBox(result, "Lbllsa");
    QLabel* anchorLength = ui::valueBox(result, "LblAncTaityou");
    anchorLength->setText(formatNumber(a.Tendon.AnchorLength, "######0"));
    sentence_ = ui::namedLabel(result, "LblKousokutyou");
    sentence_->setWordWrap(true);
    verdict_ = ui::namedLabel(result, "LblHantei");
    ui::setEmphasis(verdict_, 1.4);
    conclusion_ = ui::namedLabel(result, "LblKeturon");
    conclusion_->setStyleSheet(QStringLiteral("color: #c0392b;"));
    auto* calc = new QHBoxLayout;
    calc->addWidget(new QLabel(QStringLiteral("lsa ＝"), result));
    calc->addWidget(td_);
    calc->addWidget(new QLabel(QStringLiteral("× 1000 ／ ("), result));
    calc->addWidget(perimeterShown_);
    calc->addWidget(new QLabel(QStringLiteral("×"), result));
    calc->addWidget(bondStressShown_);
    calc->addWidget(new QLabel(QStringLiteral(") ＝"), result));
    calc->addWidget(required_);
    calc->addWidget(new QLabel(QStringLiteral("mm"), result));
    calc->addStretch();
    auto* length = new QHBoxLayout;
    length->addWidget(new QLabel(QStringLiteral("アンカー体長　＝"), result));
    length->addWidget(anchorLength);
    length->addWidget(new QLabel(QStringLiteral("mm"), result));
    length->addStretch();
    auto* verdictRow = new QHBoxLayout;
    verdictRow->addWidget(new QLabel(QStringLiteral("判定　："), result));
    verdictRow->addWidget(verdict_);
    verdictRow->addSpacing(12);
    verdictRow->addWidget(conclusion_, 1);
    auto* resultLayout = new QVBoxLayout(result);
    resultLayout->addLayout(calc);
    resultLayout->addWidget(sentence_);
    resultLayout->addLayout(length);
    resultLayout->addLayout(verdictRow);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this, "Command2_0", "Command2_1");

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(anchorFrame);
    layout->addWidget(entry);
    layout->addWidget(result);
    layout->addLayout(buttons);
    setMinimumWidth(520);
    // The values given before; each box recomputes as it is filled.
    perimeter_->setText(formatNonZero(a.ApparentPerimeter, PerimeterFormat));
    bondStress_->setText(formatNonZero(a.BondStress, BondStressFormat));
    recompute();
}

ui::NumberBox* frmHikinukiDlg::entryBox(const char* name, const QString& format, const QString& caption, double maximum)
{
    auto* box = new ui::NumberBox(this, format);
    box->setObjectName(QLatin1String(name));
    // The smallest step of the box's format up to what the format can hold.
    box->SetCheck(caption, patternDecimals(format) == 1 ? 0.1 : 0.01, maximum);
    box->setFixedWidth(80);
    connect(box, &QLineEdit::textChanged, this, &frmHikinukiDlg::recompute);
    return box;
}

void frmHikinukiDlg::recompute()
{
    const AnchorRecord& a = project().currentAnchor();
    std::optional<double> u = perimeter_->AcceptedValue();
    std::optional<double> tba = bondStress_->AcceptedValue();
    BondLengthCheck check;
    if (u && tba)
        check = CheckBondLength(a.Plan.PlannedMaxLoad, float(*u), float(*tba), a.Tendon.AnchorLength);
    const bool shown = check.required.has_value();
    td_->setText(shown ? formatNumber(a.Plan.PlannedMaxLoad, "#####0.00") : QString());
    perimeterShown_->setText(shown ? formatNumber(*u, "##0.0") : QString());
    bondStressShown_->setText(shown ? formatNumber(*tba, "0.00") : QString());
    required_->setText(shown ? requiredBondLengthText(*check.required) : QString());
    sentence_->setText(shown ? requiredBondLengthSentence(*check.required) : QString());
    verdict_->setText(check.verdict);
    verdict_->setStyleSheet(
        check.verdict == BondLengthNeedsConfirmation ? QStringLiteral("color: #c0392b;") : QString());
    conclusion_->setText(check.conclusion);
}

void frmHikinukiDlg::chooseBondStress()
{
    if (std::optional<double> value = ui::chooseReferenceValue(this, "DlgFutyakuSankou", bondStressReference()))
        bondStress_->setText(formatNumber(*value, BondStressFormat));
}

void frmHikinukiDlg::accept()
{
    if (!ui::EndOpenEntry(*this))
        return;
    AnchorRecord& a = project().currentAnchor();
    std::optional<double> u = perimeter_->AcceptedValue();
    std::optional<double> tba = bondStress_->AcceptedValue();
    a.ApparentPerimeter = float(u.value_or(0));
    a.BondStress = float(tba.value_or(0));
    a.BondCheckGiven = u && tba ? 1 : 0;
    BondLengthCheck check = CheckBondLength(a);
    a.RequiredBondLength = check.required.value_or(0);
    QDialog::accept();
}

bool frmHikinukiDlg::ShowForm(QWidget* parent)
{
    frmHikinukiDlg dialog(parent);
    return ui::execModal(dialog) == QDialog::Accepted;
}

} // namespace tessaro
