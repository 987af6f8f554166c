#include "recording/ClockTimes.h"

#include <algorithm>

namespace tessaro {

long long ClockStartSeconds(int mode, int hours, int minutes, long long lastElapsed)
{
    long long given = hours * 3600LL + minutes * 60LL;
    return mode == ClockFromEnd ? given - lastElapsed : given;
}

QString ClockTimeText(long long seconds)
{
    constexpr long long Day = 24 * 3600;
    long long s = ((seconds % Day) + Day) % Day;
    return QStringLiteral("%1:%2:%3")
        .arg(s / 3600)
        .arg((s / 60) % 60, 2, 10, QChar('0'))
        .arg(s % 60, 2, 10, QChar('0'));
}

void SetClockTimes(AnchorRecord& anchor)
{
    auto n = std::size_t(std::clamp<int>(anchor.ReadingCount, 0, int(anchor.Readings.size())));
    if (n == 0)
        return;
    long long start = ClockStartSeconds(
        anchor.ClockMode, anchor.ClockHours, anchor.ClockMinutes, anchor.Readings[n - 1].ElapsedTime);
    for (std::size_t i = 0; i < n; ++i)
        anchor.Readings[i].ClockTime = ClockTimeText(start + anchor.Readings[i].ElapsedTime);
}

} // namespace tessaro
