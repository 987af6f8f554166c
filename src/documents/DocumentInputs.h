#pragma once
// What the engineer writes into a document wizard, and where the project keeps
// it. Each family owns one part of DocumentSettings (BasicPlan, BasicReport:
// the long record; QualityPlan, QualityReport: the short one) and one
// DocumentText; the wizard's fields map onto those records as listed in
// docs/file-format.md ("Document texts"). The mapping is written once
// (bindInputs) and read in both directions, for the wizard, the format files
// and the documents alike.

#include "documents/DocumentFamily.h"
#include "model/DocumentRecords.h"

#include <QString>
#include <array>
#include <type_traits>

namespace tessaro {

struct Project;

// The longest texts a wizard takes: one-line items, tendon description and work
// steps 120 characters, the summary of results 1600.
inline constexpr int ItemTextLimit = 120;
inline constexpr int SummaryTextLimit = 1600;

inline constexpr int OutlineItemCount = 10;
inline constexpr int JackTextCount = 3;
inline constexpr int MixRowCount = 5;
inline constexpr int WorkStepCount = 7;

// One row of the grout mix table: material, standard name, amount per m³ and per batch.
struct MixRow {
    QString material;
    QString standard;
    QString perCubicMetre;
    QString perBatch;
    bool operator==(const MixRow&) const = default;
};

struct DocumentInputs {
    // Page 1 "試験の概要": works name, place, period, contractor, construction
    // manager, purpose, anchor contractor, certified anchor engineer,
    // standards and references, software used.
    std::array<QString, OutlineItemCount> outline;
    QString date; // "2024年05月01日"
    bool worksNameOnCover = false; // "表紙に工事名を表示する"
    bool subcontractorShown = false; // "下請けの項目を表示する"
    bool lockOffFormulaShown = false; // "初期緊張力の算出式を表示" (quality documents)

    // The jack page: setting the jack, fixing the gauges, adjusting the pump.
    std::array<QString, JackTextCount> jack;
    bool sketchShown = false; // "ジャッキの略図を表示する"
    QString sketchPath;

    QString summary; // "試験結果の整理と判定" / "試験結果の整理"

    // Basic investigation only. Page 2 "試験アンカー体".
    int boreDiameter = 0; // mm; 0 not given
    QString drillingAngle; // "#0.00" degrees as shown
    QString tendonName;
    QString tendonDescription;
    QString groutingMethod;
    // Page 3 "試験アンカーの施工方法".
    QString machine;
    QString tendon;
    QString ratio;
    QString groutMaterial;
    QString mix; // the mix as a whole: "W/C = 50 %"
    std::array<MixRow, MixRowCount> mixTable;
    // Page 4 "作業手順".
    std::array<QString, WorkStepCount> steps;

    bool operator==(const DocumentInputs&) const = default;
};

// The family's inputs as the project holds them. While empty, the works name
// starts from the works title's WorksName, a basic document's bore diameter
// and tendon from the anchor's drill-hole diameter and product.
DocumentInputs documentInputs(const Project& p, DocumentFamily family);
// Stores the inputs into the family's records (the basic-only inputs are not
// kept by a quality-assurance family).
void storeDocumentInputs(Project& p, DocumentFamily family, const DocumentInputs& inputs);

// Calls f with the family's part of the document settings: the long record of
// a basic investigation family, the short one of a quality-assurance family.
template <class Settings, class F> void withFamilyFields(Settings& s, DocumentFamily family, F&& f)
{
    switch (family) {
    case DocumentFamily::BasicPlan:
        return f(s.BasicPlan);
    case DocumentFamily::BasicReport:
        return f(s.BasicReport);
    case DocumentFamily::QualityPlan:
        return f(s.QualityPlan);
    case DocumentFamily::QualityReport:
        return f(s.QualityReport);
    }
}

// Copies the family's part of one DocumentSettings into another.
void copyFamilyFields(const DocumentSettings& from, DocumentSettings& to, DocumentFamily family);

// Copies every text of one family over those of another of the same kind of
// record (plan and report of the same test).
void copyFamilyTexts(Project& p, DocumentFamily from, DocumentFamily to);

} // namespace tessaro
