#pragma once
// The permitted range of the measured elastic displacement, as multiples of the
// theoretical elastic elongation δet (upper and lower rate of the project).

#include <QDialog>

namespace tessaro {

namespace ui {
class NumberBox;
}

class DlgMeneRirontiRate : public QDialog {
    Q_OBJECT
public:
    explicit DlgMeneRirontiRate(QWidget* parent = nullptr);

    // Edits the rates of project(); true when OK stored them.
    static bool ShowForm(QWidget* parent);

private:
    void accept() override;

    ui::NumberBox* upper_ = nullptr;
    ui::NumberBox* lower_ = nullptr;
};

} // namespace tessaro
