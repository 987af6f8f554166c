#pragma once
// The friction-loss results as the friction-loss window shows them: the loss
// worked out from the intersection load and the initial load, and the apparent
// free length of the tendon in metres.

#include "model/AnchorRecord.h"

#include <QString>

namespace tessaro {

struct FrictionLossTexts {
    QString shiki1; // LblShiki1: "=  80.00　-　50.00"
    QString shiki2; // LblShiki2: "=  30.00  (kN)"
    QString sonshitu; // LblSonshitu: "30.00"
    QString tendonJiyuu; // LblTendonJiyuu: "4.280  m", "---    m" without a last elastic displacement
};

// The texts of an evaluated anchor.
FrictionLossTexts frictionLossTexts(const AnchorRecord& evaluated);

// InterceptLoad less the initial load, as written out: "80.00　-　50.00", or
// "80.00　+　5.00" for a negative initial load.
QString interceptLessInitialLoad(const AnchorRecord& evaluated);

} // namespace tessaro
