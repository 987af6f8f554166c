#pragma once
// A small read-only window showing a reference text (judgement values, tables
// of the standards) with a close button.

#include "planning/PlanReferenceTexts.h"

#include <QString>

class QPushButton;
class QWidget;

namespace tessaro::ui {

// Shown modally through execModal; objectName lets tests expect it.
void showReferenceText(QWidget* parent, const QString& objectName, const QString& title, const QString& text);

// A command button of the window that shows the reference text `make` gives
// (as "DlgReferenceText").
QPushButton* referenceTextButton(QWidget* window, const QString& name, const QString& caption, ReferenceText (*make)());

} // namespace tessaro::ui
