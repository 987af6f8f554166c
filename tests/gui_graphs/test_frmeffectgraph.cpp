// The summary window: paging through the anchors, format saving, what stays
// disabled; and the graph files the documents place.

#include "GraphProject.h"

#include "graphs/ChartFormatFile.h"
#include "graphs/SummaryCharts.h"
#include "graphs/frmEffectGraph.h"
#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/GraphFiles.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSvgRenderer>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QPushButton* button(const QWidget& w, const char* name)
{
    auto* b = w.findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
}

// Anchor numbers on the X axis of a summary chart.
std::vector<double> anchorNumbers(const ui::Chart2D& chart)
{
    std::vector<double> numbers;
    for (const ValueLabel& l : chart.data().x.valueLabels)
        numbers.push_back(l.value);
    return numbers;
}

QString svgText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The texts drawn, run together: a title set in two fonts (Japanese and Latin
// glyphs) is written as two text runs.
QString drawnText(const QString& svg)
{
    static const QRegularExpression text(QStringLiteral("<text[^>]*>([^<]*)</text>"));
    QString all;
    for (auto it = text.globalMatch(svg); it.hasNext();)
        all += it.next().captured(1);
    return all;
}

} // namespace

TEST(frmEffectGraph, PagesThroughTheAnchorsTwentyAtATime)
{
    test::setUpMeasuredProject(45);
    project().CurrentAnchor = 23;
    frmEffectGraph window;
    EXPECT_EQ(window.pageCount(), 3);
    EXPECT_EQ(window.page(), 2); // the page of the current anchor
    EXPECT_EQ(anchorNumbers(window.chart(1)).front(), 21);
    EXPECT_EQ(anchorNumbers(window.chart(1)).back(), 40);
    EXPECT_EQ(window.chart(1).data().groups[0].series[0].points.size(), 20u);
    EXPECT_EQ(window.findChild<QLabel*>("LblPageMax")->text(), QStringLiteral("/ 3 ページ"));

    button(window, "CmdNextPage")->click();
    EXPECT_EQ(window.page(), 3);
    EXPECT_EQ(anchorNumbers(window.chart(2)), (std::vector<double> { 41, 42, 43, 44, 45 }));
    EXPECT_FALSE(button(window, "CmdNextPage")->isEnabled());

    auto* number = window.findChild<ui::NumberBox*>("imNumber1");
    ASSERT_NE(number, nullptr);
    EXPECT_EQ(number->text(), QStringLiteral("3"));
    number->setText(QStringLiteral("1"));
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(window.page(), 1);
    EXPECT_FALSE(button(window, "CmdPrevPage")->isEnabled());

    MessageScript script;
    number->setText(QStringLiteral("4"));
    QTest::keyClick(number, Qt::Key_Return);
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_TRUE(script.last().text.startsWith(QStringLiteral("ページに範囲外の数値が入力されました。")));
    EXPECT_EQ(window.page(), 1);
}

// Permanent displacements up to their largest + 0.5; elastic displacements,
// theory and limits from the smallest − 1 to the largest + 1.
TEST(frmEffectGraph, AxesFollowTheValuesOfThePage)
{
    test::setUpMeasuredProject(3);
    frmEffectGraph window;
    std::vector<SummaryValues> values = summaryValues(project(), 1, 3);
    double largestPermanent = 0;
    double smallest = 1e9;
    double largest = -1e9;
    for (const SummaryValues& v : values) {
        largestPermanent = std::max<double>(largestPermanent, v.permanent);
        for (float x : { v.theory, v.upper, v.lower, v.elastic }) {
            smallest = std::min<double>(smallest, x);
            largest = std::max<double>(largest, x);
        }
    }
    EXPECT_NEAR(window.chart(1).data().y.max, largestPermanent + 0.5, 1e-5);
    EXPECT_EQ(window.chart(1).data().y.min, 0);
    EXPECT_NEAR(window.chart(2).data().y.min, smallest - 1, 1e-5);
    EXPECT_NEAR(window.chart(2).data().y.max, largest + 1, 1e-5);
    EXPECT_NEAR(window.chart(2).data().x.min, 0.5, 1e-9);
    EXPECT_NEAR(window.chart(2).data().x.max, 3.5, 1e-9);
}

TEST(frmEffectGraph, FormatSavingEditorsAndPreview)
{
    test::setUpMeasuredProject(2);
    frmEffectGraph window;
    EXPECT_FALSE(window.chart(1).editorElements().testFlag(ui::ChartEditorElement::AxisLabels));
    EXPECT_TRUE(window.chart(2).editorElements().testFlag(ui::ChartEditorElement::AxisLabels));
    EXPECT_TRUE(window.chart(2).editorElements().testFlag(ui::ChartEditorElement::Legend));

    MessageScript script;
    script.answer(AnswerYes);
    button(window, "CmdGraphsetting")->click();
    EXPECT_EQ(script.shown().size(), 1u);
    for (int n = 1; n <= 2; ++n) {
        QString path = chartFormatPath(summaryFormatFile(n));
        ChartFormat read;
        EXPECT_TRUE(readChartFormat(path, read)) << n;
        EXPECT_EQ(read, window.chart(n).format());
        QFile::remove(path);
    }
}

TEST(GraphFiles, FourGraphsOfAnAnchorAsSvg)
{
    test::setUpMeasuredProject(2);
    QString folder = test::tempDir();
    ASSERT_TRUE(ui::writeAnchorGraphs(project(), 2, folder));
    const QString titles[] = { QStringLiteral("塑性・弾性変位曲線"), QStringLiteral("荷重-変位量曲線"),
        QStringLiteral("時間-荷重曲線"), QStringLiteral("時間-変位量曲線") };
    for (int g = 1; g <= 4; ++g) {
        QString path = QDir(folder).filePath(anchorGraphFile(g, 2));
        ASSERT_TRUE(QSvgRenderer(path).isValid()) << g;
        QString svg = svgText(path);
        QString drawn = drawnText(svg);
        EXPECT_TRUE(drawn.contains(titles[g - 1])) << g;
        EXPECT_TRUE(drawn.contains(g >= 3 ? QStringLiteral("経過時間(分)") : QStringLiteral("変位量(mm)"))) << g;
        EXPECT_TRUE(drawn.contains(g == 4 ? QStringLiteral("変位量(mm)") : QStringLiteral("荷重(kN)"))) << g;
        // Drawn in colour: the measured series' blue or green.
        EXPECT_TRUE(svg.contains("#1f4e9c") || svg.contains("#1e8449")) << g;
    }
    // In black and white when asked.
    ui::GraphFileOptions black;
    black.monochrome = true;
    ASSERT_TRUE(ui::writeAnchorGraphs(project(), 1, folder, black));
    for (int g = 1; g <= 4; ++g) {
        QString svg = svgText(QDir(folder).filePath(anchorGraphFile(g, 1)));
        ASSERT_FALSE(svg.isEmpty());
        EXPECT_FALSE(svg.contains("#1f4e9c") || svg.contains("#1e8449") || svg.contains("#c0392b")) << g;
    }
}

TEST(GraphFiles, LoadPlanGraphAndFilesThatCannotBeWritten)
{
    test::setUpMeasuredProject(1);
    QString folder = test::tempDir();
    ASSERT_TRUE(ui::writeLoadPlanGraph(project(), 1, LoadPlanFigure::QualityPlan, folder));
    QString path = QDir(folder).filePath("GphHojiK1.svg");
    EXPECT_TRUE(QSvgRenderer(path).isValid());
    EXPECT_TRUE(drawnText(svgText(path)).contains(QStringLiteral("載荷計画図")));

    QString missing = QDir(folder).filePath("no/such/folder");
    EXPECT_FALSE(ui::writeLoadPlanGraph(project(), 1, LoadPlanFigure::AnchorList, missing));
    EXPECT_FALSE(ui::writeAnchorGraphs(project(), 1, missing));
}
