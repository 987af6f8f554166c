#pragma once
// What every document the program writes (PDF or workbook) says about itself:
// its title and subject, the program that made it and when.

#include <QDateTime>
#include <QString>

namespace tessaro {

struct Project;

// A document's title as its file names it: the document's own title and the
// works name, "適性試験　データシート　○○川護岸補強工事" (the title alone
// without a works name).
QString documentTitle(const QString& title, const Project& p);
// Which anchors a document of anchors first..last (1-based) shows, as its
// subject: "アンカー A-1 ～ A-3", "アンカー A-2" for one; an anchor without a
// name by its number ("No.4").
QString anchorRangeSubject(const Project& p, int first, int last);

// The program as documents name their author: "Tessaro".
QString documentAuthor();
// The program with its version, as documents name their creator: "Tessaro 4.05".
QString documentCreator();

// The time a document is stamped with: SOURCE_DATE_EPOCH (seconds since
// 1970-01-01 UTC) when it is set, so that the same document composed again is
// the same file byte for byte; else the current time. In UTC, to the second.
QDateTime documentTime();
// Whether SOURCE_DATE_EPOCH asks for documents that are the same file when
// composed again.
bool reproducibleDocuments();

} // namespace tessaro
