#pragma once
// Charts on documents: drawn straight onto the page as vector graphics, with
// their texts as text (found and copied as printed) in the faces documents print
// in, one chart at a time as its template is drawn. The chart component
// belongs to the window library, which installs its drawing once at start-up
// (ui::installDocumentChartDrawing); without it a chart's frame stays empty and
// the engine names the chart among its problems.

#include "documents/ReportEngine.h"
#include "graphs/ChartData.h"
#include "graphs/ChartFormat.h"

#include <QRectF>
#include <QSize>
#include <functional>

class QPainter;

namespace tessaro {

// Draws the chart laid out at the size of the target rectangle.
using ChartDrawing
    = std::function<void(const ChartData& data, const ChartFormat& format, QPainter& painter, const QRectF& target)>;

// Installs the drawing (an empty function removes it) and returns the previous one.
ChartDrawing setChartDrawing(ChartDrawing drawing);

// The sizes charts are laid out at, in drawing units of 1/96 inch; a chart is
// then scaled to its image field. A test graph near the size the graph sheets
// print it, four to a page (6000 twips, as a copied graph), so that its texts
// print near their own sizes; the load plan wide, as the documents place it
// beside their tables; a summary chart across an A4 portrait page, two to a page.
inline constexpr QSize TestGraphSize(400, 400);
inline constexpr QSize LoadPlanGraphSize(800, 400);
inline constexpr QSize SummaryGraphSize(680, 440);
// The friction-loss sheet's chart, 9000 × 7000 twips.
inline constexpr QSize FrictionLossGraphSize(600, 467);

// The chart as a picture for an image field. The format's faces become the
// print faces; font sizes are fixed in drawing units, so that the chart's texts
// keep their size against its lines on any page.
report::Picture chartPicture(const QString& name, ChartData data, ChartFormat format, QSize size);

} // namespace tessaro
