#include "documents/BasicChapters.h"

#include "documents/BasicDocument.h"
#include "documents/ChartPicture.h"
#include "documents/CommonChapters.h"
#include "documents/DocumentPages.h"
#include "documents/PlanReportTexts.h"
#include "documents/ReportForms.h"
#include "documents/TestGraphPicture.h"
#include "evaluation/FrictionLossTexts.h"
#include "evaluation/UltimatePullOut.h"
#include "graphs/FrictionLossChart.h"
#include "graphs/GraphFormats.h"
#include "graphs/TestGraphs.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"

namespace tessaro {
namespace {

using report::Fields;

// The friction-loss chart spans the text width like the test graphs, a little higher.
constexpr QSize FrictionChartSize(720, 380);

QString twoDecimals(double value)
{
    return formatNumber(value, "0.00");
}

void drawHeadDisplacement(const BasicChapterContext& c)
{
    const AnchorRecord& a = c.anchor;
    const double tug = displayedNumber(a.UltimatePullOutText);
    c.pages.newPage();
    c.pages.place(forms::KK7_1,
        { { "Derutae",
              isMissing(a.Evaluation.LastElastic) ? QStringLiteral("－") : twoDecimals(a.Evaluation.LastElastic) },
            { "Tyuusyaku", QStringLiteral("※ 7-2参照") },
            { "Tug", a.UltimatePullOutText.isEmpty() ? QStringLiteral("－") : twoDecimals(tug) } },
        {}, -1,
        { { "IMAGE", testGraphPicture(QStringLiteral("TmpGphKK7_1"), a, TestGraph::LoadDisplacement, ResultChartSize) },
            { "IMAGE_2",
                testGraphPicture(QStringLiteral("TmpGphKK7_2"), a, TestGraph::PlasticElastic, ResultChartSize) } });
}

void drawFrictionLoss(const BasicChapterContext& c)
{
    const AnchorRecord& a = c.anchor;
    const QString line = a.UseGivenIntercept
        ? QStringLiteral("直線と荷重軸の交点荷重を %1 kN と指定した。").arg(twoDecimals(a.GivenIntercept))
        : QStringLiteral("点 %1 と点 %2 を結ぶ直線を延長し、荷重軸との交点荷重を求めた。").arg(a.PointA).arg(a.PointB);
    c.pages.newPage();
    c.pages.place(forms::KK7_2_1,
        { { "Hani", line }, { "Shiki1", interceptLessInitialLoad(a) },
            { "Sonshitu", twoDecimals(a.InterceptShift) + QStringLiteral(" kN") } });
    ChartData chart;
    drawFrictionLossChart(chart, a);
    c.pages.place(forms::KK7_2_2, {}, {}, -1,
        { { "IMAGE",
            chartPicture(
                QStringLiteral("TmpGphMatome"), std::move(chart), designedFrictionLossFormat(), FrictionChartSize) } });
}

void drawApparentFreeLength(const BasicChapterContext& c)
{
    const AnchorRecord& a = c.anchor;
    const bool distributed = a.Tendon.AnchorTypeCode == LoadDistributionType;
    const int sets = a.Material.StrandSetCount;
    QString worked = twoDecimals(a.LastValidElastic) + QStringLiteral(" × ") + twoDecimals(a.Material.TendonModulus)
        + QStringLiteral(" × ") + twoDecimals(a.Material.TendonArea) + QStringLiteral(" / ") + twoDecimals(a.LoadSpan);
    if (distributed)
        worked += QStringLiteral(" × %1").arg(sets);
    worked += QStringLiteral(" = ") + formatNumber(a.ApparentFreeLength, "0") + QStringLiteral(" mm");
    const double lsf = a.Tendon.TensionFreeLength;
    const QString comment = lsf > 0
        ? QStringLiteral("　緊張時自由長 Lsf = %1 mm に対し、見かけのテンドン自由長は %2 mm（%3 %）となった。")
              .arg(formatNumber(lsf, "0"), formatNumber(a.ApparentFreeLength, "0"),
                  formatNumber(a.ApparentFreeLength / lsf * 100, "0.0"))
        : QString();
    c.pages.newPage();
    c.pages.place(forms::KK7_3,
        { { "shikiN", distributed ? QStringLiteral("× n（n：鋼線総数 %1 本）").arg(sets) : QString() },
            { "Derutae", twoDecimals(a.LastValidElastic) }, { "DerutaT", twoDecimals(a.LoadSpan) },
            { "Es", twoDecimals(a.Material.TendonModulus) }, { "As", twoDecimals(a.Material.TendonArea) },
            { "LDashsf", worked }, { "Comment", comment } });
}

QString methodSentence(const AnchorRecord& a)
{
    const UltimateChoice choice = storedUltimateChoice(a);
    switch (choice.method) {
    case UltimateMethod::PlannedMaxLoad:
        return QStringLiteral("　アンカーは計画最大荷重まで抜けなかったため、計画最大荷重を極限引抜き力とした。");
    case UltimateMethod::Intersection:
        return QStringLiteral(
            "　荷重－塑性変位量曲線において、点 %1～%2 と点 %3～%4 を通る２直線の交点の荷重を極限引抜き力とした。")
            .arg(choice.linePoints[0])
            .arg(choice.linePoints[1])
            .arg(choice.linePoints[2])
            .arg(choice.linePoints[3]);
    case UltimateMethod::BeforeBend:
        return QStringLiteral("　荷重－塑性変位量曲線が曲がる手前の点 %1 の荷重を極限引抜き力とした。")
            .arg(choice.bendPoint);
    case UltimateMethod::Entered:
        break;
    }
    return QStringLiteral("　アンカーが抜けきったため、そのときの荷重を極限引抜き力とした。");
}

void drawUltimatePullOut(const BasicChapterContext& c, const QString& number)
{
    const AnchorRecord& a = c.anchor;
    Fields f { { "syo", number + QStringLiteral("．アンカーの極限引抜き力") },
        { "Sakukou2", QString::number(a.DrillDiameter) }, { "AncTaityou2", QString::number(a.Tendon.AnchorLength) },
        { "Masatu2",
            a.DesignSkinFriction > 0
                ? QStringLiteral("（設計に用いた周面摩擦抵抗　τ = %1 N/mm2）").arg(twoDecimals(a.DesignSkinFriction))
                : QString() } };
    if (a.UltimatePullOutText.isEmpty()) {
        f.insert("HikinukiMoji1", QStringLiteral("　極限引抜き力の判定が行われていない。"));
    }
    else {
        const double tug = displayedNumber(a.UltimatePullOutText);
        f.insert("HikinukiMoji1", methodSentence(a));
        f.insert("HikinukiMoji2", QStringLiteral("　") + ultimatePullOutSentence(twoDecimals(tug)));
        f.insert("Hikinuki3", twoDecimals(tug));
        f.insert("Masatu", a.SkinFrictionText);
        f.insert("HikinukiMoji3", QStringLiteral("　") + skinFrictionSentence(a.SkinFrictionText));
    }
    c.pages.place(forms::KK7_4, f);
}

} // namespace

void drawResultsChapter(const BasicChapterContext& c)
{
    const QString& summary = c.inputs.summary;
    const int height = summaryHeight(summary);
    const forms::FormSpec& closing = isReportFamily(c.family) ? forms::KK7_Kekka : forms::KK7_Jyouken;
    c.pages.space(800);
    c.pages.makeRoom(height + c.pages.heightOf(closing));
    c.pages.place(forms::KK7, { { "Matome", summary } }, {}, height);
    c.pages.place(closing);
}

void drawReportResults(const BasicChapterContext& c)
{
    drawHeadDisplacement(c);
    drawFrictionLoss(c);
    if (showsApparentFreeLength(c.anchor)) {
        drawApparentFreeLength(c);
        c.pages.space(800);
        drawUltimatePullOut(c, QStringLiteral("７－４"));
    }
    else {
        c.pages.newPage();
        drawUltimatePullOut(c, QStringLiteral("７－３"));
    }
}

} // namespace tessaro
