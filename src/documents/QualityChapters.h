#pragma once
// The chapters of the quality-assurance plan and report that are their own:
// the test method of the anchors printed, and the chapter of one anchor. Used
// by QualityDocument.cpp.

#include "documents/DocumentFamily.h"
#include "documents/DocumentInputs.h"

#include <vector>

namespace tessaro {

class DocumentPages;
struct Project;
struct AnchorRecord;
struct HoldingSchedule;

struct QualityChapterContext {
    DocumentPages& pages;
    const Project& p;
    DocumentFamily family;
    const DocumentInputs& inputs;
};

// The test kinds of the anchors printed, in the words of the project's edition
// ("適性試験・確認試験"), each once in the order they first appear.
QString testKindsOf(const Project& p, const std::vector<int>& anchors);

// Chapter 3: kinds of test, loading, loads, load-distribution anchors when
// any is printed, and how the results are judged.
void drawMethodChapter(const QualityChapterContext& c, const std::vector<int>& anchors);

// Chapter 4's heading.
void drawAnchorsHeading(const QualityChapterContext& c);
// Section 4-`section` of anchor n (evaluated), beginning a page.
void drawAnchorSection(
    const QualityChapterContext& c, int section, int n, const AnchorRecord& anchor, const HoldingSchedule& schedule);

} // namespace tessaro
