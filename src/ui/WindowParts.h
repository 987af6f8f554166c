#pragma once
// Small pieces every window builds its controls from, named by their control
// names so that tests and the windows' own code find them.

#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace tessaro::ui {

// A command button; it is pressed by a click or its own key, never by Enter in
// another control (only the window's OK button is the default).
QPushButton* commandButton(QWidget* parent, const QString& name, const QString& text);

// A label with a control name, for texts the window changes.
QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text = {});

} // namespace tessaro::ui
