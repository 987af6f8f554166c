// The plan and report of a basic investigation: the chapters in order, the
// cover and general rules, plan and report differing only in their sentence
// endings and results, the free-length and initial-load sheets by anchor type,
// and documents that compose whatever the sketch and however long the texts.

#include "documents/BasicDocument.h"
#include "documents/ComposedDocument.h"
#include "documents/DocumentPages.h"
#include "documents/JackSketch.h"
#include "documents/PlanReportTexts.h"
#include "documents/ReportForms.h"
#include "model/AppPaths.h"
#include "model/UserMessage.h"
#include "support/PlanReportSamples.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <gtest/gtest.h>

using namespace tessaro;
using report::ReportEngine;

namespace {

using Composed = test::ComposedDocument;

Composed compose(const Project& p, DocumentFamily family)
{
    return test::composeDocument([&](ReportEngine& e) { return PrintBasicDocument(e, p, family); });
}

QString names(const char* list)
{
    return QString::fromUtf8(list);
}

} // namespace

TEST(BasicDocuments, ChaptersInOrder)
{
    Project p;
    test::makeWorkedBasicProject(p);
    const QStringList shared = names("Hyoushi.jfm Sousoku.jfm Gaiyou.jfm KK2.jfm KK3.jfm KK3Gyou.jfm KK3-3.jfm KK4.jfm "
                                     "KK5.jfm KK5-1(1).jfm KK5-1(2).jfm AnchorListKajyuu.jfm KK5-1.jfm KK6Title.jfm "
                                     "KK6Jyouken.jfm Iji_Lsf_Title.jfm Iji_Lsf_Masatu.jfm KK7.jfm")
                                   .split(' ');
    const Composed plan = compose(p, DocumentFamily::BasicPlan);
    const Composed report = compose(p, DocumentFamily::BasicReport);
    EXPECT_EQ(plan.order(), shared + QStringList { "KK7_Jyouken.jfm" });
    EXPECT_EQ(report.order(),
        shared + names("KK7_Kekka.jfm KK7_1.jfm KK7_2_1.jfm KK7_2_2.jfm KK7_3.jfm KK7_4.jfm").split(' '));
    for (const Composed* c : { &plan, &report }) {
        EXPECT_TRUE(c->problems.isEmpty()) << c->problems.join('\n').toStdString();
        EXPECT_TRUE(c->messages.empty());
        // Every page after the cover is numbered from 1.
        int numbered = 0;
        for (const report::DrawnForm& f : c->forms) {
            if (f.formName == "Page.jfm")
                EXPECT_EQ(f.texts.value("Page"), pageNumberText(++numbered));
        }
        EXPECT_EQ(numbered, c->pages - 1);
        // No block begins below the foot of its page.
        for (const report::DrawnForm& f : c->forms)
            EXPECT_LT(f.topMargin, DocumentPages::Bottom) << f.formName.toStdString();
    }
    EXPECT_EQ(report.pages, plan.pages + 3); // 7-1, 7-2, and 7-3 with 7-4, after the summary
    EXPECT_EQ(report.text("KK7_4.jfm", "syo"), QStringLiteral("７－４．アンカーの極限引抜き力"));
    EXPECT_EQ(
        report.text("KK7_4.jfm", "HikinukiMoji2"), QStringLiteral("　アンカーの極限引抜き力は350.00kN と判定した。"));
    EXPECT_EQ(report.text("KK7_4.jfm", "HikinukiMoji3"), QStringLiteral("　周面摩擦抵抗は0.13N/mm2 となる。"));
    EXPECT_EQ(plan.text("KK5.jfm", "Masatuteikou3"), QStringLiteral("763.41"));
    // The charts are drawn on the page: the load plan, the head displacements and the friction loss.
    EXPECT_EQ(plan.first("KK5-1.jfm")->images.value("IMAGE"), "Gph1Kihon");
    EXPECT_EQ(report.first("KK7_1.jfm")->images.value("IMAGE"), "TmpGphKK7_1");
    EXPECT_EQ(report.first("KK7_1.jfm")->images.value("IMAGE_2"), "TmpGphKK7_2");
    EXPECT_EQ(report.first("KK7_2_2.jfm")->images.value("IMAGE"), "TmpGphMatome");
}

// The cover's works name and contractor lines, and the general-rules sentence.
TEST(BasicDocuments, CoverAndGeneralRules)
{
    Project p;
    test::makeWorkedBasicProject(p);
    struct Case {
        bool worksName, subcontractor;
        const char16_t *kouji, *moto, *shita;
    };
    const Case cases[] = {
        { true, true, u"○○川護岸補強工事", u"元請  ○○建設株式会社", u"下請  △△基礎工業株式会社" },
        { false, false, u"", u"○○建設株式会社", u"" },
    };
    for (const Case& c : cases) {
        DocumentInputs in = documentInputs(p, DocumentFamily::BasicPlan);
        in.worksNameOnCover = c.worksName;
        in.subcontractorShown = c.subcontractor;
        storeDocumentInputs(p, DocumentFamily::BasicPlan, in);
        const Composed plan = compose(p, DocumentFamily::BasicPlan);
        EXPECT_EQ(plan.text("Hyoushi.jfm", "Kouji"), QString::fromUtf16(c.kouji));
        EXPECT_EQ(plan.text("Hyoushi.jfm", "MotoKaisyamei"), QString::fromUtf16(c.moto));
        EXPECT_EQ(plan.text("Hyoushi.jfm", "ShitaKaisyamei"), QString::fromUtf16(c.shita));
        EXPECT_EQ(plan.text("Hyoushi.jfm", "MainTitle"), QStringLiteral("基本調査試験計画書"));
        EXPECT_EQ(plan.text("Hyoushi.jfm", "Hizuke"), QStringLiteral("2024年05月20日"));
        EXPECT_EQ(plan.text("Sousoku.jfm", "Sousoku"),
            QStringLiteral("　本基本調査試験計画書は、「○○川護岸補強工事」のうち、アンカー工の基本調査試験(引抜き試験)"
                           "の実施について述べたものである。"));
    }
}

// Plan and report say the same until the results, apart from their endings.
TEST(BasicDocuments, PlanAndReportDifferOnlyInSentenceEndings)
{
    Project p;
    test::makeWorkedBasicProject(p);
    copyFamilyTexts(p, DocumentFamily::BasicPlan, DocumentFamily::BasicReport);
    const Composed plan = compose(p, DocumentFamily::BasicPlan);
    const Composed report = compose(p, DocumentFamily::BasicReport);
    auto asReport = [](QString text) {
        return text.replace(QStringLiteral("計画書"), QStringLiteral("報告書"))
            .replace(QStringLiteral("とする。"), QStringLiteral("とした。"))
            .replace(QStringLiteral("する。"), QStringLiteral("した。"));
    };
    int compared = 0;
    for (std::size_t i = 0; i < plan.forms.size() && plan.forms[i].formName != "KK7.jfm"; ++i) {
        const report::DrawnForm& planned = plan.forms[i];
        const report::DrawnForm& reported = report.forms[i];
        ASSERT_EQ(planned.formName, reported.formName);
        // The engineer's own texts are the same in both.
        for (auto it = planned.texts.begin(); it != planned.texts.end(); ++it) {
            const QString reportedText = reported.texts.value(it.key());
            EXPECT_TRUE(it.value() == reportedText || asReport(it.value()) == reportedText)
                << planned.formName.toStdString() << " " << it.key().toStdString();
            compared += it.value() != reportedText;
        }
    }
    EXPECT_GE(compared, 6); // the machine, Tp, T0, cycles, holding times, load changes
    EXPECT_EQ(plan.text("KK3.jfm", "Kikai"),
        QStringLiteral("削孔機械は本施工では、ロータリーパーカッションドリルでの施工とする。"));
    EXPECT_EQ(report.text("KK3.jfm", "Kikai"),
        QStringLiteral("削孔機械は本施工では、ロータリーパーカッションドリルでの施工とした。"));
    EXPECT_EQ(plan.text("KK5-1(2).jfm", "cicle"),
        QStringLiteral("計画最大荷重に対して5サイクル以上とするのが一般的であり、今回の場合は、6サイクルとする。"));
    EXPECT_EQ(report.text("KK5-1(1).jfm", "Moji3"),
        QStringLiteral("よって、現場の状況を考慮した上、初期荷重は 50.00 kN とした。"));
}

TEST(BasicDocuments, ReportResultsFollowTheEvaluation)
{
    Project p;
    test::makeWorkedBasicProject(p);
    // Without the friction loss the report is refused; the plan is not.
    AnchorRecord& a = p.Record.WorkingAnchor;
    a.PointB = 0;
    EXPECT_EQ(basicDocumentRefusal(p, DocumentFamily::BasicReport), FrictionLossNotSetMessage);
    EXPECT_TRUE(basicDocumentRefusal(p, DocumentFamily::BasicPlan).isEmpty());
    a.UseGivenIntercept = 1;
    a.GivenIntercept = 60;
    EXPECT_TRUE(basicDocumentRefusal(p, DocumentFamily::BasicReport).isEmpty());
    const Composed given = compose(p, DocumentFamily::BasicReport);
    EXPECT_EQ(given.text("KK7_2_1.jfm", "Sonshitu"), QStringLiteral("10.00 kN"));

    // Without an elastic displacement of the last cycle: no apparent free
    // length, and the pull-out force is 7-3.
    a.Readings.resize(20);
    a.ReadingCount = 20;
    const Composed shortTest = compose(p, DocumentFamily::BasicReport);
    EXPECT_EQ(shortTest.first("KK7_3.jfm"), nullptr);
    EXPECT_EQ(shortTest.text("KK7_4.jfm", "syo"), QStringLiteral("７－３．アンカーの極限引抜き力"));
}

// Chapter 6 prints the free-length sheet of the anchor's type; a
// load-distribution anchor the whole set and its initial load by the method
// its tensioning takes.
TEST(BasicDocuments, FreeLengthSheetsByAnchorType)
{
    struct Case {
        int type;
        int tensioning;
        int bodies;
        QStringList expected;
    };
    const Case cases[] = {
        { 0, 0, 0, { "Iji_Lsf_Masatu.jfm" } },
        { 1, 0, 0, { "Iji_Lsf_MasatuSEEE.jfm" } },
        { 2, 0, 0, { "Iji_Lsf_AssyukuSEEE.jfm" } },
        { 4, 0, 0, { "Iji_Lsf_SentanShiatu.jfm" } },
        { 5, 0, 0, { "Iji_Lsf_SentanShiatu.jfm" } },
        { 3, 0, 2,
            names("Iji_Lsf_Model.jfm Iji_Lsf_Jyouken.jfm Iji_Lsf_TaikataiGyou.jfm Iji_Lsf_TaikataiGoukei.jfm "
                  "Iji_Lsf_Shiki.jfm Iji_Lsf_Shiki2.jfm Iji_Lsf_Lsf.jfm Iji_Lsf_LsfAns.jfm Iji_Oreten_Tb.jfm "
                  "Iji_Oreten_Nobi.jfm Iji_Oreten_Sa.jfm Iji_Oreten_OretenShiki.jfm Iji_Oreten_Oreten.jfm "
                  "Iji_Oreten_Syoki.jfm")
                .split(' ') },
        { 3, 1, 2,
            names("Iji_Lsf_Model.jfm Iji_Lsf_Jyouken.jfm Iji_Lsf_TaikataiGyou.jfm Iji_Lsf_TaikataiGoukei.jfm "
                  "Iji_Lsf_Shiki_DHP.jfm Iji_Lsf_Shiki_DHP2.jfm Iji_Lsf_Lsf.jfm Iji_Lsf_LsfAns.jfm "
                  "Sadou_Syoki_Title.jfm Sadou_Syoki_K.jfm Sadou_Syoki_D.jfm Sadou_Syoki_ShikiD.jfm "
                  "Sadou_Syoki_T1.jfm Sadou_Syoki_T2.jfm Sadou_Syoki_Syoki.jfm")
                .split(' ') },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Project p;
        test::makeWorkedBasicProject(p);
        AnchorRecord& a = p.Record.WorkingAnchor;
        if (c.bodies > 0) {
            AnchorRecord body = test::twoBodyAnchor();
            a.Tendon = body.Tendon;
            a.Material.BodyStrandCount = body.Material.BodyStrandCount;
            a.Material.StrandSetCount = body.Material.StrandSetCount;
        }
        a.Tendon.AnchorTypeCode = std::int16_t(c.type);
        a.Tendon.TensioningType = std::int16_t(c.tensioning);
        a.Tendon.TensionFreeLength = 10000;
        const QStringList order = compose(p, DocumentFamily::BasicPlan).order();
        const qsizetype from = order.indexOf("Iji_Lsf_Title.jfm") + 1;
        EXPECT_EQ(order.mid(from, order.indexOf("KK7.jfm") - from), c.expected);
        EXPECT_EQ(order.contains("KK5-1(1)Bunsan.jfm"), c.type == 3);
    }
}

// Whatever the sketch file, the document composes: a missing or unreadable
// file leaves the area empty with a notice, a huge picture is never read whole.
TEST(BasicDocuments, SketchFilesOfEveryKind)
{
    // A PNG of 20000 × 20000 pixels in a few kilobytes: one bit per pixel, all zero.
    QByteArray rows(20000 * (1 + 2500), '\0');
    QByteArray idat = qCompress(rows, 9).mid(4);
    auto chunk = [](const QByteArray& type, const QByteArray& data) {
        QByteArray c;
        auto be32 = [&c](quint32 v) {
            for (int s = 24; s >= 0; s -= 8)
                c.append(char((v >> s) & 0xff));
        };
        be32(quint32(data.size()));
        c += type + data;
        QByteArray crcData = type + data;
        quint32 crc = 0xffffffffu;
        for (char byte : crcData) {
            crc ^= quint8(byte);
            for (int k = 0; k < 8; ++k)
                crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1u)));
        }
        be32(crc ^ 0xffffffffu);
        return c;
    };
    QByteArray header;
    for (quint32 v : { 20000u, 20000u })
        for (int s = 24; s >= 0; s -= 8)
            header.append(char((v >> s) & 0xff));
    header += QByteArray("\x01\x00\x00\x00\x00", 5);
    const QString huge = test::tempPath("huge.png");
    ASSERT_TRUE(test::writeFile(
        huge, QByteArray("\x89PNG\r\n\x1a\n", 8) + chunk("IHDR", header) + chunk("IDAT", idat) + chunk("IEND", {})));
    const QString broken = test::tempPath("broken.jpg");
    ASSERT_TRUE(test::writeFile(broken, "not a picture"));
    const QString large = test::tempPath("large.jpg");
    ASSERT_TRUE(QImage(5000, 4000, QImage::Format_Grayscale8).save(large, "JPEG"));
    const QString small = test::tempPath("small.png");
    ASSERT_TRUE(QImage(40, 30, QImage::Format_RGB32).save(small));

    struct Case {
        QString file;
        SketchState state;
        bool printed;
    };
    const Case cases[] = {
        { test::tempPath("absent.bmp"), SketchState::Missing, false },
        { broken, SketchState::Unreadable, false },
        { huge, SketchState::TooLarge, false },
        { large, SketchState::Usable, true },
        { small, SketchState::Usable, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.file.toStdString());
        Project p;
        test::makeWorkedBasicProject(p);
        DocumentInputs in = documentInputs(p, DocumentFamily::BasicPlan);
        in.sketchShown = true;
        in.sketchPath = c.file;
        storeDocumentInputs(p, DocumentFamily::BasicPlan, in);
        const Composed plan = compose(p, DocumentFamily::BasicPlan);
        // A scaled copy of a large picture is not left behind.
        EXPECT_FALSE(QFileInfo::exists(paths::data(QStringLiteral("TmpJakkiZu.png"))));
        const report::DrawnForm* kk4 = plan.first("KK4.jfm");
        ASSERT_NE(kk4, nullptr);
        EXPECT_EQ(kk4->texts.value("ZuMidashi"), QStringLiteral("【ジャッキの略図】"));
        EXPECT_EQ(!kk4->images.value("Zu").isEmpty(), c.printed);
        EXPECT_EQ(plan.messages.size(), c.printed ? 0u : 1u);
        if (!c.printed) {
            EXPECT_EQ(plan.messages[0].text, sketchNotice(c.state));
        }
        const PreparedSketch prepared = prepareSketch(c.file);
        EXPECT_EQ(prepared.state, c.state);
        if (prepared.temporary)
            QFile::remove(prepared.file);
    }
    EXPECT_EQ(sketchNotice(SketchState::Missing),
        QStringLiteral("ジャッキの略図ファイルが存在しませんでした。ジャッキの略図は空白で出力します。"));
}

// Texts at their limits stay inside their fields and their pages.
TEST(BasicDocuments, TextsAtTheirLimits)
{
    Project p;
    test::makeWorkedBasicProject(p);
    DocumentInputs in = documentInputs(p, DocumentFamily::BasicReport);
    const QString sentence = QStringLiteral("試験結果は、荷重－変位量曲線に整理した。");
    in.summary = sentence.repeated(SummaryTextLimit / sentence.size() + 1).left(SummaryTextLimit);
    for (QString& step : in.steps)
        step = QStringLiteral("孔").repeated(ItemTextLimit);
    for (QString& item : in.outline)
        item = QStringLiteral("工").repeated(ItemTextLimit);
    storeDocumentInputs(p, DocumentFamily::BasicReport, in);
    const Composed report = compose(p, DocumentFamily::BasicReport);
    EXPECT_TRUE(report.problems.isEmpty());
    EXPECT_EQ(report.text("KK7.jfm", "Matome").size(), SummaryTextLimit);
    for (const report::DrawnForm& f : report.forms)
        EXPECT_LT(f.topMargin, DocumentPages::Bottom) << f.formName.toStdString();
    // The summary is estimated to fill no more than its page.
    EXPECT_LT(1000 + wrappedTextHeight(in.summary, 17700, 10.5), DocumentPages::Bottom - DocumentPages::Top);
}
