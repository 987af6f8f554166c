#pragma once
// The printed test result lists: the list of all anchors (PrintKekka), either
// the elastic and permanent displacements against the control limits or the
// creep judgements, 43 anchors a page; and the detailed list of one anchor's
// readings with their evaluation values (JIVEMain kinds 5 and 6), 45 readings
// a page. Every page carries its number.

#include "documents/ReportEngine.h"
#include "evaluation/ResultsList.h"

#include <vector>

namespace tessaro {

struct Project;

enum class ResultsListKind {
    Displacement, // elastic and permanent displacements
    Creep, // the displacement or creep coefficient during the load holding
};

inline constexpr int ResultsListRowsPerPage = 43;
inline constexpr int ResultDetailRowsPerPage = 45;

// An anchor name longer than ten characters goes into AncMeisyou20, the field
// set in a smaller face; a shorter one into AncMeisyou.
QString anchorNameField(const QString& name);

// The fields of one row of the list.
report::Fields resultsRowFields(const ResultsRow& row, ResultsListKind kind);

// The list of the rows (ResultsList) as one document, ended. False when it
// could not be written.
bool PrintKekka(
    report::ReportEngine& engine, const Project& p, const std::vector<ResultsRow>& rows, ResultsListKind kind);

// The detailed list of anchors first..last (held to the project's anchors),
// each evaluated afresh on a copy and beginning on a new page, as one document,
// ended.
bool PrintResultDetails(report::ReportEngine& engine, const Project& p, int first, int last);

} // namespace tessaro
