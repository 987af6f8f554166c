#include "documents/ChartPicture.h"

#include "documents/PrintFonts.h"

#include <utility>

namespace tessaro {
namespace {

ChartDrawing& installedDrawing()
{
    static ChartDrawing drawing;
    return drawing;
}

// Points to drawing units (1/96 inch).
constexpr double UnitsPerPoint = 96.0 / 72.0;

QFont printedFont(const QFont& font)
{
    QFont printed = report::printFont(font);
    if (printed.pointSizeF() > 0)
        printed.setPixelSize(std::max(1, qRound(printed.pointSizeF() * UnitsPerPoint)));
    return printed;
}

ChartFormat printedFormat(ChartFormat f)
{
    for (QFont* font :
        { &f.titleFont, &f.labelFont, &f.legendFont, &f.x.titleFont, &f.x.labelFont, &f.y.titleFont, &f.y.labelFont })
        *font = printedFont(*font);
    return f;
}

} // namespace

ChartDrawing setChartDrawing(ChartDrawing drawing)
{
    return std::exchange(installedDrawing(), std::move(drawing));
}

report::Picture chartPicture(const QString& name, ChartData data, ChartFormat format, QSize size)
{
    auto draw = [data = std::move(data), format = std::move(format), size](QPainter& painter) {
        const ChartDrawing& drawing = installedDrawing();
        if (!drawing)
            return false;
        drawing(data, printedFormat(format), painter, QRectF(QPointF(0, 0), size));
        return true;
    };
    return { name, QSizeF(size), std::move(draw) };
}

} // namespace tessaro
