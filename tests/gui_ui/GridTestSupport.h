#pragma once
// Typing into grids and taking screenshots in the control tests.

#include "support/GuiTestSupport.h"
#include "ui/SpreadGrid.h"

namespace tessaro::test {

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

} // namespace tessaro::test
