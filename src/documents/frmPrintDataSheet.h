#pragma once
// Options of the measurement data sheets: which anchors (or how many blank
// sheets), blank data, the time-of-day column, the remarks item; shows the page
// total of the choice.

#include "documents/PrintModule.h"

#include <QDialog>

class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace tessaro {

class frmPrintDataSheet : public QDialog {
    Q_OBJECT
public:
    enum Range { ByNumbers, DisplayedOnly, BlankSheets };

    // Works on the open project and its current anchor.
    explicit frmPrintDataSheet(QWidget* parent = nullptr);

    // Asks for the options, then composes the sheets and shows the preview.
    static void ShowForm(QWidget* parent);

    Range range() const;
    // The anchors chosen (1-based, first..last) and the number of blank sheets.
    int first() const;
    int last() const;
    int sheets() const;
    DataSheetOptions options() const;
    // Composes the chosen document into the engine; false when it could not be written.
    bool compose(report::ReportEngine& engine) const;

private:
    void confirm();
    void rangeChanged();
    void refreshPageTotal();
    void checkEntry(QLineEdit* box, const QString& caption, double minimum, double maximum, const QString& format);

    QRadioButton* option_[3];
    QLineEdit* start_;
    QLineEdit* end_;
    QLineEdit* sheets_;
    QCheckBox* blankData_;
    QCheckBox* time_;
    QCheckBox* blankRemarks_;
    QLabel* maxPage_;
};

} // namespace tessaro
