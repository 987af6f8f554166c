// Files of releases 1.02 to 4.003, written in the layouts of those releases,
// load converted into the current project.

#include "HandWrittenFile.h"
#include "support/OlderReleaseFiles.h"
#include "support/TestSupport.h"

#include "model/DataFile.h"
#include "model/ProjectJson.h"
#include "model/UserMessage.h"
#include "model/basMainData.h"

#include <gtest/gtest.h>

using namespace tessaro;
using test::loadBytes;

namespace {

const Release Releases[] = { Release::R102, Release::R103, Release::R200, Release::R202, Release::R206, Release::R300,
    Release::R4002, Release::R4003, Release::R4004, Release::R4005 };

// A quality-assurance project with a value at every place where an older
// release stored something differently or where its load fixes something up.
// Working anchor: load-distribution with La missing, so only the per-body
// lengths of releases up to 2.06 are formed for it. Anchor 1: friction type
// with a free length at tensioning on the old base (Lf without Lr) and two
// readings. Anchor 2: load-distribution anchor without readings.
void olderProject(Project& p)
{
    InitProject(p, 2);
    p.TestCategory = 1;
    p.SavedByVersion = QStringLiteral("Version 2.06");
    ProjectRecord& r = p.Record;
    r.WorksName = QStringLiteral("〇〇線道路改良工事");
    r.AnchorLabels = { QStringLiteral("ジャッキ①"), QStringLiteral("ジャッキ②") };
    r.AnchorMarks = { 1, 2 };
    r.CreepSelections[0].TaNo = 3;
    r.CreepSelections[0].Reserved2 = 5;
    r.CreepSelections[0].Reserved3 = 6;
    r.Schedules[1].InitialStages[0].Times[1] = 5;
    r.Documents.BasicPlan.Title.Text = QStringLiteral("計画書");

    AnchorRecord& w = r.WorkingAnchor;
    w.Tendon = { .AnchorTypeCode = 3,
        .AnchorRank = 1,
        .FreeLength = 9000,
        .SpareLength = 500,
        .ExtraLength = 1000,
        .BodyCount = 2,
        .BodyInterval = { 2000 },
        .BodyTendonLength = { 111, 222 } };
    w.Material.BodyStrandCount = { 4, 4 };
    w.Material.StrandSetCount = 8;
    w.UltimatePullOutText = QStringLiteral("812.5");
    w.TendonYieldLoad = 1500;
    w.Spec2.LoadingMinutes = 7;
    w.Spec2.UnloadingMinutes = 15;
    w.ConfirmationTest = 1;

    AnchorRecord& a = p.anchor(1);
    a.AnchorNo = "A-1";
    a.AnchorNote = QStringLiteral("多サイクル");
    a.ConfirmationTest = 1;
    a.LockOffMode = 1;
    a.SetAmount = 6.0;
    a.Tendon = { .AnchorTypeCode = 0,
        .AnchorTypeDetail = 2,
        .TensioningType = 0,
        .AnchorRank = 0,
        .FreeLength = 9000,
        .ExtraLength = 1000,
        .TensionFreeLength = 9000 };
    a.Material.TendonArea = 138.7f;
    a.Material.TendonModulus = 200;
    a.Material.ReductionCoefficient = 0.9f;
    a.Material.MaterialBlock[0] = 0x11;
    a.Material.MaterialBlock[17] = 0x22;
    a.Readings.resize(2);
    a.Readings[0] = { .AnchorNoText = "R1", .ElapsedTime = 3, .Load = 50, .Cycle = 1, .Displacement = 1.5f };
    a.Readings[1] = { .AnchorNoText = "R2", .ElapsedTime = -1, .MeasuredNo2 = 7.25f };
    a.ReadingCount = 2;
    a.FinalVerdictText = QStringLiteral("適正");
    a.ReservedPair1 = { 1, 2 };
    a.ReservedPair2 = { 3, 4 };
    a.TendonYieldLoad = 1200;

    AnchorRecord& d = p.anchor(2);
    d.AnchorNote = QStringLiteral("適性試験");
    d.DesignAnchorForce = 300;
    d.LockOffMode = 0;
    d.Tendon = { .AnchorTypeCode = 3,
        .FreeLength = 9000,
        .ExtraLength = 1000,
        .AnchorLength = 10000,
        .BodyCount = 2,
        .BodyInterval = { 2000 } };
    d.Material.BodyStrandCount = { 4, 4 };
    d.Material.StrandSetCount = 8;

    ProjectSettings& s = p.Settings;
    s.UpperRate = 1.2f;
    s.LowerRate = 0; // never set: 0.9 when read
    s.JudgeRangeMode = 1;
    s.JudgeFromCycle = 2;
    s.RateFactor = 1.5f;
    s.UltimatePullOut = 600;
    s.CreepJudgeValues = { 0.9, 0.4, 0.4, 0.1, 0.2 };
    s.TpLimitCoefA = 1.3;
    s.Header.Remarks[0] = QStringLiteral("メモ");
    s.CreepJudgeExtend = 3.0;
    p.JudgeOption1 = 7;
    p.JudgeOption2 = 8;
}

QString olderFile(Release release)
{
    olderProject(project());
    QString path = test::tempPath("older-" + releaseName(release) + ".tsn");
    test::writeFile(path, test::olderReleaseFile(project(), release));
    project().SavedByVersion = QStringLiteral("running"); // what a 1.02 file, without version texts, leaves
    return path;
}

// The conversions and fix-ups of each release on the project above.
struct Expected {
    Release release;
    bool fromOlderRelease;
    std::array<std::int16_t, 2> options; // the two unsaved judgement options
    float ultimatePullOut;
    int lockOffMode; // anchor 1
    int edition; // with default judgement values when 0
    std::array<int, 2> elapsed; // anchor 1, seconds
    bool remarksAndExtendKept;
    bool anchorValuesKept; // verdict text, the four values after SetLoss, load-change minutes
    float yieldLoad; // anchor 1
    std::array<int, 2> lsf; // anchors 1 and 2
    std::array<float, 2> workingBodyLengths;
    std::array<int, 2> confirmation; // anchors 1 and 2
};

// clang-format off
const Expected Table[] = {
//    release         older  options     Tu     lock ed elapsed    remark anchor Tys   Lsf             bodies        confirm
    { Release::R102,  true,  {-9999, 1}, 812.5, 2,   0, {180, -60}, false, false, 1,    {10000, 18947}, {9500, 7500}, {0, 1} },
    { Release::R103,  true,  {-9999, 1}, 812.5, 2,   0, {180, -60}, false, false, 1,    {10000, 18947}, {9500, 7500}, {0, 1} },
    { Release::R200,  true,  {7, 8},     812.5, 2,   0, {180, -60}, false, false, 1,    {10000, 18947}, {9500, 7500}, {0, 1} },
    { Release::R202,  true,  {7, 8},     600,   2,   0, {180, -60}, false, false, 1,    {10000, 18947}, {9500, 7500}, {0, 1} },
    { Release::R206,  true,  {7, 8},     600,   1,   0, {180, -60}, false, false, 1,    {10000, 18947}, {9500, 7500}, {0, 1} },
    { Release::R300,  true,  {-9999, 1}, 600,   1,   1, {3, -1},    false, false, 1,    {10000, 18947}, {111, 222},   {1, 0} },
    { Release::R4002, false, {-9999, 1}, 600,   1,   1, {3, -1},    true,  true,  1,    {10000, 18947}, {111, 222},   {1, 0} },
    { Release::R4003, false, {-9999, 1}, 600,   1,   1, {3, -1},    true,  true,  1,    {9000, 0},      {111, 222},   {1, 0} },
    { Release::R4004, false, {-9999, 1}, 600,   1,   1, {3, -1},    true,  true,  1,    {9000, 0},      {111, 222},   {1, 0} },
    { Release::R4005, false, {-9999, 1}, 600,   1,   1, {3, -1},    true,  true,  1200, {9000, 0},      {111, 222},   {1, 0} },
};
// clang-format on

} // namespace

TEST(OlderReleases, EachReleaseLoadsWithItsConversionsAndFixUps)
{
    for (const Expected& e : Table) {
        SCOPED_TRACE(releaseName(e.release).toStdString());
        MessageScript messages;
        ASSERT_TRUE(LoadDataFile(olderFile(e.release)));
        EXPECT_TRUE(messages.empty());
        const Project& p = project();
        const ProjectSettings& s = p.Settings;
        EXPECT_EQ(p.FromOlderRelease, e.fromOlderRelease);
        EXPECT_EQ(
            p.SavedByVersion, e.release == Release::R102 ? QStringLiteral("running") : QStringLiteral("Version 2.06"));
        EXPECT_EQ((std::array { p.JudgeOption1, p.JudgeOption2 }), e.options);
        EXPECT_EQ(s.UltimatePullOut, e.ultimatePullOut);
        EXPECT_EQ(s.StandardEdition, e.edition);
        EXPECT_EQ(s.CreepJudgeValues[0], e.edition == 0 ? 1.0 : 0.9);
        EXPECT_EQ(s.TpLimitCoefA, e.edition == 0 ? 1.25 : 1.3);
        EXPECT_EQ(s.Header.Remarks[0], e.remarksAndExtendKept ? QStringLiteral("メモ") : QString());
        EXPECT_EQ(s.CreepJudgeExtend, e.remarksAndExtendKept ? 3.0 : 2.0);
        EXPECT_EQ(s.UpperRate, 1.2f);
        EXPECT_EQ(p.LowerRateInUse, 0.9f);
        EXPECT_EQ(s.RateFactor, 1.5f);

        // What every release keeps as it was.
        const ProjectRecord& r = p.Record;
        ASSERT_EQ(r.AnchorCount, 2);
        EXPECT_EQ(p.TestCategory, 1);
        EXPECT_EQ(r.WorksName, QStringLiteral("〇〇線道路改良工事"));
        EXPECT_EQ(r.AnchorLabels[1], QStringLiteral("ジャッキ②"));
        EXPECT_EQ(r.AnchorMarks[1], 2);
        EXPECT_EQ(r.CreepSelections[0].TaNo, 3);
        EXPECT_EQ(r.Schedules[1].InitialStages[0].Times[1], 5);
        EXPECT_EQ(r.Documents.BasicPlan.Title.Text, QStringLiteral("計画書"));

        const AnchorRecord& a = r.Anchors[0];
        ASSERT_EQ(a.ReadingCount, 2);
        ASSERT_EQ(a.Readings.size(), 2u);
        EXPECT_EQ((std::array { a.Readings[0].ElapsedTime, a.Readings[1].ElapsedTime }), e.elapsed);
        EXPECT_EQ(a.Readings[0].Load, 50.0f);
        EXPECT_EQ(a.Readings[0].Displacement, 1.5f);
        EXPECT_EQ(a.Readings[1].AnchorNoText, "R2");
        EXPECT_EQ(a.Readings[1].MeasuredNo2, 7.25f);
        EXPECT_EQ(a.SetAmount, 6.0);
        EXPECT_EQ(a.Material.TendonModulus, 200.0f);
        EXPECT_EQ(a.LockOffMode, e.lockOffMode);
        EXPECT_EQ(a.FinalVerdictText, e.anchorValuesKept ? QStringLiteral("適正") : QStringLiteral("合格"));
        EXPECT_EQ(a.ReservedPair2[1], e.anchorValuesKept ? 4.0f : MissingValue);
        EXPECT_EQ(a.TendonYieldLoad, e.yieldLoad);
        EXPECT_EQ(a.Tendon.TensionFreeLength, e.lsf[0]);
        EXPECT_EQ(int(a.ConfirmationTest), e.confirmation[0]);

        // An anchor without readings comes over with all its particulars.
        const AnchorRecord& d = r.Anchors[1];
        EXPECT_EQ(d.ReadingCount, 0);
        EXPECT_EQ(d.DesignAnchorForce, 300.0f);
        EXPECT_EQ(d.LockOffMode, 0);
        EXPECT_EQ(d.Tendon.TensionFreeLength, e.lsf[1]);
        EXPECT_EQ(d.Tendon.BodyTendonLength[1], e.lsf[1] ? 18000.0f : 0.0f);
        EXPECT_EQ(int(d.ConfirmationTest), e.confirmation[1]);

        const AnchorRecord& w = r.WorkingAnchor;
        EXPECT_EQ((std::array { w.Tendon.BodyTendonLength[0], w.Tendon.BodyTendonLength[1] }), e.workingBodyLengths);
        EXPECT_EQ(w.TendonYieldLoad, e.release == Release::R4005 ? 1500.0f : 1.0f);
        EXPECT_EQ(w.Spec2.LoadingMinutes, e.anchorValuesKept ? 7 : 0);
        EXPECT_EQ(w.Spec2.UnloadingMinutes, 15);
        EXPECT_EQ(int(w.ConfirmationTest), e.release <= Release::R206 ? 0 : 1);
    }
}

TEST(OlderReleases, Release1AnchorsTakeTheirShorterRecordsAndOneStrandPerBody)
{
    for (Release release : { Release::R102, Release::R103 }) {
        SCOPED_TRACE(releaseName(release).toStdString());
        ASSERT_TRUE(LoadDataFile(olderFile(release)));
        const ProjectRecord& r = project().Record;
        const AnchorRecord& a = r.Anchors[0];
        // The type and the rank of the older TendonSpec; what it lacked is as reset.
        EXPECT_EQ(a.Tendon.AnchorRank, 0);
        EXPECT_EQ(a.Tendon.AnchorTypeDetail, 0);
        EXPECT_EQ(a.Tendon.TensioningType, -1);
        EXPECT_EQ(a.Tendon.FreeLength, 9000);
        // Area, modulus and α lead the 28 bytes of properties; the rest follows.
        EXPECT_EQ(a.Material.TendonArea, 138.7f);
        EXPECT_EQ(a.Material.ReductionCoefficient, 0.9f);
        EXPECT_EQ(a.Material.MaterialBlock[0], 0x11);
        EXPECT_EQ(a.Material.MaterialBlock[17], 0);
        EXPECT_EQ(a.Material.StrandSetCount, 0);

        const AnchorRecord& d = r.Anchors[1];
        EXPECT_EQ(d.Tendon.AnchorTypeDetail, 1);
        EXPECT_EQ(d.Material.BodyStrandCount, (std::array<std::int16_t, 5> { 1, 1, 0, 0, 0 }));
        EXPECT_EQ(d.Material.StrandSetCount, 2);

        EXPECT_EQ(r.CreepSelections[0].TaNo, 3);
        EXPECT_EQ(r.CreepSelections[0].Reserved2, -9999);
        EXPECT_EQ(r.CreepSelections[0].Reserved3, 0);
        EXPECT_EQ(r.WorkingCreepSelection.Reserved2, -9999);
    }
}

TEST(OlderReleases, AConvertedProjectSavedAndReloadedEqualsTheConversionAndTheOlderFileStays)
{
    auto converted = [] {
        QJsonObject o = projectToJson(project(), QString());
        for (const char* key : { "SavedByVersion", "SavedOnOS", "FromOlderRelease" })
            o.remove(key);
        return o;
    };
    for (Release release : Releases) {
        SCOPED_TRACE(releaseName(release).toStdString());
        QString older = olderFile(release);
        QByteArray olderBytes = test::fileBytes(older);
        ASSERT_TRUE(LoadDataFile(older));
        QJsonObject conversion = converted();
        QString saved = test::tempPath("converted.tsx");
        ASSERT_TRUE(SaveDataFile(saved));
        EXPECT_EQ(releaseOfHeader(test::fileBytes(saved)), Release::R4005);
        ASSERT_TRUE(LoadDataFile(saved));
        EXPECT_EQ(converted(), conversion);
        EXPECT_EQ(test::fileBytes(older), olderBytes);
    }
    // Today's release written by the tests' writer is what the program saves.
    olderProject(project());
    const QByteArray written = test::olderReleaseFile(project(), Release::R4005);
    EXPECT_EQ(written, encodeProject(project()));
}

TEST(OlderReleases, DamagedOlderFilesLoadWhatIsReadableAndNeverAllocateBeyondTheirBytes)
{
    for (Release release : { Release::R102, Release::R206, Release::R4003 }) {
        SCOPED_TRACE(releaseName(release).toStdString());
        olderProject(project());
        const QByteArray full = test::olderReleaseFile(project(), release);
        MessageScript messages;
        for (qsizetype cut = HeaderLength; cut < full.size(); cut += 3989) {
            ASSERT_TRUE(loadBytes(full.left(cut)));
            EXPECT_LE(project().Record.AnchorCount, 2);
        }
        EXPECT_TRUE(messages.empty());

        // The readings descriptor of anchor 1 sits just before its first row.
        const qsizetype rows = full.indexOf(QByteArray("\x02\x00R1", 4)) - 10;
        QByteArray hostile = full;
        hostile.replace(rows + 2, 4, QByteArray("\xff\xff\xff\x7f", 4)); // 2^31−1 rows
        EXPECT_TRUE(loadBytes(hostile));
        hostile.replace(rows + 2, 4, QByteArray("\x00\x00\x00\x80", 4)); // a negative count
        EXPECT_TRUE(loadBytes(hostile));
        EXPECT_LE(project().Record.AnchorCount, 2);

        // A reading count beyond the rows the file holds: the rows that are there.
        hostile = full;
        hostile.replace(rows + 2, 4, QByteArray("\x01\x00\x00\x00", 4));
        ASSERT_TRUE(loadBytes(hostile));
        EXPECT_EQ(project().anchor(1).ReadingCount, 1);
    }
    // A header cut short is no data file of any release.
    MessageScript messages;
    EXPECT_FALSE(loadBytes(headerText(Release::R206).left(40)));
    EXPECT_TRUE(messages.last().text.startsWith(QStringLiteral("Tessaroのデータではありません。")));
}
