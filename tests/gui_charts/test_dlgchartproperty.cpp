#include "SampleCharts.h"

#include "support/TestSupport.h"
#include "ui/Chart2D.h"
#include "ui/DlgChartProperty.h"
#include "ui/Modal.h"
#include "ui/OlectraChart.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::ui;

namespace {

template <class T> T* child(QWidget& dialog, const char* name)
{
    T* w = dialog.findChild<T*>(name);
    EXPECT_NE(w, nullptr) << name;
    return w;
}

void click(QWidget& dialog, const char* name)
{
    child<QPushButton>(dialog, name)->click();
}

QStringList visibleTabs(QWidget& dialog)
{
    auto* tabs = child<QTabWidget>(dialog, "tabProperty");
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
        child<QLineEdit>(d, "txtYTitle")->setText(QStringLiteral("荷重 T (kN)"));
        child<QDoubleSpinBox>(d, "numTitleFontSize")->setValue(14);
        child<QCheckBox>(d, "chkGridY")->setChecked(false);
        auto* series = child<QComboBox>(d, "cboSeries");
        ASSERT_EQ(series->count(), 5);
        series->setCurrentIndex(4);
        auto* marker = child<QComboBox>(d, "cboMarker");
        marker->setCurrentIndex(marker->findData(int(MarkerShape::Star)));
        child<QDoubleSpinBox>(d, "numLineWidth")->setValue(3);
        click(d, "cmdSeriesColor"); // answered by the colour dialog below
        child<QCheckBox>(d, "chkLegend")->setChecked(false);
        click(d, "cmdOK");
    });
    script.expect("DlgColor", [](QDialog& d) {
        static_cast<QColorDialog&>(d).setCurrentColor(QColor(0x33, 0x66, 0x99));
        d.accept();
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
    EXPECT_EQ(permanent.color, QColor(0x33, 0x66, 0x99));
    EXPECT_EQ(f.seriesStyle(0, 0), defaultSeriesStyle(0)); // other series as they were
}

TEST(DlgChartProperty, CancelAndCancelledColourChangeNothing)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    ChartFormat before = chart.format();
    ModalScript script;
    script.expect("DlgChartProperty", [](QDialog& d) {
        click(d, "cmdSeriesColor");
        child<QLineEdit>(d, "txtTitle")->setText("x");
        click(d, "cmdCancel");
    });
    script.expect("DlgColor", [](QDialog& d) { d.reject(); });
    EXPECT_FALSE(chart.openPropertyEditor());
    EXPECT_EQ(chart.format(), before);

    ModalScript okUnchanged;
    okUnchanged.expect("DlgChartProperty", [](QDialog& d) { click(d, "cmdOK"); });
    EXPECT_TRUE(chart.openPropertyEditor());
    EXPECT_EQ(chart.format(), before);
}

TEST(DlgChartProperty, OffersOnlyTheElementsTheWindowAllows)
{
    Chart2D chart;
    chart.setData(test::displacementCurves());
    restrictEditorGraphWindow(chart);
    ModalScript script;
    script.expect("DlgChartProperty", [](QDialog& d) {
        EXPECT_EQ(visibleTabs(d), (QStringList { "pageTitles", "pageAxes", "pageSeries", "pageLegend" }));
        EXPECT_TRUE(child<QGroupBox>(d, "grpAxisLabels")->isHidden());
        EXPECT_FALSE(child<QGroupBox>(d, "grpGrid")->isHidden());
    });
    chart.openPropertyEditor();

    restrictEditorAxisLabels(chart);
    script.expect("DlgChartProperty", [](QDialog& d) {
        EXPECT_FALSE(child<QGroupBox>(d, "grpAxisLabels")->isHidden());
        QString dir = qEnvironmentVariable("TESSARO_SCREENSHOT_DIR", test::tempDir());
        d.grab().save(dir + "/dlg-chart-property.png");
        child<QTabWidget>(d, "tabProperty")->setCurrentIndex(2);
        d.grab().save(dir + "/dlg-chart-property-series.png");
    });
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
