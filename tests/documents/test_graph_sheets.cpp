// Graph sheets of the graph window and the summary chart document: what each
// page carries and which graphs it draws.

#include "documents/GraphSheetSamples.h"
#include "documents/GraphSheets.h"
#include "documents/Recorder.h"
#include "documents/SummaryGraphDocument.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

std::vector<report::DrawnForm> compose(Project& p, int first, int last, const GraphSheetOptions& options)
{
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    EXPECT_TRUE(PrintGraphSheets(engine, p, first, last, options));
    EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
    return rec.forms;
}

} // namespace

TEST(GraphSheets, DetailedAndGraphsOnlySheetsOfAMeasuredAnchor)
{
    test::makeGraphProject(project(), 3);
    auto forms = compose(project(), 2, 3, {});
    ASSERT_EQ(forms.size(), 4u);
    const auto& texts = forms[0].texts;
    EXPECT_EQ(texts.value("AncMeisyou"), "A-2");
    EXPECT_EQ(texts.value("TendonSyubetu"), "4S12.7");
    EXPECT_EQ(texts.value("Jiyuutyou"), "10000.00"); // Lsf, on which the theoretical values rest
    EXPECT_EQ(texts.value("Dansei"), "29.95");
    EXPECT_EQ(texts.value("Bar"), QStringLiteral("計画最大荷重時の弾性変位量（Tp = 350.00 kN）"));
    EXPECT_EQ(texts.value("Bar_2"), "OK");
    EXPECT_EQ(forms[0].images.value("IMAGE4"), "GRAPH4_2");
    EXPECT_EQ(forms[3].texts["Page"], "- 2 -"); // numbered across the document

    forms = compose(project(), 1, 1, { GraphSheetKind::GraphsOnly, false });
    ASSERT_EQ(forms.size(), 1u);
    EXPECT_EQ(forms[0].texts["Kekka4"], "29.95(mm)");
    EXPECT_EQ(forms[0].images["Image3"], "GRAPH3_1");

    // A basic investigation prints its one anchor on the pull-out test's sheet.
    project().Record.WorkingAnchor = project().anchor(1);
    project().TestCategory = 0;
    forms = compose(project(), 1, 1, {});
    EXPECT_EQ(forms[0].formName, "Graph2.jfm");
    EXPECT_EQ(forms[0].texts["Shikenmei"], QStringLiteral("基本調査試験(引抜き試験)"));
}

TEST(GraphSheets, ValuesNotAvailablePrintADash)
{
    // Entered but never read: no displacements and no verdict; nothing of the
    // tendon entered: no theoretical values either.
    test::makeGraphProject(project(), 1);
    AnchorRecord& a = project().anchor(1);
    a.Material = {};
    a.Spec2.Designation.clear();
    for (Reading& r : a.Readings)
        r.Displacement = MissingValue;
    auto forms = compose(project(), 1, 1, { GraphSheetKind::Detailed, false });
    ASSERT_EQ(forms.size(), 1u);
    for (const char* field : { "TendonSyubetu", "Keisuu", "Rironti", "Jyougen", "Dansei", "Sosei", "Bar_2" })
        EXPECT_EQ(forms[0].texts.value(field), "-") << field;
    EXPECT_EQ(graphSheetNumber(2.675), "2.68");
}

TEST(SummaryGraphDocument, APagePerTwentyAnchorsWithTheirRange)
{
    test::makeGraphProject(project(), 25);
    ReportEngine engine(QString {});
    test::Recorder rec(engine);
    EXPECT_TRUE(PrintSummaryGraph(engine, project(), { ChartFormat(), ChartFormat() }));
    auto sheets = rec.of("SoukatuGraph.jfm");
    ASSERT_EQ(sheets.size(), 2u);
    EXPECT_EQ(sheets[0].texts["Hani"], QStringLiteral("No.1 ～ No.20（全 25 本）"));
    EXPECT_EQ(sheets[1].texts["Hani"], QStringLiteral("No.21 ～ No.25（全 25 本）"));
    EXPECT_EQ(sheets[1].images["IMAGE2"], "TmpGphSoukatu2_2");
}
