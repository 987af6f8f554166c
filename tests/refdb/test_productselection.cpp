// Taking an anchor product into an anchor, and the designation columns by type.

#include "model/AnchorRecord.h"
#include "refdb/DesignationColumns.h"
#include "refdb/ProductSelection.h"

#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::refdb;

namespace {

AnchorDesignation loadDistributionB3()
{
    AnchorDesignation d;
    d.Yobina = "B3-6S15.2";
    d.Hippari = 1566;
    d.Koufuku = 1332;
    d.Danmenseki = 138.7;
    d.Danseikeisuu = 195;
    d.Sakukoukei = 115;
    d.KTB_Taikatai = 3;
    d.Taikatai = { 2, 2, 2, 0, 0 };
    d.KousenNum = 6;
    return d;
}

QStringList headings(int type)
{
    QStringList h;
    for (const DesignationColumn& c : designationColumns(type))
        h << c.heading.section('\n', 0, 0);
    return h;
}

} // namespace

TEST(ProductSelection, ALoadDistributionProductBringsItsBodies)
{
    AnchorRecord a;
    a.Tendon.BodyCount = 5;
    a.Material.BodyStrandCount = { 9, 9, 9, 9, 9 };
    AnchorMethod m { "荷重分散型アンカー　差動緊張方式", 3, 3, 1 };
    takeDesignation(a, m, loadDistributionB3());

    EXPECT_EQ(a.Tendon.AnchorTypeName, m.AncName);
    EXPECT_EQ(a.Tendon.AnchorTypeCode, 3);
    EXPECT_EQ(a.Tendon.AnchorTypeDetail, 3);
    EXPECT_EQ(a.Tendon.TensioningType, 1);
    EXPECT_EQ(a.Spec2.Designation, "B3-6S15.2");
    EXPECT_FLOAT_EQ(a.Spec2.TensileLoad, 1566);
    EXPECT_FLOAT_EQ(a.TendonYieldLoad, 1332);
    EXPECT_FLOAT_EQ(a.Material.TendonArea, 138.7f);
    EXPECT_FLOAT_EQ(a.Material.TendonModulus, 195);
    EXPECT_FLOAT_EQ(a.Spec2.BoreDiameterRef, 115);
    EXPECT_EQ(a.Tendon.BodyCount, 3);
    EXPECT_EQ(a.Material.BodyStrandCount, (std::array<std::int16_t, 5> { 2, 2, 2, 0, 0 }));
    EXPECT_EQ(a.Material.StrandSetCount, 6);
}

TEST(ProductSelection, OtherProductsBringSleevesAndPerimeterAndLeaveBodiesAlone)
{
    AnchorRecord a;
    a.Tendon.BodyCount = 2;
    a.Material.StrandSetCount = 4;
    AnchorDesignation d;
    d.Yobina = "F50MA";
    d.Hippari = 522;
    d.Koufuku = 444;
    d.Danmenseki = 277.4;
    d.Danseikeisuu = 186;
    d.Sakukoukei = 115;
    d.UeMansyon = 470;
    d.ShitaMansyon = 180;
    d.MikakeSyuutyou = 100;
    takeDesignation(a, { "SEEEグラウンドアンカー　F-MA型", 2, 2, 0 }, d);
    EXPECT_EQ(a.Tendon.AnchorTypeCode, 2);
    EXPECT_EQ(a.Tendon.TensioningType, 0);
    EXPECT_FLOAT_EQ(a.Spec2.UpperSleeve, 470);
    EXPECT_FLOAT_EQ(a.Spec2.LowerSleeve, 180);
    EXPECT_FLOAT_EQ(a.Spec2.ProductPerimeter, 100);
    EXPECT_FLOAT_EQ(a.Material.TendonArea, 277.4f);
    EXPECT_EQ(a.Tendon.BodyCount, 2);
    EXPECT_EQ(a.Material.StrandSetCount, 4);
}

TEST(ProductSelection, IncompleteDesignationsAreRecognised)
{
    AnchorDesignation d = loadDistributionB3();
    EXPECT_TRUE(designationComplete(d, 3));
    d.Taikatai[2] = 0; // body 3 without strands
    EXPECT_FALSE(designationComplete(d, 3));
    d = loadDistributionB3();
    d.KTB_Taikatai = 0;
    EXPECT_FALSE(designationComplete(d, 3));
    EXPECT_TRUE(designationComplete(d, 0)); // bodies concern type 3 only
    d.Danseikeisuu = 0;
    EXPECT_FALSE(designationComplete(d, 0));
    d = loadDistributionB3();
    d.Yobina = " ";
    EXPECT_FALSE(designationComplete(d, 1));
}

TEST(DesignationColumns, FollowTheAnchorType)
{
    const QStringList common = { "呼び名", "引張荷重", "降伏荷重", "断面積", "ﾃﾝﾄﾞﾝ弾性係数", "削孔径[参考値]" };
    EXPECT_EQ(headings(0), common + QStringList({ "見かけの周長" }));
    EXPECT_EQ(headings(1), common + QStringList({ "見かけの周長", "上部ﾏﾝｼｮﾝ" }));
    EXPECT_EQ(headings(2), common + QStringList({ "見かけの周長", "上部ﾏﾝｼｮﾝ", "下部ﾏﾝｼｮﾝ" }));
    EXPECT_EQ(headings(3),
        common + QStringList({ "耐荷体数", "鋼線総数", "耐荷体1", "耐荷体2", "耐荷体3", "耐荷体4", "耐荷体5" }));
    EXPECT_EQ(headings(4), common);
    EXPECT_EQ(headings(5), common);

    QList<DesignationColumn> c = designationColumns(2);
    EXPECT_EQ(c[1].heading, "引張荷重\nTus(kN)");
    EXPECT_EQ(c[1].decimals, 2);
    EXPECT_DOUBLE_EQ(c[1].maximum, 9999.99);
    EXPECT_DOUBLE_EQ(c[4].maximum, 999.99);
    EXPECT_EQ(c[5].decimals, 0);
    EXPECT_DOUBLE_EQ(c[5].maximum, 999);
    EXPECT_EQ(c[6].decimals, 1);
    EXPECT_DOUBLE_EQ(c[6].maximum, 9999.9);
    EXPECT_DOUBLE_EQ(c[8].maximum, 9999);
}
