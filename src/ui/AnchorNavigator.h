#pragma once
// Moving between the anchors of a quality-assurance project in a window that
// shows one anchor at a time: previous and next buttons around the anchor
// number box, with the anchor count beside it (cmdPrev, imNum, LblNumMax, cmdNext).
// The window decides whether a move is possible and answers with setCurrent.

#include <QWidget>

class QLabel;
class QPushButton;

namespace tessaro::ui {

class NumberBox;

class AnchorNavigator : public QWidget {
    Q_OBJECT
public:
    explicit AnchorNavigator(QWidget* parent = nullptr);

    // Anchors 1..count; with one anchor (or a basic investigation) nothing moves.
    void setCount(int count);
    // Shows the anchor the window shows (also after a refused move).
    void setCurrent(int anchor);
    int current() const { return current_; }

signals:
    // The user asked for this anchor (another than the current one).
    void moveRequested(int anchor);

private:
    void numberEntered();
    void request(int anchor);

    QPushButton* prev_;
    NumberBox* number_;
    QLabel* count_;
    QPushButton* next_;
    int current_ = 1;
    int total_ = 1;
};

} // namespace tessaro::ui
