#include "evaluation/UltimatePullOut.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"

#include <algorithm>
#include <cmath>

namespace tessaro {
namespace {

// π as the skin friction formula of the standard's worked examples writes it.
constexpr double Pi = 3.141592654;

const QString TugPattern = QStringLiteral("######0.00");

std::optional<double> intersectionLoad(const AnchorRecord& a, const std::array<int, 4>& numbers)
{
    std::array<PullOutPoint, 4> p;
    for (std::size_t i = 0; i < p.size(); ++i) {
        std::optional<PullOutPoint> found = PullOutPointNumber(a, numbers[i]);
        if (!found)
            return std::nullopt;
        p[i] = *found;
    }
    std::optional<PullOutPoint> crossing = LineIntersection(p[0], p[1], p[2], p[3]);
    if (!crossing)
        return std::nullopt;
    return roundFormat(crossing->y, QStringLiteral("#####0.00"));
}

std::optional<double> tugOf(const AnchorRecord& a, const UltimateChoice& choice)
{
    switch (choice.method) {
    case UltimateMethod::PlannedMaxLoad:
        return roundFormat(a.Plan.PlannedMaxLoad, TugPattern);
    case UltimateMethod::Intersection:
        return intersectionLoad(a, choice.linePoints);
    case UltimateMethod::BeforeBend:
        if (std::optional<PullOutPoint> p = PullOutPointNumber(a, choice.bendPoint))
            return roundFormat(p->y, TugPattern);
        return std::nullopt;
    case UltimateMethod::Entered:
        if (choice.entered > 0)
            return roundFormat(choice.entered, TugPattern);
        return std::nullopt;
    }
    return std::nullopt;
}

} // namespace

std::vector<PullOutPoint> PullOutPoints(const AnchorRecord& a)
{
    std::vector<PullOutPoint> points { { 0, a.Plan.InitialLoad } };
    const int rows = std::min<int>(EvaluatedRowCount(a), int(a.Evaluation.Results.size()));
    for (int i = 0; i < rows && int(points.size()) < MaxPullOutPoints; ++i) {
        float permanent = a.Evaluation.Results[std::size_t(i)].Permanent;
        if (isMissing(permanent))
            continue;
        // The k-th cycle with a permanent displacement takes the k-th cycle's load.
        std::size_t k = points.size() - 1;
        points.push_back({ permanent, a.Plan.CycleMaxLoad[k] });
    }
    return points;
}

int OfferedPointCount(const AnchorRecord& anchor)
{
    return std::clamp<int>(anchor.Plan.StageCount, 0, MaxPullOutPoints - 1) + 1;
}

std::optional<PullOutPoint> PullOutPointNumber(const AnchorRecord& a, int n)
{
    if (n < 1 || n > OfferedPointCount(a))
        return std::nullopt;
    std::vector<PullOutPoint> points = PullOutPoints(a);
    if (n > int(points.size()))
        return std::nullopt;
    return points[std::size_t(n - 1)];
}

std::optional<PullOutPoint> LineIntersection(
    const PullOutPoint& p1, const PullOutPoint& p2, const PullOutPoint& p3, const PullOutPoint& p4)
{
    if (p1 == p3 || p1 == p4)
        return p1;
    if (p2 == p3 || p2 == p4)
        return p2;
    const bool vertical1 = p1.x == p2.x;
    const bool vertical2 = p3.x == p4.x;
    if ((vertical1 && vertical2) || (p1.y == p2.y && p3.y == p4.y))
        return std::nullopt;
    auto slope = [](const PullOutPoint& a, const PullOutPoint& b) { return (b.y - a.y) / (b.x - a.x); };
    if (vertical1) {
        double m2 = slope(p3, p4);
        return PullOutPoint { p1.x, m2 * p1.x + (p3.y - m2 * p3.x) };
    }
    double m1 = slope(p1, p2);
    double b1 = p1.y - m1 * p1.x;
    if (vertical2)
        return PullOutPoint { p3.x, m1 * p3.x + b1 };
    double m2 = slope(p3, p4);
    double b2 = p3.y - m2 * p3.x;
    if (m1 == m2)
        return std::nullopt;
    double x = (b2 - b1) / (m1 - m2);
    return PullOutPoint { x, m1 * x + b1 };
}

std::optional<float> SkinFriction(double tug, double drillDiameter, double anchorLength)
{
    if (!(drillDiameter > 0) || !(anchorLength > 0))
        return std::nullopt;
    return float(cutDecimals(tug * 1000.0 / (drillDiameter * Pi * anchorLength), 2));
}

QString ultimateMethodCaption(UltimateMethod method)
{
    switch (method) {
    case UltimateMethod::PlannedMaxLoad:
        return QStringLiteral("アンカーが抜けなかった場合（計画最大荷重とする）");
    case UltimateMethod::Intersection:
        return QStringLiteral("２直線の交点を引抜き力とする場合");
    case UltimateMethod::BeforeBend:
        return QStringLiteral("曲がる手前の荷重を引抜き力とする場合");
    case UltimateMethod::Entered:
        break;
    }
    return QStringLiteral("抜けきった場合（極限引抜き力を入力）");
}

UltimateChoice storedUltimateChoice(const AnchorRecord& a)
{
    UltimateChoice c;
    if (a.FinalChoice < UltimateMethodCount)
        c.method = UltimateMethod(a.FinalChoice);
    for (std::size_t i = 0; i < c.linePoints.size(); ++i)
        c.linePoints[i] = a.LinePoints[i];
    c.bendPoint = a.BendPoint;
    c.entered = a.EnteredUltimate;
    return c;
}

UltimateResult UltimatePullOutFrom(const AnchorRecord& a, const UltimateChoice& choice)
{
    std::optional<double> tug = tugOf(a, choice);
    // A load that is not positive is no pull-out force: nothing is shown.
    if (!tug || !(*tug > 0))
        return {};
    std::optional<float> tau = SkinFriction(*tug, a.DrillDiameter, a.Tendon.AnchorLength);
    if (!tau)
        return {};
    return { tug, tau };
}

QString ultimateText(double tug)
{
    return formatNumber(tug, TugPattern);
}

QString skinFrictionText(float skinFriction)
{
    return QString::number(double(skinFriction), 'g', 7);
}

QString skinFrictionAnswer(float skinFriction)
{
    return formatNumber(skinFriction, QStringLiteral("####0.00")) + QStringLiteral(" N/mm2");
}

QString skinFrictionFormula(double tug, int drillDiameter, int anchorLength)
{
    return formatNumber(tug, QStringLiteral("####0.00")) + QStringLiteral(" kN × 1000 /  ( ")
        + QString::number(drillDiameter) + QStringLiteral(" mm × π × ") + QString::number(anchorLength)
        + QStringLiteral(" mm )");
}

void StoreUltimatePullOut(Project& p, AnchorRecord& a, const UltimateChoice& choice, const UltimateResult& result)
{
    if (!result.complete())
        return;
    a.FinalChoice = std::uint8_t(choice.method);
    p.Settings.UltimatePullOut = float(*result.tug);
    for (std::size_t i = 0; i < choice.linePoints.size(); ++i)
        a.LinePoints[i] = std::int16_t(choice.linePoints[i]);
    a.BendPoint = std::int16_t(choice.bendPoint);
    a.EnteredUltimate = float(choice.entered);
    a.UltimatePullOutText = ultimateText(*result.tug);
    a.SkinFrictionText = skinFrictionText(*result.skinFriction);
}

} // namespace tessaro
