#include "DialogTestSupport.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "planning/DlgSelectBook.h"
#include "ui/EntryBoxes.h"
#include "ui/Modal.h"

#include <QApplication>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <gtest/gtest.h>

using namespace tessaro;
using tessaro::test::control;
using ui::NumberBox;

namespace {

const QStringList AllBoxes = { "imTTpA", "imTTpB", "imTKuripu_2", "imTKuripu_3", "imTKuripu_4", "imTKuripu_5",
    "imTKuripu_1", "imTKuripuExtend" };

struct SelectBook : ::testing::Test {
    MessageScript messages;
    DlgSelectBook dialog { JudgementConstants {} };

    NumberBox* box(const QString& name) { return control<NumberBox>(dialog, name); }
    void clickOk() { control<QPushButton>(dialog, "CmdOK")->click(); }
    QString lastMessage() const { return messages.empty() ? QString() : messages.last().text; }
};

} // namespace

TEST_F(SelectBook, OpensOnTheCurrentEditionWithItsValues)
{
    EXPECT_TRUE(control<QRadioButton>(dialog, "OptSelect_1")->isChecked());
    EXPECT_TRUE(control<QGroupBox>(dialog, "FrameNew")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>(dialog, "FrameOLD")->isEnabled());
    EXPECT_EQ(box("imTKuripu_5")->Text(), "0.25");
    EXPECT_EQ(box("imTTpB")->Text(), "1.10");

    control<QRadioButton>(dialog, "OptSelect_0")->click();
    EXPECT_TRUE(control<QGroupBox>(dialog, "FrameOLD")->isEnabled());
    EXPECT_FALSE(control<QGroupBox>(dialog, "FrameNew")->isEnabled());
    EXPECT_FALSE(box("imTTpA")->isEnabled());
}

TEST_F(SelectBook, OkReportsTheEmptyBoxesInOrder)
{
    dialog.show();
    control<QRadioButton>(dialog, "OptSelect_0")->click(); // the 2000 edition still needs every 2012 value
    for (const QString& name : AllBoxes)
        box(name)->clear();
    const QString e2012 = QStringLiteral("\n(平成24年5月31日改定)");
    const QStringList expected = {
        QStringLiteral("計画最大荷重の制限のランクＡに関する係数が空白です。") + e2012,
        QStringLiteral("計画最大荷重の制限のランクＢに関する係数が空白です。") + e2012,
        QStringLiteral("クリープ係数判定値に空白があります。") + e2012,
        QStringLiteral("クリープ係数判定値に空白があります。") + e2012,
        QStringLiteral("クリープ係数判定値に空白があります。") + e2012,
        QStringLiteral("クリープ係数判定値に空白があります。") + e2012,
        QStringLiteral("クリープ係数判定値に空白があります。\n(平成12年3月23日改定)"),
        QStringLiteral("クリープ係数判定値に空白があります。") + e2012,
    };
    // Filling the boxes one by one in the order of the checks walks through the messages.
    for (int i = 0; i < AllBoxes.size(); ++i) {
        clickOk();
        EXPECT_EQ(lastMessage(), expected[i]) << i;
        EXPECT_TRUE(dialog.isVisible());
        box(AllBoxes[i])->SetText(QString::number(1 + i * 0.1, 'f', 2));
    }
    messages.clear();
    clickOk();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    const JudgementConstants& v = dialog.values();
    EXPECT_DOUBLE_EQ(v.tpCoefA, 1.0);
    EXPECT_DOUBLE_EQ(v.tpCoefB, 1.1);
    EXPECT_DOUBLE_EQ(v.creep[1], 1.2);
    EXPECT_DOUBLE_EQ(v.creep[4], 1.5);
    EXPECT_DOUBLE_EQ(v.creep[0], 1.6);
    EXPECT_DOUBLE_EQ(v.creepExtend, 1.7);
}

TEST_F(SelectBook, BoxesAreCheckedWhenTheEntryEnds)
{
    dialog.show();
    QApplication::setActiveWindow(&dialog);
    box("imTKuripu_3")->SetFocus();
    box("imTKuripu_3")->SetText("0.555");
    box("imTKuripu_2")->SetFocus();
    EXPECT_EQ(box("imTKuripu_3")->Text(), "0.55");
    box("imTKuripu_2")->SetText("10");
    box("imTKuripu_4")->SetFocus();
    EXPECT_FALSE(lastMessage().isEmpty()); // the numeric check's message
    EXPECT_EQ(box("imTKuripu_2")->Text(), "");
    EXPECT_TRUE(box("imTKuripu_2")->hasFocus());

    // OK by the Enter key, without leaving a box holding text that is no number.
    box("imTTpB")->SetText("x");
    messages.clear();
    clickOk();
    EXPECT_TRUE(lastMessage().startsWith(QStringLiteral("計画最大荷重の制限のランクＢに関する係数")));
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    tessaro::test::screenshot(dialog, "DlgSelectBook");
}

TEST(SelectBookForm, AcceptedValuesGoIntoTheProject)
{
    InitProject(project(), 1);
    MessageScript messages;
    ui::ModalScript modal;
    modal.expect("DlgSelectBook", [](QDialog& d) {
        control<QRadioButton>(d, "OptSelect_0")->click();
        control<NumberBox>(d, "imTKuripu_1")->SetText("1.50");
        control<NumberBox>(d, "imTKuripu_5")->SetText("0.30");
        control<QPushButton>(d, "CmdOK")->click();
    });
    JudgementConstants values = judgementConstants(project());
    ASSERT_TRUE(DlgSelectBook::ShowForm(nullptr, values));
    storeJudgementConstants(project(), values);
    const ProjectSettings& s = project().Settings;
    EXPECT_EQ(s.StandardEdition, 0);
    EXPECT_DOUBLE_EQ(s.CreepJudgeValues[0], 1.5);
    EXPECT_DOUBLE_EQ(s.CreepJudgeValues[4], 0.3);
    EXPECT_DOUBLE_EQ(s.CreepJudgeValues[1], 0.5);
    EXPECT_DOUBLE_EQ(s.TpLimitCoefA, 1.25);

    modal.expect("DlgSelectBook", [](QDialog& d) {
        control<NumberBox>(d, "imTTpA")->SetText("2.00");
        control<QPushButton>(d, "CmdCancel")->click();
    });
    JudgementConstants unchanged = values;
    EXPECT_FALSE(DlgSelectBook::ShowForm(nullptr, values));
    EXPECT_DOUBLE_EQ(values.tpCoefA, unchanged.tpCoefA);
    EXPECT_TRUE(messages.empty());
}
