#include "graphs/AxisLabels.h"

#include "model/NumberFormat.h"

#include <cmath>

namespace tessaro {

int absoluteLabelStep(double upper)
{
    double n = roundHalfEven(upper / 10);
    if (n < 6)
        return 5;
    if (n < 11)
        return 10;
    if (n < 16)
        return 15;
    if (n < 21)
        return 20;
    if (n < 31)
        return 30;
    return 50;
}

void absoluteValueLabels(ChartData& chart, float upper, float lower, ChartAxisId axis)
{
    ChartAxis& target = axis == ChartAxisId::Y ? chart.y : chart.x;
    target.valueLabels.clear();
    if (!std::isfinite(upper) || !std::isfinite(lower))
        return;
    double top = double(upper) + 1;
    int step = absoluteLabelStep(top);
    double below = std::fabs(double(lower));
    // The count of steps below zero comes from the whole-number part, but any
    // remainder of the exact bound adds one more step so the bound is covered.
    double k = std::trunc(roundHalfEven(below) / step);
    if (below - step * k != 0)
        k += 1;
    double start = -step * k;
    double end = roundHalfEven(top);
    if ((end - start) / step + 1 > maxAbsoluteLabels)
        return;
    for (double v = start; v <= end; v += step)
        target.valueLabels.push_back({ v, QString::number(std::fabs(v), 'f', 0) });
}

double niceTickStep(double min, double max, int maxTicks)
{
    double span = std::fabs(max - min);
    if (!std::isfinite(span) || span == 0 || maxTicks < 1)
        return 1;
    double rough = span / maxTicks;
    if (!(rough > 0))
        return span;
    double power = std::pow(10.0, std::floor(std::log10(rough)));
    for (double factor : { 1.0, 2.0, 2.5, 5.0, 10.0 })
        if (factor * power >= rough * (1 - 1e-9))
            return factor * power;
    return 10 * power;
}

int tickDecimals(double step)
{
    for (int decimals = 0; decimals < 10; ++decimals) {
        double scaled = step * std::pow(10.0, decimals);
        if (std::fabs(scaled - std::round(scaled)) < 1e-6 * scaled)
            return decimals;
    }
    return 10;
}

} // namespace tessaro
