// tessaro-cli pdf: the same documents as the print windows, from a data file.

#include "model/DataFile.h"
#include "support/DataSheetSamples.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QPdfDocument>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {
int pagesOf(const QString& file)
{
    QPdfDocument pdf;
    return pdf.load(file) == QPdfDocument::Error::None ? pdf.pageCount() : -1;
}
} // namespace

TEST(CliPdf, WritesDataSheetsAndBlankSheets)
{
    test::makeQualityProject(project(), 3, 31);
    QString data = test::tempPath("three.tsx");
    ASSERT_TRUE(SaveDataFile(data));

    QString out = test::tempPath("cli-sheets.pdf");
    QByteArray stdOut, stdErr;
    ASSERT_EQ(test::runCli(
                  { "pdf", data, "--doc", "datasheet", "--anchors", "2-3", "--time", "--out", out }, &stdOut, &stdErr),
        0)
        << stdErr.toStdString();
    EXPECT_EQ(pagesOf(out), 4);
    EXPECT_TRUE(stdOut.contains("4 pages"));

    ASSERT_EQ(test::runCli({ "pdf", data, "--doc", "datasheet", "--out", out }), 0);
    EXPECT_EQ(pagesOf(out), 6); // every anchor when no range is given

    QString blank = test::tempPath("cli-blank.pdf");
    ASSERT_EQ(test::runCli({ "pdf", "unused.tsx", "--doc", "blank", "--sheets", "3", "--out", blank }), 0);
    EXPECT_EQ(pagesOf(blank), 3);
}

TEST(CliPdf, RefusesWhatItCannotDo)
{
    test::makeQualityProject(project(), 2, 5);
    QString data = test::tempPath("two.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    QString out = test::tempPath("refused.pdf");
    QByteArray err;
    EXPECT_EQ(test::runCli({ "pdf", data, "--doc", "report", "--out", out }, nullptr, &err), 2);
    EXPECT_TRUE(err.contains("--doc datasheet"));
    EXPECT_EQ(test::runCli({ "pdf", data, "--doc", "datasheet" }, nullptr, &err), 2);
    EXPECT_TRUE(err.contains("--out is missing"));
    EXPECT_EQ(test::runCli({ "pdf", data, "--doc", "blank", "--time", "--out", out }, nullptr, &err), 2);
    EXPECT_EQ(test::runCli({ "pdf", data, "--doc", "datasheet", "--anchors", "2-5", "--out", out }, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("1-2"));
    EXPECT_EQ(test::runCli({ "pdf", data, "--doc", "blank", "--sheets", "11", "--out", out }), 1);
    EXPECT_EQ(test::runCli({ "pdf", test::tempPath("absent.tsx"), "--doc", "datasheet", "--out", out }), 1);
    EXPECT_FALSE(QFile::exists(out));
}

TEST(CliPdf, WritesTheAnchorList)
{
    test::makeQualityProject(project(), 3, 0);
    QString data = test::tempPath("list.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    QString out = test::tempPath("cli-list.pdf");
    QByteArray stdOut, stdErr;
    ASSERT_EQ(
        test::runCli({ "pdf", data, "--doc", "anchorlist", "--anchors", "2-3", "--out", out }, &stdOut, &stdErr), 0)
        << stdErr.toStdString();
    EXPECT_EQ(pagesOf(out), 4); // two pages per anchor
    QPdfDocument pdf;
    ASSERT_EQ(pdf.load(out), QPdfDocument::Error::None);
    EXPECT_TRUE(pdf.getAllText(0).text().contains(QStringLiteral("試験アンカー諸元表")));
    EXPECT_TRUE(pdf.getAllText(0).text().contains("A-2"));
    EXPECT_EQ(test::runCli({ "pdf", data, "--doc", "anchorlist", "--anchors", "3-4", "--out", out }), 1);
}
