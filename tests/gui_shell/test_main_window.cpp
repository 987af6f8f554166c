#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "model/UserMessage.h"
#include "shell/MainCommands.h"
#include "ui/Modal.h"

#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QStatusBar>
#include <QToolBar>

using namespace tessaro;
using test::action;
using test::box;
using test::button;
using test::command;
using test::enabled;

namespace {

QComboBox* combo(frmMain& w, const char* name)
{
    return w.findChild<QComboBox*>(name);
}
QLabel* label(frmMain& w, const char* name)
{
    return w.findChild<QLabel*>(name);
}

} // namespace

TEST(frmMainWindow, ControlsAndCommandTable)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    EXPECT_EQ(test::qualityGrid(main)->GetText(2, 2), "A-2");
    // A command whose window is not built is present but disabled.
    for (const char* missing :
        { "MenuView_3", "MenuViewPrint_1", "Houkoku", "MenuSetHantei", "CmdKousokutyou", "CmdHantei" })
        EXPECT_FALSE(enabled(main, missing)) << missing;
    for (const char* present : { "MenuBarF_0", "Kirikae", "cmdNext", "CmdKajyuu", "CmdAnchorSyogenhyou" })
        EXPECT_TRUE(enabled(main, present)) << present;
    for (const MainCommand& c : mainCommands())
        for (const QString& name : c.controls)
            EXPECT_TRUE(main.findChild<QAction*>(name) || main.findChild<QPushButton*>(name)) << name.toStdString();
}

TEST(frmMainWindow, CommandsOpenTheirWindows)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    struct Case {
        const char* command;
        const char* window;
    } cases[] = { { "CmdKajyuu", "frmKajyuu" }, { "CmdKajyuTime", "frmKuripu" }, { "CmdJakki", "frmJakkiDB" },
        { "Menu_HenkouAnc", "frmJouken" }, { "MenuD_Jyakki", "frmJakki" }, { "MenuD_AncKeishiki_2", "frmAncDBEntry" },
        { "MenuView_1", "frmDataInput1" }, { "MenuView_2", "frmGRAPH" }, { "Preview", "frmPrintSyogen" },
        { "Title", "frmTitle" } };
    for (const Case& c : cases) {
        ui::ModalScript modal;
        modal.expect(c.window, [](QDialog& d) { d.reject(); });
        command(main, c.command);
        EXPECT_EQ(modal.opened().value(0), c.window) << c.command;
    }
}

TEST(frmMainWindow, EditingTheSpecificationStoresItAndRecomputesLsf)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    ASSERT_FALSE(main.DataChanged);
    test::type(box(main, "imText1"), "12000");
    const AnchorRecord& a = project().anchor(1);
    EXPECT_EQ(a.Tendon.FreeLength, 12000);
    EXPECT_EQ(a.Tendon.TensionFreeLength, 13000);
    EXPECT_EQ(label(main, "LblKintyouJiyuutyou")->text(), "13000");
    EXPECT_EQ(test::qualityGrid(main)->GetText(19, 1), "13000");
    EXPECT_TRUE(main.DataChanged);
    test::type(box(main, "imText5"), "800");
    EXPECT_EQ(label(main, "LblKintyouJiyuutyou")->text(), "12800");
    // An SEEE type takes its Lsf as typed.
    combo(main, "Combo4")->setCurrentIndex(1);
    EXPECT_TRUE(box(main, "imTxtLsf")->isVisibleTo(&main));
    EXPECT_FALSE(box(main, "imText5")->isEnabled());
    test::type(box(main, "imTxtLsf"), "11500");
    EXPECT_EQ(project().anchor(1).Tendon.TensionFreeLength, 11500);
    EXPECT_EQ(label(main, "LblKintyouJiyuutyou")->text(), "11500");
}

TEST(frmMainWindow, PassingThroughTheBoxesChangesNothing)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    for (const char* name : { "imTxtTd_0", "imTxtKusabi", "imText1", "imText6", "imTxtZouka" }) {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(box(main, name), &leave);
    }
    EXPECT_FALSE(main.DataChanged);
}

TEST(frmMainWindow, ChoicesAndTheirTexts)
{
    test::makeQualityProject(project(), 1);
    project().anchor(1).Spec2.LoadChangeBySpeed = 1;
    project().anchor(1).Spec2.LoadingRate = 40;
    frmMain main;
    combo(main, "CmbShiken")->setCurrentIndex(1);
    EXPECT_EQ(project().anchor(1).ConfirmationTest, 1);
    EXPECT_EQ(project().anchor(1).AnchorNote, QStringLiteral("確認試験"));
    // Lock-off given as a ratio of Td 400: 0.95 → 380 kN.
    combo(main, "CmbTeityaku")->setCurrentIndex(1);
    test::type(box(main, "imTxtKajyu"), "0.95");
    EXPECT_FLOAT_EQ(project().anchor(1).LockOffRatio, 0.95f);
    EXPECT_FLOAT_EQ(project().anchor(1).LockOffLoad, 380.0f);
    // Load changes by rate: the boxes show and store rates, not minutes.
    EXPECT_EQ(box(main, "imTxtZouka")->text(), "40");
    test::type(box(main, "imTxtGenka"), "80");
    EXPECT_EQ(project().anchor(1).Spec2.UnloadingRate, 80);
    // The product class decides whether α applies.
    EXPECT_FALSE(box(main, "imTTeigen")->isEnabled());
    test::type(box(main, "imTxtSyubetu"), QStringLiteral("Cターン F70"));
    EXPECT_TRUE(box(main, "imTTeigen")->isEnabled());
}

TEST(frmMainWindow, NumberBoxesRefuseWhatIsNoNumberOrOutOfRange)
{
    test::makeQualityProject(project(), 1);
    frmMain main;
    MessageScript messages;
    test::type(box(main, "imText6"), "abc");
    EXPECT_EQ(messages.last().text,
        QStringLiteral("テンドン弾性係数に数値以外の文字が入力されました。\n数値を入力してください。"));
    EXPECT_TRUE(box(main, "imText6")->text().isEmpty());
    EXPECT_FLOAT_EQ(project().anchor(1).Material.TendonModulus, 0.0f);
    test::type(box(main, "imTxtKusabi"), "120");
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("セット量に範囲外の数値が入力されました。")));
    EXPECT_DOUBLE_EQ(project().anchor(1).SetAmount, -1.0);
    // Digits beyond the format are cut, not rounded.
    test::type(box(main, "imTxtTd_0"), "412.349");
    EXPECT_EQ(box(main, "imTxtTd_0")->text(), "412.34");
    EXPECT_FLOAT_EQ(project().anchor(1).DesignAnchorForce, 412.34f);
}

TEST(frmMainWindow, PullOutTestShowsItsOwnFramesAndTug)
{
    test::makeBasicProject(project());
    frmMain main;
    main.setTestTypeButton(true);
    main.Shiken();
    EXPECT_TRUE(main.findChild<QWidget*>("FramKihon")->isVisibleTo(&main));
    EXPECT_FALSE(button(main, "cmdNext")->isVisibleTo(&main));
    test::type(box(main, "imTxtTeikou"), "0.30");
    EXPECT_EQ(label(main, "LblTug")->text(), "763.41");
    EXPECT_EQ(project().Record.WorkingAnchor.Spec2.PullOutResistanceText, "763.41");
    EXPECT_EQ(main.findChild<ui::SpreadGrid*>("vaSpreadKihon")->GetText(4, 1), "135");
}

TEST(frmMainWindow, ViewSwitchChecksTheAnchorsFirst)
{
    test::makeQualityProject(project(), 3);
    project().anchor(1).Tendon.AnchorTypeCode = -1;
    frmMain main;
    QWidget* spec = main.findChild<QWidget*>("AnchorSpecPanel");
    MessageScript messages;
    command(main, "Kirikae");
    EXPECT_EQ(messages.last().text, QStringLiteral("アンカー形式が選択されていません。"));
    EXPECT_TRUE(spec->isVisibleTo(&main));
    project().anchor(1).Tendon.AnchorTypeCode = 0;
    project().anchor(3).Material.TendonModulus = 0;
    command(main, "Kirikae");
    EXPECT_EQ(messages.last().text, QStringLiteral("テンドン弾性係数に未入力の箇所があります。確認してください。"));
    EXPECT_FALSE(main.listView());
    project().anchor(3).Material.TendonModulus = 191;
    command(main, "Kirikae");
    EXPECT_TRUE(main.listView());
    EXPECT_FALSE(spec->isVisibleTo(&main));
    EXPECT_FALSE(main.findChild<QWidget*>("FramList")->isVisibleTo(&main));
    // Full display adds the list commands and the hint in the status bar.
    command(main, "HyouHyouji");
    EXPECT_TRUE(main.findChild<QWidget*>("FramList")->isVisibleTo(&main));
    EXPECT_TRUE(action(main, "MenuHyouHyouji")->isChecked());
    command(main, "Kirikae");
    EXPECT_FALSE(main.listView());
    EXPECT_FALSE(main.toolbarButton(20)->isChecked());
}

TEST(frmMainWindow, StandardEditionChangesTheTexts)
{
    test::makeQualityProject(project(), 1);
    frmMain main;
    ui::ModalScript modal;
    modal.expect("DlgSelectBook", [](QDialog& d) {
        d.findChild<QRadioButton*>("OptSelect_0")->setChecked(true);
        d.accept();
    });
    command(main, "CmdKijyunnsyo");
    EXPECT_EQ(project().Settings.StandardEdition, 0);
    EXPECT_EQ(combo(main, "CmbShiken")->itemText(0), QStringLiteral("多サイクル確認試験"));
    EXPECT_EQ(test::qualityGrid(main)->GetText(3, 1), QStringLiteral("多サイクル確認試験"));
    EXPECT_TRUE(main.DataChanged);
}
