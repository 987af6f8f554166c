#include "documents/FormPainter.h"

#include "documents/PrintFonts.h"
#include "documents/SvgFigure.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>

namespace tessaro::report {
namespace {

// Points to engine units: 1 pt = 1/72 inch = 2540/72 × 0.01 mm.
constexpr double UnitsPerPoint = 2540.0 / 72.0;
// A text is never shrunk below this, so that it stays legible in print.
constexpr double SmallestPoints = 4.0;

QRectF fitKeepingAspect(const QSizeF& content, const QRect& box)
{
    if (content.isEmpty())
        return box;
    QSizeF size = content.scaled(box.size(), Qt::KeepAspectRatio);
    return QRectF(box.x() + (box.width() - size.width()) / 2, box.y() + (box.height() - size.height()) / 2,
        size.width(), size.height());
}

QFont reportFont(FontFace face, double pointSize, bool bold)
{
    QFont font(printFamily(face));
    font.setPixelSize(std::max(1, int(std::lround(pointSize * UnitsPerPoint))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

} // namespace

FormPainter::FormPainter(QPainter& painter)
    : painter_(painter)
{
}
FormPainter::~FormPainter() = default;

const QFont& FormPainter::font(const TextStyle& style, double size)
{
    auto key = std::make_tuple(int(style.face), size, style.bold);
    auto it = fonts_.find(key);
    if (it == fonts_.end())
        it = fonts_.emplace(key, reportFont(style.face, size, style.bold)).first;
    return it->second;
}

QStringList FormPainter::draw(const ReportTemplate& form, int top, const Fields& texts, const Fields& images,
    const Pictures& pictures, bool handleOverflow)
{
    QStringList undrawn;
    painter_.save();
    painter_.translate(0, top);
    for (const TemplateItem& item : form.items) {
        switch (item.kind) {
        case TemplateItem::Line:
            painter_.setPen(QPen(Qt::black, item.lineWidth, item.penStyle, Qt::FlatCap));
            painter_.drawLine(item.line);
            break;
        case TemplateItem::Box:
            painter_.setPen(
                item.lineWidth > 0 ? QPen(Qt::black, item.lineWidth, item.penStyle, Qt::SquareCap) : QPen(Qt::NoPen));
            painter_.setBrush(item.fill.isValid() ? QBrush(item.fill) : QBrush(Qt::NoBrush));
            painter_.drawRect(item.rect);
            break;
        case TemplateItem::Text:
            drawText(item.rect, item.style, item.text, true);
            break;
        case TemplateItem::Field:
            if (auto it = texts.find(item.text); it != texts.end() && !it->isEmpty())
                drawText(item.rect, item.style, *it, handleOverflow);
            break;
        case TemplateItem::Image:
            if (auto p = pictures.find(item.text); p != pictures.end()) {
                if (!drawPicture(item.rect, *p))
                    undrawn << p->name;
            }
            else if (auto it = images.find(item.text); it != images.end() && !it->isEmpty()) {
                drawImage(item.rect, *it);
            }
            break;
        }
    }
    painter_.restore();
    return undrawn;
}

void FormPainter::drawText(const QRect& rect, const TextStyle& style, const QString& text, bool handleOverflow)
{
    QRectF area = QRectF(rect).adjusted(style.padding, 0, -style.padding, 0);
    int flags = int(style.align);
    double size = style.size;
    if (handleOverflow && style.overflow != Overflow::Clip) {
        if (style.overflow == Overflow::Wrap)
            flags |= Qt::TextWordWrap;
        // Shrink in steps until the text fits the field; a wrapped text first
        // takes more lines, and shrinks only when the lines do not fit either.
        for (int step = 0; step < 40 && size > SmallestPoints; ++step) {
            QSizeF need = QFontMetricsF(font(style, size), painter_.device()).boundingRect(area, flags, text).size();
            if (need.width() <= area.width() + 0.5 && need.height() <= area.height() + 0.5)
                break;
            double scale = style.overflow == Overflow::Shrink && need.width() > area.width()
                ? area.width() / need.width()
                : 0.92;
            size = std::max(SmallestPoints, std::floor(size * std::min(scale, 0.98) * 10) / 10);
        }
    }
    painter_.setFont(font(style, size));
    painter_.setPen(style.color);
    painter_.drawText(area, flags, text);
}

bool FormPainter::drawPicture(const QRect& rect, const Picture& picture)
{
    if (picture.size.isEmpty() || !picture.draw)
        return false;
    const QRectF target = fitKeepingAspect(picture.size, rect);
    painter_.save();
    painter_.translate(target.topLeft());
    painter_.scale(target.width() / picture.size.width(), target.height() / picture.size.height());
    const bool drawn = picture.draw(painter_);
    painter_.restore();
    return drawn;
}

void FormPainter::drawImage(const QRect& rect, const QString& file)
{
    if (unreadable_.contains(file))
        return;
    if (file.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        auto it = figures_.find(file);
        if (it == figures_.end())
            it = figures_.insert(file, std::make_shared<SvgFigure>(file));
        if (!(*it)->isValid()) {
            unreadable_ << file;
            return;
        }
        (*it)->draw(painter_, fitKeepingAspect((*it)->size(), rect));
        return;
    }
    auto it = bitmaps_.find(file);
    if (it == bitmaps_.end())
        it = bitmaps_.insert(file, QImage(file));
    if (it->isNull()) {
        unreadable_ << file;
        return;
    }
    painter_.drawImage(fitKeepingAspect(it->size(), rect), *it);
}

} // namespace tessaro::report
