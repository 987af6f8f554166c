#pragma once
// The creep coefficient of the 2000 edition (window "アンカーの変位を判定"):
// the engineer picks the holding (at the planned maximum load or at the design
// anchor force of a chosen cycle) and two of its points; ⊿c between them,
// with the times as read or converted so that t1 = 1, is judged against creep
// value 1, where a value equal to the limit fails.

#include "evaluation/frmKuripuBase.h"

#include <array>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace tessaro {

class frmKuripuKeisuu : public frmKuripuBase {
    Q_OBJECT
public:
    explicit frmKuripuKeisuu(QWidget* parent = nullptr);

    // Judges the current anchor; true when the project changed (OK stored the
    // selection, or a final verdict was stored from here).
    static bool ShowForm(QWidget* parent);

private:
    QWidget* buildPanel();
    QWidget* buildHoldingFrame(QWidget* parent);
    QWidget* buildTimeFrame(QWidget* parent);
    QWidget* buildResultFrame(QWidget* parent);
    void showSelection();
    void chooseCycle();
    bool pointEntered(ui::PointNumberBox* box) override;
    void recompute() override;
    void showResult();
    void print() override;

    CoefficientJudgement judgement_;
    std::array<QRadioButton*, 2> holding_ {}; // OpnKijyun
    ui::PointNumberBox* cycle_ = nullptr;
    QLabel* timeCaption_ = nullptr;
    ui::PointNumberBox* t1_ = nullptr;
    ui::PointNumberBox* t2_ = nullptr;
    QCheckBox* chosenOnly_ = nullptr;
    std::array<QRadioButton*, 2> conversion_ {}; // Option1
    QLabel* times_ = nullptr;
    QLabel* lblt1_ = nullptr;
    QLabel* lblt2_ = nullptr;
    QLabel* numerator_ = nullptr;
    QLabel* denominator_ = nullptr;
    QLabel* coefficient_ = nullptr;
    QLabel* verdict_ = nullptr;
};

} // namespace tessaro
