#include "SampleCharts.h"

#include "graphs/AxisLabels.h"
#include "graphs/ChartFill.h"

namespace tessaro::test {

ChartData displacementCurves()
{
    ChartData chart;
    chart.title = QStringLiteral("荷重-変位量曲線");
    chart.x.title = QStringLiteral("変位量(mm)");
    chart.y.title = QStringLiteral("荷重(kN)");
    const QStringList names { QStringLiteral("理論線"), QStringLiteral("上限線"), QStringLiteral("下限線"),
        QStringLiteral("弾性変位量"), QStringLiteral("塑性変位量") };
    for (int s = 0; s < names.size(); ++s)
        chart.series(0, s).name = names[s];
    ChartFill fill(chart);
    const double loads[] = { 60, 120, 180, 240, 300 };
    const double elastic[] = { 2.1, 4.6, 7.0, 9.3, 11.8 };
    const double permanent[] = { 0.3, 0.7, DefaultHoleValue, 1.6, 2.4 };
    fill.add(0, 0, 30);
    fill.add(0, 12.1, 300);
    fill.add(1, 0, 30);
    fill.add(1, 14.5, 300);
    fill.add(2, 0, 30);
    fill.add(2, 8.9, 300);
    fill.add(3, 0, 30);
    fill.add(4, 0, 30);
    for (int i = 0; i < 5; ++i) {
        fill.add(3, elastic[i], loads[i]);
        fill.add(4, permanent[i] == DefaultHoleValue ? permanent[i] : -permanent[i], loads[i]);
    }
    fill.finish({ -3, 14.5, 0, 300 });
    absoluteValueLabels(chart, 14.5f, -3, ChartAxisId::X);
    chart.labels.push_back({ QStringLiteral("⊿δe"), { 12.5, 300 - 300 / 15.0 }, { 4, -8 } });
    return chart;
}

ChartData emptyChart()
{
    ChartData chart;
    chart.title = QStringLiteral("時間-荷重曲線");
    chart.x.title = QStringLiteral("経過時間(分)");
    chart.y.title = QStringLiteral("荷重(kN)");
    ChartFill fill(chart);
    fill.finish();
    return chart;
}

} // namespace tessaro::test
