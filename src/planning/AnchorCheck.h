#pragma once
// The check the main window runs on the anchor on screen before it moves to
// another anchor, switches its view or opens a window that works on the
// anchor: the first missing item of its particulars, plan and schedule, as a
// code with its message.

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"

#include <QString>

namespace tessaro {

struct Project;

// 0 when nothing is missing; otherwise the code of the first missing item. An
// item is missing when the window would show its box empty or its list without
// a choice: 0 for loads, lengths and moduli, −1 for choices and the set amount.
int AnchorCheckCode(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool basicProject);
// The message of a code; "" for 0 and for codes that show nothing.
QString AnchorCheckMessage(int code);

// Before the view of the anchor data switches: every anchor with data (see
// anchorHasInput) must have its name (1) and its tendon modulus (2); 0 when
// they all do. A basic investigation checks its one anchor.
int AnchorListCheckCode(const Project& p);
QString AnchorListCheckMessage(int code);

// Which items the check asks for depends on the anchor type.
// Types whose free length at tensioning is given as typed (SEEE types 1 and 2).
bool hasGivenTensionFreeLength(int anchorType);
// Types whose Lsf includes the anchor length (3, 4, 5): it is asked in the
// particulars; other types ask it only after everything else.
bool lsfIncludesAnchorLength(int anchorType);
// Product classes 1 and above limit Tp with the reduction coefficient α.
bool needsReductionCoefficient(const QString& productName);

} // namespace tessaro
