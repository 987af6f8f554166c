#include "planning/AnchorListTexts.h"

#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"

namespace tessaro {
namespace {

// Values a window shows empty while they are not set: 0 for loads, lengths and
// moduli (the missing-value mark −99 as well).
QString shown(double value, const QString& pattern)
{
    return (value == 0 || isMissing(value)) ? QString() : formatNumber(value, pattern);
}

QString shownLength(std::int32_t mm)
{
    return mm == 0 ? QString() : QString::number(mm);
}

QString choiceText(int choice, QString (*text)(int))
{
    return choice < 0 ? QString() : text(choice);
}

QString testName(const Project& p, const AnchorRecord& a)
{
    if (p.isBasic())
        return categoryText(p.Settings.StandardEdition, 0);
    return a.AnchorNote.isEmpty() ? QString() : kindText(p.Settings.StandardEdition, a.ConfirmationTest);
}

QString oneLine(QString heading)
{
    return heading.replace('\n', QString());
}

} // namespace

QStringList qualityListHeadings()
{
    return { QStringLiteral("No."), QStringLiteral("アンカー名称"), QStringLiteral("試験区分"),
        QStringLiteral("設計ｱﾝｶｰ力\n[常時]\n(kN)"), QStringLiteral("設計ｱﾝｶｰ力\n[地震時]\n(kN)"),
        QStringLiteral("計画最大\n荷重\n(kN)"), QStringLiteral("初期荷重\n(kN)"), QStringLiteral("荷重\n段階数"),
        QStringLiteral("定着地盤"), QStringLiteral("定着方式"), QStringLiteral("セット量\n(mm)"),
        QStringLiteral("定着時\n緊張力\n(kN)"), QStringLiteral("初期緊張力\n(kN)"), QStringLiteral("アンカー形式"),
        QStringLiteral("供用期間"), QStringLiteral("アンカー種別"), QStringLiteral("ジャッキ内\n(mm)"),
        QStringLiteral("アンカー体長\n(mm)"), QStringLiteral("緊張時\n(mm)"),
        QStringLiteral("テンドン\n弾性係数\n(kN/mm2)"), QStringLiteral("ジャッキ名称"), QStringLiteral("測定者"),
        QStringLiteral("注入年月日"), QStringLiteral("試験年月日") };
}

QStringList basicListHeadings()
{
    return { QStringLiteral("アンカー名称"), QStringLiteral("試験区分"), QStringLiteral("周面摩擦抵抗\n(N/mm2)"),
        QStringLiteral("削孔径\n(mm)"), QStringLiteral("計画最大荷重\n(kN)"), QStringLiteral("定着地盤"),
        QStringLiteral("アンカー形式"), QStringLiteral("アンカー種別"), QStringLiteral("ジャッキ内\n(mm)"),
        QStringLiteral("アンカー体長\n(mm)") };
}

QString anchoringTypeText(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral("くさび");
    case 1:
        return QStringLiteral("ナット");
    case 2:
        return QStringLiteral("くさびナット併用");
    default:
        return {};
    }
}

QString tensioningTypeText(int type)
{
    switch (type) {
    case 0:
        return QStringLiteral("通常緊張");
    case 1:
        return QStringLiteral("ディファレンシャルプーリングヘッド");
    default:
        return {};
    }
}

QStringList qualityRowTexts(const Project& p, int row)
{
    const ProjectRecord& r = p.Record;
    if (row < 1 || row > int(r.Anchors.size()))
        return {};
    const AnchorRecord& a = r.Anchors[std::size_t(row - 1)];
    const int edition = p.Settings.StandardEdition;
    const QString jackName
        = std::size_t(row - 1) < r.AnchorLabels.size() ? r.AnchorLabels[std::size_t(row - 1)] : a.Jack.JackName;
    return { QString::number(row), a.AnchorNo, testName(p, a), shown(a.DesignAnchorForce, "###0.00"),
        shown(a.DesignAnchorForceSeismic, "###0.00"), shown(a.Plan.PlannedMaxLoad, "###0.00"),
        shown(a.Plan.InitialLoad, "###0.00"), a.Plan.StageCount > 0 ? QString::number(a.Plan.StageCount) : QString(),
        choiceText(a.AnchorageGround, groundText), choiceText(a.AnchoringType, anchoringTypeText),
        a.SetAmount < 0 ? QString() : formatNumber(a.SetAmount, "0.0"), shown(a.LockOffLoad, "###0.00"),
        shown(a.JackingForce, "###0.00"), choiceText(a.Tendon.AnchorTypeCode, anchorTypeName),
        a.Tendon.AnchorRank < 0 ? QString() : rankText(edition, a.Tendon.AnchorRank), a.Tendon.AnchorTypeName,
        shownLength(a.Tendon.ExtraLength), shownLength(a.Tendon.AnchorLength), shownLength(a.Tendon.TensionFreeLength),
        shown(a.Material.TendonModulus, "##0.00"), jackName, a.Measurer, a.GroutDate, a.TestDate };
}

QStringList basicRowTexts(const Project& p)
{
    const AnchorRecord& a = p.Record.WorkingAnchor;
    return { a.AnchorNo, testName(p, a), shown(a.DesignSkinFriction, "0.00"),
        a.DrillDiameter > 0 ? QString::number(a.DrillDiameter) : QString(), shown(a.Plan.PlannedMaxLoad, "###0.00"),
        choiceText(a.AnchorageGround, groundText), choiceText(a.Tendon.AnchorTypeCode, anchorTypeName),
        a.Tendon.AnchorTypeName, shownLength(a.Tendon.ExtraLength), shownLength(a.Tendon.AnchorLength) };
}

QList<QStringList> anchorListTable(const Project& p)
{
    QList<QStringList> table;
    table << QStringList { AnchorListTitle };
    QStringList headings = p.isBasic() ? basicListHeadings() : qualityListHeadings();
    for (QString& h : headings)
        h = oneLine(h);
    table << headings;
    if (p.isBasic()) {
        table << basicRowTexts(p);
        return table;
    }
    for (int row = 1; row <= std::min<int>(p.Record.AnchorCount, int(p.Record.Anchors.size())); ++row)
        table << qualityRowTexts(p, row);
    return table;
}

} // namespace tessaro
