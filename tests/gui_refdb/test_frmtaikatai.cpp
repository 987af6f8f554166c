// Load-bearing-body spacings of a load-distribution anchor.

#include "WindowDbTest.h"
#include "planning/frmTaikatai.h"
#include "ui/SpreadGrid.h"

#include <QLabel>
#include <QPushButton>

using namespace tessaro;
using tessaro::test::control;

namespace {

class BodySpacings : public test::WindowDbTest {
protected:
    void SetUp() override
    {
        WindowDbTest::SetUp();
        project().TestCategory = 1;
        InitProject(project(), 2);
        project().CurrentAnchor = 2;
        AnchorRecord& a = project().anchor(2);
        a.Tendon.AnchorTypeCode = 3;
        a.Tendon.AnchorLength = 3000;
        a.Tendon.BodyCount = 3;
        a.Tendon.BodyInterval = { 500, 500, 2000, 0, 0 };
    }
    // ShowForm on the current anchor with the spacings typed in and OK pressed.
    bool enter(const QStringList& spacings)
    {
        ui::ModalScript modal;
        modal.expect("frmTaikatai", [&](QDialog& d) {
            auto* grid = control<ui::SpreadGrid>(d, "vaSpread1");
            for (int row = 1; row <= spacings.size(); ++row)
                grid->EnterText(1, row, spacings[row - 1]);
            control<QPushButton>(d, "CmdOK")->click();
        });
        return frmTaikatai::ShowForm(nullptr);
    }
    MessageScript messages;
};

} // namespace

TEST_F(BodySpacings, ShowsTheSpacingsAndTheirTotal)
{
    frmTaikatai w(project().anchor(2));
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    EXPECT_EQ(grid->MaxRows(), 5);
    EXPECT_EQ(grid->GetText(1, 3), "2000");
    EXPECT_TRUE(grid->Lock(1, 4)); // the anchor has three bodies
    EXPECT_EQ(control<QLabel>(w, "LblAnctaityou")->text(), "3000 mm");
    EXPECT_EQ(control<QLabel>(w, "LblGoukei")->text(), "3000 mm");
    grid->EnterText(1, 1, "400");
    EXPECT_EQ(control<QLabel>(w, "LblGoukei")->text(), "2900 mm");
}

TEST_F(BodySpacings, ATotalEqualToTheAnchorBodyIsStored)
{
    EXPECT_TRUE(enter({ "1000", "1000", "1000" }));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(project().anchor(2).Tendon.BodyInterval, (std::array<float, 5> { 1000, 1000, 1000, 0, 0 }));
    EXPECT_EQ(project().anchor(1).Tendon.BodyInterval, (std::array<float, 5> {}));
}

TEST_F(BodySpacings, AShortTotalIsRefused)
{
    // Which totals are refused with which text is the core's; the window must keep the spacings.
    EXPECT_FALSE(enter({ "1000", "1000", "999" }));
    EXPECT_EQ(
        messages.last().text, QStringLiteral("耐荷体間隔合計がアンカー体長と一致しません。入力し直してください。 "));
    EXPECT_EQ(project().anchor(2).Tendon.BodyInterval, (std::array<float, 5> { 500, 500, 2000, 0, 0 }));
}
