#include "evaluation/PullOutResistance.h"

#include "model/NumberFormat.h"

namespace tessaro {

double PullOutResistance(double anchorLength, double drillDiameter, double skinFriction)
{
    // π as the pull-out formula of the standard's worked examples writes it.
    constexpr double pi = 3.141592654;
    return roundFormat(drillDiameter * anchorLength * pi * skinFriction / 1000.0, QStringLiteral("######0.00"));
}

} // namespace tessaro
