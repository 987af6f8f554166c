#include "graphs/GraphPanel.h"

#include "evaluation/CycleEvaluation.h"
#include "model/NumberFormat.h"
#include "planning/AnchorParticulars.h"

namespace tessaro {

QString panelNumber(double value, bool available)
{
    if (!available || isMissing(value))
        return PanelMissingText;
    return formatNumber(value, QStringLiteral("#####0.00"));
}

QString judgementText(const AnchorRecord& evaluated)
{
    switch (evaluated.RangeVerdict) {
    case 0:
        return QStringLiteral("OK");
    case 1:
        return QStringLiteral("管理限界範囲外");
    default:
        return {};
    }
}

GraphPanelTexts graphPanelTexts(const AnchorRecord& a)
{
    // Anchor particulars that were never entered read as missing, as
    // do the displacements of an anchor that has no reading yet.
    auto entered = [](double v) { return panelNumber(v, v != 0); };
    bool measured = EvaluatedRowCount(a) > 0;
    GraphPanelTexts t;
    t.tendon = tendonKind(a).isEmpty() ? PanelMissingText : tendonKind(a);
    t.freeLength = entered(a.Tendon.TensionFreeLength);
    t.modulus = entered(a.Material.TendonModulus);
    t.yieldLoad = entered(a.TendonYieldLoad);
    t.area = entered(a.Material.TendonArea);
    t.theory = panelNumber(a.Evaluation.TheoryAtTp);
    t.upper = panelNumber(a.Evaluation.UpperAtTp);
    t.lower = panelNumber(a.Evaluation.LowerAtTp);
    t.elastic = panelNumber(a.Evaluation.LastElastic, measured);
    t.permanent = panelNumber(a.Evaluation.LastPermanent, measured);
    t.judgement = judgementText(a);
    return t;
}

} // namespace tessaro
