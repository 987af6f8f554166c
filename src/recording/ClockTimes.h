#pragma once
// Clock times of the reading rows from the time the test started or ended.

#include "model/AnchorRecord.h"

#include <QString>

namespace tessaro {

inline constexpr int ClockFromStart = 0;
inline constexpr int ClockFromEnd = 1;

// Seconds after midnight at which the test started: the given time, or for
// mode 1 (the given time is the end) that time less the last row's elapsed
// seconds. May be negative or pass a day; ClockTimeText folds it into the day.
long long ClockStartSeconds(int mode, int hours, int minutes, long long lastElapsed);

// "h:mm:ss" of a time of day; times pass midnight without a date.
QString ClockTimeText(long long secondsAfterMidnight);

// Fills every row's clock time from the anchor's stored mode, hours and minutes.
void SetClockTimes(AnchorRecord& anchor);

} // namespace tessaro
