#pragma once
// Operations every graph window shares on its charts: copying a chart's format to
// another chart (the off-screen chart that prints or copies a graph), loading a
// chart format file, restricting the property editor, and saving the charts'
// formats as the defaults the window opens with.

#include <QString>
#include <vector>

namespace tessaro::ui {

class Chart2D;

// The target takes the source's appearance, so that a graph printed or copied
// through another chart looks like the one on screen.
void copyChartFormat(const Chart2D& source, Chart2D& target);

// Loads the format file of the chart format folder into the chart. A missing or
// damaged file leaves the chart as its window designed it (false).
bool loadChartFormat(Chart2D& chart, const QString& fileName);

// The editor restrictions, each applied once after a window loads:
// evaluation windows (judgement, creep, friction loss, jack database) offer none
// of the editor; the graph, summary and input windows offer titles, series
// styles, grid and legend; the second summary chart and the input chart also
// the axis labels (applied after the graph-window restriction).
void restrictEditorHideBasic(Chart2D& chart);
void restrictEditorGraphWindow(Chart2D& chart);
void restrictEditorAxisLabels(Chart2D& chart);

struct ChartFormatTarget {
    const Chart2D* chart;
    QString fileName; // in the chart format folder
};

// Asks whether the current formats become the defaults and on Yes writes every
// chart's format to its file. True when the files were written.
bool saveChartFormatsAsDefault(const std::vector<ChartFormatTarget>& charts);

} // namespace tessaro::ui
