// Chapter 3 of the quality-assurance plan and report: the test method.

#include "documents/CommonChapters.h"
#include "documents/DocumentPages.h"
#include "documents/PlanReportTexts.h"
#include "documents/QualityChapters.h"
#include "documents/ReportForms.h"
#include "model/AppPaths.h"
#include "model/NumberFormat.h"
#include "model/ProjectRecord.h"
#include "planning/TestKinds.h"
#include "recording/ReadingSheet.h"

#include <QStringList>
#include <algorithm>
#include <functional>

namespace tessaro {
namespace {

const AnchorRecord& anchorOf(const Project& p, int n)
{
    return p.Record.Anchors[std::size_t(n - 1)];
}

bool anyAnchor(const Project& p, const std::vector<int>& anchors, const std::function<bool(const AnchorRecord&)>& test)
{
    return std::any_of(anchors.begin(), anchors.end(), [&](int n) { return test(anchorOf(p, n)); });
}

QString rate(double value)
{
    return formatNumber(value, "0.00");
}

// How the planned maximum load is chosen under the edition.
QString plannedMaxLoadText(const Project& p, DocumentFamily family)
{
    const QString limit = QStringLiteral("とし、試験の安全性を確保するため、テンドンの降伏荷重 Tys の0.9倍以下")
        + decisionEnding(family);
    if (p.Settings.StandardEdition == Edition2000)
        return QStringLiteral("　計画最大荷重 Tp は、永久アンカーでは設計アンカー力（常時）Td の1.2倍以上かつ地震時の"
                              "設計アンカー力以上、仮設アンカーでは Td の1.1倍以上")
            + limit;
    return QStringLiteral("　計画最大荷重 Tp は、設計アンカー力 Td にアンカーのランクに応じた係数（ランクＡ：%1、"
                          "ランクＢ：%2）を乗じた値以上")
               .arg(rate(p.Settings.TpLimitCoefA), rate(p.Settings.TpLimitCoefB))
        + limit;
}

QString initialLoadText(DocumentFamily family)
{
    return QStringLiteral("　初期荷重 T0 は計画最大荷重の0.1倍程度を標準とし、荷重分散型アンカーでは各耐荷体に荷重を"
                          "分担させるための最小の初期荷重以上")
        + decisionEnding(family);
}

QString creepText(const Project& p, DocumentFamily family)
{
    if (p.Settings.StandardEdition == Edition2000)
        return QStringLiteral("　計画最大荷重（または設計アンカー力）での荷重保持中の変位量からクリープ係数 ⊿c を求め、"
                              "その値が地盤と試験の種類に応じた限界値以下であることを確認")
            + actionEnding(family);
    return QStringLiteral(
               "　計画最大荷重での荷重保持中の変位量の差 ⊿s が、地盤と試験の種類に応じた限界値以下であることを"
               "確認")
        + actionEnding(family)
        + QStringLiteral("規定の計測時間で判定できない場合は試験時間を延長し、クリープ係数 ⊿c により判定")
        + actionEnding(family);
}

QString verdictText(DocumentFamily family)
{
    return QStringLiteral("　以上の結果をもとに、アンカーごとに技術者が最終の判定を")
        + (isReportFamily(family) ? QStringLiteral("行った。") : QStringLiteral("行うものとする。"));
}

QString picture(const QString& name)
{
    return paths::resource(QStringLiteral("Picture/") + name + QStringLiteral(".svg"));
}

// The loading figures of the kinds printed, the multi-cycle test first.
void drawLoading(const QualityChapterContext& c, const std::vector<int>& anchors)
{
    const bool multi = anyAnchor(c.p, anchors, [&](const AnchorRecord& a) { return !usesSingleCycleSheet(a, 1); });
    const bool single = anyAnchor(c.p, anchors, [&](const AnchorRecord& a) { return usesSingleCycleSheet(a, 1); });
    QStringList captions, files;
    if (multi) {
        captions << QStringLiteral("多サイクル試験の載荷方法");
        files << picture(QStringLiteral("TaCycle"));
    }
    if (single) {
        captions << QStringLiteral("１サイクル試験の載荷方法");
        files << picture(QStringLiteral("OneCycle"));
    }
    report::Fields texts { { "Syo", QStringLiteral("3-2.") } };
    report::Fields images;
    static const char* captionFields[] = { "shiken1", "shiken2" };
    static const char* imageFields[] = { "IMAGE", "IMAGE2" };
    for (int i = 0; i < files.size(); ++i) {
        texts.insert(captionFields[i], QStringLiteral("図－3.%1　").arg(i + 1) + captions[i]);
        images.insert(imageFields[i], files[i]);
    }
    c.pages.space(ChapterGap);
    c.pages.place(forms::HK3_2, texts, images);
}

} // namespace

QString testKindsOf(const Project& p, const std::vector<int>& anchors)
{
    QStringList kinds;
    for (int n : anchors) {
        const QString kind = kindText(p.Settings.StandardEdition, anchorOf(p, n).ConfirmationTest);
        if (!kinds.contains(kind))
            kinds << kind;
    }
    return kinds.join(QStringLiteral("・"));
}

void drawMethodChapter(const QualityChapterContext& c, const std::vector<int>& anchors)
{
    const int edition = c.p.Settings.StandardEdition;
    c.pages.newPage();
    c.pages.place(edition == Edition2000 ? forms::HK3Old : forms::HK3New,
        { { "Syo", QStringLiteral("3-1.") }, { "Kijyun", StandardTitle + QStringLiteral("　") + editionText(edition) },
            { "Shiken", testKindsOf(c.p, anchors).replace(QStringLiteral("・"), QStringLiteral("、")) } });
    drawLoading(c, anchors);
    c.pages.space(ChapterGap);
    c.pages.place(forms::HK3_3,
        { { "Syo", QStringLiteral("3-3.") }, { "Syo2", QStringLiteral("3-3-1.") }, { "Syo3", QStringLiteral("3-3-2.") },
            { "Saidai", plannedMaxLoadText(c.p, c.family) }, { "Syoki", initialLoadText(c.family) } });
    int section = 4;
    if (anyAnchor(
            c.p, anchors, [](const AnchorRecord& a) { return a.Tendon.AnchorTypeCode == LoadDistributionType; })) {
        c.pages.space(ChapterGap);
        c.pages.place(forms::HK3_4, { { "Syo", QStringLiteral("3-4.") } }, { { "IMAGE", picture("TaikataiSadou") } });
        section = 5;
    }
    const QString syo = QStringLiteral("3-%1.").arg(section);
    c.pages.space(ChapterGap);
    c.pages.place(forms::HK3_5,
        { { "Syo", syo }, { "Syo2", QStringLiteral("3-%1-1.").arg(section) },
            { "Syo3", QStringLiteral("3-%1-2.").arg(section) },
            { "JyougenRitu", rate(c.p.UpperRateInUse) + QStringLiteral(" × 理論弾性変位量") },
            { "KagenRitu", rate(c.p.LowerRateInUse) + QStringLiteral(" × 理論弾性変位量") },
            { "Kuripu", creepText(c.p, c.family) }, { "Hantei", verdictText(c.family) } });
}

} // namespace tessaro
