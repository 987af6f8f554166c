#include "model/basMainData.h"
#include "planning/TestKinds.h"

#include <gtest/gtest.h>

using namespace tessaro;

TEST(TestKinds, TextsFollowTheEditionProductClassesTheNames)
{
    EXPECT_EQ(testKindText(Edition2000, 1, 0), QStringLiteral("品質保証試験多サイクル確認試験"));
    EXPECT_EQ(testKindDocumentText(Edition2000, 1, 0), QStringLiteral("品質保証試験(多サイクル確認試験)"));
    EXPECT_EQ(testKindText(Edition2012, 0, 1), QStringLiteral("基本調査試験(引抜き試験)")); // whatever the flag
    EXPECT_EQ(anchorTypeSuffix(7), QString());

    EXPECT_EQ(productClass(QStringLiteral("Cターン SuperMC")), 1); // names tested in order
    EXPECT_EQ(productClass(QStringLiteral("Uターンアンカー")), 2);
    EXPECT_EQ(productClass(QStringLiteral("KJS除去式")), 3);
    EXPECT_EQ(productClass(QStringLiteral("摩擦引張型アンカー")), 0);

    Project p;
    InitProject(p, 0);
    EXPECT_EQ(creepLimit(p, 1, 0), 0.25);
    EXPECT_EQ(creepLimit(p, 1, 1), 0.2);
}
