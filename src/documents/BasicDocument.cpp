#include "documents/BasicDocument.h"

#include "documents/AnchorListDocument.h"
#include "documents/AnchorListTexts.h"
#include "documents/BasicChapters.h"
#include "documents/ChartPicture.h"
#include "documents/CommonChapters.h"
#include "documents/DocumentPages.h"
#include "documents/FreeLengthSheets.h"
#include "documents/PlanReportTexts.h"
#include "documents/PrintModule.h"
#include "documents/ReportForms.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/FrictionLoss.h"
#include "evaluation/PullOutResistance.h"
#include "graphs/GraphFormats.h"
#include "graphs/GraphNames.h"
#include "graphs/LoadPlanGraph.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"
#include "recording/ReadingSheet.h"

#include <QFile>

namespace tessaro {
namespace {

using report::Fields;
using report::ReportEngine;

const QString Load = QStringLiteral("#####0.00");
// Texts of the report's templates are set 10.5 pt; free texts wrap in fields this wide.
constexpr double BodyPoints = 10.5;
constexpr int WideText = 17300;

// A load of the load plan as printed: blank when not given.
QString loadText(double kN)
{
    return kN > 0 ? formatNumber(kN, Load).trimmed() : QString();
}

QString kilonewtons(double kN)
{
    return kN > 0 ? loadText(kN) + QStringLiteral(" kN") : QString();
}

void drawTestAnchor(const BasicChapterContext& c)
{
    const DocumentInputs& in = c.inputs;
    c.pages.space(ChapterGap);
    c.pages.place(forms::KK2,
        { { "Sakukoukei", in.boreDiameter > 0 ? QStringLiteral("φ%1 mm").arg(in.boreDiameter) : QString() },
            { "Keikaku", in.drillingAngle.isEmpty() ? QString() : in.drillingAngle + QStringLiteral("°") },
            { "TendonSyubetu", in.tendonName }, { "TendonSetumei", in.tendonDescription },
            { "Gurauto", in.groutingMethod } });
}

void drawConstruction(const BasicChapterContext& c)
{
    const DocumentInputs& in = c.inputs;
    const QString tendon
        = in.ratio.isEmpty() ? in.tendon : in.tendon + QStringLiteral("（") + in.ratio + QStringLiteral("）");
    const int rowHeight = c.pages.heightOf(forms::KK3Gyou);
    std::vector<const MixRow*> rows;
    for (const MixRow& row : in.mixTable)
        if (row != MixRow {})
            rows.push_back(&row);
    // The table stays with its head; an empty table keeps one row to be filled in.
    c.pages.space(ChapterGap);
    c.pages.makeRoom(c.pages.heightOf(forms::KK3) + rowHeight * int(std::max<std::size_t>(rows.size(), 1)));
    c.pages.place(forms::KK3,
        { { "Kikai", drillingMachineSentence(in.machine, c.family) }, { "TendonSyubetu", tendon },
            { "Gurauto", in.groutMaterial }, { "Haigou", in.mix } });
    static const MixRow empty;
    if (rows.empty())
        rows.push_back(&empty);
    for (const MixRow* row : rows)
        c.pages.place(forms::KK3Gyou,
            { { "Title", row->material }, { "Kikaku", row->standard }, { "Ryuubei", row->perCubicMetre },
                { "Batti", row->perBatch } });
    c.pages.space(500);

    QStringList steps;
    for (std::size_t i = 0; i < in.steps.size(); ++i) {
        steps << workStepCaptions()[i];
        if (!in.steps[i].isEmpty())
            steps << QStringLiteral("　　") + in.steps[i];
    }
    const QString text = steps.join(QLatin1Char('\n'));
    c.pages.place(forms::KK3_3, { { "Sagyou", text } }, {}, 700 + wrappedTextHeight(text, WideText, BodyPoints) + 500);
}

void drawLoadPlan(const BasicChapterContext& c)
{
    const AnchorRecord& a = c.anchor;
    const LoadPlan& plan = a.Plan;
    const double d = a.DrillDiameter, la = a.Tendon.AnchorLength, tau = a.DesignSkinFriction;
    const double resistance = PullOutResistance(la, d, tau);
    const bool known = d > 0 && la > 0 && tau > 0;
    const double tp = plan.PlannedMaxLoad;
    c.pages.place(forms::KK5,
        { { "Moji", PlannedLoadLead + PlannedLoadSafety }, { "Sakukoukei1", d > 0 ? formatNumber(d, "0") : QString() },
            { "Sakukoukei2", d > 0 ? formatNumber(d, "0") : QString() },
            { "Anctaityou1", la > 0 ? formatNumber(la, "0") : QString() },
            { "Anctaityou2", la > 0 ? formatNumber(la, "0") : QString() },
            { "Masatuteikou1", tau > 0 ? formatNumber(tau, "0.00") : QString() },
            { "Masatuteikou2", tau > 0 ? formatNumber(tau, "0.00") : QString() },
            { "Masatuteikou3", known ? loadText(resistance) : QString() },
            { "Keikakukajyuu1", known ? kilonewtons(roundFormat(1.1 * resistance, "0.00")) : QString() },
            { "Keikakukajyuu2", known ? kilonewtons(roundFormat(1.2 * resistance, "0.00")) : QString() },
            { "Tendon",
                tendonLimitSentence(
                    c.inputs.tendonName.isEmpty() ? a.Tendon.AnchorTypeName : c.inputs.tendonName, a.TendonYieldLoad) },
            { "Kyoyou", tendonLimitFormula(a) }, { "Koufukukajyuu", kilonewtons(a.TendonYieldLoad) },
            { "MasatuTaumax",
                known && tp > 0
                    ? formatNumber(tp * 1000 / (3.141592654 * d * la), "####0.00").trimmed() + QStringLiteral(" N/mm2")
                    : QString() },
            { "Gobi1",
                QStringLiteral("よって、計画最大荷重は Tp = ") + formatNumber(tp, "0.00") + QStringLiteral(" kN ")
                    + decisionEnding(c.family) } });
    if (a.Tendon.AnchorTypeCode == LoadDistributionType)
        c.pages.place(forms::KK5_1_1Bunsan,
            { { "Syoki",
                QStringLiteral("初期荷重は、各耐荷体に荷重を分担させるための最小の初期荷重以上とし、T0 = ")
                    + formatNumber(double(plan.InitialLoad), "0.00") + QStringLiteral(" kN ")
                    + decisionEnding(c.family) } });
    else
        c.pages.place(forms::KK5_1_1,
            { { "Moji", InitialLoadStandard }, { "Moji1", initialLoadFormula(tp) },
                { "Moji2", initialLoadResult(tp, plan.InitialLoad) },
                { "Moji3", initialLoadSentence(plan.InitialLoad, c.family) } });
    c.pages.makeRoom(c.pages.heightOf(forms::KK5_1_2) + c.pages.heightOf(forms::AnchorListKajyuu));
    c.pages.place(forms::KK5_1_2, { { "cicle", cycleCountSentence(EffectiveStageCount(plan), c.family) } });
    c.pages.place(forms::AnchorListKajyuu, anchorLoadPlanFields(c.p, a));
}

// The load plan against time, as the holding-time schedule runs it.
report::Picture loadPlanPicture(const BasicChapterContext& c)
{
    ChartData graph;
    drawLoadPlanGraph(graph, c.anchor, c.p.Record.WorkingSchedule, usesSingleCycleSheet(c.anchor, c.p.TestCategory));
    return chartPicture(
        loadPlanGraphName(LoadPlanFigure::BasicPlan, 1), std::move(graph), designedLoadPlanFormat(), LoadPlanGraphSize);
}

void drawHoldingTimes(const BasicChapterContext& c)
{
    const AnchorRecord& a = c.anchor;
    const int edition = c.p.Settings.StandardEdition;
    const int ground = a.AnchorageGround;
    const AnchorSpec2& s = a.Spec2;
    const bool bySpeed = s.LoadChangeBySpeed != 0;
    const QString unit = bySpeed ? QStringLiteral("(kN/分)") : QStringLiteral("(分)");
    c.pages.newPage();
    c.pages.place(forms::KK5_1,
        { { "Tisou", HoldingExampleSentence(ground) }, { "HojiShinki", HojiShinkiText(edition, ground) },
            { "HojiRireki", HojiRirekiText(edition, ground) },
            { "Gobi3",
                QStringLiteral("各荷重段階の荷重保持時間は、上表を標準として、載荷計画図のとおり")
                    + decisionEnding(c.family) },
            { "Gobi4",
                QStringLiteral("荷重の増減は、次の")
                    + (bySpeed ? QStringLiteral("載荷速度") : QStringLiteral("所要時間")) + QStringLiteral("で行うもの")
                    + decisionEnding(c.family) },
            { "saikaTitle", bySpeed ? QStringLiteral("荷重増減時の載荷速度") : QStringLiteral("荷重増減時の所要時間") },
            { "ZoukajiTitle", QStringLiteral("増荷時") },
            { "Zouka", QString::number(bySpeed ? s.LoadingRate : s.LoadingMinutes) }, { "ZoukajiTani", unit },
            { "GenkajiTitle", QStringLiteral("減荷時") },
            { "Genka", QString::number(bySpeed ? s.UnloadingRate : s.UnloadingMinutes) }, { "GenkajiTani", unit } },
        {}, -1, { { "IMAGE", loadPlanPicture(c) } });
}

void drawDataArrangement(const BasicChapterContext& c)
{
    const AnchorRecord& a = c.anchor;
    c.pages.space(ChapterGap);
    c.pages.makeRoom(c.pages.heightOf(forms::KK6Title) + c.pages.heightOf(forms::KK6Jyouken));
    c.pages.place(forms::KK6Title);
    c.pages.place(forms::KK6Jyouken,
        { { "Syoki1", formatNumber(double(a.Plan.InitialLoad), Load).trimmed() },
            { "Saidai1", formatNumber(double(a.Plan.PlannedMaxLoad), Load).trimmed() },
            { "Jiyuutyou1", formatNumber(double(a.Tendon.TensionFreeLength), Load).trimmed() },
            { "Danseikeisuu1", formatNumber(double(a.Material.TendonModulus), Load).trimmed() },
            { "Danmenseki1", formatNumber(double(a.Material.TendonArea), Load).trimmed() },
            { "Tyuusyaku", QStringLiteral("※ 6-2 参照") } });
    drawFreeLengthSheets(c.pages, a, QStringLiteral("６－２．"), c.family);
    if (a.Tendon.AnchorTypeCode == LoadDistributionType)
        drawInitialLoadSheets(c.pages, a, false, QStringLiteral("６－３．"), c.family);
}

} // namespace

bool showsApparentFreeLength(const AnchorRecord& evaluated)
{
    return !isMissing(evaluated.Evaluation.LastElastic);
}

QString basicDocumentRefusal(const Project& p, DocumentFamily family)
{
    if (family != DocumentFamily::BasicReport || frictionLossChosen(p.Record.WorkingAnchor))
        return {};
    return FrictionLossNotSetMessage;
}

bool PrintBasicDocument(ReportEngine& engine, const Project& p, DocumentFamily family)
{
    if (!isBasicFamily(family))
        return false;
    const AnchorRecord anchor = EvaluatedCopy(p.Record.WorkingAnchor, p);
    const DocumentInputs inputs = documentInputs(p, family);
    const PreparedSketch sketch = sketchOf(inputs);

    startPlanReport(engine, p, family, 1, 1);
    drawCover(engine, p, family, inputs);
    DocumentPages pages(engine);
    const BasicChapterContext c { pages, p, anchor, family, inputs };
    drawGeneralRulesAndOutline(pages, p, family, inputs, documentTestName(p, &anchor));
    drawTestAnchor(c);
    drawConstruction(c);
    drawEquipment(pages, forms::KK4, inputs, sketch.file);
    pages.newPage();
    drawLoadPlan(c);
    drawHoldingTimes(c);
    drawDataArrangement(c);
    drawResultsChapter(c);
    if (isReportFamily(family))
        drawReportResults(c);
    const bool ended = engine.End();
    if (sketch.temporary)
        QFile::remove(sketch.file);
    return ended;
}

} // namespace tessaro
