#include "evaluation/LoadDistribution.h"

#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"

#include <algorithm>

namespace tessaro {
namespace {

// Added to the last cumulative load of products named as load-distribution anchors.
constexpr double CumulativeAllowance = 30.0;

bool canCalculate(const AnchorRecord& a, std::size_t n, float stiffness)
{
    if (a.Material.StrandSetCount <= 0 || n < 1 || n > MaxLoadBodies || stiffness == 0)
        return false;
    for (std::size_t k = 0; k < n; ++k)
        if (a.Tendon.BodyTendonLength[k] <= 0 || a.Material.BodyStrandCount[k] <= 0)
            return false;
    return true;
}

// Cumulative method: the strands of the nearer bodies are pre-loaded so that each
// further body starts to carry load when the one before it bends over; F of
// the last body is the bend-point load (index 0 is body 1).
double cumulativeMethod(const AnchorRecord& a, std::size_t n, LoadDistributionTables& t)
{
    double strandsBefore = 0;
    for (std::size_t k = 1; k < n; ++k) {
        strandsBefore += a.Material.BodyStrandCount[k - 1];
        double previous = t.Elongation[k - 1];
        double f = t.CumulativeLoad[k - 1];
        if (previous != 0)
            t.CumulativeLoad[k] = roundFormat(
                (previous - t.Elongation[k]) * (strandsBefore * t.StrandLoad - f) / previous + f, "#######0.00");
    }
    double result = t.CumulativeLoad[n - 1];
    return IsLoadDistributed(a.Tendon.AnchorTypeName) ? result + CumulativeAllowance : result;
}

// Differential method: each body's strands as springs; the steps between their
// elongations under G0 give the loads the differential pulling head must put on
// the bodies in turn. False when a spring constant rounds to 0 (no step can be formed).
bool differentialMethod(const AnchorRecord& a, std::size_t n, float stiffness, LoadDistributionTables& t)
{
    auto strands = [&](std::size_t k) { return double(a.Material.BodyStrandCount[k]); };
    for (std::size_t k = 0; k < n; ++k) {
        t.SpringConstant[k] = roundFormat(stiffness * strands(k) / t.BodyLength[k], "0.0000");
        if (t.SpringConstant[k] == 0)
            return false;
    }
    for (std::size_t k = 0; k + 1 < n; ++k)
        t.ElongationStep[k] = roundFormat(
            (strands(k) / t.SpringConstant[k] - strands(k + 1) / t.SpringConstant[k + 1]) * t.StrandLoad, "0.00");
    double total = 0;
    for (std::size_t k = 0; k < n; ++k) {
        double steps = 0; // the steps of this body and all further ones
        for (std::size_t j = k; j + 1 < n; ++j)
            steps += t.ElongationStep[j];
        t.BodyLoad[k] = roundFormat(t.SpringConstant[k] * steps, "0.00");
        total = roundFormat(total + t.BodyLoad[k], "0.00");
    }
    t.FinalDifferentialLoad = roundFormat(total, "0.00");
    return true;
}

} // namespace

LoadDistributionTables& loadDistributionTables()
{
    static LoadDistributionTables tables;
    return tables;
}

bool IsLoadDistributed(const QString& typeName)
{
    return typeName.contains(QStringLiteral("荷重分散型"));
}

float LoadDistributionInitialLoad(const AnchorRecord& a, bool qualityAssurance, LoadDistributionTables& tables)
{
    tables = LoadDistributionTables {};
    auto n = std::size_t(std::max<int>(a.Tendon.BodyCount, 0));
    float stiffness = a.Material.TendonModulus * a.Material.TendonArea; // Es × As as a single
    if (!canCalculate(a, n, stiffness))
        return 0;

    LoadDistributionTables t;
    double design = (productClass(a.Tendon.AnchorTypeName) == 2 && qualityAssurance) ? 1.1 * double(a.DesignAnchorForce)
                                                                                     : double(a.Plan.PlannedMaxLoad);
    t.StrandLoad = roundFormat(design / a.Material.StrandSetCount, "0.00");
    for (std::size_t k = 0; k < n; ++k) {
        t.BodyLength[k] = a.Tendon.BodyTendonLength[k];
        t.Elongation[k] = roundFormat(t.StrandLoad * t.BodyLength[k] / stiffness, "######0.000");
    }
    for (std::size_t k = 0; k + 1 < n; ++k)
        t.ElongationDifference[k] = roundFormat(t.Elongation[k] - t.Elongation[k + 1], "######0.00");

    double result = 0;
    if (a.Tendon.TensioningType == 0) {
        result = cumulativeMethod(a, n, t);
    }
    else {
        if (!differentialMethod(a, n, stiffness, t))
            return 0;
        result = t.FinalDifferentialLoad;
    }
    tables = t;
    return float(result);
}

float LoadDistributionInitialLoad(const AnchorRecord& anchor)
{
    return LoadDistributionInitialLoad(anchor, !project().isBasic(), loadDistributionTables());
}

} // namespace tessaro
