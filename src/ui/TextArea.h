#pragma once
// A text box of several lines that takes at most a given number of characters:
// typing or pasting beyond the limit keeps the first characters, as an entry
// box with a maximum length does.

#include <QPlainTextEdit>

namespace tessaro::ui {

class TextArea : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit TextArea(QWidget* parent = nullptr, int maxLength = 0, int visibleLines = 3);

    QString Text() const { return toPlainText(); }
    void SetText(const QString& text) { setPlainText(text); }
    int MaxLength() const { return maxLength_; }

private:
    void holdToLimit();

    int maxLength_;
};

} // namespace tessaro::ui
