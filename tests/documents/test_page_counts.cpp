// Pages of every document: where a data sheet breaks, how many sheets a range
// of anchors gives, and ranges reaching past the project.

#include "documents/AnchorListDocument.h"
#include "documents/GraphSheetSamples.h"
#include "documents/GraphSheets.h"
#include "documents/PrintModule.h"
#include "documents/SummaryGraphDocument.h"
#include "support/AnchorListSamples.h"

#include <functional>
#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

int pagesOf(const std::function<bool(ReportEngine&)>& compose)
{
    ReportEngine engine(QString {});
    EXPECT_TRUE(compose(engine));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    return engine.MaxPage();
}

} // namespace

TEST(PageCounts, DataSheetsTakeThirtyRowsOnTheFirstPageThenFortyAPage)
{
    for (auto [rows, pages] : { std::pair { 0, 1 }, { 30, 1 }, { 31, 2 }, { 70, 2 }, { 71, 3 }, { 111, 4 } }) {
        Project p;
        test::makeQualityProject(p, 1, rows);
        EXPECT_EQ(pagesOf([&](ReportEngine& e) { return PrintModule::PrintDataSheets(e, p, 1, 1, {}); }), pages)
            << rows;
        EXPECT_EQ(dataSheetPageCount(rows), pages) << rows;
    }
}

TEST(PageCounts, RangesOfAnchorsMakeOneDocument)
{
    Project sheets; // anchors of 31 rows, the third of 71
    test::makeQualityProject(sheets, 4, 31);
    sheets.anchor(3).Readings.resize(71);
    sheets.anchor(3).ReadingCount = 71;
    Project typed;
    test::makeTypedProject(typed);
    Project graphs;
    test::makeGraphProject(graphs, 25);
    auto graphSheets = [&](int first, int last, GraphSheetOptions options) {
        return [&graphs, first, last, options](ReportEngine& e) {
            test::writeStandInGraphs(first, last);
            return PrintGraphSheets(e, graphs, first, last, options);
        };
    };
    struct Case {
        const char* what;
        std::function<bool(ReportEngine&)> compose;
        int pages;
    };
    const Case cases[] = {
        { "data sheets of anchors 2–4",
            [&](ReportEngine& e) { return PrintModule::PrintDataSheets(e, sheets, 2, 4, {}); }, 2 + 3 + 2 },
        { "no blank sheet asked for", [](ReportEngine& e) { return PrintModule::PrintBlankDataSheets(e, 0); }, 1 },
        { "eleven blank sheets asked for", [](ReportEngine& e) { return PrintModule::PrintBlankDataSheets(e, 11); },
            10 },
        { "anchor list of two anchors", [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 1, 2, {}); },
            4 },
        { "anchor list past the project",
            [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 5, 99, {}); }, 4 },
        { "anchor list of a reversed range",
            [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 3, 2, {}); }, 0 },
        { "graph sheets of anchors 2–4", graphSheets(2, 4, {}), 3 },
        { "graphs alone past the project", graphSheets(24, 30, { GraphSheetKind::GraphsOnly, true }), 2 },
        { "summary charts of 25 anchors",
            [&](ReportEngine& e) {
                test::writeStandInSummaryCharts(2);
                return PrintSummaryGraph(e, graphs);
            },
            2 },
    };
    for (const Case& c : cases)
        EXPECT_EQ(pagesOf(c.compose), c.pages) << c.what;
    EXPECT_EQ(dataSheetPageTotal(sheets, 2, 4), 7);
    EXPECT_EQ(dataSheetPageTotal(sheets, 1, 5), 0);
}
