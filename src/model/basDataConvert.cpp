#include "model/basDataConvert.h"

#include "planning/TestKinds.h"

#include <algorithm>
#include <cstring>

namespace tessaro {
namespace {

TendonMaterial convertMaterial(const Release1TendonMaterial& older)
{
    TendonMaterial m = older.current;
    std::memcpy(m.MaterialBlock.data(), older.older.MaterialBlock.data(), older.older.MaterialBlock.size());
    return m;
}

// The 1.x anchor copy. Load-distribution anchors of these releases had one
// strand per body: the strand counts that came later are filled so.
void convertAnchor(Release1Anchor& older, AnchorRecord& current)
{
    ConvertAnchor(std::move(older.current), older.older.Readings, current);
    current.SetAmount = older.older.SetAmount;
    current.Tendon = older.older.Tendon.current;
    current.Material = convertMaterial(older.older.Material);
    TendonSpec& t = current.Tendon;
    if (t.AnchorTypeCode != LoadDistributionType)
        return;
    t.AnchorTypeDetail = 1;
    const int bodies = std::clamp<int>(t.BodyCount, 0, int(current.Material.BodyStrandCount.size()));
    std::fill_n(current.Material.BodyStrandCount.begin(), bodies, std::int16_t(1));
    current.Material.StrandSetCount = t.BodyCount;
}

CreepSelection convertCreepSelection(const Release1CreepSelection& older)
{
    CreepSelection s = older.current;
    s.Reserved2 = -9999;
    s.Reserved3 = 0;
    return s;
}

} // namespace

void ConvertRelease1Record(Release1ProjectRecord&& older, ProjectRecord& current)
{
    current = std::move(older.current);
    Release1ProjectDifferences& d = older.older;
    convertAnchor(d.WorkingAnchor, current.WorkingAnchor);
    current.Anchors.resize(d.Anchors.size());
    for (std::size_t i = 0; i < d.Anchors.size(); ++i)
        convertAnchor(d.Anchors[i], current.Anchors[i]);
    current.WorkingCreepSelection = convertCreepSelection(d.WorkingCreepSelection);
    current.CreepSelections.clear();
    for (const Release1CreepSelection& s : d.CreepSelections)
        current.CreepSelections.push_back(convertCreepSelection(s));
}

} // namespace tessaro
