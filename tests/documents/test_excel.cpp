// Excel workbooks read back cell by cell: the measurement sheet with its
// option-gated columns, the anchor list, numbers as numeric cells holding the
// printed values with their decimals as number formats, −99 as empty cells;
// the page setup, rules and properties that make them print; and files that
// cannot be written.

#include "documents/ExcelOutput.h"
#include "evaluation/CycleEvaluation.h"
#include "support/AnchorFixtures.h"
#include "support/DataSheetSamples.h"
#include "support/TestSupport.h"
#include "support/XlsxReader.h"

#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace tessaro;
using Cells = QMap<std::pair<int, int>, test::XlsxReader::Cell>;

namespace {

QStringList headingRow(const Cells& cells, int row)
{
    QStringList headings;
    for (int col = 0; cells.contains({ col, row }); ++col)
        headings << cells.value({ col, row }).text;
    return headings;
}

// Expects a numeric cell of this value written with this number format.
void expectNumber(const Cells& cells, int col, int row, double value, const QString& format)
{
    SCOPED_TRACE(testing::Message() << "column " << col << " row " << row);
    ASSERT_TRUE(cells.contains({ col, row }));
    EXPECT_TRUE(cells.value({ col, row }).isNumber);
    EXPECT_DOUBLE_EQ(cells.value({ col, row }).number, value);
    EXPECT_EQ(cells.value({ col, row }).written, QString::number(value)); // "10.01", as printed
    EXPECT_EQ(cells.value({ col, row }).format, format);
}

// The six-cycle anchor with three readings: a full one at 100 kN, one whose
// gauge was not read and one that was never taken (elapsed time −99).
Cells writeMeasurement(const ExcelColumns& columns, const QString& file = test::tempPath("measurement.xlsx"))
{
    AnchorRecord a = test::sixCycleAnchor();
    a.Readings = { test::sampleReading(0), test::sampleReading(1), test::sampleReading(2) };
    a.ReadingCount = 3;
    a.Readings[0].Load = 100.0f;
    a.Readings[0].Cycle = 1;
    a.Readings[1].GaugePressure = MissingValue;
    a.Readings[2].ElapsedTime = std::int32_t(MissingValue);
    EXPECT_TRUE(WriteMeasurementWorkbook(file, a, EvaluationContext {}, columns));
    test::XlsxReader book(file);
    EXPECT_EQ(book.sheetNames(), QStringList { QStringLiteral("データシート") });
    return book.sheet(QStringLiteral("データシート"));
}

} // namespace

TEST(ExcelMeasurement, EveryColumnWithNumbersAsNumericCells)
{
    const Cells cells = writeMeasurement(ExcelColumns {});
    EXPECT_EQ(headingRow(cells, 2).size(), 13);
    expectNumber(cells, 2, 3, 1.25, "0.00");
    expectNumber(cells, 5, 3, 5, "0.00"); // theory (100 − 50) / 10 mm
    expectNumber(cells, 9, 4, 10.01, "0.00"); // the printed value, not the single behind it
    expectNumber(cells, 12, 4, 0.02, "0.00"); // 0.015 rounds half away from zero, as printed
    EXPECT_FALSE(cells.contains({ 2, 4 })); // gauge −99: empty, not −99
    // A reading never taken keeps only its number.
    expectNumber(cells, 0, 5, 3, "0");
    for (int col = 1; col < 13; ++col)
        EXPECT_FALSE(cells.contains({ col, 5 })) << col;
    // Evaluated before writing: Pi = Pt + Set·Es·As / (Lsf − Lr) = 300 + 5 × 200 ×
    // 500 / 9000 = 355.56 kN, on the jack's gauge 20 + 145.56 × 20 / 220 = 33.23 MPa.
    EXPECT_EQ(cells.value({ 0, 6 }).text, QStringLiteral("初期緊張力(kN)"));
    expectNumber(cells, 2, 6, 33.23, "0.00");
    expectNumber(cells, 3, 6, 355.56, "0.00");
}

TEST(ExcelMeasurement, EachOptionWritesItsOwnColumns)
{
    ExcelColumns none { false, false, false, false, false };
    Cells cells = writeMeasurement(none);
    EXPECT_EQ(headingRow(cells, 2), (QStringList { "No", "経過時間", "荷重\n(kN)", "サイクル", "伸び量\n(mm)" }));
    EXPECT_FALSE(cells.contains({ 0, 6 })); // no initial-tension row
    const std::pair<bool ExcelColumns::*, QString> options[]
        = { { &ExcelColumns::point1, "測定No1" }, { &ExcelColumns::point2, "測定No2" },
              { &ExcelColumns::controlLimits, "下限値" }, { &ExcelColumns::gauge, "ゲージ圧\n(MPa)" } };
    for (const auto& [option, heading] : options) {
        ExcelColumns one = none;
        one.*option = true;
        EXPECT_TRUE(headingRow(writeMeasurement(one), 2).contains(heading)) << heading.toStdString();
    }
}

TEST(ExcelAnchorList, ColumnsOfTheMainWindowsList)
{
    Project p;
    test::makeQualityProject(p, 3, 0);
    AnchorRecord& a = p.anchor(1);
    a = test::sixCycleAnchor();
    test::describeAnchor(a, "A-1");
    a.DesignAnchorForceSeismic = 280.5f;
    a.AnchoringType = 2;
    p.anchor(2).AnchorNo.clear(); // an empty line of the list
    p.anchor(3).ConfirmationTest = 1;
    p.anchor(3).SetAmount = -1;
    const QString file = test::tempPath("list.xlsx");
    ASSERT_TRUE(WriteAnchorListWorkbook(file, p));
    test::XlsxReader book(file);
    EXPECT_EQ(book.sheetNames(), QStringList { QStringLiteral("データ一覧表") });
    const Cells cells = book.sheet(QStringLiteral("データ一覧表"));
    EXPECT_EQ(headingRow(cells, 0).size(), 24);
    expectNumber(cells, 4, 1, 280.5, "0.00");
    EXPECT_EQ(cells.value({ 9, 1 }).text, QStringLiteral("くさびナット併用"));
    expectNumber(cells, 10, 1, 5, "0.0");
    expectNumber(cells, 18, 1, 9200, "0");
    // The initial tension as the particulars give it, not a value stored earlier.
    expectNumber(cells, int(headingRow(cells, 0).indexOf(QStringLiteral("初期緊張力\n(kN)"))), 1, 362.5, "0.00");
    expectNumber(cells, 0, 2, 2, "0"); // the unnamed anchor is an empty line with its number
    EXPECT_FALSE(cells.contains({ 1, 2 }));
    EXPECT_EQ(cells.value({ 2, 3 }).text, QStringLiteral("確認試験"));
    EXPECT_FALSE(cells.contains({ 10, 3 })); // set amount −1: not entered
    Project basic; // a basic investigation lists its one anchor with its own columns
    test::makeBasicProject(basic, 0);
    EXPECT_EQ(anchorListSheet(basic).rows.at(0).size(), 10u);
}

// A cell holds the value as printed, not the nearest binary value written out
// in full (a theoretical value of 8.86 is not 8.859999999999999).
TEST(ExcelFiles, CellsHoldThePrintedValues)
{
    xlsx::Sheet sheet;
    sheet.name = "S";
    sheet.rows = { { xlsx::Cell::value(8.86, "0.00"), xlsx::Cell::value(0.07, "0.00"),
        xlsx::Cell::value(1234.56, "0.00"), xlsx::Cell::value(-99.5, "0.0") } };
    const QString file = test::tempPath("printed.xlsx");
    ASSERT_TRUE(xlsx::writeWorkbook(file, sheet));
    const Cells cells = test::XlsxReader(file).sheet("S");
    QStringList written;
    for (int col = 0; col < 4; ++col)
        written << cells.value({ col, 0 }).written;
    EXPECT_EQ(written, (QStringList { "8.86", "0.07", "1234.56", "-99.5" }));
}

// Printed, a 70-reading sheet is A4 landscape one page wide with its anchor and
// headings on every page, its table ruled on every cell; the list as wide as
// the main window's prints landscape, one page wide. Both name their title and
// the program, in a Japanese face.
TEST(ExcelPrint, PageSetupRulesAndProperties)
{
    AnchorRecord a = test::sixCycleAnchor();
    a.AnchorNo = "A-7";
    for (int i = 0; i < 70; ++i)
        a.Readings.push_back(test::sampleReading(i));
    a.Readings[5].GaugePressure = MissingValue;
    a.ReadingCount = 70;
    const QString file = test::tempPath("seventy.xlsx");
    ASSERT_TRUE(WriteMeasurementWorkbook(file, a, EvaluationContext {}, ExcelColumns {}));
    const test::XlsxReader book(file);
    const QString sheet = "xl/worksheets/sheet1.xml";
    const std::pair<const char*, QString> setup[]
        = { { "paperSize", "9" }, { "orientation", "landscape" }, { "fitToWidth", "1" }, { "fitToHeight", "0" } };
    for (const auto& [name, value] : setup)
        EXPECT_EQ(book.attributeOf(sheet, "pageSetup", name), value) << name;
    EXPECT_EQ(book.attributeOf(sheet, "pageSetUpPr", "fitToPage"), "1");
    EXPECT_EQ(book.textOf("xl/workbook.xml", "definedName"), QStringLiteral("'データシート'!$1:$3"));
    EXPECT_EQ(book.attributeOf("xl/workbook.xml", "definedName", "name"), "_xlnm.Print_Titles");
    // Every cell of the table is ruled: the headings, the gauge left empty, all 13 columns of the last row.
    const auto ruled = book.ruledCells();
    EXPECT_TRUE(ruled.contains({ 2, 2 }) && ruled.contains({ 2, 8 }) && ruled.contains({ 12, 72 }));
    EXPECT_FALSE(ruled.contains({ 2, 0 })); // beside the anchor's name, above the table
    EXPECT_EQ(book.attributeOf("xl/styles.xml", "name", "val"), xlsx::CellFont);
    EXPECT_EQ(book.textOf("docProps/core.xml", "title"), QStringLiteral("データシート　A-7"));
    EXPECT_EQ(book.textOf("docProps/core.xml", "creator"), "Tessaro");
    EXPECT_TRUE(book.textOf("docProps/app.xml", "Application").startsWith("Tessaro 4."));

    Project p;
    test::makeQualityProject(p, 2, 0);
    const QString list = test::tempPath("list.xlsx");
    ASSERT_TRUE(WriteAnchorListWorkbook(list, p));
    const test::XlsxReader listBook(list);
    EXPECT_EQ(listBook.attributeOf(sheet, "pageSetup", "orientation"), "landscape");
    EXPECT_EQ(listBook.textOf("xl/workbook.xml", "definedName"), QStringLiteral("'データ一覧表'!$1:$1"));
    EXPECT_EQ(listBook.textOf("docProps/core.xml", "title"), QStringLiteral("データ一覧表　○○川護岸補強工事"));
    EXPECT_EQ(listBook.textOf("docProps/core.xml", "subject"), QStringLiteral("アンカー A-1 ～ A-2"));
}

// Under SOURCE_DATE_EPOCH a workbook written again is the same file, dated then.
TEST(ExcelFiles, TheSameWorkbookWhenWrittenAgain)
{
    Project p;
    test::makeQualityProject(p, 3, 0);
    qputenv("SOURCE_DATE_EPOCH", "1700000000");
    const QString first = test::tempPath("first.xlsx"), again = test::tempPath("again.xlsx");
    ASSERT_TRUE(WriteAnchorListWorkbook(first, p));
    ASSERT_TRUE(WriteAnchorListWorkbook(again, p));
    qunsetenv("SOURCE_DATE_EPOCH");
    EXPECT_EQ(test::fileBytes(first), test::fileBytes(again));
    EXPECT_EQ(test::XlsxReader(first).textOf("docProps/core.xml", "created"), "2023-11-14T22:13:20Z");
}

TEST(ExcelFiles, AFileThatCannotBeWrittenLeavesWhatWasThere)
{
    const QString file = test::tempPath("kept.xlsx");
    writeMeasurement(ExcelColumns {}, file);
    const QByteArray before = test::fileBytes(file);
    // A workbook that cannot be completed (a sheet name Excel refuses) never
    // replaces the file, and leaves nothing of itself behind.
    xlsx::Sheet refused;
    refused.name = "[Sheet]";
    refused.rows = { { xlsx::Cell::value(1, "0") } };
    EXPECT_FALSE(xlsx::writeWorkbook(file, refused));
    EXPECT_EQ(test::fileBytes(file), before);
    EXPECT_EQ(QDir(test::tempDir()).entryList({ "kept*" }, QDir::Files | QDir::Hidden), QStringList { "kept.xlsx" });

    // A folder of that name, or a folder that does not exist.
    const QString folder = test::tempPath("book.xlsx");
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    EXPECT_FALSE(WriteAnchorListWorkbook(folder, Project {}));
    EXPECT_TRUE(QDir(folder + "/inside").exists());
    EXPECT_FALSE(WriteAnchorListWorkbook(test::tempPath("missing/book.xlsx"), Project {}));
}
