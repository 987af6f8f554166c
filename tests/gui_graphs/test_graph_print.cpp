// Printing from the graph windows: the graph sheets of the graph window's
// print-all through its options window, the summary chart document, and the
// same graph sheets from tessaro-cli: small pages with their labels as text,
// composed in the same memory however many anchors they show.

#include "GraphProject.h"

#include "documents/ReportEngine.h"
#include "documents/frmPreview.h"
#include "documents/frmPrintGRAPH.h"
#include "graphs/frmEffectGraph.h"
#include "graphs/frmGRAPH.h"
#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "model/UserMessage.h"
#include "support/GuiTestSupport.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

using namespace tessaro;
using test::check;

namespace {

// Runs tessaro-cli to its end; its peak resident memory in MB, −1 when it failed.
double cliPeakMegabytes(const QStringList& args)
{
    std::vector<QByteArray> words { QFile::encodeName(qEnvironmentVariable("TESSARO_CLI")) };
    for (const QString& a : args)
        words.push_back(a.toUtf8());
    std::vector<char*> argv;
    for (QByteArray& w : words)
        argv.push_back(w.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t quiet;
    posix_spawn_file_actions_init(&quiet);
    posix_spawn_file_actions_addopen(&quiet, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&quiet, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const bool started = posix_spawn(&pid, argv[0], &quiet, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&quiet);
    int status = 0;
    rusage usage {};
    if (!started || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return -1;
    return double(usage.ru_maxrss) / 1024.0;
}

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

struct Shown {
    int pages = 0;
    QSizeF size; // of the first page
    int zoom = -1; // the preview's zoom list entry
};

// Presses the button that composes the document, lets `options` fill in the
// options window when there is one, and returns what the preview showed.
Shown preview(QWidget& window, const char* button, const ui::ModalScript::Driver& options = {})
{
    Shown shown;
    ui::ModalScript modal;
    if (options) {
        modal.expect("frmPrintGRAPH", [&](QDialog& d) {
            options(d);
            test::click(d, "OKButton");
        });
    }
    modal.expect("frmPreview", [&](QDialog& d) {
        const QString file = report::ReportEngine::defaultOutputFile();
        shown = { test::pdfPages(file), firstPageSize(file), test::control<QComboBox>(d, "cboScale")->currentIndex() };
        EXPECT_EQ(test::textOf(d, "lblPage"), QStringLiteral("1/%1").arg(shown.pages));
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
        EXPECT_EQ(preview(window, "Command3", [](QDialog& d) { chooseAnchors(d, "2", "4"); }).pages, 3);
        // Graphs only, of the anchor displayed: one landscape A4 page, shown
        // across the width of the window.
        Shown only = preview(window, "Command3", [](QDialog& d) { check(d, "Option1_1"); });
        EXPECT_EQ(only.pages, 1);
        EXPECT_NEAR(only.size.width(), 842, 1);
        EXPECT_NEAR(only.size.height(), 595, 1);
        EXPECT_EQ(only.zoom, frmPreview::ZoomPageWidth);
    }
    EXPECT_FALSE(QFile::exists(report::ReportEngine::defaultOutputFile()));
    EXPECT_FALSE(anyGraphFileLeft());

    // The summary window's document: a page per twenty anchors.
    test::setUpMeasuredProject(21);
    frmEffectGraph summary;
    EXPECT_EQ(preview(summary, "cmdPreview").pages, 2);
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

// A graph sheet is a small page of vector graphics whose labels are text: the
// graphs' titles, axis titles and tick labels are found, no picture is
// embedded, and poppler finds nothing to complain of. Each anchor's graphs are
// let go once its page is drawn: thirty anchors take the memory of three.
TEST(GraphPrint, CliGraphSheetsAreSmallSearchablePagesInFlatMemory)
{
    test::setUpMeasuredProject(30);
    const QString data = test::tempPath("thirty.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    const QString out = test::tempPath("sheets.pdf");
    const double three = cliPeakMegabytes({ "pdf", data, "--doc", "graphs", "--anchors", "1-3", "--out", out });
    ASSERT_GT(three, 0);
    EXPECT_LT(QFileInfo(out).size(), 3 * 60 * 1024);
    QString complaints;
    const QString text = test::pdfToText(out, &complaints);
    EXPECT_TRUE(complaints.isEmpty()) << complaints.toStdString();
    for (const QString& label :
        { QStringLiteral("荷重-変位量曲線"), QStringLiteral("時間-変位量曲線"), QStringLiteral("荷重(kN)"),
            QStringLiteral("変位量(mm)"), QStringLiteral("経過時間(分)"), QStringLiteral("350") })
        EXPECT_GE(text.count(label), 3) << label.toStdString(); // on every sheet
    EXPECT_FALSE(test::readFile(out).contains("/Subtype /Image"));

    const double thirty = cliPeakMegabytes({ "pdf", data, "--doc", "graphs", "--out", out });
    ASSERT_GT(thirty, 0);
    EXPECT_EQ(test::pdfPages(out), 30);
    EXPECT_LT(thirty - three, 30) << three << " MB for 3 anchors, " << thirty << " MB for 30";
}
