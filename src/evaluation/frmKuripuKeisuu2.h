#pragma once
// The anchor displacement of the 2012 edition (window "アンカーの変位を判定"):
// the displacement ⊿s between two chosen points of the holding at the planned
// maximum load, admissible when tb / ta ≧ 3.0 (rounded "0.0") and tb is the
// last point (a confirmation test needs only the last point); and, when the
// test time was extended, the creep coefficient ⊿c between two further points
// (tb' / ta' ≧ 6.0) against the extended value.

#include "evaluation/frmKuripuBase.h"

#include <array>

class QGroupBox;
class QLabel;
class QRadioButton;

namespace tessaro {

class frmKuripuKeisuu2 : public frmKuripuBase {
    Q_OBJECT
public:
    explicit frmKuripuKeisuu2(QWidget* parent = nullptr);

    // Judges the current anchor; true when the project changed (OK stored the
    // selection, or a final verdict was stored from here).
    static bool ShowForm(QWidget* parent);

    const DisplacementJudgement& judgement() const { return judgement_; }

private:
    // The labels of one pair: times, displacements and the time check.
    struct PairLabels {
        QLabel* ta = nullptr;
        QLabel* tb = nullptr;
        QLabel* sa = nullptr;
        QLabel* sb = nullptr;
        QLabel* times = nullptr;
    };

    QWidget* buildPanel();
    QGroupBox* buildDisplacementFrame(QWidget* parent);
    QGroupBox* buildExtendedFrame(QWidget* parent);
    QLayout* pairRows(QWidget* parent, PairLabels& labels, const QString& suffix, const QString& prime);
    bool pointEntered(ui::PointNumberBox* box) override;
    void recompute() override;
    void showPair(const PairLabels& labels, const CreepPair& pair, double minimumRatio);
    void showResults();
    // The print checks of the chosen pairs; false (the user told) when a number
    // is missing or a pair is reversed.
    bool pairsComplete();
    void print() override;

    DisplacementJudgement judgement_;
    QLabel* holdingCaption_ = nullptr;
    std::array<QRadioButton*, 2> type_ {}; // OptTimeType
    ui::PointNumberBox* ta_ = nullptr;
    ui::PointNumberBox* tb_ = nullptr;
    ui::PointNumberBox* taExt_ = nullptr;
    ui::PointNumberBox* tbExt_ = nullptr;
    PairLabels pairLabels_;
    PairLabels extendedLabels_;
    QLabel* formula_ = nullptr;
    QLabel* verdict_ = nullptr;
    QGroupBox* extendedFrame_ = nullptr;
    QLabel* numerator_ = nullptr;
    QLabel* denominator_ = nullptr;
    QLabel* coefficient_ = nullptr;
    QLabel* extendedVerdict_ = nullptr;
};

} // namespace tessaro
