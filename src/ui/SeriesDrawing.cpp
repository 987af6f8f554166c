#include "ui/SeriesDrawing.h"

#include <QPolygonF>
#include <QtMath>

namespace tessaro::ui {
namespace {

Qt::PenStyle penStyle(LineStyle line)
{
    switch (line) {
    case LineStyle::Solid:
        return Qt::SolidLine;
    case LineStyle::Dash:
        return Qt::DashLine;
    case LineStyle::Dot:
        return Qt::DotLine;
    case LineStyle::DashDot:
        return Qt::DashDotLine;
    case LineStyle::None:
        break;
    }
    return Qt::NoPen;
}

// Corners start at the top and go round; a star alternates between the outer and
// the inner radius.
QPainterPath polygonPath(int corners, double radius, double innerRadius = 0)
{
    int points = innerRadius > 0 ? corners * 2 : corners;
    QPolygonF polygon;
    for (int i = 0; i < points; ++i) {
        double r = innerRadius > 0 && i % 2 ? innerRadius : radius;
        double angle = -M_PI / 2 + 2 * M_PI * i / points;
        polygon << QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath path;
    path.addPolygon(polygon);
    path.closeSubpath();
    return path;
}

} // namespace

QPen seriesPen(const SeriesStyle& style)
{
    return QPen(style.color, style.lineWidth, penStyle(style.line), Qt::FlatCap, Qt::RoundJoin);
}

bool drawsLine(const SeriesStyle& style)
{
    return style.line != LineStyle::None && style.lineWidth > 0;
}

bool drawsMarkers(const SeriesStyle& style)
{
    return style.marker != MarkerShape::None && style.markerSize > 0;
}

QPainterPath markerPath(MarkerShape shape, double size)
{
    double r = size / 2;
    QPainterPath path;
    switch (shape) {
    case MarkerShape::Circle:
        path.addEllipse(QPointF(0, 0), r, r);
        break;
    case MarkerShape::Square:
        path.addRect(-r, -r, size, size);
        break;
    case MarkerShape::Diamond:
        path = polygonPath(4, r * 1.2);
        break;
    case MarkerShape::Triangle:
        path = polygonPath(3, r * 1.15);
        break;
    case MarkerShape::Star:
        path = polygonPath(5, r * 1.2, r * 0.5);
        break;
    case MarkerShape::Pentagon:
        path = polygonPath(5, r * 1.05);
        break;
    case MarkerShape::None:
        break;
    }
    return path;
}

} // namespace tessaro::ui
