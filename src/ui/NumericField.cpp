#include "ui/NumericField.h"

#include "model/UserMessage.h"
#include "planning/NumericCheck.h"

#include <QLineEdit>

namespace tessaro::ui {

namespace {

void refuse(QLineEdit* box, bool silent)
{
    if (silent)
        return;
    box->clear();
    box->setFocus();
}

} // namespace

bool checkNumericField(const QString& caption, QLineEdit* box, double minimum, double maximum,
                       const QString& format, bool silent)
{
    NumericCheck r = checkNumericText(caption, box->text(), minimum, maximum, format);
    if (r.ok()) {
        if (!silent && r.status == NumericCheck::Valid)
            box->setText(r.text);
        return true;
    }
    showMessage(r.message, MsgIcon::Exclamation, MsgButtons::Ok, InputErrorTitle);
    refuse(box, silent);
    return false;
}

bool checkPlannedMaxLoadField(QLineEdit* box, double minimum, double maximum, const QString& format, bool silent)
{
    if (box->text().trimmed().isEmpty())
        return true;
    std::optional<double> value = parseNumericText(box->text());
    if (!value)
        return false;
    if (*value >= minimum && *value <= maximum)
        return true;
    UserMessage question;
    question.text = plannedMaxLoadRangeQuestion(minimum, maximum, *value, format);
    question.title = InputErrorTitle;
    question.icon = MsgIcon::Exclamation;
    question.buttons = MsgButtons::Custom;
    question.customButtons = {ReenterCaption, ConfirmCaption};
    constexpr int confirmed = 1; // index of [入力確定]
    if (showMessage(question) == confirmed)
        return true;
    refuse(box, silent);
    return false;
}

} // namespace tessaro::ui
