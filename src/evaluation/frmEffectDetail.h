#pragma once
// The results of one anchor in detail ("試験結果（詳細）"): every reading row
// with its cycle, load and elongation, the control values at its load and the
// elastic and permanent displacement of each cycle, evaluated afresh.

#include "model/AnchorRecord.h"

#include <QDialog>

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmEffectDetail : public QDialog {
    Q_OBJECT
public:
    // Anchor n (1-based; 1 in a basic investigation).
    frmEffectDetail(int anchor, QWidget* parent = nullptr);
    static void ShowForm(QWidget* parent, int anchor);

private:
    void fillGrid();
    void preview();

    int anchor_;
    AnchorRecord evaluated_;
    ui::SpreadGrid* grid_ = nullptr;
};

} // namespace tessaro
