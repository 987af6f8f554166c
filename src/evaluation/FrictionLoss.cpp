#include "evaluation/FrictionLoss.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"

#include <algorithm>

namespace tessaro {
namespace {

int pointNumber(std::uint8_t stored)
{
    return stored > MaxFrictionPoint ? 0 : stored;
}

// Maximum load of cycle c (1..10) in the load plan.
double cycleMaxLoad(const AnchorRecord& a, int c)
{
    return a.Plan.CycleMaxLoad[std::size_t(c - 1)];
}

} // namespace

FrictionPoint frictionPoint(const AnchorRecord& a, int k)
{
    if (k > 1 && k <= MaxFrictionPoint)
        return { cycleMaxLoad(a, k - 1), ElasticOfCycle(k - 1, a) };
    return { a.Plan.InitialLoad, 0 };
}

int frictionPointCount(const AnchorRecord& a)
{
    auto evaluated = std::count_if(a.Evaluation.Results.begin(), a.Evaluation.Results.end(),
        [](const ReadingResult& r) { return !isMissing(r.Elastic); });
    return evaluated == 0 ? 0 : int(std::min<long>(evaluated + 1, MaxFrictionPoint));
}

ElasticLineResult chosenElasticLine(const AnchorRecord& a)
{
    FrictionPoint p1 = frictionPoint(a, pointNumber(a.PointA));
    FrictionPoint p2 = frictionPoint(a, pointNumber(a.PointB));
    return ElasticLine(p1.elastic, p1.load, p2.elastic, p2.load);
}

bool frictionLossChosen(const AnchorRecord& a)
{
    if (a.UseGivenIntercept)
        return a.GivenIntercept != InterceptNotGiven;
    return pointNumber(a.PointA) != 0 && pointNumber(a.PointB) != 0;
}

ElasticLineResult ElasticLine(double y1, double x1, double y2, double x2)
{
    ElasticLineResult r;
    double dy = y2 - y1;
    double dx = x2 - x1;
    if (dx != 0) {
        r.slope = roundFormat(dy / dx, "0.0000");
        r.intercept = roundFormat(y1 - x1 * r.slope, "0.0000");
    }
    if (r.slope != 0)
        r.zeroLoad = roundFormat(-r.intercept / r.slope, "0.00");
    return r;
}

void EvaluateFrictionLoss(AnchorRecord& a)
{
    if (a.UseGivenIntercept) {
        a.UpperPointLoad = a.Plan.PlannedMaxLoad;
        a.InterceptLoad = a.GivenIntercept;
    }
    else {
        int pa = pointNumber(a.PointA);
        int pb = pointNumber(a.PointB);
        if (pa != 0 && pb != 0) {
            int m = std::max(pa, pb);
            a.UpperPointLoad = float(m >= 2 ? cycleMaxLoad(a, m - 1) : displayedNumber(a.UltimatePullOutText));
        }
        a.InterceptLoad = float(chosenElasticLine(a).zeroLoad);
    }
    a.InterceptShift = float(roundFormat(double(a.InterceptLoad) - double(a.Plan.InitialLoad), "0.00"));
    a.LoadSpan = a.UpperPointLoad - a.InterceptLoad;
    a.LastValidElastic = LastValid(a, false);
    if (a.LoadSpan != 0) {
        double stiffness = double(a.Material.TendonModulus) * double(a.Material.TendonArea);
        if (a.Tendon.AnchorTypeCode == LoadDistributionType)
            stiffness *= a.Material.StrandSetCount;
        a.ApparentFreeLength = float(roundHalfEven(double(a.LastValidElastic) / double(a.LoadSpan) * stiffness));
    }
}

} // namespace tessaro
