#include "ui/SpreadHeaderView.h"

#include "ui/SpreadModel.h"

#include <QEvent>
#include <QPainter>
#include <QStyleOptionHeader>
#include <algorithm>
#include <numeric>

namespace tessaro::ui {

SpreadHeaderView::SpreadHeaderView(QWidget* parent) : QHeaderView(Qt::Horizontal, parent)
{
    setSectionsMovable(false);
    setSectionsClickable(true);
    setHighlightSections(true);
}

const SpreadModel* SpreadHeaderView::spreadModel() const { return qobject_cast<const SpreadModel*>(model()); }

int SpreadHeaderView::textHeight(const QString& text) const
{
    // Measured on the laid-out text: Japanese glyphs may come from a fallback
    // font with taller lines than the header font's own.
    QString measured = text.isEmpty() ? QStringLiteral("漢") : text;
    return fontMetrics().boundingRect(QRect(0, 0, 4000, 4000), Qt::AlignCenter, measured).height() + 8;
}

const std::vector<int>& SpreadHeaderView::rowHeights() const
{
    if (measured_)
        return heights_;
    const SpreadModel* m = spreadModel();
    int rows = m ? m->headerRows() : 1;
    heights_.assign(std::size_t(rows), textHeight(QString()));
    if (m) {
        std::vector<HeaderCell> tall;
        for (int col = 1; col <= m->maxCols(); ++col)
            for (int row = 0; row < rows;) {
                HeaderCell c = m->headerCellAt(row, col);
                if (c.rows == 1)
                    heights_[std::size_t(c.row)] = std::max(heights_[std::size_t(c.row)], textHeight(c.text));
                else
                    tall.push_back(c);
                row = c.row + c.rows;
            }
        for (const HeaderCell& c : tall) {
            auto first = heights_.begin() + c.row;
            int have = std::accumulate(first, first + c.rows, 0);
            heights_[std::size_t(c.row + c.rows - 1)] += std::max(0, textHeight(c.text) - have);
        }
    }
    measured_ = true;
    return heights_;
}

QSize SpreadHeaderView::sizeHint() const
{
    QSize size = QHeaderView::sizeHint();
    const std::vector<int>& h = rowHeights();
    size.setHeight(std::accumulate(h.begin(), h.end(), 0));
    return size;
}

void SpreadHeaderView::refresh()
{
    measured_ = false;
    updateGeometry();
    viewport()->update();
}

void SpreadHeaderView::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        measured_ = false;
    QHeaderView::changeEvent(event);
}

QRect SpreadHeaderView::spanRect(int col, int cols, int row, int rows) const
{
    int left = -1;
    int width = 0;
    for (int section = col - 1; section < col - 1 + cols && section < count(); ++section) {
        if (isSectionHidden(section))
            continue;
        if (left < 0)
            left = sectionViewportPosition(section);
        width += sectionSize(section);
    }
    const std::vector<int>& h = rowHeights();
    int top = std::accumulate(h.begin(), h.begin() + row, 0);
    int height = std::accumulate(h.begin() + row, h.begin() + row + rows, 0);
    return QRect(left, top, width, height);
}

void SpreadHeaderView::paintSection(QPainter* painter, const QRect& rect, int logicalIndex) const
{
    const SpreadModel* m = spreadModel();
    if (!m) {
        QHeaderView::paintSection(painter, rect, logicalIndex);
        return;
    }
    // Each section paints its slice of every heading that covers it; together
    // the slices draw a spanning heading once, centred over its columns.
    int col = logicalIndex + 1;
    for (int row = 0; row < m->headerRows();) {
        HeaderCell c = m->headerCellAt(row, col);
        QStyleOptionHeader opt;
        initStyleOption(&opt);
        opt.rect = spanRect(c.col, c.cols, c.row, c.rows);
        opt.section = logicalIndex;
        opt.text = c.text;
        opt.textAlignment = Qt::AlignCenter;
        opt.position = QStyleOptionHeader::Middle;
        painter->save();
        painter->setClipRect(rect.intersected(opt.rect));
        style()->drawControl(QStyle::CE_Header, &opt, painter, this);
        painter->restore();
        row = c.row + c.rows;
    }
}

} // namespace tessaro::ui
