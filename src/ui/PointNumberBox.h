#pragma once
// An entry box for a whole number from 1 to a last number (a point of a load
// holding, a cycle of the plan). Leaving it with a number beyond that range
// tells the user the range ("入力範囲を超えました。" and "（入力範囲 : 1 ～ n ）")
// and the box is emptied and gets the focus back; an empty box is accepted.

#include "ui/EntryBoxes.h"

namespace tessaro::ui {

class PointNumberBox : public NumberBox {
    Q_OBJECT
public:
    explicit PointNumberBox(QWidget* parent = nullptr);

    // The last number and the first line of the range message. Without a last
    // number (0) the box takes nothing and is disabled.
    void SetRange(int last, const QString& overText);
    void SetLast(int last) { SetRange(last, overText_); }
    // The number in the box; 0 when it is empty.
    int Number() const;
    void SetNumber(int number); // 0 empties the box

protected:
    bool entryEnded() override;

private:
    int last_ = 0;
    QString overText_;
};

// "入力範囲を超えました。" and "入力範囲が超えました。" (the creep-coefficient
// window and its cycle choice word it so).
inline const QString RangeExceededText = QStringLiteral("入力範囲を超えました。");
inline const QString RangeExceededTextCoefficient = QStringLiteral("入力範囲が超えました。");

} // namespace tessaro::ui
