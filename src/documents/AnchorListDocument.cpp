#include "documents/AnchorListDocument.h"

#include "documents/AnchorListTexts.h"
#include "documents/ChartPicture.h"
#include "documents/DocumentInfo.h"
#include "documents/PrintModule.h"
#include "documents/ReportForms.h"
#include "evaluation/CycleEvaluation.h"
#include "graphs/GraphFormats.h"
#include "graphs/GraphNames.h"
#include "graphs/LoadPlanGraph.h"
#include "model/AppPaths.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/AnchorParticulars.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"
#include "recording/ReadingSheet.h"

namespace tessaro {
namespace {

using report::Fields;
using report::ReportEngine;

// Every page of the list begins with its title block here (0.01 mm from the top);
// blocks end above the page number at the foot of the page.
constexpr int ListTop = 1000;
constexpr int PageBottom = 28000;

// Values of 0 (or less) have not been entered: an empty field rather than a false 0.
QString millimetres(double mm)
{
    return mm > 0 ? formatNumber(mm, "0") + QStringLiteral(" mm") : QString();
}

QString kilonewtons(float kN)
{
    return kN > 0 ? formatNumber(kN, "0.00") + QStringLiteral(" kN") : QString();
}

QString number(double value, const QString& pattern, const QString& unit)
{
    return value > 0 ? formatNumber(value, pattern) + unit : QString();
}

// "120.00 kN（6.25 MPa）": a planned load with the gauge pressure the operator reads.
QString loadWithGauge(float kN, float MPa)
{
    QString text = kilonewtons(kN);
    if (!text.isEmpty() && MPa > 0)
        text += QStringLiteral("（") + formatNumber(MPa, "0.00") + QStringLiteral(" MPa）");
    return text;
}

// Tendon to order: free length, anchor length and the spare length at the head.
QString tendonLength(const TendonSpec& t)
{
    if (t.FreeLength <= 0 || t.AnchorLength <= 0)
        return {};
    return millimetres(double(t.FreeLength) + t.AnchorLength + std::max(0, t.SpareLength));
}

// Spacings between successive load-bearing bodies: "1500, 1500 mm".
QString bodySpacings(const TendonSpec& t)
{
    QStringList spacings;
    for (int k = 0; k + 1 < std::min<int>(t.BodyCount, 5); ++k)
        spacings << formatNumber(t.BodyInterval[std::size_t(k)], "0");
    return spacings.isEmpty() ? QString() : spacings.join(QStringLiteral(", ")) + QStringLiteral(" mm");
}

bool singleCycle(const Project& p, const AnchorRecord& a)
{
    return usesSingleCycleSheet(a, p.TestCategory);
}

Fields titleFields(const Project& p, const AnchorRecord& a, bool continuation)
{
    Fields f { { "AncMeisyou", a.AnchorNo }, { "Shikenmei", documentTestName(p, &a) } };
    if (p.isBasic())
        f["Tug"] = kilonewtons(float(UltimatePullOutResistance(a)));
    else {
        f["Td"] = designForceText(a);
        if (hasSeismicDesignForce(a))
            f["Td2"] = seismicDesignForceText(a);
    }
    if (continuation) {
        f["Syoki"] = loadWithGauge(a.Plan.InitialLoad, a.Plan.InitialGauge);
        f["Saidai"] = loadWithGauge(a.Plan.PlannedMaxLoad, a.Plan.PlannedMaxGauge);
        return f;
    }
    const int edition = p.Settings.StandardEdition;
    f["Koujimei"] = p.Record.WorksName;
    f["Genbamei"] = p.Record.SiteName;
    f["Kijyun"] = editionText(edition) + QStringLiteral("　") + StandardTitle;
    f["Jiban"] = groundText(a.AnchorageGround);
    f["Jakki"] = a.Jack.JackName;
    f["Kintyoubi"] = a.TestDate;
    f["Tyuunyuubi"] = a.GroutDate;
    if (p.isBasic()) {
        f["Masatu"] = number(a.DesignSkinFriction, "0.00", QStringLiteral(" N/mm2"));
        f["Sakukou"] = millimetres(a.DrillDiameter);
    }
    else {
        f["Teityaku"] = anchorageText(a);
        f["Teityakuji"] = kilonewtons(a.LockOffLoad);
    }
    return f;
}

Fields particularsFields(const Project& p, const AnchorRecord& a)
{
    const TendonSpec& t = a.Tendon;
    Fields f {
        { "Keishiki", anchorTypeName(t.AnchorTypeCode) },
        { "AncSyubetu", productWithTendonKind(a) },
        { "DanseiKeisuu", number(a.Material.TendonModulus, "0.00", QStringLiteral(" kN/mm2")) },
        { "Danmenseki", number(a.Material.TendonArea, "0.00", QStringLiteral(" mm2")) },
        { "Jiyuutyou", millimetres(t.FreeLength) },
        { "Anctaityou", millimetres(t.AnchorLength) },
        { "Jakkinai", millimetres(t.ExtraLength) },
        { "KintyouJiyuutyou", millimetres(t.TensionFreeLength) },
        { "Tendontyou", tendonLength(t) },
    };
    // A basic investigation tests one anchor for its pull-out force: no service period.
    if (!p.isBasic() && t.AnchorRank >= 0)
        f["Kasetu"] = rankText(p.Settings.StandardEdition, t.AnchorRank);
    switch (t.AnchorTypeCode) {
    case 1:
    case 2:
        f["MansyonUe"] = millimetres(a.Spec2.UpperSleeve);
        f["MansyonShita"] = millimetres(a.Spec2.LowerSleeve);
        break;
    case LoadDistributionType:
        f["Taikatai"] = t.BodyCount > 0 ? QString::number(t.BodyCount) : QString();
        f["Kankaku"] = bodySpacings(t);
        break;
    default:
        break;
    }
    return f;
}

Fields loadPlanFields(const Project& p, const AnchorRecord& a)
{
    const LoadPlan& plan = a.Plan;
    const bool single = singleCycle(p, a);
    const int stages = std::clamp<int>(plan.StageCount, 0, 10);
    Fields f {
        { "Syoki", loadWithGauge(plan.InitialLoad, plan.InitialGauge) },
        { "Saidai", loadWithGauge(plan.PlannedMaxLoad, plan.PlannedMaxGauge) },
        { "DankaiTitle", single ? QStringLiteral("荷重段階数") : QStringLiteral("載荷サイクル数") },
    };
    if (stages > 0)
        f["Dankai"] = QString::number(stages) + (single ? QStringLiteral(" 段階") : QStringLiteral(" サイクル"));
    for (int s = 1; s <= stages; ++s) {
        const float load = plan.CycleMaxLoad[std::size_t(s - 1)];
        const float gauge = plan.StageGauge[std::size_t(s - 1)];
        f[QStringLiteral("Kajyuu%1").arg(s)] = load > 0 ? formatNumber(load, "0.00") : QString();
        f[QStringLiteral("Gauge%1").arg(s)] = gauge > 0 ? formatNumber(gauge, "0.00") : QString();
    }
    const LoadChangeLines change = loadChangeLines(a);
    f["saikaTitle"] = change.heading;
    f["ZoukajiTitle"] = change.firstTitle;
    f["Zouka"] = change.firstValue;
    f["GenkajiTitle"] = change.secondTitle;
    f["Genka"] = change.secondValue;
    return f;
}

// Composes the pages of one anchor: blocks stacked from the top of the page at
// their templates' heights, moving to a continuation page when one does not fit.
class AnchorPages {
public:
    AnchorPages(ReportEngine& engine, const Project& p, const AnchorRecord& a, const AnchorListOptions& options)
        : engine_(engine)
        , p_(p)
        , a_(a)
        , options_(options)
    {
    }

    void draw(const HoldingSchedule& schedule, int index)
    {
        beginPage(false);
        const forms::FormSpec& block = anchorParticularsForm(a_.Tendon.AnchorTypeCode);
        const QString figure = anchorTypeFigure(a_.Tendon.AnchorTypeCode);
        place(block, particularsFields(p_, a_), figure.isEmpty() ? Fields {} : Fields { { "IMAGE", figure } });
        place(forms::AnchorListKajyuu, loadPlanFields(p_, a_));
        // The holding times and the load-plan figure describe the course of the
        // test together: they share the anchor's second page.
        beginPage(true);
        drawHoldingTables(*this, holdingTables(a_, schedule, singleCycle(p_, a_)));
        ChartData graph;
        drawLoadPlanGraph(graph, a_, schedule, singleCycle(p_, a_));
        place(forms::AnchorListCyclezu, {}, {},
            { { "IMAGE",
                chartPicture(loadPlanGraphName(LoadPlanFigure::AnchorList, index), std::move(graph),
                    designedLoadPlanFormat(), LoadPlanGraphSize) } });
    }

    // The page layout the holding tables are drawn through.
    int heightOf(const forms::FormSpec& form)
    {
        const report::ReportTemplate* t = engine_.form(form.path());
        return t ? t->height : 0;
    }

    // Moves to a continuation page unless `height` more fits on this one.
    void makeRoom(int height)
    {
        if (top_ + height > PageBottom)
            beginPage(true);
    }

    void place(const forms::FormSpec& form, const Fields& texts, const Fields& images = {},
        const report::Pictures& pictures = {})
    {
        makeRoom(heightOf(form));
        placeHere(form, texts, images, pictures);
    }

private:
    void beginPage(bool continuation)
    {
        engine_.NewPage();
        top_ = ListTop;
        placeHere(anchorListTitleForm(p_, a_, continuation), titleFields(p_, a_, continuation));
        if (!options_.pageNumbers)
            return;
        PagePrint(engine_, engine_.MaxPage());
    }

    // Draws the block at the current position, whether it fits or not.
    void placeHere(const forms::FormSpec& form, const Fields& texts, const Fields& images = {},
        const report::Pictures& pictures = {})
    {
        engine_.DrawForm(form.path(), top_, texts, images, pictures);
        top_ += heightOf(form);
    }

    ReportEngine& engine_;
    const Project& p_;
    const AnchorRecord& a_;
    const AnchorListOptions& options_;
    int top_ = ListTop;
};

} // namespace

Fields anchorLoadPlanFields(const Project& p, const AnchorRecord& anchor)
{
    return loadPlanFields(p, anchor);
}

const forms::FormSpec& anchorListTitleForm(const Project& p, const AnchorRecord& a, bool continuation)
{
    if (p.isBasic())
        return continuation ? forms::AncListTitleKihon2 : forms::AncListTitleKihon;
    if (hasSeismicDesignForce(a))
        return continuation ? forms::AnchorListTitleTd2 : forms::AnchorListTitleTd;
    return continuation ? forms::AnchorListTitle2 : forms::AnchorListTitle;
}

const forms::FormSpec& anchorParticularsForm(int anchorType)
{
    switch (anchorType) {
    case 1:
        return forms::AnchorListHippariSEEE;
    case 2:
        return forms::AnchorListAssyuku;
    case LoadDistributionType:
        return forms::AnchorListBunsan;
    case 4:
    case 5:
        return forms::AnchorListShiatu;
    default:
        return forms::AnchorListHippari;
    }
}

QString anchorTypeFigure(int anchorType)
{
    static const char16_t* figures[] = { u"引張型", u"引張SEEE", u"圧縮SEEE", u"分散型", u"先端圧縮", u"拡孔型" };
    if (anchorType < 0 || anchorType > 5)
        return {};
    return paths::resource(
        QStringLiteral("Report/") + QString::fromUtf16(figures[anchorType]) + QStringLiteral(".svg"));
}

bool PreviewAnchorInformation(
    ReportEngine& engine, const Project& p, int first, int last, const AnchorListOptions& options)
{
    engine.setFormName(forms::AnchorListTitle.path());
    engine.setCharOverFlow(1);
    engine.Start();
    engine.setTitle(documentTitle(QStringLiteral("試験アンカー諸元表"), p));
    // Each anchor prints from a working copy with its results prepared.
    auto drawAnchor = [&](const AnchorRecord& stored, const HoldingSchedule& schedule, int number) {
        const AnchorRecord a = EvaluatedCopy(stored, p);
        AnchorPages(engine, p, a, options).draw(schedule, number);
    };
    if (p.isBasic()) {
        engine.setSubject(anchorRangeSubject(p, 1, 1));
        drawAnchor(p.Record.WorkingAnchor, p.Record.WorkingSchedule, 1);
    }
    else {
        last = std::min({ last, p.anchorCount(), int(p.Record.Anchors.size()), int(p.Record.Schedules.size()) });
        for (int i = std::max(first, 1); i <= last; ++i)
            drawAnchor(p.Record.Anchors[std::size_t(i - 1)], p.Record.Schedules[std::size_t(i - 1)], i);
        engine.setSubject(anchorRangeSubject(p, std::max(first, 1), last));
    }
    return engine.End();
}

} // namespace tessaro
