#pragma once
// The desktop program's message boxes: every message of the system, from core
// code and windows alike, is shown here. Tests replace this with a MessageScript.

namespace tessaro::ui {

// Routes every message to a modal QMessageBox over the active window.
void installMessageBoxes();

} // namespace tessaro::ui
