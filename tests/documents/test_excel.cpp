// Excel workbooks read back cell by cell: the measurement sheet with its
// option-gated columns, the anchor list, numbers as numeric cells with their
// decimals as number formats, −99 as empty cells, and files that cannot be written.

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
    EXPECT_EQ(QDir(test::tempDir()).entryList(QDir::Files | QDir::Hidden).filter(".~").size(), 0);

    // A folder of that name, or a folder that does not exist.
    const QString folder = test::tempPath("book.xlsx");
    ASSERT_TRUE(QDir().mkpath(folder + "/inside"));
    EXPECT_FALSE(WriteAnchorListWorkbook(folder, Project {}));
    EXPECT_TRUE(QDir(folder + "/inside").exists());
    EXPECT_FALSE(WriteAnchorListWorkbook(test::tempPath("missing/book.xlsx"), Project {}));
}
