#include "evaluation/LoadDistribution.h"

#include "model/NumberFormat.h"
#include "model/basMainData.h"
#include "planning/TestKinds.h"

namespace tessaro {
namespace {

// Added to the last cumulative load of products named as load-distribution anchors.
constexpr double CumulativeAllowance = 30.0;

bool canCalculate(const AnchorRecord& a, int n, float stiffness)
{
    if (a.Material.StrandSetCount <= 0 || n < 1 || n > MaxLoadBodies || stiffness == 0)
        return false;
    for (int k = 0; k < n; ++k)
        if (a.Tendon.BodyTendonLength[std::size_t(k)] <= 0 || a.Material.BodyStrandCount[std::size_t(k)] <= 0)
            return false;
    return true;
}

double cumulativeMethod(const AnchorRecord& a, int n, LoadDistributionTables& t)
{
    double c = 0;
    for (int k = 1; k < n; ++k) { // Fk+1 from body k, 0-based
        c += a.Material.BodyStrandCount[std::size_t(k - 1)];
        double previous = t.Elongation[std::size_t(k - 1)];
        double f = t.CumulativeLoad[std::size_t(k - 1)];
        if (previous != 0)
            t.CumulativeLoad[std::size_t(k)] = roundFormat(
                (previous - t.Elongation[std::size_t(k)]) * (c * t.StrandLoad - f) / previous + f, "#######0.00");
    }
    double result = t.CumulativeLoad[std::size_t(n - 1)];
    return IsLoadDistributed(a.Tendon.AnchorTypeName) ? result + CumulativeAllowance : result;
}

// False when a spring constant rounds to 0 and the steps cannot be formed.
bool differentialMethod(const AnchorRecord& a, int n, float stiffness, LoadDistributionTables& t)
{
    auto strands = [&](int k) { return double(a.Material.BodyStrandCount[std::size_t(k)]); };
    for (int k = 0; k < n; ++k) {
        t.SpringConstant[std::size_t(k)] = roundFormat(stiffness * strands(k) / t.BodyLength[std::size_t(k)], "0.0000");
        if (t.SpringConstant[std::size_t(k)] == 0)
            return false;
    }
    for (int k = 0; k + 1 < n; ++k)
        t.ElongationStep[std::size_t(k)] = roundFormat(
            (strands(k) / t.SpringConstant[std::size_t(k)] - strands(k + 1) / t.SpringConstant[std::size_t(k + 1)])
                * t.StrandLoad,
            "0.00");
    double total = 0;
    for (int k = 0; k < n; ++k) {
        double steps = 0;
        for (int j = k; j + 1 < n; ++j)
            steps += t.ElongationStep[std::size_t(j)];
        t.BodyLoad[std::size_t(k)] = roundFormat(t.SpringConstant[std::size_t(k)] * steps, "0.00");
        total = roundFormat(total + t.BodyLoad[std::size_t(k)], "0.00");
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
    int n = a.Tendon.BodyCount;
    float stiffness = a.Material.TendonModulus * a.Material.TendonArea; // Es × As as a single
    if (!canCalculate(a, n, stiffness))
        return 0;

    LoadDistributionTables t;
    double design = (productClass(a.Tendon.AnchorTypeName) == 2 && qualityAssurance) ? 1.1 * double(a.DesignAnchorForce)
                                                                                     : double(a.Plan.PlannedMaxLoad);
    t.StrandLoad = roundFormat(design / a.Material.StrandSetCount, "0.00");
    for (int k = 0; k < n; ++k) {
        auto i = std::size_t(k);
        t.BodyLength[i] = a.Tendon.BodyTendonLength[i];
        t.Elongation[i] = roundFormat(t.StrandLoad * t.BodyLength[i] / stiffness, "######0.000");
    }
    for (int k = 0; k + 1 < n; ++k)
        t.ElongationDifference[std::size_t(k)]
            = roundFormat(t.Elongation[std::size_t(k)] - t.Elongation[std::size_t(k + 1)], "######0.00");

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
