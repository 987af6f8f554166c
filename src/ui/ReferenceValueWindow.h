#pragma once
// A small window showing a table of reference values (bond stresses of the
// standard and the like) from which the user may take one into an entry box.

#include "evaluation/JudgementReferenceTexts.h"

#include <optional>

class QWidget;

namespace tessaro::ui {

// Shown modally through execModal with the objectName given: the value of the
// cell chosen by [選択] or a double click; none when the window was closed.
std::optional<double> chooseReferenceValue(
    QWidget* parent, const QString& objectName, const ReferenceValueTable& table);

} // namespace tessaro::ui
