// tessaro-cli dump, resave, evaluate and sheet on data files written for the purpose.

#include "support/AnchorFixtures.h"
#include "support/MeasuredAnchors.h"
#include "support/OlderReleaseFiles.h"
#include "support/TestSupport.h"

#include "model/DataFile.h"
#include "model/RecentFiles.h"
#include "model/basMainData.h"
#include "planning/HoldingTimes.h"
#include "recording/ReadingSheet.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
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

// The six-cycle test as a pull-out test (points 1 (0, 50) … 3 (0.55, 150) …
// 7 (1.60, 350)), judged at the bend before point 3, bore 135 mm, La 6000 mm,
// τ 0.30 in design, U 60.0 mm and τba 1.60 N/mm2.
QString pullOutProjectFile(int bendPoint)
{
    Project& p = project();
    InitProject(p, 0);
    p.TestCategory = 0;
    AnchorRecord& a = p.Record.WorkingAnchor;
    a = test::measuredSixCycleAnchor();
    a.DrillDiameter = 135;
    a.DesignSkinFriction = 0.3f;
    a.ApparentPerimeter = 60;
    a.BondStress = 1.6f;
    a.FinalChoice = 2;
    a.BendPoint = std::int16_t(bendPoint);
    p.Settings.UltimatePullOut = 150;
    QString path = test::tempPath(QStringLiteral("pullout%1.tsx").arg(bendPoint));
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

TEST(Cli, RefusedFilesGiveStatusOneAndNoOutput)
{
    const QString notOurs = test::tempPath("not-ours.tsx");
    ASSERT_TRUE(test::writeFile(notOurs, "PK\x03\x04 this is a zip file, not a data file"));
    const QString never = test::tempPath("never.tsx");
    const QStringList cases[] = { { "dump", notOurs }, { "dump", test::tempPath("missing.tsx") },
        { "resave", notOurs, never }, { "evaluate", notOurs }, { "sheet", notOurs } };
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

// Help and version on standard output with status 0; wrong or missing
// arguments a one-line reason and the usage on standard error with status 2.
TEST(Cli, FollowsTheConventionsOfTheCommandLine)
{
    const QString file = qualityProjectFile();
    struct Case {
        QStringList args;
        int status;
        QString out, err; // what standard output and error begin with
    };
    const Case cases[] = {
        { { "--help" }, 0, "usage: tessaro-cli COMMAND", "" },
        { { "dump", "--help" }, 0, "usage: tessaro-cli dump FILE [--compact] [--out OUT.json]", "" },
        { { "pdf", "--help" }, 0, "usage: tessaro-cli pdf FILE --doc KIND", "" },
        { { "--version" }, 0, "tessaro-cli (Tessaro) 4.05", "" },
        { {}, 2, "", "tessaro-cli: missing command\nusage: tessaro-cli COMMAND" },
        { { "frobnicate" }, 2, "", "tessaro-cli: unknown command frobnicate\nusage:" },
        { { "evaluate" }, 2, "", "tessaro-cli: evaluate: missing arguments\nusage: tessaro-cli evaluate FILE" },
        { { "dump", file, "--pretty" }, 2, "", "tessaro-cli: dump: unknown option --pretty\nusage:" },
        { { "sheet", file, file }, 2, "", "tessaro-cli: sheet: unexpected argument" },
        { { "dump", file, "--out" }, 2, "", "tessaro-cli: dump: --out needs a value" },
    };
    for (const Case& c : cases) {
        QByteArray out, err;
        EXPECT_EQ(test::runCli(c.args, &out, &err), c.status) << c.args.join(' ').toStdString();
        auto begins = [](const QByteArray& text, const QString& start) {
            return start.isEmpty() ? text.isEmpty() : QString::fromUtf8(text).startsWith(start);
        };
        EXPECT_TRUE(begins(out, c.out)) << out.toStdString();
        EXPECT_TRUE(begins(err, c.err)) << err.toStdString();
    }
}

TEST(Cli, JsonGoesCompactOrToAFileAndNeverNeedsADisplay)
{
    const QString file = qualityProjectFile();
    // A display server that is not there changes nothing.
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("DISPLAY", ":97");
    QByteArray indented, compact;
    EXPECT_EQ(test::runCli({ "dump", file }, &indented), 0);
    EXPECT_EQ(test::runCli({ "dump", file, "--compact" }, &compact), 0);
    qputenv("QT_QPA_PLATFORM", "offscreen");
    EXPECT_EQ(compact.count('\n'), 1);
    EXPECT_EQ(QJsonDocument::fromJson(compact), QJsonDocument::fromJson(indented));
    EXPECT_EQ(QJsonDocument::fromJson(compact)["Anchors"].toArray().size(), 2);

    const QString json = test::tempPath("evaluation.json");
    QByteArray out;
    EXPECT_EQ(test::runCli({ "evaluate", file, "--out", json }, &out), 0);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_EQ(QJsonDocument::fromJson(test::fileBytes(json)).array().size(), 2);
    // A file that cannot be written: status 1 and its reason.
    QByteArray err;
    EXPECT_EQ(test::runCli({ "sheet", file, "--out", test::tempPath("none/sheet.json") }, nullptr, &err), 1);
    EXPECT_TRUE(QString::fromUtf8(err).startsWith(QStringLiteral("tessaro-cli sheet: 保存先のフォルダ"))) << err.toStdString();
}

TEST(Cli, TheDesktopProgramAnswersHelpAndVersionAndRefusesOptions)
{
    const QString desktop = QFileInfo(qEnvironmentVariable("TESSARO_CLI")).absolutePath() + "/tessaro";
    auto run = [&](const QStringList& args, QByteArray* out, QByteArray* err) {
        QProcess p;
        p.start(desktop, args);
        p.waitForFinished(30000);
        *out = p.readAllStandardOutput();
        *err = p.readAllStandardError();
        return p.exitCode();
    };
    QByteArray out, err;
    EXPECT_EQ(run({ "--version" }, &out, &err), 0);
    EXPECT_EQ(out, "tessaro (Tessaro) 4.05\n");
    EXPECT_EQ(run({ "--help" }, &out, &err), 0);
    EXPECT_TRUE(out.startsWith("usage: tessaro [FILE]"));
    EXPECT_EQ(run({ "--frobnicate" }, &out, &err), 2);
    EXPECT_TRUE(err.startsWith("tessaro: unknown option --frobnicate"));
}

TEST(Cli, EvaluateGivesThePullOutChecksAsTheWindowsShowThem)
{
    QJsonObject a = runJson("evaluate", pullOutProjectFile(3)).array()[0].toObject();
    EXPECT_EQ(a["FinalChoice"].toInt(), 2);
    QJsonArray points = a["PullOutPoints"].toArray();
    ASSERT_EQ(points.size(), 7);
    EXPECT_EQ(points[0].toObject()["y"].toDouble(), 50);
    EXPECT_NEAR(points[2].toObject()["x"].toDouble(), 0.55, 1e-6);
    EXPECT_DOUBLE_EQ(a["UltimatePullOut"].toDouble(), 150);
    EXPECT_DOUBLE_EQ(a["UltimatePullOutFromChoice"].toDouble(), 150);
    EXPECT_NEAR(a["SkinFriction"].toDouble(), 0.05, 1e-6);
    EXPECT_DOUBLE_EQ(a["PullOutResistance"].toDouble(), 763.41);
    // 350 × 1000 / 96 = 3645.8 mm, shorter than La 6000.
    EXPECT_NEAR(a["RequiredBondLength"].toDouble(), 3645.83, 0.01);
    EXPECT_EQ(a["BondLengthVerdict"].toString(), "OK");

    // A bend point beyond the test's points: the window would show that it cannot calculate.
    a = runJson("evaluate", pullOutProjectFile(9)).array()[0].toObject();
    EXPECT_TRUE(a["UltimatePullOutFromChoice"].isNull());
    EXPECT_TRUE(a["SkinFriction"].isNull());
    EXPECT_DOUBLE_EQ(a["UltimatePullOut"].toDouble(), 150); // as stored
}
