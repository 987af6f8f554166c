// The measurement window's commands: sheet generation, clock times, the
// initial tension, closing with and without keeping the data, moving between
// anchors, and the windows it opens.

#include "RecordingTestSupport.h"
#include "model/UserMessage.h"
#include "recording/frmDataInput1.h"
#include "ui/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tessaro;
using test::click;
using test::control;
using test::typeInto;
using Col = frmDataInput1::Column;

namespace {

const QString ChangedQuestion = QStringLiteral("データが変更されていますが、データを更新しますか？");

// Drives frmSetTime: the choice (Option1_0 end, Option1_1 start) and the time.
ui::ModalScript::Driver setTime(const char* option, const QString& hours, const QString& minutes)
{
    return [=](QDialog& d) {
        control<QRadioButton>(d, option)->setChecked(true);
        control<QLineEdit>(d, "imNumber1_0")->setText(hours);
        control<QLineEdit>(d, "imNumber1_1")->setText(minutes);
        control<QPushButton>(d, "OKButton")->click();
    };
}

struct InputCommands : ::testing::Test {
    Project& p = test::openSixCycleProject();
    MessageScript messages;
};

} // namespace

TEST_F(InputCommands, SheetIsGeneratedOnceAndKeptWithoutAQuestion)
{
    ASSERT_EQ(p.anchor(1).EditFlag, 0);
    {
        frmDataInput1 w;
        EXPECT_EQ(p.anchor(1).ReadingCount, 54);
        click(w, "CmdOKCancel");
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(w.result(), QDialog::Accepted);
        EXPECT_TRUE(w.dataChanged()); // the new sheet belongs to the file now
    }
    EXPECT_EQ(p.anchor(1).EditFlag, 1);
    EXPECT_EQ(p.anchor(1).Readings[0].AnchorNoText, QStringLiteral("A-1"));

    // The sheet stands: a reading typed before survives the next opening.
    p.anchor(1).Readings[1].MeasuredNo1 = 12.5f;
    frmDataInput1 again;
    EXPECT_EQ(control<ui::SpreadGrid>(again, "vaSpread1")->GetText(Col::ColMeasured1, 2), "12.50");
    click(again, "CmdOKCancel");
    EXPECT_FALSE(again.dataChanged());
}

TEST_F(InputCommands, ClosingKeepsOrDiscardsTheReadings)
{
    {
        frmDataInput1 w;
        test::showActive(w);
        auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
        typeInto(*grid, Col::ColInitial1, 1, "10");
        typeInto(*grid, Col::ColMeasured1, 2, "15.2");
        messages.answer(AnswerNo);
        click(w, "CmdOKCancel");
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.last().text, ChangedQuestion);
        EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
        EXPECT_EQ(w.result(), QDialog::Rejected);
        EXPECT_FALSE(w.dataChanged());
    }
    // As it was before the window opened: no sheet at all.
    EXPECT_EQ(p.anchor(1).EditFlag, 0);
    EXPECT_TRUE(p.anchor(1).Readings.empty());

    frmDataInput1 w;
    test::showActive(w);
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    typeInto(*grid, Col::ColInitial1, 1, "10");
    typeInto(*grid, Col::ColMeasured1, 2, "15.2");
    messages.answer(AnswerYes);
    w.reject(); // the close box asks the same
    EXPECT_EQ(messages.last().text, ChangedQuestion);
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_TRUE(w.dataChanged());
    const AnchorRecord& a = p.anchor(1);
    EXPECT_EQ(a.Readings[0].InitialNo1, 10.0f);
    EXPECT_EQ(a.Readings[1].MeasuredNo1, 15.2f);
    EXPECT_EQ(a.Readings[1].Displacement, 5.2f);
    EXPECT_EQ(a.Readings[2].Displacement, MissingValue);
}

TEST_F(InputCommands, ClockTimesFromTheStartOrTheEndPassingMidnight)
{
    frmDataInput1 w;
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    auto* print = control<ui::SpreadGrid>(w, "SpdPrintOut");
    ui::ModalScript modal;
    modal.expect("frmSetTime", [](QDialog& d) {
        // The anchor's setting is preset: the start at 0:00.
        EXPECT_TRUE(control<QRadioButton>(d, "Option1_1")->isChecked());
        setTime("Option1_1", "23", "50")(d);
    });
    click(w, "CmdSetTime");
    // Row 1 at 120 s, row 54 at 6270 s (1 h 44 min 30 s) after 23:50.
    EXPECT_EQ(grid->GetText(Col::ColTime, 1), "23:52:00");
    EXPECT_EQ(grid->GetText(Col::ColTime, 54), "1:34:30");
    EXPECT_EQ(print->GetText(2, 54), "1:34:30");
    EXPECT_TRUE(w.modified());

    // The end at 10:00: the test started 6270 s earlier, at 8:15:30. An hour
    // of 24 is refused first.
    modal.expect("frmSetTime", [this](QDialog& d) {
        EXPECT_EQ(control<QLineEdit>(d, "imNumber1_0")->text(), "23");
        setTime("Option1_0", "24", "0")(d);
        EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("時刻（時）に範囲外の数値が入力されました。")));
        EXPECT_TRUE(d.isVisible());
        setTime("Option1_0", "10", "0")(d);
    });
    click(w, "CmdSetTime");
    EXPECT_EQ(grid->GetText(Col::ColTime, 1), "8:17:30");
    EXPECT_EQ(grid->GetText(Col::ColTime, 54), "10:00:00");

    // Cancelled: nothing changes.
    modal.expect("frmSetTime", [](QDialog& d) { control<QPushButton>(d, "CancelButton")->click(); });
    click(w, "CmdSetTime");
    EXPECT_EQ(grid->GetText(Col::ColTime, 1), "8:17:30");

    messages.answer(AnswerYes);
    click(w, "CmdOKCancel");
    EXPECT_EQ(p.anchor(1).ClockMode, 1);
    EXPECT_EQ(p.anchor(1).ClockHours, 10);
    EXPECT_EQ(p.anchor(1).Readings[53].ClockTime, QStringLiteral("10:00:00"));
    EXPECT_TRUE(modal.allUsed());
}

TEST_F(InputCommands, InitialTensionRowUnderTheSheet)
{
    frmDataInput1 w;
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    ui::ModalScript modal;
    modal.expect("DlgSyokikintyouryoku", [](QDialog& d) {
        // Set loss 5 × 200 × 500 / (10000 − 1000) = 55.56 kN on a lock-off load
        // of 300 kN; 355.56 kN reads 20 + 20 × 145.56 / 220 = 33.23 MPa.
        EXPECT_EQ(d.findChild<QLabel*>("LblN"), nullptr); // not a load-distribution anchor
        control<QPushButton>(d, "OKButton")->click();
    });
    click(w, "CmdSyokiKintyou");
    ASSERT_EQ(grid->MaxRows(), 55);
    EXPECT_EQ(grid->GetText(Col::ColGauge, 55), "33.23");
    EXPECT_EQ(control<ui::SpreadGrid>(w, "SpdPrintOut")->GetText(5, 55), "355.56");
    // Not a reading row: nothing can be typed there, and the data are unchanged.
    grid->EnterText(Col::ColMeasured1, 55, "1");
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 55), "");
    EXPECT_FALSE(w.modified());
    EXPECT_TRUE(modal.allUsed());
}

TEST_F(InputCommands, MovingToAnAnchorWithoutInformationIsRefused)
{
    frmDataInput1 w;
    test::showActive(w);
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    EXPECT_EQ(control<QLabel>(w, "LblNumMax")->text(), "3");
    EXPECT_FALSE(control<QPushButton>(w, "cmdPrev")->isEnabled());
    typeInto(*grid, Col::ColInitial1, 1, "10");
    typeInto(*grid, Col::ColMeasured1, 2, "15.2");

    click(w, "cmdNext");
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("アンカー情報が未入力です。メイン画面に戻って入力してください。"));
    EXPECT_EQ(control<QLineEdit>(w, "imNum")->text(), "1");
    // The sheet on screen was stored before the move was tried.
    EXPECT_EQ(p.anchor(1).Readings[1].MeasuredNo1, 15.2f);

    auto* number = control<QLineEdit>(w, "imNum");
    number->setText("3");
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(p.CurrentAnchor, 3);
    EXPECT_EQ(control<QLabel>(w, "LblAncNo")->text(), QStringLiteral("アンカー孔番　A-3"));
    EXPECT_EQ(p.anchor(3).EditFlag, 1);
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 2), "");
    EXPECT_FALSE(control<QPushButton>(w, "cmdNext")->isEnabled());

    // The edits of anchor 1 still count: declining them puts everything back.
    messages.answer(AnswerNo);
    click(w, "CmdOKCancel");
    EXPECT_EQ(messages.last().text, ChangedQuestion);
    EXPECT_EQ(p.anchor(1).EditFlag, 0);
    EXPECT_EQ(p.anchor(3).EditFlag, 0);
}

TEST_F(InputCommands, WindowOpensOnlyOnAnAnchorWithItsInformation)
{
    ui::ModalScript modal;
    p.CurrentAnchor = 2;
    EXPECT_FALSE(frmDataInput1::ShowForm(nullptr));
    EXPECT_EQ(messages.shown().size(), 1u);
    p.anchor(3).Plan.PlanSet = 0; // plan not confirmed (after a change of jack)
    p.CurrentAnchor = 3;
    EXPECT_FALSE(frmDataInput1::ShowForm(nullptr));
    EXPECT_TRUE(modal.opened().isEmpty());

    p.CurrentAnchor = 1;
    modal.expect("frmDataInput1", [](QDialog& d) { control<QPushButton>(d, "CmdOKCancel")->click(); });
    EXPECT_TRUE(frmDataInput1::ShowForm(nullptr)); // a new sheet
}

TEST_F(InputCommands, OtherWindowsFromTheMeasurementWindow)
{
    frmDataInput1 w;
    ui::ModalScript modal;
    modal.expect("frmPrintDataSheet", [](QDialog& d) { d.reject(); });
    click(w, "CmdPrintOut");
    // The data sheet prints the project: the sheet on screen is stored first.
    EXPECT_EQ(p.anchor(1).ReadingCount, 54);
    modal.expect("frmExcelOption", [](QDialog& d) { d.reject(); });
    click(w, "CmdExcel");
    modal.expect("frmGRAPH", [](QDialog& d) {
        // Opened from the measurement window, the graphs do not open it again.
        EXPECT_FALSE(control<QPushButton>(d, "Command8")->isEnabled());
        d.reject();
    });
    w.show();
    click(w, "CmdToGraph");
    messages.answer(AnswerNo);
    click(w, "CmdSaveGraph");
    EXPECT_EQ(messages.last().text, QStringLiteral("現在のグラフ書式が初期値として更新されますが、よろしいですか？"));
    EXPECT_EQ(modal.opened(), (QStringList { "frmPrintDataSheet", "frmExcelOption", "frmGRAPH" }));
}
