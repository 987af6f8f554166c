#include "evaluation/frmMenuHantei.h"

#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"
#include "ui/WindowParts.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace tessaro {
namespace {

// A test has at most ten cycles.
constexpr int MaxCycle = 10;

} // namespace

frmMenuHantei::frmMenuHantei(QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmMenuHantei");
    setWindowTitle(QStringLiteral("弾性変位量の判定範囲"));
    auto* frame = new QGroupBox(QStringLiteral("自動判定に用いるサイクル"), this);
    all_ = new QRadioButton(QStringLiteral("全てのサイクルで判定"), frame);
    all_->setObjectName("Option1_0");
    fromCycle_ = new QRadioButton(QStringLiteral("サイクル指定"), frame);
    fromCycle_->setObjectName("Option1_1");
    cycle_ = new ui::NumberBox(frame, QStringLiteral("#0"));
    cycle_->setObjectName("imNumber1");
    cycle_->SetCheck(QStringLiteral("判定を始めるサイクル"), 1, MaxCycle);
    cycle_->setFixedWidth(48);
    auto* grid = new QGridLayout(frame);
    grid->addWidget(all_, 0, 0, 1, 3);
    grid->addWidget(fromCycle_, 1, 0);
    grid->addWidget(cycle_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("サイクル以降から判定する"), frame), 1, 2);
    grid->setColumnStretch(3, 1);

    auto* note = new QLabel(QStringLiteral("※設定した範囲は、次に結果を表示するときから判定に使われます。"), this);
    note->setWordWrap(true);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    ui::addOkCancel(buttons, this);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame);
    layout->addWidget(note);
    layout->addLayout(buttons);

    const ProjectSettings& s = project().Settings;
    const bool from = s.JudgeRangeMode != 0;
    (from ? fromCycle_ : all_)->setChecked(true);
    if (from)
        cycle_->SetValue(s.JudgeFromCycle);
    connect(fromCycle_, &QRadioButton::toggled, this, &frmMenuHantei::choiceChanged);
    choiceChanged();
}

void frmMenuHantei::choiceChanged()
{
    cycle_->setEnabled(fromCycle_->isChecked());
}

void frmMenuHantei::accept()
{
    ProjectSettings& s = project().Settings;
    if (all_->isChecked()) {
        s.JudgeRangeMode = 0;
        QDialog::accept();
        return;
    }
    if (!ui::EndOpenEntry(*this) || !cycle_->Check())
        return;
    std::optional<double> cycle = cycle_->Value();
    if (!cycle) {
        showMessage(QStringLiteral("判定を始めるサイクルを入力して下さい。"), MsgIcon::Information);
        cycle_->SetFocus();
        return;
    }
    s.JudgeRangeMode = 1;
    s.JudgeFromCycle = std::int16_t(*cycle);
    QDialog::accept();
}

bool frmMenuHantei::ShowForm(QWidget* parent)
{
    frmMenuHantei dialog(parent);
    return ui::execModal(dialog) == QDialog::Accepted;
}

} // namespace tessaro
