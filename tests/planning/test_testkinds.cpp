#include "model/basMainData.h"
#include "planning/TestKinds.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(TestKinds, TextsFollowTheEdition)
{
    EXPECT_EQ(testKindText(Edition2012, 1, 0), QStringLiteral("適性試験"));
    EXPECT_EQ(testKindText(Edition2012, 1, 1), QStringLiteral("確認試験"));
    EXPECT_EQ(testKindText(Edition2000, 1, 0), QStringLiteral("品質保証試験多サイクル確認試験"));
    EXPECT_EQ(testKindDocumentText(Edition2000, 1, 0), QStringLiteral("品質保証試験(多サイクル確認試験)"));
    EXPECT_EQ(testKindText(Edition2012, 0, 1), QStringLiteral("基本調査試験(引抜き試験)"));
    EXPECT_EQ(rankText(Edition2000, 1), QStringLiteral("仮設"));
    EXPECT_EQ(anchorTypeSuffix(3), QStringLiteral("　[荷重分散型]"));
    EXPECT_EQ(anchorTypeSuffix(7), QString());
}

TEST(TestKinds, ProductClassTestsTheNamesInOrder)
{
    EXPECT_EQ(productClass(QStringLiteral("Cターン SuperMC")), 1);
    EXPECT_EQ(productClass(QStringLiteral("Uターンアンカー")), 2);
    EXPECT_EQ(productClass(QStringLiteral("KJS除去式")), 3);
    EXPECT_EQ(productClass(QStringLiteral("摩擦引張型アンカー")), 0);
}

TEST(TestKinds, CreepLimitByConfirmationFlagAndGround)
{
    Project p;
    InitProject(p, 0);
    EXPECT_EQ(creepLimitIndex(1, 0), 5);
    EXPECT_EQ(creepLimitIndex(1, 1), 4);
    EXPECT_EQ(creepLimitIndex(0, 1), 2);
    EXPECT_EQ(creepLimitIndex(0, 0), 3);
    EXPECT_EQ(creepLimit(p, 1, 0), 0.25);
    EXPECT_EQ(creepLimit(p, 1, 1), 0.2);
}
