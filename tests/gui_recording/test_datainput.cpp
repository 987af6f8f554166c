// The measurement window: readings typed and pasted give elongations, the
// print mirror and the chart; closing keeps them only on Yes; clock times, the
// initial tension, moving between anchors and the windows it opens.

#include "RecordingTestSupport.h"
#include "model/UserMessage.h"
#include "recording/frmDataInput1.h"
#include "ui/Chart2D.h"

#include <QAction>
#include <QClipboard>
#include <QMenu>
#include <QRadioButton>
#include <QTimer>

using namespace tessaro;
using test::click;
using test::control;
using test::typeInto;
using Col = frmDataInput1::Column;

namespace {

const QString ChangedQuestion = QStringLiteral("データが変更されていますが、データを更新しますか？");

// Drives frmSetTime: the choice (Option1_0 end, Option1_1 start) and the time.
void setTime(QDialog& d, const char* option, const QString& hours, const QString& minutes)
{
    test::check(d, option);
    test::setText(d, "imNumber1_0", hours);
    test::setText(d, "imNumber1_1", minutes);
    click(d, "OKButton");
}

struct InputWindow : ::testing::Test {
    Project& p = test::openSixCycleProject();
    MessageScript messages;
    std::unique_ptr<frmDataInput1> window;
    ui::SpreadGrid* grid = nullptr;
    ui::SpreadGrid* print = nullptr;

    void open()
    {
        window = std::make_unique<frmDataInput1>();
        test::showActive(*window);
        grid = control<ui::SpreadGrid>(*window, "vaSpread1");
        print = control<ui::SpreadGrid>(*window, "SpdPrintOut");
    }
    QString elongation(int row) const { return grid->GetText(Col::ColElongation, row); }
    const std::vector<ChartPoint>& chartPoints() const
    {
        return control<ui::Chart2D>(*window, "Chart2D1")->data().groups.at(0).series.at(0).points;
    }
};

} // namespace

TEST_F(InputWindow, TypedReadingsGiveTheElongationAndAreDiscardedOnNo)
{
    open();
    ASSERT_EQ(grid->MaxRows(), 54);
    EXPECT_EQ(grid->GetText(Col::ColLoad, 7), "150.00"); // cycle 2's first reading
    EXPECT_EQ(print->GetText(7, 7), "10.00"); // theory at 150 kN
    grid->EnterText(Col::ColLoad, 7, "149"); // the plan's values are not typed
    EXPECT_EQ(grid->GetText(Col::ColLoad, 7), "150.00");

    typeInto(*grid, Col::ColInitial1, 1, "10.00");
    typeInto(*grid, Col::ColMeasured1, 1, "10");
    typeInto(*grid, Col::ColMeasured1, 2, "15.2");
    EXPECT_EQ(elongation(2), "5.20");
    EXPECT_EQ(print->GetText(14, 2), "5.20");
    // The second point: the mean of both, (5.20 + 5.60) / 2.
    typeInto(*grid, Col::ColInitial2, 1, "20");
    typeInto(*grid, Col::ColMeasured2, 1, "20");
    typeInto(*grid, Col::ColMeasured2, 2, "25.6");
    EXPECT_EQ(elongation(2), "5.40");
    ASSERT_EQ(chartPoints().size(), 2u);
    EXPECT_FLOAT_EQ(float(chartPoints()[1].x), 5.40f);

    // A decimal comma is refused and told once the entry is over.
    grid->EnterText(Col::ColMeasured1, 4, "0,32");
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 4), "");
    EXPECT_TRUE(messages.empty());
    test::settle();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("4行目の測定No1")));
    EXPECT_TRUE(test::lastText(messages).contains(QStringLiteral("小数点は「.」（ピリオド）で入力してください。")));

    messages.answer(AnswerNo);
    click(*window, "CmdOKCancel");
    EXPECT_EQ(test::lastText(messages), ChangedQuestion);
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
    EXPECT_FALSE(window->dataChanged());
    // As it was before the window opened: no sheet at all.
    EXPECT_EQ(p.anchor(1).EditFlag, 0);
    EXPECT_TRUE(p.anchor(1).Readings.empty());
}

TEST_F(InputWindow, PastedReadingsAreCopiedFromThePopUpMenuAndKeptOnYes)
{
    open();
    grid->SetActiveCell(Col::ColInitial1, 1);
    grid->PasteText("10\t10\r\n\t12.5\r\n\t13.75\r\n");
    EXPECT_EQ(elongation(3), "3.75");
    test::settle();
    EXPECT_EQ(chartPoints().size(), 3u);

    grid->SetSelection({ Col::ColMeasured1, 2, Col::ColElongation, 3 });
    QTimer::singleShot(0, [] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), "SpredPopMenu");
        menu->close();
        menu->findChild<QAction*>("Copy1")->trigger();
    });
    emit grid->RightClick(Col::ColMeasured1, 2, grid->mapToGlobal(QPoint(40, 40)));
    EXPECT_EQ(test::lastText(messages), QStringLiteral("クリップボードにコピーされました。"));
    EXPECT_EQ(QApplication::clipboard()->text(), "12.50\t\t\t2.50\r\n13.75\t\t\t3.75\r\n");

    messages.answer(AnswerYes);
    window->reject(); // the close box asks as the close button does
    EXPECT_EQ(test::lastText(messages), ChangedQuestion);
    EXPECT_TRUE(window->dataChanged());
    EXPECT_EQ(p.anchor(1).Readings[1].MeasuredNo1, 12.5f);
    EXPECT_EQ(p.anchor(1).Readings[2].Displacement, 3.75f);
    EXPECT_EQ(p.anchor(1).Readings[3].Displacement, MissingValue);
}

TEST_F(InputWindow, ClockTimesAndTheInitialTensionRowUnderTheSheet)
{
    open();
    ui::ModalScript modal;
    modal.expect("frmSetTime", [this](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "Option1_1")->isChecked()); // the anchor's setting: the start
        setTime(d, "Option1_1", "23", "");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("時刻が未入力です。入力してください。"));
        setTime(d, "Option1_1", "23", "50");
    });
    click(*window, "CmdSetTime");
    // Row 1 at 120 s, row 54 at 6270 s (1 h 44 min 30 s) after 23:50.
    EXPECT_EQ(grid->GetText(Col::ColTime, 1), "23:52:00");
    EXPECT_EQ(grid->GetText(Col::ColTime, 54), "1:34:30");
    EXPECT_EQ(print->GetText(2, 54), "1:34:30");
    // The end at 10:00: the test started 6270 s earlier, at 8:15:30.
    modal.expect("frmSetTime", [](QDialog& d) { setTime(d, "Option1_0", "10", "0"); });
    click(*window, "CmdSetTime");
    EXPECT_EQ(grid->GetText(Col::ColTime, 1), "8:17:30");

    // Set loss 5 × 200 × 500 / (10000 − 1000) = 55.56 kN on a lock-off load of
    // 300 kN; 355.56 kN reads 20 + 20 × 145.56 / 220 = 33.23 MPa.
    modal.expect("DlgSyokikintyouryoku", [](QDialog& d) { click(d, "OKButton"); });
    click(*window, "CmdSyokiKintyou");
    ASSERT_EQ(grid->MaxRows(), 55);
    EXPECT_EQ(grid->GetText(Col::ColGauge, 55), "33.23");
    EXPECT_EQ(print->GetText(5, 55), "355.56");
    grid->EnterText(Col::ColMeasured1, 55, "1"); // not a reading row
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 55), "");

    messages.answer(AnswerYes);
    click(*window, "CmdOKCancel");
    EXPECT_EQ(p.anchor(1).ClockMode, 1);
    EXPECT_EQ(p.anchor(1).ClockHours, 10);
    EXPECT_EQ(p.anchor(1).Readings[53].ClockTime, QStringLiteral("10:00:00"));
    EXPECT_EQ(p.anchor(1).ReadingCount, 54);
    EXPECT_TRUE(modal.allUsed());
}

TEST_F(InputWindow, OnlyAnchorsWithTheirInformationAreShown)
{
    ui::ModalScript modal;
    p.CurrentAnchor = 2; // no anchor number
    EXPECT_FALSE(frmDataInput1::ShowForm(nullptr));
    EXPECT_EQ(messages.shown().size(), 1u);
    p.anchor(3).Plan.PlanSet = 0; // plan not confirmed (after a change of jack)
    p.CurrentAnchor = 3;
    EXPECT_FALSE(frmDataInput1::ShowForm(nullptr));
    EXPECT_TRUE(modal.opened().isEmpty());
    messages.clear();
    // A new sheet belongs to the file: closing keeps it without a question.
    p.CurrentAnchor = 1;
    modal.expect("frmDataInput1", [](QDialog& d) { click(d, "CmdOKCancel"); });
    EXPECT_TRUE(frmDataInput1::ShowForm(nullptr));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(p.anchor(1).EditFlag, 1);
    EXPECT_EQ(p.anchor(1).Readings[0].AnchorNoText, QStringLiteral("A-1"));
}

TEST_F(InputWindow, MovingBetweenAnchorsStoresTheSheetAndNoPutsEverythingBack)
{
    open();
    EXPECT_FALSE(test::enabled(*window, "cmdPrev"));
    typeInto(*grid, Col::ColInitial1, 1, "10");
    typeInto(*grid, Col::ColMeasured1, 2, "15.2");
    click(*window, "cmdNext");
    EXPECT_EQ(
        test::lastText(messages), QStringLiteral("アンカー情報が未入力です。メイン画面に戻って入力してください。"));
    EXPECT_EQ(test::textOf(*window, "imNum"), "1");
    EXPECT_EQ(p.anchor(1).Readings[1].MeasuredNo1, 15.2f); // stored before the move was tried

    auto* number = control<QLineEdit>(*window, "imNum");
    number->setText("3");
    QTest::keyClick(number, Qt::Key_Return);
    EXPECT_EQ(p.CurrentAnchor, 3);
    EXPECT_EQ(test::textOf(*window, "LblAncNo"), QStringLiteral("アンカー孔番　A-3"));
    EXPECT_EQ(grid->GetText(Col::ColMeasured1, 2), "");
    EXPECT_FALSE(test::enabled(*window, "cmdNext"));

    messages.answer(AnswerNo);
    click(*window, "CmdOKCancel");
    EXPECT_EQ(test::lastText(messages), ChangedQuestion);
    EXPECT_EQ(p.anchor(1).EditFlag, 0);
    EXPECT_EQ(p.anchor(3).EditFlag, 0);
}

TEST_F(InputWindow, OtherWindowsFromTheMeasurementWindow)
{
    open();
    ui::ModalScript modal;
    modal.expect("frmPrintDataSheet", [](QDialog& d) { d.reject(); });
    click(*window, "CmdPrintOut");
    EXPECT_EQ(p.anchor(1).ReadingCount, 54); // the data sheet prints the project: the sheet is stored first
    modal.expect("frmExcelOption", [](QDialog& d) { d.reject(); });
    click(*window, "CmdExcel");
    modal.expect("frmGRAPH", [](QDialog& d) {
        EXPECT_FALSE(test::enabled(d, "Command8")); // the graphs do not open this window again
        d.reject();
    });
    click(*window, "CmdToGraph");
    EXPECT_EQ(modal.opened(), (QStringList { "frmPrintDataSheet", "frmExcelOption", "frmGRAPH" }));
}
