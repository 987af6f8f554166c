#pragma once
// The sentences of the creep evaluation as the windows show them and the creep
// sheets print them, built from the judgements of CreepEvaluation.h, so that
// window, sheet and results list always say the same.

#include "evaluation/CreepEvaluation.h"

#include <QString>

namespace tessaro {

// Numbers of the creep texts: displacements and values "0.00", 2000-edition
// limits "0.0", time ratios "0.0".
QString creepValueText(double value);
QString creepLimitText(double limit, int edition);

// The comparison sign of a judged value with its limit: under the 2012
// edition "≦" (within) or "＞", under the 2000 edition "＜" or "≧" (out).
QString creepSign(bool out, int edition);

// "tbが最大試験時間の最終点ではありません。"
extern const QString NotLastPointText;

// The time test of a pair as the windows show it: "tb / ta ＝ 3.0 ≧ 3.0 より、"
// (black), "tb / ta ＝ 2.9 ＜ 3.0 となり、規定の計測時間ではありません。" or the
// last-point text (red); empty for an admissible confirmation test and for a
// pair that computes nothing. The sheets print the same with "=".
QString creepTimeText(const CreepPair& pair, double minimumRatio);
QString creepTimeSheetText(const CreepPair& pair, double minimumRatio);
// The time text is a warning (red): the pair computes but is not admissible.
bool creepTimeWarns(const CreepPair& pair);

// "⊿s ＝ 　sb － sa", followed by " 　＝ 　1.55 － 1.20 　＝  0.35 mm" when judged.
QString deltaSFormulaText(const DisplacementJudgement& j);
// "⊿s ＝ 　0.35  ≦ 0.50 mm より、適性である。", "… ＞ 0.50 mm なので、試験時間を
// 延長し、クリープ係数⊿cで判定する。" or "… ＞ 0.50 mm より、範囲外とする。";
// empty when not judged.
QString deltaSJudgementText(const DisplacementJudgement& j);
// The extended test: "1.16 ≦ 2.00 mm より、適性である。" or "2.50  ＞ 2.00 mm
// より、範囲外とする。"; empty when not judged.
QString extendedJudgementText(const DisplacementJudgement& j);

// The fraction of a creep coefficient: numerator "2.40 - 1.50", denominator
// "log ( 60 / 10 )".
QString coefficientNumerator(double s2, double s1);
QString coefficientDenominator(int t2, int t1);

// The creep-coefficient window's verdict under "⊿ｃ　＝　": "1.16 ≦ 2.00 mm 判定は
// OK" (2012) or "0.95  ＜ 1.0 mm 判定は OK", "1.00  ≧ 1.0 mm 判定は 範囲外"
// (2000); empty when nothing was computed.
QString coefficientVerdictText(const CoefficientJudgement& j);

// The sheet's comparison: "⊿c ＝ 0.41 ＜ 1.0 mm"; empty when nothing was computed.
QString coefficientComparisonText(const CoefficientJudgement& j);

// Results list: "判定タイプ" ("アンカーの変位量" or "クリープ係数") and the
// comparison "0.35 ≦ 0.50" (2000 edition: "0.95 ＜ 1.0"); empty when nothing
// was judged.
QString creepTypeText(const CreepSummary& s);
QString creepComparedText(const CreepSummary& s);
// The sign and limit of the comparison alone: "≦ 0.50".
QString creepLimitComparison(const CreepSummary& s);

} // namespace tessaro
