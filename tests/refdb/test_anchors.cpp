// Anchor methods, their designations and the method editor's working copies.

#include "RefDbTest.h"

#include "refdb/AnchorMethodEditor.h"
#include "refdb/AnchorProducts.h"

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

namespace {

const QString FrictionMethod = QStringLiteral("摩擦引張型アンカー　12.7mm");
// Short enough to be kept whole as a method name.
const QString Tricky = QStringLiteral("工'\"; DROP ComboTBL; --");

AnchorDesignation row(const QString& yobina, double tus)
{
    AnchorDesignation d;
    d.Yobina = yobina;
    d.Hippari = tus;
    d.Koufuku = tus * 0.85;
    d.Danmenseki = 138.7;
    d.Danseikeisuu = 195;
    d.Sakukoukei = 115;
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

TEST_F(Anchors, MethodsComeOrderedByName)
{
    QStringList n = methodNames(anchorMethods());
    ASSERT_EQ(n.size(), 9);
    QStringList sorted = n;
    std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) { return a.compare(b) < 0; });
    EXPECT_EQ(n, sorted);
}

TEST_F(Anchors, SavingKeepsOnlyTheColumnsOfTheTypeAndReplacesTheOldRows)
{
    ASSERT_TRUE(saveDesignations(FrictionMethod, 0, { row("A1", 300), row("A2", 600) }));
    auto saved = designations(FrictionMethod, 0);
    ASSERT_EQ(saved.size(), 2);
    EXPECT_EQ(saved[0].Yobina, "A1");
    EXPECT_EQ(saved[0].AncName, FrictionMethod);
    EXPECT_DOUBLE_EQ(saved[0].MikakeSyuutyou, 120.5);
    EXPECT_EQ(saved[0].UeMansyon, 0);
    EXPECT_EQ(saved[0].ShitaMansyon, 0);
    EXPECT_EQ(saved[0].KTB_Taikatai, 0);
    EXPECT_EQ(saved[0].Taikatai, (std::array<int, 5> {}));
    EXPECT_EQ(saved[0].KousenNum, 0);

    // Type 2 keeps both sleeves; type 3 keeps the bodies it has and drops the third.
    AnchorDesignation t2 = keepColumnsOfType(row("B", 1), 2);
    EXPECT_EQ(t2.UeMansyon, 500);
    EXPECT_EQ(t2.ShitaMansyon, 180);
    EXPECT_EQ(t2.KousenNum, 0);
    AnchorDesignation t3 = keepColumnsOfType(row("C", 1), 3);
    EXPECT_EQ(t3.MikakeSyuutyou, 0);
    EXPECT_EQ(t3.UeMansyon, 0);
    EXPECT_EQ(t3.Taikatai, (std::array<int, 5> { 3, 3, 0, 0, 0 }));
    EXPECT_EQ(t3.KousenNum, 6);

    // Other methods keep their rows.
    EXPECT_EQ(designations(QStringLiteral("摩擦引張型アンカー　15.2mm"), 0).size(), 12);
    EXPECT_TRUE(deleteDesignations(FrictionMethod, 0));
    EXPECT_TRUE(designations(FrictionMethod, 0).isEmpty());
    EXPECT_EQ(designations(QStringLiteral("摩擦引張型アンカー　15.2mm"), 0).size(), 12);
}

TEST_F(Anchors, AMethodNameWithQuotesAndCommentMarksRoundTripsAndTouchesNoOtherRow)
{
    QStringList before = dump(anchorPath(), "AnchorTBL");
    ASSERT_TRUE(saveDesignations(Tricky, 1, { row("X1", 100) }));
    auto saved = designations(Tricky, 1);
    ASSERT_EQ(saved.size(), 1);
    EXPECT_EQ(saved[0].AncName, Tricky);
    EXPECT_EQ(dump(anchorPath(), "AnchorTBL").mid(0, before.size()), before);
    ASSERT_TRUE(deleteDesignations(Tricky, 1));
    EXPECT_EQ(dump(anchorPath(), "AnchorTBL"), before);

    ASSERT_TRUE(refreshWorkingCopies());
    ASSERT_EQ(cutMethodName(Tricky), Tricky);
    AnchorMethod m { Tricky, 1, 1, 0 };
    EXPECT_EQ(addWorkingMethod(m), WriteResult::Done);
    EXPECT_TRUE(methodNames(workingMethods()).contains(Tricky));
    const QString renamed = QStringLiteral("改'名\"; DROP TABLE x; --");
    EXPECT_EQ(renameWorkingMethod(Tricky, 1, renamed), WriteResult::Done);
    EXPECT_EQ(deleteWorkingMethod(renamed, 1), WriteResult::Done);
    EXPECT_EQ(workingMethods().size(), 9);
    EXPECT_EQ(dump(anchorPath(), "BackAnchorTBL"), before);
}

TEST_F(Anchors, NewMethodNamesAreCutTo25Characters)
{
    const QString thirty = QStringLiteral("あいうえおかきくけこさしすせそたちつてとなにぬねのはひふへほ");
    ASSERT_EQ(thirty.size(), 30);
    ASSERT_TRUE(refreshWorkingCopies());
    EXPECT_EQ(addWorkingMethod({ thirty, 0, 0, 0 }), WriteResult::Done);
    EXPECT_TRUE(methodNames(workingMethods()).contains(thirty.left(25)));
    EXPECT_EQ(addWorkingMethod({ thirty.left(25) + QStringLiteral("別"), 0, 0, 0 }), WriteResult::DuplicateName);
    EXPECT_EQ(addWorkingMethod({ QStringLiteral("　 "), 0, 0, 0 }), WriteResult::EmptyName);
    EXPECT_EQ(renameWorkingMethod(thirty.left(25), 0, QStringLiteral("x").repeated(40)), WriteResult::Done);
    EXPECT_TRUE(methodNames(workingMethods()).contains(QStringLiteral("x").repeated(25)));

    // A character beyond the basic plane at the cut is not split in half.
    QString wide = QStringLiteral("a").repeated(24) + QString::fromUcs4(U"\U00020B9F") + "b";
    EXPECT_EQ(cutMethodName(wide), QStringLiteral("a").repeated(24));
}

TEST_F(Anchors, WorkingCopiesReachTheRealTablesOnlyWhenCommitted)
{
    ASSERT_TRUE(refreshWorkingCopies());
    EXPECT_EQ(renameWorkingMethod(FrictionMethod, 0, QStringLiteral("改名工法")), WriteResult::Done);
    EXPECT_EQ(deleteWorkingMethod(QStringLiteral("支圧型アンカー"), 5), WriteResult::Done);
    EXPECT_EQ(deleteWorkingMethod(QStringLiteral("支圧型アンカー"), 5), WriteResult::NotFound);
    EXPECT_EQ(renameWorkingMethod(QStringLiteral("改名工法"), 0, QStringLiteral("摩擦引張型アンカー　15.2mm")),
        WriteResult::DuplicateName);
    EXPECT_TRUE(methodNames(anchorMethods()).contains(FrictionMethod));

    ASSERT_TRUE(discardWorkingCopies());
    EXPECT_EQ(methodNames(workingMethods()), methodNames(anchorMethods()));

    EXPECT_EQ(renameWorkingMethod(FrictionMethod, 0, QStringLiteral("改名工法")), WriteResult::Done);
    EXPECT_EQ(deleteWorkingMethod(QStringLiteral("支圧型アンカー"), 5), WriteResult::Done);
    ASSERT_TRUE(commitWorkingCopies());
    QStringList real = methodNames(anchorMethods());
    EXPECT_TRUE(real.contains(QStringLiteral("改名工法")));
    EXPECT_FALSE(real.contains(FrictionMethod));
    EXPECT_FALSE(real.contains(QStringLiteral("支圧型アンカー")));
    // The designations moved with the renamed method and left with the deleted one.
    EXPECT_EQ(designations(QStringLiteral("改名工法"), 0).size(), 12);
    EXPECT_TRUE(designations(FrictionMethod, 0).isEmpty());
    EXPECT_TRUE(designations(QStringLiteral("支圧型アンカー"), 5).isEmpty());
}
