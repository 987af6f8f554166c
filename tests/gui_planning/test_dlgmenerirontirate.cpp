#include "DialogTestSupport.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/DlgMeneRirontiRate.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QLabel>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace tessaro;
using tessaro::test::control;
using ui::NumberBox;

namespace {

struct RateDialog : ::testing::Test {
    MessageScript messages;
    ui::ModalScript modal;
    void SetUp() override { InitProject(project(), 1); }

    // Opens the dialog, sets the two boxes and presses the button.
    bool edit(const QString& upper, const QString& lower, const char* button = "CmdOK")
    {
        modal.expect("DlgMeneRirontiRate", [=](QDialog& d) {
            control<NumberBox>(d, "ImNumJyougen")->SetText(upper);
            control<NumberBox>(d, "ImNumKagen")->SetText(lower);
            control<QPushButton>(d, button)->click();
        });
        return DlgMeneRirontiRate::ShowForm(nullptr);
    }
};

} // namespace

TEST_F(RateDialog, RatesStoredAsZeroComeBackAsTheDefaults)
{
    project().Settings.UpperRate = 0;
    project().Settings.LowerRate = 0;
    DlgMeneRirontiRate dialog;
    EXPECT_EQ(control<NumberBox>(dialog, "ImNumJyougen")->Text(), "1.10");
    EXPECT_EQ(control<NumberBox>(dialog, "ImNumKagen")->Text(), "0.90");
    EXPECT_FLOAT_EQ(project().Settings.UpperRate, 1.1f);
    EXPECT_FLOAT_EQ(project().Settings.LowerRate, 0.9f);
    EXPECT_TRUE(control<QLabel>(dialog, "LblFormula")->text().startsWith(QStringLiteral("δet")));
}

TEST_F(RateDialog, OkStoresBothRatesAndTheWorkingPair)
{
    ASSERT_TRUE(edit("1.15", "0.855"));
    const Project& p = project();
    EXPECT_FLOAT_EQ(p.Settings.UpperRate, 1.15f);
    EXPECT_FLOAT_EQ(p.Settings.LowerRate, 0.85f);
    EXPECT_FLOAT_EQ(p.UpperRateInUse, 1.15f);
    EXPECT_FLOAT_EQ(p.LowerRateInUse, 0.85f);

    // An emptied box is not set: the default comes back.
    ASSERT_TRUE(edit("", "0.80"));
    EXPECT_FLOAT_EQ(p.Settings.UpperRate, 1.1f);
    EXPECT_FLOAT_EQ(p.UpperRateInUse, 1.1f);
    EXPECT_FLOAT_EQ(p.LowerRateInUse, 0.8f);
    EXPECT_TRUE(messages.empty());
}

TEST_F(RateDialog, InvalidRatesKeepTheDialogOpenAndCancelChangesNothing)
{
    EXPECT_FALSE(edit("0.5", "0.90"));
    EXPECT_TRUE(messages.last().text.endsWith(QStringLiteral("入力範囲：1.00 ～ 9.99")));
    EXPECT_FLOAT_EQ(project().Settings.UpperRate, 1.1f);

    EXPECT_FALSE(edit("1.30", "0.70", "CmdCancel"));
    EXPECT_FLOAT_EQ(project().Settings.UpperRate, 1.1f);
    EXPECT_FLOAT_EQ(project().LowerRateInUse, 0.9f);
}
