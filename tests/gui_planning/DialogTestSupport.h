#pragma once
// Finding controls of a window by objectName; showing it active, typing and
// saving screenshots come from the grid test helpers.

#include "gui_ui/GridTestSupport.h"

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

} // namespace tessaro::test
