#pragma once
// Finding controls of a window by objectName and saving screenshots.

#include <QDir>
#include <QWidget>
#include <gtest/gtest.h>

namespace tessaro::test {

template <class T>
T* control(QWidget& window, const QString& name)
{
    T* c = window.findChild<T*>(name);
    EXPECT_NE(c, nullptr) << name.toStdString();
    return c;
}

// Saves a picture of the window when TESSARO_SCREENSHOTS names a folder.
inline void screenshot(QWidget& w, const QString& name)
{
    QString dir = qEnvironmentVariable("TESSARO_SCREENSHOTS");
    if (!dir.isEmpty())
        w.grab().save(QDir(dir).filePath(name + ".png"));
}

} // namespace tessaro::test
