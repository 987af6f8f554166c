#pragma once
// Options of the anchor particulars list: which anchors (a range of anchor
// numbers or the anchor displayed) and whether the pages are numbered.

#include "documents/AnchorListDocument.h"

#include <QDialog>

class QCheckBox;

namespace tessaro {

namespace ui {
class AnchorRangeBox;
}

class frmPrintSyogen : public QDialog {
    Q_OBJECT
public:
    enum Range { ByNumbers, DisplayedOnly };

    // Works on the open project and its current anchor.
    explicit frmPrintSyogen(QWidget* parent = nullptr);

    // Asks for the options, then composes the list and shows the preview
    // (the main window's particulars-list command and preview menu).
    static void ShowForm(QWidget* parent);

    Range range() const;
    // The anchors chosen, 1-based first..last.
    int first() const;
    int last() const;
    AnchorListOptions options() const;
    // Composes the chosen list into the engine; false when it could not be written.
    bool compose(report::ReportEngine& engine) const;

private:
    void confirm();

    ui::AnchorRangeBox* range_;
    QCheckBox* pageNumbers_;
};

} // namespace tessaro
