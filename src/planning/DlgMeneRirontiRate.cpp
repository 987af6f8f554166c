#include "planning/DlgMeneRirontiRate.h"

#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tessaro {

namespace {

const QString RateFormat = QStringLiteral("0.00");

QGroupBox* formulaFrame(QWidget* parent)
{
    auto* frame = new QGroupBox(QStringLiteral("理論弾性伸び量"), parent);
    frame->setObjectName("FrameFormula");
    auto* grid = new QGridLayout(frame);
    auto* formula = new QLabel(QStringLiteral("δet ＝ (Tp − T0) · Lsf ／ (Es · As)"), frame);
    formula->setObjectName("LblFormula");
    QFont f = formula->font();
    f.setPointSizeF(f.pointSizeF() * 1.3);
    formula->setFont(f);
    grid->addWidget(formula, 0, 0, 1, 2);
    const std::pair<const char*, QString> legend[] = {
        { "Tp", QStringLiteral("：計画最大荷重　(kN)") },
        { "T0", QStringLiteral("：初期荷重　(kN)") },
        { "Lsf", QStringLiteral("：緊張時自由長　(mm)") },
        { "Es", QStringLiteral("：テンドン弾性係数　(kN/mm2)") },
        { "As", QStringLiteral("：断面積 (mm2)") },
    };
    int row = 1;
    for (const auto& [symbol, meaning] : legend) {
        grid->addWidget(new QLabel(QString::fromLatin1(symbol), frame), row, 0, Qt::AlignRight);
        grid->addWidget(new QLabel(meaning, frame), row++, 1);
    }
    grid->setColumnStretch(1, 1);
    return frame;
}

ui::NumberBox* rateBox(QWidget* parent, const QString& name, const QString& caption, double minimum, double maximum)
{
    auto* box = new ui::NumberBox(parent, RateFormat);
    box->setObjectName(name);
    box->SetCheck(caption, minimum, maximum);
    box->setFixedWidth(64);
    return box;
}

} // namespace

DlgMeneRirontiRate::DlgMeneRirontiRate(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("DlgMeneRirontiRate");
    setWindowTitle(QStringLiteral("弾性変位量の許容範囲"));
    // The upper line lies above the theoretical elongation, the lower below it.
    upper_ = rateBox(this, "ImNumJyougen", QStringLiteral("上限値"), 1.0, 9.99);
    lower_ = rateBox(this, "ImNumKagen", QStringLiteral("下限値"), 0.01, 1.0);
    // A rate of 0 (older files) means not set: the default stands and is kept.
    ProjectSettings& s = project().Settings;
    if (s.UpperRate == 0)
        s.UpperRate = 1.1f;
    if (s.LowerRate == 0)
        s.LowerRate = 0.9f;
    upper_->SetText(formatNumber(s.UpperRate, RateFormat));
    lower_->SetText(formatNumber(s.LowerRate, RateFormat));

    auto* range = new QGroupBox(QStringLiteral("許容範囲"), this);
    range->setObjectName("FrameRange");
    auto* grid = new QGridLayout(range);
    grid->addWidget(new QLabel(QStringLiteral("上限値　：　理論値 δet ×"), range), 0, 0, Qt::AlignRight);
    grid->addWidget(upper_, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("下限値　：　理論値 δet ×"), range), 1, 0, Qt::AlignRight);
    grid->addWidget(lower_, 1, 1);
    grid->setColumnStretch(2, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(formulaFrame(this));
    layout->addWidget(range);
    layout->addLayout(buttons);
}

void DlgMeneRirontiRate::accept()
{
    if (!upper_->Check() || !lower_->Check())
        return;
    // An emptied box counts as not set and takes the default again.
    ProjectSettings& s = project().Settings;
    s.UpperRate = float(upper_->Value().value_or(0));
    s.LowerRate = float(lower_->Value().value_or(0));
    NormaliseRates(project());
    QDialog::accept();
}

bool DlgMeneRirontiRate::ShowForm(QWidget* parent)
{
    DlgMeneRirontiRate dialog(parent);
    return ui::execModal(dialog) == QDialog::Accepted;
}

} // namespace tessaro
