#include "ui/ChartPlot.h"

#include "graphs/AxisLabels.h"
#include "ui/ChartLegend.h"
#include "ui/SeriesDrawing.h"

#include <QCategoryAxis>
#include <QGraphicsRectItem>
#include <QGraphicsSceneResizeEvent>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace tessaro::ui {
namespace {

QScatterSeries::MarkerShape scatterShape(MarkerShape marker)
{
    switch (marker) {
    case MarkerShape::Square:
        return QScatterSeries::MarkerShapeRectangle;
    case MarkerShape::Diamond:
        return QScatterSeries::MarkerShapeRotatedRectangle;
    case MarkerShape::Triangle:
        return QScatterSeries::MarkerShapeTriangle;
    case MarkerShape::Star:
        return QScatterSeries::MarkerShapeStar;
    case MarkerShape::Pentagon:
        return QScatterSeries::MarkerShapePentagon;
    case MarkerShape::Circle:
    case MarkerShape::None:
        break;
    }
    return QScatterSeries::MarkerShapeCircle;
}

// Category labels must differ from each other, but absolute-value labels repeat
// ("5" left and right of zero): repeats get invisible zero-width spaces.
QString distinctText(const QString& text, QSet<QString>& used)
{
    QString t = text;
    while (used.contains(t))
        t += QChar(0x200B);
    used.insert(t);
    return t;
}

QAbstractAxis* valueLabelAxis(const std::vector<ValueLabel>& labels, double lo, double hi)
{
    std::vector<ValueLabel> sorted = labels;
    std::stable_sort(sorted.begin(), sorted.end(), [](auto& a, auto& b) { return a.value < b.value; });
    auto* axis = new QCategoryAxis;
    axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    axis->setStartValue(lo - 1);
    QSet<QString> used;
    double last = -INFINITY;
    // Labels beyond the drawn range would be pinned to its ends and misread.
    double tolerance = (hi - lo) * 1e-9;
    for (const ValueLabel& label : sorted) {
        if (!std::isfinite(label.value) || label.value <= last || label.value < lo - tolerance
            || label.value > hi + tolerance)
            continue;
        axis->append(distinctText(label.text, used), label.value);
        last = label.value;
    }
    axis->setRange(lo, hi);
    return axis;
}

QAbstractAxis* numberAxis(double lo, double hi)
{
    auto* axis = new QValueAxis;
    axis->setRange(lo, hi);
    double step = niceTickStep(lo, hi);
    axis->setTickType(QValueAxis::TicksDynamic);
    axis->setTickAnchor(0);
    axis->setTickInterval(step);
    axis->setMinorTickCount(0);
    axis->setLabelFormat(QStringLiteral("%.%1f").arg(tickDecimals(step)));
    return axis;
}

void styleAxis(QAbstractAxis& axis, const QString& title, const AxisFormat& f, const QColor& gridColor, bool blank)
{
    axis.setTitleText(title);
    axis.setTitleFont(f.titleFont);
    axis.setTitleBrush(Qt::black);
    axis.setLabelsFont(f.labelFont);
    axis.setLabelsBrush(Qt::black);
    axis.setLinePen(QPen(Qt::black, 1));
    axis.setGridLineVisible(f.grid && !blank);
    axis.setGridLinePen(QPen(gridColor, 1));
    axis.setMinorGridLineVisible(false);
    axis.setShadesVisible(false);
}

// Series without name or without a point to show stay out of the legend.
bool inLegend(const ChartGroup& group, const ChartSeries& series)
{
    return !series.name.isEmpty()
        && std::any_of(series.points.begin(), series.points.end(), [&](auto& p) { return !group.isHole(p); });
}

} // namespace

std::pair<double, double> drawnRange(const ChartAxis& axis)
{
    double lo = axis.min;
    double hi = axis.max;
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return { 0, 100 };
    if (hi < lo)
        std::swap(lo, hi);
    // Bounds too close to draw apart (a single point, equal extremes) are widened
    // by a tenth of the value, or to 0..1 around zero.
    double scale = std::max(std::fabs(lo), std::fabs(hi));
    if (hi - lo <= scale * 1e-9 || hi - lo < 1e-9) {
        if (scale < 1e-9)
            return { 0, 1 };
        return { lo - scale / 10, hi + scale / 10 };
    }
    return { lo, hi };
}

ChartPlot::ChartPlot()
    : legend_(new ChartLegend(this))
    , frame_(new QGraphicsRectItem(this))
{
    frame_->setZValue(100);
    setBackgroundRoundness(0);
    setBackgroundBrush(Qt::white);
    setBackgroundPen(Qt::NoPen);
    setDropShadowEnabled(false);
    setLocalizeNumbers(false);
    // The chart's own legend cuts long names short on small charts.
    legend()->hide();
    connect(this, &QChart::plotAreaChanged, this, &ChartPlot::placeOverlays);
}

void ChartPlot::clear()
{
    removeAllSeries();
    for (QAbstractAxis* axis : axes()) {
        removeAxis(axis);
        delete axis;
    }
    for (PlacedLabel& label : labels_)
        delete label.item;
    labels_.clear();
}

void ChartPlot::draw(const ChartData& data, const ChartFormat& format)
{
    clear();
    setTitle(format.title.value_or(data.title));
    setTitleFont(format.titleFont);
    setTitleBrush(Qt::black);

    bool blank = isPlotAreaBlank(data.plotArea);
    setPlotAreaBackgroundVisible(true);
    setPlotAreaBackgroundBrush(data.plotArea.background);
    setPlotAreaBackgroundPen(Qt::NoPen);
    // The frame is drawn over the grid, which would otherwise cover its edges.
    frame_->setPen(QPen(data.plotArea.foreground, 1));
    frame_->setVisible(!blank);

    auto [x0, x1] = drawnRange(data.x);
    auto [y0, y1] = drawnRange(data.y);
    xRange_ = { x0, x1 };
    yRange_ = { y0, y1 };
    xReversed_ = data.xReversed;
    xAxis_ = data.x.valueLabels.empty() ? numberAxis(x0, x1) : valueLabelAxis(data.x.valueLabels, x0, x1);
    yAxis_ = data.y.valueLabels.empty() ? numberAxis(y0, y1) : valueLabelAxis(data.y.valueLabels, y0, y1);
    addAxis(xAxis_, Qt::AlignBottom);
    addAxis(yAxis_, Qt::AlignLeft);
    styleAxis(*xAxis_, format.x.title.value_or(data.x.title), format.x, format.gridColor, blank);
    styleAxis(*yAxis_, format.y.title.value_or(data.y.title), format.y, format.gridColor, blank);
    xAxis_->setReverse(data.xReversed);

    for (int g = 0; g < int(data.groups.size()); ++g)
        drawGroup(data.groups[std::size_t(g)], g, format);

    std::vector<ChartLegend::Entry> entries;
    for (int g = 0; g < int(data.groups.size()); ++g) {
        const ChartGroup& group = data.groups[std::size_t(g)];
        for (int s = 0; s < int(group.series.size()); ++s)
            if (inLegend(group, group.series[std::size_t(s)]))
                entries.push_back({ group.series[std::size_t(s)].name, format.seriesStyle(g, s) });
    }
    legend_->setEntries(std::move(entries), format.legendFont);
    legend_->setVisible(format.legendVisible && !legend_->isEmpty());
    legendPosition_ = format.legendPosition;
    layoutLegend();

    for (const ChartLabel& label : data.labels) {
        auto* item = new QGraphicsSimpleTextItem(label.text, this);
        item->setFont(format.labelFont);
        item->setBrush(Qt::black);
        item->setZValue(101);
        labels_.push_back({ item, label.attach, label.offset });
    }
    placeOverlays();
}

void ChartPlot::drawGroup(const ChartGroup& group, int g, const ChartFormat& format)
{
    for (int s = 0; s < int(group.series.size()); ++s) {
        const ChartSeries& series = group.series[std::size_t(s)];
        SeriesStyle style = format.seriesStyle(g, s);
        std::vector<QXYSeries*> parts;
        if (drawsLine(style)) {
            // A hole ends one line and the next point starts another.
            QLineSeries* line = nullptr;
            for (const ChartPoint& p : series.points) {
                if (group.isHole(p)) {
                    line = nullptr;
                    continue;
                }
                if (!line)
                    parts.push_back(line = new QLineSeries);
                line->append(p.x, p.y);
            }
        }
        if (drawsMarkers(style)) {
            auto* dots = new QScatterSeries;
            for (const ChartPoint& p : series.points)
                if (!group.isHole(p))
                    dots->append(p.x, p.y);
            parts.push_back(dots);
        }
        for (QXYSeries* part : parts) {
            part->setName(series.name);
            addSeries(part);
            part->attachAxis(xAxis_);
            part->attachAxis(yAxis_);
            if (auto* dots = qobject_cast<QScatterSeries*>(part)) {
                dots->setMarkerShape(scatterShape(style.marker));
                dots->setMarkerSize(style.markerSize);
                dots->setColor(style.color);
                dots->setBorderColor(style.color);
            }
            else {
                part->setPen(seriesPen(style));
            }
        }
    }
}

QStringList ChartPlot::legendTexts() const
{
    return legend_->isVisible() ? legend_->texts() : QStringList();
}

void ChartPlot::resizeEvent(QGraphicsSceneResizeEvent* event)
{
    QChart::resizeEvent(event);
    layoutLegend();
}

// The legend takes a strip below or beside the plot, reserved through the chart's
// margins so that axes and titles move out of its way.
void ChartPlot::layoutLegend()
{
    constexpr int gap = 6;
    QMargins margins(gap, gap, gap, gap);
    QSizeF chart = size();
    if (legend_->isVisible()) {
        bool column = legendPosition_ != LegendPosition::Bottom;
        QSizeF taken = legend_->arrange(column ? chart.width() / 3 : chart.width() - 2 * gap, column);
        int room = int(std::ceil(column ? taken.width() : taken.height())) + 2 * gap;
        switch (legendPosition_) {
        case LegendPosition::Bottom:
            legend_->setPos((chart.width() - taken.width()) / 2, chart.height() - gap - taken.height());
            margins.setBottom(room);
            break;
        case LegendPosition::Left:
            legend_->setPos(gap, (chart.height() - taken.height()) / 2);
            margins.setLeft(room);
            break;
        case LegendPosition::Right:
            legend_->setPos(chart.width() - gap - taken.width(), (chart.height() - taken.height()) / 2);
            margins.setRight(room);
            break;
        }
    }
    if (margins != this->margins())
        setMargins(margins);
}

void ChartPlot::placeOverlays()
{
    QRectF area = plotArea();
    frame_->setRect(area);
    for (PlacedLabel& label : labels_) {
        double fx = (label.attach.x - xRange_.first) / (xRange_.second - xRange_.first);
        double fy = (label.attach.y - yRange_.first) / (yRange_.second - yRange_.first);
        if (xReversed_)
            fx = 1 - fx;
        QPointF at(area.left() + fx * area.width(), area.bottom() - fy * area.height());
        label.item->setPos(at + label.offset);
    }
}

} // namespace tessaro::ui
