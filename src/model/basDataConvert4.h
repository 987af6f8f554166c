#pragma once
// The project record of releases 2.00 to 4.003 and its conversion into the
// current one. These releases stored every record as today except the reading
// rows, whose elapsed time was a 16-bit value (minutes up to release 2.06,
// seconds from 3.00). Releases 2.00 to 2.06 also lack the per-body tendon
// lengths and the confirmation flag, which ConvertRelease2Details completes.

#include "model/OlderLayout.h"
#include "model/ProjectRecord.h"

namespace tessaro {

// A reading row of releases up to 4.003 (also of 1.02 and 1.03).
struct ShortElapsedTime {
    std::int16_t ElapsedTime = 0;

    template <class V> bool visitDiffering(V& v, std::string_view name)
    {
        return olderForm(v, name, "ElapsedTime", ElapsedTime);
    }
};
using OlderReading = OlderRecord<Reading, ShortElapsedTime>;

struct Release4AnchorDifferences {
    VarArray<OlderReading> Readings;

    template <class V> bool visitDiffering(V& v, std::string_view name)
    {
        return olderForm(v, name, "Readings", Readings);
    }
};
using Release4Anchor = OlderRecord<AnchorRecord, Release4AnchorDifferences>;

struct Release4ProjectDifferences {
    Release4Anchor WorkingAnchor;
    VarArray<Release4Anchor> Anchors;

    template <class V> bool visitDiffering(V& v, std::string_view name)
    {
        return olderForm(v, name, "WorkingAnchor", WorkingAnchor) || olderForm(v, name, "Anchors", Anchors);
    }
};
// The conversion buffer of releases 2.00 to 4.003.
using Release4ProjectRecord = OlderRecord<ProjectRecord, Release4ProjectDifferences>;

// The row with its elapsed time widened to 32 bits; every other value as it was.
void ConvertReading(const OlderReading& older, Reading& current);

// The anchor's fields as they were (taken over from the buffer), with rows
// 1..ReadingCount of the older rows passed through ConvertReading (fewer when
// the file held fewer rows).
void ConvertAnchor(AnchorRecord&& olderFields, const VarArray<OlderReading>& olderRows, AnchorRecord& current);

// The buffer, consumed, into the current project record: every top-level field
// as it was and every anchor through ConvertAnchor, also anchors that hold no
// readings yet (their particulars and plans are worth keeping).
void ConvertRelease4Record(Release4ProjectRecord&& older, ProjectRecord& current);

// Completes a record of releases up to 2.06: the per-body tendon lengths from
// Lf + Lr less the spare length, and the confirmation flag, which these
// releases held as the anchor's test text ("多サイクル" for a multi-cycle test).
void ConvertRelease2Details(ProjectRecord& record);

} // namespace tessaro
