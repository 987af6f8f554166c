#pragma once
// The works title: works name, site name, prime contractor and subcontractor
// (printed on the documents) and two remark lines (a memo only).

#include <QDialog>
#include <array>

namespace tessaro {

namespace ui {
class TextBox;
}

class frmTitle : public QDialog {
    Q_OBJECT
public:
    explicit frmTitle(QWidget* parent = nullptr);

    // True when OK stored the texts into the project; `changed` tells whether
    // the user typed in one of the four names.
    static bool ShowForm(QWidget* parent, bool& changed);
    bool changed() const { return changed_; }

private:
    void accept() override;

    std::array<ui::TextBox*, 4> names_ {};
    std::array<ui::TextBox*, 2> remarks_ {};
    bool changed_ = false;
};

} // namespace tessaro
