#pragma once
// The chapters of the basic investigation plan and report, each drawn into the
// document's page layout from one context. Used by BasicDocument.cpp.

#include "documents/DocumentFamily.h"
#include "documents/DocumentInputs.h"

namespace tessaro {

class DocumentPages;
struct Project;
struct AnchorRecord;

struct BasicChapterContext {
    DocumentPages& pages;
    const Project& p;
    const AnchorRecord& anchor; // evaluated
    DocumentFamily family;
    const DocumentInputs& inputs;
};

// Chapter 7: the summary with the plan's items or the report's pointer.
void drawResultsChapter(const BasicChapterContext& c);
// The report's 7-1 to 7-4, each beginning a page.
void drawReportResults(const BasicChapterContext& c);

} // namespace tessaro
