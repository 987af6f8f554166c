#include "planning/basKajyuu.h"

#include "model/NumberFormat.h"
#include "model/UserMessage.h"
#include "planning/GaugeHenkan.h"
#include "planning/TestKinds.h"

#include <QRegularExpression>
#include <algorithm>
#include <vector>

namespace tessaro {
namespace {

bool isLoadDistributionType(const AnchorRecord& a)
{
    return a.Tendon.AnchorTypeCode == LoadDistributionType;
}

// A value as the window shows it: converted, "0.00", then the unit in brackets.
QString shownValue(double load, const LoadDisplay& display)
{
    return formatNumber(display(load), "0.00") + " (" + display.unit + ")";
}

struct LimitLine {
    QString caption;
    double designForce; // the line is left out when this is 0
    double value;
};

// The 2000 edition's lines by test kind and service period.
std::vector<LimitLine> edition2000Lines(const AnchorRecord& a)
{
    double td = a.DesignAnchorForce;
    double tds = a.DesignAnchorForceSeismic;
    bool temporary = a.Tendon.AnchorRank != 0;
    LimitLine atLeast11 { QStringLiteral("Tp ≧ Td(常時)× 1.1 = "), td, 1.1 * td };
    LimitLine atLeast12 { QStringLiteral("Tp ≧ Td(常時)× 1.2 = "), td, 1.2 * td };
    if (a.ConfirmationTest) {
        if (temporary)
            return { atLeast11 };
        return { atLeast12, { QStringLiteral("Tp ≧ Td(地震時)× 1.0 = "), tds, tds } };
    }
    if (temporary)
        return { atLeast11, { QStringLiteral("Tp ≦ Td(常時)× 1.2 = "), td, 1.2 * td } };
    return { atLeast12, { QStringLiteral("Tp ≦ Td(常時)× 1.5 = "), td, 1.5 * td },
        { QStringLiteral("Tp = Td(地震時)× 1.0 = "), tds, tds } };
}

std::vector<LimitLine> editionLines(const AnchorRecord& a, const PlanContext& ctx)
{
    if (ctx.testCategory == 0)
        return {}; // a pull-out test is bounded below by Tug instead
    if (ctx.edition == Edition2000)
        return edition2000Lines(a);
    bool rankA = a.Tendon.AnchorRank == 0;
    double coef = rankA ? ctx.rankCoefA : ctx.rankCoefB;
    QString caption = (rankA ? QStringLiteral("ランクＡ ： ") : QStringLiteral("ランクＢ ： "))
        + formatNumber(coef, "0.00") + QStringLiteral("×Td = ");
    return { { caption, a.DesignAnchorForce, RankLimit(a, ctx) } };
}

} // namespace

PlanContext planContextOf(const Project& p)
{
    return { p.TestCategory, p.Settings.StandardEdition, p.Settings.TpLimitCoefA, p.Settings.TpLimitCoefB };
}

int LoadPlanCheckCode(const AnchorRecord& a)
{
    int code = 0;
    if (a.Tendon.AnchorTypeName.isEmpty())
        code = 1;
    if (a.Tendon.AnchorTypeCode < 0)
        return 5;
    if (isLoadDistributionType(a)) {
        if (a.Tendon.FreeLength == 0)
            code = 2;
        if (a.Tendon.AnchorLength == 0)
            code = 3;
        if (a.Tendon.BodyCount == 0)
            code = 4;
    }
    return code;
}

QString LoadPlanCheckMessage(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("アンカー種別が入力されていません。");
    case 2:
        return QStringLiteral("アンカー自由長が入力されていません。");
    case 3:
        return QStringLiteral("アンカー体長が入力されていません。");
    case 4:
        return QStringLiteral("耐荷体個数が入力されていません。");
    case 5:
        return QStringLiteral("アンカー形式が入力されていません。");
    default:
        return {};
    }
}

int CheckLoadPlan(const AnchorRecord& anchor)
{
    int code = LoadPlanCheckCode(anchor);
    if (code != 0)
        showMessage(LoadPlanCheckMessage(code), MsgIcon::Exclamation);
    return code;
}

QString StageCountRangeMessage()
{
    return QStringLiteral("荷重段階数に範囲外の数値が入力されました。") + "\n"
        + QStringLiteral("入力範囲：2～10 (段階)");
}

int EffectiveStageCount(const LoadPlan& plan)
{
    if (plan.StageCount < MinStageCount)
        return 5;
    return std::min<int>(plan.StageCount, MaxStageCount);
}

void DistributeEvenly(LoadPlan& plan)
{
    int n = EffectiveStageCount(plan);
    plan.StageCount = std::int16_t(n);
    float step = (plan.PlannedMaxLoad - plan.InitialLoad) / float(n);
    float running = plan.InitialLoad;
    for (int i = 0; i < n - 1; ++i) {
        running += step;
        plan.CycleMaxLoad[std::size_t(i)] = float(roundFormat(running, "######0.00"));
    }
    plan.CycleMaxLoad[std::size_t(n - 1)] = plan.PlannedMaxLoad;
    std::fill(plan.CycleMaxLoad.begin() + n, plan.CycleMaxLoad.end(), 0.0f);
}

bool CalculatePlanAutomatically(AnchorRecord& anchor, bool force)
{
    if (CheckLoadPlan(anchor) != 0)
        return false;
    bool keepStages
        = isLoadDistributionType(anchor) && anchor.Tendon.BodyCount > 1 && !force && anchor.Plan.PlanSet != 0;
    if (!keepStages)
        DistributeEvenly(anchor.Plan);
    return true;
}

void FillPlanGauges(AnchorRecord& anchor)
{
    LoadPlan& plan = anchor.Plan;
    auto gauge = [&](float load) { return ConvertGaugeRounded(anchor.Jack, load, LoadToPressure); };
    plan.InitialGauge = gauge(plan.InitialLoad);
    plan.PlannedMaxGauge = gauge(plan.PlannedMaxLoad);
    int n = std::clamp<int>(plan.StageCount, 0, MaxStageCount);
    for (int i = 0; i < MaxStageCount; ++i)
        plan.StageGauge[std::size_t(i)] = i < n ? gauge(plan.CycleMaxLoad[std::size_t(i)]) : 0.0f;
}

double RankLimit(const AnchorRecord& anchor, const PlanContext& ctx)
{
    return anchor.DesignAnchorForce * (anchor.Tendon.AnchorRank == 0 ? ctx.rankCoefA : ctx.rankCoefB);
}

double TendonLimit(const AnchorRecord& anchor)
{
    double limit = 0.9 * double(anchor.TendonYieldLoad);
    if (productClass(anchor.Tendon.AnchorTypeName) >= 1)
        limit *= double(anchor.Material.ReductionCoefficient);
    return roundFormat(limit, "0.00");
}

double displayedNumber(const QString& text)
{
    static const QRegularExpression leading(QStringLiteral("^\\s*[+-]?(\\d+\\.?\\d*|\\.\\d+)"));
    QRegularExpressionMatch m = leading.match(text);
    return m.hasMatch() ? m.captured(0).trimmed().toDouble() : 0.0;
}

double UltimatePullOutResistance(const AnchorRecord& anchor)
{
    return displayedNumber(anchor.Spec2.PullOutResistanceText);
}

LoadRange PlannedMaxLoadRange(const AnchorRecord& a, const PlanContext& ctx)
{
    LoadRange r;
    r.upper = TendonLimit(a);
    if (ctx.testCategory == 0) {
        r.lower = UltimatePullOutResistance(a);
    }
    else if (ctx.edition != Edition2000) {
        r.lower = 0;
    }
    else if (a.Tendon.AnchorRank != 0) {
        r.lower = 1.1 * double(a.DesignAnchorForce);
    }
    else {
        double normal = float(1.2 * double(a.DesignAnchorForce)); // held as a single
        double seismic = a.DesignAnchorForceSeismic;
        if (normal != 0 && seismic != 0)
            r.lower = std::min(normal, seismic);
        else
            r.lower = seismic == 0 ? normal : seismic;
    }
    return r;
}

double MinimumInitialLoad(const AnchorRecord& anchor, const PlanContext& ctx, LoadDistributionTables& tables)
{
    if (!isLoadDistributionType(anchor) || anchor.Tendon.BodyCount < 2)
        return 0;
    return LoadDistributionInitialLoad(anchor, ctx.testCategory != 0, tables);
}

LoadDisplay pressureDisplay(const JackRecord& jack)
{
    return { QStringLiteral("MPa"),
        [jack](double load) { return double(ConvertGaugeRounded(jack, load, LoadToPressure)); } };
}

ReferenceTexts InitialLoadReferenceTexts(
    const AnchorRecord& anchor, double tp, const PlanContext& ctx, const LoadDisplay& display)
{
    ReferenceTexts t;
    bool distributed = isLoadDistributionType(anchor);
    bool differential = distributed && anchor.Tendon.TensioningType == 1 && anchor.Tendon.BodyCount > 1;
    double ratio = differential ? 0.2 : 0.1;
    t.sankou = QStringLiteral("≒ ") + (differential ? QStringLiteral("0.2") : QStringLiteral("0.1"))
        + QStringLiteral(" × ") + formatNumber(display(tp), "0.00") + " = " + shownValue(ratio * tp, display);
    if (distributed) {
        AnchorRecord planned = anchor;
        planned.Plan.PlannedMaxLoad = float(tp);
        LoadDistributionTables tables;
        double minimum = LoadDistributionInitialLoad(planned, ctx.testCategory != 0, tables);
        t.saisyuu = (differential ? QStringLiteral("≧ 最終差動荷重 = ") : QStringLiteral("≧ 最終折点荷重 = "))
            + shownValue(minimum, display);
    }
    return t;
}

LimitTexts PlannedMaxLoadLimitTexts(const AnchorRecord& anchor, const PlanContext& ctx, const LoadDisplay& display)
{
    LimitTexts t;
    t.tys = (productClass(anchor.Tendon.AnchorTypeName) == 0 ? QStringLiteral("Tp ≦ 0.9  ×  Tys  = ")
                                                             : QStringLiteral("Tp ≦ 0.9 × Tys × α  = "))
        + shownValue(TendonLimit(anchor), display);
    if (ctx.testCategory == 0)
        t.tug = QStringLiteral("Tp ≧　Tug   =  ") + shownValue(UltimatePullOutResistance(anchor), display);
    std::size_t next = 0;
    for (const LimitLine& line : editionLines(anchor, ctx))
        if (line.designForce != 0 && next < t.tp.size())
            t.tp[next++] = line.caption + shownValue(line.value, display);
    return t;
}

QString MinimumInitialLoadMessage(double minimum, const LoadDisplay& display)
{
    return QStringLiteral("荷重分散型の初期荷重の計算値は") + formatNumber(display(minimum), "#####0.00") + display.unit
        + QStringLiteral("なので、この値よりも大きな値を指定して下さい。");
}

QString HojiShinkiText(int edition, int ground)
{
    if (ground != 0 && ground != 1)
        return {};
    if (edition == Edition2000)
        return ground == 0 ? QStringLiteral("10分以上") : QStringLiteral("5分以上");
    return ground == 0 ? QStringLiteral("1～2ｻｲｸﾙ：15分、3～5ｻｲｸﾙ：60分、6ｻｲｸﾙ：180分")
                       : QStringLiteral("1～2ｻｲｸﾙ：15分、3～5ｻｲｸﾙ：30分、6ｻｲｸﾙ：60分");
}

QString HojiRirekiText(int edition, int ground)
{
    if (ground != 0 && ground != 1)
        return {};
    if (edition == Edition2000)
        return ground == 0 ? QStringLiteral("2分以上") : QStringLiteral("1分以上");
    return QStringLiteral("1～2分程度");
}

QString HoldingExampleSentence(int ground)
{
    QString text = groundText(ground);
    if (text.isEmpty())
        return {};
    return QStringLiteral("地質調査結果よりアンカー体部は、") + text
        + QStringLiteral("地盤と判定した場合の、荷重保持時間の一例を示す。");
}

} // namespace tessaro
