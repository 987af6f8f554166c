// Taking an anchor product into an anchor.

#include "model/AnchorRecord.h"
#include "refdb/ProductSelection.h"

#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::refdb;

namespace {

AnchorDesignation loadDistributionB3()
{
    AnchorDesignation d;
    d.Yobina = "B3-6S15.2";
    d.Koufuku = 1332;
    d.Danmenseki = 138.7;
    d.Danseikeisuu = 195;
    d.UeMansyon = 470;
    d.KTB_Taikatai = 3;
    d.Taikatai = { 2, 2, 2, 0, 0 };
    d.KousenNum = 6;
    return d;
}

} // namespace

TEST(ProductSelection, ALoadDistributionProductBringsItsBodiesOthersTheirSleeves)
{
    AnchorRecord a;
    a.Tendon.BodyCount = 5;
    a.Material.BodyStrandCount = { 9, 9, 9, 9, 9 };
    AnchorMethod m { "荷重分散型アンカー　差動緊張方式", 3, 3, 1 };
    takeDesignation(a, m, loadDistributionB3());
    EXPECT_EQ(a.Tendon.AnchorTypeName, m.AncName);
    EXPECT_EQ(a.Tendon.TensioningType, 1);
    EXPECT_FLOAT_EQ(a.TendonYieldLoad, 1332);
    EXPECT_EQ(a.Tendon.BodyCount, 3);
    EXPECT_EQ(a.Material.BodyStrandCount, (std::array<std::int16_t, 5> { 2, 2, 2, 0, 0 }));
    EXPECT_EQ(a.Material.StrandSetCount, 6);

    AnchorRecord b;
    b.Tendon.BodyCount = 2;
    b.Material.StrandSetCount = 4;
    takeDesignation(b, { "SEEEグラウンドアンカー　F-MA型", 2, 2, 0 }, loadDistributionB3());
    EXPECT_FLOAT_EQ(b.Spec2.UpperSleeve, 470);
    EXPECT_EQ(b.Tendon.BodyCount, 2);
    EXPECT_EQ(b.Material.StrandSetCount, 4);
}

TEST(ProductSelection, IncompleteDesignationsAreRecognised)
{
    AnchorDesignation d = loadDistributionB3();
    EXPECT_TRUE(designationComplete(d, 3));
    d.Taikatai[2] = 0; // body 3 without strands
    EXPECT_FALSE(designationComplete(d, 3));
    EXPECT_TRUE(designationComplete(d, 0)); // bodies concern type 3 only
    d.Danseikeisuu = 0;
    EXPECT_FALSE(designationComplete(d, 0));
}
