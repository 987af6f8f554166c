#include "graphs/ChartFormat.h"

#include <QStringList>
#include <array>

namespace tessaro {
namespace {

const QStringList& fallbackFamilies()
{
    static const QStringList families { QStringLiteral("IPAexGothic"), QStringLiteral("IPAGothic"),
        QStringLiteral("Noto Sans CJK JP"), QStringLiteral("VL Gothic"), QStringLiteral("sans-serif") };
    return families;
}

} // namespace

QFont chartFont(const QString& family, double pointSize, bool bold, bool italic)
{
    QStringList families { family };
    for (const QString& f : fallbackFamilies())
        if (!families.contains(f))
            families << f;
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}

QFont chartFont(double pointSize, bool bold)
{
    return chartFont(fallbackFamilies().first(), pointSize, bold, false);
}

SeriesStyle defaultSeriesStyle(int series)
{
    static const std::array<QColor, 6> colors { QColor(0x1f, 0x4e, 0x9c), QColor(0xc0, 0x39, 0x2b),
        QColor(0x1e, 0x84, 0x49), QColor(0x7d, 0x3c, 0x98), QColor(0xd3, 0x54, 0x00), QColor(Qt::black) };
    static const std::array<MarkerShape, 5> markers { MarkerShape::Circle, MarkerShape::Square, MarkerShape::Triangle,
        MarkerShape::Diamond, MarkerShape::Pentagon };
    std::size_t i = std::size_t(series < 0 ? 0 : series);
    SeriesStyle style;
    style.color = colors[i % colors.size()];
    style.marker = markers[i % markers.size()];
    return style;
}

ChartFormat::ChartFormat()
    : titleFont(chartFont(12, true))
    , labelFont(chartFont(10))
    , gridColor(0xc8, 0xc8, 0xc8)
    , legendFont(chartFont(9))
{
    for (AxisFormat* axis : { &x, &y }) {
        axis->titleFont = chartFont(10);
        axis->labelFont = chartFont(9);
    }
}

SeriesStyle ChartFormat::seriesStyle(int group, int s) const
{
    if (group >= 0 && group < int(series.size()) && s >= 0 && s < int(series[std::size_t(group)].size()))
        return series[std::size_t(group)][std::size_t(s)];
    return defaultSeriesStyle(s);
}

SeriesStyle& ChartFormat::editSeriesStyle(int group, int s)
{
    if (int(series.size()) <= group)
        series.resize(std::size_t(group) + 1);
    auto& styles = series[std::size_t(group)];
    while (int(styles.size()) <= s)
        styles.push_back(defaultSeriesStyle(int(styles.size())));
    return styles[std::size_t(s)];
}

} // namespace tessaro
