#pragma once
// The ultimate pull-out force of a basic investigation (pull-out) test
// ("極限引抜き力の判定"): the engineer picks how Tug is taken from the
// load–permanent-displacement points of the test, sees the points and the load–
// displacement curve, and gets the skin friction resistance τ that follows.

#include "evaluation/UltimatePullOut.h"

#include <QDialog>
#include <array>

class QButtonGroup;
class QLabel;

namespace tessaro {

namespace ui {
class Chart2D;
class NumberBox;
class SpreadGrid;
} // namespace ui

class frmKihonHantei : public QDialog {
    Q_OBJECT
public:
    explicit frmKihonHantei(QWidget* parent = nullptr);

    // Shows the window for the anchor of the basic investigation; true when OK
    // stored the ultimate pull-out force.
    static bool ShowForm(QWidget* parent);

    UltimateChoice choice() const;
    const UltimateResult& result() const { return result_; }

private:
    QWidget* buildMethods();
    QWidget* buildPointTable();
    QWidget* buildResult();
    ui::NumberBox* pointBox(QWidget* parent, const QString& name);
    void showStoredChoice();
    void recompute();
    void accept() override;

    AnchorRecord evaluated_;
    UltimateResult result_;
    QButtonGroup* methods_ = nullptr;
    std::array<ui::NumberBox*, 4> linePoints_ {};
    ui::NumberBox* bendPoint_ = nullptr;
    ui::NumberBox* entered_ = nullptr;
    ui::SpreadGrid* points_ = nullptr;
    ui::Chart2D* pointChart_ = nullptr;
    ui::Chart2D* curveChart_ = nullptr;
    QLabel* tug_ = nullptr;
    QLabel* formula_ = nullptr;
    QLabel* answer_ = nullptr;
    QLabel* skinFriction_ = nullptr;
};

} // namespace tessaro
