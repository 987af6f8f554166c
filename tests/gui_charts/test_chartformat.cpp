// The chart property editor: what OK applies, what Cancel leaves and the
// elements each window offers; the format files its changes are kept in, and
// their saving as the default after the question.

#include "SampleCharts.h"

#include "graphs/ChartFormatFile.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/DlgChartProperty.h"
#include "ui/OlectraChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QTabWidget>

using namespace tessaro;
using namespace tessaro::ui;
using test::click;
using test::control;

namespace {

QStringList visibleTabs(QWidget& dialog)
{
    auto* tabs = control<QTabWidget>(dialog, "tabProperty");
    QStringList names;
    for (int i = 0; i < tabs->count(); ++i)
        if (tabs->isTabVisible(i))
            names << tabs->widget(i)->objectName();
    return names;
}

void choose(QWidget& d, const QString& combo, const QString& text)
{
    auto* box = control<QComboBox>(d, combo);
    box->setCurrentIndex(box->findText(text));
}

// A format as a user leaves it after working with the property editor.
ChartFormat editedFormat()
{
    ChartFormat f;
    f.title = QStringLiteral("荷重-変位量曲線（No.3）");
    f.titleFont = chartFont(QStringLiteral("IPAexMincho"), 14, true, false);
    f.x.title = QString(); // the user cleared it: no axis title at all
    f.y.grid = false;
    f.legendPosition = LegendPosition::Right;
    SeriesStyle& elastic = f.editSeriesStyle(0, 3);
    elastic.color = QColor(Qt::darkGreen);
    elastic.line = LineStyle::Dash;
    elastic.marker = MarkerShape::Triangle;
    return f;
}

} // namespace

TEST(DlgChartProperty, OkAppliesTheChangesAndCancelNone)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    ChartFormat designed;
    designed.editSeriesStyle(0, 1).color = QColor(0x12, 0x34, 0x56); // e.g. from a format file
    chart.setFormat(designed);
    ModalScript script;
    script.expect("DlgChartProperty", [](QDialog& d) {
        control<QComboBox>(d, "cboSeries")->setCurrentIndex(1);
        EXPECT_EQ(control<QComboBox>(d, "cboSeriesColor")->currentText(), QStringLiteral("その他 (#123456)"));
        choose(d, "cboSeriesColor", QStringLiteral("緑"));
        test::setText(d, "txtTitle", "x");
        click(d, "cmdCancel");
    });
    EXPECT_FALSE(chart.openPropertyEditor());
    EXPECT_EQ(chart.format(), designed);

    script.expect("DlgChartProperty", [](QDialog& d) {
        test::setText(d, "txtYTitle", QStringLiteral("荷重 T (kN)"));
        control<QDoubleSpinBox>(d, "numTitleFontSize")->setValue(14);
        test::check(d, "chkGridY", false);
        control<QComboBox>(d, "cboSeries")->setCurrentIndex(4);
        auto* marker = control<QComboBox>(d, "cboMarker");
        marker->setCurrentIndex(marker->findData(int(MarkerShape::Star)));
        choose(d, "cboSeriesColor", QStringLiteral("緑"));
        click(d, "cmdOK");
    });
    ASSERT_TRUE(chart.openPropertyEditor());
    const ChartFormat& f = chart.format();
    EXPECT_EQ(f.y.title, QStringLiteral("荷重 T (kN)"));
    EXPECT_FALSE(f.title.has_value()); // untouched titles keep following the graph
    EXPECT_EQ(f.titleFont.pointSizeF(), 14);
    EXPECT_FALSE(f.y.grid);
    EXPECT_EQ(f.seriesStyle(0, 4).marker, MarkerShape::Star);
    EXPECT_EQ(f.seriesStyle(0, 4).color, QColor(0x1e, 0x84, 0x49));
    EXPECT_EQ(f.seriesStyle(0, 1), designed.seriesStyle(0, 1)); // an unlisted colour is kept
}

TEST(DlgChartProperty, OffersOnlyTheElementsTheWindowAllows)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    restrictEditorGraphWindow(chart);
    ModalScript script;
    script.expect("DlgChartProperty", [](QDialog& d) {
        EXPECT_EQ(visibleTabs(d), (QStringList { "pageTitles", "pageAxes", "pageSeries", "pageLegend" }));
        EXPECT_TRUE(control<QGroupBox>(d, "grpAxisLabels")->isHidden());
    });
    chart.openPropertyEditor();
    // The evaluation windows' charts offer nothing: the editor does not open.
    restrictEditorHideBasic(chart);
    EXPECT_FALSE(chart.openPropertyEditor());
    EXPECT_EQ(script.opened().size(), 1);

    DlgChartProperty empty(ChartData(), ChartFormat(), AllEditorElements);
    EXPECT_EQ(visibleTabs(empty), (QStringList { "pageTitles", "pageAxes", "pageLegend" }));
}

TEST(ChartFormatFile, SavedFormatReadsBackTheSameAndReplacesTheWholeFile)
{
    QString path = test::tempPath("format/IniChartGraph2.ini");
    ASSERT_TRUE(writeChartFormat(path, editedFormat()));
    ChartFormat read;
    ASSERT_TRUE(readChartFormat(path, read));
    EXPECT_EQ(read, editedFormat());
    EXPECT_TRUE(read.x.title.has_value()); // cleared by the user: no axis title
    EXPECT_FALSE(read.y.title.has_value()); // not changed by the user: the graph's own title stays

    // Saving replaces the whole file: nothing of the earlier format is left.
    ASSERT_TRUE(writeChartFormat(path, ChartFormat()));
    ChartFormat again;
    ASSERT_TRUE(readChartFormat(path, again));
    EXPECT_EQ(again, ChartFormat());
}

TEST(ChartFormatFile, MissingOrDamagedFilesLeaveTheDesignedAppearance)
{
    ChartFormat designed;
    designed.title = QStringLiteral("設計時のタイトル");
    auto unchanged = [&](const QString& path) {
        ChartFormat f = designed;
        return !readChartFormat(path, f) && f == designed;
    };
    EXPECT_TRUE(unchanged(test::tempPath("nowhere/IniChartGraph1.ini")));
    // One unreadable value spoils the file: half a format would be neither the
    // user's nor the designed appearance.
    for (const QByteArray& bad : { QByteArray("\x00\x01\xff\xfe[[[=\n\x89PNG", 12), QByteArray("[Chart]\nTitle=abc\n"),
             QByteArray("[Format]\nVersion=1\n[Group1Series1]\nColor=notacolour\n"),
             QByteArray("[Format]\nVersion=1\n[Group1Series1]\nLineWidth=-3\n"),
             QByteArray("[Format]\nVersion=1\n[Group999Series1]\nColor=#000000\n"),
             QByteArray("[Format]\nVersion=2\n[Chart]\nTitle=x\n") }) {
        QString path = test::tempPath("damaged/value.ini");
        test::writeFile(path, bad);
        EXPECT_TRUE(unchanged(path)) << bad.constData();
    }
}

// The graph windows' tests save their formats after Yes; here No, and a file
// that cannot be written.
TEST(OlectraChart, SaveAsDefaultWritesNothingOnNoAndTellsWhenItCannotWrite)
{
    Chart2D chart;
    chart.setFormat(editedFormat());
    QString file = chartFormatPath(summaryFormatFile(1));
    QFile::remove(file);
    MessageScript script;
    script.answer(AnswerNo);
    EXPECT_FALSE(saveChartFormatsAsDefault({ { &chart, summaryFormatFile(1) } }));
    EXPECT_EQ(script.last().buttons, MsgButtons::YesNo);
    EXPECT_FALSE(QFile::exists(file));

    QDir().mkpath(chartFormatPath("blocked.ini")); // a folder where the file should be
    script.answer(AnswerYes);
    EXPECT_FALSE(saveChartFormatsAsDefault({ { &chart, "blocked.ini" } }));
    EXPECT_TRUE(test::lastText(script).startsWith(QStringLiteral("グラフ書式を保存できませんでした。")));
}
