#include "evaluation/FrictionLossTexts.h"

#include "model/NumberFormat.h"

#include <cmath>

namespace tessaro {
namespace {

const QString LoadPattern = QStringLiteral("#####0.00");

} // namespace

QString interceptLessInitialLoad(const AnchorRecord& a)
{
    const float t0 = a.Plan.InitialLoad;
    return formatNumber(a.InterceptLoad, LoadPattern) + (t0 >= 0 ? QStringLiteral("　-　") : QStringLiteral("　+　"))
        + formatNumber(std::fabs(t0), LoadPattern);
}

FrictionLossTexts frictionLossTexts(const AnchorRecord& a)
{
    const QString loss = formatNumber(a.InterceptShift, LoadPattern);
    const QString freeLength = isMissing(a.Evaluation.LastElastic)
        ? QStringLiteral("---    m")
        : formatNumber(double(a.ApparentFreeLength) / 1000, "0.000") + QStringLiteral("  m");
    return { QStringLiteral("=  ") + interceptLessInitialLoad(a),
        QStringLiteral("=  ") + loss + QStringLiteral("  (kN)"), loss, freeLength };
}

} // namespace tessaro
