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

using namespace tessaro;
using test::check;

namespace {

void chooseAnchors(QWidget& w, const QString& start, const QString& end)
{
    check(w, "Option3_0");
    test::setText(w, "imtxtStart", start);
    test::setText(w, "imtxtEnd", end);
}

QSizeF firstPageSize(const QString& file)
{
    QPdfDocument pdf;
    return pdf.load(file) == QPdfDocument::Error::None ? pdf.pagePointSize(0) : QSizeF();
}

bool anyGraphFileLeft()
{
    return !QDir(paths::dataDir()).entryList({ "GRAPH*.svg", "TmpGphSoukatu*.svg" }).isEmpty();
}

// Presses the button that composes the document, lets `options` fill in the
// options window when there is one, and returns the pages of the document the
// preview showed with the size of its first one.
std::pair<int, QSizeF> preview(QWidget& window, const char* button, const ui::ModalScript::Driver& options = {})
{
    std::pair<int, QSizeF> shown;
    ui::ModalScript modal;
    if (options) {
        modal.expect("frmPrintGRAPH", [&](QDialog& d) {
            options(d);
            test::click(d, "OKButton");
        });
    }
    modal.expect("frmPreview", [&](QDialog& d) {
        const QString file = report::ReportEngine::defaultOutputFile();
        shown = { test::pdfPages(file), firstPageSize(file) };
        EXPECT_EQ(test::textOf(d, "lblPage"), QStringLiteral("1/%1").arg(shown.first));
        d.reject();
    });
    MessageScript messages;
    test::click(window, button);
    EXPECT_TRUE(modal.allUsed());
    EXPECT_TRUE(messages.empty()) << test::lastText(messages).toStdString();
    return shown;
}

} // namespace

TEST(GraphPrint, PrintAllShowsTheChosenSheetsOfTheChosenAnchors)
{
    test::setUpMeasuredProject(4);
    {
        frmGRAPH window;
        EXPECT_EQ(preview(window, "Command3", [](QDialog& d) { chooseAnchors(d, "2", "4"); }).first, 3);
        // Graphs only, of the anchor displayed: one landscape A4 page.
        auto [pages, size] = preview(window, "Command3", [](QDialog& d) { check(d, "Option1_1"); });
        EXPECT_EQ(pages, 1);
        EXPECT_NEAR(size.width(), 842, 1);
        EXPECT_NEAR(size.height(), 595, 1);
    }
    EXPECT_FALSE(QFile::exists(report::ReportEngine::defaultOutputFile()));
    EXPECT_FALSE(anyGraphFileLeft());

    // The summary window's document: a page per twenty anchors.
    test::setUpMeasuredProject(21);
    frmEffectGraph summary;
    EXPECT_EQ(preview(summary, "cmdPreview").first, 2);
    EXPECT_FALSE(anyGraphFileLeft());
}

TEST(GraphPrint, OptionsWindowReturnsTheChoice)
{
    test::setUpMeasuredProject(6);
    project().CurrentAnchor = 5;
    frmPrintGRAPH w;
    EXPECT_EQ(w.choice().sheet.kind, GraphSheetKind::Detailed);
    EXPECT_EQ(w.choice().first, 5); // the anchor displayed
    check(w, "Option1_1");
    check(w, "Option2_0");
    check(w, "Check2", false);
    chooseAnchors(w, "3", "6"); // the range is checked as in the other print options windows
    test::click(w, "OKButton");
    EXPECT_EQ(w.result(), QDialog::Accepted);
    GraphPrintChoice c = w.choice();
    EXPECT_EQ(c.sheet.kind, GraphSheetKind::GraphsOnly);
    EXPECT_TRUE(c.sheet.monochrome);
    EXPECT_FALSE(c.sheet.pageNumbers);
    EXPECT_EQ(c.last, 6);
}

TEST(GraphPrint, CliWritesTheSameGraphSheets)
{
    test::setUpMeasuredProject(3);
    QString data = test::tempPath("graphs.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    QString out = test::tempPath("cli-graphs.pdf");
    QByteArray err;
    ASSERT_EQ(
        test::runCli({ "pdf", data, "--doc", "graphs", "--anchors", "2-3", "--graphs-only", "--mono", "--out", out },
            nullptr, &err),
        0)
        << err.toStdString();
    EXPECT_EQ(test::pdfPages(out), 2);
    EXPECT_GT(firstPageSize(out).width(), firstPageSize(out).height());
}
