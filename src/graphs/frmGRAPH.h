#pragma once
// The test result graphs ("試験結果グラフ") of one anchor at a time: the plastic
// and elastic displacement curves, the load–displacement, time–load and
// time–displacement curves, beside the anchor's key values and the verdict on
// its elastic displacements. From here the engineer opens the evaluation
// windows of the anchor shown.

#include "graphs/TestGraphs.h"
#include "model/AnchorRecord.h"

#include <QDialog>
#include <array>
#include <functional>

class QAction;
class QLabel;
class QPushButton;

namespace tessaro::ui {
class Chart2D;
class NumberBox;
} // namespace tessaro::ui

namespace tessaro {

class frmGRAPH : public QDialog {
    Q_OBJECT
public:
    explicit frmGRAPH(QWidget* parent = nullptr);

    // Shows the graphs of the project's current anchor; true when a window
    // opened from here changed the project.
    static bool ShowForm(QWidget* parent);

    // Moves to anchor n (1-based) when it has its information; otherwise tells
    // the user and stays (false).
    bool moveToAnchor(int n);
    int shownAnchor() const { return anchor_; }
    // The evaluated working copy of the anchor shown.
    const AnchorRecord& shownData() const { return evaluated_; }
    ui::Chart2D& chart(TestGraph graph) const;
    // The time–load curve has a point: the anchor's readings can be evaluated further.
    bool evaluationAllowed() const { return evaluationAllowed_; }

    // The graph files of anchors first..last for the graph sheets: the four
    // graphs of each anchor, drawn in the formats on screen. False (the user has
    // been told) when a file could not be written.

private:
    void buildCharts(QWidget* area);
    QWidget* buildPanel();
    QWidget* buildButtons();
    QPushButton* windowButton(const char* name, const QString& caption, std::function<bool()> open, bool needsReadings);
    void chartMenu(TestGraph graph);
    void showAnchor(int n);
    void drawGraphs();
    void showPanel();
    void refreshNavigation();
    void numberEntered(bool valid);
    void reverseDisplay(bool reversed);
    void printGraph(TestGraph graph);
    void copyGraph(TestGraph graph);
    void saveFormats();
    void printAllGraphs();

    int anchor_ = 1;
    bool changed_ = false;
    AnchorRecord evaluated_;
    bool evaluationAllowed_ = false;
    std::array<ui::Chart2D*, TestGraphCount> charts_ {};
    QAction* reverse_ = nullptr;
    QPushButton* prev_ = nullptr;
    QPushButton* next_ = nullptr;
    ui::NumberBox* number_ = nullptr;
    QLabel* numberMax_ = nullptr;
    QLabel* anchorName_ = nullptr;
    QLabel* judgement_ = nullptr;
    std::array<QLabel*, 10> values_ {};

    // Buttons of the windows opened from here: a window that is not in the
    // program has no opener, and its button stays disabled.
    struct WindowButton {
        QPushButton* button;
        std::function<bool()> open;
        bool needsReadings; // follows the time–load curve
    };
    std::vector<WindowButton> windowButtons_;
};

} // namespace tessaro
