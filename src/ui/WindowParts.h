#pragma once
// Small pieces every window builds its controls from, named by their control
// names so that tests and the windows' own code find them.

#include <QString>

class QDialog;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSplitter;
class QWidget;

namespace tessaro::ui {

// A command button; it is pressed by a click or its own key, never by Enter in
// another control (only the window's OK button is the default).
QPushButton* commandButton(QWidget* parent, const QString& name, const QString& text);

// A label with a control name, for texts the window changes.
QLabel* namedLabel(QWidget* parent, const QString& name, const QString& text = {});

// The OK (default, CmdOK) and Cancel (CmdCancel) buttons at the end of a row,
// confirming and cancelling the dialog; returns the OK button.
QPushButton* addOkCancel(QHBoxLayout* row, QDialog* dialog);

// The head of a window that shows one anchor at a time: the anchor number in
// large bold type, a caption beside it and the anchor navigator at the right.
QHBoxLayout* anchorHeadRow(QLabel* anchorNo, QWidget* caption, QWidget* navigator);

// A reading sheet as wide as its columns beside a chart that takes the rest.
QSplitter* sheetBesideChart(QWidget* parent, QWidget* sheet, QWidget* chart);

} // namespace tessaro::ui
