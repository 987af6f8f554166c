// tessaro-cli pdf and xlsx: one run per document kind, read back by its pages or
// one cell, and the arguments refused.

#include "graphs/CreepCharts.h"
#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "support/CreepAnchors.h"
#include "support/DataSheetSamples.h"
#include "support/GuiTestSupport.h"
#include "support/QualityDocumentSamples.h"
#include "support/TestSupport.h"
#include "support/XlsxReader.h"

#include <QDirIterator>

using namespace tessaro;

namespace {

// Three anchors A-1 … A-3 of 31 readings each, saved.
QString savedProject()
{
    test::makeQualityProject(project(), 3, 31);
    QString data = test::tempPath("three.tsx");
    EXPECT_TRUE(SaveDataFile(data));
    return data;
}

} // namespace

TEST(Cli, WritesEveryDocumentKind)
{
    const QString data = savedProject();
    const QString pdf = test::tempPath("cli.pdf");
    QByteArray out, err;
    // Data sheets: 31 rows take two pages an anchor.
    ASSERT_EQ(
        test::runCli({ "pdf", data, "--doc", "datasheet", "--anchors", "2-3", "--time", "--out", pdf }, &out, &err), 0)
        << err.toStdString();
    EXPECT_EQ(test::pdfPages(pdf), 4);
    EXPECT_TRUE(out.contains("4 pages"));
    ASSERT_EQ(test::runCli({ "pdf", "unused.tsx", "--doc", "blank", "--sheets", "3", "--out", pdf }), 0);
    EXPECT_EQ(test::pdfPages(pdf), 3);
    ASSERT_EQ(test::runCli({ "pdf", data, "--doc", "anchorlist", "--anchors", "2-3", "--out", pdf }), 0);
    EXPECT_EQ(test::pdfPages(pdf), 4); // two pages an anchor

    const QString sheet = test::tempPath("anchor2.xlsx");
    ASSERT_EQ(test::runCli({ "xlsx", data, "--anchor", "2", "--out", sheet }), 0);
    EXPECT_EQ(test::XlsxReader(sheet).sheet(QStringLiteral("データシート")).value({ 1, 0 }).text, "A-2");
    const QString list = test::tempPath("list.xlsx");
    ASSERT_EQ(test::runCli({ "xlsx", data, "--list", "--out", list }), 0);
    EXPECT_EQ(test::XlsxReader(list).sheet(QStringLiteral("データ一覧表")).value({ 1, 2 }).text, "A-2");
}

// The result lists, the detailed lists and the creep sheets of the three
// anchors of support/CreepAnchors.h.
TEST(Cli, WritesTheResultListsAndTheCreepSheets)
{
    test::makeCreepProject(project());
    const QString data = test::tempPath("creep.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    const QString pdf = test::tempPath("results.pdf");
    const std::pair<QStringList, int> runs[] = {
        { { "--doc", "results" }, 1 },
        { { "--doc", "results", "--creep" }, 1 },
        { { "--doc", "results-detail", "--anchors", "2-3" }, 4 }, // 59 rows: two pages an anchor
        { { "--doc", "creep", "--anchors", "1-2" }, 2 },
    };
    for (const auto& [args, pages] : runs) {
        QByteArray err;
        ASSERT_EQ(test::runCli(QStringList { "pdf", data } + args + QStringList { "--out", pdf }, nullptr, &err), 0)
            << err.toStdString();
        EXPECT_EQ(test::pdfPages(pdf), pages) << args.join(' ').toStdString();
        EXPECT_FALSE(err.contains("warning")) << err.toStdString();
    }
    // The creep sheets draw their curves on the page: the titles, axes and
    // point labels are text, and no picture is embedded.
    const QString text = test::pdfToText(pdf);
    EXPECT_EQ(text.count(CreepDisplacementTitle), 2) << text.toStdString();
    EXPECT_EQ(text.count(QStringLiteral("変位量(mm)")), 2); // the axis title
    EXPECT_TRUE(text.contains("No.7")); // the last point of anchor 2's holding
    EXPECT_FALSE(test::readFile(pdf).contains("/Subtype /Image"));
}

// The quality-assurance plan and report of the anchors asked for, with the
// pages the same composition counts and each anchor's section in the text.
TEST(Cli, WritesTheQualityAssurancePlanAndReport)
{
    test::makeWorkedQualityProject(project());
    const QString data = test::tempPath("quality.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    const QString pdf = test::tempPath("quality.pdf");
    for (const char* kind : { "quality-plan", "quality-report" }) {
        QByteArray out, err;
        ASSERT_EQ(test::runCli({ "pdf", data, "--doc", kind, "--anchors", "2-3", "--out", pdf }, &out, &err), 0)
            << kind << ": " << err.toStdString();
        const QString text = test::pdfToText(pdf);
        EXPECT_TRUE(text.contains(QStringLiteral("A-2")) && text.contains(QStringLiteral("A-3"))) << kind;
        EXPECT_FALSE(text.contains(QStringLiteral("A-4"))) << kind;
        EXPECT_TRUE(text.contains(QStringLiteral("試験結果の整理"))) << kind;
        EXPECT_TRUE(out.contains(QByteArray::number(test::pdfPages(pdf)) + " pages")) << kind;
    }
    EXPECT_TRUE(test::pdfToText(pdf).contains(CreepDisplacementTitle)); // anchor 2's creep sheet
}

TEST(Cli, RefusesWhatItCannotDoAndWritesNothing)
{
    const QString data = savedProject();
    const QString out = test::tempPath("refused.out");
    // Status 2 for arguments that make no command, 1 for a command that cannot be done.
    const std::tuple<QStringList, int, QString> cases[] = {
        { { "pdf", data, "--doc", "report", "--out", out }, 2, "--doc datasheet" },
        { { "pdf", data, "--doc", "datasheet" }, 2, "--out is missing" },
        { { "pdf", data, "--doc", "datasheet", "--anchors", "2-5", "--out", out }, 1, "1-3" },
        { { "pdf", data, "--doc", "blank", "--sheets", "11", "--out", out }, 1, "" },
        { { "pdf", data, "--doc", "creep", "--anchors", "3-4", "--out", out }, 1, "1-3" },
        { { "pdf", data, "--doc", "results", "--anchors", "1-2", "--out", out }, 2, "unexpected --anchors" },
        { { "pdf", test::tempPath("absent.tsx"), "--doc", "datasheet", "--out", out }, 1, "" },
        { { "xlsx", data, "--out", out }, 2, "--anchor N or --list" },
        { { "xlsx", data, "--anchor", "x", "--out", out }, 2, "" },
        { { "xlsx", data, "--anchor", "4", "--out", out }, 1, "1-3" },
        { { "xlsx", data, "--list", "--out", test::tempPath("none/x.xlsx") }, 1, QStringLiteral("保存先のフォルダ「") },
    };
    for (const auto& [args, status, told] : cases) {
        QByteArray err;
        EXPECT_EQ(test::runCli(args, nullptr, &err), status) << args.join(' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(err).contains(told)) << args.join(' ').toStdString() << ": " << err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}

// A document missing a template is not written: the program names what is
// missing and exits 1. It runs from a copy of its installed tree whose Report
// folder lacks the closing rule of the data sheets.
TEST(Cli, ADocumentMissingATemplateIsNotWritten)
{
    const QDir root(test::tempPath("installed"));
    const QString resources = root.filePath("share/tessaro/resources");
    QDirIterator it(paths::resourceDir(), QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString from = it.next();
        const QString relative = QDir(paths::resourceDir()).relativeFilePath(from);
        if (relative != "Report/InputDataSheetBar.jfm")
            test::writtenFile(QDir(resources).filePath(relative), test::readFile(from));
    }
    const QString program = root.filePath("bin/tessaro-cli");
    ASSERT_TRUE(root.mkpath("bin") && QFile::copy(qEnvironmentVariable("TESSARO_CLI"), program));
    QFile::setPermissions(program, QFile::permissions(program) | QFile::ExeOwner);

    const QString out = test::tempPath("blank.pdf");
    QProcess cli;
    cli.start(program, { "pdf", "-", "--doc", "blank", "--out", out });
    ASSERT_TRUE(cli.waitForFinished(60000));
    EXPECT_EQ(cli.exitCode(), 1);
    const QString told = QString::fromUtf8(cli.readAllStandardError());
    EXPECT_TRUE(told.contains("InputDataSheetBar.jfm")) << told.toStdString();
    EXPECT_FALSE(QFile::exists(out));
}
