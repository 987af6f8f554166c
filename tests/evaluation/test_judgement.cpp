// The judgements that follow the evaluation: the ultimate pull-out force and
// skin friction of a pull-out test, the tendon bond-length check before it, the
// engineer's final verdicts and the free verdict texts remembered between runs.

#include "evaluation/AcceptanceJudgement.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/PullOutResistance.h"
#include "evaluation/UltimatePullOut.h"
#include "evaluation/VerdictTexts.h"
#include "model/basMainData.h"
#include "support/MeasuredAnchors.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

using namespace tessaro;

namespace {

// The six-cycle pull-out test evaluated, bore diameter 135 mm, La 6000 mm.
// Points: 1 (0, 50), then the permanent parts with the cycle loads:
// 2 (0.30, 100), 3 (0.55, 150), 4 (0.80, 200), 5 (1.10, 250), 6 (1.35, 300), 7 (1.60, 350).
AnchorRecord pullOutTest()
{
    AnchorRecord a = test::measuredSixCycleAnchor();
    a.DrillDiameter = 135;
    EvaluationContext basic;
    basic.testCategory = 0;
    EvaluateAnchor(a, basic);
    return a;
}

UltimateChoice lines(int a, int b, int c, int d)
{
    UltimateChoice choice;
    choice.method = UltimateMethod::Intersection;
    choice.linePoints = { a, b, c, d };
    return choice;
}

UltimateChoice bend(int point)
{
    UltimateChoice choice;
    choice.method = UltimateMethod::BeforeBend;
    choice.bendPoint = point;
    return choice;
}

UltimateChoice entered(double tug)
{
    UltimateChoice choice;
    choice.method = UltimateMethod::Entered;
    choice.entered = tug;
    return choice;
}

void writeIni(const QString& path, const QString& text)
{
    ASSERT_TRUE(test::writeFile(path, text.toUtf8()));
}

} // namespace

TEST(UltimatePullOut, SkinFrictionIsCutToTwoDecimals)
{
    struct Case {
        double tug, d, la;
        std::optional<float> tau;
    };
    const Case cases[] = {
        { 300, 135, 6000, 0.11f }, // 0.1178… cut, not rounded
        { 350, 135, 6000, 0.13f }, // 0.1375…
        { 763.40, 135, 6000, 0.29f }, // 0.299997…
        { 300, 0, 6000, std::nullopt },
        { 300, 135, 0, std::nullopt },
    };
    for (const Case& c : cases)
        EXPECT_EQ(SkinFriction(c.tug, c.d, c.la), c.tau) << c.tug << " " << c.d << " " << c.la;
}

TEST(UltimatePullOut, LineIntersection)
{
    using P = PullOutPoint;
    struct Case {
        const char* what;
        P p1, p2, p3, p4;
        std::optional<P> crossing;
    };
    const Case cases[] = {
        { "shared first point", { 1, 1 }, { 2, 5 }, { 1, 1 }, { 3, 0 }, P { 1, 1 } },
        { "shared second point", { 0, 0 }, { 2, 5 }, { 4, 4 }, { 2, 5 }, P { 2, 5 } },
        { "both vertical", { 1, 0 }, { 1, 5 }, { 2, 0 }, { 2, 5 }, std::nullopt },
        { "both horizontal", { 0, 3 }, { 1, 3 }, { 0, 4 }, { 1, 4 }, std::nullopt },
        { "line 1 vertical", { 2, 0 }, { 2, 9 }, { 0, 1 }, { 1, 3 }, P { 2, 5 } },
        { "line 2 vertical", { 0, 1 }, { 1, 3 }, { 2, 0 }, { 2, 9 }, P { 2, 5 } },
        { "parallel", { 0, 0 }, { 1, 2 }, { 0, 1 }, { 1, 3 }, std::nullopt },
        { "crossing", { 0, 0 }, { 1, 1 }, { 0, 2 }, { 2, 0 }, P { 1, 1 } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(LineIntersection(c.p1, c.p2, c.p3, c.p4), c.crossing) << c.what;
}

TEST(UltimatePullOut, PointsOfTheTest)
{
    const AnchorRecord a = pullOutTest();
    std::vector<PullOutPoint> points = PullOutPoints(a);
    ASSERT_EQ(points.size(), 7u);
    EXPECT_EQ(points[0], (PullOutPoint { 0, 50 }));
    EXPECT_NEAR(points[2].x, 0.55, 1e-6);
    EXPECT_EQ(points[2].y, 150);
    EXPECT_NEAR(points[6].x, 1.60, 1e-6);
    EXPECT_EQ(OfferedPointCount(a), 7);
    // A test stopped after cycle 2 has its points 1 to 3; 4 to 7 are offered but empty.
    AnchorRecord stopped = a;
    stopped.ReadingCount = 11;
    EvaluationContext basic;
    basic.testCategory = 0;
    EvaluateAnchor(stopped, basic);
    EXPECT_EQ(PullOutPoints(stopped).size(), 3u);
    EXPECT_FALSE(PullOutPointNumber(stopped, 4));
}

TEST(UltimatePullOut, ByEachMethod)
{
    const AnchorRecord a = pullOutTest();
    struct Case {
        const char* what;
        UltimateChoice choice;
        std::optional<double> tug;
        std::optional<float> tau;
    };
    // Lines 1–2 (slope 500/3, through (0, 50)) and 6–7 (slope 200, through
    // (0, 30)) cross at x = 0.6, load 150.
    const Case cases[] = {
        { "planned maximum load", UltimateChoice {}, 350.0, 0.13f },
        { "two lines", lines(1, 2, 6, 7), 150.0, 0.05f },
        { "parallel lines", lines(2, 3, 6, 7), std::nullopt, std::nullopt },
        { "a line point left empty", lines(1, 2, 0, 7), std::nullopt, std::nullopt },
        { "before the bend, point 3", bend(3), 150.0, 0.05f },
        { "point 1 is the initial load", bend(1), 50.0, 0.01f },
        { "point beyond the plan", bend(8), std::nullopt, std::nullopt },
        { "entered", entered(300), 300.0, 0.11f },
        { "nothing entered", entered(0), std::nullopt, std::nullopt },
    };
    for (const Case& c : cases) {
        UltimateResult r = UltimatePullOutFrom(a, c.choice);
        EXPECT_EQ(r.tug, c.tug) << c.what;
        EXPECT_EQ(r.skinFriction, c.tau) << c.what;
    }
    AnchorRecord noBore = a;
    noBore.DrillDiameter = 0;
    EXPECT_FALSE(UltimatePullOutFrom(noBore, UltimateChoice {}).tug);
}

TEST(UltimatePullOut, StoredWithItsChoiceAndTexts)
{
    Project& p = project();
    InitProject(p, 0);
    AnchorRecord a = pullOutTest();
    UltimateChoice choice = entered(300);
    UltimateResult r = UltimatePullOutFrom(a, choice);
    StoreUltimatePullOut(p, a, choice, r);
    EXPECT_EQ(a.FinalChoice, 3);
    EXPECT_FLOAT_EQ(p.Settings.UltimatePullOut, 300.0f);
    EXPECT_FLOAT_EQ(a.EnteredUltimate, 300.0f);
    EXPECT_EQ(a.UltimatePullOutText, "300.00");
    EXPECT_EQ(a.SkinFrictionText, "0.11");
    EXPECT_EQ(skinFrictionFormula(300, 135, 6000), QStringLiteral("300.00 kN × 1000 /  ( 135 mm × π × 6000 mm )"));
    EXPECT_EQ(skinFrictionAnswer(0.11f), QStringLiteral("0.11 N/mm2"));
    // The choice read back; a choice of the quality-assurance verdicts reads as method 0.
    EXPECT_EQ(storedUltimateChoice(a).method, UltimateMethod::Entered);
    a.FinalChoice = 6;
    EXPECT_EQ(storedUltimateChoice(a).method, UltimateMethod::PlannedMaxLoad);
}

TEST(BondLength, RequiredLengthAgainstTheAnchorLength)
{
    struct Case {
        float tp, u, tba;
        int la;
        std::optional<float> lsa;
        const char* verdict;
    };
    const Case cases[] = {
        { 600, 60, 1.6f, 6000, 6250, "要確認" }, // 600 × 1000 / 96
        { 600, 60, 1.6f, 7000, 6250, "OK" },
        { 576, 60, 1.6f, 6000, 6000, "要確認" }, // exactly La
        { 600, 0, 1.6f, 6000, std::nullopt, "" },
        { 0, 60, 1.6f, 6000, std::nullopt, "" },
    };
    for (const Case& c : cases) {
        BondLengthCheck check = CheckBondLength(c.tp, c.u, c.tba, c.la);
        EXPECT_EQ(check.required, c.lsa) << c.tp << " " << c.la;
        EXPECT_EQ(check.verdict, QString::fromUtf8(c.verdict)) << c.tp << " " << c.la;
    }
    BondLengthCheck short_ = CheckBondLength(600, 60, 1.6f, 6000);
    EXPECT_EQ(short_.conclusion, QStringLiteral("アンカー体長の長さを長くするなど検討してください。"));
    EXPECT_EQ(requiredBondLengthSentence(*short_.required),
        QStringLiteral("計画最大荷重時には、テンドンとグラウトの拘束長が 6250(mm) 以上必要です。"));
    EXPECT_DOUBLE_EQ(PullOutResistance(6000, 135, 0.30), 763.41);
}

TEST(FinalVerdict, StoredWithItsTextAndCut)
{
    AnchorRecord a;
    StoreFinalVerdict(a, PassWithText, QString(70, QChar(u'良')));
    EXPECT_EQ(a.FinalChoice, 4);
    EXPECT_EQ(a.FinalVerdictText, QStringLiteral("合格"));
    EXPECT_EQ(a.AnchorRemarks[0].size(), 60);
    StoreFinalVerdict(a, 3, QString());
    EXPECT_EQ(a.FinalVerdictText, QStringLiteral("ｸﾘｰﾌﾟ係数大"));
    EXPECT_TRUE(verdictOption(3).failed);
    EXPECT_EQ(a.AnchorRemarks[0].size(), 60); // another verdict leaves the remark alone
    StoreFinalVerdict(a, AdoptAutomatic, QString());
    EXPECT_EQ(a.FinalVerdictText, QString());
    EXPECT_EQ(judgeRangeDescription(1, 3, true),
        QStringLiteral("3サイクル目以降の弾性変位量で判定\n(ただし、１サイクル試験時は省く)"));
    EXPECT_EQ(judgeRangeDescription(0, 3, true), QStringLiteral("全サイクルの弾性変位量で判定"));
}

TEST(VerdictTexts, MostRecentFirstAtMostFive)
{
    const QStringList five { "a", "b", "c", "d", "e" };
    struct Case {
        QStringList before;
        QString used;
        QStringList after;
    };
    const Case cases[] = {
        { {}, "a", { "a" } },
        { five, "f", { "f", "a", "b", "c", "d" } }, // the oldest falls off
        { five, "c", five }, // a known text is not added again
        { { "a" }, "", { "a" } },
    };
    for (const Case& c : cases)
        EXPECT_EQ(rememberedVerdictTexts(c.before, c.used), c.after) << c.used.toStdString();
}

TEST(VerdictTexts, ReadFromAnyFileWithoutFailing)
{
    const QString path = test::tempPath("IniHantei.ini");
    const QString longText(300, QChar('x'));
    struct Case {
        const char* what;
        QString file;
        QStringList texts;
    };
    const Case cases[] = {
        { "no file", QString(), {} },
        { "no count", "[HanteiOK]\nNo1=a\n", {} },
        { "count not a number", "[HanteiOK]\nNum=zwei\nNo1=a\n", {} },
        { "more than five", "[HanteiOK]\nNum=7\nNo1=a\nNo2=b\nNo3=c\nNo4=d\nNo5=e\nNo6=f\nNo7=g\n",
            { "a", "b", "c", "d", "e" } },
        { "holes and repeats", "[HanteiOK]\nNum=3\nNo1=a\nNo3=a\n", { "a" } },
        { "a long text", "[HanteiOK]\nNum=1\nNo1=" + longText + "\n", { longText.left(255) } },
        { "not an ini file", QString::fromLatin1("\x01\x02garbage=\n[[["), {} },
    };
    for (const Case& c : cases) {
        QFile::remove(path);
        if (!c.file.isNull())
            writeIni(path, c.file);
        EXPECT_EQ(readVerdictTexts(path, 1), c.texts) << c.what;
        EXPECT_TRUE(readVerdictTexts(path, 2).isEmpty()) << c.what;
    }
}

TEST(VerdictTexts, RememberedTextsAreWrittenAnew)
{
    const QString path = test::tempPath("IniHantei.ini");
    writeIni(path, "[HanteiNG]\nNum=7\nNo1=a\nNo2=b\nNo3=c\nNo4=d\nNo5=e\nNo6=f\nNo7=g\n");
    ASSERT_TRUE(rememberVerdictText(path, 2, QStringLiteral("再試験を要する")));
    EXPECT_EQ(readVerdictTexts(path, 2), (QStringList { QStringLiteral("再試験を要する"), "a", "b", "c", "d" }));
    const QString written = QString::fromUtf8(test::fileBytes(path));
    EXPECT_TRUE(written.contains("Num=5"));
    EXPECT_FALSE(written.contains("No6=")); // nothing beyond the count lingers
    // The first pass text creates its section beside the other.
    ASSERT_TRUE(rememberVerdictText(path, 1, QStringLiteral("良好")));
    EXPECT_EQ(readVerdictTexts(path, 1), QStringList { QStringLiteral("良好") });
    EXPECT_EQ(readVerdictTexts(path, 2).size(), 5);
}
