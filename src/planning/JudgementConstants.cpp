#include "planning/JudgementConstants.h"

#include "model/ProjectRecord.h"

namespace tessaro {

JudgementConstants judgementConstants(const Project& p)
{
    const ProjectSettings& s = p.Settings;
    return {s.StandardEdition, s.CreepJudgeValues, s.CreepJudgeExtend, s.TpLimitCoefA, s.TpLimitCoefB};
}

void storeJudgementConstants(Project& p, const JudgementConstants& c)
{
    ProjectSettings& s = p.Settings;
    s.StandardEdition = std::int16_t(c.edition == 0 ? 0 : 1);
    s.CreepJudgeValues = c.creep;
    s.CreepJudgeExtend = c.creepExtend;
    s.TpLimitCoefA = c.tpCoefA;
    s.TpLimitCoefB = c.tpCoefB;
}

QString creepReferenceText2000()
{
    return QStringLiteral(
        "クリープ係数の判定　（平成12年3月23日改定）\n\n"
        "荷重保持中の頭部変位量からクリープ係数⊿ｃを求め、判定値未満であることを確認します。\n\n"
        "　⊿ｃ ＝ (S2 − S1) ／ log(t2 ／ t1)\n"
        "　　S1, S2：経過時間 t1, t2 における頭部変位量 (mm)\n\n"
        "判定値の初期値は 1.00 mm です。");
}

QString creepReferenceText2012()
{
    return QStringLiteral(
        "クリープの判定　（平成24年5月31日改定）\n\n"
        "(1) 通常の試験時間\n"
        "　荷重保持時間内の頭部変位量⊿sが、試験の種類と定着地盤に応じた判定値以下であることを確認します。\n"
        "　初期値：適性試験　粘性土 0.50 mm、砂質土・岩盤 0.50 mm\n"
        "　　　　　確認試験　粘性土 0.25 mm、砂質土・岩盤 0.20 mm\n\n"
        "(2) 試験時間を延長した場合\n"
        "　延長した荷重保持時間から求めるクリープ係数⊿ｃが判定値以下であることを確認します。\n"
        "　初期値：2.00 mm");
}

QString loadLimitReferenceText()
{
    return QStringLiteral(
        "計画最大荷重の制限　（平成24年5月31日改定）\n\n"
        "計画最大荷重Tpの制限値は、設計アンカー力Tdに供用期間のランクに応じた係数を乗じて求めます。\n"
        "　ランクＡ ： 係数 × Td　（係数の初期値 1.25）\n"
        "　ランクＢ ： 係数 × Td　（係数の初期値 1.10）\n\n"
        "計画最大荷重は、テンドンの降伏荷重Tysの 0.9 倍を超えない範囲で設定します。\n"
        "Td：設計アンカー力");
}

QStringList loadLimitLines2000()
{
    return {QStringLiteral("<1サイクル確認試験>"),
            QStringLiteral("   永久 ：1.2Td(常時)≦TpかつTd(地震時)≦Tp"),
            QStringLiteral("   仮設 ：1.1Td≦Tp"),
            QStringLiteral("<多サイクル確認試験>"),
            QStringLiteral("   永久 ：1.2Td(常時)≦Tp≦1.5Td(常時)"),
            QStringLiteral("          Tp＝Td(地震時)のうち大なる荷重"),
            QStringLiteral("   仮設 ：1.1Td≦Tp≦1.2Td")};
}

QString loadLimitReferenceText2000()
{
    return QStringLiteral("計画最大荷重の制限　（平成12年3月23日改定）\n\n") + loadLimitLines2000().join('\n')
        + QStringLiteral("\n\n計画最大荷重は、テンドンの降伏荷重Tysの 0.9 倍を超えない範囲で設定します。\n"
                         "Td：設計アンカー力");
}

} // namespace tessaro
