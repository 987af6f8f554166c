#include "planning/BodySpacing.h"

#include <numeric>

namespace tessaro {

double spacingTotal(const std::array<double, MaxBodySpacings>& spacings)
{
    return std::accumulate(spacings.begin(), spacings.end(), 0.0);
}

SpacingProblem checkBodySpacings(const std::array<double, MaxBodySpacings>& spacings, double anchorLength)
{
    double total = spacingTotal(spacings);
    if (total > MaxSpacingTotal)
        return SpacingProblem::TotalOutOfRange;
    if (total > anchorLength)
        return SpacingProblem::TotalAbove;
    if (total < anchorLength)
        return SpacingProblem::TotalBelow;
    return SpacingProblem::None;
}

QString spacingMessage(SpacingProblem problem)
{
    const QString mismatch = QStringLiteral("耐荷体間隔合計がアンカー体長と一致しません。入力し直してください。");
    switch (problem) {
    case SpacingProblem::None:
        return {};
    case SpacingProblem::TotalOutOfRange:
        return QStringLiteral("耐荷体間隔合計の入力範囲 1～99999を超えています。入力し直してください。");
    case SpacingProblem::TotalAbove:
        return mismatch;
    case SpacingProblem::TotalBelow:
        return mismatch + ' ';
    }
    return {};
}

} // namespace tessaro
