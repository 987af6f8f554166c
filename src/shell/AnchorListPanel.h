#pragma once
// The anchor list of the main window: the grid of a quality-assurance project
// (one row per anchor, anchors without data in grey, the anchor on screen
// marked), the one-row grid of a basic investigation, the list commands and the
// pop-up menu of the grid.

#include <QWidget>

class QMenu;
class QAction;
class QFrame;

namespace tessaro {

namespace ui {
class SpreadGrid;
}

class AnchorListPanel : public QWidget {
    Q_OBJECT
public:
    explicit AnchorListPanel(QWidget* parent = nullptr);

    ui::SpreadGrid* qualityGrid() const { return hinshitu_; }
    ui::SpreadGrid* basicGrid() const { return kihon_; }
    QMenu* popup() const { return popup_; }

    // Shows the grid of the project's category.
    void setBasic(bool basic);
    // Fills every row from the project (the rows follow AnchorCount).
    void fillAll();
    // One row again after its anchor changed.
    void refreshRow(int row);
    // Marks the anchor on screen and makes its row the selected one.
    void markCurrent(int row);
    // Empties both grids.
    void clear();

    // The row of the selection (its first row); 0 when none.
    int selectedRow() const;
    void selectRow(int row);

    // The commands that edit the list are shown only while full display is on.
    void setListCommandsVisible(bool visible);
    bool listCommandsVisible() const;

signals:
    // The user typed into a cell of the quality-assurance list.
    void cellEdited(int col, int row, const QString& text);
    // A row was double-clicked.
    void rowActivated(int row);
    void selectionMoved();

private:
    void buildQualityGrid();
    void buildBasicGrid();
    void paintRow(int row);

    ui::SpreadGrid* hinshitu_;
    ui::SpreadGrid* kihon_;
    QFrame* listCommands_;
    QMenu* popup_;
    int current_ = 0;
    bool filling_ = false;
};

} // namespace tessaro
