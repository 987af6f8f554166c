#include "evaluation/JudgementReferenceTexts.h"

namespace tessaro {

ReferenceText finalJudgementReference()
{
    return { QStringLiteral("最終判定の目安"),
        QStringLiteral("技術者最終判定の目安\n\n"
                       "試験の結果から、次の点を確かめて供用の可否を判定します。\n\n"
                       "1. 計画最大荷重まで載荷して、アンカーに引抜けや急な変位の増加がないこと。\n"
                       "   設計アンカー力に対して安全を満たさない場合は供用しません。\n\n"
                       "2. 各サイクルの弾性変位量が、理論弾性伸び量から求めた上限値と下限値の間にあること。\n"
                       "   上限値・下限値の倍率は［設定］の［弾性変位量の許容範囲］で、判定するサイクルは\n"
                       "   ［弾性変位量の判定範囲］で設定します。自動判定はこの範囲で行われます。\n\n"
                       "3. 荷重保持中の変位量（クリープ）が、選択した基準書の判定値以下であること。\n"
                       "   判定値は［基準書の選択］で確認・変更できます。\n\n"
                       "判定基準を文章で残す場合は「判定基準入力可」の項目を選び、60文字以内で入力します。\n"
                       "入力した文章は報告書に印刷され、次回から一覧で選べます（最近の5件）。") };
}

ReferenceText ultimatePullOutReference()
{
    return { QStringLiteral("極限引抜き力の求め方"),
        QStringLiteral(
            "極限引抜き力 Tug の求め方\n\n"
            "荷重-塑性変位量曲線の点（点1は初期荷重、点2以降は各サイクルの最大荷重と塑性変位量）から、"
            "試験の結果に合う方法を選びます。\n\n"
            "・アンカーが抜けなかった場合\n"
            "　計画最大荷重 Tp まで引抜けなかったときは、Tp を極限引抜き力とします（実際の値は Tp 以上）。\n\n"
            "・２直線の交点とする場合\n"
            "　曲線の立ち上がり部分と、塑性変位量が急に増え始めた部分に、それぞれ2点を選んで直線を引き、"
            "その交点の荷重を極限引抜き力とします。\n\n"
            "・曲がる手前の荷重とする場合\n"
            "　曲線が折れ曲がる直前の点の荷重を極限引抜き力とします。\n\n"
            "・抜けきった場合\n"
            "　アンカーが引抜けたときの最大荷重を入力します。\n\n"
            "周面摩擦抵抗 τ は、極限引抜き力をアンカー体の周面積で割って求めます。\n"
            "　τ ＝ Tug × 1000 ／（D × π × La）　(N/mm2、小数第3位以下切り捨て)\n"
            "　D：削孔径 (mm)　La：アンカー体長 (mm)") };
}

ReferenceValueTable bondStressReference()
{
    ReferenceValueTable t;
    t.title = QStringLiteral("付着応力度の参考値");
    t.heading = QStringLiteral("テンドンの種類とグラウト強度ごとの付着応力度 (N/mm2)");
    t.columns = { QStringLiteral("グラウト強度\n24 N/mm2"), QStringLiteral("グラウト強度\n30 N/mm2"),
        QStringLiteral("グラウト強度\n40 N/mm2 以上") };
    t.rows = { { QStringLiteral("PC鋼線・PC鋼より線・多重PC鋼より線"), { 0.8, 0.9, 1.0 } },
        { QStringLiteral("異形PC鋼棒"), { 1.6, 1.8, 2.0 } } };
    t.format = QStringLiteral("0.00");
    t.note = QStringLiteral("表の値は、設計・施工基準に示されるテンドンの許容付着応力度です。"
                            "製品の付着試験などで極限付着応力度が分かっている場合は、その値を入力してください。\n"
                            "値を選んで［選択］を押すと、極限付着応力度の欄に入ります。");
    return t;
}

} // namespace tessaro
