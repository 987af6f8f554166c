#include "support/TestSupport.h"

#include "model/DataFile.h"
#include "model/basMainData.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

using namespace tessaro;

namespace {

QString sampleFile()
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.Record.WorksName = QStringLiteral("〇〇線道路改良工事");
    p.anchor(1).AnchorNo = "A-1";
    p.anchor(1).Readings.resize(2);
    p.anchor(1).Readings[1].ElapsedTime = 120;
    p.anchor(1).Readings[1].Load = 0.1f;
    p.anchor(1).Readings[1].Cycle = 1;
    p.anchor(1).Readings[1].Displacement = -99;
    p.anchor(1).ReadingCount = 2;
    QString path = test::tempPath("cli.tsx");
    EXPECT_TRUE(SaveDataFile(path));
    return path;
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    f.open(QIODevice::ReadOnly);
    return f.readAll();
}

} // namespace

TEST(Cli, DumpPrintsTheProjectUnderItsFieldNames)
{
    QByteArray out;
    ASSERT_EQ(test::runCli({ "dump", sampleFile() }, &out), 0);
    QJsonObject o = QJsonDocument::fromJson(out).object();
    EXPECT_EQ(o["release"].toString(), "4.005");
    EXPECT_EQ(o["WorksName"].toString(), QStringLiteral("〇〇線道路改良工事"));
    EXPECT_EQ(o["UpperRate"].toDouble(), 1.1);
    QJsonObject anchor = o["Anchors"].toArray()[0].toObject();
    EXPECT_EQ(anchor["AnchorNo"].toString(), "A-1");
    EXPECT_TRUE(anchor["TendonSpec"].isObject());
    QJsonObject reading = anchor["Readings"].toArray()[1].toObject();
    EXPECT_EQ(reading["ElapsedTime"].toInt(), 120);
    EXPECT_EQ(reading["Load"].toDouble(), 0.1);
    EXPECT_EQ(reading["Cycle"].toInt(), 1);
    EXPECT_EQ(reading["Displacement"].toDouble(), -99);
}

TEST(Cli, ResaveWritesTheSameFile)
{
    QString in = sampleFile();
    QString out = test::tempPath("cli-out.tsx");
    ASSERT_EQ(test::runCli({ "resave", in, out }), 0);
    EXPECT_EQ(bytesOf(out), bytesOf(in));
}

TEST(Cli, RefusedFileGivesTheMessageAndStatusOne)
{
    QString path = test::tempPath("not-ours.tsx");
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK\x03\x04 this is a zip file, not a data file");
    f.close();
    QByteArray out, err;
    EXPECT_EQ(test::runCli({ "dump", path }, &out, &err), 1);
    EXPECT_TRUE(out.isEmpty());
    EXPECT_TRUE(QString::fromUtf8(err).contains(QStringLiteral("Tessaroのデータではありません。")));
    EXPECT_EQ(test::runCli({ "resave", path, test::tempPath("never.tsx") }, nullptr, &err), 1);
    EXPECT_FALSE(QFile::exists(test::tempPath("never.tsx")));
    EXPECT_EQ(test::runCli({ "dump", test::tempPath("missing.tsx") }, nullptr, &err), 1);
}
