// The data-sheet options dialog: its range checks and messages, the page
// total, and the road from OK to the preview.

#include "documents/ReportEngine.h"
#include "documents/frmPrintDataSheet.h"
#include "model/UserMessage.h"
#include "support/DataSheetSamples.h"
#include "support/GuiTestSupport.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// Five anchors of 10, 71, 31, 30 and 0 readings; anchor 2 displayed.
void openProject()
{
    Project& p = project();
    test::makeQualityProject(p, 5, 10);
    const int rows[] = { 10, 71, 31, 30, 0 };
    for (int i = 1; i <= 5; ++i)
        test::fillReadings(p.anchor(i), rows[i - 1]);
    p.CurrentAnchor = 2;
}

QString pageTotal(QWidget& w)
{
    return test::control<QLabel>(w, "LblMaxPage")->text();
}

void setRange(QWidget& w, const QString& start, const QString& end)
{
    test::control<QRadioButton>(w, "Option1_0")->setChecked(true);
    test::control<QLineEdit>(w, "imtxtStart")->setText(start);
    test::control<QLineEdit>(w, "imtxtEnd")->setText(end);
}

} // namespace

TEST(PrintDataSheet, PageTotalFollowsTheChoice)
{
    openProject();
    frmPrintDataSheet w;
    EXPECT_TRUE(test::control<QRadioButton>(w, "Option1_1")->isChecked());
    EXPECT_EQ(pageTotal(w), QStringLiteral("全３ページ")); // anchor 2: 71 rows
    setRange(w, "1", "5");
    EXPECT_EQ(pageTotal(w), QStringLiteral("全８ページ")); // 1 + 3 + 2 + 1 + 1
    setRange(w, "3", "3");
    EXPECT_EQ(pageTotal(w), QStringLiteral("全２ページ"));
    test::control<QRadioButton>(w, "Option1_2")->setChecked(true);
    test::control<QLineEdit>(w, "imTxtMai")->setText("10");
    EXPECT_EQ(pageTotal(w), QStringLiteral("全１０ページ"));
    EXPECT_FALSE(test::control<QCheckBox>(w, "ChkisTime")->isEnabled()); // blank sheets have no time column
    EXPECT_FALSE(test::control<QLineEdit>(w, "imtxtStart")->isEnabled());
}

TEST(PrintDataSheet, WrongRangesAreRefusedWithTheirMessages)
{
    openProject();
    frmPrintDataSheet w;
    w.show();
    auto* ok = test::control<QPushButton>(w, "OKButton");
    const std::pair<std::pair<const char*, const char*>, QString> cases[] = {
        { { "2", "" }, QStringLiteral("印刷範囲を入力して下さい。") },
        { { "4", "2" }, QStringLiteral("印刷範囲指定が間違っています。入力し直してください。") },
        { { "1", "6" }, QStringLiteral("印刷範囲指定が間違っています。入力し直してください。") },
        { { "0", "2" }, QStringLiteral("印刷範囲指定が間違っています。入力し直してください。") },
    };
    for (const auto& [range, text] : cases) {
        MessageScript messages;
        setRange(w, range.first, range.second);
        ok->click();
        ASSERT_EQ(messages.shown().size(), 1u) << range.first << "-" << range.second;
        EXPECT_EQ(messages.last().text, text);
        EXPECT_EQ(messages.last().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(w.isVisible()); // the dialog stays open
    }

    test::control<QRadioButton>(w, "Option1_2")->setChecked(true);
    auto* sheets = test::control<QLineEdit>(w, "imTxtMai");
    {
        MessageScript messages;
        sheets->clear();
        ok->click();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_EQ(messages.last().text, QStringLiteral("シートの枚数を入力して下さい。"));
    }
    {
        MessageScript messages;
        sheets->setText("11");
        ok->click();
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.last().text.contains(QStringLiteral("に範囲外の数値が入力されました。")));
        EXPECT_TRUE(sheets->text().isEmpty());
        EXPECT_TRUE(w.isVisible());
    }
}

TEST(PrintDataSheet, ABasicInvestigationPrintsItsOneAnchor)
{
    test::makeBasicProject(project(), 40);
    frmPrintDataSheet w;
    EXPECT_FALSE(test::control<QRadioButton>(w, "Option1_0")->isEnabled());
    EXPECT_FALSE(test::control<QCheckBox>(w, "ChkBikou")->isEnabled());
    EXPECT_EQ(pageTotal(w), QStringLiteral("全２ページ"));
}

TEST(PrintDataSheet, OkComposesTheSheetsAndShowsThePreview)
{
    openProject();
    const QString output = report::ReportEngine::defaultOutputFile();
    ui::ModalScript modal;
    modal.expect("frmPrintDataSheet", [](QDialog& d) {
        setRange(d, "2", "3");
        test::control<QCheckBox>(d, "ChkisTime")->setChecked(true);
        test::control<QPushButton>(d, "OKButton")->click();
    });
    modal.expect("frmPreview", [&](QDialog& d) {
        EXPECT_TRUE(QFile::exists(output));
        EXPECT_EQ(test::control<QLabel>(d, "lblPage")->text(), "1/5");
        test::control<QPushButton>(d, "CmdClose")->click();
    });
    frmPrintDataSheet::ShowForm(nullptr);
    EXPECT_TRUE(modal.allUsed());
    EXPECT_FALSE(QFile::exists(output));

    // Blank sheets need no anchor at all.
    modal.expect("frmPrintDataSheet", [](QDialog& d) {
        test::control<QRadioButton>(d, "Option1_2")->setChecked(true);
        test::control<QLineEdit>(d, "imTxtMai")->setText("3");
        test::control<QPushButton>(d, "OKButton")->click();
    });
    modal.expect("frmPreview", [](QDialog& d) { EXPECT_EQ(test::control<QLabel>(d, "lblPage")->text(), "1/3"); });
    frmPrintDataSheet::ShowForm(nullptr);
    EXPECT_TRUE(modal.allUsed());
}

TEST(PrintDataSheet, CancelComposesNothing)
{
    openProject();
    ui::ModalScript modal;
    modal.expect("frmPrintDataSheet", [](QDialog& d) { test::control<QPushButton>(d, "CancelButton")->click(); });
    frmPrintDataSheet::ShowForm(nullptr);
    EXPECT_EQ(modal.opened(), QStringList { "frmPrintDataSheet" });
}
