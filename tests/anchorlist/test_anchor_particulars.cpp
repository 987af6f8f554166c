#include "support/CompleteAnchors.h"

#include "planning/AnchorListTexts.h"
#include "planning/AnchorParticulars.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(AnchorParticulars, LockOffGivenAsLoadOrAsRatio)
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
    // Only the seismic force given: the ratio refers to it.
    a.DesignAnchorForce = 0;
    a.DesignAnchorForceSeismic = 300;
    refreshLockOff(a);
    EXPECT_FLOAT_EQ(a.LockOffLoad, 330.0f);
}

TEST(AnchorParticulars, DerivedLengthsAndPullOutResistance)
{
    AnchorRecord a;
    a.Tendon.AnchorTypeCode = 3;
    a.Tendon.AnchorLength = 10000;
    a.Tendon.BodyCount = 3;
    a.Tendon.BodyInterval = { 2000, 3000, 5000, 0, 0 }; // spacings that add up stay
    refreshBodySpacings(a);
    EXPECT_FLOAT_EQ(a.Tendon.BodyInterval[0], 2000);
    a.Tendon.AnchorLength = 9000; // others are spread evenly
    refreshBodySpacings(a);
    EXPECT_EQ(a.Tendon.BodyInterval, (std::array<float, 5> { 3000, 3000, 3000, 0, 0 }));

    a.Tendon.AnchorTypeCode = 0;
    a.Tendon.FreeLength = 9000;
    a.Tendon.ExtraLength = 1000;
    a.Tendon.AnchorLength = 6000;
    a.DrillDiameter = 135;
    refreshDerivedParticulars(a, true);
    EXPECT_EQ(a.Tendon.TensionFreeLength, 10000);
    EXPECT_TRUE(a.Spec2.PullOutResistanceText.isEmpty());
    // Tug = π · 135 mm · 6000 mm · 0.30 N/mm² = 763.41 kN, only once τ is given.
    a.DesignSkinFriction = 0.3f;
    refreshDerivedParticulars(a, true);
    EXPECT_EQ(a.Spec2.PullOutResistanceText, "763.41");
}

TEST(AnchorListTexts, RowsShowUnsetValuesEmptyInTheTableUnderItsTitle)
{
    Project p;
    test::makeQualityProject(p, 2);
    p.anchor(2) = AnchorRecord {};
    const QStringList empty = qualityRowTexts(p, 2);
    EXPECT_EQ(empty[0], "2");
    for (int c = 1; c < empty.size(); ++c)
        EXPECT_TRUE(empty[c].isEmpty() || c == 20) << c << " " << empty[c].toStdString();
    // Under the 2000 edition the same anchor reads with that edition's texts.
    p.Settings.StandardEdition = 0;
    EXPECT_EQ(qualityRowTexts(p, 1)[14], QStringLiteral("永久"));

    QList<QStringList> table = anchorListTable(p);
    ASSERT_EQ(table.size(), 4);
    EXPECT_EQ(table[0], QStringList { AnchorListTitle });
    EXPECT_FALSE(table[1][3].contains('\n')); // headings on one line
    test::makeBasicProject(p);
    EXPECT_EQ(anchorListTable(p)[2].mid(0, 4),
        (QStringList { "K-1", QStringLiteral("基本調査試験(引抜き試験)"), "0.30", "135" }));
}
