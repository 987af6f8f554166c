// The summary window paging through the anchors and saving its formats.

#include "GraphProject.h"

#include "graphs/ChartFormatFile.h"
#include "graphs/frmEffectGraph.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"

using namespace tessaro;

namespace {

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
