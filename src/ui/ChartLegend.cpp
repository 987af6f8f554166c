#include "ui/ChartLegend.h"

#include "ui/SeriesDrawing.h"

#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace tessaro::ui {
namespace {

constexpr double SampleWidth = 28; // line sample drawn before each name
constexpr double SampleGap = 5; // between sample and name
constexpr double EntryGap = 16; // between entries of one row
constexpr double RowGap = 3;

} // namespace

ChartLegend::ChartLegend(QGraphicsItem* parent)
    : QGraphicsItem(parent)
{
}

void ChartLegend::setEntries(std::vector<Entry> entries, const QFont& font)
{
    prepareGeometryChange();
    entries_ = std::move(entries);
    font_ = font;
    positions_.clear();
    size_ = {};
}

QStringList ChartLegend::texts() const
{
    QStringList texts;
    for (const Entry& e : entries_)
        texts << e.name;
    return texts;
}

double ChartLegend::entryWidth(const Entry& entry) const
{
    return SampleWidth + SampleGap + QFontMetricsF(font_).horizontalAdvance(entry.name);
}

QSizeF ChartLegend::arrange(double width, bool column)
{
    prepareGeometryChange();
    positions_.assign(entries_.size(), QPointF());
    rowHeight_ = QFontMetricsF(font_).height();
    for (const Entry& e : entries_)
        rowHeight_ = std::max(rowHeight_, e.style.markerSize + 2);
    // Rows as index ranges, then each row centred on the widest.
    std::vector<std::pair<std::size_t, std::size_t>> rows;
    std::vector<double> rowWidths;
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        double w = entryWidth(entries_[i]);
        bool newRow = rows.empty() || column || rowWidths.back() + EntryGap + w > width;
        if (newRow) {
            rows.emplace_back(i, i + 1);
            rowWidths.push_back(w);
        }
        else {
            rows.back().second = i + 1;
            rowWidths.back() += EntryGap + w;
        }
    }
    double widest = rowWidths.empty() ? 0 : *std::max_element(rowWidths.begin(), rowWidths.end());
    for (std::size_t r = 0; r < rows.size(); ++r) {
        double x = column ? 0 : (widest - rowWidths[r]) / 2;
        for (std::size_t i = rows[r].first; i < rows[r].second; ++i) {
            positions_[i] = QPointF(x, r * (rowHeight_ + RowGap));
            x += entryWidth(entries_[i]) + EntryGap;
        }
    }
    size_ = QSizeF(widest, rows.empty() ? 0 : rows.size() * (rowHeight_ + RowGap) - RowGap);
    return size_;
}

QRectF ChartLegend::boundingRect() const
{
    return QRectF(QPointF(0, 0), size_);
}

void ChartLegend::paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*)
{
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setFont(font_);
    QFontMetricsF metrics(font_);
    for (std::size_t i = 0; i < entries_.size() && i < positions_.size(); ++i) {
        const Entry& e = entries_[i];
        QPointF at = positions_[i];
        double midY = at.y() + rowHeight_ / 2;
        if (drawsLine(e.style)) {
            painter->setPen(seriesPen(e.style));
            painter->drawLine(QPointF(at.x(), midY), QPointF(at.x() + SampleWidth, midY));
        }
        if (drawsMarkers(e.style)) {
            painter->setPen(QPen(e.style.color, 1));
            painter->setBrush(e.style.color);
            painter->drawPath(
                markerPath(e.style.marker, e.style.markerSize).translated(at.x() + SampleWidth / 2, midY));
        }
        painter->setPen(Qt::black);
        painter->drawText(
            QPointF(at.x() + SampleWidth + SampleGap, midY - metrics.height() / 2 + metrics.ascent()), e.name);
    }
    painter->restore();
}

} // namespace tessaro::ui
