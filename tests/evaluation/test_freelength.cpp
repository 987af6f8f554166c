#include "evaluation/LoadDistribution.h"
#include "evaluation/TensionFreeLength.h"
#include "support/AnchorFixtures.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tessaro;

using test::twoBodyAnchor;

TEST(TensionFreeLength, ByAnchorType)
{
    AnchorRecord a;
    EXPECT_EQ(TensionFreeLengthOf(a, 0, 9000, 6000, 0, 1000), 10000);
    EXPECT_EQ(TensionFreeLengthOf(a, 0, 9000, 6000, 0, 0), 0); // Lr missing
    EXPECT_EQ(TensionFreeLengthOf(a, 2, 9000, 6000, 12345, 1000), 12345); // SEEE types: as given
    EXPECT_EQ(TensionFreeLengthOf(a, 4, 9000, 6000, 0, 1000), 16000);
    EXPECT_EQ(TensionFreeLengthOf(a, 5, 9000, 0, 0, 1000), 0); // La missing
    EXPECT_EQ(TensionFreeLengthOf(a, -1, 9000, 6000, 0, 1000), 0); // no type chosen
}

TEST(TensionFreeLength, LoadDistributionIsTheStrandWeightedHarmonicMean)
{
    // L = 1000 + 13000 + 6000 = 20000: L1 = 20000, L2 = 18000;
    // Lsf = 8 / (4/20000 + 4/18000) = 18947.37 → 18947.
    AnchorRecord a = twoBodyAnchor();
    EXPECT_EQ(RefreshTensionFreeLength(a), 18947);
    EXPECT_EQ(a.Tendon.TensionFreeLength, 18947);
    EXPECT_EQ(a.Tendon.BodyTendonLength[1], 18000);

    // A differential pulling head adds 60 mm per further body: L2 = 18060,
    // Lsf = 8 / (4/20000 + 4/18060) = 18980.56 → 18981 …
    a.Tendon.TensioningType = 1;
    EXPECT_EQ(EquivalentFreeLength(a, 20000), 18981);
    // … except for products of class 3.
    a.Tendon.AnchorTypeName = QStringLiteral("SuperMC");
    EXPECT_EQ(EquivalentFreeLength(a, 20000), 18947);
}

TEST(TensionFreeLength, BodiesThatCannotBeFormedGiveZero)
{
    const std::function<void(AnchorRecord&)> faults[] = {
        [](AnchorRecord& a) { a.Material.BodyStrandCount[1] = 0; },
        [](AnchorRecord& a) { a.Tendon.BodyInterval[0] = 25000; }, // the second body lies behind the jack
        [](AnchorRecord& a) { a.Tendon.BodyCount = 6; }, // more bodies than the record holds
        [](AnchorRecord& a) { a.Material.StrandSetCount = 0; },
    };
    for (const auto& fault : faults) {
        AnchorRecord a = twoBodyAnchor();
        fault(a);
        EXPECT_EQ(EquivalentFreeLength(a, 20000), 0);
    }
    EXPECT_EQ(SplitEvenly(1000, 3), (std::vector<double> { 333, 333, 334 }));
    EXPECT_EQ(SplitEvenly(1001, 2), (std::vector<double> { 501, 500 })); // 500.5 rounds up
}

namespace {

AnchorRecord bodiesWithLengths()
{
    AnchorRecord a = twoBodyAnchor();
    a.Tendon.BodyTendonLength = { 20000, 18000 };
    a.Plan.PlannedMaxLoad = 400;
    a.DesignAnchorForce = 300;
    return a;
}

} // namespace

TEST(LoadDistributionInitialLoad, CumulativeMethod)
{
    // G0 = 400 / 8 = 50.00 kN per strand.
    // E1 = 50 × 20000 / 27740 = 36.049; E2 = 50 × 18000 / 27740 = 32.444.
    // F2 = (36.049 − 32.444) × (4 × 50 − 0) / 36.049 + 0 = 20.0006 → 20.00;
    // the product is named a load-distribution anchor: + 30 kN.
    AnchorRecord a = bodiesWithLengths();
    LoadDistributionTables t;
    EXPECT_NEAR(LoadDistributionInitialLoad(a, true, t), 50.00, 1e-4);
    EXPECT_DOUBLE_EQ(t.Elongation[1], 32.444);
    a.Tendon.AnchorTypeName = QStringLiteral("分散アンカー");
    EXPECT_NEAR(LoadDistributionInitialLoad(a, true, t), 20.00, 1e-4);
    EXPECT_TRUE(IsLoadDistributed(QStringLiteral("ＫＪ荷重分散型")));
    EXPECT_FALSE(IsLoadDistributed(QStringLiteral("摩擦引張型")));

    // U-turn products take 1.1 × Td = 330 kN in quality assurance: G0 = 41.25;
    // E1 = 29.740, E2 = 26.766; F2 = 2.974 × 165 / 29.740 = 16.50, + 30 = 46.50.
    a.Tendon.AnchorTypeName = QStringLiteral("Uターン荷重分散型");
    EXPECT_NEAR(LoadDistributionInitialLoad(a, true, t), 46.50, 1e-4);
    // A basic investigation takes Tp as for every other product.
    EXPECT_NEAR(LoadDistributionInitialLoad(a, false, t), 50.00, 1e-4);
}

TEST(LoadDistributionInitialLoad, DifferentialMethod)
{
    // Three bodies: 20000, 18000, 16000 mm with 4, 4, 2 strands; Es·As = 200 × 100.
    // G0 = 500 / 10 = 50.00. K = 20000 × n / L: 4.0000, 4.4444, 2.5000.
    // Q1 = (4/4 − 4/4.4444) × 50 = 4.99955 → 5.00; Q2 = (4/4.4444 − 2/2.5) × 50 = 5.00045 → 5.00.
    // R1 = 4 × (5 + 5) = 40.00; R2 = 4.4444 × 5 = 22.22; R3 = 0: total 62.22.
    AnchorRecord a = bodiesWithLengths();
    a.Tendon.TensioningType = 1;
    a.Tendon.BodyCount = 3;
    a.Tendon.BodyTendonLength = { 20000, 18000, 16000 };
    a.Material.BodyStrandCount = { 4, 4, 2 };
    a.Material.StrandSetCount = 10;
    a.Material.TendonArea = 100;
    a.Plan.PlannedMaxLoad = 500;
    LoadDistributionTables t;
    EXPECT_NEAR(LoadDistributionInitialLoad(a, true, t), 62.22, 1e-4);
    EXPECT_DOUBLE_EQ(t.BodyLoad[1], 22.22);

    // Not carried out where it would divide by zero.
    a.Tendon.BodyTendonLength[1] = 0;
    EXPECT_EQ(LoadDistributionInitialLoad(a, true, t), 0);
    a = bodiesWithLengths();
    a.Material.TendonArea = 0;
    EXPECT_EQ(LoadDistributionInitialLoad(a, true, t), 0);
    a = bodiesWithLengths();
    a.Material.StrandSetCount = 0;
    EXPECT_EQ(LoadDistributionInitialLoad(a, true, t), 0);
}
