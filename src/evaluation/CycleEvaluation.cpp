#include "evaluation/CycleEvaluation.h"

#include "evaluation/FrictionLoss.h"
#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "planning/GaugeHenkan.h"
#include "planning/TestKinds.h"

#include <algorithm>
#include <array>

namespace tessaro {
namespace {

constexpr int MaxCycle = 10;

// Display pattern of the theory and the control lines (every row rounds with it).
const QString LinePattern = QStringLiteral("#####0.00");

// 1-based access to the rows and their results.
const Reading& row(const AnchorRecord& a, int i)
{
    return a.Readings[std::size_t(i - 1)];
}
ReadingResult& result(AnchorRecord& a, int i)
{
    return a.Evaluation.Results[std::size_t(i - 1)];
}
const ReadingResult& result(const AnchorRecord& a, int i)
{
    return a.Evaluation.Results[std::size_t(i - 1)];
}

int resultCount(const AnchorRecord& a)
{
    return int(a.Evaluation.Results.size());
}

int strandFactor(const AnchorRecord& a)
{
    return a.Tendon.AnchorTypeCode == LoadDistributionType ? a.Material.StrandSetCount : 0;
}

// Cycle numbers within 0..10 that never decrease: the rows of a cycle are contiguous.
bool cyclesInModel(const AnchorRecord& a, int n)
{
    int previous = 0;
    for (int i = 1; i <= n; ++i) {
        int c = row(a, i).Cycle;
        if (c < 0 || c > MaxCycle || c < previous)
            return false;
        previous = c;
    }
    return true;
}

// Last row of the run of rows from `from` on whose load equals that of `from`;
// 0 when the run reaches the end of the test (the holding never ended).
int runEnd(const AnchorRecord& a, int from, int n)
{
    float load = row(a, from).Load;
    int j = from;
    while (j <= n && row(a, j).Load == load)
        ++j;
    return j > n ? 0 : j - 1;
}

void computeLines(AnchorRecord& a, const EvaluationContext& ctx, int n)
{
    for (int i = 1; i <= n; ++i) {
        ReadingResult& r = result(a, i);
        r.Theory = TheoreticalElastic(a, row(a, i).Load);
        r.Upper = UpperLine(r.Theory, ctx);
        r.Lower = LowerLine(r.Theory, ctx);
    }
    EvaluationBlock& e = a.Evaluation;
    e.TheoryAtTp = TheoreticalElastic(a, a.Plan.PlannedMaxLoad);
    e.UpperAtTp = UpperLine(e.TheoryAtTp, ctx);
    e.LowerAtTp = LowerLine(e.TheoryAtTp, ctx);
}

bool judged(int mode, bool forced, int ordinal, int fromCycle)
{
    return forced || mode == 0 || (mode == 1 && ordinal >= fromCycle);
}

} // namespace

EvaluationContext evaluationContextOf(const Project& p)
{
    EvaluationContext ctx;
    ctx.upperRate = p.UpperRateInUse;
    ctx.lowerRate = p.LowerRateInUse;
    ctx.judgeRangeMode = p.Settings.JudgeRangeMode;
    ctx.judgeFromCycle = p.Settings.JudgeFromCycle;
    ctx.testCategory = p.TestCategory;
    ctx.tables = &loadDistributionTables();
    return ctx;
}

int EvaluatedRowCount(const AnchorRecord& a)
{
    return std::clamp<int>(a.ReadingCount, 0, int(a.Readings.size()));
}

float TheoreticalElastic(float load, float initialLoad, std::int32_t length, float modulus, float area, int sets)
{
    float stiffness = modulus * area;
    if (isMissing(load) || stiffness == 0)
        return MissingValue;
    if (sets != 0)
        stiffness *= float(sets);
    double theory = double(load - initialLoad) * double(length) / double(stiffness);
    return float(roundFormat(theory, LinePattern));
}

float TheoreticalElastic(const AnchorRecord& a, float load)
{
    return TheoreticalElastic(load, a.Plan.InitialLoad, a.Tendon.TensionFreeLength, a.Material.TendonModulus,
        a.Material.TendonArea, strandFactor(a));
}

float UpperLine(float theory, const EvaluationContext& ctx)
{
    return isMissing(theory) ? MissingValue : float(roundFormat(ctx.upperRate * theory, LinePattern));
}

float LowerLine(float theory, const EvaluationContext& ctx)
{
    return isMissing(theory) ? MissingValue : float(roundFormat(ctx.lowerRate * theory, LinePattern));
}

void SplitCycles(AnchorRecord& a)
{
    int n = std::min(EvaluatedRowCount(a), resultCount(a));
    for (ReadingResult& r : a.Evaluation.Results) {
        r.Elastic = MissingValue;
        r.Permanent = MissingValue;
        r.PeakRow = 0;
    }
    if (n == 0 || !cyclesInModel(a, n))
        return;

    std::array<int, MaxCycle + 1> first {}, last {}; // 0: the cycle has no row
    for (int i = 1; i <= n; ++i) {
        int c = row(a, i).Cycle;
        if (first[std::size_t(c)] == 0)
            first[std::size_t(c)] = i;
        last[std::size_t(c)] = i;
    }
    int cycles = row(a, n).Cycle;
    for (int c = 1; c <= cycles; ++c) {
        int r = last[std::size_t(c)];
        if (r == 0)
            continue; // a skipped cycle stays unevaluated
        int peak = first[std::size_t(c)];
        for (int i = peak + 1; i <= r; ++i)
            if (row(a, i).Load > row(a, peak).Load)
                peak = i;
        int holdEnd = runEnd(a, peak, n);
        // The permanent part is read at the end of the base-load run that opens
        // the next cycle; the last cycle's at the final reading.
        int base = c < cycles ? runEnd(a, r + 1, n) : r;
        float permanent = base != 0 ? row(a, base).Displacement : MissingValue;
        ReadingResult& out = result(a, r);
        out.Permanent = permanent;
        if (holdEnd != 0 && !isMissing(row(a, holdEnd).Displacement) && !isMissing(permanent))
            out.Elastic = row(a, holdEnd).Displacement - permanent;
        out.PeakRow = std::int16_t(peak);
    }
}

double ElasticOfCycle(int k, const AnchorRecord& a)
{
    int counted = 0;
    for (const ReadingResult& r : a.Evaluation.Results)
        if (!isMissing(r.Elastic) && ++counted == k)
            return r.Elastic;
    return MissingValue;
}

float LastValid(const AnchorRecord& a, bool permanent)
{
    int n = std::min(EvaluatedRowCount(a), resultCount(a));
    for (int i = n; i >= 1; --i) {
        float v = permanent ? result(a, i).Permanent : result(a, i).Elastic;
        if (!isMissing(v))
            return v;
    }
    return 0;
}

int CheckElasticRange(const AnchorRecord& a, const EvaluationContext& ctx)
{
    bool forced = ctx.testCategory == 1 && a.ConfirmationTest != 0;
    int n = std::min(EvaluatedRowCount(a), resultCount(a));
    if (n < 1)
        return 2;
    int counted = 0;
    int judgedCount = 0;
    for (int i = 1; i <= n; ++i) {
        const ReadingResult& r = result(a, i);
        if (isMissing(r.Elastic))
            continue;
        ++counted;
        int p = r.PeakRow;
        if (!judged(ctx.judgeRangeMode, forced, counted, ctx.judgeFromCycle) || p < 1 || p > n)
            continue;
        ++judgedCount;
        if (result(a, p).Upper < r.Elastic || result(a, p).Lower > r.Elastic)
            return 1;
    }
    return (counted == 0 || judgedCount == 0) ? 2 : 0;
}

QString RangeVerdictText(int code)
{
    switch (code) {
    case 0:
        return QStringLiteral("OK");
    case 1:
        return QStringLiteral("範囲外");
    default:
        return {};
    }
}

void SetRangeVerdict(AnchorRecord& a, const EvaluationContext& ctx)
{
    int code = CheckElasticRange(a, ctx);
    a.RangeVerdict = std::uint8_t(code);
    a.RangeVerdictText = RangeVerdictText(code);
}

void EvaluateSetLoss(AnchorRecord& a)
{
    std::int32_t lsf = a.Tendon.TensionFreeLength;
    if (lsf == 0)
        return;
    double d = double(lsf) - double(a.Tendon.ExtraLength);
    double setForce = double(a.Material.TendonModulus) * a.SetAmount * double(a.Material.TendonArea);
    double loss = 0;
    if (a.Tendon.AnchorTypeCode == LoadDistributionType)
        loss = d == 0 ? 0 : setForce * a.Material.StrandSetCount / d;
    else
        loss = d >= 1 ? setForce / d : 0;
    a.SetLoss = float(roundFormat(loss, "0.00"));
    a.JackingForce = float(roundFormat(double(a.LockOffLoad) + double(a.SetLoss), "######0.00"));
    float gauge = ConvertGauge(a.Jack, a.JackingForce, LoadToPressure);
    a.JackingGauge = isMissing(gauge) ? MissingValue : float(roundFormat(gauge, "######0.00"));
}

void EvaluateAnchor(AnchorRecord& a, const EvaluationContext& ctx)
{
    int n = EvaluatedRowCount(a);
    a.Evaluation.Results.assign(std::size_t(n), ReadingResult {});
    if (a.Tendon.AnchorTypeCode == LoadDistributionType && ctx.tables)
        LoadDistributionInitialLoad(a, ctx.testCategory != 0, *ctx.tables);
    computeLines(a, ctx, n);
    SplitCycles(a);
    if (ctx.testCategory == 0)
        EvaluateFrictionLoss(a);
    a.Evaluation.LastElastic = n == 0 ? 0.0f : result(a, n).Elastic;
    a.Evaluation.LastPermanent = n == 0 ? 0.0f : result(a, n).Permanent;
    SetRangeVerdict(a, ctx);
    EvaluateSetLoss(a);
}

void EvaluateAnchor(AnchorRecord& anchor)
{
    EvaluateAnchor(anchor, evaluationContextOf(project()));
}

void EvaluateProject(Project& p)
{
    const EvaluationContext ctx = evaluationContextOf(p);
    if (p.isBasic())
        EvaluateAnchor(p.Record.WorkingAnchor, ctx);
    else
        for (AnchorRecord& a : p.Record.Anchors)
            EvaluateAnchor(a, ctx);
}

AnchorRecord EvaluatedCopy(const AnchorRecord& anchor, const Project& p)
{
    AnchorRecord copy = anchor;
    EvaluateAnchor(copy, evaluationContextOf(p));
    return copy;
}

} // namespace tessaro
