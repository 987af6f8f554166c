// tessaro-cli dump, resave, evaluate and sheet on data files written for the purpose.

#include "support/AnchorFixtures.h"
#include "support/OlderReleaseFiles.h"
#include "support/TestSupport.h"

#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/basMainData.h"
#include "planning/HoldingTimes.h"
#include "recording/ReadingSheet.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QJsonDocument runJson(const QString& command, const QString& path)
{
    QByteArray out, err;
    EXPECT_EQ(test::runCli({ command, path }, &out, &err), 0) << err.toStdString();
    return QJsonDocument::fromJson(out);
}

// Anchor 1: the six-cycle anchor with its sheet and readings rising 0.1 mm per kN
// above T0. Anchor 2: a load-distribution anchor of two bodies (stored Lsf 0),
// single-cycle confirmation test without readings.
QString qualityProjectFile()
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.Record.WorksName = QStringLiteral("〇〇線道路改良工事");
    p.Record.Schedules[0] = test::compactSchedule();
    AnchorRecord& a = p.anchor(1);
    a = test::sixCycleAnchor();
    a.Tendon.TensionFreeLength = 0; // recomputed from Lf + Lr
    GenerateSheet(a, p.Record.Schedules[0], false);
    for (Reading& r : a.Readings)
        r.Displacement = 0.1f * (r.Load - 50);
    a.Readings.back().Displacement = MissingValue;

    AnchorRecord& d = p.anchor(2);
    d = test::twoBodyAnchor();
    d.ConfirmationTest = 1;
    d.SetAmount = 4;
    d.Plan = { .InitialLoad = 60, .PlannedMaxLoad = 400, .StageCount = 5, .CycleMaxLoad = { 128, 196, 264, 332, 400 } };
    p.Record.Schedules[1] = defaultSchedule(1, 1, 5, true);

    QString path = test::tempPath("quality.tsx");
    EXPECT_TRUE(SaveDataFile(path));
    return path;
}

} // namespace

TEST(Cli, DumpPrintsTheProjectUnderItsFieldNamesAndResaveWritesTheSameFile)
{
    const QString in = qualityProjectFile();
    QJsonObject o = runJson("dump", in).object();
    EXPECT_EQ(o["release"].toString(), "4.005");
    EXPECT_EQ(o["WorksName"].toString(), QStringLiteral("〇〇線道路改良工事"));
    QJsonObject reading = o["Anchors"].toArray()[0].toObject()["Readings"].toArray()[53].toObject();
    EXPECT_EQ(reading["ElapsedTime"].toInt(), 6270);
    EXPECT_EQ(reading["Displacement"].toDouble(), -99);

    QString out = test::tempPath("resaved.tsx");
    ASSERT_EQ(test::runCli({ "resave", in, out }), 0);
    EXPECT_EQ(test::fileBytes(out), test::fileBytes(in));
    EXPECT_TRUE(recent::files().isEmpty()) << "the desktop program's recent files are its own";
}

TEST(Cli, OlderFilesAreDumpedWithTheReleaseReadAndResavedInTodaysLayout)
{
    qualityProjectFile();
    const QString older = test::tempPath("older.tsn");
    ASSERT_TRUE(test::writeFile(older, test::olderReleaseFile(project(), Release::R206)));
    const QByteArray olderBytes = test::fileBytes(older);
    QJsonObject o = runJson("dump", older).object();
    EXPECT_EQ(o["release"].toString(), "2.06");
    EXPECT_TRUE(o["FromOlderRelease"].toBool());
    // The row holds 6270; release 2.06 counted minutes, so it reads as 6270 × 60 seconds.
    QJsonObject reading = o["Anchors"].toArray()[0].toObject()["Readings"].toArray()[53].toObject();
    EXPECT_EQ(reading["ElapsedTime"].toInt(), 6270 * 60);

    QString out = test::tempPath("resaved-older.tsx");
    ASSERT_EQ(test::runCli({ "resave", older, out }), 0);
    EXPECT_EQ(runJson("dump", out).object()["release"].toString(), "4.005");
    EXPECT_EQ(test::fileBytes(older), olderBytes);
}

TEST(Cli, EvaluateAndSheetOfEveryAnchorLeaveTheFileAlone)
{
    const QString path = qualityProjectFile();
    const QByteArray before = test::fileBytes(path);
    QJsonArray anchors = runJson("evaluate", path).array();
    ASSERT_EQ(anchors.size(), 2);
    QJsonObject a = anchors[0].toObject();
    EXPECT_EQ(a["TensionFreeLength"].toInt(), 10000);
    // Cycle 1 ends at row 4: total 5.0 at the peak holding, 0 at the next T0.
    EXPECT_DOUBLE_EQ(a["Results"].toArray()[3].toObject()["Elastic"].toDouble(), 5);
    EXPECT_DOUBLE_EQ(a["JackingGauge"].toDouble(), 33.23); // through anchor 1's own jack
    EXPECT_FALSE(a.contains("InterceptLoad")); // basic investigations only
    QJsonObject d = anchors[1].toObject();
    EXPECT_EQ(d["TensionFreeLength"].toInt(), 18947);
    EXPECT_DOUBLE_EQ(d["LoadDistributionInitialLoad"].toDouble(), 50); // 20.00 + 30
    // 200 × 4 × 138.7 × 8 / (18947 − 1000) = 49.46 kN; anchor 2 has no jack data.
    EXPECT_DOUBLE_EQ(d["SetLoss"].toDouble(), 49.46);
    EXPECT_DOUBLE_EQ(d["JackingGauge"].toDouble(), -99);

    anchors = runJson("sheet", path).array();
    ASSERT_EQ(anchors.size(), 2);
    QJsonArray rows = anchors[0].toObject()["Readings"].toArray();
    ASSERT_EQ(rows.size(), 54);
    EXPECT_DOUBLE_EQ(rows[53].toObject()["GaugePressure"].toDouble(), 5);
    // Anchor 2 is a confirmation anchor: one cycle from its default schedule.
    QJsonArray single = anchors[1].toObject()["Readings"].toArray();
    EXPECT_EQ(single.size(), ScheduledRowCount(defaultSchedule(1, 1, 5, true), 5, true));
    EXPECT_EQ(single.last().toObject()["Cycle"].toInt(), 1);
    EXPECT_EQ(test::fileBytes(path), before);
}

TEST(Cli, RefusedFilesAndMissingArgumentsGiveStatusOneAndNoOutput)
{
    const QString notOurs = test::tempPath("not-ours.tsx");
    ASSERT_TRUE(test::writeFile(notOurs, "PK\x03\x04 this is a zip file, not a data file"));
    const QString never = test::tempPath("never.tsx");
    const QStringList cases[] = { { "dump", notOurs }, { "dump", test::tempPath("missing.tsx") },
        { "resave", notOurs, never }, { "evaluate", notOurs }, { "evaluate" }, { "sheet", notOurs } };
    for (const QStringList& args : cases) {
        QByteArray out, err;
        EXPECT_EQ(test::runCli(args, &out, &err), 1) << args.join(' ').toStdString();
        EXPECT_TRUE(out.isEmpty()) << args.join(' ').toStdString();
        if (args.contains(notOurs)) {
            EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("Tessaroのデータではありません。")));
        }
    }
    EXPECT_FALSE(QFile::exists(never));
}
