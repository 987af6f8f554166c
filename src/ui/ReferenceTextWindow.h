#pragma once
// A small read-only window showing a reference text (judgement values, tables
// of the standards) with a close button.

#include <QString>

class QWidget;

namespace tessaro::ui {

// Shown modally through execModal; objectName lets tests expect it.
void showReferenceText(QWidget* parent, const QString& objectName, const QString& title, const QString& text);

} // namespace tessaro::ui
