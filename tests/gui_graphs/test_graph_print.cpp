// Printing from the graph windows: the graph sheets of the graph window's
// print-all through its options window, the summary chart document, and the
// same graph sheets from tessaro-cli.

#include "GraphProject.h"

#include "documents/ReportEngine.h"
#include "documents/frmPrintGRAPH.h"
#include "graphs/frmEffectGraph.h"
#include "graphs/frmGRAPH.h"
#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"
#include "ui/Modal.h"

#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPdfDocument>
#include <QPushButton>
#include <QRadioButton>
#include <gtest/gtest.h>

using namespace tessaro;
using test::control;

namespace {

void choose(QWidget& w, const char* option)
{
    control<QRadioButton>(w, option)->setChecked(true);
}

void chooseAnchors(QWidget& w, const QString& start, const QString& end)
{
    choose(w, "Option3_0");
    control<QLineEdit>(w, "imtxtStart")->setText(start);
    control<QLineEdit>(w, "imtxtEnd")->setText(end);
}

// Pages of the preview document with the size of its first page in points.
struct Pages {
    int count = -1;
    QSizeF first;
};

Pages pagesOf(const QString& file)
{
    QPdfDocument pdf;
    if (pdf.load(file) != QPdfDocument::Error::None)
        return {};
    return { pdf.pageCount(), pdf.pagePointSize(0) };
}

bool anyGraphFileLeft()
{
    return !QDir(paths::dataDir()).entryList({ "GRAPH*.svg", "TmpGphSoukatu*.svg" }).isEmpty();
}

// Presses the graph window's print-all, lets `options` fill in frmPrintGRAPH and
// returns what the preview showed.
Pages printAll(frmGRAPH& window, const std::function<void(QDialog&)>& options)
{
    Pages shown;
    ui::ModalScript modal;
    modal.expect("frmPrintGRAPH", [&](QDialog& d) {
        options(d);
        control<QPushButton>(d, "OKButton")->click();
    });
    modal.expect("frmPreview", [&](QDialog& d) {
        shown = pagesOf(report::ReportEngine::defaultOutputFile());
        EXPECT_EQ(control<QLabel>(d, "lblPage")->text(), QStringLiteral("1/%1").arg(shown.count));
        d.reject();
    });
    MessageScript messages;
    control<QPushButton>(window, "Command3")->click();
    EXPECT_TRUE(modal.allUsed());
    EXPECT_TRUE(messages.empty()) << messages.last().text.toStdString();
    return shown;
}

} // namespace

TEST(GraphPrint, PrintAllShowsTheChosenSheetsOfTheChosenAnchors)
{
    test::setUpMeasuredProject(4);
    frmGRAPH window;
    ASSERT_TRUE(control<QPushButton>(window, "Command3")->isEnabled());

    Pages detailed = printAll(window, [](QDialog& d) { chooseAnchors(d, "2", "4"); });
    EXPECT_EQ(detailed.count, 3);

    // Graphs only, of the anchor displayed: one landscape A4 page.
    Pages only = printAll(window, [](QDialog& d) { choose(d, "Option1_1"); });
    EXPECT_EQ(only.count, 1);
    EXPECT_NEAR(only.first.width(), 842, 1);
    EXPECT_NEAR(only.first.height(), 595, 1);

    EXPECT_FALSE(QFile::exists(report::ReportEngine::defaultOutputFile()));
    EXPECT_FALSE(anyGraphFileLeft());
}

TEST(GraphPrint, OptionsWindowReturnsTheChoiceAndChecksTheRange)
{
    test::setUpMeasuredProject(6);
    project().CurrentAnchor = 5;
    frmPrintGRAPH w;
    test::screenshot(w, "frmPrintGRAPH");
    GraphPrintChoice c = w.choice();
    EXPECT_EQ(c.sheet.kind, GraphSheetKind::Detailed);
    EXPECT_EQ(c.first, 5); // the anchor displayed

    choose(w, "Option1_1");
    choose(w, "Option2_0");
    control<QCheckBox>(w, "Check2")->setChecked(false);
    chooseAnchors(w, "3", "7");
    MessageScript messages;
    control<QPushButton>(w, "OKButton")->click();
    ASSERT_EQ(messages.shown().size(), 1u);
    EXPECT_EQ(messages.last().text, QStringLiteral("印刷範囲を超えています。\n入力範囲 ： 1 ～ 6"));
    EXPECT_NE(w.result(), QDialog::Accepted);

    chooseAnchors(w, "3", "6");
    control<QPushButton>(w, "OKButton")->click();
    EXPECT_EQ(w.result(), QDialog::Accepted);
    c = w.choice();
    EXPECT_EQ(c.sheet.kind, GraphSheetKind::GraphsOnly);
    EXPECT_TRUE(c.monochrome);
    EXPECT_FALSE(c.sheet.pageNumbers);
    EXPECT_EQ(c.last, 6);
}

TEST(GraphPrint, SummaryPreviewHasAPagePerTwentyAnchors)
{
    test::setUpMeasuredProject(21);
    frmEffectGraph window;
    Pages shown;
    ui::ModalScript modal;
    modal.expect("frmPreview", [&](QDialog& d) {
        shown = pagesOf(report::ReportEngine::defaultOutputFile());
        d.reject();
    });
    control<QPushButton>(window, "cmdPreview")->click();
    EXPECT_EQ(shown.count, 2);
    EXPECT_FALSE(anyGraphFileLeft());
}

TEST(GraphPrint, CliWritesTheSameGraphSheets)
{
    test::setUpMeasuredProject(3);
    QString data = test::tempPath("graphs.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    QString out = test::tempPath("cli-graphs.pdf");
    QByteArray err;
    ASSERT_EQ(test::runCli({ "pdf", data, "--doc", "graphs", "--anchors", "2-3", "--out", out }, nullptr, &err), 0)
        << err.toStdString();
    EXPECT_EQ(pagesOf(out).count, 2);
    ASSERT_EQ(test::runCli({ "pdf", data, "--doc", "graphs", "--graphs-only", "--mono", "--out", out }), 0);
    Pages only = pagesOf(out);
    EXPECT_EQ(only.count, 3);
    EXPECT_GT(only.first.width(), only.first.height());
}
