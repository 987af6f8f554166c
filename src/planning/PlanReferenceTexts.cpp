#include "planning/PlanReferenceTexts.h"

#include "planning/JudgementConstants.h"
#include "planning/TestKinds.h"

namespace tessaro {

ReferenceText initialLoadReference(int testCategory, int edition)
{
    QString text = QStringLiteral("初期荷重の参考値　（") + editionText(edition) + QStringLiteral("）\n\n")
        + QStringLiteral("初期荷重T0は、計画最大荷重Tpの 0.1 倍程度を目安とします。\n"
                         "　T0 ≒ 0.1 × Tp\n\n"
                         "荷重分散型アンカーでは、各耐荷体のテンドンに荷重を均等に分担させるため、"
                         "算出した最終折点荷重（ディファレンシャルプーリングヘッドで緊張する場合は最終差動荷重）"
                         "以上の初期荷重とします。差動荷重で緊張する場合の目安は 0.2 × Tp です。");
    if (testCategory == 0)
        text += QStringLiteral("\n\n基本調査試験（引抜き試験）でも、同じ考え方で初期荷重を設定します。");
    return { QStringLiteral("初期荷重の参考値"), text };
}

ReferenceText plannedMaxLoadReference(int testCategory, int edition)
{
    const QString title = QStringLiteral("計画最大荷重の制限");
    if (testCategory == 0)
        return { title,
            QStringLiteral("計画最大荷重の制限　（基本調査試験）\n\n"
                           "引抜き試験の計画最大荷重Tpは、想定する極限引抜き力Tug以上とし、"
                           "テンドンの降伏荷重Tysの 0.9 倍を超えない範囲で設定します。\n"
                           "　Tug ≦ Tp ≦ 0.9 × Tys\n"
                           "（係数αを用いる製品では 0.9 × Tys × α）") };
    return { title, edition == Edition2000 ? loadLimitReferenceText2000() : loadLimitReferenceText() };
}

} // namespace tessaro
