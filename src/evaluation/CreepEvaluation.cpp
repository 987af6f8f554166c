#include "evaluation/CreepEvaluation.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

constexpr int MaxCycle = 10;

const Reading& row(const AnchorRecord& a, int i)
{
    return a.Readings[std::size_t(i - 1)];
}

float roundedLoad(double load)
{
    return float(roundFormat(load, "0.00"));
}

// The maximum load of the plan's last cycle (Tp for a plan without stages).
double lastCycleLoad(const LoadPlan& plan)
{
    const int n = std::clamp<int>(plan.StageCount, 0, MaxCycle);
    return n > 0 ? plan.CycleMaxLoad[std::size_t(n - 1)] : plan.PlannedMaxLoad;
}

bool timeKnown(std::int32_t elapsed)
{
    return elapsed >= 0 && !isMissing(elapsed);
}

// Whole minutes of row k since the holding stage began: the first reading of
// the holding lies its own scheduled minutes after that start.
int pointMinutes(const Reading& first, const Reading& r)
{
    if (!timeKnown(first.ElapsedTime) || !timeKnown(r.ElapsedTime))
        return 0;
    const double start = double(first.ElapsedTime) - 60.0 * first.Interval;
    return int(roundHalfAway((double(r.ElapsedTime) - start) / 60.0, 0));
}

double roundedDisplacement(float displacement)
{
    return isMissing(displacement) ? double(MissingValue) : roundFormat(displacement, "0.00");
}

double log10Ratio(double ratio)
{
    return std::log(ratio) / std::log(10.0);
}

} // namespace

int FindHoldingStart(const AnchorRecord& anchor, int cycle, double load)
{
    const float target = roundedLoad(load);
    const int n = EvaluatedRowCount(anchor);
    for (int i = 1; i <= n; ++i)
        if (row(anchor, i).Cycle == cycle && row(anchor, i).Load == target)
            return i;
    return 0;
}

CreepHolding CreepHoldingAt(const AnchorRecord& anchor, int cycle, double load)
{
    CreepHolding h;
    h.cycle = cycle;
    h.load = roundedLoad(load);
    h.startRow = FindHoldingStart(anchor, cycle, load);
    if (h.startRow == 0)
        return h;
    const Reading& first = row(anchor, h.startRow);
    const int n = EvaluatedRowCount(anchor);
    for (int i = h.startRow; i <= n && int(h.points.size()) < MaxCreepPoints; ++i) {
        const Reading& r = row(anchor, i);
        if (r.Cycle != first.Cycle || r.Load != first.Load)
            break;
        h.points.push_back({ pointMinutes(first, r), r.Displacement });
    }
    return h;
}

bool isConfirmationCreep(const AnchorRecord& anchor, const CreepSettings& settings)
{
    return settings.testCategory != 0 && anchor.ConfirmationTest != 0;
}

CreepHolding DisplacementHolding(const AnchorRecord& anchor, int testCategory)
{
    const bool confirmation = testCategory != 0 && anchor.ConfirmationTest != 0;
    const int cycle = confirmation ? 1 : std::clamp<int>(anchor.Plan.StageCount, 0, MaxCycle);
    return CreepHoldingAt(anchor, cycle, lastCycleLoad(anchor.Plan));
}

CreepHolding CoefficientHolding(const AnchorRecord& anchor, int testCategory, int holdingChoice, int cycle)
{
    if (holdingChoice != 1)
        return DisplacementHolding(anchor, testCategory);
    if (cycle < 1 || cycle > MaxCycle) {
        CreepHolding none;
        none.cycle = cycle;
        return none;
    }
    return CreepHoldingAt(anchor, cycle, anchor.Plan.CycleMaxLoad[std::size_t(cycle - 1)]);
}

CreepSettings creepSettingsOf(const Project& p)
{
    CreepSettings s;
    s.edition = p.Settings.StandardEdition;
    s.values = p.Settings.CreepJudgeValues;
    s.extended = p.Settings.CreepJudgeExtend;
    s.testCategory = p.TestCategory;
    return s;
}

double CreepLimit(const AnchorRecord& anchor, const CreepSettings& settings)
{
    const int index = creepLimitIndex(anchor.ConfirmationTest != 0 ? 1 : 0, anchor.AnchorageGround);
    return settings.values[std::size_t(index - 1)];
}

std::optional<double> CreepCoefficient(double s2, double s1, int t2, int t1)
{
    if (t1 <= 0 || t2 <= t1)
        return std::nullopt;
    return roundFormat((s2 - s1) / log10Ratio(double(t2) / double(t1)), "0.00");
}

std::optional<double> CreepCoefficientRoundedRatio(double s2, double s1, int t2, int t1)
{
    if (t1 <= 0 || t2 <= t1)
        return std::nullopt;
    const double difference = roundFormat(s2 - s1, "##0.00");
    const double ratio = roundFormat(double(t2) / double(t1), "##0.00");
    if (ratio <= 1.0)
        return std::nullopt;
    return roundFormat(difference / log10Ratio(ratio), "##0.00");
}

CreepTimes CheckCreepTimes(int ta, int tb, bool tbIsLast, bool confirmation, double minimumRatio)
{
    CreepTimes t;
    if (!confirmation) {
        t.ratioTested = true;
        t.ratio = roundFormat(double(tb) / double(ta), "0.0");
        if (t.ratio < minimumRatio) {
            t.check = CreepTimeCheck::RatioTooSmall;
            return t;
        }
    }
    t.check = tbIsLast ? CreepTimeCheck::Admissible : CreepTimeCheck::NotLastPoint;
    return t;
}

CreepPair ChooseCreepPair(const CreepHolding& holding, int taNo, int tbNo, bool confirmation, double minimumRatio)
{
    CreepPair pair;
    pair.taNo = taNo;
    pair.tbNo = tbNo;
    pair.chosen = holding.contains(taNo) && holding.contains(tbNo);
    if (!pair.chosen)
        return pair;
    pair.ta = holding.point(taNo).minutes;
    pair.tb = holding.point(tbNo).minutes;
    pair.sa = roundedDisplacement(holding.point(taNo).displacement);
    pair.sb = roundedDisplacement(holding.point(tbNo).displacement);
    pair.computable = !isMissing(pair.sa) && !isMissing(pair.sb) && pair.ta > 0 && pair.ta < pair.tb;
    if (pair.computable)
        pair.times = CheckCreepTimes(pair.ta, pair.tb, tbNo == holding.lastPoint(), confirmation, minimumRatio);
    return pair;
}

DisplacementJudgement JudgeCreepDisplacement(
    const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings)
{
    DisplacementJudgement j;
    j.holding = DisplacementHolding(anchor, settings.testCategory);
    j.confirmation = isConfirmationCreep(anchor, settings);
    j.byCoefficient = selection.JudgeByCreep != 0;
    j.limit = CreepLimit(anchor, settings);
    j.extendedLimit = settings.extended;
    j.pair = ChooseCreepPair(j.holding, selection.TaNo, selection.TbNo, j.confirmation, MinimumRatio);
    if (j.pair.computable)
        j.deltaS = roundFormat(j.pair.sb - j.pair.sa, "0.00");
    j.extended = ChooseCreepPair(j.holding, selection.TaExtNo, selection.TbExtNo, j.confirmation, MinimumRatioExtended);
    if (j.extended.computable)
        j.coefficient
            = CreepCoefficient(j.extended.sb, j.extended.sa, j.extended.tb, j.extended.ta).value_or(MissingValue);
    return j;
}

std::vector<double> CreepAmounts(const CreepHolding& holding)
{
    std::vector<double> amounts;
    for (const CreepPoint& p : holding.points) {
        const float base = holding.points.front().displacement;
        amounts.push_back(isMissing(p.displacement) || isMissing(base)
                ? double(MissingValue)
                : roundFormat(float(p.displacement - base), "0.00"));
    }
    return amounts;
}

bool CoefficientJudgement::out() const
{
    return edition == Edition2000 ? coefficient >= limit : coefficient > limit;
}

CoefficientJudgement JudgeCreepCoefficient(
    const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings)
{
    CoefficientJudgement j;
    j.holdingChoice = selection.CoefHolding == 1 ? 1 : 0;
    j.cycle = selection.CoefCycle;
    j.holding = CoefficientHolding(anchor, settings.testCategory, j.holdingChoice, j.cycle);
    j.converted = selection.CoefConversion != 0;
    j.t1No = selection.CoefT1No;
    j.t2No = selection.CoefT2No;
    j.edition = settings.edition;
    j.limit = settings.edition == Edition2000 ? settings.values[0] : CreepLimit(anchor, settings);
    j.chosen = j.holding.contains(j.t1No) && j.holding.contains(j.t2No);
    if (!j.chosen)
        return j;
    const std::vector<double> amounts = CreepAmounts(j.holding);
    j.T1 = j.holding.point(j.t1No).minutes;
    j.T2 = j.holding.point(j.t2No).minutes;
    j.t1 = j.converted ? 1 : j.T1;
    j.t2 = j.converted ? j.T2 - (j.T1 - 1) : j.T2;
    j.s1 = amounts[std::size_t(j.t1No - 1)];
    j.s2 = amounts[std::size_t(j.t2No - 1)];
    if (isMissing(j.s1) || isMissing(j.s2) || j.T1 <= 0 || j.T1 >= j.T2)
        return j;
    const std::optional<double> c = CreepCoefficientRoundedRatio(j.s2, j.s1, j.t2, j.t1);
    if (!c)
        return j;
    j.computable = true;
    j.difference = roundFormat(j.s2 - j.s1, "##0.00");
    j.ratio = roundFormat(double(j.t2) / double(j.t1), "##0.00");
    j.coefficient = *c;
    return j;
}

QString creepVerdictText(CreepVerdict verdict)
{
    switch (verdict) {
    case CreepVerdict::Ok:
        return QStringLiteral("OK");
    case CreepVerdict::Out:
        return QStringLiteral("OUT");
    case CreepVerdict::Undecidable:
        break;
    }
    return QStringLiteral("判定不可");
}

namespace {

CreepSummary summary2012(const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings)
{
    const DisplacementJudgement j = JudgeCreepDisplacement(anchor, selection, settings);
    CreepSummary s;
    s.edition = Edition2012;
    s.byCoefficient = s.extended = j.byCoefficient;
    s.pair = j.pair;
    s.extendedPair = j.extended;
    const bool judged = j.byCoefficient ? j.extendedJudged() : j.judged();
    s.limit = j.byCoefficient ? j.extendedLimit : j.limit;
    if (!judged)
        return s;
    s.compared = j.byCoefficient ? j.coefficient : j.deltaS;
    s.verdict = s.compared <= s.limit ? CreepVerdict::Ok : CreepVerdict::Out;
    return s;
}

CreepSummary summary2000(const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings)
{
    const CoefficientJudgement j = JudgeCreepCoefficient(anchor, selection, settings);
    CreepSummary s;
    s.edition = Edition2000;
    s.byCoefficient = true;
    CreepPair& p = s.pair;
    p.taNo = j.t1No;
    p.tbNo = j.t2No;
    p.chosen = j.chosen;
    p.ta = j.T1;
    p.tb = j.T2;
    p.sa = j.s1;
    p.sb = j.s2;
    p.computable = j.computable;
    p.times.ratioTested = j.computable;
    p.times.ratio = j.ratio;
    s.limit = j.limit;
    if (!j.computable)
        return s;
    s.compared = j.coefficient;
    s.verdict = j.out() ? CreepVerdict::Out : CreepVerdict::Ok;
    return s;
}

} // namespace

CreepSummary SummarizeCreep(const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings)
{
    return settings.edition == Edition2000 ? summary2000(anchor, selection, settings)
                                           : summary2012(anchor, selection, settings);
}

} // namespace tessaro
