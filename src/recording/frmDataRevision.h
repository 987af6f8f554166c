#pragma once
// Data revision: the readings of an anchor beside the control lines, with the
// readings of each cycle's maximum-load holding marked where the cycle's elastic
// displacement leaves the lines, a verdict naming the cycles to correct, and
// the dial-gauge readings open to correction.
//
// Like the measurement input, the window changes the open project as the user
// edits and puts back the project record it found when the user declines to
// keep the changes.

#include "model/ProjectRecord.h"
#include "recording/RevisionCheck.h"

#include <QDialog>

class QLabel;

namespace tessaro {

namespace ui {
class AnchorNavigator;
class Chart2D;
class SpreadGrid;
struct CellBlock;
} // namespace ui

class frmDataRevision : public QDialog {
    Q_OBJECT
public:
    enum Column { ColUpper = 11, ColLower = 12 };

    // Opens on the current anchor of the open project.
    explicit frmDataRevision(QWidget* parent = nullptr);

    // Shows the window for the current anchor; true when edits were kept.
    static bool ShowForm(QWidget* parent);

    bool modified() const { return modified_; }
    bool dataChanged() const { return changed_; }
    const RevisionCheck& check() const { return check_; }

public slots:
    void reject() override; // the close box and Escape ask like Command5

private:
    AnchorRecord& anchor();
    void showAnchor(int index);
    void fillGrid();
    void runCheck();
    void markCheck();
    void moveTo(int index);
    void closeWindow();
    void cellChanged(int col, int row);
    void blockCleared(const ui::CellBlock& block);
    void showElongations(int fromRow);
    void scheduleRefresh();
    void refresh();
    int rowCount();

    ProjectRecord backup_;
    AnchorRecord none_; // shown when the project has no such anchor
    int index_ = 1;
    bool modified_ = false;
    bool changed_ = false;
    bool refreshPending_ = false;
    RevisionCheck check_;

    ui::SpreadGrid* grid_;
    ui::Chart2D* chart_;
    ui::AnchorNavigator* navigator_;
    QLabel* anchorNo_;
    QLabel* range_;
    QLabel* verdict_;
};

} // namespace tessaro
