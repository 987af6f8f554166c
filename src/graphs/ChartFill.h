#pragma once
// The way every graph is filled: points are written while the chart is batched
// (it redraws once, at the end), the extremes of the points really written are
// tracked, and the chart ends either with a visible plot area scaled to those
// extremes or, when no point was written, with a blank white plot area from 0 to
// 100 on both axes.

#include "graphs/ChartData.h"

namespace tessaro {

struct ChartExtremes {
    double xMin = 0;
    double xMax = 0;
    double yMin = 0;
    double yMax = 0;
};

// Bounds widened by a twentieth on every side away from 0, so that the
// outermost points and their markers stand inside the plot frame.
ChartExtremes withMargin(ChartExtremes bounds);

class ChartFill {
public:
    // Starts filling group g of the chart: its series are emptied.
    explicit ChartFill(ChartData& chart, int group = 0);

    // Appends a point to series s. A point carrying the group's hole value is kept
    // as a break in the line but is neither counted nor tracked.
    void add(int series, double x, double y);
    void add(double x, double y) { add(0, x, y); }

    int written() const { return written_; }
    bool empty() const { return written_ == 0; }
    // Minimum and maximum of the points written; all 0 while empty.
    const ChartExtremes& extremes() const { return extremes_; }

    // Ends filling with axis bounds from the tracked extremes, or blank 0..100
    // with the series emptied when no point (only holes, if any) was written.
    void finish();
    // Ends filling with the caller's bounds (used when an axis must also hold a
    // planned value), or blank 0..100 when no point was written.
    void finish(const ChartExtremes& bounds);

private:
    ChartData& chart_;
    int group_;
    int written_ = 0;
    ChartExtremes extremes_;
};

} // namespace tessaro
