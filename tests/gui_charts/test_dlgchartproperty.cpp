// The chart property editor: what OK applies, what Cancel leaves, and the
// elements each window offers.

#include "SampleCharts.h"

#include "support/GuiTestSupport.h"
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
    restrictEditorAxisLabels(chart);
    script.expect(
        "DlgChartProperty", [](QDialog& d) { EXPECT_FALSE(control<QGroupBox>(d, "grpAxisLabels")->isHidden()); });
    chart.openPropertyEditor();
    // The evaluation windows' charts offer nothing: the editor does not open.
    restrictEditorHideBasic(chart);
    EXPECT_FALSE(chart.openPropertyEditor());
    EXPECT_EQ(script.opened().size(), 2);

    DlgChartProperty empty(ChartData(), ChartFormat(), AllEditorElements);
    EXPECT_EQ(visibleTabs(empty), (QStringList { "pageTitles", "pageAxes", "pageLegend" }));
}
