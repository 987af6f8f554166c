#pragma once
// The test results of every anchor of the project ("試験結果一覧"), each anchor
// evaluated afresh: on one tab the elastic and permanent displacements against
// the control limits with the final verdict, on the other the creep judgement
// repeated from the stored creep selections. From here the engineer opens the
// details of an anchor, previews the list, the detailed lists and the creep
// sheets of all anchors, and the summary charts.

#include "evaluation/ResultsList.h"

#include <QDialog>
#include <vector>

class QStackedWidget;
class QTabBar;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmEffect : public QDialog {
    Q_OBJECT
public:
    explicit frmEffect(QWidget* parent = nullptr);
    static void ShowForm(QWidget* parent);

    const std::vector<ResultsRow>& rows() const { return rows_; }
    // The grid of tab 0 (displacements) or 1 (creep).
    ui::SpreadGrid& grid(int tab) const;

private:
    QWidget* buildButtons();
    void fillDisplacementGrid();
    void fillCreepGrid();
    // The anchor of the selected row (1-based); 0 when none is selected.
    int selectedAnchor() const;
    void showDetail();
    void previewDetails();
    void previewCreepSheets();
    void previewList();

    std::vector<ResultsRow> rows_;
    QTabBar* tabs_ = nullptr;
    QStackedWidget* pages_ = nullptr;
    ui::SpreadGrid* displacement_ = nullptr;
    ui::SpreadGrid* creep_ = nullptr;
};

} // namespace tessaro
