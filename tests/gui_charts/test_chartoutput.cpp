#include "SampleCharts.h"

#include "graphs/AxisLabels.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/ChartOutput.h"
#include "ui/ChartPlot.h"

#include <QApplication>
#include <QCategoryAxis>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPrinter>
#include <QRegularExpression>
#include <QScatterSeries>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;

namespace {

// Texts of the SVG file, with the invisible marks that keep repeated axis labels
// apart removed.
QStringList svgTexts(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString svg = QString::fromUtf8(file.readAll());
    QStringList texts;
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    for (auto it = text.globalMatch(svg); it.hasNext();)
        texts << it.next().captured(1).remove(QChar(0x200B));
    return texts;
}

// The worked case of the absolute labels, drawn over the whole labelled range.
ChartData workedCase()
{
    ChartData chart = test::displacementCurves();
    setAxisBounds(chart, 10, -15, 300, 0);
    absoluteValueLabels(chart, 9, -12, ChartAxisId::X);
    return chart;
}

// A chart laid out in a scene of its own, as it is drawn off screen.
struct LaidOutPlot {
    QGraphicsScene scene;
    ChartPlot* plot = new ChartPlot;
    explicit LaidOutPlot(const ChartData& data, const ChartFormat& format = {})
    {
        scene.addItem(plot);
        plot->draw(data, format);
        plot->setGeometry(QRectF(0, 0, 600, 600));
        plot->layout()->activate();
    }
};

bool hasInk(const QImage& image)
{
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                return true;
    return false;
}

} // namespace

TEST(ChartOutput, SvgFileHoldsTitlesAndAbsoluteAxisLabels)
{
    QString path = test::tempPath("GRAPH1.svg");
    ASSERT_TRUE(writeChartSvg(workedCase(), ChartFormat(), path, QSize(fromTwips(9000), fromTwips(9000))));
    QStringList texts = svgTexts(path);
    QString all = texts.join('|');
    EXPECT_TRUE(all.contains(QStringLiteral("荷重-変位量曲線")));
    EXPECT_TRUE(all.contains(QStringLiteral("変位量(")));
    EXPECT_TRUE(all.contains(QStringLiteral("荷重(")));
    EXPECT_TRUE(texts.join("").contains(QStringLiteral("⊿δe")));
    EXPECT_TRUE(texts.contains(QStringLiteral("弾性変位量")));
    // −15 … 10 read 15, 10, 5, 0, 5, 10: each of 5 and 10 twice, no minus sign.
    EXPECT_EQ(texts.count("15"), 1);
    EXPECT_EQ(texts.count("10"), 2);
    EXPECT_EQ(texts.count("5"), 2);
    EXPECT_FALSE(texts.contains("-5"));
    EXPECT_TRUE(texts.contains("250")); // load axis keeps its numbers
}

TEST(ChartOutput, SvgThatCannotBeWrittenIsReported)
{
    EXPECT_FALSE(writeChartSvg(workedCase(), ChartFormat(), test::tempPath("no/such/folder/x.svg"), QSize(400, 400)));
    QDir(test::tempDir()).mkdir("folder.svg");
    EXPECT_FALSE(writeChartSvg(workedCase(), ChartFormat(), test::tempPath("folder.svg"), QSize(400, 400)));
}

TEST(ChartOutput, PrintsOnePageToThePrinter)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString path = test::tempPath("print.pdf");
    printer.setOutputFileName(path);
    Chart2D chart;
    chart.setData(test::displacementCurves());
    ASSERT_TRUE(chart.print(printer, QSize(fromTwips(9000), fromTwips(9000))));
    QFile pdf(path);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r"), 1);
}

TEST(ChartOutput, ImageIsLaidOutAtItsOwnSizeNotTheScreens)
{
    Chart2D chart;
    chart.resize(200, 160);
    chart.setData(test::displacementCurves());
    QImage image = chart.toImage(QSize(600, 600));
    EXPECT_EQ(image.size(), QSize(600, 600));
    // The plot reaches into the lower right quarter: the chart filled the image.
    EXPECT_TRUE(hasInk(image.copy(300, 300, 300, 300)));
}

TEST(ChartPlot, HolesSplitTheLineAndEachSeriesHasOneLegendEntry)
{
    LaidOutPlot laidOut(test::displacementCurves());
    ChartPlot& plot = *laidOut.plot;
    // Series 5 (permanent displacement) has a hole in the middle: two line pieces
    // and one set of markers.
    int permanentLines = 0;
    for (QAbstractSeries* s : plot.series())
        if (s->name() == QStringLiteral("塑性変位量") && qobject_cast<QLineSeries*>(s)
            && s->type() == QAbstractSeries::SeriesTypeLine)
            ++permanentLines;
    EXPECT_EQ(permanentLines, 2);
    EXPECT_EQ(plot.legendTexts(), (QStringList { "理論線", "上限線", "下限線", "弾性変位量", "塑性変位量" }));
}

TEST(ChartPlot, ValueLabelsReversedAxisAndNumberedAxis)
{
    ChartData chart = workedCase();
    chart.xReversed = true;
    LaidOutPlot laidOut(chart);
    ChartPlot& plot = *laidOut.plot;
    auto* x = qobject_cast<QCategoryAxis*>(plot.axes(Qt::Horizontal).value(0));
    ASSERT_NE(x, nullptr);
    EXPECT_TRUE(x->isReverse());
    QStringList labels = x->categoriesLabels();
    for (QString& l : labels)
        l.remove(QChar(0x200B));
    EXPECT_EQ(labels, (QStringList { "15", "10", "5", "0", "5", "10" }));
    EXPECT_DOUBLE_EQ(x->endValue(x->categoriesLabels()[0]), -15);
    auto* y = qobject_cast<QValueAxis*>(plot.axes(Qt::Vertical).value(0));
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->min(), 0);
    EXPECT_EQ(y->max(), 300);
    EXPECT_EQ(y->tickInterval(), 50);
}

TEST(ChartPlot, LabelsBeyondTheAxisRangeAreLeftOut)
{
    // −N = −3 cuts the −5 label off; pinned to the axis end it would read wrong.
    LaidOutPlot laidOut(test::displacementCurves());
    ChartPlot& plot = *laidOut.plot;
    auto* x = qobject_cast<QCategoryAxis*>(plot.axes(Qt::Horizontal).value(0));
    ASSERT_NE(x, nullptr);
    EXPECT_EQ(x->categoriesLabels(), (QStringList { "0", "5", "10" }));
}

TEST(ChartPlot, BlankChartShowsNoFrameNoGridNoLegend)
{
    ChartData chart = test::emptyChart();
    chart.series(0, 0).name = QStringLiteral("荷重");
    // Ink along the top edge of the plot area and across its middle.
    auto inkInPlot = [](const ChartData& data) {
        LaidOutPlot laidOut(data);
        QImage image(600, 600, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        laidOut.scene.render(&painter, QRectF(0, 0, 600, 600), QRectF(0, 0, 600, 600));
        painter.end();
        QRect area = laidOut.plot->plotArea().toRect();
        return std::pair { hasInk(image.copy(area.left() + 10, area.top() - 1, area.width() - 20, 3)),
            hasInk(image.copy(area.adjusted(10, 10, -10, -10))) };
    };
    EXPECT_EQ(inkInPlot(chart), std::make_pair(false, false));
    plotAreaVisible(chart);
    EXPECT_EQ(inkInPlot(chart), std::make_pair(true, true)); // frame and grid

    LaidOutPlot blank(test::emptyChart());
    for (QAbstractAxis* axis : blank.plot->axes()) {
        auto* values = qobject_cast<QValueAxis*>(axis);
        ASSERT_NE(values, nullptr);
        EXPECT_EQ(values->min(), 0);
        EXPECT_EQ(values->max(), 100);
    }
    EXPECT_TRUE(blank.plot->legendTexts().isEmpty());
}

TEST(ChartPlot, DegenerateBoundsStillDrawARange)
{
    ChartAxis axis;
    axis.min = axis.max = 0;
    EXPECT_EQ(drawnRange(axis), std::make_pair(0.0, 1.0));
    axis.min = axis.max = 50;
    EXPECT_EQ(drawnRange(axis), std::make_pair(45.0, 55.0));
    axis.min = 10;
    axis.max = -10;
    EXPECT_EQ(drawnRange(axis), std::make_pair(-10.0, 10.0));
    axis.min = 1e-300;
    axis.max = 3e-300;
    EXPECT_EQ(drawnRange(axis), std::make_pair(0.0, 1.0));
    axis.min = 1e6;
    axis.max = 1e6 + 1e-7; // closer than any reading can be: would need endless ticks
    EXPECT_NEAR(drawnRange(axis).second - drawnRange(axis).first, 2e5, 1);
    axis.max = std::numeric_limits<double>::infinity();
    EXPECT_EQ(drawnRange(axis), std::make_pair(0.0, 100.0));
}
