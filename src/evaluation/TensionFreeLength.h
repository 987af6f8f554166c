#pragma once
// Free length at tensioning Lsf: the length of tendon that stretches when the
// jack pulls. For a load-distribution anchor the strands of each load-bearing
// body have their own length and Lsf is their strand-weighted harmonic mean.

#include "model/AnchorRecord.h"

#include <cstdint>
#include <vector>

namespace tessaro {

// Lsf of an anchor type from the free length Lf, the anchor length La, a given
// Lsf (types 1 and 2 take it as typed) and the length Lr inside the jack, mm.
// 0 when it cannot be formed. For load-distribution anchors (type 3) the
// per-body tendon lengths are written into the anchor's BodyTendonLength.
std::int32_t TensionFreeLengthOf(AnchorRecord& anchor, int typeCode, std::int32_t freeLength, std::int32_t anchorLength,
    std::int32_t givenLsf, std::int32_t extraLength);

// Lsf from the anchor's stored type and lengths (the stored Lsf serves as the
// given one), stored into TensionFreeLength and returned.
std::int32_t RefreshTensionFreeLength(AnchorRecord& anchor);

// Equivalent free length of a load-distribution anchor whose tendon runs L mm
// from the jack to the farthest body. Writes BodyTendonLength of bodies 1..N.
// 0 when a body has no strands or no positive length, or when more bodies than
// the record holds (5) are given; L unchanged when no body contributes.
std::int32_t EquivalentFreeLength(AnchorRecord& anchor, double totalLength);

// Splits total into n whole-number parts; the last takes the remainder. Used to
// fill the default spacings of the load-bearing bodies. Empty for n < 1.
std::vector<double> SplitEvenly(double total, int n);

} // namespace tessaro
