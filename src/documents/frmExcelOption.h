#pragma once
// Excel output from the windows: the options window of the measurement data
// ("Excel出力オプション") and the two exports with their save dialog and
// failure message.
//
// Measurement input (CmdExcel): frmExcelOption::MeasurementDataToExcel(this, anchorOnScreen);
// main window (CmdExcel):       frmExcelOption::AnchorListToExcel(this);

#include "documents/ExcelOutput.h"

#include <QDialog>

class QCheckBox;

namespace tessaro {

class frmExcelOption : public QDialog {
    Q_OBJECT
public:
    // The check boxes start as they were left by the last OK of this session
    // (all checked at first).
    explicit frmExcelOption(QWidget* parent = nullptr);

    // Shows the options; true with the chosen columns on OK ("Excel出力"), which
    // also keeps the check states for the next time; false on "キャンセル".
    static bool ShowForm(QWidget* parent, ExcelColumns* columns);

    ExcelColumns columns() const;

    // The measurement data of the anchor as the input window holds it: options,
    // save dialog (default name "データシート"), workbook. True when written;
    // false when cancelled or when the file could not be written (the user has
    // then been told).
    static bool MeasurementDataToExcel(QWidget* parent, const AnchorRecord& anchor);
    // The open project's anchor list: save dialog (default name "データ一覧表"), workbook.
    static bool AnchorListToExcel(QWidget* parent);

    // The check states kept between two showings.
    static ExcelColumns storedColumns();
    static void resetStoredColumns();

private:
    void store();

    QCheckBox* option_[5];
};

} // namespace tessaro
