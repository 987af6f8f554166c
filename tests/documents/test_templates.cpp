#include "documents/AnchorListDocument.h"
#include "documents/GraphSheetSamples.h"
#include "documents/GraphSheets.h"
#include "documents/PrintModule.h"
#include "documents/Recorder.h"
#include "documents/ReportForms.h"
#include "documents/SummaryGraphDocument.h"
#include "support/AnchorListSamples.h"
#include "support/TestSupport.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

QString writeTemplate(const QString& name, const QByteArray& items, const QByteArray& extra = {})
{
    test::writeFile(test::tempPath(name),
        R"({"format": "tessaro-report-template", "version": 1, "height": 550, )" + extra + R"("items": [)" + items
            + "]}");
    return test::tempPath(name);
}

const forms::FormSpec* specOf(const QString& file)
{
    for (const forms::FormSpec* spec : forms::allForms())
        if (spec->file == file)
            return spec;
    return nullptr;
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

TEST(ReportTemplates, DocumentsFillOnlyTheFieldsTheListNames)
{
    // Every kind of data sheet and anchor list, so that every template and field
    // the code uses is drawn.
    Project quality;
    test::makeQualityProject(quality, 2, 75);
    Project basic;
    test::makeBasicProject(basic, 12);
    Project typed;
    test::makeTypedProject(typed);
    typed.anchor(2).DesignAnchorForceSeismic = 250;
    Project graphs;
    test::makeGraphProject(graphs, 1);
    std::vector<std::function<bool(ReportEngine&)>> documents {
        [&](ReportEngine& e) { return PrintModule::PrintDataSheets(e, quality, 1, 2, {}); },
        [&](ReportEngine& e) {
            return PrintModule::PrintDataSheets(e, quality, 1, 2, { false, true, false });
        },
        [&](ReportEngine& e) {
            return PrintModule::PrintDataSheets(e, basic, 1, 1, { false, true, false });
        },
        [&](ReportEngine& e) { return PrintModule::PrintBlankDataSheets(e, 2); },
        [&](ReportEngine& e) { return PreviewAnchorInformation(e, typed, 1, 6, {}); },
        [&](ReportEngine& e) { return PreviewAnchorInformation(e, basic, 1, 1, {}); },
        [&](ReportEngine& e) {
            test::writeStandInGraphs(1, 1);
            return PrintGraphSheets(e, graphs, 1, 1, {});
        },
        [&](ReportEngine& e) {
            test::writeStandInGraphs(1, 1);
            return PrintGraphSheets(e, basic, 1, 1, { GraphSheetKind::GraphsOnly, true });
        },
        [&](ReportEngine& e) {
            test::writeStandInGraphs(1, 1);
            return PrintGraphSheets(e, basic, 1, 1, {});
        },
        [&](ReportEngine& e) {
            test::writeStandInSummaryCharts(1);
            return PrintSummaryGraph(e, graphs);
        },
    };
    QSet<QString> drawn;
    for (auto& compose : documents) {
        ReportEngine engine(QString {});
        test::Recorder rec(engine);
        EXPECT_TRUE(compose(engine));
        EXPECT_TRUE(engine.problems().isEmpty()) << engine.problems().join("\n").toStdString();
        for (const report::DrawnForm& f : rec.forms) {
            drawn.insert(f.formName);
            const forms::FormSpec* spec = specOf(f.formName);
            ASSERT_TRUE(spec) << f.formName.toStdString() << " is not in the list of templates";
            for (const QString& field : f.texts.keys())
                EXPECT_TRUE(spec->fields.contains(field)) << f.formName.toStdString() << " " << field.toStdString();
        }
    }
    for (const forms::FormSpec* spec : forms::allForms())
        EXPECT_TRUE(drawn.contains(spec->file)) << spec->file.toStdString() << " is listed but never drawn";
}

TEST(ReportTemplates, ReaderTakesDefaultsAndRefusesBrokenItems)
{
    QString good = writeTemplate("good.jfm",
        R"({"type": "field", "x": 0, "y": 0, "w": 100, "h": 50, "name": "A"},
           {"type": "field", "x": 0, "y": 0, "w": 100, "h": 50, "name": "A", "align": "right", "font": "mincho"})",
        R"("orientation": "landscape", "defaults": {"font": "gothic", "size": 12, "align": "center"}, )");
    QString error;
    auto t = report::loadTemplate(good, &error);
    ASSERT_TRUE(t) << error.toStdString();
    EXPECT_EQ(t->orientation, QPageLayout::Landscape);
    EXPECT_EQ(t->items[0].style.face, report::FontFace::Gothic);
    EXPECT_EQ(t->items[0].style.align, Qt::AlignHCenter | Qt::AlignVCenter);
    EXPECT_EQ(t->items[1].style.face, report::FontFace::Mincho);

    const std::pair<const char*, QByteArray> broken[] = {
        { "unknown type", R"({"type": "circle", "x": 0, "y": 0, "w": 1, "h": 1})" },
        { "no width", R"({"type": "box", "x": 0, "y": 0, "h": 1})" },
        { "zero height", R"({"type": "text", "x": 0, "y": 0, "w": 5, "h": 0, "text": "a"})" },
        { "field without name", R"({"type": "field", "x": 0, "y": 0, "w": 5, "h": 5})" },
        { "bad alignment", R"({"type": "text", "x": 0, "y": 0, "w": 5, "h": 5, "text": "a", "align": "middle"})" },
        { "bad colour", R"({"type": "box", "x": 0, "y": 0, "w": 5, "h": 5, "fill": "greyish"})" },
    };
    for (const auto& [what, items] : broken) {
        QString path = writeTemplate("broken.jfm", items);
        EXPECT_FALSE(report::loadTemplate(path, &error)) << what;
        EXPECT_TRUE(error.contains("item 1")) << what << ": " << error.toStdString();
    }
    EXPECT_FALSE(report::loadTemplate(test::tempPath("absent.jfm"), &error));
    test::writeFile(test::tempPath("text.jfm"), "JFM binary form");
    EXPECT_FALSE(report::loadTemplate(test::tempPath("text.jfm"), &error));
}

TEST(ReportEngine, PagesOpenOnlyWhenDrawnOnAndProblemsAreReportedOnce)
{
    QString form = writeTemplate("row.jfm", R"({"type": "field", "x": 0, "y": 0, "w": 100, "h": 50, "name": "No"})");
    ReportEngine engine(QString {});
    engine.Start();
    engine.NewPage();
    engine.NewPage();
    EXPECT_EQ(engine.MaxPage(), 0);
    for (int i = 0; i < 3; ++i) {
        engine.setFormName(form);
        engine.SetFieldText("No", "1");
        engine.SetFieldText("Nobi", "2.00");
        engine.DrawForm();
        engine.setFormName(test::tempPath("missing.jfm"));
        engine.DrawForm();
    }
    engine.NewPage();
    engine.setFormName(form);
    engine.DrawForm();
    EXPECT_EQ(engine.MaxPage(), 2);
    EXPECT_TRUE(engine.End());
    ASSERT_EQ(engine.problems().size(), 2);
    EXPECT_TRUE(engine.problems()[0].contains("Nobi"));
    EXPECT_TRUE(engine.problems()[1].contains("missing.jfm"));
    engine.Start(); // a new document starts counting again
    EXPECT_EQ(engine.MaxPage(), 0);
}
