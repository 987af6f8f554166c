#include "ui/PointNumberBox.h"

#include "model/UserMessage.h"
#include "planning/NumericCheck.h"
#include "ui/NumericField.h"

#include <limits>

namespace tessaro::ui {

PointNumberBox::PointNumberBox(QWidget* parent)
    : NumberBox(parent, QStringLiteral("#0"))
{
    setFixedWidth(48);
    SetRange(0, RangeExceededText);
}

void PointNumberBox::SetRange(int last, const QString& overText)
{
    last_ = last;
    overText_ = overText;
    SetEnabled(last > 0);
    if (Number() > last)
        clear();
}

int PointNumberBox::Number() const
{
    const std::optional<double> v = Value();
    return v ? int(*v) : 0;
}

void PointNumberBox::SetNumber(int number)
{
    if (number >= 1 && number <= last_)
        SetValue(number);
    else
        clear();
}

bool PointNumberBox::entryEnded()
{
    if (text().trimmed().isEmpty())
        return true;
    if (!checkNumericField(QStringLiteral("番号"), this, std::numeric_limits<double>::lowest(),
            std::numeric_limits<double>::max(), Format()))
        return false;
    const int n = Number();
    if (n >= 1 && n <= last_)
        return true;
    showMessage(overText_ + "\n" + QStringLiteral("（入力範囲 : 1 ～ %1 ）").arg(last_), MsgIcon::Exclamation,
        MsgButtons::Ok, InputErrorTitle);
    clear();
    setFocus();
    return false;
}

} // namespace tessaro::ui
