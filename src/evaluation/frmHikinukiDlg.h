#pragma once
// The check of the tendon bond length of a pull-out test ("テンドン拘束長の確認"):
// from the apparent perimeter U of the tendon and the ultimate bond stress τba
// between tendon and grout, the bond length lsa needed at the planned maximum
// load, compared with the anchor length. The two values are stored with the
// anchor on OK; the main window's check asks for them before the test.

#include <QDialog>

class QLabel;

namespace tessaro {

namespace ui {
class NumberBox;
}

class frmHikinukiDlg : public QDialog {
    Q_OBJECT
public:
    explicit frmHikinukiDlg(QWidget* parent = nullptr);

    // Shows the window for the current anchor; true when OK stored the values.
    static bool ShowForm(QWidget* parent);

private:
    void accept() override;
    void recompute();
    void chooseBondStress();
    ui::NumberBox* entryBox(const char* name, const QString& format, const QString& caption, double maximum);

    ui::NumberBox* perimeter_ = nullptr;
    ui::NumberBox* bondStress_ = nullptr;
    QLabel* td_ = nullptr;
    QLabel* perimeterShown_ = nullptr;
    QLabel* bondStressShown_ = nullptr;
    QLabel* required_ = nullptr;
    QLabel* sentence_ = nullptr;
    QLabel* verdict_ = nullptr;
    QLabel* conclusion_ = nullptr;
};

} // namespace tessaro
