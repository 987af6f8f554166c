#include "evaluation/PullOutResistance.h"

#include "model/NumberFormat.h"

namespace tessaro {

double PullOutResistance(double anchorLength, double drillDiameter, double skinFriction)
{
    // π as the pull-out formula of the standard's worked examples writes it.
    constexpr double pi = 3.141592654;
    return roundFormat(drillDiameter * anchorLength * pi * skinFriction / 1000.0, QStringLiteral("######0.00"));
}

BondLengthCheck CheckBondLength(float plannedMaxLoad, float perimeter, float bondStress, int anchorLength)
{
    const float bond = perimeter * bondStress;
    if (bond == 0 || !(plannedMaxLoad > 0))
        return {};
    BondLengthCheck c;
    c.required = plannedMaxLoad * 1000.0f / bond;
    // The verdict compares the length the engineer reads, not the unrounded one.
    if (requiredBondLengthText(*c.required).toDouble() >= anchorLength) {
        c.verdict = BondLengthNeedsConfirmation;
        c.conclusion = QStringLiteral("アンカー体長の長さを長くするなど検討してください。");
    }
    else {
        c.verdict = QStringLiteral("OK");
    }
    return c;
}

BondLengthCheck CheckBondLength(const AnchorRecord& a)
{
    return CheckBondLength(a.Plan.PlannedMaxLoad, a.ApparentPerimeter, a.BondStress, a.Tendon.AnchorLength);
}

QString requiredBondLengthText(float required)
{
    return formatNumber(required, QStringLiteral("#####0"));
}

QString requiredBondLengthSentence(float required)
{
    return QStringLiteral("計画最大荷重時には、テンドンとグラウトの拘束長が ") + requiredBondLengthText(required)
        + QStringLiteral("(mm) 以上必要です。");
}

} // namespace tessaro
