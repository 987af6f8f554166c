#pragma once
// Pull-out resistance of a basic investigation (pull-out) test anchor from the
// skin friction used in design: the planned load of the test is derived from
// it. Before the test, the bond length between tendon and grout is checked: the
// test must pull the anchor body out of the ground, not the tendon out of the grout.

#include "model/AnchorRecord.h"

#include <optional>

namespace tessaro {

// D × La × π × τ / 1000 in kN, with the bore diameter D and the anchor length
// La in mm and the skin friction τ in N/mm2; rounded with "######0.00".
double PullOutResistance(double anchorLength, double drillDiameter, double skinFriction);

// The bond length of tendon and grout needed at the planned maximum load.
struct BondLengthCheck {
    // lsa = Tp × 1000 / (U × τba) in mm, with the apparent perimeter U of the
    // tendon in mm and the ultimate bond stress τba in N/mm2; none when U × τba
    // (as a single) is 0 or no planned maximum load is set.
    std::optional<float> required;
    // "要確認" when lsa as displayed reaches the anchor length La, "OK" when it
    // stays below, "" without lsa.
    QString verdict;
    // The advice under a "要確認" verdict, else "".
    QString conclusion;
};
BondLengthCheck CheckBondLength(float plannedMaxLoad, float perimeter, float bondStress, int anchorLength);
// The check with the perimeter and bond stress stored with the anchor.
BondLengthCheck CheckBondLength(const AnchorRecord& anchor);

inline const QString BondLengthNeedsConfirmation = QStringLiteral("要確認");
// lsa as displayed: "#####0".
QString requiredBondLengthText(float required);
// "計画最大荷重時には、テンドンとグラウトの拘束長が " lsa "(mm) 以上必要です。"
QString requiredBondLengthSentence(float required);

} // namespace tessaro
