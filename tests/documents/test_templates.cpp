#include "documents/AnchorListDocument.h"
#include "documents/BasicDocument.h"
#include "documents/CreepSheets.h"
#include "documents/FrictionLossSheet.h"
#include "documents/GraphSheetSamples.h"
#include "documents/GraphSheets.h"
#include "documents/PrintModule.h"
#include "documents/QualityDocument.h"
#include "documents/Recorder.h"
#include "documents/ReportForms.h"
#include "documents/ResultListDocuments.h"
#include "documents/SummaryGraphDocument.h"
#include "evaluation/CycleEvaluation.h"
#include "support/AnchorListSamples.h"
#include "support/CreepAnchors.h"
#include "support/PlanReportSamples.h"
#include "support/QualityDocumentSamples.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QSet>
#include <functional>
#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

const forms::FormSpec* specOf(const QString& file)
{
    for (const forms::FormSpec* spec : forms::allForms())
        if (QFileInfo(spec->file).fileName() == file)
            return spec;
    return nullptr;
}

// The worked pull-out test with an anchor of another type: a load-distribution
// anchor of `bodies` bodies 1000 mm apart with two strands each (none: the
// initial load cannot be worked out).
Project basicOfType(int type, int tensioning = 0, int bodies = 0, int strands = 2)
{
    Project p;
    test::makeWorkedBasicProject(p);
    TendonSpec& t = p.Record.WorkingAnchor.Tendon;
    t.AnchorTypeCode = std::int16_t(type);
    t.TensioningType = std::int16_t(tensioning);
    t.TensionFreeLength = 10000;
    if (bodies > 0) {
        TendonMaterial& m = p.Record.WorkingAnchor.Material;
        t.FreeLength = 13000;
        t.BodyCount = std::int16_t(bodies);
        t.BodyInterval = { 1000, 1000, 1000, 1000 };
        for (int k = 0; k < bodies; ++k)
            m.BodyStrandCount[std::size_t(k)] = std::int16_t(strands);
        m.StrandSetCount = std::int16_t(strands * bodies);
    }
    return p;
}

} // namespace

TEST(ReportTemplates, EveryNamedTemplateExistsWithTheFieldsTheCodeFills)
{
    for (const forms::FormSpec* spec : forms::allForms()) {
        SCOPED_TRACE(spec->file.toStdString());
        QString error;
        auto t = report::loadTemplate(spec->path(), &error);
        ASSERT_TRUE(t) << error.toStdString();
        EXPECT_GT(t->height, 0);
        for (const QString& field : spec->fields)
            EXPECT_TRUE(t->fieldNames.contains(field)) << "missing field " << field.toStdString();
        for (const QString& image : spec->images)
            EXPECT_TRUE(t->imageNames.contains(image)) << "missing image field " << image.toStdString();
    }
}

TEST(DataSheetPages, ThirtyRowsOnTheFirstPageThenFortyAPage)
{
    for (auto [rows, pages] : { std::pair { 0, 1 }, { 30, 1 }, { 31, 2 }, { 70, 2 }, { 71, 3 }, { 111, 4 } }) {
        Project p;
        test::makeQualityProject(p, 1, rows);
        ReportEngine engine(QString {});
        EXPECT_TRUE(PrintModule::PrintDataSheets(engine, p, 1, 1, {}));
        EXPECT_EQ(engine.MaxPage(), pages) << rows;
        EXPECT_EQ(dataSheetPageCount(rows), pages) << rows;
    }
}

// Every kind of document, with the pages a range of anchors gives: each draws
// only listed templates and fills only their listed fields, and every listed
// template is drawn by one of them.
TEST(ReportTemplates, EveryDocumentFillsOnlyListedFieldsOnItsPages)
{
    Project sheets; // anchors of 31 rows, the third of 71
    test::makeQualityProject(sheets, 4, 31);
    sheets.anchor(3).Readings.resize(71);
    sheets.anchor(3).ReadingCount = 71;
    Project basic;
    test::makeBasicProject(basic, 12);
    Project typed;
    test::makeTypedProject(typed);
    typed.anchor(2).DesignAnchorForceSeismic = 250;
    Project graphs;
    test::makeGraphProject(graphs, 25);
    Project creep;
    test::makeCreepProject(creep);
    Project creep2000;
    test::makeCreepProject(creep2000);
    creep2000.Settings.StandardEdition = 0;
    auto creepSheets = [](Project& p) { return [&p](ReportEngine& e) { return PrintoutAllAnchorHeni(e, p, 1, 3); }; };
    Project pullOut;
    test::makePullOutProject(pullOut);
    auto frictionSheet = [&pullOut](std::uint8_t given) {
        return [&pullOut, given](ReportEngine& e) {
            AnchorRecord& a = pullOut.Record.WorkingAnchor;
            a.UseGivenIntercept = given;
            a.GivenIntercept = 80;
            a.PointA = 1;
            a.PointB = 3;
            return PrintMasatusonshitu(e, pullOut, EvaluatedCopy(a, pullOut));
        };
    };
    auto graphSheets = [](Project& p, int first, int last, GraphSheetOptions options) {
        return [&p, first, last, options](ReportEngine& e) { return PrintGraphSheets(e, p, first, last, options); };
    };
    Project worked;
    test::makeWorkedBasicProject(worked);
    const Project typed1 = basicOfType(1), typed2 = basicOfType(2), typed4 = basicOfType(4);
    const Project cumulative = basicOfType(3, 0, 3), differential = basicOfType(3, 1, 5),
                  uncounted = basicOfType(3, 1, 2, 0);
    auto basicDocument = [](const Project& p, DocumentFamily family) {
        return [&p, family](ReportEngine& e) { return PrintBasicDocument(e, p, family); };
    };
    Project quality;
    test::makeWorkedQualityProject(quality);
    Project quality2000 = quality; // with a temporary anchor
    quality2000.Settings.StandardEdition = 0;
    quality2000.anchor(5).Tendon.AnchorRank = 1;
    auto qualityDocument = [](const Project& p, DocumentFamily family) {
        return [&p, family](ReportEngine& e) { return PrintQualityDocument(e, p, family, { 1, 2, 3, 4, 5 }); };
    };
    const DataSheetOptions time { .showTime = true };
    struct Document {
        const char* what;
        std::function<bool(ReportEngine&)> compose;
        int pages;
    };
    const Document documents[] = {
        { "data sheets of anchors 2–4",
            [&](ReportEngine& e) { return PrintModule::PrintDataSheets(e, sheets, 2, 4, {}); }, 2 + 3 + 2 },
        { "with the time column", [&](ReportEngine& e) { return PrintModule::PrintDataSheets(e, sheets, 1, 1, time); },
            2 },
        { "basic investigation", [&](ReportEngine& e) { return PrintModule::PrintDataSheets(e, basic, 1, 1, time); },
            1 },
        { "no blank sheet asked for", [](ReportEngine& e) { return PrintModule::PrintBlankDataSheets(e, 0); }, 1 },
        { "eleven blank sheets asked for", [](ReportEngine& e) { return PrintModule::PrintBlankDataSheets(e, 11); },
            10 },
        { "anchor list of every type", [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 1, 6, {}); },
            12 },
        { "anchor list past the project",
            [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 5, 99, {}); }, 4 },
        { "anchor list of a reversed range",
            [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 3, 2, {}); }, 0 },
        { "basic anchor list", [&](ReportEngine& e) { return PreviewAnchorInformation(e, basic, 1, 1, {}); }, 2 },
        { "graph sheets of anchors 2–4", graphSheets(graphs, 2, 4, {}), 3 },
        { "graphs alone past the project", graphSheets(graphs, 24, 30, { .kind = GraphSheetKind::GraphsOnly }), 2 },
        { "basic graph sheet", graphSheets(basic, 1, 1, {}), 1 },
        { "friction loss from two points", frictionSheet(0), 1 },
        { "friction loss from a given intersection load", frictionSheet(1), 1 },
        { "basic plan", basicDocument(worked, DocumentFamily::BasicPlan), 6 },
        { "basic report", basicDocument(worked, DocumentFamily::BasicReport), 9 },
        { "basic plan, SEEE tension anchor", basicDocument(typed1, DocumentFamily::BasicPlan), 6 },
        { "basic plan, SEEE compression anchor", basicDocument(typed2, DocumentFamily::BasicPlan), 6 },
        { "basic plan, tip compression anchor", basicDocument(typed4, DocumentFamily::BasicPlan), 6 },
        { "basic plan, three bodies tensioned in turn", basicDocument(cumulative, DocumentFamily::BasicPlan), 7 },
        { "basic report, five bodies with a differential pulling head",
            basicDocument(differential, DocumentFamily::BasicReport), 10 },
        { "basic plan, bodies without strands", basicDocument(uncounted, DocumentFamily::BasicPlan), 6 },
        { "quality-assurance plan", qualityDocument(quality, DocumentFamily::QualityPlan), 21 },
        { "quality-assurance report", qualityDocument(quality, DocumentFamily::QualityReport), 27 },
        { "quality-assurance plan, 2000 edition", qualityDocument(quality2000, DocumentFamily::QualityPlan), 21 },
        { "summary charts of 25 anchors",
            [&](ReportEngine& e) {
                return PrintSummaryGraph(e, graphs, { ChartFormat(), ChartFormat() });
            },
            2 },
        { "creep sheets of both methods", creepSheets(creep), 3 },
        { "creep-coefficient sheets", creepSheets(creep2000), 3 },
        { "displacement list",
            [&](ReportEngine& e) { return PrintKekka(e, graphs, ResultsList(graphs), ResultsListKind::Displacement); },
            1 },
        { "creep list",
            [&](ReportEngine& e) { return PrintKekka(e, creep, ResultsList(creep), ResultsListKind::Creep); }, 1 },
        { "detailed lists", [&](ReportEngine& e) { return PrintResultDetails(e, creep, 1, 3); }, 6 },
    };
    QSet<QString> drawn;
    for (const Document& d : documents) {
        SCOPED_TRACE(d.what);
        ReportEngine engine(QString {});
        test::Recorder rec(engine);
        EXPECT_TRUE(d.compose(engine));
        EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
        EXPECT_EQ(engine.MaxPage(), d.pages);
        for (const report::DrawnForm& f : rec.forms) {
            drawn.insert(f.formName);
            const forms::FormSpec* spec = specOf(f.formName);
            ASSERT_TRUE(spec) << f.formName.toStdString() << " is not in the list of templates";
            for (const QString& field : f.texts.keys())
                EXPECT_TRUE(spec->fields.contains(field)) << f.formName.toStdString() << " " << field.toStdString();
        }
    }
    for (const forms::FormSpec* spec : forms::allForms())
        EXPECT_TRUE(drawn.contains(QFileInfo(spec->file).fileName()))
            << spec->file.toStdString() << " is listed but never drawn";
    EXPECT_EQ(dataSheetPageTotal(sheets, 2, 4), 7);
    EXPECT_EQ(dataSheetPageTotal(sheets, 1, 5), 0);
}

TEST(ReportEngine, PagesOpenOnlyWhenDrawnOnAndProblemsAreReportedOnce)
{
    const QString form = test::tempPath("row.jfm");
    test::writeFile(form, R"({"format": "tessaro-report-template", "version": 1, "height": 550, "items": [
        {"type": "field", "x": 0, "y": 0, "w": 100, "h": 50, "name": "No"}]})");
    ReportEngine engine(QString {});
    engine.Start();
    engine.NewPage(); // nothing drawn yet: no page
    for (int i = 0; i < 3; ++i) {
        engine.NewPage();
        engine.DrawForm(form, 0, { { "No", "1" }, { "Nobi", "2.00" } });
        engine.DrawForm(test::tempPath("missing.jfm"), 0, {});
    }
    EXPECT_EQ(engine.MaxPage(), 3);
    EXPECT_TRUE(engine.End());
    EXPECT_EQ(engine.problems().size(), 2); // the unknown field and the missing template
    EXPECT_TRUE(engine.problems().join("\n").contains("Nobi"));
}
