// The dialogs of the judgement settings: the edition with its constants, and
// the rates of the elastic-displacement limits.

#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/DlgMeneRirontiRate.h"
#include "planning/DlgSelectBook.h"
#include "support/GuiTestSupport.h"

#include <QRadioButton>

using namespace tessaro;
using test::click;
using test::control;
using test::textOf;

namespace {

void setBox(QWidget& d, const QString& name, const QString& text)
{
    control<ui::NumberBox>(d, name)->SetText(text);
}

// Opens the rate dialog, sets both rates and presses the button.
bool editRates(const QString& upper, const QString& lower, const char* button = "CmdOK")
{
    return test::drive(
        "DlgMeneRirontiRate",
        [=](QDialog& d) {
            setBox(d, "ImNumJyougen", upper);
            setBox(d, "ImNumKagen", lower);
            click(d, button);
        },
        [] { return DlgMeneRirontiRate::ShowForm(nullptr); });
}

} // namespace

TEST(DlgSelectBook, TheOlderEditionWithItsConstantsGoesIntoTheProject)
{
    InitProject(project(), 1);
    MessageScript messages;
    JudgementConstants values = judgementConstants(project());
    auto steps = [&](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "OptSelect_1")->isChecked());
        EXPECT_EQ(textOf(d, "imTKuripu_5"), "0.25");
        click(d, "OptSelect_0");
        EXPECT_FALSE(test::enabled(d, "FrameNew"));
        // The older edition still needs every value; an empty box is named with its edition.
        setBox(d, "imTKuripu_1", "");
        click(d, "CmdOK");
        EXPECT_EQ(
            test::lastText(messages), QStringLiteral("クリープ係数判定値に空白があります。\n(平成12年3月23日改定)"));
        setBox(d, "imTKuripu_1", "1.50");
        setBox(d, "imTKuripu_5", "0.30");
        click(d, "CmdOK");
    };
    ASSERT_TRUE(test::drive("DlgSelectBook", steps, [&] { return DlgSelectBook::ShowForm(nullptr, values); }));
    EXPECT_EQ(messages.shown().size(), 1u);
    storeJudgementConstants(project(), values);
    const ProjectSettings& s = project().Settings;
    EXPECT_EQ(s.StandardEdition, 0);
    EXPECT_DOUBLE_EQ(s.CreepJudgeValues[0], 1.5);
    EXPECT_DOUBLE_EQ(s.CreepJudgeValues[4], 0.3);
    EXPECT_DOUBLE_EQ(s.TpLimitCoefA, 1.25);

    auto cancel = [](QDialog& d) {
        setBox(d, "imTTpA", "2.00");
        click(d, "CmdCancel");
    };
    EXPECT_FALSE(test::drive("DlgSelectBook", cancel, [&] { return DlgSelectBook::ShowForm(nullptr, values); }));
    EXPECT_DOUBLE_EQ(values.tpCoefA, 1.25);
}

TEST(DlgMeneRirontiRate, OpensOnTheDefaultsAndOkStoresTheCheckedRates)
{
    InitProject(project(), 1);
    project().Settings.UpperRate = 0; // stored as zero: never set
    project().Settings.LowerRate = 0;
    {
        DlgMeneRirontiRate dialog;
        EXPECT_EQ(textOf(dialog, "ImNumJyougen"), "1.10");
        EXPECT_EQ(textOf(dialog, "ImNumKagen"), "0.90");
    }
    MessageScript messages;
    EXPECT_FALSE(editRates("0.5", "0.90")); // the upper rate lies in 1.00 … 9.99
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_FALSE(editRates("1.30", "0.70", "CmdCancel"));
    const Project& p = project();
    EXPECT_FLOAT_EQ(p.Settings.UpperRate, 1.1f);

    ASSERT_TRUE(editRates("1.15", "0.855"));
    EXPECT_FLOAT_EQ(p.Settings.UpperRate, 1.15f);
    EXPECT_FLOAT_EQ(p.LowerRateInUse, 0.85f); // cut to the box's two decimals
    // An emptied box is not set: its default comes back.
    ASSERT_TRUE(editRates("", "0.80"));
    EXPECT_FLOAT_EQ(p.UpperRateInUse, 1.1f);
    EXPECT_FLOAT_EQ(p.LowerRateInUse, 0.8f);
    EXPECT_EQ(messages.shown().size(), 1u);
}
