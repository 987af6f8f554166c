#include "evaluation/TensionFreeLength.h"

#include "evaluation/LoadDistribution.h"
#include "model/NumberFormat.h"
#include "planning/TestKinds.h"

#include <algorithm>

namespace tessaro {
namespace {

// The differential pulling head shifts each further body's strands by 60 mm.
constexpr double PullingHeadStep = 60.0;

// Lengths come from files too: a sum beyond the 32-bit range is held at its bound.
std::int32_t toLength(double mm)
{
    return std::int32_t(std::clamp(mm, -2147483648.0, 2147483647.0));
}

} // namespace

std::int32_t TensionFreeLengthOf(
    AnchorRecord& anchor, int typeCode, std::int32_t lf, std::int32_t la, std::int32_t givenLsf, std::int32_t lr)
{
    switch (typeCode) {
    case 0:
        return (lr < 1 || lf < 1) ? 0 : toLength(double(lr) + lf);
    case 1:
    case 2:
        return givenLsf >= 1 ? givenLsf : 0;
    case 3:
        if (lr < 1 || lf < 1 || la < 1)
            return 0;
        return EquivalentFreeLength(anchor, double(lr) + double(lf) + double(la));
    case 4:
    case 5:
        return (lr < 1 || lf < 1 || la < 1) ? 0 : toLength(double(lr) + lf + la);
    default:
        return 0;
    }
}

std::int32_t RefreshTensionFreeLength(AnchorRecord& anchor)
{
    const TendonSpec& t = anchor.Tendon;
    std::int32_t lsf = TensionFreeLengthOf(
        anchor, t.AnchorTypeCode, t.FreeLength, t.AnchorLength, t.TensionFreeLength, t.ExtraLength);
    anchor.Tendon.TensionFreeLength = lsf;
    return lsf;
}

std::int32_t EquivalentFreeLength(AnchorRecord& anchor, double totalLength)
{
    TendonSpec& t = anchor.Tendon;
    int n = t.BodyCount;
    if (n > int(MaxLoadBodies))
        return 0;
    bool pullingHead = t.TensioningType == 1 && productClass(t.AnchorTypeName) != 3;
    double acc = 0;
    double offset = 0;
    for (int k = 1; k <= n; ++k) {
        auto i = std::size_t(k - 1);
        if (k > 1)
            offset += t.BodyInterval[i - 1];
        double lk = totalLength - offset;
        if (pullingHead)
            lk += PullingHeadStep * (k - 1);
        int strands = anchor.Material.BodyStrandCount[i];
        if (lk <= 0 || strands <= 0)
            return 0;
        acc += strands / lk;
        t.BodyTendonLength[i] = float(roundFormat(lk, "0"));
    }
    if (acc <= 0)
        return toLength(totalLength);
    return toLength(roundHalfEven(anchor.Material.StrandSetCount / acc));
}

std::vector<double> SplitEvenly(double total, int n)
{
    if (n < 1)
        return {};
    double q = roundFormat(total / n, "######0");
    std::vector<double> parts(std::size_t(n), q);
    parts.back() = roundFormat(total - (n - 1) * q, "######0");
    return parts;
}

} // namespace tessaro
