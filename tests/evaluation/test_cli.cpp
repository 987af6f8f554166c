// tessaro-cli evaluate and sheet on data files written for the purpose.

#include "model/DataFile.h"
#include "model/basMainData.h"
#include "planning/HoldingTimes.h"
#include "recording/ReadingSheet.h"
#include "support/AnchorFixtures.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QString writeProject(Project p, const QString& name)
{
    p.Record.SavedTestCategory = p.TestCategory; // as a save records it
    QString path = test::tempPath(name);
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(encodeProject(p));
    return path;
}

QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

QJsonArray runJson(const QString& command, const QString& path)
{
    QByteArray out, err;
    EXPECT_EQ(test::runCli({ command, path }, &out, &err), 0) << err.toStdString();
    return QJsonDocument::fromJson(out).array();
}

// Anchor 1: the six-cycle anchor with its sheet and readings rising 0.1 mm per kN
// above T0. Anchor 2: a load-distribution anchor of two bodies (stored Lsf 0),
// single-cycle confirmation test.
Project qualityProject()
{
    Project p;
    InitProject(p, 2);
    p.TestCategory = 1;
    p.Record.Schedules[0] = test::compactSchedule();
    AnchorRecord& a = p.anchor(1);
    a = test::sixCycleAnchor();
    a.Tendon.TensionFreeLength = 0; // recomputed from Lf + Lr
    GenerateSheet(a, p.Record.Schedules[0], false);
    for (Reading& r : a.Readings)
        r.Displacement = 0.1f * (r.Load - 50);

    AnchorRecord& d = p.anchor(2);
    d = test::twoBodyAnchor();
    d.AnchorNo = QStringLiteral("B-2");
    d.ConfirmationTest = 1;
    d.SetAmount = 4;
    d.Plan.InitialLoad = 60;
    d.Plan.PlannedMaxLoad = 400;
    d.Plan.StageCount = 5;
    d.Plan.CycleMaxLoad = { 128, 196, 264, 332, 400 };
    p.Record.Schedules[1] = defaultSchedule(1, 1, 5, true);
    return p;
}

} // namespace

TEST(Cli, EvaluateEveryAnchorOfAQualityProject)
{
    Project p = qualityProject();
    QString path = writeProject(p, "quality.tsx");
    QJsonArray anchors = runJson("evaluate", path);
    ASSERT_EQ(anchors.size(), 2);

    QJsonObject a = anchors[0].toObject();
    EXPECT_EQ(a["TensionFreeLength"].toInt(), 10000);
    EXPECT_FALSE(a.contains("InterceptLoad"));
    QJsonArray results = a["Results"].toArray();
    ASSERT_EQ(results.size(), 54);
    // Cycle 1 ends at row 4: total 5.0 at the peak holding, 0 at the next T0.
    EXPECT_DOUBLE_EQ(results[3].toObject()["Elastic"].toDouble(), 5);
    EXPECT_EQ(a["RangeVerdictText"].toString(), QStringLiteral("OK"));
    EXPECT_DOUBLE_EQ(a["JackingGauge"].toDouble(), 33.23); // through anchor 1's own jack

    QJsonObject d = anchors[1].toObject();
    EXPECT_EQ(d["TensionFreeLength"].toInt(), 18947);
    EXPECT_EQ(d["BodyTendonLength"].toArray()[1].toDouble(), 18000);
    EXPECT_DOUBLE_EQ(d["LoadDistributionInitialLoad"].toDouble(), 50); // 20.00 + 30
    EXPECT_TRUE(d["Results"].toArray().isEmpty());
    EXPECT_EQ(d["RangeVerdict"].toInt(), 2);
    // 200 × 4 × 138.7 × 8 / (18947 − 1000) = 49.46 kN; anchor 2 has no jack data.
    EXPECT_DOUBLE_EQ(d["SetLoss"].toDouble(), 49.46);
    EXPECT_DOUBLE_EQ(d["JackingGauge"].toDouble(), -99);
}

TEST(Cli, EvaluateTheWorkingAnchorOfABasicInvestigation)
{
    Project p = qualityProject();
    p.TestCategory = 0;
    p.Record.WorkingAnchor = p.anchor(1);
    p.Record.WorkingAnchor.PointA = 1;
    p.Record.WorkingAnchor.PointB = 3;
    QJsonArray anchors = runJson("evaluate", writeProject(p, "basic.tsx"));
    ASSERT_EQ(anchors.size(), 1);
    QJsonObject a = anchors[0].toObject();
    // Point 3: (150 kN, elastic of cycle 2 = 10.0 mm) with (50 kN, 0): the line meets
    // the load axis at 50 kN, no friction loss; span 100 kN; 30 / 100 × 100000 = 30000 mm.
    EXPECT_DOUBLE_EQ(a["InterceptLoad"].toDouble(), 50);
    EXPECT_DOUBLE_EQ(a["LoadSpan"].toDouble(), 100);
    EXPECT_DOUBLE_EQ(a["ApparentFreeLength"].toDouble(), 30000);
}

TEST(Cli, SheetOfEveryAnchorLeavesTheFileAlone)
{
    Project p = qualityProject();
    p.anchor(1).Readings.clear();
    p.anchor(1).ReadingCount = 0;
    QString path = writeProject(p, "sheet.tsx");
    QByteArray before = fileBytes(path);
    QJsonArray anchors = runJson("sheet", path);
    EXPECT_EQ(fileBytes(path), before);
    ASSERT_EQ(anchors.size(), 2);

    QJsonArray rows = anchors[0].toObject()["Readings"].toArray();
    ASSERT_EQ(rows.size(), 54);
    QJsonObject last = rows[53].toObject();
    EXPECT_EQ(last["ElapsedTime"].toInt(), 6270);
    EXPECT_DOUBLE_EQ(last["GaugePressure"].toDouble(), 5);
    EXPECT_EQ(rows[46].toObject()["RowKind"].toInt(), 2);

    // Anchor 2 is a confirmation anchor: one cycle from its default schedule.
    QJsonArray single = anchors[1].toObject()["Readings"].toArray();
    EXPECT_EQ(single.size(), ScheduledRowCount(p.Record.Schedules[1], 5, true));
    EXPECT_EQ(single.last().toObject()["Cycle"].toInt(), 1);
    EXPECT_DOUBLE_EQ(single.last().toObject()["Load"].toDouble(), 60);
}

TEST(Cli, RefusedFileGivesStatusOne)
{
    QString path = test::tempPath("not-a-project.tsx");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("hello");
    f.close();
    QByteArray err;
    EXPECT_EQ(test::runCli({ "evaluate", path }, nullptr, &err), 1);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(test::runCli({ "sheet", path }), 1);
    EXPECT_EQ(test::runCli({ "evaluate" }), 1);
}
