#pragma once
// The numeric-field check as windows run it on an entry box: the shared text
// check, its message in an input-error box, and what happens to the box.

#include <QString>

class QLineEdit;

namespace tessaro::ui {

// Empty is accepted. A non-numeric or out-of-range entry is reported (title
// "入力エラー", exclamation) and, unless silent, the box is emptied and gets the
// focus back. A valid entry is cut to the format's decimals and rewritten with
// the format (unless silent). Returns whether the entry is valid.
bool checkNumericField(const QString& caption, QLineEdit* box, double minimum, double maximum,
                       const QString& format, bool silent = false);

// The planned maximum load outside its permitted range asks [再入力] or
// [入力確定]: re-entry refuses the value (unless silent the box is emptied and
// refocused), confirmation keeps it. An empty box or a value inside the range
// passes without a question. Run after checkNumericField.
bool checkPlannedMaxLoadField(QLineEdit* box, double minimum, double maximum, const QString& format,
                              bool silent = false);

} // namespace tessaro::ui
