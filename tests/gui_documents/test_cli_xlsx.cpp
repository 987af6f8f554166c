// tessaro-cli xlsx: the workbooks of the input window and the main window, from a data file.

#include "model/DataFile.h"
#include "support/DataSheetSamples.h"
#include "support/TestSupport.h"
#include "support/XlsxReader.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tessaro;

TEST(CliXlsx, WritesMeasurementDataAndTheAnchorList)
{
    test::makeQualityProject(project(), 2, 5);
    const QString data = test::tempPath("two.tsx");
    ASSERT_TRUE(SaveDataFile(data));

    const QString sheet = test::tempPath("anchor2.xlsx");
    QByteArray out, err;
    ASSERT_EQ(test::runCli({ "xlsx", data, "--anchor", "2", "--out", sheet }, &out, &err), 0) << err.toStdString();
    test::XlsxReader book(sheet);
    const auto cells = book.sheet(QStringLiteral("データシート"));
    EXPECT_EQ(cells.value({ 1, 0 }).text, "A-2");
    EXPECT_EQ(cells.value({ 12, 2 }).text, QStringLiteral("伸び量\n(mm)")); // every optional column
    EXPECT_DOUBLE_EQ(cells.value({ 0, 7 }).number, 5);

    const QString list = test::tempPath("list.xlsx");
    ASSERT_EQ(test::runCli({ "xlsx", data, "--list", "--out", list }), 0);
    EXPECT_EQ(test::XlsxReader(list).sheet(QStringLiteral("データ一覧表")).value({ 1, 2 }).text, "A-2");
}

TEST(CliXlsx, RefusesWhatItCannotDo)
{
    test::makeQualityProject(project(), 2, 5);
    const QString data = test::tempPath("two.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    const QString out = test::tempPath("refused.xlsx");
    QByteArray err;
    EXPECT_EQ(test::runCli({ "xlsx", data, "--out", out }, nullptr, &err), 2);
    EXPECT_TRUE(err.contains("--anchor N or --list"));
    EXPECT_EQ(test::runCli({ "xlsx", data, "--anchor", "1", "--list", "--out", out }), 2);
    EXPECT_EQ(test::runCli({ "xlsx", data, "--anchor", "x", "--out", out }), 2);
    EXPECT_EQ(test::runCli({ "xlsx", data, "--anchor", "3", "--out", out }, nullptr, &err), 1);
    EXPECT_TRUE(err.contains("1-2"));
    EXPECT_EQ(test::runCli({ "xlsx", data, "--list", "--out", test::tempPath("none/x.xlsx") }, nullptr, &err), 1);
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("Excel変換できませんでした")));
    EXPECT_FALSE(QFile::exists(out));
}
