#pragma once
// A one-line question for a text, as the system asks for a new name: the prompt,
// a hint below it and the entry box, with OK and Cancel. Shown through
// execModal, so tests answer it as the dialog "DlgInputBox" (box "TxtInput").

#include <QString>
#include <optional>

class QWidget;

namespace tessaro::ui {

// The text entered (possibly empty); nothing when the user cancelled.
std::optional<QString> inputBox(
    QWidget* parent, const QString& prompt, const QString& hint = {}, const QString& initial = {});

} // namespace tessaro::ui
