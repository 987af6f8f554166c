#pragma once
// The friction loss of a basic investigation ("摩擦損失量の算出"): the engineer
// defines the straight line of elastic displacement against load, by two of
// the points on the chart or by the load where it meets the load axis; the
// window shows the loss of load to friction along the free length and the
// apparent free length of the tendon, and previews the friction-loss sheet.
// It works on a copy of the anchor, evaluated afresh at every change; OK keeps
// the copy, Cancel leaves the anchor as it was.

#include "model/AnchorRecord.h"

#include <QDialog>
#include <array>

class QLabel;
class QRadioButton;

namespace tessaro {

namespace ui {
class Chart2D;
class NumberBox;
} // namespace ui

class frmMasatuSonshitu : public QDialog {
    Q_OBJECT
public:
    explicit frmMasatuSonshitu(QWidget* parent = nullptr);

    // Works on the project's current anchor; true when OK stored the choice.
    static bool ShowForm(QWidget* parent);

    // The evaluated working copy.
    const AnchorRecord& workingAnchor() const { return anchor_; }

    void accept() override;

private:
    QWidget* buildChoice();
    QWidget* buildResults();
    void fillFromRecord();
    void chooseOption(bool givenIntercept);
    void pointEntered(int box, bool valid);
    void interceptEntered(bool valid);
    void refresh();
    bool needsBlankBox() const;
    void preview();

    AnchorRecord anchor_;
    ui::Chart2D* chart_ = nullptr;
    std::array<QRadioButton*, 2> options_ {};
    std::array<ui::NumberBox*, 2> points_ {};
    ui::NumberBox* intercept_ = nullptr;
    QLabel* shiki1_ = nullptr;
    QLabel* shiki2_ = nullptr;
    QLabel* sonshitu_ = nullptr;
    QLabel* tendonJiyuu_ = nullptr;
};

} // namespace tessaro
