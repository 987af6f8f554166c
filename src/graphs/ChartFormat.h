#pragma once
// How a chart looks, apart from what it shows: title texts the user changed,
// fonts, series colours, line widths and marker shapes, grid and legend. This is
// what the chart property editor changes and what a chart format file keeps.

#include <QColor>
#include <QFont>
#include <QString>
#include <optional>
#include <vector>

namespace tessaro {

enum class LineStyle { Solid, Dash, Dot, DashDot, None };
enum class MarkerShape { None, Circle, Square, Diamond, Triangle, Star, Pentagon };
enum class LegendPosition { Bottom, Left, Right };

struct SeriesStyle {
    QColor color;
    double lineWidth = 2; // drawing units (1/96 inch)
    LineStyle line = LineStyle::Solid;
    MarkerShape marker = MarkerShape::Circle;
    double markerSize = 7; // drawing units
    bool operator==(const SeriesStyle&) const = default;
};

struct AxisFormat {
    std::optional<QString> title; // replaces the graph's axis title when set
    QFont titleFont;
    QFont labelFont;
    bool grid = true;
    bool operator==(const AxisFormat&) const = default;
};

struct ChartFormat {
    std::optional<QString> title; // replaces the graph's title when set
    QFont titleFont;
    QFont labelFont; // texts attached to data coordinates
    AxisFormat x;
    AxisFormat y;
    QColor gridColor;
    bool legendVisible = true;
    LegendPosition legendPosition = LegendPosition::Bottom;
    QFont legendFont;
    // Styles per chart group and series; series beyond take defaultSeriesStyle.
    std::vector<std::vector<SeriesStyle>> series;

    ChartFormat();
    SeriesStyle seriesStyle(int group, int series) const;
    // The style of a series, made explicit (with its default) when missing.
    SeriesStyle& editSeriesStyle(int group, int series);
    bool operator==(const ChartFormat&) const = default;
};

// Chart texts are set in IPAex Gothic; where it is missing the Japanese faces
// commonly found take its place.
QFont chartFont(double pointSize, bool bold = false);
QFont chartFont(const QString& family, double pointSize, bool bold, bool italic);

// Colours and markers that keep up to five series apart also in black and white
// print: the marker shape changes along with the colour.
SeriesStyle defaultSeriesStyle(int series);

} // namespace tessaro
