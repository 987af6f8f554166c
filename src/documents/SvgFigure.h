#pragma once
// A figure of the Report folder (an SVG Tiny drawing, such as the figures of
// the anchor types): its shapes drawn by the SVG renderer, its texts drawn as
// text in the print faces (PrintFonts.h), so that a document's figure labels
// are found and copied as printed — the SVG renderer would draw them as
// outlines. Texts are placed as the SVG says: x, y (the baseline), font-size,
// font-family, font-style, text-anchor and fill.

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>
#include <vector>

class QPainter;
class QSvgRenderer;

namespace tessaro::report {

class SvgFigure {
public:
    explicit SvgFigure(const QString& file);
    ~SvgFigure();

    bool isValid() const;
    // The figure's own size (its view box).
    QSizeF size() const;
    // Draws the figure stretched to the target rectangle.
    void draw(QPainter& painter, const QRectF& target) const;

private:
    struct Label {
        QPointF at;
        QString text;
        QFont font;
        double size;
        int anchor; // −1 start, 0 middle, 1 end
        QColor colour;
    };
    std::unique_ptr<QSvgRenderer> shapes_;
    std::vector<Label> labels_;
};

} // namespace tessaro::report
