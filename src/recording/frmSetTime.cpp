#include "recording/frmSetTime.h"

#include "model/UserMessage.h"
#include "recording/ClockTimes.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace tessaro {
namespace {

ui::NumberBox* timeBox(QWidget* parent, const char* name, const QString& caption, int maximum, int value)
{
    auto* box = new ui::NumberBox(parent, QStringLiteral("0"));
    box->setObjectName(QLatin1String(name));
    box->SetCheck(caption, 0, maximum);
    box->SetValue(std::clamp(value, 0, maximum));
    box->setFixedWidth(48);
    return box;
}

} // namespace

frmSetTime::frmSetTime(int mode, int hours, int minutes, QWidget* parent)
    : QDialog(parent)
{
    setObjectName("frmSetTime");
    setWindowTitle(QStringLiteral("時刻設定"));
    end_ = new QRadioButton(QStringLiteral("終了時刻"), this);
    end_->setObjectName("Option1_0");
    start_ = new QRadioButton(QStringLiteral("開始時刻"), this);
    start_->setObjectName("Option1_1");
    (mode == ClockFromEnd ? end_ : start_)->setChecked(true);
    hours_ = timeBox(this, "imNumber1_0", QStringLiteral("時刻（時）"), 23, hours);
    minutes_ = timeBox(this, "imNumber1_1", QStringLiteral("時刻（分）"), 59, minutes);

    auto* choice = new QGroupBox(QStringLiteral("設定する時刻"), this);
    auto* choiceLayout = new QHBoxLayout(choice);
    choiceLayout->addWidget(start_);
    choiceLayout->addWidget(end_);
    auto* time = new QHBoxLayout;
    time->addStretch();
    time->addWidget(hours_);
    time->addWidget(new QLabel(QStringLiteral("時"), this));
    time->addWidget(minutes_);
    time->addWidget(new QLabel(QStringLiteral("分"), this));
    time->addStretch();

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName("CancelButton");
    cancel->setAutoDefault(false);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    connect(ok, &QPushButton::clicked, this, &frmSetTime::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(choice);
    layout->addLayout(time);
    layout->addLayout(buttons);
    setMinimumWidth(280);
}

int frmSetTime::mode() const
{
    return end_->isChecked() ? ClockFromEnd : ClockFromStart;
}
int frmSetTime::hours() const
{
    return int(hours_->Value().value_or(0));
}
int frmSetTime::minutes() const
{
    return int(minutes_->Value().value_or(0));
}

void frmSetTime::accept()
{
    if (!hours_->Check() || !minutes_->Check())
        return;
    // An emptied box is no time of day; midnight is typed as 0.
    if (hours_->text().trimmed().isEmpty() || minutes_->text().trimmed().isEmpty()) {
        showMessage(QStringLiteral("時刻が未入力です。入力してください。"), MsgIcon::Exclamation);
        (hours_->text().trimmed().isEmpty() ? hours_ : minutes_)->SetFocus();
        return;
    }
    QDialog::accept();
}

bool frmSetTime::ShowForm(QWidget* parent, int& mode, int& hours, int& minutes)
{
    frmSetTime dialog(mode, hours, minutes, parent);
    if (ui::execModal(dialog) != QDialog::Accepted)
        return false;
    mode = dialog.mode();
    hours = dialog.hours();
    minutes = dialog.minutes();
    return true;
}

} // namespace tessaro
