#pragma once
// Charts drawn without a window: as an image (the clipboard copy), onto a
// printer page, and onto the pages of documents. Sizes are in drawing units of
// 1/96 inch; the chart keeps the same layout whatever device it is drawn on.

#include "graphs/ChartData.h"
#include "graphs/ChartFormat.h"

#include <QImage>
#include <QRectF>
#include <QSize>
#include <QString>

class QPainter;
class QPrinter;

namespace tessaro::ui {

// Chart sizes given in twips (1/1440 inch): 9000 twips print a graph 6.25 inches
// square, 6000 twips copy it 4.17 inches square.
constexpr int fromTwips(int twips)
{
    return twips * 96 / 1440;
}

// Draws the chart laid out at the size of the target rectangle (in the painter's
// coordinates).
void renderChart(const ChartData& data, const ChartFormat& format, QPainter& painter, const QRectF& target);

QImage chartImage(const ChartData& data, const ChartFormat& format, QSize size);

// Puts the chart on the clipboard as an image of the given size.
void copyChartToClipboard(const ChartData& data, const ChartFormat& format, QSize size);

// Prints the chart at the given size, centred at the top of the printable area
// (scaled down when the page is smaller), as one page. False when the printer
// could not be opened.
bool printChart(const ChartData& data, const ChartFormat& format, QPrinter& printer, QSize size);

// Lets the documents draw their charts (documents/ChartPicture.h); both
// programs call it once at start-up.
void installDocumentChartDrawing();

} // namespace tessaro::ui
