#include "HandWrittenFile.h"
#include "support/TestSupport.h"

#include "model/DataFile.h"
#include "model/WriteFailure.h"
#include "model/RecentFiles.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <limits>

using namespace tessaro;
using tessaro::test::HandWrittenFile;
using tessaro::test::loadBytes;

namespace {

const char* Header4005 = "Quarnelvistobrante 4.005UsrData (c) 2013 QUOLT Development Corp.";

// One anchor as the layout documents it, with distinctive values where the
// checks look; everything else zero or empty.
void handWrittenAnchor(HandWrittenFile& w, const QString& number, int readings)
{
    w.str(number).str(QStringLiteral("適性試験")).f32(300).f32(330).i16(1).i16(2).f64(6.0).i16(0).f32(0.8f).f32(240);
    // TendonSpec
    w.i16(3).i16(1).i16(0).i16(1).str(QStringLiteral("荷重分散型アンカー")).i32(9000).i32(0).i32(1000).i32(6000).i32(0);
    w.zeros(8).i16(2).f32(2000).zeros(16).zeros(20);
    // AnchorSpec2: load-change settings at the end of the 44-byte block
    w.zeros(5).str("KTB-4").zeros(41).str("").zeros(34).i16(1).i16(20).i16(40).i16(2).i16(3);
    w.i8(1);
    // TendonMaterial: area, modulus and α at the head of the 30-byte block
    w.str("").str("").f32(138.7f).f32(200).f32(0.9f).zeros(18).i16(4).i16(4).zeros(6).i16(8).zeros(4);
    // LoadPlan
    w.i16(1).f32(50).f32(500).i16(4).f32(200).f32(300).f32(400).f32(500).zeros(24).f32(5).f32(50).zeros(40);
    // pull-out check fields
    w.i16(135).f32(0.3f).f32(60).f32(1.6f).f32(6250).i16(1);
    // JackRecord
    w.i16(2).str(QStringLiteral("ジャッキ①")).f32(1000).f32(60).f32(150).f32(200);
    w.i16(3).f32(100).f32(210).zeros(72).f32(10).f32(20).zeros(72);
    // CycleTable
    w.str("").zeros(29304).zeros(44).zeros(10).zeros(10);
    w.i8(0);
    w.arrayHead(readings);
    for (int i = 1; i <= readings; ++i) {
        w.str(number).str("9:00:00").i16(1).i32(60 * i).f32(5.0f * i).f32(50.0f * i).i16(1).i16(1).i16(0);
        w.f32(10).f32(10 + i).f32(float(i)).f32(0).f32(0);
    }
    w.i16(std::int16_t(readings));
    w.str(QStringLiteral("山田")).str("2026/01/05").str("2026/02/01");
    w.f32(5.5f).f32(250).f32(10).f32(-99).f32(-99).f32(0).f32(0).f32(1200);
    w.i8(1).i16(9).i16(30).i8(0).i32(0);
    // EvaluationBlock with no results
    w.zeros(36).arrayHead(0).f32(0);
    w.i8(2).str("").i8(4).str(QStringLiteral("合格")).str(QStringLiteral("ｱﾝｶｰ良好")).str("");
    w.str("").str("").zeros(10).f32(0).i8(0).i8(1).i8(3).f32(-9999).zeros(24);
}

QByteArray handWrittenProject()
{
    HandWrittenFile w;
    w.ascii(Header4005).str(QStringLiteral("システム本体 Version 4.05から保存")).str("Windows 7 Build: 7601");
    w.i16(1).i32(1).str(QStringLiteral("現場")).str(QStringLiteral("〇〇工事")).str(QStringLiteral("元請")).str("");
    w.i8(1);
    w.arrayHead(1).str(QStringLiteral("ジャッキ①"));
    w.arrayHead(1).i16(2);
    handWrittenAnchor(w, "", 0);
    w.arrayHead(1);
    handWrittenAnchor(w, "A-1", 3);
    w.zeros(28).arrayHead(1).zeros(28);
    w.zeros(13395).arrayHead(1).zeros(13395);
    w.zeros(268);
    w.zeros(208).f32(1.1f).f32(0.9f).i16(1).i16(2).f32(1).f32(600).i16(1).zeros(10);
    w.f64(1.0).f64(0.5).f64(0.5).f64(0.2).f64(0.25).f64(1.25).f64(1.1).zeros(8);
    w.zeros(650).f64(2.0);
    return w.bytes;
}

} // namespace

TEST(DataFile, HandWrittenFileLoadsAndIsWrittenBackByteForByte)
{
    QByteArray original = handWrittenProject();
    // Opaque blocks carry whatever the writing program put there.
    original[original.indexOf("KTB-4") + 5 + 3] = char(0x5A);
    MessageScript messages;
    ASSERT_TRUE(loadBytes(original));
    EXPECT_TRUE(messages.empty());
    EXPECT_EQ(encodeProject(project()), original);

    // A value at the end of each block: a field read one byte off shifts all that follow.
    Project& p = project();
    ASSERT_EQ(p.Record.AnchorCount, 1);
    EXPECT_EQ(p.Record.WorksName, QStringLiteral("〇〇工事"));
    const AnchorRecord& a = p.anchor(1);
    EXPECT_EQ(a.Tendon.BodyInterval[0], 2000.0f);
    EXPECT_EQ(a.Spec2.UnloadingMinutes, 3);
    EXPECT_EQ(a.Material.StrandSetCount, 8);
    EXPECT_EQ(a.Plan.CycleMaxLoad[3], 500.0f);
    EXPECT_EQ(a.Jack.Pressures[1], 20.0f);
    ASSERT_EQ(a.ReadingCount, 3);
    EXPECT_EQ(a.Readings[2].MeasuredNo1, 13.0f);
    EXPECT_EQ(a.TendonYieldLoad, 1200.0f);
    EXPECT_EQ(a.GivenIntercept, -9999.0f);
    EXPECT_EQ(p.Settings.CreepJudgeExtend, 2.0);
    EXPECT_FALSE(p.FromOlderRelease);
}

TEST(DataFile, SavedProjectLoadsAsItWasWithItsJapaneseTexts)
{
    Project& p = project();
    InitProject(p, 2);
    p.TestCategory = 1;
    p.anchor(2).AnchorNo = "No.2";
    p.anchor(2).Readings.resize(2);
    p.anchor(2).Readings[1].Load = 123.45f;
    p.anchor(2).ReadingCount = 2;
    p.Record.Schedules[1].InitialStages[0].Times[1] = 5;
    p.Settings.StandardEdition = 0;
    const QString remarks = QStringLiteral("ｱﾝｶｰ試験ﾃﾞｰﾀ①②⑳ 髙橋　工業");
    p.anchor(1).AnchorRemarks[0] = remarks;
    p.Record.WorksName = QStringLiteral("1〜2分");
    p.Record.Subcontractor = QString(40000, QChar(0x3042)); // 80000 bytes in code page 932
    QString path = test::tempPath("saved.tsx");
    ASSERT_TRUE(SaveDataFile(path));
    EXPECT_TRUE(recent::files().isEmpty()); // the desktop program's file commands keep that list
    QByteArray saved = test::fileBytes(path);

    InitProject(p, 0);
    ASSERT_TRUE(LoadDataFile(path));
    EXPECT_EQ(encodeProject(p), saved);
    EXPECT_EQ(p.anchor(2).Readings[1].Load, 123.45f);
    EXPECT_EQ(p.Record.Schedules[1].InitialStages[0].Times[1], 5);
    EXPECT_EQ(p.anchor(1).AnchorRemarks[0], remarks);
    // The wave dash has no form of its own in code page 932: it comes back as
    // the fullwidth tilde, as on Japanese Windows.
    EXPECT_EQ(p.Record.WorksName, QStringLiteral("1～2分"));
    // An over-long text is cut to the 65535 bytes its length field can count,
    // never in the middle of a character.
    EXPECT_EQ(p.Record.Subcontractor, QString(32767, QChar(0x3042)));

    p.Settings.UpperRate = 0; // stored as zero: read back as the default
    ASSERT_TRUE(SaveDataFile(path));
    ASSERT_TRUE(LoadDataFile(path));
    EXPECT_FLOAT_EQ(p.UpperRateInUse, 1.1f);
}

TEST(DataFile, ABasicInvestigationShowsOneAnchorAndRelease4004DefaultsTheYieldLoad)
{
    QByteArray bytes = handWrittenProject();
    int category = HeaderLength + bytes.mid(HeaderLength).indexOf(QByteArray("\x01\x00\x01\x00\x00\x00", 6));
    bytes[category] = 0; // SavedTestCategory 0
    bytes[category + 2] = 7; // AnchorCount 7, though the arrays hold one
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(project().TestCategory, 0);
    EXPECT_EQ(project().Record.AnchorCount, 1);
    EXPECT_EQ(project().Record.Schedules.size(), 1u);

    bytes = handWrittenProject();
    bytes.replace(0, HeaderLength, headerText(Release::R4004));
    ASSERT_TRUE(loadBytes(bytes));
    EXPECT_EQ(project().anchor(1).TendonYieldLoad, 1.0f);
}

TEST(DataFile, RefusedFilesGiveTheirMessageAndLeaveAnEmptyProject)
{
    struct Case {
        QByteArray header;
        QString expected;
    } cases[] = {
        { headerText(Release::R101), QStringLiteral("古いバージョンで作成されたファイル") },
        { QByteArray("Some other program's data").leftJustified(64, ' '),
            QStringLiteral("Tessaroのデータではありません") },
        { QByteArray(Header4005).replace(63, 1, ","), QStringLiteral("Tessaroのデータではありません") },
    };
    for (const Case& c : cases) {
        project().Record.AnchorCount = 4;
        MessageScript messages;
        EXPECT_FALSE(loadBytes(c.header + QByteArray(100, '\x01')));
        EXPECT_TRUE(messages.last().text.contains(c.expected)) << messages.last().text.toStdString();
        EXPECT_TRUE(messages.last().text.contains(test::tempPath("test.tsx")));
        EXPECT_EQ(project().Record.AnchorCount, 0);
    }

    // No file at all leaves the open project untouched.
    InitProject(project(), 2);
    MessageScript messages;
    EXPECT_FALSE(LoadDataFile(""));
    EXPECT_EQ(messages.last().text, QStringLiteral("ファイルを指定してください"));
    EXPECT_FALSE(LoadDataFile(test::tempPath("nowhere.tsx")));
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("フォルダが見つかりませんでした\nファイル名：")));
    EXPECT_EQ(project().Record.AnchorCount, 2);
}

TEST(DataFile, TruncatedFilesAndAbsurdCountsLoadWhatIsThere)
{
    QByteArray full = handWrittenProject();
    ASSERT_TRUE(loadBytes(full.left(full.indexOf(QByteArray("A-1")) + 40)));
    ASSERT_EQ(project().Record.AnchorCount, 1);
    EXPECT_EQ(project().anchor(1).AnchorNo, "A-1");
    EXPECT_EQ(project().anchor(1).Plan.StageCount, 0); // not reached: keeps its empty value
    EXPECT_FLOAT_EQ(project().Settings.UpperRate, 1.1f);

    // Every cut of the file and absurd array counts: no crash, no huge allocation.
    MessageScript messages;
    for (int cut = HeaderLength; cut < full.size(); cut += 997) {
        EXPECT_TRUE(loadBytes(full.left(cut)));
        EXPECT_LE(project().Record.AnchorCount, 1);
    }
    QByteArray hostile = full;
    int labels = full.indexOf(QByteArray("\x01\x00\x01\x00\x00\x00\x01\x00\x00\x00", 10));
    hostile.replace(labels + 2, 4, QByteArray("\xff\xff\xff\x7f", 4)); // 2^31-1 labels
    int count = HeaderLength + hostile.mid(HeaderLength).indexOf(QByteArray("\x01\x00\x01\x00\x00\x00", 6));
    hostile.replace(count + 2, 4, QByteArray("\x10\x27\x00\x00", 4)); // AnchorCount 10000
    EXPECT_TRUE(loadBytes(hostile));
    EXPECT_LE(project().Record.AnchorCount, MaxAnchors);
    hostile = full;
    hostile.replace(labels + 2, 4, QByteArray("\x00\x00\x00\x80", 4)); // negative count
    EXPECT_TRUE(loadBytes(hostile));
}

TEST(DataFile, FailedSaveKeepsWhatWasThere)
{
    Project& p = project();
    InitProject(p, 1);
    p.TestCategory = 1;
    QString folder = test::tempPath("folder.tsx"); // a folder by the file's name
    QDir().mkpath(folder + "/inside");
    MessageScript messages;
    EXPECT_FALSE(SaveDataFile(folder));
    EXPECT_EQ(messages.shown().size(), 1u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("同じ名前のフォルダ「") + folder));
    EXPECT_TRUE(QFileInfo(folder + "/inside").isDir());

    QString dir = test::tempPath("readonly");
    QDir().mkpath(dir);
    QString path = dir + "/keep.tsx";
    ASSERT_TRUE(SaveDataFile(path));
    QByteArray before = test::fileBytes(path);
    p.anchor(1).AnchorNo = "changed";
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::ExeOwner);
    bool saved = SaveDataFile(path);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (saved)
        GTEST_SKIP() << "running with rights that ignore folder permissions";
    EXPECT_EQ(messages.shown().size(), 2u);
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("「") + dir + QStringLiteral("」は読み取り専用")));
    EXPECT_EQ(test::fileBytes(path), before);
}

// The causes a failed write is told by, whatever the system's description says.
TEST(DataFile, AFailedWriteNamesItsCause)
{
    const QString folder = test::tempPath("causes");
    QDir().mkpath(folder + "/works.tsx");
    EXPECT_EQ(writeProblemOf(folder + "/works.tsx", 100), WriteProblem::FolderInTheWay);
    EXPECT_EQ(writeProblemOf(folder + "/missing/works.tsx", 100), WriteProblem::NoFolder);
    EXPECT_EQ(writeProblemOf(folder + "/new.tsx", 100), WriteProblem::Other);
    EXPECT_EQ(writeProblemOf(folder + "/huge.tsx", std::numeric_limits<qint64>::max() / 2), WriteProblem::DiskFull);
    EXPECT_EQ(writeProblemText(WriteProblem::Other, folder, "Unknown error"), QStringLiteral("ファイルを書き込めませんでした。"));
    EXPECT_EQ(writeProblemText(WriteProblem::DiskFull, "/data", ""),
        QStringLiteral("ディスクの空き容量が足りないため、「/data」に書き込めません。"));
}

TEST(DataFile, AFileOfMoreAnchorsThanTheLimitSaysWhatItKept)
{
    Project& p = project();
    InitProject(p, MaxAnchors);
    p.Record.SavedTestCategory = 1;
    // One anchor more than the program makes, as another program could write.
    ProjectRecord& r = p.Record;
    r.AnchorCount = MaxAnchors + 1;
    r.AnchorLabels.emplace_back();
    r.AnchorMarks.push_back(0);
    r.Anchors.emplace_back().AnchorNo = "A-1000";
    r.CreepSelections.emplace_back();
    r.Schedules.emplace_back();
    MessageScript messages;
    ASSERT_TRUE(loadBytes(encodeProject(p)));
    EXPECT_EQ(project().Record.AnchorCount, MaxAnchors);
    ASSERT_FALSE(messages.empty());
    EXPECT_EQ(messages.last().text, QStringLiteral("このファイルには1000本のアンカーが記録されていますが、"
                                                       "登録できるアンカー総本数は999本までです。\n先頭の999本を読み込みました。"));
}
