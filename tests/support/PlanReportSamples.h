#pragma once
// A worked basic investigation for the plan and report tests: the six-cycle
// pull-out test of MeasuredAnchors.h with the particulars of a pull-out test
// (D 135 mm, La 6000 mm, design τ 0.30 N/mm2), the friction-loss line through
// points 2 and 7, the ultimate pull-out force taken as Tp, and the wizard's
// texts of both documents.

#include "documents/DocumentInputs.h"
#include "evaluation/CycleEvaluation.h"
#include "evaluation/UltimatePullOut.h"
#include "model/basMainData.h"
#include "support/MeasuredAnchors.h"

namespace tessaro::test {

inline DocumentInputs sampleDocumentInputs(bool report)
{
    DocumentInputs in;
    in.outline = { QStringLiteral("○○川護岸補強工事"), QStringLiteral("○○県○○市○○町地内"),
        QStringLiteral("2024年4月1日～2025年3月31日"), QStringLiteral("○○建設株式会社"), QStringLiteral("山田 太郎"),
        QStringLiteral("護岸の補強に用いるグラウンドアンカーの設計値を確認する。"),
        QStringLiteral("△△基礎工業株式会社"), QStringLiteral("鈴木 一郎"),
        QStringLiteral("グラウンドアンカー設計・施工基準、同解説"), QStringLiteral("Tessaro") };
    in.date = QStringLiteral("2024年05月20日");
    in.worksNameOnCover = true;
    in.subcontractorShown = true;
    in.jack = { QStringLiteral("反力板を据え付け、センターホールジャッキをテンドンの軸線に合わせてセットする。"),
        QStringLiteral("変位計を基準ばりに取り付ける。"), QStringLiteral("油圧ポンプと圧力計をジャッキに接続する。") };
    in.summary = report ? QStringLiteral("計画最大荷重まで載荷したが、アンカーは引き抜けなかった。")
                        : QStringLiteral("試験結果を整理し、極限引抜き力を判定する。");
    in.boreDiameter = 135;
    in.drillingAngle = QStringLiteral("45.00");
    in.tendonName = QStringLiteral("摩擦引張型アンカー E5-7");
    in.tendonDescription = QStringLiteral("PC鋼より線 7本より 12.7mm を4本束ねたテンドン。");
    in.groutingMethod = QStringLiteral("孔底注入方式");
    in.machine = QStringLiteral("ロータリーパーカッションドリル");
    in.tendon = QStringLiteral("PC鋼より線 SWPR7BL");
    in.ratio = QStringLiteral("4本");
    in.groutMaterial = QStringLiteral("普通ポルトランドセメント");
    in.mix = QStringLiteral("水セメント比 W/C = 50 %");
    in.mixTable[0] = { QStringLiteral("セメント"), QStringLiteral("普通ポルトランドセメント"),
        QStringLiteral("1220 kg"), QStringLiteral("25 kg") };
    in.mixTable[1]
        = { QStringLiteral("水"), QStringLiteral("上水道水"), QStringLiteral("610 L"), QStringLiteral("12.5 L") };
    for (std::size_t i = 0; i < in.steps.size(); ++i)
        in.steps[i] = QStringLiteral("手順%1を所定のとおり行う。").arg(i + 1);
    return in;
}

// The worked project as the engineer leaves it after the test.
inline void makeWorkedBasicProject(Project& p)
{
    InitProject(p, 1);
    p.TestCategory = 0;
    p.Record.WorksName = QStringLiteral("○○川護岸補強工事");
    p.Record.SiteName = QStringLiteral("○○県○○市");
    p.Record.PrimeContractor = QStringLiteral("○○建設株式会社");
    p.Record.Subcontractor = QStringLiteral("△△基礎工業株式会社");
    AnchorRecord a = measuredSixCycleAnchor();
    a.AnchorNo = QStringLiteral("K-1");
    a.Tendon.AnchorTypeName = QStringLiteral("摩擦引張型アンカー E5-7");
    a.Tendon.TensioningType = 0;
    a.Material.MaterialName = QStringLiteral("4S12.7");
    a.AnchorageGround = 1;
    a.ApparentPerimeter = 60;
    a.BondStress = 1.6f;
    a.DrillDiameter = 135;
    a.DesignSkinFriction = 0.3f;
    a.TendonYieldLoad = 500;
    a.PointA = 2;
    a.PointB = 7;
    EvaluateAnchor(a, evaluationContextOf(p));
    p.Record.WorkingAnchor = a;
    p.Record.WorkingSchedule = compactSchedule();
    const UltimateChoice choice;
    StoreUltimatePullOut(p, p.Record.WorkingAnchor, choice, UltimatePullOutFrom(a, choice));
    storeDocumentInputs(p, DocumentFamily::BasicPlan, sampleDocumentInputs(false));
    storeDocumentInputs(p, DocumentFamily::BasicReport, sampleDocumentInputs(true));
}

} // namespace tessaro::test
