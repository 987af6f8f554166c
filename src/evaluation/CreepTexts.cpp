#include "evaluation/CreepTexts.h"

#include "model/NumberFormat.h"
#include "planning/TestKinds.h"

namespace tessaro {
namespace {

QString ratioText(double ratio)
{
    return formatNumber(ratio, "0.0");
}

QString minimumText(double minimumRatio)
{
    return formatNumber(minimumRatio, "0.0");
}

// The time test with the given equals sign ("＝" in windows, "=" on sheets).
QString timeText(const CreepPair& pair, double minimumRatio, const QString& equals)
{
    if (!pair.computable)
        return {};
    const CreepTimes& t = pair.times;
    const QString head = QStringLiteral("tb / ta ") + equals + " " + ratioText(t.ratio);
    switch (t.check) {
    case CreepTimeCheck::RatioTooSmall:
        return head + QStringLiteral(" ＜ ") + minimumText(minimumRatio)
            + QStringLiteral(" となり、規定の計測時間ではありません。");
    case CreepTimeCheck::NotLastPoint:
        return NotLastPointText;
    case CreepTimeCheck::Admissible:
        break;
    }
    return t.ratioTested ? head + QStringLiteral(" ≧ ") + minimumText(minimumRatio) + QStringLiteral(" より、")
                         : QString();
}

} // namespace

QString creepSign(bool out, int edition)
{
    if (edition == Edition2000)
        return out ? QStringLiteral("≧") : QStringLiteral("＜");
    return out ? QStringLiteral("＞") : QStringLiteral("≦");
}

const QString NotLastPointText = QStringLiteral("tbが最大試験時間の最終点ではありません。");

QString creepValueText(double value)
{
    return formatNumber(value, "0.00");
}

QString creepLimitText(double limit, int edition)
{
    return formatNumber(limit, edition == Edition2000 ? "0.0" : "0.00");
}

QString creepTimeText(const CreepPair& pair, double minimumRatio)
{
    return timeText(pair, minimumRatio, QStringLiteral("＝"));
}

QString creepTimeSheetText(const CreepPair& pair, double minimumRatio)
{
    return timeText(pair, minimumRatio, QStringLiteral("="));
}

bool creepTimeWarns(const CreepPair& pair)
{
    return pair.computable && !pair.admissible();
}

QString deltaSFormulaText(const DisplacementJudgement& j)
{
    const QString formula = QStringLiteral("⊿s ＝ 　sb － sa");
    if (!j.judged())
        return formula;
    return formula + QStringLiteral(" 　＝ 　") + creepValueText(j.pair.sb) + QStringLiteral(" － ")
        + creepValueText(j.pair.sa) + QStringLiteral(" 　＝  ") + creepValueText(j.deltaS) + QStringLiteral(" mm");
}

QString deltaSJudgementText(const DisplacementJudgement& j)
{
    if (!j.judged())
        return {};
    const QString head = QStringLiteral("⊿s ＝ 　") + creepValueText(j.deltaS);
    const QString limit = creepValueText(j.limit) + QStringLiteral(" mm ");
    if (j.suitable())
        return head + QStringLiteral("  ≦ ") + limit + QStringLiteral("より、適性である。");
    if (j.byCoefficient)
        return head + QStringLiteral("  ＞ ") + limit
            + QStringLiteral("なので、試験時間を延長し、クリープ係数⊿cで判定する。");
    return head + QStringLiteral("  ＞ ") + limit + QStringLiteral("より、範囲外とする。");
}

QString extendedJudgementText(const DisplacementJudgement& j)
{
    if (!j.extendedJudged())
        return {};
    const QString limit = creepValueText(j.extendedLimit) + QStringLiteral(" mm ");
    if (j.extendedSuitable())
        return creepValueText(j.coefficient) + QStringLiteral(" ≦ ") + limit + QStringLiteral("より、適性である。");
    return creepValueText(j.coefficient) + QStringLiteral("  ＞ ") + limit + QStringLiteral("より、範囲外とする。");
}

QString coefficientNumerator(double s2, double s1)
{
    return creepValueText(s2) + QStringLiteral(" - ") + creepValueText(s1);
}

QString coefficientDenominator(int t2, int t1)
{
    return QStringLiteral("log ( %1 / %2 )").arg(t2).arg(t1);
}

QString coefficientVerdictText(const CoefficientJudgement& j)
{
    if (!j.computable)
        return {};
    // The window sets every sign but the 2012 edition's "≦" two blanks off.
    const bool out = j.out();
    const QString gap = j.edition == Edition2000 || out ? QStringLiteral("  ") : QStringLiteral(" ");
    return formatNumber(j.coefficient, "##0.00") + gap + creepSign(out, j.edition) + " "
        + creepLimitText(j.limit, j.edition)
        + (out ? QStringLiteral(" mm 判定は 範囲外") : QStringLiteral(" mm 判定は OK"));
}

QString coefficientComparisonText(const CoefficientJudgement& j)
{
    if (!j.computable)
        return {};
    return QStringLiteral("⊿c ＝ ") + formatNumber(j.coefficient, "##0.00") + " " + creepSign(j.out(), j.edition) + " "
        + creepLimitText(j.limit, j.edition) + QStringLiteral(" mm");
}

QString creepTypeText(const CreepSummary& s)
{
    return s.byCoefficient ? QStringLiteral("クリープ係数") : QStringLiteral("アンカーの変位量");
}

QString creepLimitComparison(const CreepSummary& s)
{
    if (s.verdict == CreepVerdict::Undecidable)
        return {};
    return creepSign(s.verdict == CreepVerdict::Out, s.edition) + " " + creepLimitText(s.limit, s.edition);
}

QString creepComparedText(const CreepSummary& s)
{
    if (s.verdict == CreepVerdict::Undecidable)
        return {};
    return creepValueText(s.compared) + " " + creepLimitComparison(s);
}

} // namespace tessaro
