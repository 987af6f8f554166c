#include "documents/ReportForms.h"

#include "documents/ReportEngine.h"
#include "model/AppPaths.h"

namespace tessaro::forms {
namespace {
const QStringList ItemFields { "Koujimei", "AncNo", "Sokuteisya", "KintyouBi", "TyuunyuBi", "Syubetu", "Jiyuutyou",
    "Anctaityou", "Jiyuu" };
const QStringList RowFields { "No", "KeikaJikan", "Gauge", "Kajyuu", "Cicle", "SokuteiNo1", "SokuteiNo2", "Nobi",
    "SyokitiNo1", "SyokitiNo2" };

const QStringList ListHead { "AncMeisyou", "Shikenmei" };
const QStringList ListTitleFields
    = ListHead + QStringList { "Koujimei", "Genbamei", "Kijyun", "Jiban", "Jakki", "Kintyoubi", "Tyuunyuubi" };
const QStringList QualityTitleFields = ListTitleFields + QStringList { "Td", "Teityaku", "Teityakuji" };
const QStringList ContinuationFields = ListHead + QStringList { "Syoki", "Saidai" };
const QStringList ParticularsFields { "Keishiki", "AncSyubetu", "Kasetu", "DanseiKeisuu", "Danmenseki", "Anctaityou",
    "Tendontyou", "Jiyuutyou", "Jakkinai", "KintyouJiyuutyou" };
const QStringList SleeveFields { "MansyonUe", "MansyonShita" };
const QStringList BodyFields { "Taikatai", "Kankaku" };
const QStringList Figure { "IMAGE" };
const QStringList GraphSheetFields { "Koujimei", "Genbamei", "AncMeisyou", "Shikenmei", "Kintyoubi", "Tyuunyuubi",
    "TendonSyubetu", "Jiyuutyou", "Anctaityou", "Keisuu", "Danmenseki", "Rironti", "Jyougen", "Kagen", "Dansei",
    "Sosei", "Bar", "Bar_2" };

const QStringList CreepHead { "Koujimei", "Shikenmei", "AncMeisyou", "TendonSyubetu" };
const QStringList DisplacementPair { "t1", "t2", "t1_Time", "t2_Time", "t1_Time_2", "t2_Time_2", "sa", "sb", "Time",
    "TimeHantei", "shiki1", "Kekka" };
const QStringList ExtendedPair { "tadash_No", "tbdash_No", "tadash", "tbdash", "sadash", "sbdash", "Time", "TimeHantei",
    "Kekka" };
const QStringList ListRowHead { "No", "AncMeisyou", "AncMeisyou20", "shikenmei" };

QStringList numbered(const QString& name, int count)
{
    QStringList names;
    for (int i = 1; i <= count; ++i)
        names << name + QString::number(i);
    return names;
}

} // namespace

QString FormSpec::path() const
{
    return paths::resource(QStringLiteral("Report/") + file);
}

const FormSpec Title { "Title.jfm", { "Title" }, {} };
const FormSpec Page { "Page.jfm", { "Page" }, {} };

const FormSpec DataSheetKoumoku { "DataSheetKoumoku.jfm", ItemFields, {} };
const FormSpec DataSheetKoumoku2 { "DataSheetKoumoku2.jfm", ItemFields + QStringList { "Teityakuji", "MPa", "Bikou" },
    {} };
const FormSpec InputDataSheetTitle { "InputDataSheetTitle.jfm", {}, {} };
const FormSpec InputDataSheetGyou { "InputDataSheetGyou.jfm", RowFields + QStringList { "Time" }, {} };
const FormSpec InDatSTTitleNoTime { "InDatSTTitleNoTime.jfm", {}, {} };
const FormSpec InDatSTGyouNoTime { "InDatSTGyouNoTime.jfm", RowFields, {} };
const FormSpec InputDataSheetBar { "InputDataSheetBar.jfm", {}, {} };

const FormSpec AnchorListTitle { "AnchorListTitle.jfm", QualityTitleFields, {} };
const FormSpec AnchorListTitle2 { "AnchorListTitle2.jfm", ContinuationFields + QStringList { "Td" }, {} };
const FormSpec AnchorListTitleTd { "AnchorListTitleTd.jfm", QualityTitleFields + QStringList { "Td2" }, {} };
const FormSpec AnchorListTitleTd2 { "AnchorListTitleTd2.jfm", ContinuationFields + QStringList { "Td", "Td2" }, {} };
const FormSpec AncListTitleKihon { "AncListTitleKihon.jfm",
    ListTitleFields + QStringList { "Masatu", "Sakukou", "Tug" }, {} };
const FormSpec AncListTitleKihon2 { "AncListTitleKihon2.jfm", ContinuationFields + QStringList { "Tug" }, {} };

const FormSpec AnchorListHippari { "AnchorListHippari.jfm", ParticularsFields, Figure };
const FormSpec AnchorListHippariSEEE { "AnchorListHippariSEEE.jfm", ParticularsFields + SleeveFields, Figure };
const FormSpec AnchorListAssyuku { "AnchorListAssyuku.jfm", ParticularsFields + SleeveFields, Figure };
const FormSpec AnchorListBunsan { "AnchorListBunsan.jfm", ParticularsFields + BodyFields, Figure };
const FormSpec AnchorListShiatu { "AnchorListShiatu.jfm", ParticularsFields, Figure };
const FormSpec AnchorListKajyuu { "AnchorListKajyuu.jfm",
    QStringList {
        "Syoki", "Saidai", "DankaiTitle", "Dankai", "saikaTitle", "ZoukajiTitle", "Zouka", "GenkajiTitle", "Genka" }
        + numbered("Kajyuu", 10) + numbered("Gauge", 10),
    {} };
const FormSpec AnchorListCycleTitle { "AnchorListCycleTitle.jfm", { "Midashi", "Title" }, {} };
const FormSpec AnchorListCycleGyo { "AnchorListCycleGyo.jfm", { "Title", "Time" }, {} };
const FormSpec AnchorListCyclezu { "AnchorListCyclezu.jfm", {}, Figure };

const FormSpec Graph { "Graph.jfm", GraphSheetFields, numbered("IMAGE", 4) };
const FormSpec Graph2 { "Graph2.jfm", GraphSheetFields, numbered("IMAGE", 4) };
const FormSpec ZPrn4GRAPH { "ZPrn4GRAPH.jfm",
    numbered("GTitle", 4) + numbered("Kekka", 5) + QStringList { "lbeKouban", "Page" }, numbered("Image", 4) };
const FormSpec SoukatuGraph { "SoukatuGraph.jfm", { "Koujimei", "Genbamei", "Hani" }, numbered("IMAGE", 2) };

const FormSpec NewKuripuHeniTitle { "NewKuripuHeniTitle.jfm", CreepHead, {} };
const FormSpec NewKuripuHeniGraph { "NewKuripuHeniGraph.jfm", {}, { "Graph" } };
const FormSpec NewKuripuHeni1 { "NewKuripuHeni1.jfm", DisplacementPair, {} };
const FormSpec NewKuripuHeni1Ans { "NewKuripuHeni1Ans.jfm",
    DisplacementPair
        + QStringList { "t1_Time_3", "t2_Time_3", "Heni", "shiki2", "DerutaS_2", "AncHeniHantei", "Keisuu1" },
    {} };
const FormSpec NewKuripuHeni2 { "NewKuripuHeni2.jfm", ExtendedPair, {} };
const FormSpec NewKuripuHeni2Ans { "NewKuripuHeni2Ans.jfm",
    ExtendedPair + QStringList { "Bunshi", "Bunbo", "DerutaC", "DerutaC_2", "CHantei", "Keisuu2" }, {} };
const FormSpec Kuripuzu { "Kuripuzu.jfm", CreepHead + QStringList { "Dankai", "Hani" }, { "Graph" } };
const FormSpec Kuripuzu2 { "Kuripuzu2.jfm", { "T1", "T2", "Henkan", "Kekka2" }, {} };
const FormSpec Kuripuzu3 { "Kuripuzu3.jfm",
    { "Midashi", "t1", "t2", "s1", "s2", "Bunshi", "Bunbo", "Keisuu", "Midashi2", "Hantei", "Kekka" }, {} };

const FormSpec KekkaItiranTitle { "KekkaItiranTitle.jfm", { "Koujimei" }, {} };
const FormSpec KekkaItiranGyou { "KekkaItiranGyou.jfm",
    ListRowHead
        + QStringList { "SyokiKajyuu", "SaidaiKajyuu", "Sosei", "Dansei", "Riron", "Jyougen", "Kagen", "Hantei" },
    {} };
const FormSpec KekkaItiranBar { "KekkaItiranBar.jfm", {}, {} };
const FormSpec KekkaItiranHeniTitle { "KekkaItiranHeniTitle.jfm", { "Koujimei" }, {} };
const FormSpec KekkaItiranHeniGyou { "KekkaItiranHeniGyou.jfm",
    ListRowHead + QStringList { "Type", "ta", "tb", "sa", "sb", "Heniryou", "HeniHantei", "Hantei" }, {} };
const FormSpec KekkaItiranSyousaiMainTitle { "KekkaItiranSyousaiMainTitle.jfm",
    { "Koujimei", "AncMeisyou", "Shikenmei", "Hantei" }, {} };
const FormSpec KekkaItiranSyousaiTitle { "KekkaItiranSyousaiTitle.jfm", {}, {} };
const FormSpec KekkaItiranSyousaiGyou { "KekkaItiranSyousaiGyou.jfm",
    { "No", "Cycle", "Kajyuu", "Nobi", "Riron", "Jyougen", "Kagen", "Sosei", "Dansei" }, {} };
const FormSpec KekkaItiranSyousaiBar { "KekkaItiranSyousaiBar.jfm", {}, {} };
const FormSpec Masatusonshitu { "Masatusonshitu.jfm",
    { "Koujimei", "AncMeisyou", "TendonSyubetu", "Jiyuutyou", "Anctaityou", "Keisuu", "Danmenseki", "Syoki", "Saidai",
        "Masatu" },
    { "Graph" } };
const FormSpec MasatusonshituShitei { "MasatusonshituShitei.jfm", QStringList { "Heni" } + numbered("Masatu", 3), {} };
const FormSpec Masatusonshitu2point { "Masatusonshitu2point.jfm",
    QStringList { "Points", "Point1title", "Point2title", "Point1Shiki", "Point2Shiki", "ABAns", "Line" }
        + numbered("Heni", 4) + numbered("Masatu", 3),
    {} };

const std::vector<const FormSpec*>& allForms()
{
    static const std::vector<const FormSpec*> all {
        &Title,
        &Page,
        &DataSheetKoumoku,
        &DataSheetKoumoku2,
        &InputDataSheetTitle,
        &InputDataSheetGyou,
        &InDatSTTitleNoTime,
        &InDatSTGyouNoTime,
        &InputDataSheetBar,
        &AnchorListTitle,
        &AnchorListTitle2,
        &AnchorListTitleTd,
        &AnchorListTitleTd2,
        &AncListTitleKihon,
        &AncListTitleKihon2,
        &AnchorListHippari,
        &AnchorListHippariSEEE,
        &AnchorListAssyuku,
        &AnchorListBunsan,
        &AnchorListShiatu,
        &AnchorListKajyuu,
        &AnchorListCycleTitle,
        &AnchorListCycleGyo,
        &AnchorListCyclezu,
        &Graph,
        &Graph2,
        &ZPrn4GRAPH,
        &SoukatuGraph,
        &NewKuripuHeniTitle,
        &NewKuripuHeniGraph,
        &NewKuripuHeni1,
        &NewKuripuHeni1Ans,
        &NewKuripuHeni2,
        &NewKuripuHeni2Ans,
        &Kuripuzu,
        &Kuripuzu2,
        &Kuripuzu3,
        &KekkaItiranTitle,
        &KekkaItiranGyou,
        &KekkaItiranBar,
        &KekkaItiranHeniTitle,
        &KekkaItiranHeniGyou,
        &KekkaItiranSyousaiMainTitle,
        &KekkaItiranSyousaiTitle,
        &KekkaItiranSyousaiGyou,
        &KekkaItiranSyousaiBar,
        &Masatusonshitu,
        &MasatusonshituShitei,
        &Masatusonshitu2point,
    };
    return all;
}

} // namespace tessaro::forms

namespace tessaro {

QString pageNumberText(int page)
{
    return QStringLiteral("- %1 -").arg(page);
}

void PagePrint(report::ReportEngine& engine, int page)
{
    engine.DrawForm(forms::Page.path(), 0, { { QStringLiteral("Page"), pageNumberText(page) } });
}

} // namespace tessaro
