#include "support/CompleteAnchors.h"

#include "planning/AnchorCheck.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>

using namespace tessaro;

namespace {

// Fills the item a code asks for, as the user would after reading the message.
void fill(AnchorRecord& a, HoldingSchedule& s, int code, int type)
{
    const std::map<int, std::function<void()>> items = {
        { 1, [&] { a.AnchorNo = "A-1"; } },
        { 2, [&] { a.AnchorNote = QStringLiteral("適性試験"); } },
        { 5, [&] { a.AnchorageGround = 1; } },
        { 6, [&] { (a.AnchoringType < 0 ? a.AnchoringType : a.LockOffMode) = 0; } },
        { 7, [&] { a.SetAmount = 0.0; } }, // no set at all is an entry too
        { 8, [&] { a.LockOffLoad = 360; } },
        { 9, [&] { a.Tendon.AnchorTypeCode = std::int16_t(type); } },
        { 10, [&] { a.Tendon.AnchorRank = 1; } },
        { 11, [&] { a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー"); } },
        { 12, [&] { a.Tendon.FreeLength = 9000; } },
        { 33, [&] { a.Tendon.FreeLength = 9000; } },
        { 14, [&] { a.Tendon.AnchorLength = 6000; } },
        { 15, [&] { a.Tendon.BodyCount = 2; } },
        { 21, [&] { a.Spec2.LoadingMinutes = 1; } },
        { 22, [&] { a.Spec2.UnloadingMinutes = 1; } },
        { 25, [&] { a.DesignSkinFriction = 0.3f; } },
        { 26, [&] { a.Tendon.ExtraLength = 1000; } },
        { 27, [&] { a.DrillDiameter = 135; } },
        { 29, [&] { a.ApparentPerimeter = 60; } },
        { 30, [&] { a.BondStress = 1.6f; } },
        { 32, [&] { s.SetFlag = 1; } },
        { 34, [&] { a.Material.TendonModulus = 191; } },
        { 35, [&] { a.Tendon.TensioningType = 0; } },
        { 36, [&] { a.DesignAnchorForce = 400; } },
        { 37, [&] { a.Plan.PlannedMaxLoad = 500; } },
        { 38, [&] { a.Plan.InitialLoad = 50; } },
        { 39, [&] { a.Material.ReductionCoefficient = 0.9f; } },
        { 40, [&] { a.Tendon.TensionFreeLength = 10000; } },
    };
    ASSERT_TRUE(items.count(code)) << "no item for code " << code;
    items.at(code)();
}

// The codes an empty anchor of the type reports, one after the other, while
// the user fills each reported item.
std::vector<int> codesInOrder(AnchorRecord a, bool basic, int type)
{
    HoldingSchedule s;
    std::vector<int> codes;
    for (int code = AnchorCheckCode(a, s, basic); code != 0 && codes.size() < 40; code = AnchorCheckCode(a, s, basic)) {
        codes.push_back(code);
        fill(a, s, code, type);
    }
    return codes;
}

} // namespace

TEST(AnchorCheck, EmptyAnchorsAskForTheirItemsInOrder)
{
    AnchorRecord classOne;
    classOne.Tendon.AnchorTypeName = QStringLiteral("Cターン SEEE F50");
    struct Case {
        const char* what;
        AnchorRecord anchor;
        bool basic;
        int type;
        std::vector<int> codes;
    };
    const Case cases[] = {
        { "friction anchor of a quality project", {}, false, 0,
            { 2, 36, 6, 7, 6, 8, 9, 10, 12, 35, 26, 40, 34, 5, 21, 22, 37, 38, 32, 14, 11, 1 } },
        { "load distribution: length and bodies with the particulars", {}, false, 3,
            { 2, 36, 6, 7, 6, 8, 9, 10, 12, 14, 15, 35, 26, 40, 34, 5, 21, 22, 37, 38, 32, 11, 1 } },
        { "SEEE type: Lsf as given; product class 1 needs α", classOne, false, 1,
            { 2, 36, 6, 7, 6, 8, 9, 10, 33, 35, 39, 40, 34, 5, 21, 22, 37, 38, 32, 14, 1 } },
        // Its test name is the fixed category text the window shows.
        { "pull-out test: its conditions and the bond length check", {}, true, 0,
            { 25, 27, 9, 12, 14, 35, 26, 40, 34, 5, 21, 22, 37, 38, 32, 29, 30, 11, 1 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(codesInOrder(c.anchor, c.basic, c.type), c.codes) << c.what;
    EXPECT_EQ(AnchorCheckCode(test::completeBasicAnchor(), test::setSchedule(), true), 0);
    for (int silent : { 0, 16, 28, 99 }) // codes without an item say nothing
        EXPECT_TRUE(AnchorCheckMessage(silent).isEmpty()) << silent;
}

TEST(AnchorCheck, ConditionalItemsOfACompleteAnchor)
{
    const HoldingSchedule s = test::setSchedule();
    AnchorRecord a = test::completeQualityAnchor(1);
    EXPECT_EQ(AnchorCheckCode(a, s, false), 0);
    a.DesignAnchorForce = 0; // one design force is enough
    EXPECT_EQ(AnchorCheckCode(a, s, false), 0);
    a.DesignAnchorForceSeismic = 0;
    EXPECT_EQ(AnchorCheckCode(a, s, false), 36);

    a = test::completeQualityAnchor(1);
    a.LockOffMode = 1; // lock-off by ratio needs the ratio
    a.LockOffRatio = 0;
    EXPECT_EQ(AnchorCheckCode(a, s, false), 8);

    a = test::completeQualityAnchor(1);
    a.Spec2.LoadChangeBySpeed = 1; // load changes by rate need both rates
    a.Spec2.LoadingRate = 50;
    EXPECT_EQ(AnchorCheckCode(a, s, false), 22);

    a = test::completeQualityAnchor(1);
    a.Tendon.TensionFreeLength = -20; // a negative Lsf is reported before the plan
    a.Plan.PlannedMaxLoad = 0;
    EXPECT_EQ(AnchorCheckCode(a, s, false), 31);
}

TEST(AnchorListCheck, NamesBeforeModuliAndAnchorsWithoutDataSkipped)
{
    Project p;
    test::makeQualityProject(p, 4);
    p.anchor(2).Material.TendonModulus = 0;
    EXPECT_EQ(AnchorListCheckCode(p), 2);
    // An anchor with readings but no name is reported, even below the modulus.
    p.anchor(4).AnchorNo.clear();
    p.anchor(4).ReadingCount = 3;
    EXPECT_EQ(AnchorListCheckCode(p), 1);
    // An anchor without any data (a grey row) is not asked for.
    p.anchor(4).ReadingCount = 0;
    p.anchor(2).Material.TendonModulus = 191;
    EXPECT_EQ(AnchorListCheckCode(p), 0);
}
