#include "documents/FrictionLossSheet.h"

#include "documents/ChartPicture.h"
#include "documents/GraphSheets.h"
#include "documents/ReportForms.h"
#include "evaluation/FrictionLoss.h"
#include "evaluation/FrictionLossTexts.h"
#include "graphs/FrictionLossChart.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"

#include <cmath>

namespace tessaro {
namespace {

using report::Fields;

const QString Minus = QStringLiteral(" − ");

// A number inside a formula; a negative one in parentheses.
QString term(double value, const char* pattern)
{
    const QString text = formatNumber(value, QString::fromLatin1(pattern));
    return value < 0 ? "(" + text + ")" : text;
}

QString twoDecimals(double value)
{
    return term(value, "0.00");
}

QString coefficient(double value)
{
    return term(value, "0.0000");
}

// "δe = 0.0400 × T − 2.0000"
QString lineEquation(const ElasticLineResult& line)
{
    const QString sign = line.intercept < 0 ? Minus : QStringLiteral(" + ");
    return QStringLiteral("δe = ") + coefficient(line.slope) + QStringLiteral(" × T") + sign
        + formatNumber(std::abs(line.intercept), QStringLiteral("0.0000"));
}

// The intersection load and the loss worked out from it, common to both ways.
void addLoss(Fields& f, const AnchorRecord& a)
{
    f.insert("Masatu1", formatNumber(a.InterceptLoad, "0.00"));
    f.insert("Masatu2", interceptLessInitialLoad(a));
    f.insert("Masatu3", formatNumber(a.InterceptShift, "0.00"));
}

} // namespace

bool frictionSheetReady(const AnchorRecord& a)
{
    const int points = frictionPointCount(a);
    if (!frictionLossChosen(a) || points == 0)
        return false;
    return a.UseGivenIntercept || (a.PointA <= points && a.PointB <= points && chosenElasticLine(a).slope != 0);
}

Fields frictionLossHeadFields(const Project& p, const AnchorRecord& a)
{
    const Fields sheet = graphSheetFields(p, a);
    Fields f;
    for (const char* name :
        { "Koujimei", "AncMeisyou", "TendonSyubetu", "Jiyuutyou", "Anctaityou", "Keisuu", "Danmenseki" })
        f.insert(name, sheet.value(name));
    f.insert("Syoki", graphSheetNumber(a.Plan.InitialLoad));
    f.insert("Saidai", graphSheetNumber(a.Plan.PlannedMaxLoad));
    f.insert("Masatu", formatNumber(a.InterceptShift, "#####0.00"));
    return f;
}

Fields givenInterceptFields(const AnchorRecord& a)
{
    Fields f { { "Heni", formatNumber(a.LastValidElastic, "0.00") } };
    addLoss(f, a);
    return f;
}

Fields twoPointFields(const AnchorRecord& a)
{
    const FrictionPoint pa = frictionPoint(a, a.PointA);
    const FrictionPoint pb = frictionPoint(a, a.PointB);
    const ElasticLineResult line = chosenElasticLine(a);
    auto pointText = [](const QString& name, const FrictionPoint& p) {
        return QStringLiteral("T%1 = %2 kN　　δ%1 = %3 mm").arg(name, twoDecimals(p.load), twoDecimals(p.elastic));
    };
    Fields f {
        { "Points",
            QStringLiteral("点番号 %1 と %2 の２点を結ぶ直線を延長し、荷重軸（δe = 0）との交点荷重 Tx を求める。")
                .arg(int(a.PointA))
                .arg(int(a.PointB)) },
        { "Point1title", QStringLiteral("点A（点番号 %1）").arg(int(a.PointA)) },
        { "Point2title", QStringLiteral("点B（点番号 %1）").arg(int(a.PointB)) },
        { "Point1Shiki", pointText("A", pa) },
        { "Point2Shiki", pointText("B", pb) },
        { "Heni1",
            "(" + twoDecimals(pb.elastic) + Minus + twoDecimals(pa.elastic) + ") / (" + twoDecimals(pb.load) + Minus
                + twoDecimals(pa.load) + ")" },
        { "Heni2", formatNumber(line.slope, "0.0000") },
        { "Heni3",
            twoDecimals(pa.elastic) + Minus + twoDecimals(pa.load) + QStringLiteral(" × ") + coefficient(line.slope) },
        { "Heni4", formatNumber(line.intercept, "0.0000") },
        { "ABAns", lineEquation(line) },
        { "Line", coefficient(-line.intercept) + " / " + coefficient(line.slope) },
    };
    addLoss(f, a);
    return f;
}

bool PrintMasatusonshitu(report::ReportEngine& engine, const Project& p, const AnchorRecord& a, const ChartFormat& format)
{
    const QString head = forms::Masatusonshitu.path();
    engine.setFormName(head);
    engine.setCharOverFlow(1);
    engine.Start();
    ChartData chart;
    drawFrictionLossChart(chart, a);
    engine.DrawForm(head, 0, frictionLossHeadFields(p, a), {},
        { { QStringLiteral("Graph"), chartPicture(QStringLiteral("摩擦損失"), chart, format, FrictionLossGraphSize) } });
    // The working goes directly below the head.
    const report::ReportTemplate* drawn = engine.form(head);
    const int top = drawn ? drawn->height : 0;
    if (a.UseGivenIntercept)
        engine.DrawForm(forms::MasatusonshituShitei.path(), top, givenInterceptFields(a));
    else
        engine.DrawForm(forms::Masatusonshitu2point.path(), top, twoPointFields(a));
    return engine.End();
}

} // namespace tessaro
