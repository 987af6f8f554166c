#pragma once
// Draws report templates with their filled fields onto a page whose painter
// works in engine units (0.01 mm). Fonts, bitmaps and SVG figures are loaded
// once per document and reused on every page.

#include "documents/ReportTemplate.h"

#include <QFont>
#include <QHash>
#include <QImage>
#include <QStringList>
#include <map>
#include <memory>
#include <tuple>

class QPainter;
class QSvgRenderer;

namespace tessaro::report {

using FieldValues = QHash<QString, QString>;

class FormPainter {
public:
    explicit FormPainter(QPainter& painter);
    ~FormPainter();
    FormPainter(const FormPainter&) = delete;
    FormPainter& operator=(const FormPainter&) = delete;

    // Draws the template with its top edge at `top`. With handleOverflow a text
    // too large for its field is shrunk or wrapped as the field asks, else clipped.
    void draw(
        const ReportTemplate& form, int top, const FieldValues& texts, const FieldValues& images, bool handleOverflow);

    // Image files that could not be read, each once.
    const QStringList& unreadableImages() const { return unreadable_; }

private:
    void drawText(const QRect& rect, const TextStyle& style, const QString& text, bool handleOverflow);
    void drawImage(const QRect& rect, const QString& file);
    const QFont& font(const TextStyle& style, double size);

    QPainter& painter_;
    std::map<std::tuple<int, double, bool>, QFont> fonts_;
    QHash<QString, QImage> bitmaps_;
    QHash<QString, std::shared_ptr<QSvgRenderer>> figures_;
    QStringList unreadable_;
};

} // namespace tessaro::report
