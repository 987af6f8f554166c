#include "recording/RevisionCheck.h"

#include "evaluation/AcceptanceJudgement.h"
#include "planning/HoldingTimes.h"

#include <QStringList>
#include <algorithm>

namespace tessaro {
namespace {

constexpr int MaxCycles = 10;

int holdingReadings(const HoldingSchedule& schedule, int ordinal, bool singleCycleSheet)
{
    return UsedReadings(schedule.InitialStages[std::size_t(singleCycleSheet ? 1 : ordinal)]);
}

} // namespace

RevisionCheck CheckPeakHoldings(AnchorRecord& a, const HoldingSchedule& schedule, bool singleCycleSheet)
{
    RevisionCheck check;
    a.RangeVerdict = 0;
    a.RangeVerdictText = QStringLiteral("OK");
    const auto& results = a.Evaluation.Results;
    const int n = std::min<int>(int(results.size()), int(a.Readings.size()));
    for (int last = 1; last <= n && check.evaluatedCycles < MaxCycles; ++last) {
        const ReadingResult& cycleEnd = results[std::size_t(last - 1)];
        const int peak = cycleEnd.PeakRow;
        if (isMissing(cycleEnd.Elastic) || peak < 1 || peak > n)
            continue;
        ++check.evaluatedCycles;
        const int rows = std::min(holdingReadings(schedule, check.evaluatedCycles, singleCycleSheet), n - peak + 1);
        bool faulty = false;
        for (int r = peak; r < peak + rows; ++r) {
            const ReadingResult& lines = results[std::size_t(r - 1)];
            if (lines.Upper >= cycleEnd.Elastic && lines.Lower <= cycleEnd.Elastic)
                continue;
            check.outsideRows.push_back(r);
            if (!faulty)
                check.faultyCycles.push_back(a.Readings[std::size_t(r - 1)].Cycle);
            faulty = true;
        }
        if (rows > 0)
            check.holdingEndRows.push_back(peak + rows - 1);
        if (faulty) {
            a.RangeVerdict = 1;
            a.RangeVerdictText = QStringLiteral("管理限界範囲外");
        }
    }
    return check;
}

QString RevisionVerdictText(const RevisionCheck& check)
{
    if (check.evaluatedCycles == 0)
        return {};
    if (check.outsideRows.empty())
        return QStringLiteral("管理限界内に入っています。");
    QStringList cycles;
    for (int c : check.faultyCycles)
        cycles << QString::number(c);
    return cycles.join(',') + QStringLiteral("サイクル目の最大荷重時の伸び量を直してください。");
}

QString JudgeRangeText(int judgeRangeMode, int judgeFromCycle)
{
    return QStringLiteral("判定範囲 … ") + judgeRangeDescription(judgeRangeMode, judgeFromCycle, false);
}

} // namespace tessaro
