#pragma once
// Registration of the designations of an anchor method (one anchor type): the
// grid shows the columns the type uses; saving replaces the method's rows in
// AnchorTBL after the user confirms. The method list itself is edited in
// frmAncNameAdd, opened from here.

#include "refdb/AnchorProducts.h"
#include "refdb/DesignationColumns.h"

#include <QDialog>

class QComboBox;
class QPushButton;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class frmAncDBEntry : public QDialog {
    Q_OBJECT
public:
    frmAncDBEntry(int type, const QString& method, QWidget* parent = nullptr);

    // Opens on the methods of the anchor type, with `method` chosen when given.
    // True when designations were saved or deleted.
    static bool ShowForm(QWidget* parent, int type, const QString& method = {});

    // The designation grid of a type, shared with the product selection: one
    // column per value the type uses, with its heading, decimals and limits.
    static void LayoutDesignationGrid(ui::SpreadGrid& grid, int type);
    static void ShowDesignation(ui::SpreadGrid& grid, int row, int type, const refdb::AnchorDesignation& d);

    bool databaseChanged() const { return saved_; }

private:
    void buildControls();
    void loadMethods(const QString& select);
    QString currentMethod() const;
    void methodChosen();
    void showRows();
    bool saveRows();
    bool keepOrDropEdits();
    void insertRow();
    void deleteRow();
    void deleteMethodRows();
    void editMethods();
    void done(int result) override;

    int type_;
    QList<refdb::DesignationColumn> columns_;
    QString shownMethod_;
    bool modified_ = false;
    bool saved_ = false;
    QComboBox* methods_ = nullptr;
    ui::SpreadGrid* grid_ = nullptr;
};

} // namespace tessaro
