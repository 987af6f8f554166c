#include "ui/ChartPlot.h"

#include "graphs/AxisLabels.h"

#include <QCategoryAxis>
#include <QGraphicsSimpleTextItem>
#include <QLegend>
#include <QLegendMarker>
#include <QLineSeries>
#include <QPen>
#include <QScatterSeries>
#include <QSet>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

namespace tessaro::ui {
namespace {

Qt::PenStyle penStyle(LineStyle line)
{
    switch (line) {
    case LineStyle::Solid: return Qt::SolidLine;
    case LineStyle::Dash: return Qt::DashLine;
    case LineStyle::Dot: return Qt::DotLine;
    case LineStyle::DashDot: return Qt::DashDotLine;
    case LineStyle::None: break;
    }
    return Qt::NoPen;
}

QScatterSeries::MarkerShape scatterShape(MarkerShape marker)
{
    switch (marker) {
    case MarkerShape::Square: return QScatterSeries::MarkerShapeRectangle;
    case MarkerShape::Diamond: return QScatterSeries::MarkerShapeRotatedRectangle;
    case MarkerShape::Triangle: return QScatterSeries::MarkerShapeTriangle;
    case MarkerShape::Star: return QScatterSeries::MarkerShapeStar;
    case MarkerShape::Pentagon: return QScatterSeries::MarkerShapePentagon;
    case MarkerShape::Circle:
    case MarkerShape::None: break;
    }
    return QScatterSeries::MarkerShapeCircle;
}

Qt::Alignment legendAlignment(LegendPosition position)
{
    switch (position) {
    case LegendPosition::Top: return Qt::AlignTop;
    case LegendPosition::Left: return Qt::AlignLeft;
    case LegendPosition::Right: return Qt::AlignRight;
    case LegendPosition::Bottom: break;
    }
    return Qt::AlignBottom;
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
        if (!std::isfinite(label.value) || label.value <= last || label.value < lo - tolerance ||
            label.value > hi + tolerance)
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
    return !series.name.isEmpty() &&
           std::any_of(series.points.begin(), series.points.end(), [&](auto& p) { return !group.isHole(p); });
}

bool hasLegendEntry(const ChartData& data)
{
    for (const ChartGroup& group : data.groups)
        for (const ChartSeries& series : group.series)
            if (inLegend(group, series))
                return true;
    return false;
}

} // namespace

std::pair<double, double> drawnRange(const ChartAxis& axis)
{
    double lo = axis.min;
    double hi = axis.max;
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return {0, 100};
    if (hi < lo)
        std::swap(lo, hi);
    if (hi == lo)
        return lo == 0 ? std::pair{0.0, 1.0} : std::pair{lo - std::fabs(lo) / 10, hi + std::fabs(hi) / 10};
    return {lo, hi};
}

ChartPlot::ChartPlot()
{
    setBackgroundRoundness(0);
    setBackgroundBrush(Qt::white);
    setBackgroundPen(Qt::NoPen);
    setDropShadowEnabled(false);
    setLocalizeNumbers(false);
    setMargins(QMargins(6, 6, 6, 6));
    legend()->setMarkerShape(QLegend::MarkerShapeFromSeries);
    connect(this, &QChart::plotAreaChanged, this, &ChartPlot::placeLabels);
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
    setPlotAreaBackgroundPen(blank ? QPen(Qt::NoPen) : QPen(data.plotArea.foreground, 1));

    auto [x0, x1] = drawnRange(data.x);
    auto [y0, y1] = drawnRange(data.y);
    xRange_ = {x0, x1};
    yRange_ = {y0, y1};
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

    legend()->setVisible(format.legendVisible && hasLegendEntry(data));
    legend()->setAlignment(legendAlignment(format.legendPosition));
    legend()->setFont(format.legendFont);
    legend()->setLabelColor(Qt::black);

    for (const ChartLabel& label : data.labels) {
        auto* item = new QGraphicsSimpleTextItem(label.text, this);
        item->setFont(format.labelFont);
        item->setBrush(Qt::black);
        item->setZValue(10);
        labels_.push_back({item, label.attach, label.offset});
    }
    placeLabels();
}

void ChartPlot::drawGroup(const ChartGroup& group, int g, const ChartFormat& format)
{
    for (int s = 0; s < int(group.series.size()); ++s) {
        const ChartSeries& series = group.series[std::size_t(s)];
        SeriesStyle style = format.seriesStyle(g, s);
        std::vector<QXYSeries*> parts;
        if (style.line != LineStyle::None && style.lineWidth > 0) {
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
        if (style.marker != MarkerShape::None && style.markerSize > 0) {
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
                QPen pen(style.color, style.lineWidth, penStyle(style.line));
                pen.setCapStyle(Qt::FlatCap);
                part->setPen(pen);
            }
            // One legend entry per series of the graph, not per line piece.
            bool shown = part == parts.front() && inLegend(group, series);
            for (QLegendMarker* marker : legend()->markers(part))
                marker->setVisible(shown);
        }
    }
}

void ChartPlot::placeLabels()
{
    QRectF area = plotArea();
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
