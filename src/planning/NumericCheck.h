#pragma once
// The check every numeric entry box runs when it loses the focus: empty is
// accepted, anything else must be a number within [minimum, maximum]; a valid
// entry is cut (not rounded) to the decimals of the box's format and rewritten
// with it.

#include <QString>
#include <optional>

namespace tessaro {

struct NumericCheck {
    enum Status { Empty, Valid, NotNumeric, OutOfRange };
    Status status = Empty;
    double value = 0;
    QString text;    // the entry as it should then stand in the box
    QString message; // the system's message for an invalid entry

    bool ok() const { return status == Empty || status == Valid; }
};

// The number a typed text stands for, with digits written full-width (as a
// Japanese input method gives them) read as ordinary digits and blanks around
// it ignored; nothing for an empty or non-numeric text. Grid number cells read
// typed and pasted text with it too.
std::optional<double> parseNumericText(const QString& text);

// Digits written full-width (as a Japanese input method gives them) are read as
// ordinary digits; a decimal comma is not a number.
NumericCheck checkNumericText(const QString& caption, const QString& text, double minimum, double maximum,
                              const QString& format);

// Text of the planned-maximum-load question, whose answers are [再入力] (enter
// again: the value is refused) and [入力確定] (keep the out-of-range value).
QString plannedMaxLoadRangeQuestion(double minimum, double maximum, double value, const QString& format);
inline const QString ReenterCaption = QStringLiteral("再入力");
inline const QString ConfirmCaption = QStringLiteral("入力確定");

inline const QString InputErrorTitle = QStringLiteral("入力エラー");

} // namespace tessaro
