// Load-bearing-body spacings of a load-distribution anchor.

#include "WindowDbTest.h"
#include "planning/frmTaikatai.h"

using namespace tessaro;
using tessaro::test::textOf;

namespace {

// Anchor 2 of two, the current one: three bodies in an anchor body of 3000 mm.
class BodySpacings : public test::WindowDbTest {
protected:
    void SetUp() override
    {
        WindowDbTest::SetUp();
        AnchorRecord& a = qualityProjectAt(2, 2);
        a.Tendon.AnchorTypeCode = 3;
        a.Tendon.AnchorLength = 3000;
        a.Tendon.BodyCount = 3;
        a.Tendon.BodyInterval = { 500, 500, 2000, 0, 0 };
    }
    // ShowForm on the current anchor with the spacings typed in, their total
    // read, and OK pressed.
    bool enter(const QStringList& spacings, const QString& total)
    {
        return test::drive(
            "frmTaikatai",
            [&](QDialog& d) {
                for (int row = 1; row <= spacings.size(); ++row)
                    grid(d)->EnterText(1, row, spacings[row - 1]);
                EXPECT_TRUE(grid(d)->Lock(1, 4)); // the anchor has three bodies
                EXPECT_EQ(textOf(d, "LblAnctaityou"), "3000 mm");
                EXPECT_EQ(textOf(d, "LblGoukei"), total);
                test::click(d, "CmdOK");
            },
            [] { return frmTaikatai::ShowForm(nullptr); });
    }
};

} // namespace

TEST_F(BodySpacings, AShortTotalIsRefusedAndOneEqualToTheAnchorBodyStored)
{
    // Which totals are refused with which text is the core's; the window must keep the spacings.
    EXPECT_FALSE(enter({ "1000", "1000", "999" }, "2999 mm"));
    EXPECT_EQ(test::lastText(messages),
        QStringLiteral("耐荷体間隔合計がアンカー体長と一致しません。入力し直してください。 "));
    EXPECT_EQ(project().anchor(2).Tendon.BodyInterval, (std::array<float, 5> { 500, 500, 2000, 0, 0 }));

    EXPECT_TRUE(enter({ "1000", "1000", "1000" }, "3000 mm"));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(project().anchor(2).Tendon.BodyInterval, (std::array<float, 5> { 1000, 1000, 1000, 0, 0 }));
    EXPECT_EQ(project().anchor(1).Tendon.BodyInterval, (std::array<float, 5> {}));
}
