#pragma once
// Helpers the window tests share: controls found and buttons clicked by their
// names, a window shown as the active one, and its picture saved when TESSARO_SCREENSHOTS names a
// folder (for looking at layouts).

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace tessaro::test {

template <class T> T* control(QWidget& window, const QString& name)
{
    T* c = window.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Clicks a button of the window, found by its name.
inline void click(QWidget& window, const QString& name)
{
    if (auto* b = control<QAbstractButton>(window, name))
        b->click();
}

// Shows the window as the active one so that focus and key events behave as on
// the desktop.
inline void showActive(QWidget& w)
{
    w.show();
    QApplication::setActiveWindow(&w);
    w.activateWindow();
    QTest::qWait(0);
}

inline void screenshot(QWidget& w, const QString& name)
{
    QString dir = qEnvironmentVariable("TESSARO_SCREENSHOTS");
    if (dir.isEmpty())
        return;
    w.show();
    QApplication::processEvents();
    w.grab().save(QDir(dir).filePath(name + ".png"));
}

} // namespace tessaro::test
