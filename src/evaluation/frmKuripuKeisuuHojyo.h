#pragma once
// The choice of the cycle whose maximum-load holding the creep-coefficient
// window evaluates ("クリープ係数算出のためのサイクル最大荷重の選択"): the load
// plan of the anchor as a load–time diagram with the chosen cycle's maximum
// load marked, beside the design anchor force.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <QDialog>

class QLabel;

namespace tessaro {

namespace ui {
class Chart2D;
class PointNumberBox;
} // namespace ui

class frmKuripuKeisuuHojyo : public QDialog {
    Q_OBJECT
public:
    frmKuripuKeisuuHojyo(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle, int cycle,
        QWidget* parent = nullptr);

    // Shows the plan of the anchor with `cycle` chosen (0: none yet); true with
    // the cycle chosen when OK was pressed with a cycle.
    static bool ShowForm(
        QWidget* parent, const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle, int& cycle);

    int cycle() const;

private:
    void showCycle();
    void accept() override;

    const AnchorRecord& anchor_;
    const HoldingSchedule& schedule_;
    bool singleCycle_;
    ui::Chart2D* chart_ = nullptr;
    ui::PointNumberBox* cycleBox_ = nullptr;
    QLabel* load_ = nullptr;
};

} // namespace tessaro
