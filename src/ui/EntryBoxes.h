#pragma once
// Formatted entry boxes: a text box and a number box with a display format
// ("0.00", "###0.00", "#0", …). A number box given a caption and a range runs
// the numeric-field check when the user leaves it; LostFocus then tells the
// window whether the entry stands.

#include <QLineEdit>
#include <optional>

namespace tessaro::ui {

class EntryBox : public QLineEdit {
    Q_OBJECT
public:
    explicit EntryBox(QWidget* parent = nullptr) : QLineEdit(parent) {}

    QString Text() const { return text(); }
    void SetText(const QString& text) { setText(text); }
    void SetFocus() { setFocus(Qt::OtherFocusReason); }
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }

signals:
    // The user left the box (not when the window merely lost the activation or
    // the box's own context menu opened); valid is false when the check refused the entry.
    void LostFocus(bool valid);

protected:
    void focusOutEvent(QFocusEvent* event) override;
    // What leaving the box runs; true when the entry stands.
    virtual bool entryEnded() { return true; }

private:
    bool ending_ = false;
};

class TextBox : public EntryBox {
    Q_OBJECT
public:
    explicit TextBox(QWidget* parent = nullptr) : EntryBox(parent) {}
};

class NumberBox : public EntryBox {
    Q_OBJECT
public:
    explicit NumberBox(QWidget* parent = nullptr, const QString& format = QStringLiteral("0.00"));

    QString Format() const { return format_; }
    void SetFormat(const QString& format) { format_ = format; }
    // Leaving the box checks the entry against [minimum, maximum]; the caption
    // names the field in the messages.
    void SetCheck(const QString& caption, double minimum, double maximum);
    double Minimum() const { return minimum_; }
    double Maximum() const { return maximum_; }

    // The number in the box; nothing when it is empty or not numeric.
    std::optional<double> Value() const;
    // The number as the box's check would accept it (cut to the format's
    // decimals), without a message; nothing when empty or refused. Windows that
    // recompute while the user types read their boxes so.
    std::optional<double> AcceptedValue() const;
    // The value written with the box's format.
    void SetValue(double value);
    // The numeric-field check with the box's caption, range and format.
    bool Check(bool silent = false);

protected:
    bool entryEnded() override { return Check(); }

private:
    QString format_;
    QString caption_;
    double minimum_;
    double maximum_;
};

// Ends the entry still open in the window's focused box, as leaving the box
// would: for OK pressed by a key or by a click that takes no focus. False when
// the box refused its entry and took the focus back.
bool EndOpenEntry(QWidget& window);

} // namespace tessaro::ui
