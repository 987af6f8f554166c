#pragma once
// The creep judgement of one anchor as `tessaro-cli evaluate` prints it, with
// the values the results list shows.

#include "evaluation/CreepEvaluation.h"

#include <QJsonObject>

namespace tessaro::cli {

// Edition (2000 or 2012), Method ("displacement" or "coefficient"), ta, tb,
// sa, sb, Ratio and Admissible of the displacement pair (2000: of the
// coefficient pair), Compared (⊿s or ⊿c as judged), Limit and Verdict ("OK",
// "OUT", "判定不可"); for the extended test of the 2012 edition also taExt,
// tbExt, saExt, sbExt, RatioExt, AdmissibleExt and CreepCoefficient. A value
// not chosen or not computed is null.
QJsonObject creepJson(const CreepSummary& summary);

} // namespace tessaro::cli
