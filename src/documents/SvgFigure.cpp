#include "documents/SvgFigure.h"

#include "documents/PrintFonts.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QXmlStreamReader>

namespace tessaro::report {
namespace {

// Texts are set at this many times their size and drawn scaled down, so that
// sizes between whole units keep their fraction (fonts take whole pixel sizes).
constexpr double TextScale = 16.0;

} // namespace

SvgFigure::SvgFigure(const QString& file)
{
    QFile in(file);
    const QByteArray svg = in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != QLatin1String("text"))
            continue;
        const QXmlStreamAttributes a = xml.attributes();
        Label label;
        label.at = QPointF(a.value("x").toDouble(), a.value("y").toDouble());
        label.size = a.hasAttribute("font-size") ? a.value("font-size").toDouble() : 12.0;
        QFont font(a.value("font-family").toString());
        font.setItalic(a.value("font-style") == QLatin1String("italic"));
        font.setPixelSize(std::max(1, qRound(label.size * TextScale)));
        label.font = printFont(font);
        const auto anchor = a.value("text-anchor");
        label.anchor = anchor == QLatin1String("middle") ? 0 : anchor == QLatin1String("end") ? 1 : -1;
        label.colour = a.hasAttribute("fill") ? QColor::fromString(a.value("fill")) : QColor(Qt::black);
        label.text = xml.readElementText(QXmlStreamReader::IncludeChildElements);
        labels_.push_back(label);
    }
    static const QRegularExpression texts(
        QStringLiteral("<text\\b.*?</text>"), QRegularExpression::DotMatchesEverythingOption);
    shapes_ = std::make_unique<QSvgRenderer>(QString::fromUtf8(svg).remove(texts).toUtf8());
}

SvgFigure::~SvgFigure() = default;

bool SvgFigure::isValid() const
{
    return shapes_->isValid();
}

QSizeF SvgFigure::size() const
{
    return shapes_->viewBoxF().size();
}

void SvgFigure::draw(QPainter& painter, const QRectF& target) const
{
    shapes_->render(&painter, target);
    const QRectF box = shapes_->viewBoxF();
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(target.width() / box.width(), target.height() / box.height());
    painter.translate(-box.topLeft());
    for (const Label& label : labels_) {
        painter.save();
        painter.translate(label.at);
        painter.scale(1 / TextScale, 1 / TextScale);
        painter.setFont(label.font);
        painter.setPen(label.colour);
        const double width = QFontMetricsF(label.font).horizontalAdvance(label.text);
        painter.drawText(QPointF(-width * (label.anchor + 1) / 2, 0), label.text);
        painter.restore();
    }
    painter.restore();
}

} // namespace tessaro::report
