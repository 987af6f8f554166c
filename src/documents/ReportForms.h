#pragma once
// The report templates the documents draw and the fields they fill: one list,
// used by the composing code for the template paths and by the tests to check
// that every template exists and offers every field filled into it. A document
// that draws a new template adds it here.

#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace tessaro::forms {

struct FormSpec {
    QString file; // file in the Report folder, e.g. "DataSheetKoumoku.jfm", "Syorui/Hyoushi.jfm"
    QStringList fields; // text fields the code fills
    QStringList images; // image fields the code fills

    // Full path of the template in the program's Report folder.
    QString path() const;
};

// Page furniture shared by documents.
extern const FormSpec Title; // page title
extern const FormSpec Page; // page number at the foot of the page

// Measurement data sheets.
extern const FormSpec DataSheetKoumoku; // anchor items, basic investigation test
extern const FormSpec DataSheetKoumoku2; // anchor items, quality-assurance tests
extern const FormSpec InputDataSheetTitle; // column titles with the time-of-day column
extern const FormSpec InputDataSheetGyou; // one reading row with the time-of-day column
extern const FormSpec InDatSTTitleNoTime; // column titles without the time-of-day column
extern const FormSpec InDatSTGyouNoTime; // one reading row without the time-of-day column
extern const FormSpec InputDataSheetBar; // closing rule below the last row

// Anchor particulars list. Title blocks by test kind: quality assurance with
// the normal design anchor force only, with the seismic one too (Td), the basic
// investigation (Kihon); the "2" blocks head an anchor's following pages.
extern const FormSpec AnchorListTitle;
extern const FormSpec AnchorListTitle2;
extern const FormSpec AnchorListTitleTd;
extern const FormSpec AnchorListTitleTd2;
extern const FormSpec AncListTitleKihon;
extern const FormSpec AncListTitleKihon2;
// Particulars blocks with the figure of their anchor type.
extern const FormSpec AnchorListHippari; // friction tension type
extern const FormSpec AnchorListHippariSEEE; // friction tension type (SEEE)
extern const FormSpec AnchorListAssyuku; // friction compression type (SEEE)
extern const FormSpec AnchorListBunsan; // load-distribution type
extern const FormSpec AnchorListShiatu; // tip compression and bearing types
extern const FormSpec AnchorListKajyuu; // load plan: T0, Tp, stages, load changes
extern const FormSpec AnchorListCycleTitle; // heading of a holding-time table
extern const FormSpec AnchorListCycleGyo; // one row of it
extern const FormSpec AnchorListCyclezu; // load-plan figure

// Graph sheets of the graph window: with the detail items (quality-assurance
// tests and the basic investigation test), and the four graphs alone on an A4
// landscape page.
extern const FormSpec Graph;
extern const FormSpec Graph2;
extern const FormSpec ZPrn4GRAPH;
// Summary chart of all anchors, a page per twenty anchors.
extern const FormSpec SoukatuGraph;

// Creep sheets (2012 method): title with the anchor's items, the holding's
// curve, the ⊿s calculation and the extended test's ⊿c calculation, each with
// the judgement ("Ans") or without it when the chosen times allow none.
extern const FormSpec NewKuripuHeniTitle;
extern const FormSpec NewKuripuHeniGraph;
extern const FormSpec NewKuripuHeni1;
extern const FormSpec NewKuripuHeni1Ans;
extern const FormSpec NewKuripuHeni2;
extern const FormSpec NewKuripuHeni2Ans;
// Creep-coefficient sheet (2000 method): title, stage, points and curve; the
// time conversion; the calculation and its conclusion.
extern const FormSpec Kuripuzu;
extern const FormSpec Kuripuzu2;
extern const FormSpec Kuripuzu3;

// Test result list: elastic and permanent displacements, or creep; and the
// detailed list of one anchor's readings with their evaluation values.
extern const FormSpec KekkaItiranTitle;
extern const FormSpec KekkaItiranGyou;
extern const FormSpec KekkaItiranBar;
extern const FormSpec KekkaItiranHeniTitle;
extern const FormSpec KekkaItiranHeniGyou;
extern const FormSpec KekkaItiranSyousaiMainTitle;
extern const FormSpec KekkaItiranSyousaiTitle;
extern const FormSpec KekkaItiranSyousaiGyou;
extern const FormSpec KekkaItiranSyousaiBar;
// Friction-loss sheet of a basic investigation: particulars and chart, then the
// working from a given intersection load (Shitei) or from two points.
extern const FormSpec Masatusonshitu;
extern const FormSpec MasatusonshituShitei;
extern const FormSpec Masatusonshitu2point;
// Plan and report documents: cover, general rules and outline (Report/Syorui).
extern const FormSpec Hyoushi;
extern const FormSpec Sousoku;
extern const FormSpec Gaiyou;
// Chapters of the basic investigation plan and report (Syorui/KihonKeikakusyo).
extern const FormSpec KK2; // 2 the test anchor
extern const FormSpec KK3; // 3 construction method, head of the mix table
extern const FormSpec KK3Gyou; // one row of the mix table
extern const FormSpec KK3_3; // 3-3 work procedure
extern const FormSpec KK4; // 4 test equipment with the jack sketch
extern const FormSpec KK5; // 5 (1) planned maximum load
extern const FormSpec KK5_1_1; // 5 (2) initial load
extern const FormSpec KK5_1_1Bunsan; // 5 (2) initial load of a load-distribution anchor
extern const FormSpec KK5_1_2; // 5 (3) loading cycles
extern const FormSpec KK5_1; // 5-1 holding times with the load-plan graph
extern const FormSpec KK7; // 7 results: the summary
extern const FormSpec KK7_Jyouken; // 7 of the plan: the items judged
extern const FormSpec KK7_Kekka; // 7 of the report: where the results are
extern const FormSpec KK7_1; // 7-1 head displacement
extern const FormSpec KK7_2_1; // 7-2 friction loss
extern const FormSpec KK7_2_2; // 7-2 its chart
extern const FormSpec KK7_3; // 7-3 apparent free length
extern const FormSpec KK7_4; // 7-4 ultimate pull-out force
// Chapters of the quality-assurance plan and report (Syorui/HinshituKeikakusyo).
extern const FormSpec HK2; // 2 test equipment with the jack sketch
extern const FormSpec HK3New; // 3-1 test method under the 2012 edition
extern const FormSpec HK3Old; // 3-1 test method under the 2000 edition (HK3'.jfm)
extern const FormSpec HK3_2; // 3-2 loading: the multi-cycle and single-cycle figures (HK3-2'.jfm)
extern const FormSpec HK3_3; // 3-3 planned maximum load and initial load
extern const FormSpec HK3_4; // 3-4 load-distribution anchors, with their model figure
extern const FormSpec HK3_5; // 3-n judgement: elastic displacement and creep
extern const FormSpec HK4; // 4 heading of the anchors' chapter
extern const FormSpec HK4_1_1; // 4-k one anchor: name and jack
extern const FormSpec HK4_1Syoki; // (1) initial load
extern const FormSpec HK4_1SyokiBunsan; // (1) initial load of a load-distribution anchor
extern const FormSpec HK4_1_2; // (2) load plan: loads, holdings and load changes
extern const FormSpec HK4_1_8; // (2) the load plan against time (HK4-1(8).jfm)
extern const std::array<FormSpec, 4> HK4_1Saidai; // (3) planned maximum load by edition and rank
extern const FormSpec HK4_2; // (4) elastic-displacement limits
extern const FormSpec HK4_2Bunsan; // (4) the same for a load-distribution anchor
extern const FormSpec HK4_2Dounyuuryku1; // (5) initial tension at lock-off
extern const FormSpec HK4_3; // results: displacements at Tp and the verdict
extern const FormSpec HK4_4; // results: the two test graphs
extern const FormSpec HK7; // summary
// Data arrangement and the free-length and initial-load sheets (Report/IjiSadouItem).
extern const FormSpec KK6Title;
extern const FormSpec KK6Jyouken;
extern const FormSpec Iji_Lsf_Title;
extern const FormSpec Iji_Lsf_Masatu; // type 0
extern const FormSpec Iji_Lsf_MasatuSEEE; // type 1
extern const FormSpec Iji_Lsf_AssyukuSEEE; // type 2
extern const FormSpec Iji_Lsf_SentanShiatu; // types 4 and 5
extern const FormSpec Iji_Lsf_Model; // load distribution (type 3) from here on
extern const FormSpec Iji_Lsf_Jyouken;
extern const FormSpec Iji_Lsf_TaikataiGyou;
extern const FormSpec Iji_Lsf_TaikataiGoukei;
extern const FormSpec Iji_Lsf_Shiki;
extern const FormSpec Iji_Lsf_Shiki2;
extern const FormSpec Iji_Lsf_Shiki_DHP;
extern const FormSpec Iji_Lsf_Shiki_DHP2;
extern const FormSpec Iji_Lsf_Lsf;
extern const FormSpec Iji_Lsf_LsfAns;
extern const FormSpec Sadou_Syoki_Title; // initial load, differential pulling head
extern const FormSpec Sadou_Syoki_K;
extern const FormSpec Sadou_Syoki_D;
extern const FormSpec Sadou_Syoki_ShikiD;
extern const std::array<FormSpec, 5> Sadou_Syoki_T; // T1..T5: the load on body 1..5
extern const FormSpec Sadou_Syoki_Syoki;
extern const FormSpec Iji_Oreten_Tb; // initial load, strand groups tensioned in turn
extern const FormSpec Iji_Oreten_Nobi;
extern const FormSpec Iji_Oreten_Sa;
extern const FormSpec Iji_Oreten_OretenShiki;
extern const FormSpec Iji_Oreten_Oreten;
extern const FormSpec Iji_Oreten_Syoki;
extern const FormSpec Iji_Oreten_Syoki_0; // the calculation cannot be carried out

const std::vector<const FormSpec*>& allForms();

} // namespace tessaro::forms

namespace tessaro {

namespace report {
class ReportEngine;
}

// The page number as the documents print it: "- n -".
QString pageNumberText(int page);
// Draws the page number at the foot of a portrait page (Page.jfm at the top margin 0).
void PagePrint(report::ReportEngine& engine, int page);

} // namespace tessaro
