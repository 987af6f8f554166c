#include "documents/CreepSheets.h"

#include "documents/ChartPicture.h"
#include "documents/PrintModule.h"
#include "documents/ReportForms.h"
#include "evaluation/CreepTexts.h"
#include "evaluation/ResultsList.h"
#include "graphs/CreepCharts.h"
#include "graphs/GraphNames.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/AnchorParticulars.h"
#include "planning/TestKinds.h"

#include <algorithm>

namespace tessaro {
namespace {

using report::Fields;
using report::ReportEngine;

constexpr int SheetTop = 1000;

const QString Suitable = QStringLiteral("適性とする。");
const QString OutOfRange = QStringLiteral("範囲外とする。");
const QString NoJudgement = QStringLiteral("よって、判定は行わない。");

// Draws the template directly below the previous block; returns the next top.
int drawBlock(ReportEngine& engine, const forms::FormSpec& form, int top, const Fields& texts,
    const report::Pictures& pictures = {})
{
    engine.DrawForm(form.path(), top, texts, {}, pictures);
    const report::ReportTemplate* t = engine.form(form.path());
    return top + (t ? t->height : 0);
}

// The curve of anchor n for the sheet's image field "Graph".
report::Pictures curvePicture(int n, ChartData chart, const ChartFormat& format, QSize size)
{
    return { { QStringLiteral("Graph"), chartPicture(creepGraphName(n), std::move(chart), format, size) } };
}

Fields headFields(const Project& p, const AnchorRecord& a)
{
    return { { "Koujimei", p.Record.WorksName }, { "Shikenmei", documentTestName(p, &a) }, { "AncMeisyou", a.AnchorNo },
        { "TendonSyubetu", tendonKind(a) } };
}

QString numberOrEmpty(int no)
{
    return no > 0 ? QString::number(no) : QString();
}

QString valueOrEmpty(double v)
{
    return isMissing(v) ? QString() : creepValueText(v);
}

// Why a pair computes nothing.
QString notComputedReason(const CreepPair& pair)
{
    if (!pair.chosen)
        return QStringLiteral("測定時間が選択されていないため、計算できない。");
    if (isMissing(pair.sa) || isMissing(pair.sb))
        return QStringLiteral("変位量の測定されていない測定時間が選択されているため、計算できない。");
    return QStringLiteral("測定時間の経過時間が正しくないため、計算できない。");
}

// The times, displacements and time check of a pair under the given names
// (ta, tb, sa, sb in that order; the number fields first).
Fields pairFields(const CreepPair& pair, double minimumRatio, const QStringList& names)
{
    Fields f;
    f.insert(names[0], numberOrEmpty(pair.taNo));
    f.insert(names[1], numberOrEmpty(pair.tbNo));
    f.insert(names[2], pair.chosen ? QString::number(pair.ta) : QString());
    f.insert(names[3], pair.chosen ? QString::number(pair.tb) : QString());
    f.insert(names[4], valueOrEmpty(pair.sa));
    f.insert(names[5], valueOrEmpty(pair.sb));
    f.insert("Time", pair.computable && pair.times.ratioTested ? formatNumber(pair.times.ratio, "0.0") : QString());
    f.insert("TimeHantei", creepTimeSheetText(pair, minimumRatio));
    if (!pair.computable)
        f.insert("Kekka", notComputedReason(pair));
    else if (!pair.admissible())
        f.insert("Kekka", NoJudgement);
    return f;
}

int drawDisplacementBlock(ReportEngine& engine, const DisplacementJudgement& j, int top)
{
    Fields f = pairFields(j.pair, MinimumRatio, { "t1", "t2", "t1_Time", "t2_Time", "sa", "sb" });
    f.insert("t1_Time_2", f.value("t1_Time"));
    f.insert("t2_Time_2", f.value("t2_Time"));
    f.insert("shiki1", QStringLiteral("⊿s ＝ sb － sa"));
    if (!j.judged())
        return drawBlock(engine, forms::NewKuripuHeni1, top, f);
    f.insert("t1_Time_3", f.value("t1_Time"));
    f.insert("t2_Time_3", f.value("t2_Time"));
    f.insert("shiki2", creepValueText(j.pair.sb) + QStringLiteral(" － ") + creepValueText(j.pair.sa));
    f.insert("DerutaS_2", creepValueText(j.deltaS) + QStringLiteral(" mm"));
    f.insert("Heni", creepValueText(j.deltaS));
    f.insert("Keisuu1", creepValueText(j.limit));
    f.insert("AncHeniHantei", deltaSJudgementText(j));
    QString conclusion = OutOfRange;
    if (j.suitable())
        conclusion = Suitable;
    else if (j.byCoefficient)
        conclusion = QStringLiteral("試験時間を延長し、クリープ係数⊿cで判定する。");
    f.insert("Kekka", conclusion);
    return drawBlock(engine, forms::NewKuripuHeni1Ans, top, f);
}

int drawExtendedBlock(ReportEngine& engine, const DisplacementJudgement& j, int top)
{
    Fields f = pairFields(
        j.extended, MinimumRatioExtended, { "tadash_No", "tbdash_No", "tadash", "tbdash", "sadash", "sbdash" });
    if (!j.extendedJudged())
        return drawBlock(engine, forms::NewKuripuHeni2, top, f);
    const CreepPair& e = j.extended;
    f.insert("Bunshi", coefficientNumerator(e.sb, e.sa));
    f.insert("Bunbo", coefficientDenominator(e.tb, e.ta));
    f.insert("DerutaC", creepValueText(j.coefficient) + QStringLiteral(" mm"));
    f.insert("DerutaC_2", creepValueText(j.coefficient));
    f.insert("Keisuu2", creepValueText(j.extendedLimit));
    f.insert("CHantei", QStringLiteral("⊿c ＝ 　") + extendedJudgementText(j));
    f.insert("Kekka", j.extendedSuitable() ? Suitable : OutOfRange);
    return drawBlock(engine, forms::NewKuripuHeni2Ans, top, f);
}

QString stageSentence(const CoefficientJudgement& j)
{
    const QString load = formatNumber(j.holding.load, "0.00") + QStringLiteral("ｋN)");
    if (j.holdingChoice == 1)
        return QStringLiteral("クリープ係数を算出する荷重段階は、%1サイクル目の最大荷重時とする。(荷重：").arg(j.cycle)
            + load;
    return QStringLiteral("クリープ係数を算出する荷重段階は、計画最大荷重時とする。(荷重：") + load;
}

int drawConversionBlock(ReportEngine& engine, const CoefficientJudgement& j, int top)
{
    const Fields f { { "T1", QString::number(j.T1) }, { "T2", QString::number(j.T2) },
        { "Henkan", QStringLiteral("t2 = T2 - ( T1 - t1 ) = %1 - ( %2 - 1 ) = %3").arg(j.T2).arg(j.T1).arg(j.t2) },
        { "Kekka2", QStringLiteral("よって、t1 = 1 , t2 = %1").arg(j.t2) } };
    return drawBlock(engine, forms::Kuripuzu2, top, f);
}

int drawCoefficientBlock(ReportEngine& engine, const CoefficientJudgement& j, int top)
{
    const int section = j.converted ? 4 : 3;
    Fields f { { "Midashi", QStringLiteral("(%1) クリープ係数の算出").arg(section) },
        { "Midashi2", QStringLiteral("(%1) 判定").arg(section + 1) } };
    if (j.chosen) {
        f.insert("t1", QString::number(j.t1));
        f.insert("t2", QString::number(j.t2));
        f.insert("s1", valueOrEmpty(j.s1));
        f.insert("s2", valueOrEmpty(j.s2));
    }
    if (j.computable) {
        const bool out = j.out();
        f.insert("Bunshi", coefficientNumerator(j.s2, j.s1));
        f.insert("Bunbo", coefficientDenominator(j.t2, j.t1));
        f.insert("Keisuu", formatNumber(j.coefficient, "##0.00") + QStringLiteral(" mm"));
        f.insert("Hantei", coefficientComparisonText(j));
        f.insert("Kekka",
            out ? QStringLiteral("よって、判定基準を満足できないと判定する。")
                : QStringLiteral("よって、適性であると判定する。"));
    }
    return drawBlock(engine, forms::Kuripuzu3, top, f);
}

void startSheets(ReportEngine& engine, const forms::FormSpec& first)
{
    engine.setFormName(first.path());
    engine.setCharOverFlow(1);
    engine.Start();
}

// Draws the sheet of one anchor on the page begun, its blocks from SheetTop down.
void drawDisplacementSheet(ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor,
    const DisplacementJudgement& j, const ChartFormat& format)
{
    ChartData chart;
    drawCreepDisplacement(chart, j);
    int top = drawBlock(engine, forms::NewKuripuHeniTitle, SheetTop, headFields(p, anchor));
    top = drawBlock(
        engine, forms::NewKuripuHeniGraph, top, {}, curvePicture(n, std::move(chart), format, CreepGraphSize));
    top = drawDisplacementBlock(engine, j, top);
    if (j.byCoefficient)
        drawExtendedBlock(engine, j, top);
}

void drawCoefficientSheet(ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor,
    const CoefficientJudgement& j, bool chosenOnly, const ChartFormat& format)
{
    ChartData chart;
    drawCreepCurve(chart, j, chosenOnly);
    Fields head = headFields(p, anchor);
    head.insert("Dankai", stageSentence(j));
    head.insert("Hani",
        QStringLiteral("クリープ係数の算出は、クリープ量-時間曲線図（下図）のNo.%1～ No.%2の間で行う。")
            .arg(numberOrEmpty(j.t1No), numberOrEmpty(j.t2No)));
    int top = drawBlock(
        engine, forms::Kuripuzu, SheetTop, head, curvePicture(n, std::move(chart), format, CreepCoefficientGraphSize));
    if (j.converted && j.chosen)
        top = drawConversionBlock(engine, j, top);
    drawCoefficientBlock(engine, j, top);
}

} // namespace

const QString CreepNotComputedMessage
    = QStringLiteral("クリープ係数が計算されていません。値を入力してから印刷を行ってください。");

bool creepSheetComputed(const DisplacementJudgement& j)
{
    return j.pair.computable && (!j.byCoefficient || j.extended.computable);
}

bool PrintCreepDisplacementSheet(ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor,
    const DisplacementJudgement& j, const ChartFormat& format)
{
    startSheets(engine, forms::NewKuripuHeniTitle);
    engine.NewPage();
    drawDisplacementSheet(engine, p, n, anchor, j, format);
    return engine.End();
}

bool PrintCreepCoefficientSheet(ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor,
    const CoefficientJudgement& j, bool chosenOnly, const ChartFormat& format)
{
    startSheets(engine, forms::Kuripuzu);
    engine.NewPage();
    drawCoefficientSheet(engine, p, n, anchor, j, chosenOnly, format);
    return engine.End();
}

bool storedCreepSheetComputed(const Project& p, int n, const AnchorRecord& anchor)
{
    const CreepSettings settings = creepSettingsOf(p);
    const CreepSelection& s = creepSelectionOf(p, n);
    if (settings.edition == Edition2000)
        return JudgeCreepCoefficient(anchor, s, settings).computable;
    return creepSheetComputed(JudgeCreepDisplacement(anchor, s, settings));
}

void drawStoredCreepSheet(ReportEngine& engine, const Project& p, int n, const AnchorRecord& anchor)
{
    const CreepSettings settings = creepSettingsOf(p);
    const CreepSelection& s = creepSelectionOf(p, n);
    const ChartFormat format = designedCreepFormat();
    if (settings.edition == Edition2000)
        drawCoefficientSheet(
            engine, p, n, anchor, JudgeCreepCoefficient(anchor, s, settings), s.CoefChosenOnly != 0, format);
    else
        drawDisplacementSheet(engine, p, n, anchor, JudgeCreepDisplacement(anchor, s, settings), format);
}

bool PrintoutAllAnchorHeni(ReportEngine& engine, const Project& p, int first, int last)
{
    const int count = p.isBasic() ? 1 : std::min<int>(p.anchorCount(), int(p.Record.Anchors.size()));
    first = std::max(first, 1);
    last = std::min(last, count);
    startSheets(engine, forms::NewKuripuHeniTitle);
    for (int n = first; n <= last; ++n) {
        engine.NewPage();
        drawStoredCreepSheet(engine, p, n, p.isBasic() ? p.Record.WorkingAnchor : p.Record.Anchors[std::size_t(n - 1)]);
        PagePrint(engine, engine.MaxPage());
    }
    return engine.End();
}

} // namespace tessaro
