#pragma once
// Friction loss of a basic investigation (pull-out) test: the straight line
// through two points of load (x, kN) against elastic displacement (y, mm)
// meets the load axis at the load from which the tendon began to stretch; the
// distance from the initial load is the load lost to friction along the free
// length, and the line's span gives the free length that actually worked.
//
// Points: point 1 is (InitialLoad, 0); point k = 2..11 is the maximum load of
// cycle k−1 in the load plan with the (k−1)-th evaluated elastic displacement.

#include "model/AnchorRecord.h"

namespace tessaro {

inline constexpr int MaxFrictionPoint = 11;
// GivenIntercept of an anchor whose intersection load was never typed in.
inline constexpr float InterceptNotGiven = -9999.0f;

struct ElasticLineResult {
    double slope = 0; // mm per kN, "0.0000"
    double intercept = 0; // mm at zero load, "0.0000"
    double zeroLoad = 0; // kN at zero elastic displacement, "0.00"; 0 for a horizontal or vertical line
};
ElasticLineResult ElasticLine(double y1, double x1, double y2, double x2);

struct FrictionPoint {
    double load = 0; // kN
    double elastic = 0; // mm
};
// Point k of an evaluated anchor; a number outside 2..11 gives point 1.
FrictionPoint frictionPoint(const AnchorRecord& evaluated, int k);
// The points an engineer can choose from: point 1 and one for each evaluated
// elastic displacement (at most 11 in all); 0 when no cycle has an elastic
// displacement, for then no line can be drawn.
int frictionPointCount(const AnchorRecord& evaluated);
// The line through the two chosen points (zero load 0 for a degenerate line).
ElasticLineResult chosenElasticLine(const AnchorRecord& evaluated);
// The stored choice defines a line: an intersection load typed in, or two point numbers.
bool frictionLossChosen(const AnchorRecord& anchor);

// The friction-loss step of the evaluation (basic investigation projects only):
// InterceptLoad, InterceptShift, UpperPointLoad, LoadSpan, LastValidElastic and
// ApparentFreeLength from the chosen points or the given intercept. Needs the
// cycle split done. A point number above 11 counts as not chosen.
void EvaluateFrictionLoss(AnchorRecord& anchor);

} // namespace tessaro
