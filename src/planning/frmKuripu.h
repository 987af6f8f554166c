#pragma once
// The holding-time schedule of the anchor being edited: at which minutes of
// every load holding a reading is taken, and how long the load changes between
// the holdings last.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"
#include "planning/ScheduleEntries.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaro {

namespace ui {
class NumberBox;
class SpreadGrid;
} // namespace ui

class frmKuripu : public QDialog {
    Q_OBJECT
public:
    explicit frmKuripu(QWidget* parent = nullptr);

    // Edits the schedule of the current anchor (the working anchor of a basic
    // investigation); true when OK stored it.
    static bool ShowForm(QWidget* parent);

private:
    // The four grids, in the order of ShownHoldings.
    enum Grid { Opening, NewLoad, Loading, Unloading, GridCount };

    void buildLayout();
    QGroupBox* buildChoiceRow();
    QGroupBox* buildNewLoadFrame();
    QGroupBox* buildHistoryFrame();
    QGroupBox* buildLoadChangeFrame();
    ui::SpreadGrid* timeGrid(const QString& name, const QString& heading, QWidget* parent);

    ShownHolding shown(Grid g);
    void showHoldings();
    void showTimes(Grid g);
    void timesEdited(Grid g);
    void showTotals();

    void cycleEntered();
    void stageEntered();
    void showRanges();

    void storeLoadChange();
    void showLoadChange();

    void accept() override;

    AnchorRecord anchor_; // plan, readings and the load-change settings being edited
    HoldingSchedule schedule_; // the copy being edited
    bool singleCycle_ = false;
    int stageCount_ = 0;
    int openingRows_ = 0; // sheet rows of the schedule as it was
    int cycle_ = 1;
    int stage_ = 1;
    bool bySpeedShown_ = false; // what the load-change box holds
    bool decreaseShown_ = false;

    ui::NumberBox* cycleBox_ = nullptr;
    ui::NumberBox* stageBox_ = nullptr;
    QLabel* cycleRange_ = nullptr;
    QLabel* stageRange_ = nullptr;
    std::array<ui::SpreadGrid*, GridCount> grids_ {};
    QLabel* openingLoad_ = nullptr;
    QLabel* newLoad_ = nullptr;
    QLabel* stageLoad_ = nullptr;
    QLabel* totalTime_ = nullptr;
    QLabel* totalCount_ = nullptr;
    QGroupBox* changeFrame_ = nullptr;
    std::array<QRadioButton*, 2> modes_ {}; // fixed time, constant rate
    std::array<QRadioButton*, 2> directions_ {}; // Option3: increase, decrease
    ui::NumberBox* changeBox_ = nullptr;
    QLabel* changeUnit_ = nullptr;
};

} // namespace tessaro
