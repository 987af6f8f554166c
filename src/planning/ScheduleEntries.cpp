#include "planning/ScheduleEntries.h"

#include "planning/basKajyuu.h"
#include "recording/ReadingSheet.h"

#include <algorithm>

namespace tessaro {
namespace {

constexpr int MaxReadings = 10;

float loadOfStage(const LoadPlan& plan, int s)
{
    return s <= 0 ? plan.InitialLoad : plan.CycleMaxLoad[std::size_t(std::clamp(s, 1, MaxStageCount) - 1)];
}

} // namespace

int ScheduleCycleCount(int stageCount, bool singleCycle)
{
    return singleCycle ? 1 : std::clamp(stageCount, 1, MaxStageCount);
}

int ScheduleStageCount(int cycle, int stageCount, bool singleCycle)
{
    if (singleCycle)
        return std::clamp(stageCount - 1, 1, MaxStageCount - 1);
    return std::clamp(cycle, 1, ScheduleCycleCount(stageCount, false));
}

ShownHoldings holdingsShown(HoldingSchedule& schedule, const LoadPlan& plan, bool singleCycle, int cycle, int stage)
{
    ShownHoldings h;
    auto s = std::size_t(std::clamp(stage, 1, MaxStageCount));
    h.stageLoad = loadOfStage(plan, int(s) - 1);
    h.opening = { &schedule.InitialStages[0], plan.InitialLoad, true };
    if (singleCycle) {
        // A single cycle keeps its stage holdings in the first entry of cycle s.
        CycleStageEntries& entries = schedule.CycleStages[s - 1];
        h.newLoad = { &schedule.InitialStages[1], plan.PlannedMaxLoad, true };
        h.loading = { &entries.Loading[0], h.stageLoad, s >= 2 };
        h.unloading = { &entries.Unloading[0], h.stageLoad, true };
        return h;
    }
    auto c = std::size_t(std::clamp(cycle, 1, MaxStageCount));
    CycleStageEntries& entries = schedule.CycleStages[c - 1];
    h.newLoad = { &schedule.InitialStages[c], loadOfStage(plan, int(c)), true };
    h.loading = { &entries.Loading[s - 1], h.stageLoad, c >= 2 };
    h.unloading = { &entries.Unloading[s - 1], h.stageLoad, true };
    return h;
}

std::vector<int> readingTimes(const HoldingStage& stage)
{
    int n = std::min<int>(stage.Count, MaxReadings);
    return { stage.Times.begin(), stage.Times.begin() + n };
}

void setReadingTimes(HoldingStage& stage, const std::vector<int>& minutes)
{
    std::size_t n = std::min<std::size_t>(minutes.size(), MaxReadings);
    stage.Times.fill(0);
    for (std::size_t i = 0; i < n; ++i)
        stage.Times[i] = std::uint16_t(std::clamp(minutes[i], 0, 65535));
    stage.Count = std::uint8_t(n);
}

bool strictlyIncreasing(const std::vector<int>& minutes)
{
    return std::adjacent_find(minutes.begin(), minutes.end(), [](int a, int b) { return b <= a; }) == minutes.end();
}

void takeReadingTimes(HoldingSchedule& schedule, const HoldingSchedule& from)
{
    auto take = [](HoldingStage& to, const HoldingStage& source) {
        to.Times = source.Times;
        to.Count = source.Count;
    };
    for (std::size_t i = 0; i < schedule.InitialStages.size(); ++i)
        take(schedule.InitialStages[i], from.InitialStages[i]);
    for (std::size_t c = 0; c < schedule.CycleStages.size(); ++c) {
        for (std::size_t s = 0; s < schedule.CycleStages[c].Loading.size(); ++s) {
            take(schedule.CycleStages[c].Loading[s], from.CycleStages[c].Loading[s]);
            take(schedule.CycleStages[c].Unloading[s], from.CycleStages[c].Unloading[s]);
        }
    }
}

QString scheduleRangeMessage(int minimum, int maximum)
{
    return QStringLiteral("サイクルもしくは荷重の段階数に、範囲外の数値が入力されました。") + "\n"
        + QStringLiteral("入力範囲：") + QString::number(minimum) + QStringLiteral(" ～ ") + QString::number(maximum);
}

QString newLoadOrderMessage()
{
    return QStringLiteral("新規荷重時間の入力が間違っています。時間が逆転していないか確認して下さい。");
}

QString historyOrderMessage()
{
    return QStringLiteral("履歴内荷重時間の入力が間違っています。時間が逆転していないか確認して下さい。");
}

ScheduleTotals scheduleTotals(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle)
{
    AnchorRecord planned = anchor;
    planned.Plan.StageCount = std::int16_t(EffectiveStageCount(anchor.Plan));
    std::vector<Reading> rows = BuildSheetRows(planned, schedule, singleCycle);
    ScheduleTotals t;
    t.readings = int(rows.size());
    if (!rows.empty())
        t.minutes = (rows.back().ElapsedTime + 59) / 60; // a started minute counts: the plan must not fall short
    return t;
}

QString totalTimeText(int minutes)
{
    return QString::number(minutes) + QStringLiteral(" 分 = ( ") + QString::number(minutes / 60)
        + QStringLiteral(" 時間 ") + QString::number(minutes % 60) + QStringLiteral(" 分 )");
}

QString readingCountText(int readings)
{
    return QString::number(readings) + QStringLiteral(" 回");
}

} // namespace tessaro
