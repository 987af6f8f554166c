#include "documents/PlanReportTexts.h"

#include "model/AnchorRecord.h"
#include "model/NumberFormat.h"
#include "planning/TestKinds.h"
#include "planning/basKajyuu.h"

namespace tessaro {
namespace {

const QString Load = QStringLiteral("#####0.00");

} // namespace

QString planReportTitle(DocumentFamily family)
{
    const QString test = isBasicFamily(family) ? QStringLiteral("基本調査試験") : QStringLiteral("品質保証試験");
    return test + (isReportFamily(family) ? QStringLiteral("報告書") : QStringLiteral("計画書"));
}

QString decisionEnding(DocumentFamily family)
{
    return isReportFamily(family) ? QStringLiteral("とした。") : QStringLiteral("とする。");
}

QString actionEnding(DocumentFamily family)
{
    return isReportFamily(family) ? QStringLiteral("した。") : QStringLiteral("する。");
}

std::array<QString, 2> coverContractorLines(
    const QString& primeContractor, const QString& subcontractor, bool subcontractorShown)
{
    if (!subcontractorShown)
        return { primeContractor, QString() };
    return { QStringLiteral("元請  ") + primeContractor, QStringLiteral("下請  ") + subcontractor };
}

QString generalRulesSentence(const QString& title, const QString& worksName, const QString& testName)
{
    return QStringLiteral("　本") + title + QStringLiteral("は、「") + worksName
        + QStringLiteral("」のうち、アンカー工の") + testName + QStringLiteral("の実施について述べたものである。");
}

QString drillingMachineSentence(const QString& machine, DocumentFamily family)
{
    return QStringLiteral("削孔機械は本施工では、") + machine + QStringLiteral("での施工") + decisionEnding(family);
}

const std::array<QString, 7>& workStepCaptions()
{
    static const std::array<QString, 7> captions { QStringLiteral("（１）　試験位置の確認"),
        QStringLiteral("（２）　足場仮設"), QStringLiteral("（３）　削孔"), QStringLiteral("（４）　テンドンの加工"),
        QStringLiteral("（５）　テンドンの挿入"), QStringLiteral("（６）　注入"), QStringLiteral("（７）　養生") };
    return captions;
}

const std::array<QString, 3>& jackItemCaptions()
{
    static const std::array<QString, 3> captions { QStringLiteral("（１）ジャッキのセット"),
        QStringLiteral("（２）測定器の取り付け"), QStringLiteral("（３）油圧器の調整") };
    return captions;
}

QString tendonLimitSentence(const QString& tendon, double yieldLoad)
{
    return QStringLiteral("試験用のテンドン") + tendon + QStringLiteral(" を採用する。その降伏荷重は　")
        + formatNumber(yieldLoad, Load).trimmed() + QStringLiteral(" kNであるため、")
        + QStringLiteral("計画最大荷重（Tp）は次式で算出される値（テンドン許容荷重）以下でなければならない。");
}

QString tendonLimitFormula(const AnchorRecord& a)
{
    const QString tys = formatNumber(double(a.TendonYieldLoad), "0.00");
    const QString limit = formatNumber(TendonLimit(a), "0.00") + QStringLiteral(" kN");
    if (productClass(a.Tendon.AnchorTypeName) < 1)
        return QStringLiteral("Tp ≦ 0.9 × Tys\n　 = 0.9 × ") + tys + QStringLiteral(" = ") + limit;
    const QString alpha = formatNumber(double(a.Material.ReductionCoefficient), "0.00");
    return QStringLiteral("Tp ≦ 0.9 × Tys × α   ※α：低減係数 = ") + alpha + QStringLiteral("\n　 = 0.9 × ") + tys
        + QStringLiteral(" × ") + alpha + QStringLiteral(" = ") + limit;
}

QString initialLoadFormula(double plannedMaxLoad)
{
    return QStringLiteral("初期荷重　=　") + formatNumber(plannedMaxLoad, "0.00") + QStringLiteral(" (kN) ×　0.1 ");
}

QString initialLoadResult(double plannedMaxLoad, double initialLoad)
{
    return QStringLiteral("          =　") + formatNumber(plannedMaxLoad * 0.1, "0.00") + QStringLiteral(" (kN)  → ")
        + formatNumber(initialLoad, "0.00") + QStringLiteral(" (kN)");
}

QString initialLoadSentence(double initialLoad, DocumentFamily family)
{
    return QStringLiteral("よって、現場の状況を考慮した上、初期荷重は ") + formatNumber(initialLoad, "0.00")
        + QStringLiteral(" kN ") + decisionEnding(family);
}

QString cycleCountSentence(int cycles, DocumentFamily family)
{
    return QStringLiteral("計画最大荷重に対して5サイクル以上とするのが一般的であり、今回の場合は、")
        + QString::number(cycles) + QStringLiteral("サイクルと") + actionEnding(family);
}

QString ultimatePullOutSentence(const QString& tug)
{
    return QStringLiteral("アンカーの極限引抜き力は") + tug + QStringLiteral("kN と判定した。");
}

QString skinFrictionSentence(const QString& skinFriction)
{
    return QStringLiteral("周面摩擦抵抗は") + skinFriction + QStringLiteral("N/mm2 となる。");
}

} // namespace tessaro
