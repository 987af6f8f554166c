// The summary window paging through the anchors and saving its formats; and
// the graph files the documents place.

#include "GraphProject.h"

#include "graphs/ChartFormatFile.h"
#include "graphs/frmEffectGraph.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/GraphFiles.h"

#include <QSvgRenderer>

using namespace tessaro;

namespace {

QString svgText(const QString& path)
{
    return QString::fromUtf8(test::readFile(path));
}

double firstAnchorShown(const frmEffectGraph& window)
{
    return window.chart(1).data().x.valueLabels.front().value;
}

} // namespace

TEST(frmEffectGraph, PagesThroughTheAnchorsTwentyAtATimeAndSavesItsFormats)
{
    test::setUpMeasuredProject(45);
    project().CurrentAnchor = 23;
    frmEffectGraph window;
    EXPECT_EQ(window.page(), 2); // the page of the current anchor
    EXPECT_EQ(firstAnchorShown(window), 21);
    EXPECT_EQ(test::textOf(window, "LblPageMax"), QStringLiteral("/ 3 ページ"));
    test::click(window, "CmdNextPage");
    EXPECT_EQ(firstAnchorShown(window), 41);
    EXPECT_FALSE(test::enabled(window, "CmdNextPage"));
    auto* number = test::control<ui::NumberBox>(window, "imNumber1");
    number->setText(QStringLiteral("1"));
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(window.page(), 1);
    EXPECT_FALSE(test::enabled(window, "CmdPrevPage"));

    EXPECT_TRUE(window.chart(2).editorElements().testFlag(ui::ChartEditorElement::AxisLabels));
    MessageScript script;
    script.answer(AnswerYes);
    test::click(window, "CmdGraphsetting");
    EXPECT_EQ(script.shown().size(), 1u);
    for (int n = 1; n <= 2; ++n) {
        ChartFormat read;
        EXPECT_TRUE(readChartFormat(chartFormatPath(summaryFormatFile(n)), read)) << n;
        EXPECT_EQ(read, window.chart(n).format());
        QFile::remove(chartFormatPath(summaryFormatFile(n)));
    }
}

TEST(GraphFiles, AnAnchorsGraphsInColourOrBlackAndNoneIntoAMissingFolder)
{
    test::setUpMeasuredProject(2);
    QString folder = test::tempDir();
    ASSERT_TRUE(ui::writeAnchorGraphs(project(), 2, folder));
    ui::GraphFileOptions black;
    black.monochrome = true;
    ASSERT_TRUE(ui::writeAnchorGraphs(project(), 1, folder, black));
    for (int g = 1; g <= 4; ++g) {
        QString colour = QDir(folder).filePath(anchorGraphFile(g, 2));
        ASSERT_TRUE(QSvgRenderer(colour).isValid()) << g;
        // The measured series' blue or green, and none of the colours in black and white.
        EXPECT_TRUE(svgText(colour).contains("#1f4e9c") || svgText(colour).contains("#1e8449")) << g;
        QString mono = svgText(QDir(folder).filePath(anchorGraphFile(g, 1)));
        EXPECT_FALSE(mono.isEmpty() || mono.contains("#1f4e9c") || mono.contains("#1e8449")) << g;
    }
    QString missing = QDir(folder).filePath("no/such/folder");
    EXPECT_FALSE(ui::writeLoadPlanGraph(project(), 1, LoadPlanFigure::AnchorList, missing));
    EXPECT_FALSE(ui::writeAnchorGraphs(project(), 1, missing));
}
