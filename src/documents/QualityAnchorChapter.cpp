// Chapter 4 of the quality-assurance plan and report: one section per anchor
// printed, with its loads and limits and, in the report, its results.

#include "documents/AnchorListDocument.h"
#include "documents/AnchorListTexts.h"
#include "documents/ChartPicture.h"
#include "documents/CreepSheets.h"
#include "documents/DocumentPages.h"
#include "documents/FreeLengthSheets.h"
#include "documents/PlanReportTexts.h"
#include "documents/PrintModule.h"
#include "documents/QualityChapters.h"
#include "documents/ReportForms.h"
#include "documents/TestGraphPicture.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/ResultsList.h"
#include "graphs/GraphFormats.h"
#include "graphs/GraphNames.h"
#include "graphs/LoadPlanGraph.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/AnchorParticulars.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"
#include "recording/ReadingSheet.h"

#include <QStringList>

namespace tessaro {
namespace {

using report::Fields;

QString number(double value)
{
    return formatNumber(value, "0.00");
}

// A load as printed beside its symbol: blank while not given.
QString load(double kN)
{
    return kN > 0 ? number(kN) : QString();
}

QString millimetres(double mm)
{
    return isMissing(mm) ? QString() : number(mm);
}

// The numbered items of one anchor's section: "(1) 初期荷重", …
class Items {
public:
    QString next(const QString& title) { return QStringLiteral("(%1) ").arg(++count_) + title; }

private:
    int count_ = 0;
};

struct AnchorSection {
    const QualityChapterContext& c;
    int n; // the anchor's number in the project
    const AnchorRecord& a; // evaluated
    const HoldingSchedule& schedule;
    Items items;

    bool singleCycle() const { return usesSingleCycleSheet(a, c.p.TestCategory); }
    bool loadDistribution() const { return a.Tendon.AnchorTypeCode == LoadDistributionType; }
    QString ending() const { return decisionEnding(c.family); }

    void initialLoad()
    {
        const double tp = a.Plan.PlannedMaxLoad, t0 = a.Plan.InitialLoad;
        const QString chosen
            = QStringLiteral("よって、初期荷重は T0 = ") + number(t0) + QStringLiteral(" kN ") + ending();
        if (loadDistribution()) {
            LoadDistributionTables tables;
            const double minimum = MinimumInitialLoad(a, planContextOf(c.p), tables);
            c.pages.place(forms::HK4_1SyokiBunsan,
                { { "Title", items.next(QStringLiteral("初期荷重")) },
                    { "Syoki",
                        QStringLiteral("T0 ≧ 各耐荷体に荷重を分担させるための最小の初期荷重 = ") + number(minimum)
                            + QStringLiteral(" kN") },
                    { "Syoki2", chosen } });
            return;
        }
        c.pages.place(forms::HK4_1Syoki,
            { { "Title", items.next(QStringLiteral("初期荷重")) },
                { "Syoki",
                    QStringLiteral("T0 ≒ 0.1 × Tp = 0.1 × ") + number(tp) + QStringLiteral(" = ") + number(0.1 * tp)
                        + QStringLiteral(" kN") },
                { "Syoki2", chosen } });
    }

    QString stageLoads() const
    {
        QStringList loads;
        for (int s = 0; s < EffectiveStageCount(a.Plan); ++s)
            loads << number(a.Plan.CycleMaxLoad[std::size_t(s)]);
        return loads.isEmpty() ? QString()
                               : QStringLiteral("%1 %2（%3 kN）")
                                     .arg(loads.size())
                                     .arg(singleCycle() ? QStringLiteral("段階") : QStringLiteral("サイクル"),
                                         loads.join(QStringLiteral(", ")));
    }

    void loadPlan()
    {
        const int edition = c.p.Settings.StandardEdition, ground = a.AnchorageGround;
        const std::vector<HoldingTable> tables = holdingTables(a, schedule, singleCycle());
        auto times = [&](std::size_t table, std::size_t row) {
            return table < tables.size() && row < tables[table].rows.size() ? tables[table].rows[row].times : QString();
        };
        const LoadChangeLines change = loadChangeLines(a);
        c.pages.place(forms::HK4_1_2,
            { { "Title", items.next(QStringLiteral("載荷計画")) }, { "Shikenmei", documentTestName(c.p, &a) },
                { "AncSyubetu", tendonKind(a) },
                { "Saidai",
                    a.Plan.PlannedMaxLoad > 0
                        ? QStringLiteral("Tp = ") + number(a.Plan.PlannedMaxLoad) + QStringLiteral(" kN")
                        : QString() },
                { "Dankai", stageLoads() }, { "WakuUe", ground >= 0 ? HoldingExampleSentence(ground) : QString() },
                { "ShinkiHoji", ground >= 0 ? HojiShinkiText(edition, ground) : QString() },
                { "RirekiHoji1", ground >= 0 ? HojiRirekiText(edition, ground) : QString() },
                { "ShinkiSokutei", times(0, tables.empty() ? 0 : tables[0].rows.size() - 1) },
                { "RirekiSokutei1", times(1, 0) },
                { "WakuShita", QStringLiteral("各荷重段階の荷重保持時間と計測時期は、下表のとおり") + ending() },
                { "saikaTitle", change.heading }, { "ZoukajiTitle", change.firstTitle }, { "Zouka", change.firstValue },
                { "GenkajiTitle", change.secondTitle }, { "Genka", change.secondValue } });
        drawHoldingTables(c.pages, tables);
        ChartData graph;
        drawLoadPlanGraph(graph, a, schedule, singleCycle());
        const LoadPlanFigure figure
            = isReportFamily(c.family) ? LoadPlanFigure::QualityReport : LoadPlanFigure::QualityPlan;
        c.pages.place(forms::HK4_1_8, { { "Title", QStringLiteral("載荷計画図（%1）").arg(a.AnchorNo) } }, {}, -1,
            { { "IMAGE",
                chartPicture(
                    loadPlanGraphName(figure, n), std::move(graph), designedLoadPlanFormat(), LoadPlanGraphSize) } });
    }

    // The sheet of the edition's rule: 2012 by rank; 2000 permanent multi-cycle,
    // permanent single-cycle, temporary.
    const forms::FormSpec& plannedMaxLoadForm() const
    {
        if (c.p.Settings.StandardEdition != Edition2000)
            return forms::HK4_1Saidai[0];
        if (a.Tendon.AnchorRank != 0)
            return forms::HK4_1Saidai[3];
        return forms::HK4_1Saidai[a.ConfirmationTest != 0 ? 2 : 1];
    }

    void plannedMaxLoad()
    {
        const PlanContext ctx = planContextOf(c.p);
        const LimitTexts limits = PlannedMaxLoadLimitTexts(a, ctx);
        const LoadRange range = PlannedMaxLoadRange(a, ctx);
        const double tp = a.Plan.PlannedMaxLoad;
        const int edition = c.p.Settings.StandardEdition;
        const bool within = tp >= range.lower && tp <= range.upper;
        const QString rank = a.Tendon.AnchorRank >= 0 ? rankText(edition, a.Tendon.AnchorRank) : QString();
        c.pages.place(plannedMaxLoadForm(),
            { { "Title", items.next(QStringLiteral("計画最大荷重")) }, { "Td", designForceText(a) },
                { "Td1", seismicDesignForceText(a) }, { "Tp1", limits.tp[0] }, { "Tp2", limits.tp[1] },
                { "Tp3", limits.tp[2] }, { "Rank", rank },
                { "TpType1",
                    QStringLiteral("本アンカーは") + rank
                        + (edition == Edition2000 ? QStringLiteral("アンカーであり、")
                                                  : QStringLiteral("のアンカーであり、"))
                        + kindText(edition, a.ConfirmationTest) + QStringLiteral("を実施") + actionEnding(c.family) },
                { "Tys", load(a.TendonYieldLoad) }, { "Kyoyou", load(TendonLimit(a)) }, { "Kyoyou_shiki", limits.tys },
                { "Tp", load(tp) },
                { "Comment1",
                    QStringLiteral("よって、計画最大荷重は Tp = ") + number(tp) + QStringLiteral(" kN ") + ending() },
                { "Comment3",
                    within ? QStringLiteral("計画最大荷重は、上記の制限を満足している。")
                           : QStringLiteral("※計画最大荷重が上記の制限を満たしていません。") } });
    }

    void elasticLimits()
    {
        const EvaluationContext ctx = evaluationContextOf(c.p);
        const double tp = a.Plan.PlannedMaxLoad, t0 = a.Plan.InitialLoad;
        const float theory = TheoreticalElastic(a, a.Plan.PlannedMaxLoad);
        const QString es = number(a.Material.TendonModulus), as = number(a.Material.TendonArea);
        const QString lsf = QString::number(a.Tendon.TensionFreeLength);
        Fields f { { "Title", items.next(QStringLiteral("弾性変位量の管理限界")) },
            { "JyougenRitu", number(ctx.upperRate) }, { "KagenRitu", number(ctx.lowerRate) } };
        const QString upper = millimetres(UpperLine(theory, ctx)), lower = millimetres(LowerLine(theory, ctx));
        if (!loadDistribution()) {
            f.insert({ { "Saidai", load(tp) }, { "Syoki", load(t0) }, { "Jiyuutyou", lsf }, { "Danseikeisuu", es },
                { "Danmenseki", as },
                { "Rironti1",
                    QStringLiteral("δe = (") + number(tp) + QStringLiteral(" − ") + number(t0) + QStringLiteral(") × ")
                        + lsf + QStringLiteral(" / (") + es + QStringLiteral(" × ") + as + QStringLiteral(")") },
                { "Rironti2", QStringLiteral("　 = ") + millimetres(theory) + QStringLiteral(" mm") },
                { "Jyougen1", upper }, { "Kagen1", lower } });
            c.pages.place(forms::HK4_2, f);
            return;
        }
        const QString strands = QString::number(a.Material.StrandSetCount);
        f.insert({ { "Moji",
                       QStringLiteral("荷重分散型アンカーの理論弾性変位量は、PC鋼線総数 N を考慮して次式で求める。") },
            { "RironBunshi",
                QStringLiteral("(") + number(tp) + QStringLiteral(" − ") + number(t0) + QStringLiteral(") × ") + lsf },
            { "RironBunbo", es + QStringLiteral(" × ") + as + QStringLiteral(" × ") + strands },
            { "Riron", QStringLiteral("= ") + millimetres(theory) + QStringLiteral(" mm") },
            { "Tani", QStringLiteral("(単位：kN, mm)") },
            { "Kome", QStringLiteral("※テンドン断面積=断面積(As)×PC鋼線総数(N)") }, { "Jyougen", upper },
            { "Kagen", lower } });
        c.pages.place(forms::HK4_2Bunsan, f);
    }

    void lockOff()
    {
        if (!c.inputs.lockOffFormulaShown || a.LockOffLoad <= 0)
            return;
        const bool ld = loadDistribution();
        const QString set = a.SetAmount >= 0 ? number(a.SetAmount) : QString();
        QString working = QStringLiteral("⊿Ps = ") + set + QStringLiteral(" × ") + number(a.Material.TendonModulus)
            + QStringLiteral(" × ") + number(a.Material.TendonArea);
        if (ld)
            working += QStringLiteral(" × ") + QString::number(a.Material.StrandSetCount);
        working += QStringLiteral(" / (") + QString::number(a.Tendon.TensionFreeLength) + QStringLiteral(" − ")
            + QString::number(a.Tendon.ExtraLength) + QStringLiteral(")");
        const double td = a.DesignAnchorForce, tp = a.Plan.PlannedMaxLoad;
        c.pages.place(forms::HK4_2Dounyuuryku1,
            { { "Title", items.next(QStringLiteral("定着時の初期緊張力")) }, { "Teityakugu", anchorageText(a) },
                { "Bunshi", ld ? QStringLiteral("Set × Es × As × N") : QStringLiteral("Set × Es × As") },
                { "Shiki1", working },
                { "Shiki2", QStringLiteral("　　 = ") + number(a.SetLoss) + QStringLiteral(" kN") },
                { "Tyuui", ld ? QStringLiteral("※テンドン断面積=断面積(As)×PC鋼線総数(N)") : QString() },
                { "Pt", number(a.LockOffLoad) }, { "Pt_2", number(a.LockOffLoad) }, { "DerutaPs", number(a.SetLoss) },
                { "DerutaPs_2", number(a.SetLoss) }, { "Kintyouryoku", number(a.JackingForce) },
                { "HirituTitle", QStringLiteral("定着時緊張力の比率") },
                { "Hiritu1", td > 0 ? QStringLiteral("Pt / Td = ") + number(a.LockOffLoad / td) : QString() },
                { "Hiritu2", tp > 0 ? QStringLiteral("Pt / Tp = ") + number(a.LockOffLoad / tp) : QString() },
                { "Hiritu3",
                    isMissing(a.JackingGauge) || a.JackingGauge <= 0
                        ? QString()
                        : QStringLiteral("緊張力のゲージ圧 = ") + number(a.JackingGauge) + QStringLiteral(" MPa") },
                { "Sansyou", QStringLiteral("※セット量は使用する定着具の仕様による。") } });
    }

    void freeLength()
    {
        if (!loadDistribution())
            return;
        drawFreeLengthSheets(c.pages, a, items.next(QString()), c.family);
        drawInitialLoadSheets(c.pages, a, true, items.next(QString()), c.family);
    }

    void results()
    {
        const ResultsRow row = resultsRow(c.p, n, a, creepSelectionOf(c.p, n), creepSettingsOf(c.p));
        const bool measured = !isMissing(row.elastic) && !isMissing(row.permanent);
        c.pages.newPage();
        c.pages.place(forms::HK4_3,
            { { "Title", items.next(QStringLiteral("試験結果")) },
                { "SoNobi1", measured ? number(row.elastic + row.permanent) : QString() },
                { "SoNobi2",
                    isMissing(row.lower) ? QString()
                                         : QStringLiteral("下限値 ") + number(row.lower) + QStringLiteral(" ～ 上限値 ")
                            + number(row.upper) + QStringLiteral(" mm") },
                { "DaNobi1", millimetres(row.theory) }, { "Dansei", millimetres(row.elastic) },
                { "Sosei", millimetres(row.permanent) }, { "Sosei2", a.RangeVerdictText },
                { "Hantei", row.verdict.isEmpty() ? QStringLiteral("未判定") : row.verdict } });
        const QString suffix = QString::number(n);
        c.pages.place(forms::HK4_4, { { "Title", items.next(QStringLiteral("試験グラフ")) } }, {}, -1,
            { { "IMAGE",
                  testGraphPicture(
                      QStringLiteral("TmpGphHK4_4_1") + suffix, a, TestGraph::LoadDisplacement, ResultChartSize) },
                { "IMAGE_2",
                    testGraphPicture(
                        QStringLiteral("TmpGphHK4_4_2") + suffix, a, TestGraph::PlasticElastic, ResultChartSize) } });
        if (storedCreepSheetComputed(c.p, n, a)) {
            c.pages.beginWholePage();
            drawStoredCreepSheet(c.pages.engine(), c.p, n, a);
        }
    }
};

} // namespace

void drawAnchorsHeading(const QualityChapterContext& c)
{
    const bool report = isReportFamily(c.family);
    c.pages.newPage();
    c.pages.place(forms::HK4,
        { { "Title",
              report ? QStringLiteral("４．試験アンカーの載荷計画と試験結果")
                     : QStringLiteral("４．試験アンカーの載荷計画") },
            { "Setumei",
                QStringLiteral(
                    "　試験を行うアンカーごとに、初期荷重、載荷計画、計画最大荷重および弾性変位量の管理限界を示す。")
                    + (report ? QStringLiteral("また、各アンカーの試験結果を示す。") : QString()) } });
}

void drawAnchorSection(
    const QualityChapterContext& c, int section, int n, const AnchorRecord& anchor, const HoldingSchedule& schedule)
{
    AnchorSection s { c, n, anchor, schedule, {} };
    if (section > 1)
        c.pages.newPage();
    c.pages.place(forms::HK4_1_1,
        { { "Syou", QStringLiteral("4-%1.").arg(section) }, { "AncName", anchor.AnchorNo },
            { "Jakki", anchor.Jack.JackName }, { "Shikenmei", documentTestName(c.p, &anchor) } });
    s.initialLoad();
    s.loadPlan();
    s.plannedMaxLoad();
    s.elasticLimits();
    s.lockOff();
    s.freeLength();
    if (isReportFamily(c.family))
        s.results();
}

} // namespace tessaro
