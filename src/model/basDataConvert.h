#pragma once
// The project record of releases 1.02 and 1.03 and its conversion into the
// current one. Beside the short elapsed time of the reading rows, the anchor
// held its set amount as a 16-bit value, its TendonSpec lacked the type detail
// and the tensioning type, its TendonMaterial ended after 28 bytes of
// properties (no strand counts), and the creep selection lacked its last two
// values.

#include "model/basDataConvert4.h"

namespace tessaro {

struct Release1TendonSpecDifferences {
    template <class V> bool visitDiffering(V&, std::string_view name)
    {
        return name == "AnchorTypeDetail" || name == "TensioningType";
    }
};
using Release1TendonSpec = OlderRecord<TendonSpec, Release1TendonSpecDifferences>;

// Two strings and 28 bytes: taken as the first 28 bytes of today's 30-byte
// block (area, modulus and α, then 16 bytes of the rest); the strand counts
// came later.
struct Release1TendonMaterialDifferences {
    Block<16> MaterialBlock {};

    template <class V> bool visitDiffering(V& v, std::string_view name)
    {
        return olderForm(v, name, "MaterialBlock", MaterialBlock) || name == "BodyStrandCount"
            || name == "StrandSetCount" || name == "StrandBlock";
    }
};
using Release1TendonMaterial = OlderRecord<TendonMaterial, Release1TendonMaterialDifferences>;

struct Release1AnchorDifferences {
    std::int16_t SetAmount = -1;
    Release1TendonSpec Tendon;
    Release1TendonMaterial Material;
    VarArray<OlderReading> Readings;

    template <class V> bool visitDiffering(V& v, std::string_view name)
    {
        return olderForm(v, name, "SetAmount", SetAmount) || olderForm(v, name, "TendonSpec", Tendon)
            || olderForm(v, name, "TendonMaterial", Material) || olderForm(v, name, "Readings", Readings);
    }
};
using Release1Anchor = OlderRecord<AnchorRecord, Release1AnchorDifferences>;

struct Release1CreepSelectionDifferences {
    template <class V> bool visitDiffering(V&, std::string_view name)
    {
        return name == "Reserved2" || name == "Reserved3";
    }
};
using Release1CreepSelection = OlderRecord<CreepSelection, Release1CreepSelectionDifferences>;

struct Release1ProjectDifferences {
    Release1Anchor WorkingAnchor;
    VarArray<Release1Anchor> Anchors;
    Release1CreepSelection WorkingCreepSelection;
    VarArray<Release1CreepSelection> CreepSelections;

    template <class V> bool visitDiffering(V& v, std::string_view name)
    {
        return olderForm(v, name, "WorkingAnchor", WorkingAnchor) || olderForm(v, name, "Anchors", Anchors)
            || olderForm(v, name, "WorkingCreepSelection", WorkingCreepSelection)
            || olderForm(v, name, "CreepSelections", CreepSelections);
    }
};
// The conversion buffer of releases 1.02 and 1.03.
using Release1ProjectRecord = OlderRecord<ProjectRecord, Release1ProjectDifferences>;

// The buffer, consumed, into the current project record: the top-level fields
// as they were, every anchor through the 1.x anchor copy, and every creep
// selection with its two later values −9999 and 0.
void ConvertRelease1Record(Release1ProjectRecord&& older, ProjectRecord& current);

} // namespace tessaro
