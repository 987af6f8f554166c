#pragma once
// Creep evaluation of one load holding: the head keeps moving while a load is
// held, and the anchor is accepted only when that movement dies away fast
// enough. The readings of the holding become creep points No. 1, 2, … with a
// time in whole minutes since the holding stage began and a displacement; the
// engineer chooses two of them (two more for an extended test) and the
// movement between them is judged:
//
// - 2012 edition: the displacement ⊿s = sb − sa between ta and tb against the
//   limit of the anchor's test kind and ground (tb / ta must be at least 3.0 and
//   tb the last point of the holding); when the test time was extended, the
//   creep coefficient ⊿c between ta' and tb' against the extended value
//   (tb' / ta' at least 6.0).
// - 2000 edition: the creep coefficient ⊿c between two points of the
//   holding at the planned maximum load or at the design anchor force, times
//   as read or converted so that t1 = 1; ⊿c equal to the limit fails.
//
// Time of a point: the holding stage began its first reading's own scheduled
// minutes (Interval) before that reading, i.e. at ElapsedTime(first) −
// 60 × Interval(first) seconds; point k lies (ElapsedTime(k) − that start) / 60
// minutes after it, rounded to whole minutes. Readings taken at 1, 2, 5, 10
// and 15 minutes of the holding are thus points at 1, 2, 5, 10 and 15 minutes.
//
// A pair whose first time is 0 or not earlier than its second computes
// nothing (the logarithm of the time ratio would be 0 or undefined), and
// neither does a pair with a point that has no displacement.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace tessaro {

struct Project;

inline constexpr int MaxCreepPoints = 10;

struct CreepPoint {
    int minutes = 0; // since the start of the holding stage; ≤ 0 when the time is unknown
    float displacement = MissingValue; // mm, −99 when not measured
};

// The readings of one holding as creep points.
struct CreepHolding {
    int cycle = 0;
    double load = 0; // kN, rounded to two decimals
    int startRow = 0; // 1-based row of point No. 1; 0 when the holding was not found
    std::vector<CreepPoint> points; // No. 1 first

    // The last point number: the end of the maximum test time (0 when empty).
    int lastPoint() const { return int(points.size()); }
    bool contains(int no) const { return no >= 1 && no <= lastPoint(); }
    const CreepPoint& point(int no) const { return points[std::size_t(no - 1)]; }
};

// The first reading (1-based row) whose cycle is `cycle` and whose load equals
// `load` rounded to two decimals, exactly; 0 when there is none.
int FindHoldingStart(const AnchorRecord& anchor, int cycle, double load);
// The holding from that reading on: it and the following readings of the same
// cycle and load, at most ten.
CreepHolding CreepHoldingAt(const AnchorRecord& anchor, int cycle, double load);

// The holding the 2012 method judges: for a confirmation test cycle 1 at the
// maximum load of the plan's last cycle (the single cycle climbs to it), for
// other anchors the plan's last cycle at that load.
CreepHolding DisplacementHolding(const AnchorRecord& anchor, int testCategory);
// The holding the 2000 method judges: at the planned maximum load (as above),
// or, with the holding choice 1, the maximum-load holding of the given cycle.
CreepHolding CoefficientHolding(const AnchorRecord& anchor, int testCategory, int holdingChoice, int cycle);

// The judgement values in force: the edition, creep values 1..5 and the
// extended value.
struct CreepSettings {
    int edition = 1; // 0 = 2000 edition, 1 = 2012 edition
    std::array<double, 5> values { 1.0, 0.5, 0.5, 0.2, 0.25 };
    double extended = 2.0;
    int testCategory = 1; // 0 basic investigation, else quality assurance
};
CreepSettings creepSettingsOf(const Project& p);

// The 2012 displacement limit of the anchor: creep value 2 to 5 by its
// confirmation flag and anchorage ground.
double CreepLimit(const AnchorRecord& anchor, const CreepSettings& settings);
// The anchor is judged as a confirmation test (in a quality-assurance project).
bool isConfirmationCreep(const AnchorRecord& anchor, const CreepSettings& settings);

// (s2 − s1) / log10(t2 / t1), "0.00"; nothing when t1 ≤ 0 or t1 ≥ t2.
std::optional<double> CreepCoefficient(double s2, double s1, int t2, int t1);
// The 2000 window's form: s2 − s1 and t2 / t1 each rounded "##0.00" first, the
// rounded ratio into the logarithm; nothing also when that ratio rounds to 1.
std::optional<double> CreepCoefficientRoundedRatio(double s2, double s1, int t2, int t1);

// Whether the chosen times make an admissible test.
enum class CreepTimeCheck {
    Admissible,
    RatioTooSmall, // tb / ta below the minimum: "規定の計測時間ではありません"
    NotLastPoint, // tb is not the last point of the holding
};
struct CreepTimes {
    CreepTimeCheck check = CreepTimeCheck::Admissible;
    bool ratioTested = false; // false for confirmation tests, which skip the ratio
    double ratio = 0; // tb / ta rounded "0.0"
};
// ta > 0. Confirmation tests need only tb at the last point; other anchors
// first tb / ta ≥ the minimum (3.0, or 6.0 for the extended test), then tb last.
CreepTimes CheckCreepTimes(int ta, int tb, bool tbIsLast, bool confirmation, double minimumRatio);

inline constexpr double MinimumRatio = 3.0;
inline constexpr double MinimumRatioExtended = 6.0;

// One chosen pair of points of a holding.
struct CreepPair {
    int taNo = 0;
    int tbNo = 0;
    bool chosen = false; // both numbers name points of the holding
    int ta = 0; // minutes
    int tb = 0;
    double sa = MissingValue; // mm, "0.00"; −99 when not measured
    double sb = MissingValue;
    bool computable = false; // chosen, measured, 0 < ta < tb
    CreepTimes times; // when computable

    bool admissible() const { return computable && times.check == CreepTimeCheck::Admissible; }
};
CreepPair ChooseCreepPair(const CreepHolding& holding, int taNo, int tbNo, bool confirmation, double minimumRatio);

// The 2012 method on the anchor with the chosen point numbers.
struct DisplacementJudgement {
    CreepHolding holding;
    bool confirmation = false;
    bool byCoefficient = false; // "クリープ係数で判定"
    double limit = 0; // CreepLimit
    double extendedLimit = 0;
    CreepPair pair; // ta, tb
    double deltaS = MissingValue; // sb − sa "0.00" when computable
    CreepPair extended; // ta', tb'
    double coefficient = MissingValue; // ⊿c of the extended pair when computable

    bool judged() const { return pair.admissible(); }
    bool suitable() const { return judged() && deltaS <= limit; }
    bool extendedJudged() const { return extended.admissible() && !isMissing(coefficient); }
    bool extendedSuitable() const { return extendedJudged() && coefficient <= extendedLimit; }
};
DisplacementJudgement JudgeCreepDisplacement(
    const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings);

// The 2000 method (creep-coefficient window) with its stored choices.
struct CoefficientJudgement {
    CreepHolding holding;
    int holdingChoice = 0; // 0 planned maximum load, 1 design anchor force
    int cycle = 0; // the cycle of the design-anchor-force holding
    bool converted = false; // "t1=1 になるよう換算した場合"
    int t1No = 0;
    int t2No = 0;
    bool chosen = false;
    int T1 = 0; // the points' times, minutes
    int T2 = 0;
    int t1 = 0; // the times the calculation uses
    int t2 = 0;
    double s1 = MissingValue; // creep amounts (displacement − that of point 1), "##0.00"
    double s2 = MissingValue;
    bool computable = false;
    double difference = MissingValue; // s2 − s1, "##0.00"
    double ratio = MissingValue; // t2 / t1, "##0.00"
    double coefficient = MissingValue; // ⊿c, "##0.00"
    int edition = 1;
    double limit = 0; // 2012: CreepLimit; 2000: creep value 1

    // 2012: above the limit fails; 2000: equal to or above it fails.
    bool out() const;
};
CoefficientJudgement JudgeCreepCoefficient(
    const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings);

// The creep amount of every point: its displacement less that of point 1,
// "0.00"; −99 where either is not measured.
std::vector<double> CreepAmounts(const CreepHolding& holding);

// The anchor's creep verdict as the results list, its print and the command
// line show it.
enum class CreepVerdict { Ok, Out, Undecidable };
QString creepVerdictText(CreepVerdict verdict); // "OK", "OUT", "判定不可"

struct CreepSummary {
    int edition = 1;
    bool byCoefficient = false; // the compared value is a creep coefficient
    bool extended = false; // 2012 judgement by the creep coefficient of the extended test
    // 2012: the displacement pair ta, tb; 2000: the coefficient pair with the
    // times used (t1, t2), the creep amounts and the time ratio "##0.00".
    CreepPair pair;
    CreepPair extendedPair; // ta', tb' of the extended test
    double compared = MissingValue; // ⊿s or ⊿c; −99 when not computed
    double limit = 0;
    CreepVerdict verdict = CreepVerdict::Undecidable;

    // The pair the compared value comes from.
    const CreepPair& comparedPair() const { return extended ? extendedPair : pair; }
};
CreepSummary SummarizeCreep(const AnchorRecord& anchor, const CreepSelection& selection, const CreepSettings& settings);

} // namespace tessaro
