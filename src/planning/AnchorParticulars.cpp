#include "planning/AnchorParticulars.h"

#include "evaluation/PullOutResistance.h"
#include "evaluation/TensionFreeLength.h"
#include "model/NumberFormat.h"
#include "planning/TestKinds.h"

#include <cmath>

namespace tessaro {

double lockOffReferenceForce(const AnchorRecord& anchor)
{
    return anchor.DesignAnchorForce != 0 ? anchor.DesignAnchorForce : anchor.DesignAnchorForceSeismic;
}

void refreshLockOff(AnchorRecord& anchor)
{
    const double td = lockOffReferenceForce(anchor);
    if (anchor.LockOffMode == LockOffByLoad)
        anchor.LockOffRatio
            = (td > 0 && anchor.LockOffLoad > 0) ? roundFormatSingle(anchor.LockOffLoad / td, "0.00") : 0;
    else if (anchor.LockOffMode == LockOffByRatio)
        anchor.LockOffLoad
            = (td > 0 && anchor.LockOffRatio > 0) ? roundFormatSingle(anchor.LockOffRatio * td, "0.00") : 0;
}

void refreshBodySpacings(AnchorRecord& anchor)
{
    TendonSpec& t = anchor.Tendon;
    const int n = t.BodyCount;
    if (t.AnchorTypeCode != LoadDistributionType || n < 1 || n > int(t.BodyInterval.size()) || t.AnchorLength < 1)
        return;
    double total = 0;
    for (int k = 0; k < n; ++k)
        total += t.BodyInterval[std::size_t(k)];
    if (std::lround(total) == t.AnchorLength)
        return;
    std::vector<double> parts = SplitEvenly(t.AnchorLength, n);
    t.BodyInterval.fill(0);
    for (int k = 0; k < n; ++k)
        t.BodyInterval[std::size_t(k)] = float(parts[std::size_t(k)]);
}

QString pullOutResistanceText(const AnchorRecord& anchor)
{
    if (anchor.Tendon.AnchorLength <= 0 || anchor.DrillDiameter <= 0 || anchor.DesignSkinFriction <= 0)
        return {};
    double tug = PullOutResistance(anchor.Tendon.AnchorLength, anchor.DrillDiameter, anchor.DesignSkinFriction);
    return formatNumber(tug, "######0.00");
}

QString tendonKind(const AnchorRecord& anchor)
{
    const QString material = anchor.Material.MaterialName.trimmed();
    return material.isEmpty() ? anchor.Spec2.Designation.trimmed() : material;
}

QString productWithTendonKind(const AnchorRecord& anchor)
{
    const QString kind = tendonKind(anchor);
    const QString product = anchor.Tendon.AnchorTypeName;
    if (kind.isEmpty())
        return product;
    return product.isEmpty() ? kind : product + QStringLiteral(" (") + kind + QStringLiteral(")");
}

void refreshDerivedParticulars(AnchorRecord& anchor, bool basicProject)
{
    refreshLockOff(anchor);
    refreshBodySpacings(anchor);
    RefreshTensionFreeLength(anchor);
    if (basicProject)
        anchor.Spec2.PullOutResistanceText = pullOutResistanceText(anchor);
}

} // namespace tessaro
