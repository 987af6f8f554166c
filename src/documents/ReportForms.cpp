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

const FormSpec Hyoushi { "Syorui/Hyoushi.jfm", { "MainTitle", "Kouji", "Hizuke", "MotoKaisyamei", "ShitaKaisyamei" },
    {} };
const FormSpec Sousoku { "Syorui/Sousoku.jfm", { "Sousoku" }, {} };
const FormSpec Gaiyou { "Syorui/Gaiyou.jfm",
    { "Koujimei", "Basyo", "Kikan", "Sekou", "Sekininsya", "Mokuteki", "AnchorSekoukaisya", "sekoushi", "bunken",
        "softname" },
    {} };

namespace {
const QString Kihon = QStringLiteral("Syorui/KihonKeikakusyo/");
const QString Iji = QStringLiteral("IjiSadouItem/");
const QStringList LoadPerStrand { "Syo", "TLabel", "T", "Kumi", "G0" };
const QStringList StrandModulus { "Es", "As" };
const QStringList BodyRow { "Taikatai", "PCNum", "Lab", "Nobi", "Sa" };
} // namespace

const FormSpec KK2 { Kihon + "KK2.jfm", { "Sakukoukei", "Keikaku", "TendonSyubetu", "TendonSetumei", "Gurauto" }, {} };
const FormSpec KK3 { Kihon + "KK3.jfm", { "Kikai", "TendonSyubetu", "Gurauto", "Haigou" }, {} };
const FormSpec KK3Gyou { Kihon + "KK3Gyou.jfm", { "Title", "Kikaku", "Ryuubei", "Batti" }, {} };
const FormSpec KK3_3 { Kihon + "KK3-3.jfm", { "Sagyou" }, {} };
const FormSpec KK4 { Kihon + "KK4.jfm", { "Set", "Torituke", "Yuatu", "ZuMidashi" }, { "Zu" } };
const FormSpec KK5 { Kihon + "KK5.jfm",
    QStringList { "Moji", "Sakukoukei1", "Sakukoukei2", "Anctaityou1", "Anctaityou2", "Keikakukajyuu1",
        "Keikakukajyuu2", "Tendon", "Kyoyou", "Koufukukajyuu", "MasatuTaumax", "Gobi1" }
        + numbered("Masatuteikou", 3),
    {} };
const FormSpec KK5_1_1 { Kihon + "KK5-1(1).jfm", { "Moji", "Moji1", "Moji2", "Moji3" }, {} };
const FormSpec KK5_1_1Bunsan { Kihon + "KK5-1(1)Bunsan.jfm", { "Syoki" }, {} };
const FormSpec KK5_1_2 { Kihon + "KK5-1(2).jfm", { "cicle" }, {} };
const FormSpec KK5_1 { Kihon + "KK5-1.jfm",
    { "Tisou", "HojiShinki", "HojiRireki", "Gobi3", "Gobi4", "saikaTitle", "ZoukajiTitle", "Zouka", "ZoukajiTani",
        "GenkajiTitle", "Genka", "GenkajiTani" },
    Figure };
const FormSpec KK7 { Kihon + "KK7.jfm", { "Matome" }, {} };
const FormSpec KK7_Jyouken { Kihon + "KK7_Jyouken.jfm", {}, {} };
const FormSpec KK7_Kekka { Kihon + "KK7_Kekka.jfm", {}, {} };
const FormSpec KK7_1 { Kihon + "KK7_1.jfm", { "Derutae", "Tyuusyaku", "Tug" }, { "IMAGE", "IMAGE_2" } };
const FormSpec KK7_2_1 { Kihon + "KK7_2_1.jfm", { "Hani", "Shiki1", "Sonshitu" }, {} };
const FormSpec KK7_2_2 { Kihon + "KK7_2_2.jfm", {}, Figure };
const FormSpec KK7_3 { Kihon + "KK7_3.jfm", { "shikiN", "Derutae", "DerutaT", "Es", "As", "LDashsf", "Comment" }, {} };
const FormSpec KK7_4 { Kihon + "KK7_4.jfm",
    { "syo", "HikinukiMoji1", "HikinukiMoji2", "Hikinuki3", "Sakukou2", "AncTaityou2", "Masatu", "HikinukiMoji3",
        "Masatu2" },
    {} };

namespace {
const QString Hinshitu = QStringLiteral("Syorui/HinshituKeikakusyo/");
const QStringList Chapter3Numbers { "Syo", "Syo2", "Syo3" };
const QStringList Rates { "JyougenRitu", "KagenRitu", "JyougenRitu2", "KagenRitu2" };
const QStringList PlannedMaxLoadFields = QStringList { "Title", "Td", "Tp", "TpType1", "TpType2", "Rank", "Tys",
    "Kyoyou", "Kyoyou_shiki", "Comment1", "Comment3" }
    + numbered("Td", 3) + numbered("Keisuu", 3) + numbered("Tp", 3);
} // namespace

const FormSpec HK2 { Hinshitu + "HK2.jfm", { "Set", "Torituke", "Yuatu", "ZuMidashi" }, { "Zu" } };
const FormSpec HK3New { Hinshitu + "HK3New.jfm", { "Syo", "Kijyun", "Shiken" }, {} };
const FormSpec HK3Old { Hinshitu + "HK3'.jfm", { "Syo", "Kijyun", "Shiken" }, {} };
const FormSpec HK3_2 { Hinshitu + "HK3-2'.jfm", { "Syo", "shiken1", "shiken2" }, { "IMAGE", "IMAGE2" } };
const FormSpec HK3_3 { Hinshitu + "HK3-3.jfm", Chapter3Numbers + QStringList { "Saidai", "Syoki" }, {} };
const FormSpec HK3_4 { Hinshitu + "HK3-4.jfm", { "Syo" }, Figure };
const FormSpec HK3_5 { Hinshitu + "HK3-5.jfm",
    Chapter3Numbers + QStringList { "JyougenRitu", "KagenRitu", "Kuripu", "Hantei" }, {} };
const FormSpec HK4 { Hinshitu + "HK4.jfm", { "Title", "Setumei" }, {} };
const FormSpec HK4_1_1 { Hinshitu + "HK4-1_1.jfm", { "Syou", "AncName", "Jakki", "Shikenmei" }, {} };
const FormSpec HK4_1Syoki { Hinshitu + "HK4-1Syoki.jfm", { "Title", "Syoki", "Syoki2" }, {} };
const FormSpec HK4_1SyokiBunsan { Hinshitu + "HK4-1SyokiBunsan.jfm", { "Title", "Syoki", "Syoki2" }, {} };
const FormSpec HK4_1_2 { Hinshitu + "HK4-1_2.jfm",
    { "Title", "Shikenmei", "AncSyubetu", "Saidai", "Dankai", "ShinkiHoji", "ShinkiSokutei", "RirekiSokutei1",
        "RirekiSokutei2", "RirekiHoji1", "RirekiHoji2", "WakuUe", "WakuShita", "saikaTitle", "ZoukajiTitle",
        "GenkajiTitle", "ZoukajiTani", "GenkajiTani", "Zouka", "Genka" },
    {} };
const FormSpec HK4_1_8 { Hinshitu + "HK4-1(8).jfm", { "Title" }, Figure };
const std::array<FormSpec, 4> HK4_1Saidai { {
    { Hinshitu + "HK4-1Saidai1.jfm", PlannedMaxLoadFields, {} },
    { Hinshitu + "HK4-1Saidai2.jfm", PlannedMaxLoadFields, {} },
    { Hinshitu + "HK4-1Saidai3.jfm", PlannedMaxLoadFields, {} },
    { Hinshitu + "HK4-1Saidai4.jfm", PlannedMaxLoadFields, {} },
} };
const FormSpec HK4_2 { Hinshitu + "HK4-2.jfm",
    Rates
        + QStringList { "Title", "Saidai", "Syoki", "Jiyuutyou", "Danseikeisuu", "Danmenseki", "Jyougen1", "Kagen1" }
        + numbered("Rironti", 3),
    {} };
const FormSpec HK4_2Bunsan { Hinshitu + "HK4-2Bunsan.jfm",
    Rates
        + QStringList { "Title", "Tani", "Kome", "RironBunshi", "RironBunbo", "Riron", "Riron2", "Riron3", "Jyougen",
            "Kagen", "Moji" },
    {} };
const FormSpec HK4_2Dounyuuryku1 { Hinshitu + "HK4-2Dounyuuryku1.jfm",
    QStringList { "Title", "Teityakugu", "Bunshi", "Shiki1", "Shiki2", "Tyuui", "Pt", "Pt_2", "Kintyouryoku",
        "DerutaPs", "DerutaPs_2", "HirituTitle", "Sansyou" }
        + numbered("Hiritu", 4),
    {} };
const FormSpec HK4_3 { Hinshitu + "HK4-3.jfm",
    { "Title", "SoNobi1", "SoNobi2", "DaNobi1", "Sosei2", "Dansei", "Sosei", "Hantei" }, {} };
const FormSpec HK4_4 { Hinshitu + "HK4-4.jfm", { "Title" }, { "IMAGE", "IMAGE_2" } };
const FormSpec HK7 { Hinshitu + "HK7.jfm", { "Matome" }, {} };

const FormSpec KK6Title { Iji + "KK6Title.jfm", {}, {} };
const FormSpec KK6Jyouken { Iji + "KK6Jyouken.jfm",
    { "Syoki1", "Saidai1", "Jiyuutyou1", "Danseikeisuu1", "Danmenseki1", "Tyuusyaku" }, {} };
const FormSpec Iji_Lsf_Title { Iji + "Iji_Lsf_Title.jfm", { "Syo" }, {} };
const FormSpec Iji_Lsf_Masatu { Iji + "Iji_Lsf_Masatu.jfm", { "Lr", "Lf", "La", "Lr_2", "Lf_2", "Lsf" }, {} };
const FormSpec Iji_Lsf_MasatuSEEE { Iji + "Iji_Lsf_MasatuSEEE.jfm", { "M1" }, {} };
const FormSpec Iji_Lsf_AssyukuSEEE { Iji + "Iji_Lsf_AssyukuSEEE.jfm", { "M2" }, {} };
const FormSpec Iji_Lsf_SentanShiatu { Iji + "Iji_Lsf_SentanShiatu.jfm",
    { "Lr", "Lf", "La", "Lr_2", "Lf_2", "La_2", "Lsf" }, {} };
const FormSpec Iji_Lsf_Model { Iji + "Iji_Lsf_Model.jfm", {}, Figure };
const FormSpec Iji_Lsf_Jyouken { Iji + "Iji_Lsf_Jyouken.jfm",
    { "L", "Lr", "Lf", "La", "TaikataiNum", "Tani_1", "Kumi", "Tani_2" }, {} };
const FormSpec Iji_Lsf_TaikataiGyou { Iji + "Iji_Lsf_TaikataiGyou.jfm", { "Taikatai", "PCNum", "Kankaku", "Lab", "N" },
    {} };
const FormSpec Iji_Lsf_TaikataiGoukei { Iji + "Iji_Lsf_TaikataiGoukei.jfm", { "PCNum", "N" }, {} };
const FormSpec Iji_Lsf_Shiki { Iji + "Iji_Lsf_Shiki.jfm", {}, {} };
const FormSpec Iji_Lsf_Shiki2 { Iji + "Iji_Lsf_Shiki2.jfm", {}, {} };
const FormSpec Iji_Lsf_Shiki_DHP { Iji + "Iji_Lsf_Shiki_DHP.jfm", {}, {} };
const FormSpec Iji_Lsf_Shiki_DHP2 { Iji + "Iji_Lsf_Shiki_DHP2.jfm", {}, {} };
const FormSpec Iji_Lsf_Lsf { Iji + "Iji_Lsf_Lsf.jfm", { "Kumi", "N", "Lsf" }, {} };
const FormSpec Iji_Lsf_LsfAns { Iji + "Iji_Lsf_LsfAns.jfm", { "Jiyuutyo", "Ans" }, {} };
const FormSpec Sadou_Syoki_Title { Iji + "Sadou_Syoki_Title.jfm", LoadPerStrand, {} };
const FormSpec Sadou_Syoki_K { Iji + "Sadou_Syoki_K.jfm", StrandModulus, {} };
const FormSpec Sadou_Syoki_D { Iji + "Sadou_Syoki_D.jfm", BodyRow + QStringList { "K" }, {} };
const FormSpec Sadou_Syoki_ShikiD { Iji + "Sadou_Syoki_ShikiD.jfm", {}, {} };
const std::array<FormSpec, 5> Sadou_Syoki_T { {
    { Iji + "Sadou_Syoki_T1.jfm", { "Shiki", "R" }, {} },
    { Iji + "Sadou_Syoki_T2.jfm", { "Shiki", "R" }, {} },
    { Iji + "Sadou_Syoki_T3.jfm", { "Shiki", "R" }, {} },
    { Iji + "Sadou_Syoki_T4.jfm", { "Shiki", "R" }, {} },
    { Iji + "Sadou_Syoki_T5.jfm", { "Shiki", "R" }, {} },
} };
const FormSpec Sadou_Syoki_Syoki { Iji + "Sadou_Syoki_Syoki.jfm", { "Saisyuu", "Syoki" }, {} };
const FormSpec Iji_Oreten_Tb { Iji + "Iji_Oreten_Tb.jfm", LoadPerStrand, {} };
const FormSpec Iji_Oreten_Nobi { Iji + "Iji_Oreten_Nobi.jfm", StrandModulus, {} };
const FormSpec Iji_Oreten_Sa { Iji + "Iji_Oreten_Sa.jfm", BodyRow, {} };
const FormSpec Iji_Oreten_OretenShiki { Iji + "Iji_Oreten_OretenShiki.jfm", {}, {} };
const FormSpec Iji_Oreten_Oreten { Iji + "Iji_Oreten_Oreten.jfm", { "Shiki", "F" }, {} };
const FormSpec Iji_Oreten_Syoki { Iji + "Iji_Oreten_Syoki.jfm", { "Kasan", "Saisyuu", "Syoki" }, {} };
const FormSpec Iji_Oreten_Syoki_0 { Iji + "Iji_Oreten_Syoki_0.jfm", { "Syo" }, {} };

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
        &Hyoushi,
        &Sousoku,
        &Gaiyou,
        &KK2,
        &KK3,
        &KK3Gyou,
        &KK3_3,
        &KK4,
        &KK5,
        &KK5_1_1,
        &KK5_1_1Bunsan,
        &KK5_1_2,
        &KK5_1,
        &KK7,
        &KK7_Jyouken,
        &KK7_Kekka,
        &KK7_1,
        &KK7_2_1,
        &KK7_2_2,
        &KK7_3,
        &KK7_4,
        &HK2,
        &HK3New,
        &HK3Old,
        &HK3_2,
        &HK3_3,
        &HK3_4,
        &HK3_5,
        &HK4,
        &HK4_1_1,
        &HK4_1Syoki,
        &HK4_1SyokiBunsan,
        &HK4_1_2,
        &HK4_1_8,
        &HK4_1Saidai[0],
        &HK4_1Saidai[1],
        &HK4_1Saidai[2],
        &HK4_1Saidai[3],
        &HK4_2,
        &HK4_2Bunsan,
        &HK4_2Dounyuuryku1,
        &HK4_3,
        &HK4_4,
        &HK7,
        &KK6Title,
        &KK6Jyouken,
        &Iji_Lsf_Title,
        &Iji_Lsf_Masatu,
        &Iji_Lsf_MasatuSEEE,
        &Iji_Lsf_AssyukuSEEE,
        &Iji_Lsf_SentanShiatu,
        &Iji_Lsf_Model,
        &Iji_Lsf_Jyouken,
        &Iji_Lsf_TaikataiGyou,
        &Iji_Lsf_TaikataiGoukei,
        &Iji_Lsf_Shiki,
        &Iji_Lsf_Shiki2,
        &Iji_Lsf_Shiki_DHP,
        &Iji_Lsf_Shiki_DHP2,
        &Iji_Lsf_Lsf,
        &Iji_Lsf_LsfAns,
        &Sadou_Syoki_Title,
        &Sadou_Syoki_K,
        &Sadou_Syoki_D,
        &Sadou_Syoki_ShikiD,
        &Sadou_Syoki_T[0],
        &Sadou_Syoki_T[1],
        &Sadou_Syoki_T[2],
        &Sadou_Syoki_T[3],
        &Sadou_Syoki_T[4],
        &Sadou_Syoki_Syoki,
        &Iji_Oreten_Tb,
        &Iji_Oreten_Nobi,
        &Iji_Oreten_Sa,
        &Iji_Oreten_OretenShiki,
        &Iji_Oreten_Oreten,
        &Iji_Oreten_Syoki,
        &Iji_Oreten_Syoki_0,
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
