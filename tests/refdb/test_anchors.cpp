// Anchor methods, their designations, the method editor's working copies and a
// product taken into an anchor.

#include "RefDbTest.h"

#include "refdb/AnchorMethodEditor.h"
#include "refdb/AnchorProducts.h"
#include "refdb/ProductSelection.h"

#include <gtest/gtest.h>

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

namespace {

const QString FrictionMethod = QStringLiteral("摩擦引張型アンカー　12.7mm");
const QString Friction152 = QStringLiteral("摩擦引張型アンカー　15.2mm");
const QString Bearing = QStringLiteral("支圧型アンカー");

// A designation of two bodies of three strands, with every column filled.
AnchorDesignation row(const QString& yobina)
{
    AnchorDesignation d;
    d.Yobina = yobina;
    d.Koufuku = 1332;
    d.Danmenseki = 138.7;
    d.Danseikeisuu = 195;
    d.UeMansyon = 500;
    d.ShitaMansyon = 180;
    d.MikakeSyuutyou = 120.5;
    d.KTB_Taikatai = 2;
    d.Taikatai = { 3, 3, 3, 0, 0 };
    d.KousenNum = 6;
    return d;
}

QStringList methodNames(const QList<AnchorMethod>& methods)
{
    QStringList n;
    for (const AnchorMethod& m : methods)
        n << m.AncName;
    return n;
}

} // namespace

class Anchors : public RefDbTest {
protected:
    void SetUp() override
    {
        RefDbTest::SetUp();
        startUp();
    }
};

TEST_F(Anchors, SavingKeepsOnlyTheColumnsOfTheTypeAndReplacesTheOldRows)
{
    ASSERT_TRUE(saveDesignations(FrictionMethod, 0, { row("A1"), row("A2") }));
    auto saved = designations(FrictionMethod, 0);
    ASSERT_EQ(saved.size(), 2);
    EXPECT_DOUBLE_EQ(saved[0].MikakeSyuutyou, 120.5);
    EXPECT_EQ(saved[0].UeMansyon, 0);
    EXPECT_EQ(saved[0].KousenNum, 0);

    // Type 3 keeps the bodies it has and drops the third.
    AnchorDesignation t3 = keepColumnsOfType(row("C"), 3);
    EXPECT_EQ(t3.MikakeSyuutyou, 0);
    EXPECT_EQ(t3.Taikatai, (std::array<int, 5> { 3, 3, 0, 0, 0 }));
    EXPECT_EQ(keepColumnsOfType(row("B"), 2).ShitaMansyon, 180);

    EXPECT_TRUE(deleteDesignations(FrictionMethod, 0));
    EXPECT_TRUE(designations(FrictionMethod, 0).isEmpty());
    EXPECT_EQ(designations(Friction152, 0).size(), 12); // other methods keep their rows
}

TEST_F(Anchors, AMethodNameWithQuotesAndCommentMarksRoundTripsAndTouchesNoOtherRow)
{
    const QString tricky = QStringLiteral("工'\"; DROP ComboTBL; --");
    QStringList before = dump(anchorPath(), "AnchorTBL");
    ASSERT_TRUE(saveDesignations(tricky, 1, { row("X1") }));
    EXPECT_EQ(designations(tricky, 1).value(0).AncName, tricky);
    ASSERT_TRUE(deleteDesignations(tricky, 1));
    EXPECT_EQ(dump(anchorPath(), "AnchorTBL"), before);

    ASSERT_TRUE(refreshWorkingCopies());
    EXPECT_EQ(addWorkingMethod({ tricky, 1, 1, 0 }), WriteResult::Done);
    const QString renamed = QStringLiteral("改'名\"; DROP TABLE x; --");
    EXPECT_EQ(renameWorkingMethod(tricky, 1, renamed), WriteResult::Done);
    EXPECT_TRUE(methodNames(workingMethods()).contains(renamed));
    EXPECT_EQ(deleteWorkingMethod(renamed, 1), WriteResult::Done);
    EXPECT_EQ(dump(anchorPath(), "BackAnchorTBL"), before);
}

TEST_F(Anchors, NewMethodNamesAreCutTo25Characters)
{
    const QString thirty = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ");
    ASSERT_TRUE(refreshWorkingCopies());
    EXPECT_EQ(addWorkingMethod({ thirty, 0, 0, 0 }), WriteResult::Done);
    EXPECT_TRUE(methodNames(workingMethods()).contains(thirty.left(25)));
    EXPECT_EQ(addWorkingMethod({ thirty.left(25) + QStringLiteral("別"), 0, 0, 0 }), WriteResult::DuplicateName);
    EXPECT_EQ(addWorkingMethod({ QStringLiteral("　 "), 0, 0, 0 }), WriteResult::EmptyName);
    // A character beyond the basic plane at the cut is not split in half.
    QString wide = QStringLiteral("a").repeated(24) + QString::fromUcs4(U"\U00020B9F") + "b";
    EXPECT_EQ(cutMethodName(wide), QStringLiteral("a").repeated(24));
}

TEST_F(Anchors, WorkingCopiesReachTheRealTablesOnlyWhenCommitted)
{
    ASSERT_TRUE(refreshWorkingCopies());
    EXPECT_EQ(renameWorkingMethod(FrictionMethod, 0, QStringLiteral("改名工法")), WriteResult::Done);
    EXPECT_EQ(deleteWorkingMethod(Bearing, 5), WriteResult::Done);
    EXPECT_TRUE(methodNames(anchorMethods()).contains(FrictionMethod));
    ASSERT_TRUE(discardWorkingCopies());
    EXPECT_EQ(methodNames(workingMethods()), methodNames(anchorMethods()));

    EXPECT_EQ(renameWorkingMethod(FrictionMethod, 0, QStringLiteral("改名工法")), WriteResult::Done);
    EXPECT_EQ(deleteWorkingMethod(Bearing, 5), WriteResult::Done);
    ASSERT_TRUE(commitWorkingCopies());
    QStringList real = methodNames(anchorMethods());
    EXPECT_FALSE(real.contains(FrictionMethod) || real.contains(Bearing));
    // The designations moved with the renamed method and left with the deleted one.
    EXPECT_EQ(designations(QStringLiteral("改名工法"), 0).size(), 12);
    EXPECT_TRUE(designations(Bearing, 5).isEmpty());
}

TEST(ProductSelection, ALoadDistributionProductBringsItsBodiesOthersTheirSleeves)
{
    AnchorRecord a;
    a.Tendon.BodyCount = 5;
    a.Material.BodyStrandCount = { 9, 9, 9, 9, 9 };
    AnchorMethod m { "荷重分散型アンカー　差動緊張方式", 3, 3, 1 };
    takeDesignation(a, m, row("B2-6S15.2"));
    EXPECT_EQ(a.Tendon.AnchorTypeName, m.AncName);
    EXPECT_EQ(a.Tendon.TensioningType, 1);
    EXPECT_FLOAT_EQ(a.TendonYieldLoad, 1332);
    EXPECT_EQ(a.Tendon.BodyCount, 2);
    EXPECT_EQ(a.Material.BodyStrandCount, (std::array<std::int16_t, 5> { 3, 3, 0, 0, 0 }));
    EXPECT_EQ(a.Material.StrandSetCount, 6);

    AnchorRecord b;
    b.Tendon.BodyCount = 4;
    takeDesignation(b, { "SEEEグラウンドアンカー　F-MA型", 2, 2, 0 }, row("F50MA"));
    EXPECT_FLOAT_EQ(b.Spec2.UpperSleeve, 500);
    EXPECT_EQ(b.Tendon.BodyCount, 4);
}

TEST(ProductSelection, IncompleteDesignationsAreRecognised)
{
    AnchorDesignation d = row("B2");
    EXPECT_TRUE(designationComplete(d, 3));
    d.Taikatai[1] = 0; // body 2 without strands
    EXPECT_FALSE(designationComplete(d, 3));
    EXPECT_TRUE(designationComplete(d, 0)); // bodies concern type 3 only
    d.Danseikeisuu = 0;
    EXPECT_FALSE(designationComplete(d, 0));
}
