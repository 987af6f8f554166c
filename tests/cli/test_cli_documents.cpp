// tessaro-cli format, format-apply and the pdf documents of a basic
// investigation: what an office's scripts do with their standard wordings.

#include "documents/DocumentInputs.h"
#include "documents/FormatFile.h"
#include "model/DataFile.h"
#include "support/CompleteAnchors.h"
#include "support/PlanReportSamples.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// The worked pull-out test saved, and an office's format file whose four
// families carry summaries of their own.
struct Files {
    QString data = test::tempPath("pullout.tsx");
    QString format = test::tempPath("office.kkf");
};

Files savedFiles()
{
    Files f;
    Project& p = project();
    InitProject(p, 1);
    for (DocumentFamily family : AllDocumentFamilies) {
        DocumentInputs in = test::sampleDocumentInputs(isReportFamily(family));
        in.summary = QStringLiteral("office ") + familyInfo(family).cliName;
        storeDocumentInputs(p, family, in);
    }
    EXPECT_TRUE(SaveFormatFile(p, f.format));
    test::makeWorkedBasicProject(p);
    EXPECT_TRUE(SaveDataFile(f.data));
    return f;
}

} // namespace

TEST(CliDocuments, FormatFilesPrintedAndApplied)
{
    const Files f = savedFiles();
    QByteArray out, err;
    ASSERT_EQ(test::runCli({ "format", f.format, "--compact" }, &out, &err), 0) << err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(json["DocumentSettings"]["QualityReport"]["Closing"].toString(), "office quality-report");
    EXPECT_EQ(json["DocumentTexts"].toArray().size(), 4);

    const QString applied = test::tempPath("applied.tsx");
    ASSERT_EQ(
        test::runCli({ "format-apply", f.format, f.data, "--family", "basic-report", "--out", applied }, &out, &err), 0)
        << err.toStdString();
    ASSERT_TRUE(LoadDataFile(applied));
    EXPECT_EQ(documentInputs(project(), DocumentFamily::BasicReport).summary, "office basic-report");
    EXPECT_EQ(documentInputs(project(), DocumentFamily::BasicPlan).summary, test::sampleDocumentInputs(false).summary);
    EXPECT_EQ(project().Record.WorkingAnchor.AnchorNo, "K-1");
}

TEST(CliDocuments, BasicPlanAndReportAsPdf)
{
    const Files f = savedFiles();
    const QString pdf = test::tempPath("plan.pdf");
    QByteArray out, err;
    for (const char* kind : { "basic-plan", "basic-report" }) {
        ASSERT_EQ(test::runCli({ "pdf", f.data, "--doc", kind, "--out", pdf }, &out, &err), 0) << err.toStdString();
        EXPECT_TRUE(out.contains(" pages")) << kind;
        EXPECT_TRUE(QFile::exists(pdf));
        QFile::remove(pdf);
    }
}

TEST(CliDocuments, RefusalsSayWhyAndWriteNothing)
{
    const Files f = savedFiles();
    const QString broken = test::tempPath("broken.kkf");
    ASSERT_TRUE(test::writeFile(broken, "no format file"));
    Project& p = project();
    p.Record.WorkingAnchor.PointB = 0; // friction loss not set
    const QString unset = test::tempPath("unset.tsx");
    ASSERT_TRUE(SaveDataFile(unset));
    test::makeQualityProject(p, 2);
    const QString quality = test::tempPath("quality.tsx");
    ASSERT_TRUE(SaveDataFile(quality));
    const QString out = test::tempPath("refused.out");
    const std::tuple<QStringList, int, QString> cases[] = {
        { { "format", broken }, 1, QStringLiteral("書式ファイル") },
        { { "format" }, 2, "missing arguments" },
        { { "format-apply", f.format, f.data, "--out", out }, 2, "--family must be one of basic-plan|basic-report" },
        { { "format-apply", f.format, f.data, "--family", "plan", "--out", out }, 2, "--family must be" },
        { { "format-apply", f.format, f.data, "--family", "basic-plan" }, 2, "--out is missing" },
        { { "format-apply", broken, f.data, "--family", "basic-plan", "--out", out }, 1,
            QStringLiteral("書式ファイル") },
        { { "pdf", unset, "--doc", "basic-report", "--out", out }, 1,
            QStringLiteral("摩擦損失量の設定がされていません。") },
        { { "pdf", quality, "--doc", "basic-plan", "--out", out }, 1, "is not a basic investigation project" },
        { { "pdf", f.data, "--doc", "quality-plan", "--out", out }, 1, "is not a quality-assurance project" },
        { { "pdf", quality, "--doc", "quality-report", "--anchors", "1-5", "--out", out }, 1, "--anchors must be" },
    };
    for (const auto& [args, status, told] : cases) {
        QByteArray err;
        EXPECT_EQ(test::runCli(args, nullptr, &err), status) << args.join(' ').toStdString();
        EXPECT_TRUE(QString::fromUtf8(err).contains(told)) << args.join(' ').toStdString() << ": " << err.toStdString();
    }
    EXPECT_FALSE(QFile::exists(out));
}
