#pragma once
// The creep sheets: per anchor one A4 page with the creep judgement as the
// creep windows show it. Under the 2012 edition the displacement sheet (title,
// the holding's displacement–time curve, the ⊿s calculation and, when the
// test time was extended, the ⊿c calculation); under the 2000 edition the
// creep-coefficient sheet (load stage and points, the creep curve, the time
// conversion when chosen, the ⊿c calculation and its conclusion). The curve is
// drawn on the page from the judgement, in the format of the window that
// prints it or in its designed appearance.

#include "documents/ReportEngine.h"
#include "evaluation/CreepEvaluation.h"
#include "graphs/GraphFormats.h"

namespace tessaro {

struct Project;

// "クリープ係数が計算されていません。値を入力してから印刷を行ってください。"
extern const QString CreepNotComputedMessage;

// Nothing to print: no pair of the judgement computes a value.
bool creepSheetComputed(const DisplacementJudgement& j);

// The sheet of a creep window (anchor n, its working copy and judgement) as one
// document, ended; the coefficient sheet's curve shows only the chosen pair
// when the window does. False when it could not be written.
bool PrintCreepDisplacementSheet(report::ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor,
    const DisplacementJudgement& j, const ChartFormat& format = designedCreepFormat());
bool PrintCreepCoefficientSheet(report::ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor,
    const CoefficientJudgement& j, bool chosenOnly, const ChartFormat& format = designedCreepFormat());

// Whether anchor n's stored creep selection judges anything (its sheet then
// shows a result), and its sheet drawn from that selection onto the page begun,
// the curve in its designed appearance.
bool storedCreepSheetComputed(const Project& p, int n, const AnchorRecord& anchor);
void drawStoredCreepSheet(report::ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor);

// The creep sheets of anchors first..last (held to the project's anchors) from
// their stored selections, each page numbered, in the sheet of the project's
// edition with the curves in their designed appearance. False when the
// document could not be written.
bool PrintoutAllAnchorHeni(report::ReportEngine& engine, const Project& p, int first, int last);

} // namespace tessaro
