#include "graphs/JackCalibrationChart.h"

#include "graphs/ChartFill.h"

#include <algorithm>

namespace tessaro {

ChartData jackCalibrationChart(const QList<double>& pressures, const QList<double>& outputs)
{
    ChartData chart;
    chart.x.title = QStringLiteral("ゲージ圧力 (MPa)");
    chart.y.title = QStringLiteral("ジャッキ出力 (kN)");
    ChartFill fill(chart);
    qsizetype n = std::min(pressures.size(), outputs.size());
    for (qsizetype i = 0; i < n; ++i)
        fill.add(pressures[i], outputs[i]);
    // A little room above the last pair keeps it off the plot frame.
    constexpr double Headroom = 1.05;
    ChartExtremes bounds = fill.extremes();
    bounds.xMin = std::min(bounds.xMin, 0.0);
    bounds.yMin = std::min(bounds.yMin, 0.0);
    bounds.xMax *= Headroom;
    bounds.yMax *= Headroom;
    fill.finish(bounds);
    return chart;
}

} // namespace tessaro
