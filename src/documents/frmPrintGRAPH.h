#pragma once
// Options of the graph sheets ("印刷オプション"), asked by the graph window's
// print-all: the print type, colour or black and white, page numbers and which
// anchors.

#include "documents/GraphSheets.h"

#include <QDialog>

class QCheckBox;
class QRadioButton;

namespace tessaro {

namespace ui {
class AnchorRangeBox;
}

struct GraphPrintChoice {
    GraphSheetOptions sheet; // with "グラフを白黒で出力します" as monochrome
    int first = 1; // anchors first..last, 1-based
    int last = 1;
};

class frmPrintGRAPH : public QDialog {
    Q_OBJECT
public:
    // Works on the open project; the anchor displayed is its current anchor.
    explicit frmPrintGRAPH(QWidget* parent = nullptr);

    // Asks for the options; true with the choice on "印刷プレビュー", false on "キャンセル".
    static bool ShowForm(QWidget* parent, GraphPrintChoice* choice);

    GraphPrintChoice choice() const;

private:
    void confirm();

    QRadioButton* type_[2];
    QRadioButton* colour_[2];
    QCheckBox* pageNumbers_;
    ui::AnchorRangeBox* range_;
};

} // namespace tessaro
