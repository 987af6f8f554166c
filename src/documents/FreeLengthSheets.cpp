#include "documents/FreeLengthSheets.h"

#include "documents/DocumentPages.h"
#include "documents/PlanReportTexts.h"
#include "documents/ReportForms.h"
#include "evaluation/LoadDistribution.h"
#include "evaluation/TensionFreeLength.h"
#include "model/AnchorRecord.h"
#include "model/AppPaths.h"
#include "model/NumberFormat.h"
#include "planning/TestKinds.h"

namespace tessaro {
namespace {

using report::Fields;

const QString Missing = QStringLiteral("－");

QString length(double mm)
{
    return mm > 0 ? formatNumber(mm, "0") : Missing;
}

std::size_t bodyCount(const AnchorRecord& a)
{
    return std::size_t(std::clamp<int>(a.Tendon.BodyCount, 0, int(MaxLoadBodies)));
}

// The anchor with its free length and body tendon lengths worked out afresh,
// so that the sheet adds up whatever was stored.
AnchorRecord withFreeLength(const AnchorRecord& anchor)
{
    AnchorRecord a = anchor;
    RefreshTensionFreeLength(a);
    return a;
}

bool differentialHead(const AnchorRecord& a)
{
    return a.Tendon.TensioningType == 1 && productClass(a.Tendon.AnchorTypeName) != 3;
}

void drawSumSheet(DocumentPages& pages, const AnchorRecord& a, bool withAnchorLength)
{
    const TendonSpec& t = a.Tendon;
    Fields f { { "Lr", length(t.ExtraLength) }, { "Lf", length(t.FreeLength) }, { "La", length(t.AnchorLength) },
        { "Lr_2", length(t.ExtraLength) }, { "Lf_2", length(t.FreeLength) }, { "Lsf", length(t.TensionFreeLength) } };
    if (withAnchorLength)
        f.insert("La_2", length(t.AnchorLength));
    pages.place(withAnchorLength ? forms::Iji_Lsf_SentanShiatu : forms::Iji_Lsf_Masatu, f);
}

void drawGivenSheet(DocumentPages& pages, const AnchorRecord& a, DocumentFamily family)
{
    const bool compression = a.Tendon.AnchorTypeCode == 2;
    const QString text = QStringLiteral("　緊張時自由長は、製品の仕様による値を用い、Lsf = ")
        + length(a.Tendon.TensionFreeLength) + QStringLiteral(" mm ") + decisionEnding(family);
    pages.place(
        compression ? forms::Iji_Lsf_AssyukuSEEE : forms::Iji_Lsf_MasatuSEEE, { { compression ? "M2" : "M1", text } });
}

void drawBodySheets(DocumentPages& pages, const AnchorRecord& a, DocumentFamily family)
{
    const TendonSpec& t = a.Tendon;
    const std::size_t n = bodyCount(a);
    const bool head = differentialHead(a);
    pages.place(forms::Iji_Lsf_Model, {},
        { { "IMAGE",
            paths::resource(QStringLiteral("Picture/") + (head ? "TaikataiSadou" : "TaikataiIji") + ".svg") } });
    const double total = double(t.ExtraLength) + t.FreeLength + t.AnchorLength;
    pages.place(forms::Iji_Lsf_Jyouken,
        { { "Lr", length(t.ExtraLength) }, { "Lf", length(t.FreeLength) }, { "La", length(t.AnchorLength) },
            { "L", length(total) }, { "TaikataiNum", QString::number(n) }, { "Tani_1", QStringLiteral("体") },
            { "Kumi", QString::number(a.Material.StrandSetCount) }, { "Tani_2", QStringLiteral("本") } });
    double sum = 0;
    int strands = 0;
    for (std::size_t k = 0; k < n; ++k) {
        const int nk = a.Material.BodyStrandCount[k];
        const double lk = t.BodyTendonLength[k];
        const double term = lk > 0 ? nk / lk : 0;
        sum += term;
        strands += nk;
        pages.place(forms::Iji_Lsf_TaikataiGyou,
            { { "Taikatai", QStringLiteral("No.%1").arg(k + 1) }, { "PCNum", QString::number(nk) },
                { "Kankaku", k == 0 ? Missing : formatNumber(double(t.BodyInterval[k - 1]), "0") },
                { "Lab", length(lk) }, { "N", lk > 0 ? formatNumber(term, "0.0000000") : Missing } });
    }
    pages.place(forms::Iji_Lsf_TaikataiGoukei,
        { { "PCNum", QString::number(strands) }, { "N", formatNumber(sum, "0.0000000") } });
    pages.place(head ? forms::Iji_Lsf_Shiki_DHP : forms::Iji_Lsf_Shiki);
    pages.place(head ? forms::Iji_Lsf_Shiki_DHP2 : forms::Iji_Lsf_Shiki2);
    pages.place(forms::Iji_Lsf_Lsf,
        { { "Kumi", QString::number(a.Material.StrandSetCount) }, { "N", formatNumber(sum, "0.0000000") },
            { "Lsf", sum > 0 ? formatNumber(a.Material.StrandSetCount / sum, "0.00") : Missing } });
    pages.place(
        forms::Iji_Lsf_LsfAns, { { "Jiyuutyo", length(t.TensionFreeLength) }, { "Ans", decisionEnding(family) } });
}

// (1) of both initial-load sheets: the load per strand.
Fields loadPerStrand(
    const AnchorRecord& a, const LoadDistributionTables& t, bool qualityAssurance, const QString& section)
{
    const bool designForce = productClass(a.Tendon.AnchorTypeName) == 2 && qualityAssurance;
    const double load = designForce ? 1.1 * double(a.DesignAnchorForce) : double(a.Plan.PlannedMaxLoad);
    return { { "Syo", section }, { "TLabel", designForce ? QStringLiteral("1.1Td") : QStringLiteral("Tp") },
        { "T", formatNumber(load, "0.00") }, { "Kumi", QString::number(a.Material.StrandSetCount) },
        { "G0", formatNumber(t.StrandLoad, "0.00") } };
}

Fields strandModulus(const AnchorRecord& a)
{
    return { { "Es", formatNumber(double(a.Material.TendonModulus), "0.00") },
        { "As", formatNumber(double(a.Material.TendonArea), "0.00") } };
}

Fields bodyRow(const AnchorRecord& a, const LoadDistributionTables& t, std::size_t k, std::size_t n)
{
    return { { "Taikatai", QStringLiteral("No.%1").arg(k + 1) },
        { "PCNum", QString::number(a.Material.BodyStrandCount[k]) }, { "Lab", length(t.BodyLength[k]) },
        { "Nobi", formatNumber(t.Elongation[k], "0.000") },
        { "Sa", k + 1 < n ? formatNumber(t.ElongationDifference[k], "0.00") : Missing } };
}

QString initialLoadChosen(const AnchorRecord& a, const QString& basis, DocumentFamily family)
{
    return QStringLiteral("　初期荷重は、") + basis + QStringLiteral("以上の T0 = ")
        + formatNumber(double(a.Plan.InitialLoad), "0.00") + QStringLiteral(" kN ") + decisionEnding(family);
}

void drawDifferential(
    DocumentPages& pages, const AnchorRecord& a, const LoadDistributionTables& t, DocumentFamily family)
{
    const std::size_t n = bodyCount(a);
    pages.place(forms::Sadou_Syoki_K, strandModulus(a));
    for (std::size_t k = 0; k < n; ++k) {
        Fields row = bodyRow(a, t, k, n);
        row.insert("K", formatNumber(t.SpringConstant[k], "0.0000"));
        pages.place(forms::Sadou_Syoki_D, row);
    }
    pages.place(forms::Sadou_Syoki_ShikiD);
    for (std::size_t k = 0; k < n; ++k) {
        QStringList symbols, values;
        for (std::size_t j = k; j + 1 < n; ++j) {
            symbols << QStringLiteral("Q%1").arg(j + 1);
            values << formatNumber(t.ElongationStep[j], "0.00");
        }
        const QString number = QString::number(k + 1);
        QString shiki = QStringLiteral("R") + number;
        if (!symbols.isEmpty())
            shiki += QStringLiteral(" = K%1 × ( %2 ) = %3 × ( %4 )")
                         .arg(number, symbols.join(QStringLiteral(" + ")), formatNumber(t.SpringConstant[k], "0.0000"),
                             values.join(QStringLiteral(" + ")));
        pages.place(forms::Sadou_Syoki_T[k], { { "Shiki", shiki }, { "R", formatNumber(t.BodyLoad[k], "0.00") } });
    }
    pages.place(forms::Sadou_Syoki_Syoki,
        { { "Saisyuu", formatNumber(t.FinalDifferentialLoad, "0.00") + QStringLiteral(" kN") },
            { "Syoki", initialLoadChosen(a, QStringLiteral("最終差動荷重"), family) } });
}

void drawCumulative(
    DocumentPages& pages, const AnchorRecord& a, const LoadDistributionTables& t, float result, DocumentFamily family)
{
    const std::size_t n = bodyCount(a);
    pages.place(forms::Iji_Oreten_Nobi, strandModulus(a));
    for (std::size_t k = 0; k < n; ++k)
        pages.place(forms::Iji_Oreten_Sa, bodyRow(a, t, k, n));
    pages.place(forms::Iji_Oreten_OretenShiki);
    int strandsBefore = 0;
    for (std::size_t k = 1; k < n; ++k) {
        strandsBefore += a.Material.BodyStrandCount[k - 1];
        const QString shiki
            = QStringLiteral("F%1 = ( %2 － %3 ) × ( %4 × %5 － %6 ) / %2 ＋ %6")
                  .arg(k + 1)
                  .arg(formatNumber(t.Elongation[k - 1], "0.000"), formatNumber(t.Elongation[k], "0.000"))
                  .arg(strandsBefore)
                  .arg(formatNumber(t.StrandLoad, "0.00"), formatNumber(t.CumulativeLoad[k - 1], "0.00"));
        pages.place(
            forms::Iji_Oreten_Oreten, { { "Shiki", shiki }, { "F", formatNumber(t.CumulativeLoad[k], "0.00") } });
    }
    const QString last = QStringLiteral("F%1").arg(n);
    pages.place(forms::Iji_Oreten_Syoki,
        { { "Kasan", IsLoadDistributed(a.Tendon.AnchorTypeName) ? last + QStringLiteral(" ＋ 30.00") : last },
            { "Saisyuu", formatNumber(double(result), "0.00") + QStringLiteral(" kN") },
            { "Syoki", initialLoadChosen(a, QStringLiteral("最終折点荷重"), family) } });
}

// The sheet that follows the heading for an anchor type.
const forms::FormSpec& firstSheet(int type)
{
    switch (type) {
    case 1:
        return forms::Iji_Lsf_MasatuSEEE;
    case 2:
        return forms::Iji_Lsf_AssyukuSEEE;
    case LoadDistributionType:
        return forms::Iji_Lsf_Model;
    case 4:
    case 5:
        return forms::Iji_Lsf_SentanShiatu;
    default:
        return forms::Iji_Lsf_Masatu;
    }
}

} // namespace

void drawFreeLengthSheets(
    DocumentPages& pages, const AnchorRecord& anchor, const QString& section, DocumentFamily family)
{
    const AnchorRecord a = withFreeLength(anchor);
    // The heading stays with the sheet below it.
    pages.makeRoom(pages.heightOf(forms::Iji_Lsf_Title) + pages.heightOf(firstSheet(a.Tendon.AnchorTypeCode)));
    pages.place(forms::Iji_Lsf_Title, { { "Syo", section } });
    switch (a.Tendon.AnchorTypeCode) {
    case 1:
    case 2:
        drawGivenSheet(pages, a, family);
        break;
    case LoadDistributionType:
        drawBodySheets(pages, a, family);
        break;
    case 4:
    case 5:
        drawSumSheet(pages, a, true);
        break;
    default:
        drawSumSheet(pages, a, false);
        break;
    }
}

void drawInitialLoadSheets(DocumentPages& pages, const AnchorRecord& anchor, bool qualityAssurance,
    const QString& section, DocumentFamily family)
{
    const AnchorRecord a = withFreeLength(anchor);
    LoadDistributionTables t;
    const float result = LoadDistributionInitialLoad(a, qualityAssurance, t);
    if (result <= 0 && t.StrandLoad == 0) { // the calculation could not be carried out
        pages.place(forms::Iji_Oreten_Syoki_0, { { "Syo", section } });
        return;
    }
    const bool cumulative = a.Tendon.TensioningType == 0;
    pages.place(
        cumulative ? forms::Iji_Oreten_Tb : forms::Sadou_Syoki_Title, loadPerStrand(a, t, qualityAssurance, section));
    if (cumulative)
        drawCumulative(pages, a, t, result, family);
    else
        drawDifferential(pages, a, t, family);
}

} // namespace tessaro
