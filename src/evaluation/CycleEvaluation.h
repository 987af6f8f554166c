#pragma once
// Cycle evaluation of one anchor: the theoretical elastic elongation with its
// upper and lower control lines at every reading, the split of each loading
// cycle's displacement into elastic and permanent parts, the range verdict,
// and the set loss at lock-off with the jacking force that makes up for it.
// Every window that shows, plots or prints results runs EvaluateAnchor first.
//
// Rows are 1-based in the project's terms (row 1 is Readings[0]); PeakRow
// holds such a 1-based row number.

#include "evaluation/LoadDistribution.h"
#include "model/AnchorRecord.h"

#include <cstdint>

namespace tessaro {

struct Project;

// The project-wide values an evaluation reads.
struct EvaluationContext {
    float upperRate = 1.1f; // UpperRateInUse
    float lowerRate = 0.9f; // LowerRateInUse
    int judgeRangeMode = 0; // 0 all cycles, 1 from judgeFromCycle on
    int judgeFromCycle = 1;
    int testCategory = 1; // 0 basic investigation, else quality assurance
    // Working tables refreshed for load-distribution anchors; none when null.
    LoadDistributionTables* tables = nullptr;
};
// The project's values, with the program's load-distribution working tables.
EvaluationContext evaluationContextOf(const Project& p);

// Refreshes every result of the anchor in place.
void EvaluateAnchor(AnchorRecord& anchor, const EvaluationContext& ctx);
// The same with the open project's values.
void EvaluateAnchor(AnchorRecord& anchor);
// Every anchor of the project (the one of a basic investigation) evaluated
// afresh, as after a load: the lists show results as the readings give them.
void EvaluateProject(Project& p);
// A copy of the anchor with its results refreshed by the project's values:
// what every output prints, so that no sheet or list shows results older than
// the readings and particulars they come from.
AnchorRecord EvaluatedCopy(const AnchorRecord& anchor, const Project& p);

// (load − initialLoad) × length / (modulus × area × sets), "#####0.00"; sets 0
// leaves the factor out. −99 for a missing load or when modulus × area (as a
// single) is 0.
float TheoreticalElastic(float load, float initialLoad, std::int32_t length, float modulus, float area, int sets);
// The theory of a load for this anchor (the strand count enters for load-distribution anchors).
float TheoreticalElastic(const AnchorRecord& anchor, float load);
// Rate × theory, "#####0.00"; −99 stays −99.
float UpperLine(float theory, const EvaluationContext& ctx);
float LowerLine(float theory, const EvaluationContext& ctx);

// Splits each cycle's displacement into Elastic and Permanent on the cycle's
// last row and stores its PeakRow; every other row gets −99 and 0. Readings
// whose cycle numbers lie outside 0..10 or decrease are refused: no cycle is
// split then. Results must already have one entry per row.
void SplitCycles(AnchorRecord& anchor);

// The k-th (1-based) elastic displacement found in the results, −99 if fewer.
double ElasticOfCycle(int k, const AnchorRecord& anchor);
// Permanent (flag set) or Elastic of the last row that has one; 0 if none.
float LastValid(const AnchorRecord& anchor, bool permanent);

// 0 all judged elastic displacements lie between the lower and upper line at
// their cycle's peak row, 1 one lies outside, 2 no verdict (nothing judged).
int CheckElasticRange(const AnchorRecord& anchor, const EvaluationContext& ctx);
// Stores the code of CheckElasticRange and its text ("OK", "範囲外", "").
void SetRangeVerdict(AnchorRecord& anchor, const EvaluationContext& ctx);
QString RangeVerdictText(int code);

// Set loss at lock-off, jacking force and its gauge pressure through the
// anchor's own jack; left unchanged when the anchor has no free length at tensioning.
void EvaluateSetLoss(AnchorRecord& anchor);

// Number of rows the evaluation works on: the row count, never beyond the rows held.
int EvaluatedRowCount(const AnchorRecord& anchor);

} // namespace tessaro
