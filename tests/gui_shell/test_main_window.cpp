// The main window's particulars view: the command table, the windows its
// commands open, the entries and choices of the anchor on screen, the pull-out
// test's frames, the switch to the list view and the standard edition.

#include "support/CompleteAnchors.h"

#include "MainWindowDriver.h"
#include "model/UserMessage.h"
#include "shell/MainCommands.h"

#include <QComboBox>
#include <QRadioButton>

using namespace tessaro;
using test::command;
using test::enabled;
using test::textOf;
using test::type;

namespace {

void choose(frmMain& w, const char* combo, int index)
{
    test::control<QComboBox>(w, combo)->setCurrentIndex(index);
}

} // namespace

TEST(frmMainWindow, EveryCommandHasItsControlAndOpensItsWindow)
{
    test::makeQualityProject(project(), 2);
    frmMain main;
    for (const MainCommand& c : mainCommands())
        for (const QString& name : c.controls)
            EXPECT_TRUE(main.findChild<QAction*>(name) || main.findChild<QPushButton*>(name)) << name.toStdString();
    // The tendon bond length is checked in a basic investigation only.
    EXPECT_FALSE(enabled(main, "CmdKousokutyou"));
    const std::pair<const char*, const char*> opened[] = { { "CmdKajyuu", "frmKajyuu" },
        { "CmdKajyuTime", "frmKuripu" }, { "CmdJakki", "frmJakkiDB" }, { "Menu_HenkouAnc", "frmJouken" },
        { "MenuD_Jyakki", "frmJakki" }, { "MenuD_AncKeishiki_2", "frmAncDBEntry" }, { "MenuView_1", "frmDataInput1" },
        { "MenuView_2", "frmGRAPH" }, { "MenuView_3", "frmEffect" }, { "Preview", "frmPrintSyogen" },
        { "Title", "frmTitle" }, { "CmdHantei", "frmHantei" }, { "MenuSetHantei", "frmMenuHantei" },
        { "Houkoku", "frmHoukokusyoHinshitu" } };
    for (auto [button, window] : opened) {
        ui::ModalScript modal;
        modal.expect(window, [](QDialog& d) { d.reject(); });
        command(main, button);
        EXPECT_EQ(modal.opened().value(0), window) << button;
    }
}

TEST(frmMainWindow, EntriesAndChoicesOfTheAnchorOnScreen)
{
    test::makeQualityProject(project(), 2);
    project().anchor(1).Spec2.LoadChangeBySpeed = 1;
    project().anchor(1).Spec2.LoadingRate = 40;
    project().anchor(1).JackingForce = 86.8f; // left from an earlier evaluation
    frmMain main;
    test::screenshot(main, "frmMain");
    // Passing through the boxes changes nothing.
    for (const char* name : { "imTxtTd_0", "imTxtKusabi", "imText1", "imText6", "imTxtZouka" }) {
        QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(test::control<QLineEdit>(main, name), &leave);
    }
    EXPECT_FALSE(main.DataChanged);

    // A new set amount gives a new initial tension at once:
    // 360 kN + 6.0 mm × 191 kN/mm² × 138.7 mm² / (10000 − 1000) mm = 377.66 kN.
    const AnchorRecord& a = project().anchor(1);
    type(main, "imTxtKusabi", "6.0");
    EXPECT_FLOAT_EQ(a.JackingForce, 377.66f);

    // A new free length gives a new Lsf, shown beside the box and in the list.
    type(main, "imText1", "12000");
    EXPECT_EQ(a.Tendon.TensionFreeLength, 13000);
    EXPECT_EQ(textOf(main, "LblKintyouJiyuutyou"), "13000");
    EXPECT_EQ(test::qualityGrid(main)->GetText(19, 1), "13000");
    EXPECT_TRUE(main.DataChanged);
    choose(main, "CmbShiken", 1);
    EXPECT_EQ(a.AnchorNote, QStringLiteral("確認試験"));
    // Lock-off given as a ratio of Td 400: 0.95 → 380 kN.
    choose(main, "CmbTeityaku", 1);
    type(main, "imTxtKajyu", "0.95");
    EXPECT_FLOAT_EQ(a.LockOffLoad, 380.0f);
    // Load changes by rate: the boxes show and store rates, not minutes.
    EXPECT_EQ(textOf(main, "imTxtZouka"), "40");
    type(main, "imTxtGenka", "80");
    EXPECT_EQ(a.Spec2.UnloadingRate, 80);
    // The product class decides whether α applies.
    EXPECT_FALSE(enabled(main, "imTTeigen"));
    type(main, "imTxtSyubetu", QStringLiteral("Cターン F70"));
    EXPECT_TRUE(enabled(main, "imTTeigen"));
    // A value out of range is refused and not stored.
    MessageScript messages;
    type(main, "imTxtKusabi", "120");
    EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("セット量に範囲外の数値が入力されました。")));
    EXPECT_DOUBLE_EQ(a.SetAmount, -1.0);
    // An SEEE type takes its Lsf as typed.
    choose(main, "Combo4", 1);
    EXPECT_FALSE(enabled(main, "imText5"));
    type(main, "imTxtLsf", "11500");
    EXPECT_EQ(a.Tendon.TensionFreeLength, 11500);
}

TEST(frmMainWindow, PullOutTestShowsItsOwnFramesAndTug)
{
    test::makeBasicProject(project());
    frmMain main;
    main.setTestTypeButton(true);
    main.Shiken();
    EXPECT_TRUE(main.findChild<QWidget*>("FramKihon")->isVisibleTo(&main));
    EXPECT_FALSE(main.findChild<QWidget*>("cmdNext")->isVisibleTo(&main));
    type(main, "imTxtTeikou", "0.30");
    EXPECT_EQ(textOf(main, "LblTug"), "763.41");
    EXPECT_EQ(project().Record.WorkingAnchor.Spec2.PullOutResistanceText, "763.41");
}

TEST(frmMainWindow, TheListViewOpensOnlyOnCompleteAnchorsAndTheEditionRenamesTheTests)
{
    test::makeQualityProject(project(), 3);
    project().anchor(3).Material.TendonModulus = 0;
    frmMain main;
    MessageScript messages;
    command(main, "Kirikae");
    EXPECT_EQ(test::lastText(messages), QStringLiteral("テンドン弾性係数に未入力の箇所があります。確認してください。"));
    EXPECT_FALSE(main.listView());
    project().anchor(3).Material.TendonModulus = 191;
    command(main, "Kirikae");
    EXPECT_TRUE(main.listView());
    EXPECT_FALSE(main.findChild<QWidget*>("AnchorSpecPanel")->isVisibleTo(&main));
    // Full display adds the list commands.
    command(main, "HyouHyouji");
    EXPECT_TRUE(main.findChild<QWidget*>("FramList")->isVisibleTo(&main));
    command(main, "Kirikae");
    EXPECT_FALSE(main.listView());

    ui::ModalScript modal;
    modal.expect("DlgSelectBook", [](QDialog& d) {
        test::check(d, "OptSelect_0");
        d.accept();
    });
    command(main, "CmdKijyunnsyo");
    EXPECT_EQ(project().Settings.StandardEdition, 0);
    EXPECT_EQ(test::control<QComboBox>(main, "CmbShiken")->itemText(0), QStringLiteral("多サイクル確認試験"));
    EXPECT_EQ(test::qualityGrid(main)->GetText(3, 1), QStringLiteral("多サイクル確認試験"));
}
