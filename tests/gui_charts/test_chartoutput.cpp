// Charts drawn off screen: onto a document page with the system's absolute
// axis labels as text, a printer page, an image at its own size, and the
// plot's series, axes and blank state.

#include "SampleCharts.h"

#include "documents/ChartPicture.h"
#include "graphs/AxisLabels.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/ChartOutput.h"
#include "ui/ChartPlot.h"

#include <QCategoryAxis>
#include <QDir>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLineSeries>
#include <QPainter>
#include <QPdfDocument>
#include <QPrinter>
#include <QRegularExpression>
#include <QValueAxis>
#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;

namespace {

// The words of a chart drawn on a document page, as the PDF gives its text
// back, with the invisible marks that keep repeated axis labels apart removed.
QStringList documentChartWords(const ChartData& chart)
{
    installDocumentChartDrawing();
    const QString form = test::writtenFile(test::tempPath("chart.jfm"),
        R"({"format": "tessaro-report-template", "version": 1, "height": 20000,
            "items": [{"type": "image", "x": 1000, "y": 1000, "w": 15000, "h": 15000, "name": "IMAGE"}]})");
    const QString file = test::tempPath("chart.pdf");
    report::ReportEngine engine(file);
    engine.Start();
    const QSize size(fromTwips(9000), fromTwips(9000));
    engine.DrawForm(form, 0, {}, {}, { { "IMAGE", chartPicture("GRAPH1", chart, ChartFormat(), size) } });
    EXPECT_TRUE(engine.End());
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    QPdfDocument pdf;
    EXPECT_EQ(pdf.load(file), QPdfDocument::Error::None);
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return pdf.getAllText(0).text().remove(QChar(0x200B)).split(space, Qt::SkipEmptyParts);
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
    explicit LaidOutPlot(const ChartData& data)
    {
        scene.addItem(plot);
        plot->draw(data, {});
        plot->setGeometry(QRectF(0, 0, 600, 600));
        plot->layout()->activate();
    }
    QStringList xLabels() const
    {
        auto* x = qobject_cast<QCategoryAxis*>(plot->axes(Qt::Horizontal).value(0));
        QStringList labels = x ? x->categoriesLabels() : QStringList { "<no category axis>" };
        for (QString& l : labels)
            l.remove(QChar(0x200B));
        return labels;
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

TEST(ChartOutput, DocumentChartHoldsTitlesAndAbsoluteAxisLabelsAsText)
{
    const QStringList words = documentChartWords(workedCase());
    EXPECT_TRUE(words.join('|').contains(QStringLiteral("荷重-変位量曲線"))) << words.join('|').toStdString();
    EXPECT_TRUE(words.join("").contains(QStringLiteral("⊿δe")));
    EXPECT_TRUE(words.contains(QStringLiteral("弾性変位量")));
    // −15 … 10 read 15, 10, 5, 0, 5, 10: each of 5 and 10 twice, no minus sign.
    EXPECT_EQ(words.count("10"), 2);
    EXPECT_EQ(words.count("5"), 2);
    EXPECT_FALSE(words.contains("-5"));
    EXPECT_TRUE(words.contains("250")); // the load axis keeps its numbers
}

TEST(ChartOutput, OnePrinterPageAndAnImageLaidOutAtItsOwnSize)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    QString path = test::tempPath("print.pdf");
    printer.setOutputFileName(path);
    Chart2D chart;
    chart.resize(200, 160);
    chart.setData(test::displacementCurves());
    ASSERT_TRUE(chart.print(printer, QSize(fromTwips(9000), fromTwips(9000))));
    EXPECT_EQ(test::pdfPages(path), 1);

    QImage image = chart.toImage(QSize(600, 600));
    EXPECT_EQ(image.size(), QSize(600, 600));
    EXPECT_TRUE(hasInk(image.copy(300, 300, 300, 300))); // the chart filled the image, not the screen's size
}

TEST(ChartPlot, HolesLegendAndTheLabelledAxes)
{
    LaidOutPlot laidOut(test::displacementCurves());
    // The permanent displacement has a hole in the middle: two line pieces.
    int permanentLines = 0;
    for (QAbstractSeries* s : laidOut.plot->series())
        if (s->name() == QStringLiteral("塑性変位量") && s->type() == QAbstractSeries::SeriesTypeLine)
            ++permanentLines;
    EXPECT_EQ(permanentLines, 2);
    EXPECT_EQ(laidOut.plot->legendTexts(), (QStringList { "理論線", "上限線", "下限線", "弾性変位量", "塑性変位量" }));
    // −N = −3 cuts the −5 label off; pinned to the axis end it would read wrong.
    EXPECT_EQ(laidOut.xLabels(), (QStringList { "0", "5", "10" }));

    ChartData reversed = workedCase();
    reversed.xReversed = true;
    LaidOutPlot turned(reversed);
    EXPECT_TRUE(turned.plot->axes(Qt::Horizontal).value(0)->isReverse());
    EXPECT_EQ(turned.xLabels(), (QStringList { "15", "10", "5", "0", "5", "10" }));
    auto* y = qobject_cast<QValueAxis*>(turned.plot->axes(Qt::Vertical).value(0));
    ASSERT_NE(y, nullptr);
    EXPECT_EQ(y->tickInterval(), 50);
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
    EXPECT_TRUE(LaidOutPlot(chart).plot->legendTexts().isEmpty());
    plotAreaVisible(chart);
    EXPECT_EQ(inkInPlot(chart), std::make_pair(true, true)); // frame and grid
}

TEST(ChartPlot, DegenerateBoundsStillDrawARange)
{
    const double inf = std::numeric_limits<double>::infinity();
    const std::tuple<double, double, double, double> cases[]
        = { { 0, 0, 0, 1 }, { 50, 50, 45, 55 }, { 10, -10, -10, 10 }, { 1e-300, 3e-300, 0, 1 }, { 1e6, inf, 0, 100 } };
    for (auto [min, max, from, to] : cases) {
        ChartAxis axis;
        axis.min = min;
        axis.max = max;
        EXPECT_EQ(drawnRange(axis), std::make_pair(from, to)) << min << " " << max;
    }
    // Closer than any reading can be: would need endless ticks.
    ChartAxis close;
    close.min = 1e6;
    close.max = 1e6 + 1e-7;
    EXPECT_NEAR(drawnRange(close).second - drawnRange(close).first, 2e5, 1);
}
