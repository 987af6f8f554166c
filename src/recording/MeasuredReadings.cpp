#include "recording/MeasuredReadings.h"

#include <algorithm>

namespace tessaro {

bool hasMeasuredReadings(const AnchorRecord& anchor)
{
    auto rows = std::min<std::size_t>(anchor.Readings.size(), std::size_t(std::max<int>(anchor.ReadingCount, 0)));
    return std::any_of(anchor.Readings.begin(), anchor.Readings.begin() + std::ptrdiff_t(rows),
        [](const Reading& r) { return !isMissing(r.Displacement); });
}

void discardReadings(AnchorRecord& anchor)
{
    anchor.Readings.clear();
    anchor.ReadingCount = 0;
    anchor.Evaluation.Results.clear();
    anchor.EditFlag = 0;
}

} // namespace tessaro
