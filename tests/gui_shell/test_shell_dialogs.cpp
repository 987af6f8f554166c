// The shell's small dialogs: the works title, the format file name and the calendar.

#include "support/TestSupport.h"

#include "MainWindowDriver.h"
#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/DlgCalendar.h"
#include "shell/frmFileName.h"
#include "shell/frmTitle.h"

#include <QComboBox>

using namespace tessaro;
using test::click;

namespace {

bool showTitle(bool& changed, const ui::ModalScript::Driver& steps)
{
    return test::drive("frmTitle", steps, [&] { return frmTitle::ShowForm(nullptr, changed); });
}

} // namespace

TEST(frmTitle, OkStoresTheNamesAndRemarksAndCancelNothing)
{
    Project& p = project();
    ResetProjectHeader(p);
    p.Record.WorksName = QStringLiteral("県道拡幅工事");
    bool changed = false;
    EXPECT_FALSE(showTitle(changed, [](QDialog& d) {
        test::keyIn(test::control<QLineEdit>(d, "TxtGenba"), QStringLiteral("A工区"));
        click(d, "Command1_1");
    }));
    EXPECT_TRUE(p.Record.SiteName.isEmpty());

    // Remarks alone are not a change of the names.
    EXPECT_TRUE(showTitle(changed, [](QDialog& d) {
        test::keyIn(test::control<QLineEdit>(d, "imTBikou_1"), QStringLiteral("雨天順延"));
        click(d, "Command1_0");
    }));
    EXPECT_FALSE(changed);
    EXPECT_TRUE(showTitle(changed, [](QDialog& d) {
        EXPECT_EQ(test::textOf(d, "imTBikou_1"), QStringLiteral("雨天順延"));
        test::keyIn(test::control<QLineEdit>(d, "TxtMotouke"), QStringLiteral("元請建設"));
        click(d, "Command1_0");
    }));
    EXPECT_TRUE(changed);
    EXPECT_EQ(p.Record.PrimeContractor, QStringLiteral("元請建設"));
    EXPECT_EQ(p.Record.WorksName, QStringLiteral("県道拡幅工事"));
}

TEST(frmFileName, DeletesAfterAskingAndNeedsANameFitForAFileOverwritingAfterAsking)
{
    project().TestCategory = 0;
    const QString folder = frmFileName::familyOf(0, frmFileName::Plan).folder;
    test::writeFile(folder + "/old.kkf", "format");
    test::writeFile(folder + "/既存.kkf", "format");
    test::writeFile(folder + "/other.txt", "format");
    MessageScript messages;
    QString path;
    auto steps = [&](QDialog& d) {
        auto* files = test::control<QListWidget>(d, "File1");
        ASSERT_EQ(files->count(), 2); // the files of its kind only
        files->setCurrentRow(0);
        messages.answer(AnswerNo);
        click(d, "Command3");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("選択している書式ファイルを削除してもよろしいですか？"));
        EXPECT_TRUE(QFile::exists(folder + "/old.kkf"));
        messages.answer(AnswerYes);
        click(d, "Command3");
        EXPECT_FALSE(QFile::exists(folder + "/old.kkf"));

        test::setText(d, "imText1", "");
        click(d, "Command1");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("ファイル名を入力してください"));
        test::setText(d, "imText1", "a/b");
        click(d, "Command1");
        EXPECT_TRUE(test::lastText(messages).startsWith(QStringLiteral("ファイル名に使用できない文字")));
        // Clicking a file takes its name without the extension.
        files->setCurrentRow(0);
        emit files->itemClicked(files->item(0));
        EXPECT_EQ(test::textOf(d, "imText1"), QStringLiteral("既存"));
        messages.answer(AnswerCancel);
        click(d, "Command1");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("既存に上書きしますか？"));
        EXPECT_TRUE(d.isVisible());
        messages.answer(AnswerOk);
        click(d, "Command1");
    };
    ASSERT_TRUE(
        test::drive("frmFileName", steps, [&] { return frmFileName::ShowForm(nullptr, frmFileName::Plan, path); }));
    EXPECT_EQ(path, folder + "/既存.kkf");
}

TEST(DlgCalendar, TheDayChosenInTheMonthsGridOrAfterTheLists)
{
    QString text;
    auto steps = [](QDialog& d) {
        auto* days = test::control<ui::SpreadGrid>(d, "DateSpread");
        // May 2024 begins on a Wednesday: the 1st stands in column 4.
        EXPECT_EQ(days->GetText(4, 1), "1");
        EXPECT_EQ(days->GetText(6, 5), "31");
        days->SetActiveCell(3, 4); // Tuesday the 21st
        click(d, "ComOK");
    };
    ASSERT_TRUE(test::drive(
        "DlgCalendar", steps, [&] { return DlgCalendar::ShowForm(nullptr, QStringLiteral("2024年05月07日"), text); }));
    EXPECT_EQ(text, QStringLiteral("2024年05月21日"));

    // Another month keeps a day of that month.
    DlgCalendar dialog(QDate(2024, 1, 31));
    test::control<QComboBox>(dialog, "Combo2")->setCurrentIndex(1);
    EXPECT_EQ(dialog.date(), QDate(2024, 2, 29));
    test::control<QComboBox>(dialog, "Combo1")->setCurrentIndex(2023 - DlgCalendar::FirstYear);
    EXPECT_EQ(dialog.date(), QDate(2023, 2, 28));
}
