#pragma once
// Anchor-product selection for the anchor being edited: a method from the
// method list, one of its designations from the grid, and the details of the
// chosen designation. OK takes the product into a copy of the anchor, which the
// caller writes back.

#include "model/AnchorRecord.h"
#include "refdb/AnchorProducts.h"

#include <QDialog>
#include <map>

class QComboBox;
class QLabel;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmAncDBRefer : public QDialog {
    Q_OBJECT
public:
    explicit frmAncDBRefer(const AnchorRecord& anchor, QWidget* parent = nullptr);

    // The anchor being edited (the working anchor of a basic investigation).
    static bool ShowForm(QWidget* parent);
    static bool ShowForm(QWidget* parent, AnchorRecord& anchor);

    const AnchorRecord& anchor() const { return anchor_; }

private:
    void buildControls();
    QWidget* buildDetails();
    void loadMethods(const QString& name, int type);
    std::optional<refdb::AnchorMethod> currentMethod() const;
    void methodChosen();
    void rowChosen(int row);
    void showDetails();
    void openRegistration();
    void accept() override;

    AnchorRecord anchor_;
    QList<refdb::AnchorMethod> methods_;
    QList<refdb::AnchorDesignation> rows_;
    std::optional<refdb::AnchorDesignation> chosen_;
    QComboBox* methodBox_ = nullptr;
    ui::SpreadGrid* grid_ = nullptr;
    std::map<QString, QLabel*> details_; // value labels by control name
    QLabel* areaNote_ = nullptr;
};

} // namespace tessaro
