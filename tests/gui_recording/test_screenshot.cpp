// The measurement window half way through a six-cycle test, as the operator
// sees it (saved when TESSARO_SCREENSHOTS names a folder).

#include "RecordingTestSupport.h"
#include "evaluation/CycleEvaluation.h"
#include "model/UserMessage.h"
#include "recording/DlgSyokikintyouryoku.h"
#include "recording/frmDataInput1.h"
#include "recording/frmDataRevision.h"
#include "recording/frmSetTime.h"
#include "ui/Modal.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tessaro;
using test::control;
using Col = frmDataInput1::Column;

TEST(MeasurementScreens, HalfFinishedSixCycleTest)
{
    Project& p = test::openSixCycleProject();
    MessageScript messages;
    frmDataInput1 w;
    w.resize(1280, 720);
    test::showActive(w);
    auto* grid = control<ui::SpreadGrid>(w, "vaSpread1");
    ui::ModalScript modal;
    modal.expect("frmSetTime", [](QDialog& d) {
        control<QRadioButton>(d, "Option1_1")->setChecked(true);
        control<QLineEdit>(d, "imNumber1_0")->setText("9");
        control<QLineEdit>(d, "imNumber1_1")->setText("30");
        control<QPushButton>(d, "OKButton")->click();
    });
    control<QPushButton>(w, "CmdSetTime")->click();

    // Readings up to the peak of cycle 5 (row 34), point 2 reading 0.1 mm more.
    const std::vector<float> d = test::sixCycleDisplacements();
    QString block;
    for (int row = 1; row <= 34; ++row) {
        float one = 12.00f + d[std::size_t(row - 1)];
        float two = 25.00f + d[std::size_t(row - 1)] + 0.10f;
        block += (row == 1 ? QStringLiteral("12.00\t%1\t25.00\t%2\r\n") : QStringLiteral("\t%1\t\t%2\r\n"))
                     .arg(one, 0, 'f', 2)
                     .arg(two, 0, 'f', 2);
    }
    grid->SetActiveCell(Col::ColInitial1, 1);
    grid->PasteText(block);
    test::settle();
    EXPECT_EQ(grid->GetText(Col::ColElongation, 34), "26.05");
    grid->SetActiveCell(Col::ColMeasured1, 35);
    grid->scrollTo(grid->model()->index(34, 0));
    test::settle();
    test::screenshot(w, "datainput_half_finished");

    modal.expect("DlgSyokikintyouryoku", [](QDialog& d) { d.accept(); });
    control<QPushButton>(w, "CmdSyokiKintyou")->click();
    grid->scrollToBottom();
    test::settle();
    test::screenshot(w, "datainput_initial_tension");

    messages.answer(AnswerYes);
    control<QPushButton>(w, "CmdOKCancel")->click();
    p.anchor(1).Readings[23].Displacement = 17.00f; // cycle 4 out of its lines
    p.anchor(1).Readings[23].MeasuredNo1 = 29.00f;
    frmDataRevision revision;
    revision.resize(1280, 720);
    test::showActive(revision);
    test::screenshot(revision, "datarevision_fault");
}

TEST(MeasurementScreens, TimeAndInitialTensionDialogs)
{
    frmSetTime time(0, 9, 30);
    test::showActive(time);
    test::screenshot(time, "settime");

    Project& p = test::openSixCycleProject();
    AnchorRecord a = p.anchor(1);
    EvaluateAnchor(a);
    DlgSyokikintyouryoku tension(a);
    test::showActive(tension);
    test::screenshot(tension, "syokikintyouryoku");
    a.Tendon.AnchorTypeCode = 3;
    a.Material.StrandSetCount = 4;
    EvaluateAnchor(a);
    DlgSyokikintyouryoku distributed(a);
    test::showActive(distributed);
    test::screenshot(distributed, "syokikintyouryoku_distributed");
}
