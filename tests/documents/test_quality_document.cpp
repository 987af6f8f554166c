// The plan and report of the quality-assurance tests: the chapters in order,
// one section per anchor chosen with the sheets its type and edition call for,
// the report's results and creep sheets, and the anchors the project chose.

#include "documents/ComposedDocument.h"
#include "documents/QualityDocument.h"
#include "support/QualityDocumentSamples.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

using Composed = test::ComposedDocument;

Composed compose(const Project& p, DocumentFamily family, const std::vector<int>& anchors)
{
    return test::composeDocument([&](ReportEngine& e) { return PrintQualityDocument(e, p, family, anchors); });
}

int pageOf(const Composed& c, const QString& form, int occurrence)
{
    return c.of(form).at(std::size_t(occurrence)).page;
}

QStringList list(std::initializer_list<const char*> names)
{
    QStringList out;
    for (const char* n : names)
        out << QString::fromUtf8(n);
    return out;
}

} // namespace

TEST(QualityDocuments, PlanChaptersInOrderWithASectionPerAnchor)
{
    Project p;
    test::makeWorkedQualityProject(p);
    const Composed c = compose(p, DocumentFamily::QualityPlan, { 1, 2, 3, 4, 5 });
    EXPECT_TRUE(c.problems.isEmpty()) << c.problems.join('\n').toStdString();
    const QStringList order = c.order();
    const QStringList chapters = list({ "Hyoushi.jfm", "Sousoku.jfm", "Gaiyou.jfm", "HK2.jfm", "HK3New.jfm",
        "HK3-2'.jfm", "HK3-3.jfm", "HK3-4.jfm", "HK3-5.jfm", "HK4.jfm", "HK4-1_1.jfm" });
    EXPECT_EQ(order.mid(0, chapters.size()), chapters);
    EXPECT_EQ(order.last(), "HK7.jfm");

    // Each anchor begins a page, numbered in order, with its own sections.
    EXPECT_EQ(c.texts("HK4-1_1.jfm", "Syou"), list({ "4-1.", "4-2.", "4-3.", "4-4.", "4-5." }));
    EXPECT_EQ(c.texts("HK4-1_1.jfm", "AncName"), list({ "A-1", "A-2", "A-3", "A-4", "A-5" }));
    for (int k = 1; k < 5; ++k)
        EXPECT_GT(pageOf(c, "HK4-1_1.jfm", k), pageOf(c, "HK4-1_1.jfm", k - 1));
    EXPECT_EQ(c.of("HK4-1Saidai1.jfm").size(), 5u); // the 2012 edition's rule for every anchor
    EXPECT_EQ(c.of("HK4-1(8).jfm").size(), 5u);
    EXPECT_EQ(c.of("HK4-1SyokiBunsan.jfm").size(), 1u);
    EXPECT_EQ(c.of("HK4-2Bunsan.jfm").size(), 1u);
    EXPECT_EQ(c.of("Iji_Lsf_Title.jfm").size(), 1u); // free length of the load-distribution anchor only
    EXPECT_EQ(c.of("HK4-2Dounyuuryku1.jfm").size(), 5u);
    EXPECT_TRUE(c.of("HK4-3.jfm").empty());
    EXPECT_TRUE(c.of("NewKuripuHeniTitle.jfm").empty());

    // The method names both kinds of test, loading figures for both and the
    // judgement as section 5 after the load-distribution anchors' section.
    EXPECT_EQ(c.text("HK3New.jfm", "Shiken"), QStringLiteral("適性試験、確認試験"));
    const report::DrawnForm loading = c.of("HK3-2'.jfm").at(0);
    EXPECT_TRUE(loading.images.value("IMAGE").endsWith("TaCycle.svg"));
    EXPECT_TRUE(loading.images.value("IMAGE2").endsWith("OneCycle.svg"));
    EXPECT_EQ(c.text("HK3-5.jfm", "Syo"), "3-5.");
    EXPECT_EQ(c.text("HK3-5.jfm", "Syo3"), "3-5-2.");
    EXPECT_EQ(c.text("Sousoku.jfm", "Sousoku"),
        QStringLiteral(
            "　本品質保証試験計画書は、「○○川護岸補強工事」のうち、アンカー工の適性試験・確認試験の実施について"
            "述べたものである。"));
}

TEST(QualityDocuments, ElasticLimitsAndLockOffWorkedOut)
{
    Project p;
    test::makeWorkedQualityProject(p);
    const Composed c = compose(p, DocumentFamily::QualityPlan, { 1 });
    // (350 − 50) × 10000 / (200 × 500) = 30.00 mm, limits 1.1 and 0.9 times.
    const report::DrawnForm limits = c.of("HK4-2.jfm").at(0);
    EXPECT_EQ(limits.texts.value("Rironti1"), QStringLiteral("δe = (350.00 − 50.00) × 10000 / (200.00 × 500.00)"));
    EXPECT_EQ(limits.texts.value("Rironti2"), QStringLiteral("　 = 30.00 mm"));
    EXPECT_EQ(limits.texts.value("Jyougen1"), "33.00");
    EXPECT_EQ(limits.texts.value("Kagen1"), "27.00");
    // ⊿Ps = 5 × 200 × 500 / (10000 − 1000) = 55.56 kN; P = 300 + 55.56.
    const report::DrawnForm lockOff = c.of("HK4-2Dounyuuryku1.jfm").at(0);
    EXPECT_EQ(lockOff.texts.value("DerutaPs"), "55.56");
    EXPECT_EQ(lockOff.texts.value("Kintyouryoku"), "355.56");
    EXPECT_EQ(c.text("HK4-1Syoki.jfm", "Syoki"), QStringLiteral("T0 ≒ 0.1 × Tp = 0.1 × 350.00 = 35.00 kN"));
    // A plan says what will be done.
    EXPECT_TRUE(c.text("HK4-1Saidai1.jfm", "Comment1").endsWith(QStringLiteral("とする。")));
}

TEST(QualityDocuments, ReportAddsResultsGraphsAndCreepSheets)
{
    Project p;
    test::makeWorkedQualityProject(p);
    const Composed c = compose(p, DocumentFamily::QualityReport, { 1, 2, 3, 4, 5 });
    EXPECT_TRUE(c.problems.isEmpty()) << c.problems.join('\n').toStdString();
    EXPECT_EQ(c.of("HK4-3.jfm").size(), 5u);
    EXPECT_EQ(c.of("HK4-4.jfm").size(), 5u);
    const report::DrawnForm first = c.of("HK4-3.jfm").at(0);
    EXPECT_EQ(first.texts.value("Dansei"), "29.95");
    EXPECT_EQ(first.texts.value("Sosei"), "1.60");
    EXPECT_EQ(first.texts.value("SoNobi1"), "31.55");
    EXPECT_EQ(first.texts.value("SoNobi2"), QStringLiteral("下限値 27.00 ～ 上限値 33.00 mm"));
    EXPECT_EQ(first.texts.value("Sosei2"), "OK");
    EXPECT_EQ(first.texts.value("Hantei"), verdictOption(0).finalText);
    EXPECT_EQ(c.of("HK4-3.jfm").at(4).texts.value("Hantei"), QStringLiteral("未判定"));
    EXPECT_EQ(c.of("HK4-4.jfm").at(1).images.value("IMAGE"), "TmpGphHK4_4_12");

    // Only the anchor whose creep was judged gets its sheet, on a page of its
    // own after its graphs; a report says what was done.
    const auto creep = c.of("NewKuripuHeniTitle.jfm");
    ASSERT_EQ(creep.size(), 1u);
    EXPECT_EQ(creep[0].texts.value("AncMeisyou"), "A-2");
    EXPECT_GT(creep[0].page, c.of("HK4-4.jfm").at(1).page);
    EXPECT_LT(creep[0].page, pageOf(c, "HK4-1_1.jfm", 2));
    EXPECT_TRUE(c.text("HK4-1Saidai1.jfm", "Comment1").endsWith(QStringLiteral("とした。")));
    EXPECT_EQ(c.order().last(), "HK7.jfm");
}

TEST(QualityDocuments, OnlyTheChosenAnchorsArePrinted)
{
    Project p;
    test::makeWorkedQualityProject(p);
    const Composed c = compose(p, DocumentFamily::QualityPlan, { 2, 4 });
    EXPECT_EQ(c.texts("HK4-1_1.jfm", "AncName"), list({ "A-2", "A-4" }));
    EXPECT_EQ(c.texts("HK4-1_1.jfm", "Syou"), list({ "4-1.", "4-2." }));
    EXPECT_TRUE(c.of("HK3-4.jfm").empty()); // no load-distribution anchor among them
    EXPECT_EQ(c.text("HK3-5.jfm", "Syo"), "3-4.");

    // A plan of fewer anchors has fewer pages; none chosen composes nothing.
    EXPECT_LT(c.pages, compose(p, DocumentFamily::QualityPlan, { 1, 2, 3, 4, 5 }).pages);
    ReportEngine engine(QString {});
    EXPECT_FALSE(PrintQualityDocument(engine, p, DocumentFamily::QualityPlan, {}));
    EXPECT_FALSE(PrintQualityDocument(engine, p, DocumentFamily::QualityPlan, { 6 }));

    // The project's choice, kept within its anchors; all while none is kept.
    EXPECT_EQ(chosenReportAnchors(p), (std::vector<int> { 1, 2, 3, 4, 5 }));
    p.ReportAnchors = { 2, 4, 9 };
    EXPECT_EQ(chosenReportAnchors(p), (std::vector<int> { 2, 4 }));
}

TEST(QualityDocuments, StoppingLeavesNoDocument)
{
    Project p;
    test::makeWorkedQualityProject(p);
    ReportEngine engine(QString {});
    int calls = 0;
    EXPECT_FALSE(PrintQualityDocument(engine, p, DocumentFamily::QualityReport, { 1, 2, 3 }, [&](int done) {
        ++calls;
        return done < 2;
    }));
    EXPECT_EQ(calls, 2);
}
