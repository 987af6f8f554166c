#pragma once
// Typing into grids and taking screenshots in the control tests.

#include "ui/SpreadGrid.h"

#include <QApplication>
#include <QDir>
#include <QTest>

namespace tessaro::test {

// Shows the widget as the active window so that focus and key events behave
// as on the desktop.
inline void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    QTest::qWait(0);
}

// Types the text key by key to whatever has the focus: the first key opens the
// cell editor, the rest go to it.
inline void typeText(QWidget& start, const QString& text)
{
    for (QChar c : text) {
        QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &start;
        QTest::keyClick(target, c.toLatin1());
    }
}

inline void pressKey(QWidget& start, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : &start;
    QTest::keyClick(target, key, modifiers);
}

// Saves a picture of the widget when TESSARO_SCREENSHOTS names a folder.
inline void screenshot(QWidget& w, const QString& name)
{
    QString dir = qEnvironmentVariable("TESSARO_SCREENSHOTS");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(name + ".png"));
}

} // namespace tessaro::test
