#pragma once
// What both creep windows ("アンカーの変位を判定") share: a copy of the current
// anchor and of its creep selection, the chart and the table of the holding's
// points, the entry boxes of point numbers, and the buttons to print, to open
// the engineer's final judgement, to store the selection (OK) or leave it.

#include "evaluation/CreepEvaluation.h"

#include <QDialog>

class QButtonGroup;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaro {

namespace ui {
class Chart2D;
class PointNumberBox;
class SpreadGrid;
} // namespace ui

class frmKuripuBase : public QDialog {
    Q_OBJECT
public:
    explicit frmKuripuBase(const QString& name, QWidget* parent = nullptr);

    // The project changed: OK stored the selection, or the final judgement
    // opened from here stored a verdict.
    bool projectChanged() const { return result() == QDialog::Accepted || judged_; }

protected:
    // Lays the window out: the chart and the points' table left, the window's
    // own panel right, the buttons under it.
    void buildLayout(QWidget* panel);
    // A point-number box; leaving it with a valid entry runs pointEntered.
    ui::PointNumberBox* pointBox(const QString& name, const QString& overText);
    // An option button of a group.
    static QRadioButton* option(QWidget* parent, const QString& name, const QString& text, QButtonGroup* group);
    // A fraction: the numerator over a rule over the denominator.
    static QWidget* fraction(QWidget* parent, QLabel* numerator, QLabel* denominator);
    // A text in red (a warning) or black.
    static void setWarning(QLabel* label, bool warning);
    // The points of the holding in the table, with their creep amounts when asked.
    void showPoints(const CreepHolding& holding, bool amounts);
    // Every point box takes numbers up to the holding's last point.
    void setPointRange(const CreepHolding& holding);

    // A point number was entered; `box` is the box left. Return false to refuse
    // the entry (the box is then emptied and refocused by the caller).
    virtual bool pointEntered(ui::PointNumberBox* box) = 0;
    // Recomputes and shows everything from the boxes and options.
    virtual void recompute() = 0;
    virtual void print() = 0;

    AnchorRecord anchor_;
    CreepSelection selection_;
    CreepSettings settings_;
    int anchorNumber_ = 1;
    ui::Chart2D* chart_ = nullptr;
    ui::SpreadGrid* points_ = nullptr;
    std::vector<ui::PointNumberBox*> pointBoxes_;

private:
    bool judged_ = false;
    void accept() override;
    QWidget* buildButtons();
};

} // namespace tessaro
