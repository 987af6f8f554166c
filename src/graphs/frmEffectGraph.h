#pragma once
// The summary charts of the anchor tests ("アンカー試験結果総括図"): the
// permanent displacement of every anchor, and its elastic displacement against
// the theoretical value and the control limits at Tp, twenty anchors a page.

#include "graphs/SummaryCharts.h"

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;

namespace tessaro::ui {
class Chart2D;
class NumberBox;
} // namespace tessaro::ui

namespace tessaro {

class frmEffectGraph : public QDialog {
    Q_OBJECT
public:
    explicit frmEffectGraph(QWidget* parent = nullptr);
    // Shows the page of the project's current anchor.
    static void ShowForm(QWidget* parent);

    // Shows page n (1-based) when it exists.
    bool showPage(int page);
    int page() const { return page_; }
    int pageCount() const;
    // Chart 1 (permanent) or 2 (elastic).
    ui::Chart2D& chart(int n) const { return *charts_[std::size_t(n - 1)]; }

private:
    QWidget* buildPaging();
    void pageEntered(bool valid);
    void saveFormats();
    void preview();

    int page_ = 1;
    std::array<ui::Chart2D*, 2> charts_ {};
    ui::NumberBox* number_ = nullptr;
    QLabel* pageMax_ = nullptr;
    QLabel* range_ = nullptr;
    QPushButton* prevPage_ = nullptr;
    QPushButton* nextPage_ = nullptr;
};

} // namespace tessaro
