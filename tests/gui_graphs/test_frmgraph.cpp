// The graph window driven offscreen: what it shows for the anchor, moving
// between anchors, reverse display, the graph menus and the buttons.

#include "GraphProject.h"

#include "graphs/ChartFormatFile.h"
#include "graphs/TestGraphs.h"
#include "graphs/frmGRAPH.h"
#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "ui/Chart2D.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSvgRenderer>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QString labelText(const QWidget& w, const char* name)
{
    auto* label = w.findChild<QLabel*>(name);
    return label ? label->text() : QStringLiteral("<missing %1>").arg(name);
}

QPushButton* button(const QWidget& w, const char* name)
{
    auto* b = w.findChild<QPushButton*>(name);
    EXPECT_NE(b, nullptr) << name;
    return b;
}

void trigger(const QWidget& w, const QString& action)
{
    auto* a = w.findChild<QAction*>(action);
    ASSERT_NE(a, nullptr) << action.toStdString();
    a->trigger();
}

std::size_t pointCount(const ui::Chart2D& chart, int series = 0)
{
    const ChartData& d = chart.data();
    return d.groups.empty() || int(d.groups[0].series.size()) <= series
        ? 0
        : d.groups[0].series[std::size_t(series)].points.size();
}

void enterAnchorNumber(frmGRAPH& window, const QString& text)
{
    auto* box = window.findChild<ui::NumberBox*>("imNum");
    ASSERT_NE(box, nullptr);
    box->setText(text);
    QTest::keyClick(box, Qt::Key_Return);
}

} // namespace

TEST(frmGRAPH, ShowsTheGraphsAndValuesOfTheCurrentAnchor)
{
    test::setUpMixedProject();
    frmGRAPH window;
    EXPECT_EQ(window.shownAnchor(), 1);
    for (int g = 1; g <= 4; ++g)
        EXPECT_NE(window.findChild<ui::Chart2D*>(QStringLiteral("Chart2D%1").arg(g)), nullptr) << g;

    // Seven points of the elastic curve (T0 and six cycles), 54 readings in the others.
    EXPECT_EQ(pointCount(window.chart(TestGraph::PlasticElastic), ElasticSeries), 7u);
    EXPECT_EQ(pointCount(window.chart(TestGraph::LoadDisplacement)), 54u);
    EXPECT_EQ(pointCount(window.chart(TestGraph::TimeLoad)), 54u);
    EXPECT_EQ(pointCount(window.chart(TestGraph::TimeDisplacement)), 54u);
    EXPECT_EQ(window.chart(TestGraph::PlasticElastic).data().x.valueLabels.front().text, QStringLiteral("10"));

    // The values beside the graphs are the core's; here they must reach their labels.
    EXPECT_EQ(labelText(window, "LblJiyuu"), QStringLiteral("10000.00"));
    EXPECT_EQ(labelText(window, "LblKagen"), QStringLiteral("27.00"));
    EXPECT_EQ(labelText(window, "LblDansei"), QStringLiteral("29.95"));
    EXPECT_EQ(labelText(window, "Label8"), QStringLiteral("OK"));
    EXPECT_EQ(labelText(window, "LblNumMax"), QStringLiteral("/ 4"));
    EXPECT_EQ(window.findChild<ui::NumberBox*>("imNum")->text(), QStringLiteral("1"));
    // The window evaluated a copy: the project's anchor is untouched.
    EXPECT_TRUE(project().anchor(1).Evaluation.Results.empty());
    EXPECT_EQ(window.shownData().Evaluation.Results.size(), 54u);
}

TEST(frmGRAPH, NavigationStaysOnAnchorsWithoutInformation)
{
    test::setUpMixedProject();
    frmGRAPH window;
    EXPECT_FALSE(button(window, "cmdPrev")->isEnabled());
    EXPECT_TRUE(button(window, "cmdNext")->isEnabled());

    MessageScript script;
    button(window, "cmdNext")->click(); // anchor 2 has no name
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.last().text, QStringLiteral("アンカー情報が未入力です。メイン画面に戻って入力してください。"));
    EXPECT_EQ(window.shownAnchor(), 1);
    EXPECT_EQ(project().CurrentAnchor, 1);

    // Anchor 3: its sheet is not read. Displacement graphs blank, the time–load
    // curve has the planned rows, so the anchor can still be evaluated further.
    enterAnchorNumber(window, QStringLiteral("3"));
    EXPECT_EQ(window.shownAnchor(), 3);
    EXPECT_EQ(project().CurrentAnchor, 3);
    EXPECT_TRUE(isPlotAreaBlank(window.chart(TestGraph::LoadDisplacement).data().plotArea));
    EXPECT_TRUE(isPlotAreaBlank(window.chart(TestGraph::PlasticElastic).data().plotArea));
    EXPECT_EQ(pointCount(window.chart(TestGraph::TimeLoad)), 54u);
    EXPECT_TRUE(window.evaluationAllowed());
    EXPECT_EQ(labelText(window, "LblDansei"), QStringLiteral("  - "));
    EXPECT_EQ(labelText(window, "Label8"), QString());
    EXPECT_TRUE(button(window, "cmdPrev")->isEnabled());

    // Anchor 4 has no sheet: nothing to evaluate, the last anchor.
    button(window, "cmdNext")->click();
    EXPECT_EQ(window.shownAnchor(), 4);
    EXPECT_FALSE(window.evaluationAllowed());
    EXPECT_TRUE(isPlotAreaBlank(window.chart(TestGraph::TimeLoad).data().plotArea));
    EXPECT_FALSE(button(window, "cmdNext")->isEnabled());

    // Back over anchor 2 is refused, also by number; the box shows the anchor again.
    script.clear();
    enterAnchorNumber(window, QStringLiteral("2"));
    EXPECT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(window.shownAnchor(), 4);
    EXPECT_EQ(window.findChild<ui::NumberBox*>("imNum")->text(), QStringLiteral("4"));

    // A number beyond the anchors is refused by the entry check.
    script.clear();
    enterAnchorNumber(window, QStringLiteral("9"));
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_TRUE(script.last().text.startsWith(QStringLiteral("アンカー番号に範囲外の数値が入力されました。")));
    EXPECT_EQ(window.shownAnchor(), 4);
}

TEST(frmGRAPH, ReverseDisplayFlipsTheLoadDisplacementCurveOnly)
{
    test::setUpMeasuredProject(2);
    frmGRAPH window;
    auto* reverse = window.findChild<QAction*>("MenuHanten");
    ASSERT_NE(reverse, nullptr);
    EXPECT_TRUE(reverse->isCheckable());
    EXPECT_FALSE(reverse->isChecked());
    reverse->trigger();
    EXPECT_TRUE(reverse->isChecked());
    EXPECT_TRUE(window.chart(TestGraph::LoadDisplacement).data().xReversed);
    for (TestGraph g : { TestGraph::PlasticElastic, TestGraph::TimeLoad, TestGraph::TimeDisplacement })
        EXPECT_FALSE(window.chart(g).data().xReversed);
    // The state lasts while the window is open, also on another anchor.
    button(window, "cmdNext")->click();
    EXPECT_TRUE(window.chart(TestGraph::LoadDisplacement).data().xReversed);
    reverse->trigger();
    EXPECT_FALSE(window.chart(TestGraph::LoadDisplacement).data().xReversed);
}

TEST(frmGRAPH, CopyPutsTheGraphOnTheClipboardAndSaysSo)
{
    test::setUpMeasuredProject(1);
    frmGRAPH window;
    for (int g = 1; g <= 4; ++g) {
        QApplication::clipboard()->clear();
        MessageScript script;
        trigger(window, QStringLiteral("Copy%1").arg(g));
        ASSERT_EQ(script.shown().size(), 1u);
        EXPECT_TRUE(script.last().text.endsWith(QStringLiteral("グラフは、クリップボードにコピーされました。")));
        // 6000 twips square.
        EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(400, 400)) << g;
    }
}

TEST(frmGRAPH, PrintAndPropertiesOpenTheirDialogs)
{
    test::setUpMeasuredProject(1);
    frmGRAPH window;
    ui::ModalScript modal;
    modal.expect("PrintDialog", [](QDialog& d) { d.reject(); });
    MessageScript script;
    trigger(window, "Print2");
    EXPECT_TRUE(script.empty()); // cancelled: nothing printed, nothing said

    // The graph window's editor: titles, series, grid and legend, not axis labels.
    modal.expect("DlgChartProperty", [](QDialog& d) {
        EXPECT_NE(d.findChild<QWidget*>("txtTitle"), nullptr);
        d.reject();
    });
    trigger(window, "GraphProperty3");
    EXPECT_TRUE(modal.allUsed());
    EXPECT_EQ(modal.opened(), (QStringList { "PrintDialog", "DlgChartProperty" }));
    ui::ChartEditorElements offered = window.chart(TestGraph::TimeLoad).editorElements();
    EXPECT_TRUE(offered.testFlag(ui::ChartEditorElement::SeriesStyles));
    EXPECT_FALSE(offered.testFlag(ui::ChartEditorElement::AxisLabels));
}

TEST(frmGRAPH, WindowsNotInTheProgramHaveDisabledButtons)
{
    test::setUpMeasuredProject(1);
    frmGRAPH window;
    EXPECT_TRUE(window.evaluationAllowed());
    for (const char* name : { "Command4", "Command9", "CmdKuripu", "CmdMasatu" })
        EXPECT_FALSE(button(window, name)->isEnabled()) << name;
    // Data revision and measurement input open on the anchor shown.
    ui::ModalScript modal;
    modal.expect("frmDataRevision", [](QDialog& d) { d.reject(); });
    modal.expect("frmDataInput1", [](QDialog& d) { d.reject(); });
    button(window, "Command5")->click();
    button(window, "Command8")->click();
    EXPECT_EQ(modal.opened(), (QStringList { "frmDataRevision", "frmDataInput1" }));
    // A quality-assurance test has the acceptance judgement and no friction loss.
    EXPECT_FALSE(button(window, "Command4")->isHidden());
    EXPECT_TRUE(button(window, "Command9")->isHidden());
    EXPECT_TRUE(button(window, "CmdMasatu")->isHidden());
    EXPECT_TRUE(button(window, "Command7")->isEnabled());
}

TEST(frmGRAPH, BasicInvestigationShowsItsOneAnchor)
{
    test::setUpBasicProject();
    frmGRAPH window;
    EXPECT_EQ(labelText(window, "LblDansei"), QStringLiteral("29.95"));
    EXPECT_EQ(labelText(window, "LblNumMax"), QStringLiteral("/ 1"));
    EXPECT_FALSE(button(window, "cmdPrev")->isEnabled());
    EXPECT_FALSE(button(window, "cmdNext")->isEnabled());
    EXPECT_FALSE(window.findChild<ui::NumberBox*>("imNum")->isEnabled());
    EXPECT_TRUE(button(window, "Command4")->isHidden());
    EXPECT_FALSE(button(window, "Command9")->isHidden());
    EXPECT_FALSE(button(window, "CmdMasatu")->isHidden());
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
    EXPECT_FALSE(window.chart(TestGraph::TimeDisplacement).format().title.has_value());

    MessageScript script;
    script.answer(AnswerYes);
    button(window, "Command7")->click();
    ASSERT_EQ(script.shown().size(), 1u);
    EXPECT_EQ(script.last().text, QStringLiteral("現在のグラフ書式が初期値として更新されますが、よろしいですか？"));
    for (int g = 1; g <= 4; ++g) {
        ChartFormat read;
        ASSERT_TRUE(readChartFormat(chartFormatPath(graphFormatFile(g)), read)) << g;
        EXPECT_EQ(read, window.chart(TestGraph(g)).format()) << g;
    }
    for (int g = 1; g <= 4; ++g)
        QFile::remove(chartFormatPath(graphFormatFile(g)));
}

// The print-all files: the four graphs of every anchor of the range, as valid
// SVG drawings.
TEST(frmGRAPH, WritesTheGraphFilesOfTheSheets)
{
    test::setUpMeasuredProject(3);
    frmGRAPH window;
    ASSERT_TRUE(window.writeGraphFiles(2, 3, false));
    QStringList files;
    for (int g = 1; g <= 4; ++g)
        files << QStringLiteral("GRAPH%1_2.svg").arg(g) << QStringLiteral("GRAPH%1_3.svg").arg(g);
    for (const QString& name : files) {
        QString path = paths::data(name);
        EXPECT_GT(QFileInfo(path).size(), 1000) << name.toStdString();
        EXPECT_TRUE(QSvgRenderer(path).isValid()) << name.toStdString();
        QFile::remove(path);
    }
    EXPECT_FALSE(QFile::exists(paths::data("GRAPH1_1.svg")));
}
