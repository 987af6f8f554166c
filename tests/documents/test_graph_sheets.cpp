// Graph sheets of the graph window and the summary chart document: what each
// page carries, how many pages a range gives, and what becomes of the graph
// files.

#include "documents/GraphSheetSamples.h"
#include "documents/GraphSheets.h"
#include "documents/Recorder.h"
#include "documents/SummaryGraphDocument.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

std::vector<report::DrawnForm> compose(Project& p, int first, int last, const GraphSheetOptions& options)
{
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    test::writeStandInGraphs(first, last);
    EXPECT_TRUE(PrintGraphSheets(engine, p, first, last, options));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    return rec.forms;
}

QStringList pageNumbers(const std::vector<report::DrawnForm>& forms)
{
    QStringList numbers;
    for (const report::DrawnForm& f : forms)
        if (f.texts.contains("Page"))
            numbers << f.texts["Page"];
    return numbers;
}

} // namespace

TEST(GraphSheets, DetailedSheetOfAMeasuredAnchor)
{
    test::makeGraphProject(project(), 2);
    auto forms = compose(project(), 2, 2, {});
    ASSERT_EQ(forms.size(), 2u);
    const report::DrawnForm& sheet = forms[0];
    EXPECT_EQ(sheet.formName, "Graph.jfm");
    EXPECT_EQ(sheet.topMargin, 0);
    const std::pair<const char*, QString> expected[] = {
        { "Koujimei", QStringLiteral("○○川護岸補強工事") },
        { "Genbamei", QStringLiteral("○○市△△地先") },
        { "AncMeisyou", "A-2" },
        { "Shikenmei", QStringLiteral("適性試験") },
        { "Kintyoubi", "2024/05/20" },
        { "Tyuunyuubi", "2024/05/01" },
        { "TendonSyubetu", QStringLiteral("PC鋼より線 φ12.7") },
        { "Jiyuutyou", "10000.00" }, // Lsf, on which the theoretical values rest
        { "Anctaityou", "6000.00" },
        { "Keisuu", "200.00" },
        { "Danmenseki", "500.00" },
        { "Rironti", "30.00" },
        { "Jyougen", "33.00" },
        { "Kagen", "27.00" },
        { "Dansei", "29.95" },
        { "Sosei", "1.60" },
        { "Bar", QStringLiteral("計画最大荷重時の弾性変位量（Tp = 350.00 kN）") },
        { "Bar_2", "OK" },
    };
    for (const auto& [field, text] : expected)
        EXPECT_EQ(sheet.texts.value(field), text) << field;
    for (int g = 1; g <= 4; ++g)
        EXPECT_EQ(
            sheet.images.value(QStringLiteral("IMAGE%1").arg(g)), paths::data(QStringLiteral("GRAPH%1_2.svg").arg(g)));
    EXPECT_EQ(forms[1].formName, "Page.jfm");
    EXPECT_EQ(forms[1].texts["Page"], "- 1 -");
}

TEST(GraphSheets, ValuesNotAvailablePrintADash)
{
    // Entered but never read: no displacements and no verdict; nothing of the
    // tendon entered: no theoretical values either.
    test::makeGraphProject(project(), 1);
    AnchorRecord& a = project().anchor(1);
    a.Material = {};
    a.Tendon.AnchorLength = 0;
    for (Reading& r : a.Readings)
        r.Displacement = MissingValue;
    auto forms = compose(project(), 1, 1, { GraphSheetKind::Detailed, false });
    ASSERT_EQ(forms.size(), 1u);
    for (const char* field : { "TendonSyubetu", "Anctaityou", "Keisuu", "Danmenseki", "Rironti", "Jyougen", "Kagen",
             "Dansei", "Sosei", "Bar_2" })
        EXPECT_EQ(forms[0].texts.value(field), "-") << field;
    EXPECT_EQ(graphSheetNumber(MissingValue), "-");
    EXPECT_EQ(graphSheetNumber(2.675), "2.68");

    auto only = compose(project(), 1, 1, { GraphSheetKind::GraphsOnly, false });
    EXPECT_EQ(only[0].texts.value("Kekka5"), "-");

    // The graph files are removed once drawn; without them the sheet is still
    // composed and the problem named.
    EXPECT_FALSE(QFile::exists(paths::data("GRAPH1_1.svg")));
    ReportEngine again(QString {});
    EXPECT_TRUE(PrintGraphSheets(again, project(), 1, 1, {}));
    EXPECT_EQ(again.problems().size(), 4);
    EXPECT_TRUE(again.problems().join("\n").contains("GRAPH1_1.svg"));
}

TEST(GraphSheets, OnePagePerAnchorOfTheRangeNumberedAcrossTheDocument)
{
    test::makeGraphProject(project(), 5);
    auto forms = compose(project(), 2, 4, {});
    EXPECT_EQ(test::Recorder::filter(forms, "Graph.jfm")[2].texts["AncMeisyou"], "A-4");
    EXPECT_EQ(pageNumbers(forms), (QStringList { "- 1 -", "- 2 -", "- 3 -" }));
    EXPECT_EQ(forms.back().page, 3);

    // A range reaching past the project stops at its last anchor.
    forms = compose(project(), 4, 9, { GraphSheetKind::GraphsOnly, true });
    ASSERT_EQ(forms.size(), 2u);
    EXPECT_EQ(forms[1].page, 2);
    EXPECT_EQ(pageNumbers(forms), (QStringList { "- 1 -", "- 2 -" }));
    EXPECT_TRUE(pageNumbers(compose(project(), 1, 5, { GraphSheetKind::Detailed, false })).isEmpty());

    // A basic investigation prints its one anchor on the pull-out test's sheet.
    project().Record.WorkingAnchor = project().anchor(1);
    project().TestCategory = 0;
    forms = compose(project(), 1, 1, {});
    EXPECT_EQ(forms[0].formName, "Graph2.jfm");
    EXPECT_EQ(forms[0].texts["Shikenmei"], QStringLiteral("基本調査試験(引抜き試験)"));
}

TEST(GraphSheets, GraphsOnlySheetCarriesTheResultsInMillimetres)
{
    test::makeGraphProject(project(), 1);
    auto forms = compose(project(), 1, 1, { GraphSheetKind::GraphsOnly, false });
    ASSERT_EQ(forms.size(), 1u);
    const report::DrawnForm& sheet = forms[0];
    EXPECT_EQ(sheet.formName, "ZPrn4GRAPH.jfm");
    EXPECT_EQ(sheet.texts["lbeKouban"], QStringLiteral("アンカー名称（孔番号） :　A-1"));
    EXPECT_EQ(sheet.texts["GTitle4"], QStringLiteral("図-4　時間-変位量曲線"));
    const QStringList results { "30.00(mm)", "33.00(mm)", "27.00(mm)", "29.95(mm)", "1.60(mm)" };
    for (int k = 1; k <= 5; ++k)
        EXPECT_EQ(sheet.texts[QStringLiteral("Kekka%1").arg(k)], results[k - 1]);
    EXPECT_EQ(sheet.images["Image3"], paths::data("GRAPH3_1.svg"));
}

TEST(SummaryGraphDocument, APagePerTwentyAnchorsWithTheirRange)
{
    test::makeGraphProject(project(), 25);
    test::writeStandInSummaryCharts(2);
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    EXPECT_TRUE(PrintSummaryGraph(engine, project()));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    auto sheets = rec.of("SoukatuGraph.jfm");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].texts["Koujimei"], QStringLiteral("○○川護岸補強工事"));
    EXPECT_EQ(sheets[0].texts["Hani"], QStringLiteral("No.1 ～ No.20（全 25 本）"));
    EXPECT_EQ(sheets[1].texts["Hani"], QStringLiteral("No.21 ～ No.25（全 25 本）"));
    EXPECT_EQ(sheets[1].images["IMAGE2"], paths::data("TmpGphSoukatu2_2.svg"));
    EXPECT_EQ(pageNumbers(rec.forms), (QStringList { "- 1 -", "- 2 -" }));
    EXPECT_FALSE(QFile::exists(paths::data("TmpGphSoukatu1_1.svg")));
}
