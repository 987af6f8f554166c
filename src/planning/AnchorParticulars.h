#pragma once
// Values of an anchor's particulars that follow from others as the main
// window edits it: the lock-off tension and its ratio to the design anchor
// force, the default spacings of the load-bearing bodies, the free length at
// tensioning and, in a pull-out test, the ultimate pull-out resistance.

#include "model/AnchorRecord.h"

namespace tessaro {

// How the lock-off tension is given (LockOffMode).
enum LockOffModeValue : int { LockOffByLoad = 0, LockOffByRatio = 1 };

// The design anchor force the lock-off ratio refers to: the normal condition's,
// or the seismic one's when only that is given.
double lockOffReferenceForce(const AnchorRecord& anchor);
// Completes the lock-off pair from the value given in the anchor's mode: the
// ratio from Pt (by load) or Pt from the ratio (by ratio), both "0.00"; 0 when
// the design anchor force or the given value is missing.
void refreshLockOff(AnchorRecord& anchor);

// A load-distribution anchor's body spacings must add up to its anchor length:
// when they do not (a new body count or anchor length), they are split evenly.
void refreshBodySpacings(AnchorRecord& anchor);

// The pull-out resistance Tug of a pull-out test from La, D and τ as its
// displayed text ("######0.00"); "" while one of them is missing.
QString pullOutResistanceText(const AnchorRecord& anchor);

// The kind of tendon ("4S12.7"): the tendon material's name, else the
// designation taken from the product database, where the program keeps it;
// "" when neither was given.
QString tendonKind(const AnchorRecord& anchor);
// The product name with the tendon kind: "摩擦引張型アンカー E5-7 (4S12.7)",
// or the product name alone without a kind.
QString productWithTendonKind(const AnchorRecord& anchor);

// Everything above, then Lsf (stored in TensionFreeLength). A basic
// investigation also refreshes its Tug text.
void refreshDerivedParticulars(AnchorRecord& anchor, bool basicProject);

} // namespace tessaro
