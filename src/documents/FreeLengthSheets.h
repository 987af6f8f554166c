#pragma once
// The calculation sheets of the free length at tensioning ("緊張時自由長の
// 算出") and, for load-distribution anchors, of the initial load that makes the
// load-bearing bodies share the load ("初期荷重の算出"). The plan and report
// documents print them in their data-arrangement chapter, under chapter
// numbers of their own.

#include "documents/DocumentFamily.h"

#include <QString>

namespace tessaro {

class DocumentPages;
struct AnchorRecord;

// The free-length sheet of the anchor's type under the section number
// ("６－２．"): the sum of lengths of friction and tip-bearing anchors, the
// product's value of the SEEE anchors, the strand-weighted harmonic mean of
// the bodies of a load-distribution anchor.
void drawFreeLengthSheets(
    DocumentPages& pages, const AnchorRecord& anchor, const QString& section, DocumentFamily family);

// The initial-load sheets of a load-distribution anchor under the section
// number: the final differential load with a differential pulling head, else the
// final break-point load of the strand groups; a note when the calculation
// cannot be carried out. `qualityAssurance` chooses the design load as the
// calculation does (1.1 Td for U-turn products in quality-assurance projects).
void drawInitialLoadSheets(DocumentPages& pages, const AnchorRecord& anchor, bool qualityAssurance,
    const QString& section, DocumentFamily family);

} // namespace tessaro
