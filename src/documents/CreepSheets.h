#pragma once
// The creep sheets: per anchor one A4 page with the creep judgement as the
// creep windows show it. Under the 2012 edition the displacement sheet (title,
// the holding's displacement–time curve, the ⊿s calculation and, when the
// test time was extended, the ⊿c calculation); under the 2000 edition the
// creep-coefficient sheet (load stage and points, the creep curve, the time
// conversion when chosen, the ⊿c calculation and its conclusion). The curves
// are SVG files the graph module wrote into the data folder.

#include "documents/ReportEngine.h"
#include "evaluation/CreepEvaluation.h"

namespace tessaro {

struct Project;

// "クリープ係数が計算されていません。値を入力してから印刷を行ってください。"
extern const QString CreepNotComputedMessage;

// Nothing to print: no pair of the judgement computes a value.
bool creepSheetComputed(const DisplacementJudgement& j);

// Draws the page of one anchor (a new page, then the blocks from topMargin 1000
// down) with the curve from graphFile.
void DrawCreepDisplacementSheet(report::ReportEngine& engine, const Project& p, const AnchorRecord& anchor,
    const DisplacementJudgement& j, const QString& graphFile);
void DrawCreepCoefficientSheet(report::ReportEngine& engine, const Project& p, const AnchorRecord& anchor,
    const CoefficientJudgement& j, const QString& graphFile);

// The sheet of a creep window as one document, ended; the graph file is
// removed afterwards. False when it could not be written.
bool PrintCreepDisplacementSheet(report::ReportEngine& engine, const Project& p, const AnchorRecord& anchor,
    const DisplacementJudgement& j, const QString& graphFile);
bool PrintCreepCoefficientSheet(report::ReportEngine& engine, const Project& p, const AnchorRecord& anchor,
    const CoefficientJudgement& j, const QString& graphFile);

// The creep sheets of anchors first..last (held to the project's anchors) from
// their stored selections, each page numbered, in the sheet of the project's
// edition; the curves are the files creepGraphFile(n) of the data folder,
// removed afterwards. False when the document could not be written.
bool PrintoutAllAnchorHeni(report::ReportEngine& engine, const Project& p, int first, int last);

} // namespace tessaro
