#pragma once
// Taking an anchor product (a designation of an anchor method) into an anchor:
// the product's name, type and tensioning type, the tendon's area, modulus and
// loads, the reference bore diameter, sleeves and perimeter, and for a
// load-distribution product its bodies and strand sets.

#include "model/AnchorRecord.h"
#include "refdb/AnchorProducts.h"

namespace tessaro::refdb {

// Whether the designation carries what the anchor's calculations need: a
// designation name, a tendon area and modulus, and for a load-distribution
// product 1 to 5 bodies, each with its strand sets, and the total of the sets.
bool designationComplete(const AnchorDesignation& d, int type);

// Writes the product into the anchor. Body data are written for a
// load-distribution product only; other products leave them as they are.
void takeDesignation(AnchorRecord& anchor, const AnchorMethod& method, const AnchorDesignation& d);

} // namespace tessaro::refdb
