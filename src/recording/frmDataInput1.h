#pragma once
// Measurement input: the reading sheet of an anchor, generated from its load
// plan and holding-time schedule, where the operator types the dial-gauge
// readings of the two measuring points. The head elongation of each row and the
// load–displacement chart beside the sheet follow every reading typed.
//
// The window changes the open project as it goes (the sheet of an anchor is
// stored when the window is confirmed or another anchor is shown) and keeps the
// project record as it was when the window opened, to put it back when the user
// declines to keep the changes.

#include "model/ProjectRecord.h"

#include <QDialog>

class QLabel;

namespace tessaro {

namespace ui {
class AnchorNavigator;
class Chart2D;
class SpreadGrid;
struct CellBlock;
} // namespace ui

class frmDataInput1 : public QDialog {
    Q_OBJECT
public:
    // Columns of the reading grid; the data revision shows the same ten first.
    enum Column {
        ColTime = 1,
        ColElapsed,
        ColGauge,
        ColLoad,
        ColCycle,
        ColInitial1,
        ColMeasured1,
        ColInitial2,
        ColMeasured2,
        ColElongation,
        ReadingColumns = ColElongation
    };

    // Opens on the current anchor of the open project.
    explicit frmDataInput1(QWidget* parent = nullptr);

    // Shows the window for the current anchor (after telling the user when it
    // lacks the information a sheet needs). True when the project was changed:
    // readings kept, or a sheet generated and stored.
    static bool ShowForm(QWidget* parent);

    // The ten reading columns with their headings, cell types and widths.
    static void SetupReadingColumns(ui::SpreadGrid& grid);
    // Row `row` of the grid shows the reading.
    static void ShowReading(ui::SpreadGrid& grid, int row, const Reading& reading);
    // The dial-gauge reading a column from ColInitial1 to ColMeasured2 holds.
    static float& GaugeField(Reading& reading, int col);
    // The value of a reading cell: −99 for an empty cell.
    static float CellValue(const ui::SpreadGrid& grid, int col, int row);

    bool modified() const { return modified_; }
    bool dataChanged() const { return changed_; }
    // The anchor on screen with the readings typed so far.
    const AnchorRecord& shownAnchor() const { return anchor_; }

public slots:
    void reject() override; // the close box and Escape ask like CmdOKCancel

private:
    void buildGrids();
    QWidget* buildButtons();
    void showAnchor(int index);
    void fillGrid();
    void showInitialTensionRow();
    void store();
    void closeWindow();
    void moveTo(int index);

    void cellChanged(int col, int row);
    void blockCleared(const ui::CellBlock& block);
    void updateElongations(int fromRow, int toRow);
    void markModified();
    void scheduleRefresh();
    void refresh();

    void setTime();
    void initialTension();
    void printOut();
    void excelOutput();
    void openGraphs();

    void setCell(int col, int row, const QString& text);
    void mirror(int col, int row);
    int readingRows() const;

    ProjectRecord backup_;
    AnchorRecord anchor_;
    int index_ = 1;
    bool modified_ = false;
    bool changed_ = false;
    bool refreshPending_ = false;
    bool initialTensionShown_ = false;

    ui::SpreadGrid* grid_;
    ui::SpreadGrid* print_;
    ui::Chart2D* chart_;
    ui::AnchorNavigator* navigator_;
    QLabel* anchorNo_;
    QLabel* kind_;
};

} // namespace tessaro
