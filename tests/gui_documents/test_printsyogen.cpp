// The options of the anchor specification list: its range messages, the page
// number option, and the road from OK to the preview.

#include "documents/ReportEngine.h"
#include "documents/frmPrintSyogen.h"
#include "model/UserMessage.h"
#include "support/AnchorListSamples.h"
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

void setRange(QWidget& w, const QString& start, const QString& end)
{
    test::control<QRadioButton>(w, "Option1_0")->setChecked(true);
    test::control<QLineEdit>(w, "imtxtStart")->setText(start);
    test::control<QLineEdit>(w, "imtxtEnd")->setText(end);
}

} // namespace

TEST(PrintSyogen, WrongRangesAreRefusedWithTheirMessages)
{
    test::makeTypedProject(project());
    project().CurrentAnchor = 3;
    frmPrintSyogen w;
    w.show();
    EXPECT_TRUE(test::control<QRadioButton>(w, "Option1_1")->isChecked());
    EXPECT_EQ(test::control<QLineEdit>(w, "imtxtStart")->text(), "3");
    EXPECT_FALSE(test::control<QLineEdit>(w, "imtxtStart")->isEnabled());

    const QString beyond = QStringLiteral("印刷範囲を超えています。\n入力範囲 ： 1 ～ 6");
    const std::pair<std::pair<const char*, const char*>, QString> cases[] = {
        { { "2", "" }, QStringLiteral("印刷範囲が未入力です。") },
        { { "4", "2" }, QStringLiteral("範囲指定が間違っています｡") },
        { { "1", "7" }, beyond },
        { { "0", "2" }, beyond },
    };
    auto* ok = test::control<QPushButton>(w, "OKButton");
    for (const auto& [range, text] : cases) {
        MessageScript messages;
        setRange(w, range.first, range.second);
        ok->click();
        ASSERT_EQ(messages.shown().size(), 1u) << range.first << "-" << range.second;
        EXPECT_EQ(messages.last().text, text);
        EXPECT_EQ(messages.last().icon, MsgIcon::Exclamation);
        EXPECT_TRUE(w.isVisible());
    }
    MessageScript messages;
    setRange(w, "2", "6");
    ok->click();
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(w.result(), QDialog::Accepted);
    EXPECT_EQ(w.first(), 2);
    EXPECT_EQ(w.last(), 6);
}

TEST(PrintSyogen, ABasicInvestigationListsItsOneAnchor)
{
    test::makeBasicProject(project(), 0);
    frmPrintSyogen w;
    EXPECT_FALSE(test::control<QRadioButton>(w, "Option1_0")->isEnabled());
    EXPECT_EQ(test::control<QLineEdit>(w, "imtxtEnd")->text(), "1");
}

TEST(PrintSyogen, OkComposesTheListAndShowsThePreview)
{
    test::makeTypedProject(project());
    const QString output = report::ReportEngine::defaultOutputFile();
    ui::ModalScript modal;
    modal.expect("frmPrintSyogen", [](QDialog& d) {
        setRange(d, "2", "4");
        test::control<QPushButton>(d, "OKButton")->click();
    });
    modal.expect("frmPreview", [&](QDialog& d) {
        EXPECT_TRUE(QFile::exists(output));
        EXPECT_EQ(test::control<QLabel>(d, "lblPage")->text(), "1/6");
        test::control<QPushButton>(d, "CmdClose")->click();
    });
    frmPrintSyogen::ShowForm(nullptr);
    EXPECT_TRUE(modal.allUsed());
    EXPECT_FALSE(QFile::exists(output));

    modal.expect("frmPrintSyogen", [](QDialog& d) {
        test::control<QCheckBox>(d, "ChkPage")->setChecked(false);
        EXPECT_FALSE(static_cast<frmPrintSyogen&>(d).options().pageNumbers);
        test::control<QPushButton>(d, "CancelButton")->click();
    });
    frmPrintSyogen::ShowForm(nullptr);
    EXPECT_EQ(modal.opened(), (QStringList { "frmPrintSyogen", "frmPreview", "frmPrintSyogen" }));
}
