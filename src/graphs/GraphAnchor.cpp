#include "graphs/GraphAnchor.h"

#include "evaluation/CycleEvaluation.h"
#include "model/ProjectRecord.h"
#include "recording/ReadingSheet.h"

#include <algorithm>

namespace tessaro {
namespace {

bool inProject(const Project& p, int n)
{
    return n >= 1 && n <= int(p.Record.Anchors.size()) && n <= p.anchorCount();
}

} // namespace

int graphAnchorCount(const Project& p)
{
    return p.isBasic() ? 1 : std::max(0, std::min<int>(p.anchorCount(), int(p.Record.Anchors.size())));
}

const AnchorRecord& graphAnchor(const Project& p, int n)
{
    static const AnchorRecord none;
    if (p.isBasic())
        return p.Record.WorkingAnchor;
    return inProject(p, n) ? p.Record.Anchors[std::size_t(n - 1)] : none;
}

const HoldingSchedule& graphSchedule(const Project& p, int n)
{
    static const HoldingSchedule none;
    if (p.isBasic())
        return p.Record.WorkingSchedule;
    return n >= 1 && n <= int(p.Record.Schedules.size()) ? p.Record.Schedules[std::size_t(n - 1)] : none;
}

bool graphSingleCycle(const Project& p, int n)
{
    return usesSingleCycleSheet(graphAnchor(p, n), p.TestCategory);
}

AnchorRecord evaluatedAnchor(Project& p, int n)
{
    return EvaluatedCopy(graphAnchor(p, n), p);
}

} // namespace tessaro
