#pragma once
// The commands of the main window: every menu item, toolbar button and button
// of the window, with the control names that start it, what it does and when it
// can be used. A command whose window is not part of the program yet has no
// handler: its controls are present and disabled.

#include <QStringList>
#include <vector>

class QWidget;

namespace tessaro {

class frmMain;

struct MainCommand {
    // objectNames of the menu items, toolbar buttons (their keys) and buttons.
    QStringList controls;
    // The anchor on screen must pass the anchor check before the command runs.
    bool checksAnchor = false;
    // What the command does; nullptr while its window is not built.
    void (*run)(frmMain&) = nullptr;
    // When the command can be used; nullptr: always.
    bool (*usable)(const frmMain&) = nullptr;
};

const std::vector<MainCommand>& mainCommands();

// The test-conditions window for a new project: number of anchors and their
// jacks. True when accepted; a new project goes on without it while that
// window is not part of the program.
bool ShowNewProjectConditions(QWidget* parent);

} // namespace tessaro
