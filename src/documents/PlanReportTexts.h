#pragma once
// Sentences of the plan and report documents. A plan and the report of the
// same test say the same things and differ in their sentence endings: what the
// plan says will be done ("とする。", "する。"), the report says was done
// ("とした。", "した。").

#include "documents/DocumentFamily.h"

#include <QString>
#include <array>

namespace tessaro {

struct AnchorRecord;

// "基本調査試験計画書", "基本調査試験報告書", "品質保証試験計画書", "品質保証試験報告書".
QString planReportTitle(DocumentFamily family);

// "とする。" in a plan, "とした。" in a report.
QString decisionEnding(DocumentFamily family);
// "する。" in a plan, "した。" in a report.
QString actionEnding(DocumentFamily family);

// The contractor lines of the cover: with the subcontractor item shown,
// "元請  " + prime contractor and "下請  " + subcontractor; otherwise the prime
// contractor alone and an empty second line.
std::array<QString, 2> coverContractorLines(
    const QString& primeContractor, const QString& subcontractor, bool subcontractorShown);

// "　本" + title + "は、「" + works name + "」のうち、アンカー工の" + test name +
// "の実施について述べたものである。"
QString generalRulesSentence(const QString& title, const QString& worksName, const QString& testName);

// "削孔機械は本施工では、" + machine + "での施工とする。" ("とした。" in a report).
QString drillingMachineSentence(const QString& machine, DocumentFamily family);

// The work steps of the construction method: "（１）　試験位置の確認" … "（７）　養生".
const std::array<QString, 7>& workStepCaptions();
// The jack page's items: "（１）ジャッキのセット", "（２）測定器の取り付け", "（３）油圧器の調整".
const std::array<QString, 3>& jackItemCaptions();

// Load plan (chapter 5) of a pull-out test.
inline const QString PlannedLoadLead = QStringLiteral(
    "　設計に用いた周面摩擦抵抗値から逆算したアンカー力より、10～20%大きめの荷重を計画最大荷重とするが、");
inline const QString PlannedLoadSafety
    = QStringLiteral("試験の安全性を確保するため、計画最大荷重はテンドン降伏引張力の0.9倍以下にしなければならない。");
// "試験用のテンドン" + tendon + " を採用する。その降伏荷重は　" + Tys + " kNであるため、"
// + "計画最大荷重（Tp）は次式で算出される値（テンドン許容荷重）以下でなければならない。"
QString tendonLimitSentence(const QString& tendon, double yieldLoad);
// The tendon limit in two lines, "Tp ≦ 0.9 × Tys" and "　 = 0.9 × 500.00 =
// 450.00 kN"; for a product with a reduction factor "Tp ≦ 0.9 × Tys × α   ※α：
// 低減係数 = 0.90" and "　 = 0.9 × 500.00 × 0.90 = 405.00 kN".
QString tendonLimitFormula(const AnchorRecord& anchor);
// Initial load: the standard, T0 = 0.1 Tp worked out, and the load chosen.
inline const QString InitialLoadStandard = QStringLiteral("初期荷重は、計画最大荷重の0.1倍が標準とされている。");
QString initialLoadFormula(double plannedMaxLoad); // "初期荷重　=　" + Tp + " (kN) ×　0.1 "
QString initialLoadResult(double plannedMaxLoad, double initialLoad); // "          =　" + … + " (kN)"
QString initialLoadSentence(double initialLoad, DocumentFamily family);
inline const QString LoadDistributionInitialLoadNote = QStringLiteral("※ 6－3参照");
// "計画最大荷重に対して5サイクル以上とするのが一般的であり、今回の場合は、" + n + "サイクルと" + "する。"/"した。"
QString cycleCountSentence(int cycles, DocumentFamily family);

// The report's ultimate pull-out force and skin friction, from their texts as
// the judgement stored them: "アンカーの極限引抜き力は" + Tug + "kN と判定した。",
// "周面摩擦抵抗は" + τ + "N/mm2 となる。".
QString ultimatePullOutSentence(const QString& tug);
QString skinFrictionSentence(const QString& skinFriction);

} // namespace tessaro
