#pragma once
// The engineer's final judgement of the current anchor ("技術者最終判定"): the
// automatic verdict on the elastic displacements with the cycles it judged, and
// the seven verdicts the engineer chooses from, two with a free text picked from
// the texts remembered in IniHantei.ini or typed anew. Opened from the main
// window, the graph window and the creep windows on the project's current anchor.

#include <QDialog>
#include <array>

class QButtonGroup;
class QComboBox;
class QLabel;

namespace tessaro {

class frmHantei : public QDialog {
    Q_OBJECT
public:
    explicit frmHantei(QWidget* parent = nullptr);

    // Shows the window for the current anchor; true when the project changed
    // (a verdict stored, or the judged range of cycles set anew).
    static bool ShowForm(QWidget* parent);

    bool projectChanged() const { return changed_; }

private:
    void accept() override;
    void choiceChanged(int index);
    void editRange();
    void showAutomatic();
    QComboBox* verdictCombo(const char* name, int list);

    QButtonGroup* options_ = nullptr;
    std::array<QComboBox*, 2> combos_ {};
    QLabel* auto_ = nullptr;
    QLabel* range_ = nullptr;
    QLabel* final_ = nullptr;
    bool changed_ = false;
};

} // namespace tessaro
