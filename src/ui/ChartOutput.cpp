#include "ui/ChartOutput.h"

#include "documents/ChartPicture.h"
#include "ui/ChartPlot.h"

#include <QClipboard>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace tessaro::ui {

void renderChart(const ChartData& data, const ChartFormat& format, QPainter& painter, const QRectF& target)
{
    QGraphicsScene scene;
    auto* plot = new ChartPlot;
    scene.addItem(plot);
    plot->draw(data, format);
    QRectF source(QPointF(0, 0), target.size());
    plot->setGeometry(source);
    // Lay the chart out now: off screen no event loop runs before drawing.
    plot->layout()->activate();
    scene.render(&painter, target, source);
}

QImage chartImage(const ChartData& data, const ChartFormat& format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    renderChart(data, format, painter, QRectF(QPointF(0, 0), size));
    return image;
}

void copyChartToClipboard(const ChartData& data, const ChartFormat& format, QSize size)
{
    QGuiApplication::clipboard()->setImage(chartImage(data, format, size));
}

bool printChart(const ChartData& data, const ChartFormat& format, QPrinter& printer, QSize size)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QRectF page = printer.pageLayout().paintRectPixels(printer.resolution());
    page.moveTo(0, 0);
    double toDevice = printer.resolution() / 96.0;
    double fit
        = std::min({ 1.0, page.width() / (size.width() * toDevice), page.height() / (size.height() * toDevice) });
    double scale = toDevice * fit;
    QSizeF drawn(size.width() * scale, size.height() * scale);
    painter.translate((page.width() - drawn.width()) / 2, 0);
    painter.scale(scale, scale);
    renderChart(data, format, painter, QRectF(QPointF(0, 0), size));
    return painter.end();
}

void installDocumentChartDrawing()
{
    setChartDrawing(renderChart);
}

} // namespace tessaro::ui
