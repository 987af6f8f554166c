#include "support/CompleteAnchors.h"

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
    // Tug = π · 135 mm · 6000 mm · 0.30 N/mm² = 763.41 kN, only once τ is given.
    a.Tendon.AnchorLength = 6000;
    a.DrillDiameter = 135;
    refreshDerivedSpecification(a, true);
    EXPECT_TRUE(a.Spec2.PullOutResistanceText.isEmpty());
    a.DesignSkinFriction = 0.3f;
    refreshDerivedSpecification(a, true);
    EXPECT_EQ(a.Spec2.PullOutResistanceText, "763.41");
}

TEST(AnchorListTexts, RowsShowUnsetValuesEmpty)
{
    Project p;
    test::makeQualityProject(p, 2);
    p.anchor(2) = AnchorRecord {};
    const QStringList full = qualityRowTexts(p, 1);
    EXPECT_EQ(full[3], "400.00");
    EXPECT_EQ(full[10], "5.0");
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
    EXPECT_FALSE(table[1][3].contains('\n')); // headings on one line
    EXPECT_EQ(table[4][1], "A-3");
    test::makeBasicProject(p);
    table = anchorListTable(p);
    ASSERT_EQ(table.size(), 3);
    EXPECT_EQ(table[2][0], "K-1");
    EXPECT_EQ(table[2][2], "0.30");
    EXPECT_EQ(table[2][3], "135");
}
