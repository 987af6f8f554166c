#include "documents/QualityDocument.h"

#include "documents/CommonChapters.h"
#include "documents/DocumentPages.h"
#include "documents/QualityChapters.h"
#include "documents/ReportForms.h"
#include "evaluation/CycleEvaluation.h"
#include "model/ProjectRecord.h"

#include <QFile>
#include <algorithm>

namespace tessaro {
namespace {

void drawSummary(const QualityChapterContext& c)
{
    const QString& summary = c.inputs.summary;
    c.pages.newPage();
    c.pages.place(forms::HK7, { { "Matome", summary } }, {}, summaryHeight(summary));
}

} // namespace

int reportAnchorCount(const Project& p)
{
    return std::min({ p.anchorCount(), int(p.Record.Anchors.size()), int(p.Record.Schedules.size()) });
}

std::vector<int> chosenReportAnchors(const Project& p)
{
    const int count = reportAnchorCount(p);
    std::vector<int> anchors;
    for (int n : p.ReportAnchors)
        if (n >= 1 && n <= count && (anchors.empty() || n > anchors.back()))
            anchors.push_back(n);
    if (anchors.empty())
        for (int n = 1; n <= count; ++n)
            anchors.push_back(n);
    return anchors;
}

bool PrintQualityDocument(report::ReportEngine& engine, const Project& p, DocumentFamily family,
    const std::vector<int>& anchors, const QualityProgress& progress)
{
    const int count = reportAnchorCount(p);
    if (isBasicFamily(family) || anchors.empty()
        || std::any_of(anchors.begin(), anchors.end(), [count](int n) { return n < 1 || n > count; }))
        return false;
    const DocumentInputs inputs = documentInputs(p, family);
    const PreparedSketch sketch = sketchOf(inputs);

    startPlanReport(engine, p, family, anchors.front(), anchors.back());
    drawCover(engine, p, family, inputs);
    DocumentPages pages(engine);
    const QualityChapterContext c { pages, p, family, inputs };
    drawGeneralRulesAndOutline(pages, p, family, inputs, testKindsOf(p, anchors));
    drawEquipment(pages, forms::HK2, inputs, sketch.file);
    drawMethodChapter(c, anchors);
    drawAnchorsHeading(c);
    bool stopped = false;
    for (std::size_t k = 0; k < anchors.size() && !stopped; ++k) {
        const int n = anchors[k];
        // Each anchor prints from a working copy with its results refreshed.
        const AnchorRecord a = EvaluatedCopy(p.Record.Anchors[std::size_t(n - 1)], p);
        drawAnchorSection(c, int(k) + 1, n, a, p.Record.Schedules[std::size_t(n - 1)]);
        stopped = progress && !progress(int(k) + 1);
    }
    if (!stopped)
        drawSummary(c);
    const bool ended = !stopped && engine.End();
    if (sketch.temporary)
        QFile::remove(sketch.file);
    return ended;
}

} // namespace tessaro
