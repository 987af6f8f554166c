#pragma once
// The anchor-method list of one anchor type. Adding, renaming and deleting work
// on the working copies BackComboTBL and BackAnchorTBL (a method takes its
// designations along); closing asks whether the database is to be saved, and
// only then do the real tables take the working copies.

#include "refdb/AnchorProducts.h"
#include "refdb/WriteResult.h"

#include <QDialog>

class QCheckBox;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmAncNameAdd : public QDialog {
    Q_OBJECT
public:
    frmAncNameAdd(int type, QWidget* parent = nullptr);

    // True when the user saved the changed list into the database.
    static bool ShowForm(QWidget* parent, int type);

    bool saved() const { return saved_; }

private:
    void loadList(const QString& select = {});
    std::optional<refdb::AnchorMethod> selectedMethod() const;
    void addMethod();
    void renameMethod();
    void deleteMethod();
    bool reportRefusal(refdb::WriteResult result);
    void done(int result) override;

    int type_;
    bool ready_ = false; // the working copies were made from the real tables
    bool saved_ = false;
    QList<refdb::AnchorMethod> methods_;
    ui::SpreadGrid* grid_ = nullptr;
    QCheckBox* differential_ = nullptr;
};

} // namespace tessaro
