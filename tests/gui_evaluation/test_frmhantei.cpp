// The engineer's final judgement and the judged range of cycles, driven
// offscreen: the automatic verdict shown, the seven verdicts with their free
// texts remembered in IniHantei.ini, and the range set from the window.

#include "evaluation/VerdictTexts.h"
#include "evaluation/frmHantei.h"
#include "evaluation/frmMenuHantei.h"
#include "gui_graphs/GraphProject.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"

#include <QComboBox>
#include <QLineEdit>

using namespace tessaro;
using test::click;
using test::control;
using test::enabled;
using test::textOf;

namespace {

const QStringList FivePassTexts { QStringLiteral("変位量は管理範囲内"), QStringLiteral("クリープ良好"),
    QStringLiteral("設計どおり"), QStringLiteral("再緊張不要"), QStringLiteral("目視異常なし") };

void writeRememberedTexts(const QStringList& pass)
{
    QString ini = QStringLiteral("[HanteiOK]\nNum=%1\n").arg(pass.size());
    for (int i = 0; i < pass.size(); ++i)
        ini += QStringLiteral("No%1=%2\n").arg(i + 1).arg(pass[i]);
    test::writtenFile(verdictTextsPath(), ini.toUtf8());
}

QComboBox* combo(QWidget& w, const char* name)
{
    return control<QComboBox>(w, name);
}

// Types into the editable combo as the user does (an input method hands over
// the Japanese text at once).
void typeInto(QComboBox* c, const QString& text)
{
    c->lineEdit()->clear();
    c->lineEdit()->insert(text);
}

// Cycle 1 read 1.6 mm long at the end of its peak holding: its elastic part 6.70
// lies above the upper line 5.50, the later cycles within theirs.
void firstCycleOutOfRange()
{
    test::setUpMeasuredProject(1);
    project().anchor(1).Readings[2].Displacement = 7.00f;
}

} // namespace

TEST(frmHantei, PassWithATextFromTheRememberedList)
{
    test::setUpMeasuredProject(1);
    writeRememberedTexts(FivePassTexts);
    MessageScript messages;
    auto steps = [&](QDialog& d) {
        EXPECT_EQ(textOf(d, "LblAuto"), "OK");
        EXPECT_EQ(textOf(d, "LblHani"), QStringLiteral("全サイクルの弾性変位量で判定"));
        // A new anchor stands on the first verdict; its combos are closed.
        EXPECT_EQ(textOf(d, "LblFinHantei"), QStringLiteral("合格"));
        EXPECT_FALSE(enabled(d, "Combo1"));
        EXPECT_EQ(combo(d, "Combo1")->count(), 5);

        click(d, "Option1_2");
        EXPECT_EQ(textOf(d, "LblFinHantei"), QStringLiteral("許容範囲外"));
        EXPECT_TRUE(control<QLabel>(d, "LblFinHantei")->styleSheet().contains("#c0392b"));
        click(d, "Option1_5");
        EXPECT_TRUE(enabled(d, "Combo2"));
        click(d, "Command1_0"); // without a text
        EXPECT_EQ(
            test::lastText(messages), QStringLiteral("入力可コンボボックス内が空白です。判定文章を入力して下さい。"));

        click(d, "Option1_4");
        EXPECT_FALSE(enabled(d, "Combo2"));
        EXPECT_TRUE(enabled(d, "Combo1"));
        typeInto(combo(d, "Combo1"), QString(70, QChar(u'可')));
        EXPECT_EQ(combo(d, "Combo1")->currentText().size(), 60);
        typeInto(combo(d, "Combo1"), QStringLiteral("荷重保持中の変位量は判定値以下"));
        test::screenshot(d, "frmHantei");
        click(d, "Command1_0");
    };
    ASSERT_TRUE(test::drive("frmHantei", steps, [] { return frmHantei::ShowForm(nullptr); }));
    EXPECT_EQ(messages.shown().size(), 1u);
    const AnchorRecord& a = project().anchor(1);
    EXPECT_EQ(a.FinalChoice, 4);
    EXPECT_EQ(a.FinalVerdictText, QStringLiteral("合格"));
    EXPECT_EQ(a.AnchorRemarks[0], QStringLiteral("荷重保持中の変位量は判定値以下"));
    // The new text heads the list; the oldest of five fell off.
    QStringList expected = QStringList { a.AnchorRemarks[0] } + FivePassTexts.mid(0, 4);
    EXPECT_EQ(readVerdictTexts(verdictTextsPath(), 1), expected);

    // Opened again: the choice and its text stand; a text taken from the list is not added twice.
    auto again = [&](QDialog& d) {
        EXPECT_TRUE(test::control<QAbstractButton>(d, "Option1_4")->isChecked());
        EXPECT_EQ(combo(d, "Combo1")->currentText(), a.AnchorRemarks[0]);
        combo(d, "Combo1")->setCurrentIndex(2);
        click(d, "Command1_0");
    };
    ASSERT_TRUE(test::drive("frmHantei", again, [] { return frmHantei::ShowForm(nullptr); }));
    EXPECT_EQ(a.AnchorRemarks[0], FivePassTexts[1]);
    EXPECT_EQ(readVerdictTexts(verdictTextsPath(), 1), expected);
}

TEST(frmHantei, CancelAndADamagedTextFileChangeNothing)
{
    test::setUpMeasuredProject(1);
    test::writtenFile(verdictTextsPath(), QByteArray("[HanteiOK]\nNo1=ohne Anzahl\n\x01\x02"));
    project().anchor(1).FinalChoice = 3;
    const AnchorRecord before = project().anchor(1);
    auto steps = [](QDialog& d) {
        EXPECT_EQ(combo(d, "Combo1")->count(), 0);
        EXPECT_EQ(textOf(d, "LblFinHantei"), QStringLiteral("ｸﾘｰﾌﾟ係数大"));
        click(d, "Option1_6");
        EXPECT_EQ(textOf(d, "LblFinHantei"), QString());
        click(d, "Command1_1");
    };
    EXPECT_FALSE(test::drive("frmHantei", steps, [] { return frmHantei::ShowForm(nullptr); }));
    EXPECT_EQ(project().anchor(1).FinalChoice, before.FinalChoice);
}

TEST(frmHantei, TheRangeSetFromTheWindowJudgesAtOnce)
{
    firstCycleOutOfRange();
    auto steps = [](QDialog& d) {
        EXPECT_EQ(textOf(d, "LblAuto"), QStringLiteral("範囲外"));
        ui::ModalScript modal;
        modal.expect("frmMenuHantei", [](QDialog& m) {
            EXPECT_FALSE(enabled(m, "imNumber1"));
            click(m, "Option1_1");
            EXPECT_TRUE(enabled(m, "imNumber1"));
            test::enterText(m, "imNumber1", "2", "CmdOK");
            click(m, "CmdOK");
        });
        click(d, "CmdHani");
        EXPECT_EQ(textOf(d, "LblHani"),
            QStringLiteral("2サイクル目以降の弾性変位量で判定\n(ただし、１サイクル試験時は省く)"));
        EXPECT_EQ(textOf(d, "LblAuto"), "OK");
        click(d, "Command1_1");
    };
    // Cancelled, but the project's range changed.
    EXPECT_TRUE(test::drive("frmHantei", steps, [] { return frmHantei::ShowForm(nullptr); }));
    EXPECT_EQ(project().Settings.JudgeRangeMode, 1);
    EXPECT_EQ(project().Settings.JudgeFromCycle, 2);
    EXPECT_EQ(project().anchor(1).FinalChoice, 0);
}

TEST(frmMenuHantei, ACycleIsNeededAndChecked)
{
    test::setUpMeasuredProject(1);
    project().Settings.JudgeRangeMode = 1;
    project().Settings.JudgeFromCycle = 3;
    MessageScript messages;
    auto steps = [&](QDialog& d) {
        EXPECT_EQ(textOf(d, "imNumber1"), "3");
        test::setText(d, "imNumber1", "");
        click(d, "CmdOK");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("判定を始めるサイクルを入力して下さい。"));
        test::setText(d, "imNumber1", "11");
        click(d, "CmdOK");
        EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("判定を始めるサイクルに範囲外の数値")));
        click(d, "Option1_0");
        click(d, "CmdOK");
    };
    EXPECT_TRUE(test::drive("frmMenuHantei", steps, [] { return frmMenuHantei::ShowForm(nullptr); }));
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(project().Settings.JudgeRangeMode, 0);
}
