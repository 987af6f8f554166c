// The jack editor's record.

#include "refdb/CDataJakki.h"

#include <gtest/gtest.h>

#include <functional>

using tessaro::JackRecord;
using tessaro::refdb::CDataJakki;

namespace {

CDataJakki calibrated()
{
    CDataJakki j;
    j.No = 3;
    j.JakkiName = "TJ300-03";
    j.Nouryoku = 300;
    j.Aturyoku = 50;
    j.menseki = 60;
    j.Strok = 150;
    j.CarryAtu = { 10, 20 };
    j.CarrySyutu = { 100, 210 };
    return j;
}

} // namespace

TEST(CDataJakki, StartsWithTheNoValueMarkersAndEmptyLists)
{
    CDataJakki j = calibrated();
    j.InitData();
    EXPECT_EQ(j.No, -1);
    EXPECT_EQ(j.Nouryoku, CDataJakki::NoCapacity);
    EXPECT_EQ(j.Strok, CDataJakki::NoValue);
    EXPECT_EQ(j.PairCount(), 0);
    EXPECT_TRUE(j.CarrySyutu.isEmpty());
    EXPECT_FALSE(CDataJakki().CheckModify(j));
}

TEST(CDataJakki, CheckModifySeesAChangeInAnyProperty)
{
    const CDataJakki original = calibrated();
    CDataJakki same;
    same.Copy(original);
    EXPECT_FALSE(same.CheckModify(original));

    const std::vector<std::function<void(CDataJakki&)>> changes = {
        [](CDataJakki& j) { j.No = 4; },
        [](CDataJakki& j) { j.JakkiName = "TJ300-04"; },
        [](CDataJakki& j) { j.Nouryoku = 301; },
        [](CDataJakki& j) { j.Aturyoku = 51; },
        [](CDataJakki& j) { j.menseki = 61; },
        [](CDataJakki& j) { j.Strok = 151; },
        [](CDataJakki& j) { j.CarrySyutu[1] = 211; },
        [](CDataJakki& j) { j.CarryAtu[0] = 10.01; },
        [](CDataJakki& j) {
            j.CarryAtu << 30;
            j.CarrySyutu << 320;
        }, // a pair added
        [](CDataJakki& j) {
            j.CarryAtu.removeLast();
            j.CarrySyutu.removeLast();
        },
    };
    for (std::size_t i = 0; i < changes.size(); ++i) {
        CDataJakki changed = original;
        changes[i](changed);
        EXPECT_TRUE(changed.CheckModify(original)) << "change " << i;
        EXPECT_TRUE(original.CheckModify(changed)) << "change " << i;
    }
}

TEST(CDataJakki, TheAnchorsCopyCountsPairsPlusOneAndEmptiesMissingRemarks)
{
    CDataJakki j = calibrated();
    j.Strok = CDataJakki::NoValue;
    JackRecord r = j.toJackRecord();
    EXPECT_EQ(r.JackNo, 3);
    EXPECT_EQ(r.PointCount, 3);
    EXPECT_FLOAT_EQ(r.Outputs[1], 210);
    EXPECT_EQ(r.Outputs[2], 0);
    EXPECT_EQ(r.Stroke, 0);
    EXPECT_EQ(r.Capacity, 300);

    // Values typed with two decimals come back exactly, not as their single-precision neighbours.
    r.RamArea = 138.7f;
    r.Pressures[0] = 12.35f;
    CDataJakki back = CDataJakki::fromJackRecord(r);
    EXPECT_EQ(back.menseki, 138.7);
    EXPECT_EQ(back.CarryAtu, (QList<double> { 12.35, 20 }));
    EXPECT_EQ(back.CarrySyutu, (QList<double> { 100, 210 }));

    JackRecord empty;
    EXPECT_EQ(CDataJakki::fromJackRecord(empty).PairCount(), 0);
    EXPECT_EQ(CDataJakki().toJackRecord().PointCount, 1);
}

TEST(CDataJakki, PairsMustNotFallFromOneToTheNext)
{
    CDataJakki j = calibrated();
    EXPECT_TRUE(j.PairsAscending());
    j.CarryAtu = { 10, 10 }; // equal pressures are a vertical segment, not a fall
    EXPECT_TRUE(j.PairsAscending());
    j.CarrySyutu = { 210, 100 };
    EXPECT_FALSE(j.PairsAscending());
    EXPECT_TRUE(CDataJakki {}.PairsAscending());
}
