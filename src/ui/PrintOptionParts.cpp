#include "ui/PrintOptionParts.h"

#include "model/UserMessage.h"
#include "ui/EntryBoxes.h"

#include <QCheckBox>
#include <QDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace tessaro::ui {
namespace {

NumberBox* rangeBox(QWidget* parent, const char* name)
{
    auto* box = new NumberBox(parent, QStringLiteral("0"));
    box->setObjectName(QLatin1String(name));
    box->setAlignment(Qt::AlignRight);
    box->setFixedWidth(60);
    box->SetCheck(QStringLiteral("印刷範囲"), 0, 99999);
    return box;
}

} // namespace

AnchorRangeBox::AnchorRangeBox(QWidget* parent, const QString& optionName, int anchors, int current, bool basic)
    : QGroupBox(QStringLiteral("印刷範囲"), parent)
    , anchors_(basic ? 1 : anchors)
    , current_(basic ? 1 : current)
{
    numbers_ = new QRadioButton(QStringLiteral("アンカー孔番の指定"), this);
    numbers_->setObjectName(optionName + QStringLiteral("_0"));
    displayed_ = new QRadioButton(QStringLiteral("表示しているアンカー孔番のみ"), this);
    displayed_->setObjectName(optionName + QStringLiteral("_1"));
    start_ = rangeBox(this, "imtxtStart");
    end_ = rangeBox(this, "imtxtEnd");

    auto* grid = new QGridLayout(this);
    grid->addWidget(numbers_, 0, 0);
    auto* row = new QHBoxLayout;
    row->addWidget(start_);
    row->addWidget(new QLabel(QStringLiteral("～"), this));
    row->addWidget(end_);
    row->addWidget(new QLabel(QStringLiteral("(1 ～ %1)").arg(anchors_), this));
    row->addStretch();
    grid->addLayout(row, 0, 1);
    grid->addWidget(displayed_, 1, 0, 1, 2);

    start_->SetValue(current_);
    end_->SetValue(current_);
    numbers_->setEnabled(!basic);
    displayed_->setChecked(true);
    connect(numbers_, &QRadioButton::toggled, this, &AnchorRangeBox::choiceChanged);
    choiceChanged();
}

bool AnchorRangeBox::byNumbers() const
{
    return numbers_->isChecked();
}

int AnchorRangeBox::first() const
{
    return byNumbers() ? int(start_->Value().value_or(0)) : current_;
}

int AnchorRangeBox::last() const
{
    return byNumbers() ? int(end_->Value().value_or(0)) : current_;
}

void AnchorRangeBox::choiceChanged()
{
    start_->SetEnabled(byNumbers());
    end_->SetEnabled(byNumbers());
}

bool AnchorRangeBox::confirm() const
{
    if (!byNumbers())
        return true;
    QString problem;
    if (!start_->Value() || !end_->Value())
        problem = QStringLiteral("印刷範囲が未入力です。");
    else if (first() > last())
        problem = QStringLiteral("範囲指定が間違っています｡");
    else if (first() < 1 || last() > anchors_)
        problem = QStringLiteral("印刷範囲を超えています。") + "\n" + QStringLiteral("入力範囲 ： 1 ～ ")
            + QString::number(anchors_);
    if (problem.isEmpty())
        return true;
    showMessage(problem, MsgIcon::Exclamation);
    return false;
}

QHBoxLayout* printOptionButtons(QDialog* window, QCheckBox* check, QPushButton** ok)
{
    *ok = new QPushButton(QStringLiteral("印刷プレビュー"), window);
    (*ok)->setObjectName("OKButton");
    (*ok)->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), window);
    cancel->setObjectName("CancelButton");
    QObject::connect(cancel, &QPushButton::clicked, window, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(check);
    buttons->addStretch();
    buttons->addWidget(*ok);
    buttons->addWidget(cancel);
    return buttons;
}

} // namespace tessaro::ui
