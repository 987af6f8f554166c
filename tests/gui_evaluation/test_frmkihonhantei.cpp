// The ultimate pull-out force of the basic investigation, driven offscreen: the
// points of the test, the four methods with their boxes, what cannot be
// calculated, and what OK stores.

#include "evaluation/frmKihonHantei.h"
#include "graphs/PullOutChart.h"
#include "gui_graphs/GraphProject.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "ui/Chart2D.h"
#include "ui/SpreadGrid.h"

using namespace tessaro;
using test::click;
using test::control;
using test::enabled;
using test::textOf;

namespace {

// The six-cycle pull-out test with a bore of 135 mm and La 6000 mm. Its points:
// 1 (0, 50), 2 (0.30, 100), 3 (0.55, 150), 4 (0.80, 200), 5 (1.10, 250),
// 6 (1.35, 300), 7 (1.60, 350).
void setUpPullOutTest()
{
    test::setUpBasicProject();
    project().Record.WorkingAnchor.DrillDiameter = 135;
}

void enterLines(QWidget& w, const QStringList& points)
{
    const char* boxes[] = { "imTxtLine1_0", "imTxtLine1_1", "imTxtLine2_0", "imTxtLine2_1" };
    for (int i = 0; i < 4; ++i)
        test::enterText(w, boxes[i], points[i], "Command1_1");
}

bool missingShown(QWidget& w)
{
    return textOf(w, "LblShiki") == QStringLiteral("アンカーの極限引抜き力が足りない為､計算不能")
        && textOf(w, "LblHikinuki").isEmpty() && textOf(w, "LblAns").isEmpty()
        && control<QLabel>(w, "LblShiki")->styleSheet().contains("#c0392b");
}

std::size_t seriesPoints(QWidget& w, int series)
{
    const ChartData& d = control<ui::Chart2D>(w, "Chart2D1")->data();
    return d.groups.empty() || int(d.groups[0].series.size()) <= series
        ? 0
        : d.groups[0].series[std::size_t(series)].points.size();
}

} // namespace

TEST(frmKihonHantei, TheBendAtPointThreeGivesTheSecondCyclesLoad)
{
    setUpPullOutTest();
    auto steps = [](QDialog& d) {
        // A test never judged stands on the planned maximum load: 350 kN,
        // τ = 350000 / (135 π 6000) = 0.1375… → 0.13.
        EXPECT_EQ(textOf(d, "LblHikinuki"), "350.00");
        EXPECT_EQ(textOf(d, "LblSyuumen"), "0.13");
        auto* points = control<ui::SpreadGrid>(d, "vaSpread1");
        EXPECT_EQ(points->MaxRows(), 7);
        EXPECT_EQ(points->GetText(1, 3), "0.55");
        EXPECT_EQ(points->GetText(2, 1), "50.00");
        EXPECT_EQ(seriesPoints(d, PullOutPointSeries), 7u);
        EXPECT_FALSE(enabled(d, "imTxtNum"));

        click(d, "Option1_2");
        EXPECT_TRUE(enabled(d, "imTxtNum"));
        EXPECT_TRUE(missingShown(d));
        test::enterText(d, "imTxtNum", "3", "Command1_1");
        EXPECT_EQ(textOf(d, "LblHikinuki"), "150.00");
        EXPECT_EQ(textOf(d, "LblShiki"), QStringLiteral("150.00 kN × 1000 /  ( 135 mm × π × 6000 mm )"));
        EXPECT_EQ(textOf(d, "LblAns"), QStringLiteral("0.05 N/mm2"));
        click(d, "Command1_0");
    };
    ASSERT_TRUE(test::drive("frmKihonHantei", steps, [] { return frmKihonHantei::ShowForm(nullptr); }));
    const AnchorRecord& a = project().Record.WorkingAnchor;
    EXPECT_EQ(a.FinalChoice, 2);
    EXPECT_EQ(a.BendPoint, 3);
    EXPECT_FLOAT_EQ(project().Settings.UltimatePullOut, 150.0f);
    EXPECT_EQ(a.UltimatePullOutText, "150.00");
    EXPECT_EQ(a.SkinFrictionText, "0.05");
}

TEST(frmKihonHantei, ParallelLinesAndPointsOutsideTheTestCannotBeCalculated)
{
    setUpPullOutTest();
    MessageScript messages;
    auto steps = [&](QDialog& d) {
        click(d, "Option1_1");
        enterLines(d, { "2", "3", "6", "7" }); // both of slope 200 kN/mm
        EXPECT_TRUE(missingShown(d));
        EXPECT_EQ(seriesPoints(d, PullOutLine1Series), 2u); // drawn, but they never meet
        click(d, "Command1_0");
        EXPECT_EQ(test::lastText(messages),
            QStringLiteral("極限引張力と周面摩擦抵抗力が計算されていません。設定し直してください。"));
        EXPECT_TRUE(d.isVisible());

        // Point 8 is beyond the plan's six cycles: refused and emptied.
        test::enterText(d, "imTxtLine1_0", "8", "Command1_1");
        EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("点番号に範囲外の数値が入力されました。")));
        EXPECT_EQ(textOf(d, "imTxtLine1_0"), QString());
        EXPECT_TRUE(missingShown(d));

        // Lines 1–2 and 6–7 meet at 0.6 mm and 150 kN.
        enterLines(d, { "1", "2", "6", "7" });
        EXPECT_EQ(textOf(d, "LblHikinuki"), "150.00");
        EXPECT_EQ(seriesPoints(d, PullOutUltimateSeries), 2u);
        test::screenshot(d, "frmKihonHantei");

        // Pulled out completely at 300 kN: τ = 0.1178… → 0.11.
        click(d, "Option1_3");
        test::enterText(d, "imTxtShitei", "300", "Command1_1");
        EXPECT_EQ(textOf(d, "LblHikinuki"), "300.00");
        EXPECT_EQ(textOf(d, "LblSyuumen"), "0.11");
        click(d, "Command1_0");
    };
    ASSERT_TRUE(test::drive("frmKihonHantei", steps, [] { return frmKihonHantei::ShowForm(nullptr); }));
    EXPECT_EQ(messages.shown().size(), 2u);
    const AnchorRecord& a = project().Record.WorkingAnchor;
    EXPECT_EQ(a.FinalChoice, 3);
    EXPECT_EQ(a.LinePoints, (std::array<std::int16_t, 4> { 1, 2, 6, 7 }));
    EXPECT_EQ(a.BendPoint, 0);
    EXPECT_FLOAT_EQ(a.EnteredUltimate, 300.0f);
    EXPECT_FLOAT_EQ(project().Settings.UltimatePullOut, 300.0f);

    // Opened again on what was stored.
    auto again = [](QDialog& d) {
        EXPECT_TRUE(control<QAbstractButton>(d, "Option1_3")->isChecked());
        EXPECT_EQ(textOf(d, "imTxtLine2_1"), "7");
        EXPECT_EQ(textOf(d, "LblHikinuki"), "300.00");
        click(d, "Command1_1");
    };
    EXPECT_FALSE(test::drive("frmKihonHantei", again, [] { return frmKihonHantei::ShowForm(nullptr); }));
}

TEST(frmKihonHantei, WithoutABoreDiameterNothingIsStored)
{
    setUpPullOutTest();
    AnchorRecord& a = project().Record.WorkingAnchor;
    a.DrillDiameter = 0;
    a.FinalChoice = 2;
    a.BendPoint = 12; // stored by hand outside the test's points
    a.UltimatePullOutText = QStringLiteral("280.00");
    MessageScript messages;
    auto steps = [](QDialog& d) {
        EXPECT_EQ(textOf(d, "imTxtNum"), "12");
        EXPECT_TRUE(missingShown(d));
        click(d, "Option1_0");
        EXPECT_TRUE(missingShown(d)); // Tp is known, but there is no bore to divide by
        click(d, "Command1_0");
        click(d, "Command1_1");
    };
    EXPECT_FALSE(test::drive("frmKihonHantei", steps, [] { return frmKihonHantei::ShowForm(nullptr); }));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(a.BendPoint, 12);
    EXPECT_EQ(a.UltimatePullOutText, QStringLiteral("280.00"));
}
