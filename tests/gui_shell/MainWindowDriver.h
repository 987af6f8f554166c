#pragma once
// Driving the main window by its control names, as the user would.

#include "refdb/DatabaseSettings.h"
#include "refdb/SchemaUpgrade.h"
#include "shell/frmMain.h"
#include "support/GuiTestSupport.h"
#include "ui/SpreadGrid.h"

#include <QAction>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>

namespace tessaro::test {

// Runs a menu item, toolbar button or button, as a click does: only when enabled.
inline void command(frmMain& w, const char* name)
{
    if (auto* a = w.findChild<QAction*>(name)) {
        if (a->isEnabled())
            a->trigger();
    }
    else {
        click(w, name);
    }
}

inline bool enabled(frmMain& w, const char* name)
{
    if (auto* a = w.findChild<QAction*>(name))
        return a->isEnabled();
    return enabled(static_cast<QWidget&>(w), QString(name));
}

inline ui::SpreadGrid* qualityGrid(frmMain& w)
{
    return w.findChild<ui::SpreadGrid*>("vaSpreadHinshitu");
}

inline void selectRow(frmMain& w, int row)
{
    ui::SpreadGrid* grid = qualityGrid(w);
    grid->SetActiveCell(1, row);
    grid->selectRow(row - 1);
}

// Text typed at the cursor, as an input method hands it over (Japanese too).
inline void keyIn(QLineEdit* b, const QString& text)
{
    QKeyEvent key(QEvent::KeyPress, 0, Qt::NoModifier, text);
    QApplication::sendEvent(b, &key);
}

// Replaces a box's text by typing, then leaves the box.
inline void type(QWidget& w, const char* box, const QString& text)
{
    auto* b = control<QLineEdit>(w, box);
    b->selectAll();
    QTest::keyClick(b, Qt::Key_Delete);
    keyIn(b, text);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(b, &leave);
}

// The test conditions of a new project: the reference databases made from the
// seed, the count of test anchors typed and the first jack of the list chosen
// for all of them; then OK.
inline void expectTestConditions(ui::ModalScript& modal, int anchors = 1)
{
    refdb::LoadDatabaseSettings(refdb::DatabaseUpgradeSteps());
    modal.expect("frmJouken", [anchors](QDialog& d) {
        if (auto* count = d.findChild<ui::NumberBox*>("imText1"); count && count->isEnabled())
            count->SetText(QString::number(anchors));
        auto* jacks = d.findChild<QListWidget*>("List1");
        ASSERT_GT(jacks->count(), 0);
        emit jacks->itemDoubleClicked(jacks->item(0));
        click(d, "CmdOK");
    });
}

} // namespace tessaro::test
