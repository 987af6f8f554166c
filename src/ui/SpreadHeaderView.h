#pragma once
// Column headings of a grid in one to three header rows. A group heading such as
// "頭部変位量(mm)" spans the columns below it; a column without one shows its own
// heading over the full header height.

#include <QHeaderView>
#include <vector>

namespace tessaro::ui {

class SpreadModel;

class SpreadHeaderView : public QHeaderView {
    Q_OBJECT
public:
    explicit SpreadHeaderView(QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Heights of the header rows, top first: each fits the most lines of its
    // texts; a heading over several rows enlarges the lowest of them if needed.
    const std::vector<int>& rowHeights() const;
    // Header texts or spans changed: measure again.
    void refresh();

protected:
    void paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const override;
    void changeEvent(QEvent* event) override;

private:
    const SpreadModel* spreadModel() const;
    QRect spanRect(int col, int cols, int row, int rows) const;
    int textHeight(const QString& text) const;

    mutable std::vector<int> heights_;
    mutable bool measured_ = false;
};

} // namespace tessaro::ui
