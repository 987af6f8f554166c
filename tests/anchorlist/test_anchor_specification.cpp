#include "support/CompleteAnchors.h"

#include "evaluation/PullOutResistance.h"
#include "planning/AnchorListTexts.h"
#include "planning/AnchorSpecification.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(AnchorSpecification, LockOffGivenAsLoadOrAsRatio)
{
    AnchorRecord a;
    a.DesignAnchorForce = 500;
    a.LockOffMode = LockOffByLoad;
    a.LockOffLoad = 400;
    refreshLockOff(a);
    EXPECT_FLOAT_EQ(a.LockOffRatio, 0.8f);
    a.LockOffMode = LockOffByRatio;
    a.LockOffRatio = 1.1f;
    refreshLockOff(a);
    EXPECT_FLOAT_EQ(a.LockOffLoad, 550.0f);
    // Without a design force the ratio has nothing to refer to.
    a.DesignAnchorForce = 0;
    refreshLockOff(a);
    EXPECT_FLOAT_EQ(a.LockOffLoad, 0.0f);
    // Only the seismic force given: the ratio refers to it.
    a.DesignAnchorForceSeismic = 300;
    refreshLockOff(a);
    EXPECT_FLOAT_EQ(a.LockOffLoad, 330.0f);
}

TEST(AnchorSpecification, PullOutResistanceOfTheWorkedExample)
{
    EXPECT_DOUBLE_EQ(PullOutResistance(6000, 135, 0.30), 763.41);
    AnchorRecord a;
    a.Tendon.AnchorLength = 6000;
    a.DrillDiameter = 135;
    EXPECT_TRUE(pullOutResistanceText(a).isEmpty());
    a.DesignSkinFriction = 0.3f;
    EXPECT_EQ(pullOutResistanceText(a), "763.41");
}

TEST(AnchorSpecification, BodySpacingsFollowTheAnchorLength)
{
    AnchorRecord a;
    a.Tendon.AnchorTypeCode = 3;
    a.Tendon.AnchorLength = 9000;
    a.Tendon.BodyCount = 3;
    refreshBodySpacings(a);
    EXPECT_EQ(a.Tendon.BodyInterval, (std::array<float, 5> { 3000, 3000, 3000, 0, 0 }));
    // Spacings the user set that add up stay as they are.
    a.Tendon.BodyInterval = { 2000, 3000, 4000, 0, 0 };
    refreshBodySpacings(a);
    EXPECT_FLOAT_EQ(a.Tendon.BodyInterval[0], 2000);
    a.Tendon.AnchorLength = 10000;
    a.Tendon.BodyCount = 3;
    refreshBodySpacings(a);
    EXPECT_FLOAT_EQ(a.Tendon.BodyInterval[0], 3333);
    EXPECT_FLOAT_EQ(a.Tendon.BodyInterval[2], 3334);
}

TEST(AnchorSpecification, DerivedValuesOfAFrictionAnchorAndAPullOutTest)
{
    AnchorRecord a;
    a.Tendon.AnchorTypeCode = 0;
    a.Tendon.FreeLength = 9000;
    a.Tendon.ExtraLength = 1000;
    refreshDerivedSpecification(a, false);
    EXPECT_EQ(a.Tendon.TensionFreeLength, 10000);
    EXPECT_TRUE(a.Spec2.PullOutResistanceText.isEmpty());
    a.Tendon.AnchorLength = 6000;
    a.DrillDiameter = 135;
    a.DesignSkinFriction = 0.3f;
    refreshDerivedSpecification(a, true);
    EXPECT_EQ(a.Spec2.PullOutResistanceText, "763.41");
}

TEST(AnchorListTexts, HeadingsInTheirOrder)
{
    const QStringList q = qualityListHeadings();
    ASSERT_EQ(q.size(), 24);
    EXPECT_EQ(q.first(), "No.");
    EXPECT_EQ(q[3], QStringLiteral("設計ｱﾝｶｰ力\n[常時]\n(kN)"));
    EXPECT_EQ(q[7], QStringLiteral("荷重\n段階数"));
    EXPECT_EQ(q[ListColModulus - 1], QStringLiteral("テンドン\n弾性係数\n(kN/mm2)"));
    EXPECT_EQ(q.last(), QStringLiteral("試験年月日"));
    const QStringList b = basicListHeadings();
    ASSERT_EQ(b.size(), 10);
    EXPECT_EQ(b[2], QStringLiteral("周面摩擦抵抗\n(N/mm2)"));
}

TEST(AnchorListTexts, RowsShowUnsetValuesEmpty)
{
    Project p;
    test::makeQualityProject(p, 2);
    p.anchor(2) = AnchorRecord {};
    const QStringList full = qualityRowTexts(p, 1);
    EXPECT_EQ(full[0], "1");
    EXPECT_EQ(full[1], "A-1");
    EXPECT_EQ(full[2], QStringLiteral("適性試験"));
    EXPECT_EQ(full[3], "400.00");
    EXPECT_EQ(full[8], QStringLiteral("砂質土・岩盤"));
    EXPECT_EQ(full[9], QStringLiteral("くさび"));
    EXPECT_EQ(full[10], "5.0");
    EXPECT_EQ(full[14], QStringLiteral("ランクＡ"));
    EXPECT_EQ(full[18], "10000");
    EXPECT_EQ(full[20], "SLF-J1");
    const QStringList empty = qualityRowTexts(p, 2);
    EXPECT_EQ(empty[0], "2");
    for (int c = 1; c < empty.size(); ++c)
        EXPECT_TRUE(empty[c].isEmpty() || c == 20) << c << " " << empty[c].toStdString();
    // Under the 2000 edition the same anchor reads with that edition's texts.
    p.Settings.StandardEdition = 0;
    EXPECT_EQ(qualityRowTexts(p, 1)[2], QStringLiteral("多サイクル確認試験"));
    EXPECT_EQ(qualityRowTexts(p, 1)[14], QStringLiteral("永久"));
}

TEST(AnchorListTexts, TableHasTitleHeadingsOnOneLineAndRows)
{
    Project p;
    test::makeQualityProject(p, 3);
    QList<QStringList> table = anchorListTable(p);
    ASSERT_EQ(table.size(), 5);
    EXPECT_EQ(table[0], QStringList { AnchorListTitle });
    EXPECT_EQ(table[1][3], QStringLiteral("設計ｱﾝｶｰ力[常時](kN)"));
    EXPECT_EQ(table[4][1], "A-3");
    test::makeBasicProject(p);
    table = anchorListTable(p);
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[2][0], "K-1");
    EXPECT_EQ(table[2][2], "0.30");
    EXPECT_EQ(table[2][3], "135");
}
