#include "recording/Elongation.h"

#include "model/NumberFormat.h"

namespace tessaro {
namespace {

float initialOf(const Reading& r, int point)
{
    return point == 1 ? r.InitialNo1 : r.InitialNo2;
}
float measuredOf(const Reading& r, int point)
{
    return point == 1 ? r.MeasuredNo1 : r.MeasuredNo2;
}

// Row of the initial reading in effect at `row`, −1 when there is none.
int initialRow(const std::vector<Reading>& rows, int row, int point)
{
    for (int i = row; i >= 0; --i)
        if (!isMissing(initialOf(rows[std::size_t(i)], point)))
            return i;
    return -1;
}

// Displacement reached before the initial reading of row `start` took effect.
float carryAt(const std::vector<Reading>& rows, int start, int point)
{
    for (int i = start - 1; i >= 0; --i) {
        if (isMissing(measuredOf(rows[std::size_t(i)], point)))
            continue;
        float reached = PointDisplacement(rows, i, point);
        return isMissing(reached) ? 0.0f : reached;
    }
    return 0.0f;
}

bool validRow(const std::vector<Reading>& rows, int row)
{
    return row >= 0 && row < int(rows.size());
}

} // namespace

float PointDisplacement(const std::vector<Reading>& rows, int row, int point)
{
    if (!validRow(rows, row))
        return MissingValue;
    float measured = measuredOf(rows[std::size_t(row)], point);
    int start = initialRow(rows, row, point);
    if (isMissing(measured) || start < 0)
        return MissingValue;
    float d = measured - initialOf(rows[std::size_t(start)], point) + carryAt(rows, start, point);
    return float(roundFormat(d, "#####0.00"));
}

float RowElongation(const std::vector<Reading>& rows, int row)
{
    float sum = 0;
    int n = 0;
    for (int point = 1; point <= 2; ++point) {
        float d = PointDisplacement(rows, row, point);
        if (!isMissing(d)) {
            sum += d;
            ++n;
        }
    }
    return n == 0 ? MissingValue : float(roundFormat(sum / float(n), "#####0.00"));
}

void UpdateElongation(std::vector<Reading>& rows, int row)
{
    if (validRow(rows, row))
        rows[std::size_t(row)].Displacement = RowElongation(rows, row);
}

void UpdateElongations(std::vector<Reading>& rows, int fromRow)
{
    for (int row = std::max(fromRow, 0); row < int(rows.size()); ++row)
        UpdateElongation(rows, row);
}

} // namespace tessaro
