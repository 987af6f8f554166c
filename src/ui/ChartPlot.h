#pragma once
// The QChart that draws one chart description in one appearance. The chart
// widget shows it on screen; images, printer pages and vector files draw it off
// screen through a scene of their own.

#include "graphs/ChartData.h"
#include "graphs/ChartFormat.h"

#include <QChart>
#include <utility>
#include <vector>

class QAbstractAxis;
class QGraphicsRectItem;
class QGraphicsSimpleTextItem;

namespace tessaro::ui {

class ChartLegend;

class ChartPlot : public QChart {
    Q_OBJECT
public:
    ChartPlot();
    // Replaces everything drawn by the description in the appearance.
    void draw(const ChartData& data, const ChartFormat& format);
    // Names in the legend as drawn (none when the legend is hidden).
    QStringList legendTexts() const;

protected:
    void resizeEvent(QGraphicsSceneResizeEvent* event) override;

private:
    void clear();
    void drawGroup(const ChartGroup& group, int g, const ChartFormat& format);
    void placeOverlays();
    void layoutLegend();

    struct PlacedLabel {
        QGraphicsSimpleTextItem* item;
        ChartPoint attach;
        QPointF offset;
    };
    std::vector<PlacedLabel> labels_;
    ChartLegend* legend_;
    QGraphicsRectItem* frame_;
    LegendPosition legendPosition_ = LegendPosition::Bottom;
    QAbstractAxis* xAxis_ = nullptr;
    QAbstractAxis* yAxis_ = nullptr;
    std::pair<double, double> xRange_ { 0, 100 };
    std::pair<double, double> yRange_ { 0, 100 };
    bool xReversed_ = false;
};

// The range an axis is drawn over: its bounds in order, widened when they are
// (nearly) equal, 0..100 when they are not numbers.
std::pair<double, double> drawnRange(const ChartAxis& axis);

} // namespace tessaro::ui
