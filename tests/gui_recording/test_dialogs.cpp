// The time dialog and the initial-tension dialog on their own.

#include "RecordingTestSupport.h"
#include "evaluation/CycleEvaluation.h"
#include "model/UserMessage.h"
#include "recording/DlgSyokikintyouryoku.h"
#include "recording/frmSetTime.h"
#include "ui/Modal.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace tessaro;
using test::control;

TEST(SetTime, ReturnsTheChoiceAndTheTime)
{
    MessageScript messages;
    ui::ModalScript modal;
    int mode = 1, hours = 9, minutes = 5;
    modal.expect("frmSetTime", [&](QDialog& d) {
        EXPECT_TRUE(control<QRadioButton>(d, "Option1_0")->isChecked()); // end time
        EXPECT_EQ(control<QLineEdit>(d, "imNumber1_1")->text(), "5");
        control<QRadioButton>(d, "Option1_1")->setChecked(true);
        control<QLineEdit>(d, "imNumber1_1")->setText("60");
        control<QPushButton>(d, "OKButton")->click();
        EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("時刻（分）に範囲外の数値が入力されました。")));
        control<QLineEdit>(d, "imNumber1_1")->clear();
        control<QPushButton>(d, "OKButton")->click();
        EXPECT_EQ(messages.last().text, QStringLiteral("時刻が未入力です。入力してください。"));
        control<QLineEdit>(d, "imNumber1_1")->setText(QStringLiteral("４５"));
        control<QPushButton>(d, "OKButton")->click();
    });
    EXPECT_TRUE(frmSetTime::ShowForm(nullptr, mode, hours, minutes));
    EXPECT_EQ(mode, 0);
    EXPECT_EQ(hours, 9);
    EXPECT_EQ(minutes, 45);

    modal.expect("frmSetTime", [](QDialog& d) {
        control<QLineEdit>(d, "imNumber1_0")->setText("3");
        control<QPushButton>(d, "CancelButton")->click();
    });
    EXPECT_FALSE(frmSetTime::ShowForm(nullptr, mode, hours, minutes));
    EXPECT_EQ(hours, 9);
}

TEST(InitialTension, LoadDistributionAnchorShowsTheStrandCount)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Tendon.AnchorTypeCode = 3;
    a.Material.StrandSetCount = 4;
    a.Material.TendonArea = 100;
    a.AnchoringType = 2;
    a.SetAmount = 4.5;
    // 4.5 × 200 × 100 × 4 / 9000 = 40.00 kN; 300 + 40 = 340 kN = 20 + 20 × 130 / 220 = 31.82 MPa.
    ui::ModalScript modal;
    modal.expect("DlgSyokikintyouryoku", [](QDialog& d) {
        EXPECT_EQ(control<QLabel>(d, "LblBunshiValue")->text(), QStringLiteral("4.50 × 200.00 × 100.00 × 4"));
        EXPECT_EQ(control<QLabel>(d, "LblKintyouryoku")->text(), QStringLiteral("340.00  (kN)"));
        EXPECT_EQ(control<QLabel>(d, "LblGauge")->text(), QStringLiteral("[ ゲージ圧　：　31.82  (MPa) ]"));
        ui::ModalScript reference;
        reference.expect("DlgReferenceText", [](QDialog& r) { r.reject(); });
        control<QPushButton>(d, "CmdSansyou")->click();
        EXPECT_TRUE(reference.allUsed());
        control<QPushButton>(d, "OKButton")->click();
    });
    EXPECT_FLOAT_EQ(DlgSyokikintyouryoku::ShowForm(nullptr, a), 340.0f);

    // Without a jack there is no gauge pressure to show.
    a.Jack = JackRecord {};
    modal.expect("DlgSyokikintyouryoku", [](QDialog& d) {
        EXPECT_EQ(control<QLabel>(d, "LblGauge")->text(), QStringLiteral("[ ゲージ圧　：　  (MPa) ]"));
        d.accept();
    });
    DlgSyokikintyouryoku::ShowForm(nullptr, a);
}
