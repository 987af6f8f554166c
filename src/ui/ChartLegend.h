#pragma once
// The legend of a chart: one entry per named series, each with a sample of the
// series' line and marker, wrapped into as many rows as the chart's width needs
// (below the plot) or stacked in one column (beside it). Names are never cut
// short, so a small copy of a graph still tells its series apart.

#include "graphs/ChartFormat.h"

#include <QFont>
#include <QGraphicsItem>
#include <QStringList>
#include <vector>

namespace tessaro::ui {

class ChartLegend : public QGraphicsItem {
public:
    struct Entry {
        QString name;
        SeriesStyle style;
    };
    explicit ChartLegend(QGraphicsItem* parent = nullptr);

    void setEntries(std::vector<Entry> entries, const QFont& font);
    bool isEmpty() const { return entries_.empty(); }
    QStringList texts() const;

    // Lays the entries out in rows no wider than the width, or in one column;
    // returns the size they take.
    QSizeF arrange(double width, bool column);

    QRectF boundingRect() const override;
    void paint(QPainter* painter, const QStyleOptionGraphicsItem* option, QWidget* widget) override;

private:
    double entryWidth(const Entry& entry) const;
    std::vector<Entry> entries_;
    std::vector<QPointF> positions_;
    QFont font_;
    QSizeF size_;
    double rowHeight_ = 0;
};

} // namespace tessaro::ui
