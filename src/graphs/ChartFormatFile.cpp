#include "graphs/ChartFormatFile.h"

#include "model/AppPaths.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSettings>
#include <utility>

namespace tessaro {
namespace {

// Written into every file so that a file of another kind (or a later layout) is
// recognised and left alone.
const QString FormatVersion = QStringLiteral("1");
constexpr int MaxGroups = 10;
constexpr int MaxSeries = 50;

template <class E> using Names = std::initializer_list<std::pair<E, const char*>>;

const Names<LineStyle> lineNames { { LineStyle::Solid, "solid" }, { LineStyle::Dash, "dash" },
    { LineStyle::Dot, "dot" }, { LineStyle::DashDot, "dashdot" }, { LineStyle::None, "none" } };
const Names<MarkerShape> markerNames { { MarkerShape::None, "none" }, { MarkerShape::Circle, "circle" },
    { MarkerShape::Square, "square" }, { MarkerShape::Diamond, "diamond" }, { MarkerShape::Triangle, "triangle" },
    { MarkerShape::Star, "star" }, { MarkerShape::Pentagon, "pentagon" } };
const Names<LegendPosition> legendNames { { LegendPosition::Bottom, "bottom" }, { LegendPosition::Left, "left" },
    { LegendPosition::Right, "right" } };

template <class E> QString nameOf(E value, Names<E> names)
{
    for (auto& [v, name] : names)
        if (v == value)
            return QString::fromLatin1(name);
    return {};
}

QString seriesGroupName(int group, int series)
{
    return QStringLiteral("Group%1Series%2").arg(group + 1).arg(series + 1);
}

// Reads keys of the current section into the format, keeping the designed value
// of every key the file does not hold; any value that cannot be read marks the
// whole file as damaged.
class Reader {
public:
    explicit Reader(QSettings& settings)
        : s_(settings)
    {
    }
    bool ok() const { return ok_; }
    void fail() { ok_ = false; }

    void text(const QString& key, std::optional<QString>& out)
    {
        if (s_.contains(key))
            out = s_.value(key).toString();
    }
    void flag(const QString& key, bool& out)
    {
        if (!s_.contains(key))
            return;
        QString v = s_.value(key).toString();
        if (v == QLatin1String("true") || v == QLatin1String("false"))
            out = v == QLatin1String("true");
        else
            fail();
    }
    void number(const QString& key, double& out, double min, double max)
    {
        if (!s_.contains(key))
            return;
        bool valid = false;
        double v = s_.value(key).toString().toDouble(&valid);
        if (valid && v >= min && v <= max)
            out = v;
        else
            fail();
    }
    void color(const QString& key, QColor& out)
    {
        if (!s_.contains(key))
            return;
        QColor c = QColor::fromString(s_.value(key).toString());
        if (c.isValid())
            out = c;
        else
            fail();
    }
    template <class E> void choice(const QString& key, E& out, Names<E> names)
    {
        if (!s_.contains(key))
            return;
        QString v = s_.value(key).toString();
        for (auto& [value, name] : names)
            if (v == QLatin1String(name)) {
                out = value;
                return;
            }
        fail();
    }
    void font(const QString& key, QFont& out)
    {
        std::optional<QString> family = out.family();
        double size = out.pointSizeF();
        bool bold = out.bold();
        bool italic = out.italic();
        text(key, family);
        number(key + "Size", size, 1, 144);
        flag(key + "Bold", bold);
        flag(key + "Italic", italic);
        if (family->isEmpty())
            fail();
        else
            out = chartFont(*family, size, bold, italic);
    }

private:
    QSettings& s_;
    bool ok_ = true;
};

void writeFont(QSettings& s, const QString& key, const QFont& font)
{
    s.setValue(key, font.family());
    s.setValue(key + "Size", font.pointSizeF());
    s.setValue(key + "Bold", font.bold());
    s.setValue(key + "Italic", font.italic());
}

void writeTitle(QSettings& s, const std::optional<QString>& title)
{
    if (title)
        s.setValue("Title", *title);
}

void readAxis(QSettings& s, Reader& r, const QString& section, AxisFormat& axis)
{
    s.beginGroup(section);
    r.text("Title", axis.title);
    r.font("TitleFont", axis.titleFont);
    r.font("LabelFont", axis.labelFont);
    r.flag("Grid", axis.grid);
    s.endGroup();
}

void writeAxis(QSettings& s, const QString& section, const AxisFormat& axis)
{
    s.beginGroup(section);
    writeTitle(s, axis.title);
    writeFont(s, "TitleFont", axis.titleFont);
    writeFont(s, "LabelFont", axis.labelFont);
    s.setValue("Grid", axis.grid);
    s.endGroup();
}

void readSeries(QSettings& s, Reader& r, ChartFormat& format)
{
    static const QRegularExpression pattern(QStringLiteral("^Group(\\d+)Series(\\d+)$"));
    for (const QString& section : s.childGroups()) {
        QRegularExpressionMatch m = pattern.match(section);
        if (!m.hasMatch())
            continue;
        int group = m.captured(1).toInt() - 1;
        int series = m.captured(2).toInt() - 1;
        if (group < 0 || group >= MaxGroups || series < 0 || series >= MaxSeries) {
            r.fail();
            continue;
        }
        SeriesStyle& style = format.editSeriesStyle(group, series);
        s.beginGroup(section);
        r.color("Color", style.color);
        r.number("LineWidth", style.lineWidth, 0, 20);
        r.choice("LineStyle", style.line, lineNames);
        r.choice("Marker", style.marker, markerNames);
        r.number("MarkerSize", style.markerSize, 0, 40);
        s.endGroup();
    }
}

void writeSeries(QSettings& s, const ChartFormat& format)
{
    for (int g = 0; g < int(format.series.size()); ++g) {
        for (int i = 0; i < int(format.series[std::size_t(g)].size()); ++i) {
            const SeriesStyle& style = format.series[std::size_t(g)][std::size_t(i)];
            s.beginGroup(seriesGroupName(g, i));
            s.setValue("Color", style.color.name());
            s.setValue("LineWidth", style.lineWidth);
            s.setValue("LineStyle", nameOf(style.line, lineNames));
            s.setValue("Marker", nameOf(style.marker, markerNames));
            s.setValue("MarkerSize", style.markerSize);
            s.endGroup();
        }
    }
}

} // namespace

QString graphFormatFile(int chart)
{
    return QStringLiteral("IniChartGraph%1.ini").arg(chart);
}

QString summaryFormatFile(int chart)
{
    return QStringLiteral("IniSoukatuGraph%1.ini").arg(chart);
}

QString chartFormatPath(const QString& fileName)
{
    return paths::data(ChartFormatFolder + "/" + fileName);
}

bool readChartFormat(const QString& path, ChartFormat& format)
{
    if (!QFileInfo(path).isFile())
        return false;
    QSettings s(path, QSettings::IniFormat);
    if (s.status() != QSettings::NoError || s.value("Format/Version").toString() != FormatVersion)
        return false;
    ChartFormat read = format;
    Reader r(s);
    s.beginGroup("Chart");
    r.text("Title", read.title);
    r.font("TitleFont", read.titleFont);
    r.font("LabelFont", read.labelFont);
    s.endGroup();
    readAxis(s, r, "AxisX", read.x);
    readAxis(s, r, "AxisY", read.y);
    s.beginGroup("Grid");
    r.color("Color", read.gridColor);
    s.endGroup();
    s.beginGroup("Legend");
    r.flag("Visible", read.legendVisible);
    r.choice("Position", read.legendPosition, legendNames);
    r.font("Font", read.legendFont);
    s.endGroup();
    readSeries(s, r, read);
    if (!r.ok())
        return false;
    format = std::move(read);
    return true;
}

bool writeChartFormat(const QString& path, const ChartFormat& format)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSettings s(path, QSettings::IniFormat);
    s.clear();
    s.setValue("Format/Version", FormatVersion);
    s.beginGroup("Chart");
    writeTitle(s, format.title);
    writeFont(s, "TitleFont", format.titleFont);
    writeFont(s, "LabelFont", format.labelFont);
    s.endGroup();
    writeAxis(s, "AxisX", format.x);
    writeAxis(s, "AxisY", format.y);
    s.setValue("Grid/Color", format.gridColor.name());
    s.beginGroup("Legend");
    s.setValue("Visible", format.legendVisible);
    s.setValue("Position", nameOf(format.legendPosition, legendNames));
    writeFont(s, "Font", format.legendFont);
    s.endGroup();
    writeSeries(s, format);
    s.sync();
    return s.status() == QSettings::NoError;
}

} // namespace tessaro
