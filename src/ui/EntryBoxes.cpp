#include "ui/EntryBoxes.h"

#include "model/NumberFormat.h"
#include "planning/NumericCheck.h"
#include "ui/NumericField.h"

#include <QFocusEvent>
#include <QScopedValueRollback>
#include <limits>

namespace tessaro::ui {

void EntryBox::focusOutEvent(QFocusEvent* event)
{
    QLineEdit::focusOutEvent(event);
    // Switching to another program, a message box or the box's own menu does
    // not end the entry; a check that shows a message must not run twice.
    if (event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason || ending_)
        return;
    QScopedValueRollback guard(ending_, true);
    emit LostFocus(entryEnded());
}

NumberBox::NumberBox(QWidget* parent, const QString& format)
    : EntryBox(parent), format_(format), minimum_(-std::numeric_limits<double>::max()),
      maximum_(std::numeric_limits<double>::max())
{
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
}

void NumberBox::SetCheck(const QString& caption, double minimum, double maximum)
{
    caption_ = caption;
    minimum_ = minimum;
    maximum_ = maximum;
}

std::optional<double> NumberBox::Value() const { return parseNumericText(text()); }

std::optional<double> NumberBox::AcceptedValue() const
{
    NumericCheck r = checkNumericText(caption_, text(), minimum_, maximum_, format_);
    return r.status == NumericCheck::Valid ? std::optional<double>(r.value) : std::nullopt;
}

void NumberBox::SetValue(double value) { setText(formatNumber(value, format_)); }

bool NumberBox::Check(bool silent) { return checkNumericField(caption_, this, minimum_, maximum_, format_, silent); }

bool EndOpenEntry(QWidget& window)
{
    auto* box = qobject_cast<EntryBox*>(window.focusWidget());
    if (!box)
        return true;
    box->clearFocus();
    return !box->hasFocus();
}

} // namespace tessaro::ui
