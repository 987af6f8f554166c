#pragma once
// "出力選択": which anchors the quality-assurance plan or report prints. One
// row per anchor with its check box ("印刷対象"), name and kind of test; a box
// that checks or clears them all; the count of anchors checked. The choice is
// kept with the open project for the next document.

#include <QDialog>
#include <vector>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace tessaro {

class frmPrintReport : public QDialog {
    Q_OBJECT
public:
    explicit frmPrintReport(QWidget* parent = nullptr);

    // Asks for the anchors of the open project; true with the project's choice
    // stored when confirmed.
    static bool ShowForm(QWidget* parent);

    // The anchors checked, 1-based and ascending.
    std::vector<int> checkedAnchors() const;

    void accept() override;

private:
    void refreshCount();
    void checkAll(bool on);

    QTableWidget* grid_;
    QCheckBox* all_;
    QLabel* count_;
};

} // namespace tessaro
