#pragma once
// Pull-out resistance of a basic investigation (pull-out) test anchor from the
// skin friction used in design: the planned load of the test is derived from it.

namespace tessaro {

// D × La × π × τ / 1000 in kN, with the bore diameter D and the anchor length
// La in mm and the skin friction τ in N/mm2; rounded with "######0.00".
double PullOutResistance(double anchorLength, double drillDiameter, double skinFriction);

} // namespace tessaro
