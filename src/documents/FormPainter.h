#pragma once
// Draws report templates with their filled fields onto a page whose painter
// works in engine units (0.01 mm). Fonts and picture files (the figures of the
// Report folder) are loaded once per document and reused on every page;
// pictures the code draws are drawn once and kept by nobody.

#include "documents/ReportEngine.h"
#include "documents/ReportTemplate.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <map>
#include <memory>
#include <tuple>

class QPainter;

namespace tessaro::report {

class SvgFigure;

class FormPainter {
public:
    explicit FormPainter(QPainter& painter);
    ~FormPainter();
    FormPainter(const FormPainter&) = delete;
    FormPainter& operator=(const FormPainter&) = delete;

    // Draws the template with its top edge at `top`. With handleOverflow a text
    // too large for its field is shrunk or wrapped as the field asks, else
    // clipped. An image field takes its picture, else its picture file. Returns
    // the names of the pictures that could not be drawn.
    QStringList draw(const ReportTemplate& form, int top, const Fields& texts, const Fields& images,
        const Pictures& pictures, bool handleOverflow);

    // Image files that could not be read, each once.
    const QStringList& unreadableImages() const { return unreadable_; }

private:
    void drawText(const QRect& rect, const TextStyle& style, const QString& text, bool handleOverflow);
    void drawImage(const QRect& rect, const QString& file);
    bool drawPicture(const QRect& rect, const Picture& picture);
    const QFont& font(const TextStyle& style, double size);

    QPainter& painter_;
    std::map<std::tuple<int, double, bool>, QFont> fonts_;
    QHash<QString, QImage> bitmaps_;
    QHash<QString, std::shared_ptr<SvgFigure>> figures_;
    QStringList unreadable_;
};

} // namespace tessaro::report
