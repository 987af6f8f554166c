#pragma once
// The load plan of the anchor being edited: initial load T0, planned maximum
// load Tp and the load stages, shown as loads or, through the anchor's jack,
// as gauge pressures, with the reference values and limits of the governing
// edition.

#include "model/AnchorRecord.h"
#include "planning/ShownLoads.h"
#include "planning/basKajyuu.h"

#include <QDialog>
#include <array>
#include <optional>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tessaro {

namespace ui {
class NumberBox;
class SpreadGrid;
class TextBox;
} // namespace ui

class frmKajyuu : public QDialog {
    Q_OBJECT
public:
    explicit frmKajyuu(QWidget* parent = nullptr);

    // Edits the plan of the current anchor (the working anchor of a basic
    // investigation); true when OK stored it.
    static bool ShowForm(QWidget* parent);

private:
    struct PlanValues {
        std::optional<double> t0;
        std::optional<double> tp;
        std::array<std::optional<double>, MaxStageCount> stages;
    };

    void buildLayout();
    QGroupBox* buildLoadFrame();
    QGroupBox* buildReferenceFrame();
    QGroupBox* buildLimitFrame();
    QGroupBox* buildDisplayFrame();
    void fillFromRecord();

    PlanValues values() const;
    void showValues(const PlanValues& v);
    void showLoad(int slot, ui::NumberBox* box, std::optional<double> kN);
    void showStage(int row, std::optional<double> kN);
    void switchDisplay(bool pressure);
    void refreshUnitTexts();
    void refreshReferenceTexts();
    void refreshLimitTexts();
    void refreshTexts();

    void stageCountEntered();
    void initialLoadEntered(bool valid);
    void plannedMaxLoadEntered(bool valid);
    void distributeEvenly();
    void jackDetail();
    void accept() override;

    AnchorRecord anchor_; // the copy being edited
    PlanContext ctx_;
    int openingStageCount_ = 0;
    bool planCheckFailed_ = false;
    ShownLoads loads_;
    QString tpAccepted_; // the Tp text that passed the range check

    ui::TextBox* jackName_ = nullptr;
    QPushButton* jackButton_ = nullptr;
    QRadioButton* showLoads_ = nullptr;
    QRadioButton* showPressures_ = nullptr;
    QGroupBox* loadFrame_ = nullptr;
    ui::NumberBox* t0Box_ = nullptr;
    ui::NumberBox* tpBox_ = nullptr;
    ui::NumberBox* stageCountBox_ = nullptr;
    std::array<QLabel*, 2> units_ {};
    QLabel* unitNote_ = nullptr;
    ui::SpreadGrid* grid_ = nullptr;
    QLabel* sankou_ = nullptr;
    QLabel* saisyuu_ = nullptr;
    QLabel* tys_ = nullptr;
    std::array<QLabel*, 3> tpLimits_ {};
    QPushButton* ok_ = nullptr;
};

} // namespace tessaro
