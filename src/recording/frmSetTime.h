#pragma once
// The time of day the clock times of a reading sheet count from: the time the
// test started, or the time it ended.

#include <QDialog>

class QRadioButton;

namespace tessaro {

namespace ui {
class NumberBox;
}

class frmSetTime : public QDialog {
    Q_OBJECT
public:
    // mode: 0 the time given is the start of the test, 1 its end (as the anchor keeps it).
    frmSetTime(int mode, int hours, int minutes, QWidget* parent = nullptr);

    // Presets the choice and the time; on OK returns them through the same
    // arguments and true, on cancel leaves them and returns false.
    static bool ShowForm(QWidget* parent, int& mode, int& hours, int& minutes);

    int mode() const;
    int hours() const;
    int minutes() const;

private:
    void accept() override;

    QRadioButton* end_;
    QRadioButton* start_;
    ui::NumberBox* hours_;
    ui::NumberBox* minutes_;
};

} // namespace tessaro
