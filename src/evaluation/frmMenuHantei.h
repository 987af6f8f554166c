#pragma once
// Which cycles the automatic check of the elastic displacements judges
// ("弾性変位量の判定範囲"): all cycles, or the cycles from a given one on. The
// range is the project's and takes effect at the next evaluation.

#include <QDialog>

class QRadioButton;

namespace tessaro {

namespace ui {
class NumberBox;
}

class frmMenuHantei : public QDialog {
    Q_OBJECT
public:
    explicit frmMenuHantei(QWidget* parent = nullptr);

    // Edits the judged range of project(); true when OK stored it.
    static bool ShowForm(QWidget* parent);

private:
    void accept() override;
    void choiceChanged();

    QRadioButton* all_ = nullptr;
    QRadioButton* fromCycle_ = nullptr;
    ui::NumberBox* cycle_ = nullptr;
};

} // namespace tessaro
