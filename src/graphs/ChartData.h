#pragma once
// What a graph shows, described without any window: chart groups with their
// series of points, the two axes with their bounds and value labels, the plot
// area colours and the text labels attached to data coordinates. Graph code fills
// a ChartData; a chart widget, an image, a printer page or a vector file draws it
// together with the chart's appearance (ChartFormat).

#include <QColor>
#include <QPointF>
#include <QString>
#include <limits>
#include <vector>

namespace tessaro {

// Marks a point as absent; the line of its series breaks there. Chosen far away
// from any load, displacement or time so that no measured value collides with it
// (−99 would: a negated permanent displacement of 99 mm is a real point).
inline constexpr double DefaultHoleValue = std::numeric_limits<float>::max();

struct ChartPoint {
    double x = 0;
    double y = 0;
};

struct ChartSeries {
    QString name; // legend text; a series without name has no legend entry
    std::vector<ChartPoint> points;
};

struct ChartGroup {
    std::vector<ChartSeries> series;
    double holeValue = DefaultHoleValue;

    // A point is absent when either coordinate is the hole value or not a number.
    bool isHole(const ChartPoint& p) const;
};

// A text shown at a value of an axis instead of the number (e.g. "5" at −5 for
// displacements drawn on the negative side of the load axis).
struct ValueLabel {
    double value = 0;
    QString text;
};

struct ChartAxis {
    double min = 0;
    double max = 100;
    double dataMin = 0;
    double dataMax = 100;
    QString title;
    // Used instead of the numbers when not empty, in ascending order of value.
    std::vector<ValueLabel> valueLabels;
};

// Blanked when both colours are equal: the plot area then shows no frame and no
// grid, only its background.
struct PlotAreaColors {
    QColor background = Qt::white;
    QColor foreground = Qt::black;
};

// A text placed at a data coordinate, its top-left corner moved from that
// coordinate by an offset in drawing units (1/96 inch, x right, y down).
struct ChartLabel {
    QString text;
    ChartPoint attach;
    QPointF offset;
};

struct ChartData {
    QString title;
    std::vector<ChartGroup> groups;
    ChartAxis x;
    ChartAxis y;
    bool xReversed = false; // X grows from right to left
    PlotAreaColors plotArea;
    std::vector<ChartLabel> labels;

    // Group g, created (empty) when missing.
    ChartGroup& group(int g);
    // Series s of group g, created (empty) when missing.
    ChartSeries& series(int g, int s);
    int seriesCount() const;
};

// Writes Max, min, DataMax and DataMin of the X axis and then of the Y axis from
// the given bounds (the data bounds are set equal to the axis bounds).
void setAxisBounds(ChartData& chart, float xMax, float xMin, float yMax, float yMin);

// Plot area with visible content: white background, black frame and grid.
void plotAreaVisible(ChartData& chart);
// Plot area blanked for a chart without points: white on white.
void plotAreaBlank(ChartData& chart);
bool isPlotAreaBlank(const PlotAreaColors& colors);

} // namespace tessaro
