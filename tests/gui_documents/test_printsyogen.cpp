// The options of the anchor specification list: its range messages, the page
// number option, and the road from OK to the preview.

#include "documents/AnchorListSamples.h"
#include "documents/ReportEngine.h"
#include "documents/frmPrintSyogen.h"
#include "model/UserMessage.h"
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

template <class T> T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(name);
    EXPECT_TRUE(c) << name;
    return c;
}

void setRange(QWidget& w, const QString& start, const QString& end)
{
    child<QRadioButton>(w, "Option1_0")->setChecked(true);
    child<QLineEdit>(w, "imtxtStart")->setText(start);
    child<QLineEdit>(w, "imtxtEnd")->setText(end);
}

} // namespace

TEST(PrintSyogen, WrongRangesAreRefusedWithTheirMessages)
{
    test::makeTypedProject(project());
    project().CurrentAnchor = 3;
    frmPrintSyogen w;
    w.show();
    EXPECT_EQ(w.windowTitle(), QStringLiteral("印刷オプション"));
    EXPECT_TRUE(child<QRadioButton>(w, "Option1_1")->isChecked());
    EXPECT_EQ(child<QRadioButton>(w, "Option1_0")->text(), QStringLiteral("アンカー孔番の指定"));
    EXPECT_EQ(child<QRadioButton>(w, "Option1_1")->text(), QStringLiteral("表示しているアンカー孔番のみ"));
    EXPECT_EQ(child<QCheckBox>(w, "ChkPage")->text(), QStringLiteral("ページ番号を表示"));
    EXPECT_EQ(child<QLineEdit>(w, "imtxtStart")->text(), "3");
    EXPECT_FALSE(child<QLineEdit>(w, "imtxtStart")->isEnabled());

    const QString beyond = QStringLiteral("印刷範囲を超えています。\n入力範囲 ： 1 ～ 6");
    const std::pair<std::pair<const char*, const char*>, QString> cases[] = {
        { { "", "3" }, QStringLiteral("印刷範囲が未入力です。") },
        { { "2", "" }, QStringLiteral("印刷範囲が未入力です。") },
        { { "4", "2" }, QStringLiteral("範囲指定が間違っています｡") },
        { { "1", "7" }, beyond },
        { { "0", "2" }, beyond },
    };
    auto* ok = child<QPushButton>(w, "OKButton");
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
    EXPECT_FALSE(child<QRadioButton>(w, "Option1_0")->isEnabled());
    EXPECT_EQ(child<QLineEdit>(w, "imtxtEnd")->text(), "1");
}

TEST(PrintSyogen, OkComposesTheListAndShowsThePreview)
{
    test::makeTypedProject(project());
    const QString output = report::ReportEngine::defaultOutputFile();
    ui::ModalScript modal;
    modal.expect("frmPrintSyogen", [](QDialog& d) {
        setRange(d, "2", "4");
        child<QPushButton>(d, "OKButton")->click();
    });
    modal.expect("frmPreview", [&](QDialog& d) {
        EXPECT_TRUE(QFile::exists(output));
        EXPECT_EQ(child<QLabel>(d, "lblPage")->text(), "1/6");
        child<QPushButton>(d, "CmdClose")->click();
    });
    frmPrintSyogen::ShowForm(nullptr);
    EXPECT_TRUE(modal.allUsed());
    EXPECT_FALSE(QFile::exists(output));

    modal.expect("frmPrintSyogen", [](QDialog& d) {
        child<QCheckBox>(d, "ChkPage")->setChecked(false);
        EXPECT_FALSE(static_cast<frmPrintSyogen&>(d).options().pageNumbers);
        child<QPushButton>(d, "CancelButton")->click();
    });
    frmPrintSyogen::ShowForm(nullptr);
    EXPECT_EQ(modal.opened(), (QStringList { "frmPrintSyogen", "frmPreview", "frmPrintSyogen" }));
}
