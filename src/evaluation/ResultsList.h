#pragma once
// The test results list ("試験結果一覧"): one row per anchor with its
// elastic and permanent displacement against the control limits at Tp and the
// engineer's final verdict, and its creep judgement repeated from the stored
// creep selection. Every anchor is evaluated afresh before its row is formed.

#include "evaluation/CreepEvaluation.h"

#include <QString>
#include <array>
#include <vector>

namespace tessaro {

struct Project;

struct ResultsRow {
    int number = 0; // 1-based anchor number
    QString name;
    QString kind; // "基本", "適性"/"確認" (2012), "多"/"1" (2000)
    float initialLoad = 0;
    float plannedMaxLoad = 0;
    // The displacements of the last evaluated cycle: −99 when no cycle has one
    // (an anchor without readings).
    float permanent = MissingValue;
    float elastic = MissingValue;
    float theory = MissingValue; // control values at Tp
    float upper = MissingValue;
    float lower = MissingValue;
    QString verdict; // FinalVerdictText
    CreepSummary creep;
};

// The row of an anchor already evaluated.
ResultsRow resultsRow(const Project& p, int number, const AnchorRecord& evaluated, const CreepSelection& selection,
    const CreepSettings& settings);

// Every anchor of the project (the working anchor of a basic investigation)
// evaluated with EvaluateAnchor, in place, and its row.
std::vector<ResultsRow> ResultsList(Project& p);

// The texts of a row's cells as the grids and the printed list show them:
// loads "0.0", displacements "0.00", an empty cell for a value that is missing.
QString resultsLoadText(float load);
QString resultsValueText(double value);

struct CreepCells {
    QString type; // "判定タイプ"
    QString ta; // minutes of the compared pair
    QString tb;
    QString sa;
    QString sb;
    QString value; // the compared ⊿s or ⊿c
    QString limit; // "≦ 0.50"
    QString verdict; // "OK", "OUT", "判定不可"
};
CreepCells creepCells(const CreepSummary& s);

// The detailed results of one reading row (1-based) of an evaluated anchor:
// cycle (empty for cycle 0), load, elongation, theory, upper and lower line,
// permanent and elastic displacement, "#####0.00", empty where missing.
inline constexpr int ResultDetailColumns = 8;
std::array<QString, ResultDetailColumns> resultDetailCells(const AnchorRecord& evaluated, int row);
// "判定より、" + the final verdict + "です。"; empty while no verdict is stored.
QString resultDetailRemark(const AnchorRecord& anchor);

// The creep selection stored for anchor n (1-based).
const CreepSelection& creepSelectionOf(const Project& p, int n);

} // namespace tessaro
