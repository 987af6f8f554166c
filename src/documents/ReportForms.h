#pragma once
// The report templates the documents draw and the fields they fill: one list,
// used by the composing code for the template paths and by the tests to check
// that every template exists and offers every field filled into it. A document
// that draws a new template adds it here.

#include <QString>
#include <QStringList>
#include <vector>

namespace tessaro::forms {

struct FormSpec {
    QString file; // file name in the Report folder, e.g. "DataSheetKoumoku.jfm"
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
