#pragma once
// The ultimate pull-out force Tug of a basic investigation (pull-out) test and
// the skin friction resistance τ that follows from it. The engineer takes Tug
// by one of four methods from the load–permanent-displacement points of the
// test: the planned maximum load (the anchor held), the intersection of two
// straight lines through the points, the load of the point just before the
// curve bends, or a value typed in (the anchor pulled out completely).
//
// Points: point 1 is (0, InitialLoad), the start of the test, as the chart of
// the points draws it; point k+1 is the k-th cycle that has a permanent
// displacement, at that displacement and the k-th cycle's maximum load of the
// load plan.

#include "model/AnchorRecord.h"

#include <array>
#include <optional>
#include <vector>

namespace tessaro {

struct Project;

inline constexpr int MaxPullOutPoints = 11;

struct PullOutPoint {
    double x = 0; // permanent displacement, mm
    double y = 0; // load, kN
    bool operator==(const PullOutPoint&) const = default;
};

// The points of an evaluated anchor (EvaluateAnchor first), at most 11.
std::vector<PullOutPoint> PullOutPoints(const AnchorRecord& evaluated);
// The point numbers the engineer may give: 1 to the load plan's cycles + 1.
int OfferedPointCount(const AnchorRecord& anchor);
// Point n (1-based) of the anchor's points; none when n is not offered or the
// test has no such point yet.
std::optional<PullOutPoint> PullOutPointNumber(const AnchorRecord& evaluated, int n);

// The intersection of the unbounded line through p1 and p2 with the one through
// p3 and p4. A point shared by both lines is the answer; two vertical, two
// horizontal or two parallel lines have none.
std::optional<PullOutPoint> LineIntersection(
    const PullOutPoint& p1, const PullOutPoint& p2, const PullOutPoint& p3, const PullOutPoint& p4);

// τ = Tug × 1000 / (D × π × La) in N/mm2 with Tug in kN and D, La in mm, cut
// (not rounded) to two decimals; none when D or La is not positive.
std::optional<float> SkinFriction(double tug, double drillDiameter, double anchorLength);

enum class UltimateMethod {
    PlannedMaxLoad = 0, // "アンカーが抜けなかった場合（計画最大荷重とする）"
    Intersection = 1, // "２直線の交点を引抜き力とする場合"
    BeforeBend = 2, // "曲がる手前の荷重を引抜き力とする場合"
    Entered = 3, // "抜けきった場合（極限引抜き力を入力）"
};
inline constexpr int UltimateMethodCount = 4;
QString ultimateMethodCaption(UltimateMethod method);

// What the engineer chose: the method and the numbers of its boxes (0: empty).
struct UltimateChoice {
    UltimateMethod method = UltimateMethod::PlannedMaxLoad;
    std::array<int, 4> linePoints {}; // line 1 from, to; line 2 from, to
    int bendPoint = 0;
    double entered = 0; // kN
};
// The choice stored with the anchor; a method outside 0..3 reads as method 0.
UltimateChoice storedUltimateChoice(const AnchorRecord& anchor);

// Tug and τ as the judgement window shows them; both empty where it shows that
// they cannot be calculated: a box the method needs is empty, a point number
// is outside the points of the test, the lines are parallel, Tug is not
// positive, or the bore diameter or the anchor length is 0.
struct UltimateResult {
    std::optional<double> tug; // kN, rounded as displayed
    std::optional<float> skinFriction;
    bool complete() const { return tug && skinFriction; }
};
UltimateResult UltimatePullOutFrom(const AnchorRecord& evaluated, const UltimateChoice& choice);

// The texts of the window and the documents.
QString ultimateText(double tug); // "######0.00"
QString skinFrictionText(float skinFriction); // the value as a plain number
QString skinFrictionAnswer(float skinFriction); // "####0.00" + " N/mm2"
QString skinFrictionFormula(double tug, int drillDiameter, int anchorLength);
inline const QString UltimateMissingText = QStringLiteral("アンカーの極限引抜き力が足りない為､計算不能");

// Stores a complete result with the choice that gave it into the anchor and
// the project's UltimatePullOut.
void StoreUltimatePullOut(Project& p, AnchorRecord& anchor, const UltimateChoice& choice, const UltimateResult& result);

} // namespace tessaro
