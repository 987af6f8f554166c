#include "SampleCharts.h"

#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/DlgChartProperty.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

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

} // namespace

TEST(DlgChartProperty, ChangesApplyOnOk)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    ModalScript script;
    script.expect("DlgChartProperty", [](QDialog& d) {
        control<QLineEdit>(d, "txtYTitle")->setText(QStringLiteral("荷重 T (kN)"));
        control<QDoubleSpinBox>(d, "numTitleFontSize")->setValue(14);
        control<QCheckBox>(d, "chkGridY")->setChecked(false);
        auto* series = control<QComboBox>(d, "cboSeries");
        ASSERT_EQ(series->count(), 5);
        series->setCurrentIndex(4);
        auto* marker = control<QComboBox>(d, "cboMarker");
        marker->setCurrentIndex(marker->findData(int(MarkerShape::Star)));
        control<QDoubleSpinBox>(d, "numLineWidth")->setValue(3);
        auto* color = control<QComboBox>(d, "cboSeriesColor");
        color->setCurrentIndex(color->findText(QStringLiteral("緑")));
        control<QComboBox>(d, "cboGridColor")->setCurrentIndex(0);
        control<QCheckBox>(d, "chkLegend")->setChecked(false);
        click(d, "cmdOK");
    });
    ASSERT_TRUE(chart.openPropertyEditor());
    EXPECT_TRUE(script.allUsed());

    const ChartFormat& f = chart.format();
    EXPECT_EQ(f.y.title, QStringLiteral("荷重 T (kN)"));
    EXPECT_FALSE(f.title.has_value()); // untouched titles keep following the graph
    EXPECT_FALSE(f.x.title.has_value());
    EXPECT_EQ(f.titleFont.pointSizeF(), 14);
    EXPECT_FALSE(f.y.grid);
    EXPECT_TRUE(f.x.grid);
    EXPECT_FALSE(f.legendVisible);
    SeriesStyle permanent = f.seriesStyle(0, 4);
    EXPECT_EQ(permanent.marker, MarkerShape::Star);
    EXPECT_EQ(permanent.lineWidth, 3);
    EXPECT_EQ(permanent.color, QColor(0x1e, 0x84, 0x49));
    EXPECT_EQ(f.gridColor, QColor(Qt::black));
    EXPECT_EQ(f.seriesStyle(0, 0), defaultSeriesStyle(0)); // other series as they were
}

TEST(DlgChartProperty, CancelChangesNothingAndOkKeepsAnUnlistedColour)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    ChartFormat designed;
    designed.editSeriesStyle(0, 1).color = QColor(0x12, 0x34, 0x56); // e.g. from a format file
    chart.setFormat(designed);
    ModalScript script;
    script.expect("DlgChartProperty", [](QDialog& d) {
        control<QComboBox>(d, "cboSeries")->setCurrentIndex(1);
        auto* color = control<QComboBox>(d, "cboSeriesColor");
        EXPECT_EQ(color->currentText(), QStringLiteral("その他 (#123456)"));
        color->setCurrentIndex(0);
        control<QLineEdit>(d, "txtTitle")->setText("x");
        click(d, "cmdCancel");
    });
    EXPECT_FALSE(chart.openPropertyEditor());
    EXPECT_EQ(chart.format(), designed);

    script.expect("DlgChartProperty", [](QDialog& d) {
        control<QComboBox>(d, "cboSeries")->setCurrentIndex(1);
        click(d, "cmdOK");
    });
    EXPECT_TRUE(chart.openPropertyEditor());
    EXPECT_EQ(chart.format(), designed);
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
        EXPECT_FALSE(control<QGroupBox>(d, "grpGrid")->isHidden());
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
}

TEST(DlgChartProperty, ChartWithoutSeriesHidesTheSeriesPage)
{
    DlgChartProperty dialog(ChartData(), ChartFormat(), AllEditorElements);
    EXPECT_EQ(visibleTabs(dialog), (QStringList { "pageTitles", "pageAxes", "pageLegend" }));
}
