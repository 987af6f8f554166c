#include "planning/GaugeHenkan.h"

#include "model/NumberFormat.h"
#include "model/basMainData.h"

#include <algorithm>

namespace tessaro {
namespace {

// Usable point count (pairs + 1): the table holds at most 20 pairs.
int pointCount(const JackRecord& jack)
{
    return std::clamp<int>(jack.PointCount, 0, int(jack.Outputs.size()) + 1);
}

// Column of pair i (1-based) that the search runs on.
float searched(const JackRecord& jack, int direction, int i)
{
    return direction == LoadToPressure ? jack.Outputs[std::size_t(i - 1)] : jack.Pressures[std::size_t(i - 1)];
}

float other(const JackRecord& jack, int direction, int i)
{
    return direction == LoadToPressure ? jack.Pressures[std::size_t(i - 1)] : jack.Outputs[std::size_t(i - 1)];
}

} // namespace

int GaugeSegment(const JackRecord& jack, double value, int direction)
{
    if (direction != LoadToPressure && direction != PressureToLoad)
        return 0;
    if (direction == LoadToPressure && isMissing(value))
        return -1;
    int n = pointCount(jack);
    if (n < 2)
        return -1; // no calibration pair: nothing to convert with
    if (searched(jack, direction, 1) >= value)
        return 0;
    for (int i = 2; i <= n - 1; ++i)
        if (searched(jack, direction, i) >= value)
            return i - 1;
    return n - 2;
}

float InterpolateTwoPoints(double x0, double x1, double y0, double y1, double x)
{
    if (x1 == x0)
        return float(y0 + (x - x0) * (y1 - y0));
    return float(y0 + (y1 - y0) * (x - x0) / (x1 - x0));
}

float ConvertGauge(const JackRecord& jack, double value, int direction)
{
    int k = GaugeSegment(jack, value, direction);
    if (k < 0)
        return MissingValue;
    // Directions other than the two named ones convert as pressures.
    int dir = direction == LoadToPressure ? LoadToPressure : PressureToLoad;
    if (k == 0)
        return InterpolateTwoPoints(0, searched(jack, dir, 1), 0, other(jack, dir, 1), value);
    return InterpolateTwoPoints(
        searched(jack, dir, k), searched(jack, dir, k + 1), other(jack, dir, k), other(jack, dir, k + 1), value);
}

float ConvertGaugeRounded(const JackRecord& jack, double value, int direction)
{
    float v = ConvertGauge(jack, value, direction);
    return isMissing(v) ? MissingValue : float(roundFormat(v, "0.00"));
}

float ConvertGaugeRounded(double value, int direction)
{
    return ConvertGaugeRounded(project().currentAnchor().Jack, value, direction);
}

} // namespace tessaro
