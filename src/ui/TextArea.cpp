#include "ui/TextArea.h"

namespace tessaro::ui {

TextArea::TextArea(QWidget* parent, int maxLength, int visibleLines)
    : QPlainTextEdit(parent)
    , maxLength_(maxLength)
{
    setTabChangesFocus(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    const int line = fontMetrics().lineSpacing();
    setFixedHeight(line * visibleLines + 2 * (frameWidth() + int(document()->documentMargin())) + 2);
    connect(this, &QPlainTextEdit::textChanged, this, &TextArea::holdToLimit);
}

void TextArea::holdToLimit()
{
    const QString text = toPlainText();
    if (maxLength_ <= 0 || text.size() <= maxLength_)
        return;
    // The characters beyond the limit go, wherever they were typed or pasted;
    // the cursor stays where it was, as far as the text reaches.
    const int position = std::min(textCursor().position(), maxLength_);
    QSignalBlocker blocker(this);
    setPlainText(text.left(maxLength_));
    QTextCursor cursor = textCursor();
    cursor.setPosition(position);
    setTextCursor(cursor);
    blocker.unblock();
    emit textChanged();
}

} // namespace tessaro::ui
