#pragma once
// The spacings of the load-bearing bodies of a load-distribution anchor: up to
// five lengths along the anchor body that together make up its length.

#include <QString>
#include <array>

namespace tessaro {

inline constexpr int MaxBodySpacings = 5;
inline constexpr double MaxSpacingTotal = 99999;

enum class SpacingProblem { None, TotalOutOfRange, TotalAbove, TotalBelow };

// The total must stay within 99999 mm and equal the anchor-body length.
SpacingProblem checkBodySpacings(const std::array<double, MaxBodySpacings>& spacings, double anchorLength);
QString spacingMessage(SpacingProblem problem);

double spacingTotal(const std::array<double, MaxBodySpacings>& spacings);

} // namespace tessaro
