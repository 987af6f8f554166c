#include "ui/AnchorNavigator.h"

#include "ui/EntryBoxes.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace tessaro::ui {

AnchorNavigator::AnchorNavigator(QWidget* parent)
    : QWidget(parent)
    , prev_(new QPushButton(QStringLiteral("◀"), this))
    , number_(new NumberBox(this, QStringLiteral("0")))
    , count_(new QLabel(this))
    , next_(new QPushButton(QStringLiteral("▶"), this))
{
    prev_->setObjectName("cmdPrev");
    prev_->setToolTip(QStringLiteral("前のアンカー"));
    prev_->setAutoDefault(false);
    next_->setObjectName("cmdNext");
    next_->setToolTip(QStringLiteral("次のアンカー"));
    next_->setAutoDefault(false);
    number_->setObjectName("imNum");
    number_->setFixedWidth(48);
    count_->setObjectName("LblNumMax");
    for (QPushButton* b : { prev_, next_ })
        b->setFixedWidth(32);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new QLabel(QStringLiteral("アンカーNo."), this));
    layout->addWidget(prev_);
    layout->addWidget(number_);
    layout->addWidget(new QLabel(QStringLiteral("／"), this));
    layout->addWidget(count_);
    layout->addWidget(next_);

    connect(prev_, &QPushButton::clicked, this, [this] { request(current_ - 1); });
    connect(next_, &QPushButton::clicked, this, [this] { request(current_ + 1); });
    connect(number_, &QLineEdit::returnPressed, this, &AnchorNavigator::numberEntered);
    connect(number_, &EntryBox::LostFocus, this, [this](bool valid) {
        if (valid)
            numberEntered();
    });
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setCount(1);
}

void AnchorNavigator::setCount(int count)
{
    total_ = std::max(count, 1);
    count_->setText(QString::number(total_));
    number_->SetCheck(QStringLiteral("アンカーNo."), 1, total_);
    number_->setEnabled(total_ > 1);
    setCurrent(current_);
}

void AnchorNavigator::setCurrent(int anchor)
{
    current_ = std::clamp(anchor, 1, total_);
    number_->SetValue(current_);
    prev_->setEnabled(current_ > 1);
    next_->setEnabled(current_ < total_);
}

void AnchorNavigator::numberEntered()
{
    if (!number_->Check(true)) {
        number_->Check(); // tells the user and empties the box
        setCurrent(current_);
        return;
    }
    std::optional<double> v = number_->Value();
    if (v)
        request(int(*v));
    else
        setCurrent(current_);
}

void AnchorNavigator::request(int anchor)
{
    if (anchor >= 1 && anchor <= total_ && anchor != current_)
        emit moveRequested(anchor);
}

} // namespace tessaro::ui
