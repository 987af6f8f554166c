#pragma once
// The parts of the chart property editor. Each window decides once, after it
// loads, which parts its charts offer: most windows let the user change only what
// keeps a graph readable in a report (titles, series styles, grid, legend), a few
// also the axis labels, and the evaluation windows nothing at all.

#include <QFlags>

namespace tessaro::ui {

enum class ChartEditorElement {
    Titles = 0x1, // chart and axis titles, their fonts, the font of chart labels
    AxisLabels = 0x2, // font of the axis numbers and value labels
    Grid = 0x4, // grid lines of either axis and their colour
    SeriesStyles = 0x8, // colour, line and marker of every series
    Legend = 0x10, // legend shown or not, its position and font
};
Q_DECLARE_FLAGS(ChartEditorElements, ChartEditorElement)
Q_DECLARE_OPERATORS_FOR_FLAGS(ChartEditorElements)

inline constexpr ChartEditorElements AllEditorElements = ChartEditorElement::Titles | ChartEditorElement::AxisLabels
    | ChartEditorElement::Grid | ChartEditorElement::SeriesStyles | ChartEditorElement::Legend;

} // namespace tessaro::ui
