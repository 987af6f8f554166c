#pragma once
// Parts of the print options windows. The anchor range: a range of anchor numbers
// ("アンカー孔番の指定", imtxtStart..imtxtEnd) or the anchor displayed
// ("表示しているアンカー孔番のみ"), with the checks and messages of a range
// given by numbers. A basic investigation has its one anchor: only the
// displayed-anchor choice is open.

#include <QGroupBox>

class QCheckBox;
class QDialog;
class QHBoxLayout;
class QPushButton;
class QRadioButton;

namespace tessaro::ui {

class NumberBox;

class AnchorRangeBox : public QGroupBox {
    Q_OBJECT
public:
    // optionName names the two choices (optionName + "_0" numbers, "_1" the
    // anchor displayed); anchors is the project's anchor count, current the
    // anchor displayed (1-based).
    AnchorRangeBox(QWidget* parent, const QString& optionName, int anchors, int current, bool basic);

    bool byNumbers() const;
    // The anchors chosen, 1-based first..last (the anchor displayed twice).
    int first() const;
    int last() const;

    // A range given by numbers must be complete, in order and within
    // 1..anchors; otherwise the user is told and false returned.
    bool confirm() const;

private:
    void choiceChanged();

    int anchors_;
    int current_;
    QRadioButton* numbers_;
    QRadioButton* displayed_;
    NumberBox* start_;
    NumberBox* end_;
};

// The foot of a print options window: its check box on the left, then
// "印刷プレビュー" (OKButton, the default; the window connects it to its own
// confirmation) and "キャンセル" (CancelButton, rejects the window).
QHBoxLayout* printOptionButtons(QDialog* window, QCheckBox* check, QPushButton** ok);

} // namespace tessaro::ui
