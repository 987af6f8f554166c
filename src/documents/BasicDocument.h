#pragma once
// The test plan (kind 0) and the test report (kind 2) of a basic investigation
// (pull-out) test: cover, general rules, outline, the test anchor and its
// construction, the work steps, the test equipment with the jack sketch, the
// load plan with its holding times and graph, the data arrangement with the
// free-length (and, for load-distribution anchors, initial-load) sheets, and
// the arrangement of the results; the report adds the results themselves:
// head displacement, friction loss, apparent free length and ultimate pull-out
// force. Plan and report share every chapter and differ in their sentence
// endings and in the results.

#include "documents/DocumentFamily.h"
#include "documents/ReportEngine.h"

#include <QString>

namespace tessaro {

struct Project;
struct AnchorRecord;

inline const QString FrictionLossNotSetMessage
    = QStringLiteral("摩擦損失量の設定がされていません。設定を行って下さい。");
inline const QString FrictionLossMark = QStringLiteral("※摩擦損失量の設定を行ってください");

// Why the document cannot be composed yet, "" when it can: the report needs the
// friction loss to be set.
QString basicDocumentRefusal(const Project& p, DocumentFamily family);

// The report's results show the apparent free length only when the elastic
// displacement of the last cycle was computed; the ultimate pull-out force is
// then "７－４", else "７－３".
bool showsApparentFreeLength(const AnchorRecord& evaluated);

// Composes the plan or the report of the project's anchor and ends the
// document. A jack sketch that cannot be printed is told (information) and its
// area left empty. False when the document could not be written (or the family
// is not a basic investigation family).
bool PrintBasicDocument(report::ReportEngine& engine, const Project& p, DocumentFamily family);

} // namespace tessaro
