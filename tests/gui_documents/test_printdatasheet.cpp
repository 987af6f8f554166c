// The print options of the data sheets and of the anchor particulars list:
// the page total, the range checks, and the road from OK to the preview.

#include "documents/ReportEngine.h"
#include "documents/frmPrintDataSheet.h"
#include "documents/frmPrintSyogen.h"
#include "model/UserMessage.h"
#include "support/AnchorListSamples.h"
#include "support/DataSheetSamples.h"
#include "support/GuiTestSupport.h"

using namespace tessaro;
using test::check;
using test::click;
using test::textOf;

namespace {

void setRange(QWidget& w, const QString& start, const QString& end)
{
    check(w, "Option1_0");
    test::setText(w, "imtxtStart", start);
    test::setText(w, "imtxtEnd", end);
}

// Each range is refused with its message, the window staying open.
void expectRefused(QWidget& w, const std::vector<std::pair<QStringList, QString>>& cases)
{
    for (const auto& [range, text] : cases) {
        MessageScript messages;
        setRange(w, range[0], range[1]);
        click(w, "OKButton");
        ASSERT_EQ(messages.shown().size(), 1u) << range.join('-').toStdString();
        EXPECT_EQ(test::lastText(messages), text);
        EXPECT_TRUE(w.isVisible());
    }
}

// The options window `name` opened by `show`, OK pressed after `options`, and
// the preview's page label read while the document file exists.
QString previewPages(const QString& name, const ui::ModalScript::Driver& options, void (*show)(QWidget*))
{
    const QString output = report::ReportEngine::defaultOutputFile();
    QString pages;
    ui::ModalScript modal;
    modal.expect(name, [&](QDialog& d) {
        options(d);
        click(d, "OKButton");
    });
    modal.expect("frmPreview", [&](QDialog& d) {
        EXPECT_TRUE(QFile::exists(output));
        pages = textOf(d, "lblPage");
        click(d, "CmdClose");
    });
    show(nullptr);
    EXPECT_TRUE(modal.allUsed());
    EXPECT_FALSE(QFile::exists(output));
    return pages;
}

} // namespace

// Five anchors of 10, 71, 31, 30 and 0 readings; anchor 2 displayed.
TEST(PrintDataSheet, PageTotalRangeChecksAndThePreview)
{
    Project& p = project();
    test::makeQualityProject(p, 5, 10);
    const int rows[] = { 10, 71, 31, 30, 0 };
    for (int i = 1; i <= 5; ++i)
        test::fillReadings(p.anchor(i), rows[i - 1]);
    p.CurrentAnchor = 2;
    {
        frmPrintDataSheet w;
        test::showActive(w);
        EXPECT_EQ(textOf(w, "LblMaxPage"), QStringLiteral("全３ページ")); // anchor 2: 71 rows
        {
            // A number beyond the anchors is kept on leaving its box; OK tells.
            MessageScript messages;
            check(w, "Option1_0");
            auto* start = test::control<QLineEdit>(w, "imtxtStart");
            start->setFocus();
            start->setText("7");
            test::control<QLineEdit>(w, "imtxtEnd")->setFocus();
            EXPECT_TRUE(messages.empty());
            EXPECT_EQ(start->text(), "7");
        }
        setRange(w, "1", "5");
        EXPECT_EQ(textOf(w, "LblMaxPage"), QStringLiteral("全８ページ")); // 1 + 3 + 2 + 1 + 1
        const QString wrong = QStringLiteral("印刷範囲指定が間違っています。入力し直してください。");
        expectRefused(w,
            { { { "2", "" }, QStringLiteral("印刷範囲を入力して下さい。") }, { { "4", "2" }, wrong },
                { { "1", "6" }, wrong } });
        check(w, "Option1_2");
        test::setText(w, "imTxtMai", "");
        MessageScript messages;
        click(w, "OKButton");
        EXPECT_EQ(test::lastText(messages), QStringLiteral("シートの枚数を入力して下さい。"));
        EXPECT_FALSE(test::enabled(w, "ChkisTime")); // blank sheets have no time column
    }
    EXPECT_EQ(previewPages(
                  "frmPrintDataSheet",
                  [](QDialog& d) {
                      setRange(d, "2", "3");
                      check(d, "ChkisTime");
                  },
                  frmPrintDataSheet::ShowForm),
        "1/5");
    // Blank sheets need no anchor at all.
    EXPECT_EQ(previewPages(
                  "frmPrintDataSheet",
                  [](QDialog& d) {
                      check(d, "Option1_2");
                      test::setText(d, "imTxtMai", "3");
                  },
                  frmPrintDataSheet::ShowForm),
        "1/3");
    ui::ModalScript modal;
    modal.expect("frmPrintDataSheet", [](QDialog& d) { click(d, "CancelButton"); });
    frmPrintDataSheet::ShowForm(nullptr);
    EXPECT_EQ(modal.opened(), QStringList { "frmPrintDataSheet" }); // Cancel composes nothing

    test::makeBasicProject(project(), 40);
    frmPrintDataSheet basic;
    EXPECT_FALSE(test::enabled(basic, "Option1_0"));
    EXPECT_EQ(textOf(basic, "LblMaxPage"), QStringLiteral("全２ページ"));
}

TEST(PrintSyogen, RangeChecksAndThePreviewOfTheList)
{
    test::makeTypedProject(project());
    project().CurrentAnchor = 3;
    {
        frmPrintSyogen w;
        w.show();
        EXPECT_EQ(textOf(w, "imtxtStart"), "3");
        EXPECT_FALSE(test::enabled(w, "imtxtStart"));
        const QString beyond = QStringLiteral("印刷範囲を超えています。\n入力範囲 ： 1 ～ 6");
        expectRefused(w,
            { { { "2", "" }, QStringLiteral("印刷範囲が未入力です。") },
                { { "4", "2" }, QStringLiteral("範囲指定が間違っています｡") }, { { "0", "2" }, beyond } });
        check(w, "ChkPage", false);
        EXPECT_FALSE(w.options().pageNumbers);
    }
    EXPECT_EQ(previewPages(
                  "frmPrintSyogen", [](QDialog& d) { setRange(d, "2", "4"); }, frmPrintSyogen::ShowForm),
        "1/6");

    test::makeBasicProject(project(), 0);
    frmPrintSyogen basic;
    EXPECT_FALSE(test::enabled(basic, "Option1_0"));
    EXPECT_EQ(textOf(basic, "imtxtEnd"), "1");
}
