// Format files of the plan and report texts: the records as the data file
// encodes them, applying one family's part, bad files refused with nothing
// changed, and the wizard's fields kept where docs/file-format.md says.

#include "documents/DocumentInputs.h"
#include "documents/FormatFile.h"
#include "model/AppPaths.h"
#include "model/DataFile.h"
#include "model/ProjectRecord.h"
#include "model/RecordIO.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"
#include "support/PlanReportSamples.h"
#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// A project whose four families hold texts of their own ("plan 1", "report 3", …).
void fillAllFamilies(Project& p, const QString& mark)
{
    InitProject(p, 1);
    for (DocumentFamily f : AllDocumentFamilies) {
        DocumentInputs in = test::sampleDocumentInputs(isReportFamily(f));
        in.outline[0] = mark + familyInfo(f).cliName;
        in.summary = mark + QStringLiteral("summary ") + familyInfo(f).cliName;
        storeDocumentInputs(p, f, in);
    }
}

template <class R> QByteArray encoded(const R& record)
{
    QByteArray out;
    RecordWriter w(out);
    w("", record);
    return out;
}

QByteArray documentRecords(const Project& p)
{
    return encoded(p.Record.Documents) + encoded(p.Settings.Header.DocumentTexts);
}

} // namespace

TEST(FormatFile, HoldsTheRecordsAsTheDataFileEncodesThem)
{
    Project& p = project();
    fillAllFamilies(p, "A ");
    const QByteArray format = encodeFormatFile(formatContentsOf(p));
    const QString data = test::tempPath("texts.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    const QByteArray file = test::fileBytes(data);
    EXPECT_TRUE(file.contains(encoded(p.Record.Documents)));
    EXPECT_TRUE(file.contains(encoded(p.Settings.Header.DocumentTexts)));
    EXPECT_EQ(format, documentRecords(p)); // no header, nothing between or after

    QString problem;
    std::optional<FormatContents> back = decodeFormatFile(format, &problem);
    ASSERT_TRUE(back) << problem.toStdString();
    EXPECT_EQ(encodeFormatFile(*back), format);
}

// Whichever family wrote it, applying takes only the applying family's part.
TEST(FormatFile, AppliesOnlyTheApplyingFamilysPart)
{
    Project& p = project();
    fillAllFamilies(p, "office ");
    const QString file = test::tempPath("office.hkf"); // saved from a quality-assurance wizard
    ASSERT_TRUE(SaveFormatFile(p, file));
    for (DocumentFamily target : AllDocumentFamilies) {
        SCOPED_TRACE(familyInfo(target).cliName.toStdString());
        fillAllFamilies(p, "works ");
        ASSERT_TRUE(ApplyFormatFile(p, target, file));
        for (DocumentFamily f : AllDocumentFamilies)
            EXPECT_EQ(documentInputs(p, f).summary,
                (f == target ? "office summary " : "works summary ") + familyInfo(f).cliName);
    }
}

TEST(FormatFile, BadFilesAreRefusedWithTheirReasonAndChangeNothing)
{
    Project& p = project();
    fillAllFamilies(p, "office ");
    const QByteArray good = encodeFormatFile(formatContentsOf(p));
    QByteArray noText = encodeFormatFile(FormatContents {});
    const QString data = test::tempPath("project.tsx");
    ASSERT_TRUE(SaveDataFile(data));
    QByteArray hostile = good;
    hostile[1] = char(0xff); // the first text claims more bytes than the file holds
    const std::pair<QByteArray, QString> cases[] = {
        { QByteArray(), QStringLiteral("書式ファイルが空です。") },
        { good.left(good.size() / 2), QStringLiteral("書式ファイルが途中で終わっています。") },
        { good + "x", QStringLiteral("書式ファイルではありません。") },
        { test::fileBytes(data), QStringLiteral("書式ファイルではありません。") },
        { hostile, QStringLiteral("書式ファイルが途中で終わっています。") },
        { noText, QStringLiteral("の書式が登録されていません。") },
    };
    fillAllFamilies(p, "works ");
    const QByteArray before = documentRecords(p);
    for (const auto& [bytes, reason] : cases) {
        SCOPED_TRACE(reason.toStdString());
        const QString file = test::tempPath("bad.kkf");
        ASSERT_TRUE(test::writeFile(file, bytes));
        MessageScript messages;
        EXPECT_FALSE(ApplyFormatFile(p, DocumentFamily::BasicPlan, file));
        ASSERT_EQ(messages.shown().size(), 1u);
        EXPECT_TRUE(messages.last().text.contains(reason)) << messages.last().text.toStdString();
        EXPECT_TRUE(messages.last().text.contains(file));
        EXPECT_EQ(documentRecords(p), before);
    }
    MessageScript messages;
    EXPECT_FALSE(ApplyFormatFile(p, DocumentFamily::BasicPlan, QString()));
    EXPECT_FALSE(ApplyFormatFile(p, DocumentFamily::BasicPlan, test::tempPath("absent.kkf")));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_EQ(messages.shown()[0].text, QStringLiteral("ファイルを指定してください"));
    EXPECT_TRUE(messages.shown()[1].text.startsWith(QStringLiteral("フォルダが見つかりませんでした\nファイル名：")));
    EXPECT_EQ(documentRecords(p), before);
}

TEST(FormatFile, AFailedSaveSaysWhyAndLeavesTheFolderAsItWas)
{
    Project& p = project();
    fillAllFamilies(p, "office ");
    const QString folder = test::tempPath("in-the-way.kkf");
    ASSERT_TRUE(QDir().mkpath(folder));
    MessageScript messages;
    EXPECT_FALSE(SaveFormatFile(p, folder));
    EXPECT_FALSE(SaveFormatFile(p, test::tempPath("missing/folder/office.kkf")));
    ASSERT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.shown()[0].text.contains(QStringLiteral("同じ名前のフォルダ")));
    EXPECT_TRUE(messages.shown()[1].text.contains(QStringLiteral("が見つかりません")));
    EXPECT_TRUE(QFileInfo(folder).isDir());
}

// Every family's Default file is shipped, copied into the data folder, and
// gives the family its standard wording.
TEST(FormatFile, DefaultFilesAreSeededAndApply)
{
    paths::seedDataDir();
    for (DocumentFamily f : AllDocumentFamilies) {
        SCOPED_TRACE(familyInfo(f).cliName.toStdString());
        Project& p = project();
        InitProject(p, 1);
        MessageScript messages;
        ASSERT_TRUE(ApplyDefaultFormat(p, f)) << (messages.empty() ? "" : messages.last().text.toStdString());
        const DocumentInputs in = documentInputs(p, f);
        EXPECT_FALSE(in.jack[0].isEmpty());
        EXPECT_FALSE(in.summary.isEmpty());
        EXPECT_EQ(in.summary.contains(QStringLiteral("した。")), isReportFamily(f));
    }
}

// The wizard's fields in the records (a few of each record part; the whole
// map is in docs/file-format.md), read back the same.
TEST(DocumentInputs, KeepTheWizardFieldsWhereTheFileFormatSays)
{
    Project& p = project();
    InitProject(p, 1);
    DocumentInputs in = test::sampleDocumentInputs(true);
    in.sketchShown = true;
    in.sketchPath = QStringLiteral("/sketch.png");
    storeDocumentInputs(p, DocumentFamily::BasicReport, in);
    const DocumentFieldsLong& f = p.Record.Documents.BasicReport;
    const DocumentText& t = p.Settings.Header.DocumentTexts[1];
    EXPECT_EQ(f.Outline[0], in.outline[0]);
    EXPECT_EQ(t.Texts[3], in.outline[9]);
    EXPECT_EQ(f.Title.Text, in.date);
    EXPECT_EQ(f.Title.Flag, 1);
    EXPECT_EQ(t.Flag1, 1);
    EXPECT_EQ(f.Sign.Texts[2], in.jack[2]);
    EXPECT_EQ(f.Sign.Text, in.sketchPath);
    EXPECT_EQ(f.Closing, in.summary);
    EXPECT_EQ(f.Party.Value, 135);
    EXPECT_EQ(f.Party.Texts[2], in.tendonDescription);
    EXPECT_EQ(f.Content.Pair1[1], in.ratio);
    EXPECT_EQ(f.Content.List3[1], in.mixTable[1].perCubicMetre);
    EXPECT_EQ(f.Procedure[6], in.steps[6]);
    EXPECT_EQ(documentInputs(p, DocumentFamily::BasicReport), in);

    // A quality-assurance family keeps the texts its records have room for.
    storeDocumentInputs(p, DocumentFamily::QualityPlan, in);
    const DocumentInputs quality = documentInputs(p, DocumentFamily::QualityPlan);
    EXPECT_EQ(quality.summary, in.summary);
    EXPECT_EQ(quality.outline, in.outline);
    EXPECT_TRUE(quality.steps[0].isEmpty());

    // An empty works name starts from the works title.
    p.Record.WorksName = QStringLiteral("○○橋補強工事");
    EXPECT_EQ(documentInputs(p, DocumentFamily::BasicPlan).outline[0], p.Record.WorksName);

    // Copying takes every text of the other document of the same test.
    copyFamilyTexts(p, DocumentFamily::BasicReport, DocumentFamily::BasicPlan);
    EXPECT_EQ(documentInputs(p, DocumentFamily::BasicPlan), in);
}
