#include "documents/PrintModule.h"
#include "documents/Recorder.h"
#include "support/DataSheetSamples.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::DrawnForm;
using report::ReportEngine;

namespace {

const QString Row = QStringLiteral("InDatSTGyouNoTime.jfm");
const QString Columns = QStringLiteral("InDatSTTitleNoTime.jfm");
const QString Bar = QStringLiteral("InputDataSheetBar.jfm");

int composedPages(int rows)
{
    Project p;
    test::makeQualityProject(p, 1, rows);
    ReportEngine engine(QString {});
    EXPECT_TRUE(PrintModule::PrintDataSheets(engine, p, 1, 1, {}));
    return engine.MaxPage();
}

} // namespace

TEST(DataSheetPages, ThirtyRowsOnTheFirstPageThenFortyAPage)
{
    for (auto [rows, pages] : { std::pair { 0, 1 }, { 30, 1 }, { 31, 2 }, { 70, 2 }, { 71, 3 }, { 111, 4 } }) {
        EXPECT_EQ(composedPages(rows), pages) << rows;
        EXPECT_EQ(dataSheetPageCount(rows), pages) << rows;
    }
}

TEST(DataSheetPages, RowsSitAtTheirPitchBelowTheColumnTitles)
{
    Project p;
    test::makeQualityProject(p, 1, 71);
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 1, 1, {});

    auto columns = rec.of(Columns);
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].topMargin, 8500); // below the quality-assurance items block
    EXPECT_EQ(columns[1].topMargin, 2060);
    EXPECT_EQ(columns[2].topMargin, 2060);

    auto rows = rec.of(Row);
    ASSERT_EQ(rows.size(), 71u);
    EXPECT_EQ(rows[0].topMargin, 8500 + 940 + 550);
    EXPECT_EQ(rows[29].topMargin, 8500 + 940 + 30 * 550);
    EXPECT_EQ(rows[29].page, 1);
    EXPECT_EQ(rows[30].page, 2);
    EXPECT_EQ(rows[30].topMargin, 3000 + 550);
    EXPECT_EQ(rows[69].topMargin, 3000 + 40 * 550);
    EXPECT_EQ(rows[70].page, 3);
    EXPECT_EQ(rows[70].texts.value("No"), "71"); // numbering runs on across pages

    auto bar = rec.of(Bar);
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0].page, 3);
    EXPECT_EQ(bar[0].topMargin, rows[70].topMargin + 550); // directly below the last row
}

TEST(DataSheetPages, BasicInvestigationColumnsStartHigher)
{
    Project p;
    test::makeBasicProject(p, 5);
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 1, 1, {});
    auto items = rec.of(QStringLiteral("DataSheetKoumoku.jfm")); // no lock-off line, no remarks
    ASSERT_EQ(items.size(), 1u);
    EXPECT_FALSE(items[0].texts.contains("Teityakuji") || items[0].texts.contains("Bikou"));
    EXPECT_TRUE(rec.of(QStringLiteral("DataSheetKoumoku2.jfm")).empty());
    EXPECT_EQ(rec.of(Columns).at(0).topMargin, 8000);
    EXPECT_EQ(rec.of(Row).at(0).topMargin, 8000 + 940 + 550);
    EXPECT_EQ(rec.of(Bar).at(0).topMargin, 8000 + 940 + 6 * 550);
}

TEST(DataSheetPages, EveryPageCarriesTheTitleAndItsPageOfTheAnchor)
{
    Project p;
    test::makeQualityProject(p, 1, 31);
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 1, 1, {});
    auto titles = rec.of(QStringLiteral("Title.jfm"));
    ASSERT_EQ(titles.size(), 2u);
    EXPECT_EQ(titles[1].page, 2);
    EXPECT_EQ(titles[1].topMargin, 1000);
    auto pages = rec.of(QStringLiteral("Page.jfm"));
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[1].texts.value("Page"), QStringLiteral("アンカー孔番  A-1　　2 / 2"));
}

TEST(DataSheetPages, ThreeBlankSheetsGiveOneHundredTenNumberedEmptyRows)
{
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    ASSERT_TRUE(PrintModule::PrintBlankDataSheets(engine, 3));
    EXPECT_EQ(engine.MaxPage(), 3);
    EXPECT_EQ(blankSheetRowCount(3), 110);

    auto rows = rec.of(Row);
    ASSERT_EQ(rows.size(), 110u);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        EXPECT_EQ(rows[i].texts.size(), 1) << i;
        EXPECT_EQ(rows[i].texts.value("No"), QString::number(i + 1));
    }
    EXPECT_TRUE(rec.of(QStringLiteral("DataSheetKoumoku2.jfm")).empty());
    EXPECT_EQ(rec.of(Columns).at(0).topMargin, 8000);
    EXPECT_EQ(
        rec.of(QStringLiteral("Title.jfm")).at(0).texts.value("Title"), QStringLiteral("アンカー試験　データシート"));
}

TEST(DataSheetPages, BlankSheetCountIsHeldToOneToTen)
{
    for (auto [asked, pages] : { std::pair { 0, 1 }, { 1, 1 }, { 10, 10 }, { 11, 10 } }) {
        ReportEngine engine(QString {});
        PrintModule::PrintBlankDataSheets(engine, asked);
        EXPECT_EQ(engine.MaxPage(), pages) << asked;
    }
}

TEST(DataSheetPages, ARangeOfAnchorsMakesOneDocument)
{
    Project p;
    test::makeQualityProject(p, 4, 31);
    p.anchor(3).Readings.resize(71);
    p.anchor(3).ReadingCount = 71;
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 2, 4, {});
    EXPECT_EQ(engine.MaxPage(), 2 + 3 + 2);
    EXPECT_EQ(dataSheetPageTotal(p, 2, 4), 7);
    auto items = rec.of(QStringLiteral("DataSheetKoumoku2.jfm"));
    ASSERT_EQ(items.size(), 3u);
    EXPECT_EQ(items[0].texts.value("AncNo"), "A-2");
    EXPECT_EQ(items[1].page, 3);
    EXPECT_EQ(items[2].page, 6);
    EXPECT_EQ(dataSheetPageTotal(p, 3, 2), 0);
    EXPECT_EQ(dataSheetPageTotal(p, 1, 5), 0);
}

TEST(DataSheetPages, AReadingCountBeyondTheStoredRowsPrintsTheStoredRows)
{
    Project p;
    test::makeQualityProject(p, 1, 10);
    p.anchor(1).ReadingCount = 500; // a damaged count must not read past the rows
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    PrintModule::PrintDataSheets(engine, p, 1, 1, {});
    EXPECT_EQ(rec.of(Row).size(), 10u);
}
