#pragma once
// Load plan of an anchor: the checks before a plan can be made, the even
// distribution of the load stages between T0 and Tp, the limits that the
// edition and rank put on Tp, and the reference texts of the load-plan window
// and of the plan documents.

#include "evaluation/LoadDistribution.h"
#include "model/ProjectRecord.h"

#include <QString>
#include <array>
#include <functional>

namespace tessaro {

struct Project;

// Project-wide values the plan reads.
struct PlanContext {
    int testCategory = 1; // 0 basic investigation, else quality assurance
    int edition = 1; // 0 = 2000 edition, 1 = 2012 edition
    double rankCoefA = 1.25; // Tp limit on Td, rank A (2012)
    double rankCoefB = 1.1; // rank B
};
PlanContext planContextOf(const Project& p);

// --- Plan check -----------------------------------------------------------
// 0 complete; 1 anchor kind (product name) empty; 2 free length 0; 3 anchor-body
// length 0; 4 no load-bearing body; 5 no anchor type. Codes 2 to 4 apply to
// load-distribution anchors only. Checked in the order 1, 5, 2, 3, 4: a missing
// type answers 5 at once, otherwise the last failing check gives the code.
int LoadPlanCheckCode(const AnchorRecord& anchor);
QString LoadPlanCheckMessage(int code); // "" for 0
// The check with its message shown as an exclamation box; returns the code.
int CheckLoadPlan(const AnchorRecord& anchor);

// --- Load stages -----------------------------------------------------------
inline constexpr int MinStageCount = 2;
inline constexpr int MaxStageCount = 10;
// "荷重段階数に範囲外の数値が入力されました。" with the accepted range.
QString StageCountRangeMessage();
// The stage count the plan works with: a stored count below 2 counts as 5; a
// count above the 10 stages the record holds counts as 10.
int EffectiveStageCount(const LoadPlan& plan);

// Stages 1..n−1 step evenly from T0 in single precision, each rounded to two
// decimals ("######0.00"); stage n is Tp exactly; stages beyond n hold 0. The
// effective stage count is stored with the stages.
void DistributeEvenly(LoadPlan& plan);

// The automatic calculation: the plan check (message shown, false on failure),
// then the even distribution — except for a load-distribution anchor with
// several bodies whose plan is already set, unless forced.
bool CalculatePlanAutomatically(AnchorRecord& anchor, bool force);

// T0, Tp and the stages as rounded gauge pressures through the anchor's jack.
void FillPlanGauges(AnchorRecord& anchor);

// --- Limits of Tp ----------------------------------------------------------
// Td (normal) × the rank coefficient (rank 0 → A, else B).
double RankLimit(const AnchorRecord& anchor, const PlanContext& ctx);
// 0.9 × Tys, × α for product classes 1 and above; two decimals.
double TendonLimit(const AnchorRecord& anchor);
// Tug of a basic investigation as the anchor holds it (the displayed text); 0 if none.
double UltimatePullOutResistance(const AnchorRecord& anchor);
// The number a displayed value text begins with ("350.00", "350.00 kN"); 0 if none.
double displayedNumber(const QString& text);

struct LoadRange {
    double lower = 0;
    double upper = 0;
};
// The range a Tp entry is checked against, in kN.
LoadRange PlannedMaxLoadRange(const AnchorRecord& anchor, const PlanContext& ctx);

// Minimum T0 of a load-distribution anchor with two or more bodies (0 for other
// anchors), refreshing the given working tables.
double MinimumInitialLoad(const AnchorRecord& anchor, const PlanContext& ctx, LoadDistributionTables& tables);

// --- Texts of the load-plan window ----------------------------------------
// How loads are shown: as kN, or converted to gauge pressures through a jack.
struct LoadDisplay {
    QString unit = QStringLiteral("kN");
    std::function<double(double)> convert; // empty: shown as they are
    double operator()(double load) const { return convert ? convert(load) : load; }
};
LoadDisplay pressureDisplay(const JackRecord& jack);

struct ReferenceTexts {
    QString sankou; // LblSankou: "≒ 0.1 × …"
    QString saisyuu; // LblSaisyuu: the minimum of load-distribution anchors, else ""
};
// Reference values of T0 for a planned maximum load tp.
ReferenceTexts InitialLoadReferenceTexts(
    const AnchorRecord& anchor, double tp, const PlanContext& ctx, const LoadDisplay& display = {});

struct LimitTexts {
    QString tys; // LblTys
    QString tug; // the Tug line of a basic investigation, else ""
    std::array<QString, 3> tp; // LblTp(0..2): the edition's lines, empty ones last
};
LimitTexts PlannedMaxLoadLimitTexts(
    const AnchorRecord& anchor, const PlanContext& ctx, const LoadDisplay& display = {});

// "荷重分散型の初期荷重の計算値は" … "kNなので、この値よりも大きな値を指定して下さい。"
// with the minimum as displayed.
QString MinimumInitialLoadMessage(double minimum, const LoadDisplay& display = {});

// --- Holding-time examples of the plan documents ---------------------------
QString HojiShinkiText(int edition, int ground); // new load stages
QString HojiRirekiText(int edition, int ground); // stages within the load history
// "地質調査結果よりアンカー体部は、" + ground + "地盤と判定した場合の、荷重保持時間の一例を示す。"
QString HoldingExampleSentence(int ground);

} // namespace tessaro
