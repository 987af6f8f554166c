#include "support/TestSupport.h"

#include "MainWindowDriver.h"

#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "shell/DlgCalendar.h"
#include "shell/frmFileName.h"
#include "shell/frmTitle.h"
#include "ui/Modal.h"
#include "ui/SpreadGrid.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QtTest/QTest>
#include <gtest/gtest.h>

using namespace tessaro;
using test::click;

namespace {

void touch(const QString& path)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("format");
}

} // namespace

TEST(frmTitle, ShowsAndStoresTheWorksTitle)
{
    Project& p = project();
    ResetProjectHeader(p);
    p.Record.WorksName = QStringLiteral("県道拡幅工事");
    p.Settings.Header.Remarks[0] = QStringLiteral("メモ");
    {
        frmTitle dialog;
        EXPECT_EQ(test::control<QLineEdit>(dialog, "imTBikou_0")->text(), QStringLiteral("メモ"));
        test::keyIn(test::control<QLineEdit>(dialog, "TxtGenba"), QStringLiteral("A工区"));
        click(dialog, "Command1_1"); // cancel
    }
    EXPECT_TRUE(p.Record.SiteName.isEmpty());

    ui::ModalScript modal;
    modal.expect("frmTitle", [](QDialog& d) {
        test::keyIn(d.findChild<QLineEdit*>("TxtMotouke"), QStringLiteral("元請建設"));
        test::keyIn(d.findChild<QLineEdit*>("TxtShitauke"), QStringLiteral("下請基礎"));
        d.findChild<QPushButton*>("Command1_0")->click();
    });
    bool changed = false;
    EXPECT_TRUE(frmTitle::ShowForm(nullptr, changed));
    EXPECT_TRUE(changed);
    EXPECT_EQ(p.Record.PrimeContractor, QStringLiteral("元請建設"));
    EXPECT_EQ(p.Record.Subcontractor, QStringLiteral("下請基礎"));
    EXPECT_EQ(p.Record.WorksName, QStringLiteral("県道拡幅工事"));
}

TEST(frmTitle, RemarksAloneAreNotAChangeOfTheNames)
{
    ResetProjectHeader(project());
    ui::ModalScript modal;
    modal.expect("frmTitle", [](QDialog& d) {
        test::keyIn(d.findChild<QLineEdit*>("imTBikou_1"), QStringLiteral("雨天順延"));
        d.findChild<QPushButton*>("Command1_0")->click();
    });
    bool changed = true;
    EXPECT_TRUE(frmTitle::ShowForm(nullptr, changed));
    EXPECT_FALSE(changed);
    EXPECT_EQ(project().Settings.Header.Remarks[1], QStringLiteral("雨天順延"));
}

TEST(frmFileName, RefusesAnEmptyNameAndAsksBeforeOverwriting)
{
    project().TestCategory = 0;
    const frmFileName::Family family = frmFileName::familyOf(0, frmFileName::Plan);
    touch(family.folder + "/既存.kkf");
    touch(family.folder + "/other.txt");
    frmFileName dialog(frmFileName::Plan);
    dialog.show();
    auto* files = test::control<QListWidget>(dialog, "File1");
    ASSERT_EQ(files->count(), 1);
    MessageScript messages;
    click(dialog, "Command1");
    EXPECT_EQ(messages.last().text, QStringLiteral("ファイル名を入力してください"));
    EXPECT_EQ(messages.last().icon, MsgIcon::Information);
    EXPECT_TRUE(dialog.isVisible());
    // Clicking a file takes its name without the extension.
    files->setCurrentRow(0);
    emit files->itemClicked(files->item(0));
    EXPECT_EQ(test::control<QLineEdit>(dialog, "imText1")->text(), QStringLiteral("既存"));
    messages.answer(AnswerCancel);
    click(dialog, "Command1");
    EXPECT_EQ(messages.last().text, QStringLiteral("既存に上書きしますか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::OkCancel);
    EXPECT_TRUE(dialog.isVisible());
    messages.answer(AnswerOk);
    click(dialog, "Command1");
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.chosenPath(), family.folder + "/既存.kkf");
}

TEST(frmFileName, NewNameAndNamesThatCannotBeFiles)
{
    project().TestCategory = 1;
    ui::ModalScript modal;
    MessageScript messages;
    modal.expect("frmFileName", [](QDialog& d) {
        auto* name = d.findChild<QLineEdit*>("imText1");
        name->setText("a/b");
        d.findChild<QPushButton*>("Command1")->click();
        ASSERT_TRUE(d.isVisible());
        name->setText(QStringLiteral("標準書式"));
        d.findChild<QPushButton*>("Command1")->click();
    });
    QString path;
    ASSERT_TRUE(frmFileName::ShowForm(nullptr, frmFileName::Plan, path));
    EXPECT_EQ(path, paths::data("FormatFile/HinshituKeikaku") + QStringLiteral("/標準書式.hkf"));
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("ファイル名に使用できない文字")));
}

TEST(frmFileName, DeleteAsksAndRemovesTheFile)
{
    project().TestCategory = 0;
    const QString path = frmFileName::familyOf(0, frmFileName::Report).folder + "/old.khf";
    touch(path);
    frmFileName dialog(frmFileName::Report);
    auto* files = test::control<QListWidget>(dialog, "File1");
    EXPECT_FALSE(test::control<QPushButton>(dialog, "Command3")->isEnabled());
    files->setCurrentRow(0);
    MessageScript messages;
    messages.answer(AnswerNo);
    click(dialog, "Command3");
    EXPECT_EQ(messages.last().text, QStringLiteral("選択している書式ファイルを削除してもよろしいですか？"));
    EXPECT_EQ(messages.last().buttons, MsgButtons::YesNo);
    EXPECT_TRUE(QFile::exists(path));
    messages.answer(AnswerYes);
    click(dialog, "Command3");
    EXPECT_FALSE(QFile::exists(path));
    EXPECT_EQ(files->count(), 0);
}

TEST(DlgCalendar, DayGridAndTheDateText)
{
    ui::ModalScript modal;
    modal.expect("DlgCalendar", [](QDialog& d) {
        auto* days = d.findChild<ui::SpreadGrid*>("DateSpread");
        // May 2024 begins on a Wednesday: the 1st stands in column 4.
        EXPECT_EQ(days->GetText(4, 1), "1");
        EXPECT_EQ(days->GetText(1, 1), "");
        EXPECT_EQ(days->GetText(6, 5), "31");
        days->SetActiveCell(3, 4); // Tuesday the 21st
        d.findChild<QPushButton*>("ComOK")->click();
    });
    QString text;
    ASSERT_TRUE(DlgCalendar::ShowForm(nullptr, QStringLiteral("2024年05月07日"), text));
    EXPECT_EQ(text, QStringLiteral("2024年05月21日"));
    modal.expect("DlgCalendar", [](QDialog& d) { d.findChild<QPushButton*>("ComCancel")->click(); });
    EXPECT_FALSE(DlgCalendar::ShowForm(nullptr, QString(), text));
}

TEST(DlgCalendar, ChoosingYearAndMonthFromTheListsKeepsADayOfThatMonth)
{
    DlgCalendar dialog(QDate(2024, 1, 31));
    test::control<QComboBox>(dialog, "Combo2")->setCurrentIndex(1);
    EXPECT_EQ(dialog.date(), QDate(2024, 2, 29));
    test::control<QComboBox>(dialog, "Combo1")->setCurrentIndex(2023 - 1900);
    EXPECT_EQ(dialog.date(), QDate(2023, 2, 28));
    // Text that holds no date starts on today.
    EXPECT_FALSE(DlgCalendar::parseDate(QStringLiteral("未定")).isValid());
    EXPECT_EQ(DlgCalendar::parseDate(QStringLiteral("2024年5月7日")), QDate(2024, 5, 7));
}
