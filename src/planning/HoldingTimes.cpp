#include "planning/HoldingTimes.h"

#include "model/NumberFormat.h"
#include "planning/TestKinds.h"

#include <algorithm>

namespace tessaro {
namespace {

constexpr int MaxReadings = 10;
constexpr int MaxCycles = 10;

constexpr int CustomaryMinutes[] = { 1, 2, 5, 10, 15, 20, 30, 45, 60, 90, 120, 180 };
// Left out first when a long holding would get more than ten readings.
constexpr int ThinnedMinutes[] = { 20, 45, 90, 15 };

constexpr int OpeningMinutes = 5;

HoldingStage holding(int minutes)
{
    HoldingStage stage;
    std::vector<int> times = ReadingMinutes(minutes);
    for (std::size_t i = 0; i < times.size(); ++i)
        stage.Times[i] = std::uint16_t(times[i]);
    stage.Count = std::uint8_t(times.size());
    return stage;
}

bool isClay(int ground)
{
    return ground == 0;
}

int historyMinutes(int edition, int ground)
{
    return (edition == Edition2000 && !isClay(ground)) ? 1 : 2;
}

// Holding at the new load of cycle c (1-based) of a test of n cycles.
int newLoadMinutes(int edition, int ground, int c, int n)
{
    if (edition == Edition2000)
        return isClay(ground) ? 10 : 5;
    if (c == n)
        return isClay(ground) ? 180 : 60;
    if (c <= 2)
        return 15;
    return isClay(ground) ? 60 : 30;
}

int singleCyclePeakMinutes(int edition, int ground)
{
    if (!isClay(ground))
        return 5;
    return edition == Edition2000 ? 10 : 15;
}

} // namespace

double LoadChangeSeconds(const AnchorRecord& anchor, double deltaLoad, bool decreasing)
{
    const AnchorSpec2& s = anchor.Spec2;
    if (s.LoadChangeBySpeed != 0) {
        int rate = decreasing ? s.UnloadingRate : s.LoadingRate;
        if (rate == 0)
            return 0; // no rate given: no duration can be derived
        return roundHalfAway(deltaLoad * 60.0 / rate, 0);
    }
    return (decreasing ? s.UnloadingMinutes : s.LoadingMinutes) * 60.0;
}

int UsedReadings(const HoldingStage& stage)
{
    return std::min<int>(stage.Count, MaxReadings);
}

std::int16_t ScheduledRowCount(const HoldingSchedule& schedule, int stageCount, bool singleCycle)
{
    const auto& initial = schedule.InitialStages;
    int rows = 0;
    if (!singleCycle) {
        int entries = std::clamp(stageCount, 0, int(initial.size()));
        for (int e = 0; e < entries; ++e)
            rows += UsedReadings(initial[std::size_t(e)]);
        return std::int16_t(rows);
    }
    rows = UsedReadings(initial[0]) + UsedReadings(initial[1]);
    int n = std::min(stageCount, MaxCycles + 1);
    for (int c = 2; c <= n - 1; ++c)
        rows += UsedReadings(schedule.CycleStages[std::size_t(c - 1)].Loading[0]);
    for (int k = n; k >= 2; --k)
        rows += UsedReadings(schedule.CycleStages[std::size_t(k - 2)].Unloading[0]);
    return std::int16_t(rows);
}

std::vector<int> ReadingMinutes(int holdingMinutes)
{
    std::vector<int> times;
    if (holdingMinutes < 1)
        return times;
    for (int m : CustomaryMinutes)
        if (m < holdingMinutes)
            times.push_back(m);
    times.push_back(holdingMinutes);
    for (int m : ThinnedMinutes) {
        if (int(times.size()) <= MaxReadings)
            break;
        times.erase(std::remove(times.begin(), times.end(), m), times.end());
    }
    if (int(times.size()) > MaxReadings) // only the first readings and the end remain
        times.erase(times.begin() + (MaxReadings - 1), times.end() - 1);
    return times;
}

HoldingSchedule defaultSchedule(int edition, int ground, int stageCount, bool singleCycle)
{
    HoldingSchedule s;
    s.SetFlag = 1;
    int n = std::clamp(stageCount, 1, MaxCycles);
    HoldingStage history = holding(historyMinutes(edition, ground));
    s.InitialStages[0] = holding(OpeningMinutes);
    if (singleCycle) {
        s.InitialStages[1] = holding(singleCyclePeakMinutes(edition, ground));
        for (CycleStageEntries& cycle : s.CycleStages) {
            cycle.Loading[0] = history;
            cycle.Unloading[0] = history;
        }
        return s;
    }
    for (int c = 1; c <= MaxCycles; ++c) {
        s.InitialStages[std::size_t(c)] = holding(newLoadMinutes(edition, ground, c, n));
        CycleStageEntries& cycle = s.CycleStages[std::size_t(c - 1)];
        for (int stage = 0; stage < c; ++stage) {
            cycle.Loading[std::size_t(stage)] = history;
            cycle.Unloading[std::size_t(stage)] = history;
        }
    }
    return s;
}

void applyDefaultLoadChange(AnchorRecord& anchor)
{
    AnchorSpec2& s = anchor.Spec2;
    s.LoadChangeBySpeed = 0;
    s.LoadingMinutes = 1;
    s.UnloadingMinutes = 1;
}

} // namespace tessaro
