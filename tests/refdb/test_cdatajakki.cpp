// The jack editor's record.

#include "refdb/CDataJakki.h"

#include <gtest/gtest.h>

using tessaro::JackRecord;
using tessaro::refdb::CDataJakki;

namespace {

CDataJakki calibrated()
{
    CDataJakki j;
    j.No = 3;
    j.JakkiName = "TJ300-03";
    j.Nouryoku = 300;
    j.CarryAtu = { 10, 20 };
    j.CarrySyutu = { 100, 210 };
    return j;
}

} // namespace

TEST(CDataJakki, CheckModifySeesChangedValuesAndPairs)
{
    const CDataJakki original = calibrated();
    CDataJakki same;
    same.Copy(original);
    EXPECT_FALSE(same.CheckModify(original));
    CDataJakki changed = original;
    changed.CarryAtu[0] = 10.01;
    EXPECT_TRUE(changed.CheckModify(original));
    changed = original;
    changed.CarryAtu << 30;
    changed.CarrySyutu << 320;
    EXPECT_TRUE(original.CheckModify(changed)); // a pair added
    changed.InitData();
    EXPECT_EQ(changed.Nouryoku, CDataJakki::NoCapacity);
    EXPECT_EQ(changed.PairCount(), 0);
}

TEST(CDataJakki, TheAnchorsCopyCountsPairsPlusOneAndEmptiesMissingRemarks)
{
    CDataJakki j = calibrated();
    j.Strok = CDataJakki::NoValue;
    JackRecord r = j.toJackRecord();
    EXPECT_EQ(r.PointCount, 3);
    EXPECT_FLOAT_EQ(r.Outputs[1], 210);
    EXPECT_EQ(r.Stroke, 0);
    // Values typed with two decimals come back exactly, not as their single-precision neighbours.
    r.RamArea = 138.7f;
    r.Pressures[0] = 12.35f;
    CDataJakki back = CDataJakki::fromJackRecord(r);
    EXPECT_EQ(back.menseki, 138.7);
    EXPECT_EQ(back.CarryAtu, (QList<double> { 12.35, 20 }));
    EXPECT_EQ(CDataJakki::fromJackRecord(JackRecord {}).PairCount(), 0);
}

TEST(CDataJakki, PairsMustNotFallFromOneToTheNext)
{
    CDataJakki j = calibrated();
    j.CarryAtu = { 10, 10 }; // equal pressures are a vertical segment, not a fall
    EXPECT_TRUE(j.PairsAscending());
    j.CarrySyutu = { 210, 100 };
    EXPECT_FALSE(j.PairsAscending());
}
