#pragma once
// The summary charts of all anchors of a project ("アンカー試験結果総括図"):
// per anchor number the permanent displacement of the last cycle, and the
// elastic displacement of the last cycle against its theoretical value and
// control limits at Tp, a page of anchors at a time.

#include "graphs/ChartData.h"

#include <array>
#include <vector>

namespace tessaro {

struct Project;

// Results of one anchor, −99 where there is none (an anchor without readings
// has no elastic or permanent displacement).
struct SummaryValues {
    int number = 0; // 1-based anchor number
    float theory = 0;
    float upper = 0;
    float lower = 0;
    float elastic = 0;
    float permanent = 0;
};

// Anchors first..last (1-based, held to the project's anchors), each evaluated
// afresh on a copy.
std::vector<SummaryValues> summaryValues(Project& p, int first, int last);

inline constexpr int SummaryAnchorsPerPage = 20;
// Pages of 20 anchors (at least one page).
int summaryPageCount(int anchors);
// First and last anchor of a page (1-based).
int summaryPageFirst(int page);
int summaryPageLast(int page, int anchors);
// The anchors a page covers: "No.1 ～ No.20（全 25 本）"; empty without anchors.
QString summaryRangeText(const Project& p, int page);

enum ElasticSummarySeries {
    SummaryTheorySeries = 0, // "理論値"
    SummaryUpperSeries = 1, // "上限値"
    SummaryLowerSeries = 2, // "下限値"
    SummaryElasticSeries = 3, // "弾性変位量"
};

// Chart 1: the permanent displacements, Y from 0 (or below, for a negative
// value) up to the largest value + 0.5.
void drawPermanentSummary(ChartData& chart, const std::vector<SummaryValues>& anchors);
// Chart 2: theory, upper and lower values and the elastic displacements, Y from
// the smallest value − 1 to the largest + 1.
void drawElasticSummary(ChartData& chart, const std::vector<SummaryValues>& anchors);

// Both charts of one page (1-based) of the project's anchors.
std::array<ChartData, 2> drawSummaryPage(Project& p, int page);

} // namespace tessaro
