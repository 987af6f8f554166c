// The jack list and the jack editor's changes.

#include "RefDbTest.h"

#include "refdb/JackDatabase.h"

using namespace tessaro;
using namespace tessaro::refdb;
using tessaro::test::RefDbTest;

namespace {

CDataJakki jackWithPairs(const QString& name, QList<double> pressures, QList<double> outputs)
{
    CDataJakki j;
    j.JakkiName = name;
    j.Nouryoku = 500;
    j.Aturyoku = 60;
    j.menseki = 86.7;
    j.Strok = 200;
    j.CarryAtu = pressures;
    j.CarrySyutu = outputs;
    return j;
}

QStringList names(const QList<CDataJakki>& jacks)
{
    QStringList n;
    for (const CDataJakki& j : jacks)
        n << QString::number(j.No) + ":" + j.JakkiName;
    return n;
}

} // namespace

class Jacks : public RefDbTest {
protected:
    void SetUp() override
    {
        RefDbTest::SetUp();
        startUp();
    }
};

TEST_F(Jacks, DeletingJackTwoOfFourMovesThreeAndFourUp)
{
    run(jackPath(), "DELETE FROM JakkiTBL WHERE J_No > 4");
    auto before = jackList();
    ASSERT_EQ(before.size(), 4);
    EXPECT_EQ(deleteJack(before[1].JakkiName), WriteResult::Done);
    EXPECT_EQ(names(jackList()),
        (QStringList { "1:" + before[0].JakkiName, "2:" + before[2].JakkiName, "3:" + before[3].JakkiName }));
    EXPECT_EQ(deleteJack(QStringLiteral("no such jack")), WriteResult::NotFound);
    EXPECT_EQ(jackList().size(), 3);
}

TEST_F(Jacks, NewJackTakesTheNextNumberAndStoresPairsPlusOne)
{
    CDataJakki j = jackWithPairs("TJ-NEW", { 10, 20, 30 }, { 100, 210, 320 });
    EXPECT_EQ(insertJack(j), WriteResult::Done);
    EXPECT_EQ(j.No, 48);
    EXPECT_EQ(scalar(jackPath(), "SELECT DataNum FROM JakkiTBL WHERE J_No = 48").toInt(), 4);
    EXPECT_EQ(scalar(jackPath(), "SELECT Syuturyoku4 FROM JakkiTBL WHERE J_No = 48").toDouble(), 0.0);

    auto record = jackRecordByName("TJ-NEW");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->JackNo, 48);
    EXPECT_EQ(record->PointCount, 4);
    EXPECT_FLOAT_EQ(record->Pressures[1], 20);
    EXPECT_FLOAT_EQ(record->Outputs[2], 320);
    EXPECT_FLOAT_EQ(record->RamArea, 86.7f);
    EXPECT_FALSE(jackRecordByName("TJ-MISSING"));
}

TEST_F(Jacks, RemarkValuesLeftOutAreStoredEmpty)
{
    CDataJakki j = jackWithPairs("TJ-BARE", { 10, 20 }, { 100, 200 });
    j.Nouryoku = CDataJakki::NoCapacity;
    j.Strok = CDataJakki::NoValue;
    ASSERT_EQ(insertJack(j), WriteResult::Done);
    EXPECT_TRUE(scalar(jackPath(), "SELECT Nouryoku FROM JakkiTBL WHERE Jakki_Name = 'TJ-BARE'").isNull());
    EXPECT_TRUE(scalar(jackPath(), "SELECT Strok FROM JakkiTBL WHERE Jakki_Name = 'TJ-BARE'").isNull());
    auto back = findJack("TJ-BARE");
    ASSERT_TRUE(back);
    EXPECT_EQ(back->Nouryoku, CDataJakki::NoCapacity);
    EXPECT_EQ(back->Strok, CDataJakki::NoValue);
    EXPECT_FALSE(back->CheckModify(j));
    EXPECT_EQ(back->toJackRecord().Capacity, 0.0f);
}

TEST_F(Jacks, NamesAreUniqueWithoutRegardToCase)
{
    EXPECT_TRUE(jackNameExists("tj200-01"));
    CDataJakki copy = jackWithPairs("tj200-01", { 10 }, { 100 });
    EXPECT_EQ(insertJack(copy), WriteResult::DuplicateName);
    EXPECT_EQ(copy.No, -1);

    // A jack keeps its own name when it is rewritten, but cannot take another's.
    CDataJakki first = *findJack("TJ200-01");
    EXPECT_FALSE(jackNameExists("TJ200-01", first.No));
    first.CarryAtu[0] += 0.5;
    EXPECT_EQ(updateJack(first), WriteResult::Done);
    first.JakkiName = "TJ200-02";
    EXPECT_EQ(updateJack(first), WriteResult::DuplicateName);
    EXPECT_EQ(jackList().size(), 47);
}

TEST_F(Jacks, RecordsThatCannotBeStoredAreRefused)
{
    CDataJakki blank = jackWithPairs("  ", { 10 }, { 100 });
    EXPECT_EQ(insertJack(blank), WriteResult::EmptyName);
    QList<double> many;
    for (int i = 1; i <= 21; ++i)
        many << i;
    CDataJakki tooMany = jackWithPairs("TJ-21", many, many);
    EXPECT_EQ(insertJack(tooMany), WriteResult::InvalidData);
    CDataJakki uneven = jackWithPairs("TJ-UNEVEN", { 10, 20 }, { 100 });
    EXPECT_EQ(insertJack(uneven), WriteResult::InvalidData);
    CDataJakki nowhere = jackWithPairs("TJ-NOWHERE", { 10 }, { 100 });
    nowhere.No = 99;
    EXPECT_EQ(updateJack(nowhere), WriteResult::NotFound);
    EXPECT_EQ(jackList().size(), 47);
}

TEST_F(Jacks, ANameWithQuotesSemicolonsAndCommentMarksIsStoredExactlyAndTouchesNoOtherRow)
{
    const QString tricky = QStringLiteral("O'Neil\"; DELETE FROM JakkiTBL; -- 'x' = 'x");
    QStringList before = dump(jackPath(), "JakkiTBL");

    CDataJakki j = jackWithPairs(tricky, { 10, 20 }, { 100, 200 });
    ASSERT_EQ(insertJack(j), WriteResult::Done);
    EXPECT_EQ(dump(jackPath(), "JakkiTBL").mid(0, 47), before);
    auto found = findJack(tricky);
    ASSERT_TRUE(found);
    EXPECT_EQ(found->JakkiName, tricky);
    EXPECT_TRUE(jackNameExists(tricky));

    j.Strok = 250;
    EXPECT_EQ(updateJack(j), WriteResult::Done);
    EXPECT_EQ(dump(jackPath(), "JakkiTBL").mid(0, 47), before);
    EXPECT_EQ(findJack(tricky)->Strok, 250);

    EXPECT_EQ(deleteJack(tricky), WriteResult::Done);
    EXPECT_EQ(dump(jackPath(), "JakkiTBL"), before);
}

TEST_F(Jacks, ListIsInNumberOrderWithAllColumns)
{
    run(jackPath(), "UPDATE JakkiTBL SET J_No = 100 WHERE J_No = 1");
    auto jacks = jackList();
    EXPECT_EQ(jacks.first().No, 2);
    EXPECT_EQ(jacks.last().No, 100);
    EXPECT_EQ(jacks.last().JakkiName, "TJ200-01");
    EXPECT_EQ(jacks.last().PairCount(), 10);
    EXPECT_DOUBLE_EQ(jacks.last().menseki, 40);
}
