#pragma once
// Selection of the governing edition of the ground-anchor standard and of the
// judgement constants that go with it.

#include "planning/JudgementConstants.h"

#include <QDialog>
#include <array>

class QGroupBox;
class QRadioButton;

namespace tessaro {

namespace ui {
class NumberBox;
}

class DlgSelectBook : public QDialog {
    Q_OBJECT
public:
    explicit DlgSelectBook(const JudgementConstants& values, QWidget* parent = nullptr);

    // Shows the dialog on the values; true when the user accepted them, which
    // are then in `values` (store them with storeJudgementConstants).
    static bool ShowForm(QWidget* parent, JudgementConstants& values);

    const JudgementConstants& values() const { return values_; }

private:
    QGroupBox* buildOldFrame();
    QGroupBox* buildNewFrame();
    ui::NumberBox* addBox(const QString& name, const QString& caption, double value);
    void selectEdition(int edition);
    bool checkBoxes();
    QString firstEmptyBox() const;
    void accept() override;

    JudgementConstants values_;
    std::array<QRadioButton*, 2> options_{};
    QGroupBox* frameOld_ = nullptr;
    QGroupBox* frameNew_ = nullptr;
    std::array<ui::NumberBox*, 5> creep_{};
    ui::NumberBox* creepExtend_ = nullptr;
    ui::NumberBox* tpA_ = nullptr;
    ui::NumberBox* tpB_ = nullptr;
};

} // namespace tessaro
