// The jack editor's record, the jack list and the editor's changes.

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
    j.menseki = 86.7;
    j.CarryAtu = pressures;
    j.CarrySyutu = outputs;
    return j;
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

TEST(CDataJakki, TheAnchorsCopyCountsPairsPlusOneAndKeepsTypedDecimals)
{
    CDataJakki j = jackWithPairs("TJ300-03", { 10, 20 }, { 100, 210 });
    j.Strok = CDataJakki::NoValue;
    JackRecord r = j.toJackRecord();
    EXPECT_EQ(r.PointCount, 3);
    EXPECT_EQ(r.Stroke, 0); // a remark not given
    // Values typed with two decimals come back exactly, not as their single-precision neighbours.
    r.Pressures[0] = 12.35f;
    EXPECT_EQ(CDataJakki::fromJackRecord(r).CarryAtu, (QList<double> { 12.35, 20 }));
    CDataJakki copy;
    copy.Copy(j);
    copy.CarryAtu << 30;
    copy.CarrySyutu << 320;
    EXPECT_TRUE(j.CheckModify(copy)); // a pair added
    j.CarryAtu = { 10, 10 }; // equal pressures are a vertical segment, not a fall
    EXPECT_TRUE(j.PairsAscending());
    j.CarrySyutu = { 210, 100 };
    EXPECT_FALSE(j.PairsAscending());
}

TEST_F(Jacks, NewJackTakesTheNextNumberAndDeletingClosesTheGap)
{
    CDataJakki j = jackWithPairs("TJ-NEW", { 10, 20, 30 }, { 100, 210, 320 });
    j.Strok = CDataJakki::NoValue; // a remark left out is stored empty
    EXPECT_EQ(insertJack(j), WriteResult::Done);
    EXPECT_TRUE(scalar(jackPath(), "SELECT Strok FROM JakkiTBL WHERE J_No = 48").isNull());
    auto record = jackRecordByName("TJ-NEW");
    ASSERT_TRUE(record);
    EXPECT_EQ(record->PointCount, 4);
    EXPECT_FALSE(findJack("TJ-NEW")->CheckModify(j));

    const QString second = jackList()[1].JakkiName;
    EXPECT_EQ(deleteJack(jackList()[0].JakkiName), WriteResult::Done);
    EXPECT_EQ(jackList()[0].No, 1);
    EXPECT_EQ(jackList()[0].JakkiName, second);
    EXPECT_EQ(findJack("TJ-NEW")->No, 47);
    EXPECT_EQ(deleteJack(QStringLiteral("no such jack")), WriteResult::NotFound);
}

TEST_F(Jacks, NamesAreUniqueAndRecordsThatCannotBeStoredAreRefused)
{
    CDataJakki copy = jackWithPairs("tj200-01", { 10 }, { 100 });
    EXPECT_EQ(insertJack(copy), WriteResult::DuplicateName); // without regard to case
    // A jack keeps its own name when it is rewritten, but cannot take another's.
    CDataJakki first = *findJack("TJ200-01");
    first.CarryAtu[0] += 0.5;
    EXPECT_EQ(updateJack(first), WriteResult::Done);
    first.JakkiName = "TJ200-02";
    EXPECT_EQ(updateJack(first), WriteResult::DuplicateName);

    QList<double> many(21, 1.0);
    CDataJakki blank = jackWithPairs("  ", { 10 }, { 100 });
    CDataJakki tooMany = jackWithPairs("TJ-21", many, many);
    CDataJakki uneven = jackWithPairs("TJ-UNEVEN", { 10, 20 }, { 100 });
    CDataJakki nowhere = jackWithPairs("TJ-NOWHERE", { 10 }, { 100 });
    nowhere.No = 99;
    EXPECT_EQ(insertJack(blank), WriteResult::EmptyName);
    EXPECT_EQ(insertJack(tooMany), WriteResult::InvalidData);
    EXPECT_EQ(insertJack(uneven), WriteResult::InvalidData);
    EXPECT_EQ(updateJack(nowhere), WriteResult::NotFound);
    EXPECT_EQ(jackList().size(), 47);
}

