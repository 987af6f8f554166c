#pragma once
// Load-bearing-body spacing ("耐荷体間隔設定") of a load-distribution anchor:
// up to five spacings whose total must equal the anchor-body length. Works on a
// copy of the anchor; OK writes the spacings back.

#include "model/AnchorRecord.h"
#include "planning/BodySpacing.h"

#include <QDialog>

class QLabel;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmTaikatai : public QDialog {
    Q_OBJECT
public:
    explicit frmTaikatai(const AnchorRecord& anchor, QWidget* parent = nullptr);

    // The anchor being edited (the working anchor of a basic investigation).
    static bool ShowForm(QWidget* parent);
    static bool ShowForm(QWidget* parent, AnchorRecord& anchor);

    const AnchorRecord& anchor() const { return anchor_; }

private:
    std::array<double, MaxBodySpacings> spacings() const;
    void showTotal();
    void accept() override;

    AnchorRecord anchor_;
    ui::SpreadGrid* grid_ = nullptr;
    QLabel* total_ = nullptr;
};

} // namespace tessaro
