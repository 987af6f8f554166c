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
// The same for a window whose two buttons carry control names of their own.
QPushButton* addOkCancel(QHBoxLayout* row, QDialog* dialog, const QString& okName, const QString& cancelName);

// A value the window computes and shows: a sunken box of right-aligned text.
QLabel* valueBox(QWidget* parent, const QString& name, int minimumWidth = 64);
// Bold type, enlarged by the factor.
void setEmphasis(QWidget* widget, double scale = 1.0);

// The head of a window that shows one anchor at a time: the anchor number in
// large bold type, a caption beside it and the anchor navigator at the right.
QHBoxLayout* anchorHeadRow(QLabel* anchorNo, QWidget* caption, QWidget* navigator);

// A reading sheet as wide as its columns beside a chart that takes the rest.
QSplitter* sheetBesideChart(QWidget* parent, QWidget* sheet, QWidget* chart);

} // namespace tessaro::ui
