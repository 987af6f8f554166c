#include "planning/AnchorList.h"

#include "model/basMainData.h"
#include "planning/HoldingTimes.h"

#include <algorithm>
#include <utility>

namespace tessaro {
namespace {

std::size_t at(int row)
{
    return std::size_t(row - 1);
}

template <class T> void insertAt(VarArray<T>& v, int row, T value)
{
    v.insert(v.begin() + (row - 1), std::move(value));
}

template <class T> void eraseAt(VarArray<T>& v, int row)
{
    v.erase(v.begin() + (row - 1));
}

// Loaded files may hold the arrays at other lengths than AnchorCount: every
// operation first brings them back to 1..AnchorCount.
void alignArrays(Project& p)
{
    ResizeAnchorArrays(p, p.Record.AnchorCount);
}

} // namespace

bool validRow(const Project& p, int row)
{
    return row >= 1 && row <= p.Record.AnchorCount;
}

AnchorClipboard copyAnchor(const Project& p, int row)
{
    AnchorClipboard clip;
    if (!validRow(p, row) || int(p.Record.Anchors.size()) < row)
        return clip;
    const ProjectRecord& r = p.Record;
    clip.filled = true;
    clip.anchor = r.Anchors[at(row)];
    clip.creep = at(row) < r.CreepSelections.size() ? r.CreepSelections[at(row)] : CreepSelection {};
    clip.label = at(row) < r.AnchorLabels.size() ? r.AnchorLabels[at(row)] : QString();
    clip.mark = at(row) < r.AnchorMarks.size() ? r.AnchorMarks[at(row)] : std::int16_t(0);
    clip.schedule = at(row) < r.Schedules.size() ? r.Schedules[at(row)] : HoldingSchedule {};
    return clip;
}

bool insertAnchor(Project& p, int row, const AnchorClipboard& clip)
{
    if (!clip.filled || p.Record.AnchorCount >= MaxAnchors)
        return false;
    alignArrays(p);
    row = std::clamp(row, 1, p.Record.AnchorCount + 1);
    ProjectRecord& r = p.Record;
    insertAt(r.Anchors, row, clip.anchor);
    insertAt(r.CreepSelections, row, clip.creep);
    insertAt(r.AnchorLabels, row, clip.label);
    insertAt(r.AnchorMarks, row, clip.mark);
    insertAt(r.Schedules, row, clip.schedule);
    ++r.AnchorCount;
    return true;
}

bool addAnchor(Project& p)
{
    if (p.Record.AnchorCount >= MaxAnchors)
        return false;
    alignArrays(p);
    ProjectRecord& r = p.Record;
    AnchorClipboard fresh;
    fresh.filled = true;
    applyDefaultLoadChange(fresh.anchor);
    // One jack for all anchors: the new anchor is tested with it too.
    if (r.JackTypeChoice == 0 && r.AnchorCount >= 1) {
        fresh.anchor.Jack = r.Anchors[0].Jack;
        fresh.label = r.AnchorLabels[0];
        fresh.mark = r.AnchorMarks[0];
    }
    return insertAnchor(p, r.AnchorCount + 1, fresh);
}

void deleteAnchor(Project& p, int row)
{
    if (!validRow(p, row))
        return;
    alignArrays(p);
    ProjectRecord& r = p.Record;
    eraseAt(r.Anchors, row);
    eraseAt(r.CreepSelections, row);
    eraseAt(r.AnchorLabels, row);
    eraseAt(r.AnchorMarks, row);
    eraseAt(r.Schedules, row);
    --r.AnchorCount;
}

bool anchorHasInput(const AnchorRecord& anchor)
{
    return !anchor.AnchorNo.trimmed().isEmpty() || anchor.ReadingCount > 0;
}

int removeAnchorsWithoutInput(Project& p, int& trackedRow)
{
    alignArrays(p);
    int removed = 0;
    for (int row = p.Record.AnchorCount; row >= 1 && p.Record.AnchorCount > 1; --row) {
        if (!anchorHasInput(p.anchor(row))) {
            deleteAnchor(p, row);
            ++removed;
            if (row < trackedRow)
                --trackedRow;
        }
    }
    trackedRow = std::clamp(trackedRow, 1, std::max(1, p.Record.AnchorCount));
    return removed;
}

int namedRowCount(const Project& p)
{
    int n = 0;
    const int count = std::min<int>(p.Record.AnchorCount, int(p.Record.Anchors.size()));
    while (n < count && !p.Record.Anchors[at(n + 1)].AnchorNo.isEmpty())
        ++n;
    return n;
}

bool canMoveUp(const Project& p, int row)
{
    return row >= 2 && validRow(p, row);
}

bool canMoveDown(const Project& p, int row)
{
    return validRow(p, row) && row != p.Record.AnchorCount && row != namedRowCount(p);
}

void swapAnchors(Project& p, int row1, int row2)
{
    if (!validRow(p, row1) || !validRow(p, row2) || row1 == row2)
        return;
    alignArrays(p);
    ProjectRecord& r = p.Record;
    std::swap(r.Anchors[at(row1)], r.Anchors[at(row2)]);
    std::swap(r.CreepSelections[at(row1)], r.CreepSelections[at(row2)]);
    std::swap(r.AnchorLabels[at(row1)], r.AnchorLabels[at(row2)]);
    std::swap(r.AnchorMarks[at(row1)], r.AnchorMarks[at(row2)]);
    std::swap(r.Schedules[at(row1)], r.Schedules[at(row2)]);
}

} // namespace tessaro
