// The key values beside the graphs and their black-and-white appearance.

#include "evaluation/CycleEvaluation.h"
#include "graphs/GraphFormats.h"
#include "graphs/GraphPanel.h"
#include "recording/RecordingAnchors.h"
#include "support/MeasuredAnchors.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

AnchorRecord evaluated(AnchorRecord a)
{
    EvaluateAnchor(a, EvaluationContext {});
    return a;
}

} // namespace

TEST(GraphPanel, ValuesOfTheSixCycleTest)
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    a.TendonYieldLoad = 542.5f;
    GraphPanelTexts t = graphPanelTexts(evaluated(a));
    EXPECT_EQ(t.yieldLoad, QStringLiteral("542.50"));
    EXPECT_EQ(t.permanent, QStringLiteral("1.60"));
    EXPECT_EQ(t.judgement, QStringLiteral("OK"));
    // Cycle 4's peak read 2.5 mm more: elastic 22.30 mm above the upper line 22.00.
    a.Readings[23].Displacement = 23.40f;
    EXPECT_EQ(graphPanelTexts(evaluated(a)).judgement, QStringLiteral("管理限界範囲外"));
}

// Nothing read: the displacements are not available and nothing is judged;
// particulars never entered read as missing too.
TEST(GraphPanel, MissingValuesShowADash)
{
    AnchorRecord a = test::sixCycleAnchor();
    GenerateSheet(a, test::compactSchedule(), false); // sheet without readings
    GraphPanelTexts t = graphPanelTexts(evaluated(a));
    EXPECT_EQ(t.elastic, QStringLiteral("  - "));
    EXPECT_EQ(t.judgement, QString());
    EXPECT_EQ(t.theory, QStringLiteral("30.00"));
    a.Material.TendonModulus = 0; // no theory without the modulus
    EXPECT_EQ(graphPanelTexts(evaluated(a)).upper, QStringLiteral("  - "));
}

// Black and white keeps every series apart by its line and marker.
TEST(GraphFormats, MonochromeKeepsLinesAndMarkers)
{
    ChartFormat colour = designedTestGraphFormat(TestGraph::PlasticElastic);
    ChartFormat black = monochrome(colour);
    for (int s = TheorySeries; s <= DeltaMarkSeries; ++s) {
        EXPECT_EQ(black.seriesStyle(0, s).color, QColor(Qt::black)) << s;
        EXPECT_EQ(black.seriesStyle(0, s).line, colour.seriesStyle(0, s).line) << s;
        EXPECT_EQ(black.seriesStyle(0, s).marker, colour.seriesStyle(0, s).marker) << s;
    }
}
