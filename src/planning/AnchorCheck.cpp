#include "planning/AnchorCheck.h"

#include "planning/AnchorList.h"
#include "planning/TestKinds.h"

#include <map>

namespace tessaro {
namespace {

bool missing(float value)
{
    return value == 0.0f;
}
bool notChosen(int choice)
{
    return choice < 0;
}

// Load changes are given as a rate or as minutes per change.
bool loadingMissing(const AnchorSpec2& s)
{
    return (s.LoadChangeBySpeed ? s.LoadingRate : s.LoadingMinutes) <= 0;
}
bool unloadingMissing(const AnchorSpec2& s)
{
    return (s.LoadChangeBySpeed ? s.UnloadingRate : s.UnloadingMinutes) <= 0;
}

// The test name of a pull-out test is the category text the window shows, so
// it is never missing.
int basicConditionsCode(const AnchorRecord& a)
{
    if (missing(a.DesignSkinFriction))
        return 25;
    if (a.DrillDiameter <= 0)
        return 27;
    return 0;
}

int qualityConditionsCode(const AnchorRecord& a)
{
    if (a.AnchorNote.isEmpty())
        return 2;
    // A design force for one condition is enough: the plan limits work with
    // either of them left at 0.
    if (missing(a.DesignAnchorForce) && missing(a.DesignAnchorForceSeismic))
        return 36;
    if (notChosen(a.AnchoringType))
        return 6;
    if (a.SetAmount < 0)
        return 7;
    if (notChosen(a.LockOffMode))
        return 6;
    if (missing(a.LockOffMode == 0 ? a.LockOffLoad : a.LockOffRatio))
        return 8;
    return 0;
}

int particularsCode(const AnchorRecord& a, bool basic)
{
    const TendonSpec& t = a.Tendon;
    const int type = t.AnchorTypeCode;
    if (notChosen(type))
        return 9;
    if (!basic && notChosen(t.AnchorRank))
        return 10;
    if (t.FreeLength <= 0)
        return hasGivenTensionFreeLength(type) ? 33 : 12;
    if ((basic || lsfIncludesAnchorLength(type)) && t.AnchorLength <= 0)
        return 14;
    if (type == LoadDistributionType && t.BodyCount <= 0)
        return 15;
    if (notChosen(t.TensioningType))
        return 35;
    if (needsReductionCoefficient(t.AnchorTypeName) && missing(a.Material.ReductionCoefficient))
        return 39;
    if (!hasGivenTensionFreeLength(type) && t.ExtraLength <= 0)
        return 26;
    if (t.TensionFreeLength == 0)
        return 40;
    if (missing(a.Material.TendonModulus))
        return 34;
    if (notChosen(a.AnchorageGround))
        return 5;
    if (loadingMissing(a.Spec2))
        return 21;
    if (unloadingMissing(a.Spec2))
        return 22;
    return 0;
}

int planCode(const AnchorRecord& a, const HoldingSchedule& schedule, bool basic)
{
    if (a.Tendon.TensionFreeLength < 0)
        return 31;
    if (missing(a.Plan.PlannedMaxLoad))
        return 37;
    if (missing(a.Plan.InitialLoad))
        return 38;
    if (schedule.SetFlag == 0)
        return 32;
    // The pull-out test also needs the tendon bond-length check filled in.
    if (basic && missing(a.ApparentPerimeter))
        return 29;
    if (basic && missing(a.BondStress))
        return 30;
    return 0;
}

int identityCode(const AnchorRecord& a)
{
    if (a.Tendon.AnchorLength <= 0)
        return 14;
    if (a.Tendon.AnchorTypeName.isEmpty())
        return 11;
    if (a.AnchorNo.isEmpty())
        return 1;
    return 0;
}

} // namespace

bool hasGivenTensionFreeLength(int anchorType)
{
    return anchorType == 1 || anchorType == 2;
}

bool lsfIncludesAnchorLength(int anchorType)
{
    return anchorType >= 3 && anchorType <= 5;
}

bool needsReductionCoefficient(const QString& productName)
{
    return productClass(productName) >= 1;
}

int AnchorCheckCode(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool basicProject)
{
    for (int code : { basicProject ? basicConditionsCode(anchor) : qualityConditionsCode(anchor),
             particularsCode(anchor, basicProject), planCode(anchor, schedule, basicProject), identityCode(anchor) }) {
        if (code != 0)
            return code;
    }
    return 0;
}

QString AnchorCheckMessage(int code)
{
    static const std::map<int, const char16_t*> messages = {
        { 1, u"アンカー名称（孔番号）が入力されていません。" },
        { 2, u"試験名が入力されていません。" },
        { 3, u"設計アンカー力（常時）が入力されていません。" },
        { 4, u"設計アンカー力（地震時）が入力されていません。" },
        { 5, u"アンカー体定着地盤が選択されていません。" },
        { 6, u"定着方式が選択されていません。" },
        { 7, u"セット量が入力されていません。" },
        { 8, u"定着時緊張力および定着荷重比率が入力されていません。" },
        { 9, u"アンカー形式が選択されていません。" },
        { 10, u"供用期間が選択されていません。" },
        { 11, u"アンカー種別が入力されていません。" },
        { 12, u"アンカー自由長が入力されていません。" },
        { 13, u"余長が入力されていません。" },
        { 14, u"アンカー体長が入力されていません。" },
        { 15, u"耐荷体数が入力されていません。" },
        { 21, u"増荷時間が入力されていません。" },
        { 22, u"減荷時間が入力されていません。" },
        { 25, u"極限周面摩擦抵抗が入力されていません。" },
        { 26, u"ジャッキ内自由長が入力されていません。" },
        { 27, u"削孔径が入力されていません。" },
        { 29, u"[テンドン拘束長の確認]ボタン内の見かけの周長が入力されていません。" },
        { 30, u"[テンドン拘束長の確認]ボタン内の極限付着応力度が入力されていません。" },
        { 31, u"緊張時自由長がマイナスの値になりました。入力し直して下さい。" },
        { 32, u"荷重保持時間の設定を行って下さい。" },
        { 33, u"アンカー自由長が入力されていません。" },
        { 34, u"テンドン弾性係数が入力されていません。" },
        { 35, u"緊張方式が選択されていません。" },
        { 36, u"設計アンカー力が入力されていません。" },
        { 37, u"計画最大荷重が入力されていません。" },
        { 38, u"初期荷重が入力されていません。" },
        { 39, u"低減係数が入力されていません。" },
        { 40, u"緊張時自由長が入力されていません。" },
    };
    auto it = messages.find(code);
    return it == messages.end() ? QString() : QString::fromUtf16(it->second);
}

int AnchorListCheckCode(const Project& p)
{
    auto codeOf = [](const AnchorRecord& a) {
        if (a.AnchorNo.trimmed().isEmpty())
            return 1;
        return missing(a.Material.TendonModulus) ? 2 : 0;
    };
    if (p.isBasic())
        return codeOf(p.Record.WorkingAnchor);
    // A missing name anywhere is reported before a missing modulus.
    bool modulusMissing = false;
    for (const AnchorRecord& a : p.Record.Anchors) {
        if (!anchorHasInput(a))
            continue;
        int code = codeOf(a);
        if (code == 1)
            return 1;
        modulusMissing = modulusMissing || code == 2;
    }
    return modulusMissing ? 2 : 0;
}

QString AnchorListCheckMessage(int code)
{
    switch (code) {
    case 1:
        return QStringLiteral("アンカー名称に未入力の箇所があります。確認してください。");
    case 2:
        return QStringLiteral("テンドン弾性係数に未入力の箇所があります。確認してください。");
    default:
        return {};
    }
}

} // namespace tessaro
