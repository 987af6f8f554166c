// The graph window driven offscreen: what it shows for the anchor, moving
// between anchors, reverse display, the graph menus, the buttons and the
// formats it saves.

#include "GraphProject.h"

#include "graphs/ChartFormatFile.h"
#include "graphs/TestGraphs.h"
#include "graphs/frmGRAPH.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "ui/Chart2D.h"

#include <QAction>
#include <QClipboard>

using namespace tessaro;
using test::click;
using test::enabled;
using test::textOf;

namespace {

std::size_t pointCount(const ui::Chart2D& chart, int series = 0)
{
    const ChartData& d = chart.data();
    return d.groups.empty() || int(d.groups[0].series.size()) <= series
        ? 0
        : d.groups[0].series[std::size_t(series)].points.size();
}

void trigger(QWidget& w, const QString& action)
{
    if (auto* a = test::control<QAction>(w, action))
        a->trigger();
}

void enterAnchorNumber(frmGRAPH& window, const QString& text)
{
    auto* box = test::control<ui::NumberBox>(window, "imNum");
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

bool blank(const frmGRAPH& window, TestGraph g)
{
    return isPlotAreaBlank(window.chart(g).data().plotArea);
}

} // namespace

TEST(frmGRAPH, ShowsTheAnchorsGraphsAndPagesOverAnchorsWithoutInformation)
{
    test::setUpMixedProject();
    frmGRAPH window;
    test::screenshot(window, "frmGRAPH");
    // Seven points of the elastic curve (T0 and six cycles), 54 readings in the others.
    EXPECT_EQ(pointCount(window.chart(TestGraph::PlasticElastic), ElasticSeries), 7u);
    EXPECT_EQ(pointCount(window.chart(TestGraph::TimeDisplacement)), 54u);
    // The values beside the graphs are the core's; here they must reach their labels.
    EXPECT_EQ(textOf(window, "LblDansei"), QStringLiteral("29.95"));
    EXPECT_EQ(textOf(window, "Label8"), QStringLiteral("OK"));
    EXPECT_EQ(textOf(window, "LblNumMax"), QStringLiteral("/ 4"));
    // The window evaluated a copy: the project's anchor is untouched.
    EXPECT_TRUE(project().anchor(1).Evaluation.Results.empty());
    EXPECT_FALSE(enabled(window, "cmdPrev"));

    MessageScript script;
    click(window, "cmdNext"); // anchor 2 has no name
    EXPECT_EQ(test::lastText(script), QStringLiteral("アンカー情報が未入力です。メイン画面に戻って入力してください。"));
    EXPECT_EQ(window.shownAnchor(), 1);

    // Anchor 3: its sheet is not read. Displacement graphs blank, the time–load
    // curve has the planned rows, so the anchor can still be evaluated further.
    enterAnchorNumber(window, QStringLiteral("3"));
    EXPECT_EQ(project().CurrentAnchor, 3);
    EXPECT_TRUE(blank(window, TestGraph::LoadDisplacement));
    EXPECT_EQ(pointCount(window.chart(TestGraph::TimeLoad)), 54u);
    EXPECT_TRUE(window.evaluationAllowed());
    EXPECT_EQ(textOf(window, "LblDansei"), QStringLiteral("  - "));

    // Anchor 4 has no sheet: nothing to evaluate, the last anchor.
    click(window, "cmdNext");
    EXPECT_EQ(window.shownAnchor(), 4);
    EXPECT_FALSE(window.evaluationAllowed());
    EXPECT_TRUE(blank(window, TestGraph::TimeLoad));
    EXPECT_FALSE(enabled(window, "cmdNext"));
    // Back over anchor 2 is refused by number too; the box shows the anchor again.
    enterAnchorNumber(window, QStringLiteral("2"));
    EXPECT_EQ(script.shown().size(), 2u);
    EXPECT_EQ(textOf(window, "imNum"), QStringLiteral("4"));
}

TEST(frmGRAPH, MenusAndButtonsOfTheGraphs)
{
    test::setUpMeasuredProject(2);
    frmGRAPH window;
    // Reverse display flips the load–displacement curve alone, also on another anchor.
    trigger(window, "MenuHanten");
    EXPECT_TRUE(window.chart(TestGraph::LoadDisplacement).data().xReversed);
    EXPECT_FALSE(window.chart(TestGraph::TimeLoad).data().xReversed);
    click(window, "cmdNext");
    EXPECT_TRUE(window.chart(TestGraph::LoadDisplacement).data().xReversed);

    MessageScript script;
    QApplication::clipboard()->clear();
    trigger(window, "Copy2");
    EXPECT_TRUE(test::lastText(script).endsWith(QStringLiteral("グラフは、クリップボードにコピーされました。")));
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(400, 400)); // 6000 twips square

    ui::ModalScript modal;
    modal.expect("PrintDialog", [](QDialog& d) { d.reject(); });
    trigger(window, "Print2"); // cancelled: nothing printed, nothing said
    modal.expect("frmDataRevision", [](QDialog& d) { d.reject(); });
    click(window, "Command5");
    modal.expect("frmDataInput1", [](QDialog& d) { d.reject(); });
    click(window, "Command8");
    modal.expect("frmHantei", [](QDialog& d) { d.reject(); });
    click(window, "Command4");
    EXPECT_TRUE(modal.allUsed());
    EXPECT_EQ(script.shown().size(), 1u);
    // The graph window's editor offers titles, series, grid and legend, not axis labels.
    EXPECT_FALSE(window.chart(TestGraph::TimeLoad).editorElements().testFlag(ui::ChartEditorElement::AxisLabels));
    // Windows not in the program; a quality-assurance test has no friction loss.
    for (const char* name : { "CmdKuripu", "CmdMasatu" })
        EXPECT_FALSE(enabled(window, name)) << name;
    EXPECT_TRUE(test::control<QWidget>(window, "CmdMasatu")->isHidden());
}

TEST(frmGRAPH, FormatsAreReadOnOpeningAndSavedAsDefault)
{
    test::setUpMeasuredProject(1);
    for (int g = 1; g <= 4; ++g)
        QFile::remove(chartFormatPath(graphFormatFile(g)));
    ChartFormat saved;
    saved.title = QStringLiteral("載荷時間と荷重");
    ASSERT_TRUE(writeChartFormat(chartFormatPath(graphFormatFile(3)), saved));

    frmGRAPH window;
    EXPECT_EQ(window.chart(TestGraph::TimeLoad).format().title, saved.title);
    MessageScript script;
    script.answer(AnswerYes);
    click(window, "Command7");
    EXPECT_EQ(test::lastText(script), QStringLiteral("現在のグラフ書式が初期値として更新されますが、よろしいですか？"));
    for (int g = 1; g <= 4; ++g) {
        ChartFormat read;
        ASSERT_TRUE(readChartFormat(chartFormatPath(graphFormatFile(g)), read)) << g;
        EXPECT_EQ(read, window.chart(TestGraph(g)).format()) << g;
        QFile::remove(chartFormatPath(graphFormatFile(g)));
    }
}

TEST(frmGRAPH, BasicInvestigationShowsItsOneAnchorWithTheFrictionLoss)
{
    test::setUpBasicProject();
    frmGRAPH window;
    EXPECT_EQ(textOf(window, "LblDansei"), QStringLiteral("29.95"));
    EXPECT_EQ(textOf(window, "LblNumMax"), QStringLiteral("/ 1"));
    EXPECT_FALSE(enabled(window, "cmdNext"));
    EXPECT_FALSE(enabled(window, "imNum"));
    EXPECT_TRUE(test::control<QWidget>(window, "Command4")->isHidden());
    EXPECT_FALSE(test::control<QWidget>(window, "CmdMasatu")->isHidden());
    ui::ModalScript modal;
    modal.expect("frmKihonHantei", [](QDialog& d) { d.reject(); });
    click(window, "Command9");
    EXPECT_TRUE(modal.allUsed());
}
