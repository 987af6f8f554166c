#include "evaluation/ResultsList.h"

#include "evaluation/CreepTexts.h"
#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"

namespace tessaro {
namespace {

// LastValid gives 0 when no row has a value; the list shows such a cell empty.
float lastValidOrMissing(const AnchorRecord& a, bool permanent)
{
    for (const ReadingResult& r : a.Evaluation.Results)
        if (!isMissing(permanent ? r.Permanent : r.Elastic))
            return LastValid(a, permanent);
    return MissingValue;
}

} // namespace

QString resultsLoadText(float load)
{
    return isMissing(load) ? QString() : formatNumber(load, "0.0");
}

QString resultsValueText(double value)
{
    return isMissing(value) ? QString() : formatNumber(value, "0.00");
}

CreepCells creepCells(const CreepSummary& s)
{
    CreepCells c;
    c.type = creepTypeText(s);
    const CreepPair& pair = s.comparedPair();
    if (pair.chosen) {
        c.ta = QString::number(pair.ta);
        c.tb = QString::number(pair.tb);
        c.sa = resultsValueText(pair.sa);
        c.sb = resultsValueText(pair.sb);
    }
    if (s.verdict != CreepVerdict::Undecidable) {
        c.value = creepValueText(s.compared);
        c.limit = creepLimitComparison(s);
    }
    c.verdict = creepVerdictText(s.verdict);
    return c;
}

std::array<QString, ResultDetailColumns> resultDetailCells(const AnchorRecord& a, int row)
{
    const Reading& r = a.Readings[std::size_t(row - 1)];
    const ReadingResult& e = a.Evaluation.Results[std::size_t(row - 1)];
    auto text = [](float v) { return isMissing(v) ? QString() : formatNumber(v, "#####0.00"); };
    return { r.Cycle == 0 ? QString() : QString::number(r.Cycle), text(r.Load), text(r.Displacement), text(e.Theory),
        text(e.Upper), text(e.Lower), text(e.Permanent), text(e.Elastic) };
}

QString resultDetailRemark(const AnchorRecord& a)
{
    return a.FinalVerdictText.isEmpty() ? QString()
                                        : QStringLiteral("判定より、") + a.FinalVerdictText + QStringLiteral("です。");
}

const CreepSelection& creepSelectionOf(const Project& p, int n)
{
    static const CreepSelection none;
    if (p.isBasic())
        return p.Record.WorkingCreepSelection;
    return n >= 1 && n <= int(p.Record.CreepSelections.size()) ? p.Record.CreepSelections[std::size_t(n - 1)] : none;
}

ResultsRow resultsRow(
    const Project& p, int number, const AnchorRecord& a, const CreepSelection& selection, const CreepSettings& settings)
{
    ResultsRow r;
    r.number = number;
    r.name = a.AnchorNo;
    r.kind = shortKindText(p.Settings.StandardEdition, p.TestCategory, a.ConfirmationTest);
    r.initialLoad = a.Plan.InitialLoad;
    r.plannedMaxLoad = a.Plan.PlannedMaxLoad;
    r.permanent = lastValidOrMissing(a, true);
    r.elastic = lastValidOrMissing(a, false);
    r.theory = a.Evaluation.TheoryAtTp;
    r.upper = a.Evaluation.UpperAtTp;
    r.lower = a.Evaluation.LowerAtTp;
    r.verdict = a.FinalVerdictText;
    r.creep = SummarizeCreep(a, selection, settings);
    return r;
}

std::vector<ResultsRow> ResultsList(Project& p)
{
    const EvaluationContext ctx = evaluationContextOf(p);
    const CreepSettings settings = creepSettingsOf(p);
    std::vector<ResultsRow> rows;
    if (p.isBasic()) {
        EvaluateAnchor(p.Record.WorkingAnchor, ctx);
        rows.push_back(resultsRow(p, 1, p.Record.WorkingAnchor, p.Record.WorkingCreepSelection, settings));
        return rows;
    }
    const int count = std::min<int>(p.anchorCount(), int(p.Record.Anchors.size()));
    rows.reserve(std::size_t(count));
    for (int n = 1; n <= count; ++n) {
        AnchorRecord& a = p.anchor(n);
        EvaluateAnchor(a, ctx);
        rows.push_back(resultsRow(p, n, a, creepSelectionOf(p, n), settings));
    }
    return rows;
}

} // namespace tessaro
