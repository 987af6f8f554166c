// The roads of a test through the program, window by window as the engineer
// takes them. A multi-cycle test: new project with its works title and jacks,
// load plan, holding-time schedule, readings typed into the sheet, the graphs'
// verdict, and the project saved and opened again. A pull-out test: a new
// basic investigation whose particulars are typed and chosen in the main
// window, up to its measurement input.

#include "gui_shell/MainWindowDriver.h"
#include "support/AnchorFixtures.h"
#include "support/TestSupport.h"

#include "documents/ReportEngine.h"
#include "evaluation/CycleEvaluation.h"
#include "model/DataFile.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "recording/frmDataInput1.h"
#include "shell/frmStart.h"
#include "ui/EntryBoxes.h"
#include "ui/FileDialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QRadioButton>

using namespace tessaro;

namespace {

// The particulars the engineer types in the main window: the friction anchor
// of the worked examples, Lsf 10000 mm and Es·As 100000 kN, so that the
// theoretical elongation at a load L is (L − 50) / 10 mm.
void specify(AnchorRecord& a)
{
    const AnchorRecord worked = test::sixCycleAnchor();
    a.Tendon = worked.Tendon;
    a.Material = worked.Material;
    a.Tendon.TensioningType = 0;
    a.AnchorNo = "K-1";
    a.AnchorNote = QStringLiteral("適性試験");
    a.DesignAnchorForce = 280;
    a.AnchoringType = 0;
    a.SetAmount = 5;
    a.LockOffMode = 0;
    a.LockOffLoad = 240;
    a.AnchorageGround = 1;
    a.TendonYieldLoad = 1000;
}

void enter(QDialog& d, const char* box, const QString& text)
{
    auto* b = d.findChild<ui::EntryBox*>(box);
    ASSERT_NE(b, nullptr) << box;
    b->SetFocus();
    b->SetText(text);
    d.findChild<QPushButton*>("CmdCalcAuto")->setFocus();
}

// A dial gauge reading that follows the theory with a permanent set of 0.05 mm
// per cycle: every cycle's elastic part is its theory less 0.05 mm, the last
// cycle's exactly its theory.
QString reading(double load, int cycle)
{
    return QString::number(10 + (load - 50) / 10 + 0.05 * cycle, 'f', 2);
}

// A new project through the start window's button: the works title, then one
// anchor with the first jack of the list.
void newProject(frmMain& main, ui::ModalScript& modal, const char* button, const QString& works)
{
    modal.expect("frmTitle", [works](QDialog& d) {
        d.findChild<QLineEdit*>("TxtKouji")->setText(works);
        d.findChild<QPushButton*>("Command1_0")->click();
    });
    test::expectTestConditions(modal, 1);
    frmStart start(&main);
    start.findChild<QPushButton*>(button)->click();
    ASSERT_EQ(start.resultCode(), frmStart::NewProject);
}

// The measurement window: the dial gauge set at 10.00 and read on every row
// of the generated sheet; the readings stored on closing. Returns the rows.
int typeReadings(frmMain& main, ui::ModalScript& modal, MessageScript& messages)
{
    int rows = 0;
    modal.expect("frmDataInput1", [&rows](QDialog& d) {
        auto* grid = d.findChild<ui::SpreadGrid*>("vaSpread1");
        rows = grid->MaxRows();
        grid->EnterText(frmDataInput1::ColInitial1, 1, "10.00");
        for (int row = 1; row <= rows; ++row)
            grid->EnterText(frmDataInput1::ColMeasured1, row,
                reading(grid->GetText(frmDataInput1::ColLoad, row).toDouble(),
                    grid->GetText(frmDataInput1::ColCycle, row).toInt()));
        d.findChild<QPushButton*>("CmdOKCancel")->click();
    });
    messages.answer(AnswerYes); // store the readings
    test::command(main, "MenuView_1");
    return rows;
}

} // namespace

TEST(Road, MultiCycleTestFromNewProjectToSavedFile)
{
    frmMain main;
    ui::ModalScript modal;
    MessageScript messages;

    newProject(main, modal, "CmdNewFile_1", QStringLiteral("県道改良工事"));
    Project& p = project();
    ASSERT_EQ(p.Record.AnchorCount, 1);
    ASSERT_GT(p.anchor(1).Jack.PointCount, 1); // the jack's calibration came from the database
    specify(p.anchor(1));
    main.Main_Data_Load(1, 1);

    // Load plan: T0 50, Tp 350 in six stages, distributed evenly.
    modal.expect("frmKajyuu", [](QDialog& d) {
        enter(d, "imTxtTo", "50");
        enter(d, "imTxtTp", "350");
        enter(d, "imNumber4", "6");
        d.findChild<QPushButton*>("CmdCalcAuto")->click();
        d.findChild<QPushButton*>("Command1_0")->click();
    });
    test::command(main, "CmdKajyuu");
    EXPECT_EQ(p.anchor(1).Plan.CycleMaxLoad, (std::array<float, 10> { 100, 150, 200, 250, 300, 350 }));
    EXPECT_EQ(p.anchor(1).Plan.PlanSet, 1);

    // Holding times: the window offers the schedule for sandy soil; OK keeps it.
    modal.expect("frmKuripu", [](QDialog& d) { d.findChild<QPushButton*>("CmdOK")->click(); });
    test::command(main, "CmdKajyuTime");
    EXPECT_NE(p.Record.Schedules[0].SetFlag, 0);

    // Readings: the sheet is generated; the dial gauge is set at 10.00 and read on every row.
    const int rows = typeReadings(main, modal, messages);
    ASSERT_GT(rows, 6 * 4);
    AnchorRecord& a = p.anchor(1);
    ASSERT_EQ(a.ReadingCount, rows);
    EXPECT_FLOAT_EQ(a.Readings.back().Displacement, 0.30f);

    // The evaluation: the last cycle's elastic part is its theory, 30.00 mm,
    // within 27.00 … 33.00; the verdict is OK.
    EvaluateAnchor(a);
    EXPECT_FLOAT_EQ(a.Evaluation.TheoryAtTp, 30.0f);
    EXPECT_NEAR(a.Evaluation.LastElastic, 30.0, 1e-4);
    EXPECT_NEAR(a.Evaluation.LastPermanent, 0.30, 1e-4);
    EXPECT_EQ(a.RangeVerdictText, "OK");
    modal.expect("frmGRAPH", [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>("Label8")->text(), "OK");
        d.reject();
    });
    test::command(main, "MenuView_2");

    // Saved, closed and opened again: the same readings and results.
    ui::FileDialogScript files;
    QString path = test::tempPath("road.tsx");
    files.answer(path);
    test::command(main, "MenuBarF_3");
    QByteArray saved = encodeProject(p);
    ASSERT_TRUE(LoadDataFile(path));
    EXPECT_EQ(project().Record.WorksName, QStringLiteral("県道改良工事"));
    EXPECT_EQ(project().anchor(1).ReadingCount, rows);
    EXPECT_EQ(encodeProject(project()), saved);
    EXPECT_TRUE(modal.allUsed());
}

TEST(Road, PullOutTestFromNewProjectToMeasurementInput)
{
    frmMain main;
    ui::ModalScript modal;
    MessageScript messages;
    newProject(main, modal, "CmdNewFile_0", QStringLiteral("基本調査試験工事"));
    ASSERT_TRUE(project().isBasic());
    EXPECT_EQ(test::textOf(main, "LblCmbKihon"), QStringLiteral("基本調査試験(引抜き試験)"));

    // The particulars as the engineer types and chooses them.
    auto choose = [&](const char* combo, int index) { test::control<QComboBox>(main, combo)->setCurrentIndex(index); };
    test::type(main, "imTxtNum", "K-1");
    test::type(main, "imTxtTeikou", "0.20");
    test::type(main, "imTxtSakukou", "135");
    choose("Combo4", 0);
    choose("Combo6", 0);
    modal.expect("frmAncDBRefer", [](QDialog& d) {
        auto* methods = d.findChild<QComboBox*>("Combo1");
        methods->setCurrentIndex(methods->findText(QStringLiteral("摩擦引張型アンカー　12.7mm"), Qt::MatchStartsWith));
        d.findChild<ui::SpreadGrid*>()->SetActiveCell(1, 4);
        d.findChild<QPushButton*>("CmdOK")->click();
    });
    test::command(main, "CmdSentaku");
    test::type(main, "imText1", "9000");
    test::type(main, "imText3", "6000");
    test::type(main, "imText5", "1000");
    choose("Combo2", 0);
    const AnchorRecord& a = project().Record.WorkingAnchor;
    EXPECT_EQ(a.Spec2.Designation, "4S12.7");
    EXPECT_EQ(a.Tendon.TensionFreeLength, 10000);
    EXPECT_EQ(test::textOf(main, "LblTug"), "508.94");

    // Tp between the pull-out resistance and 0.9 of the tendon's yield load 624 kN.
    modal.expect("frmKajyuu", [](QDialog& d) {
        enter(d, "imTxtTo", "60");
        enter(d, "imTxtTp", "540");
        enter(d, "imNumber4", "6");
        d.findChild<QPushButton*>("CmdCalcAuto")->click();
        d.findChild<QPushButton*>("Command1_0")->click();
    });
    test::command(main, "CmdKajyuu");
    EXPECT_EQ(a.Plan.PlanSet, 1);
    modal.expect("frmKuripu", [](QDialog& d) { d.findChild<QPushButton*>("CmdOK")->click(); });
    test::command(main, "CmdKajyuTime");

    // The test name is the one the window shows: the check goes on to the
    // tendon bond length, which the pull-out test needs before its readings.
    messages.clear();
    test::command(main, "MenuView_1");
    EXPECT_EQ(
        test::lastText(messages), QStringLiteral("[テンドン拘束長の確認]ボタン内の見かけの周長が入力されていません。"));
    // U 60.0 mm, τba 1.60 N/mm2: lsa = 540000 / 96 = 5625 mm, shorter than La.
    modal.expect("frmHikinukiDlg", [](QDialog& d) {
        test::enterText(d, "imTxtMikake", "60", "Command1");
        test::enterText(d, "imTxtFutyaku", "1.60", "Command1");
        EXPECT_EQ(test::textOf(d, "LblHantei"), "OK");
        d.findChild<QPushButton*>("Command2_0")->click();
    });
    test::command(main, "CmdKousokutyou");

    // Readings, the graphs and the particulars list, as for any test.
    const int rows = typeReadings(main, modal, messages);
    ASSERT_GT(rows, 6 * 4);
    EXPECT_EQ(a.ReadingCount, rows);
    modal.expect("frmGRAPH", [](QDialog& d) {
        EXPECT_EQ(d.findChild<QLabel*>("LblTendon")->text(), "4S12.7");
        d.reject();
    });
    test::command(main, "MenuView_2");
    int pages = 0;
    modal.expect("frmPrintSyogen", [](QDialog& d) { d.findChild<QPushButton*>("OKButton")->click(); });
    modal.expect("frmPreview", [&pages](QDialog& d) {
        pages = test::pdfPages(report::ReportEngine::defaultOutputFile());
        d.reject();
    });
    test::command(main, "Preview");
    EXPECT_GT(pages, 0);
    EXPECT_TRUE(modal.allUsed());
}
