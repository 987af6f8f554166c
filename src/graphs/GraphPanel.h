#pragma once
// The key values the graph window shows beside the graphs of an anchor: the
// tendon and its free length, modulus, yield load and area, the theoretical
// elongation at Tp with its control limits, the elastic and permanent
// displacement of the last cycle, and whether the elastic displacements stayed
// within the control limits.

#include "model/AnchorRecord.h"

namespace tessaro {

struct GraphPanelTexts {
    QString tendon; // tendon material
    QString freeLength; // free length at tensioning Lsf, mm
    QString modulus; // LblTei: tendon elastic modulus Es, kN/mm2
    QString yieldLoad; // Lblkoufuku: Tys, kN
    QString area; // LblDanmen: As, mm2
    QString theory; // LblRiron: at Tp, mm
    QString upper; // LblJyougen
    QString lower; // LblKagen
    QString elastic; // LblDansei: last cycle, mm
    QString permanent; // LblSosei: last cycle, mm
    QString judgement; // Label8
};

// A value as the panel shows it: "#####0.00", or "  - " when there is none.
inline const QString PanelMissingText = QStringLiteral("  - ");
QString panelNumber(double value, bool available = true);

// "OK" within the control limits, "管理限界範囲外" outside them, nothing while
// no cycle could be judged.
QString judgementText(const AnchorRecord& evaluated);

GraphPanelTexts graphPanelTexts(const AnchorRecord& evaluated);

} // namespace tessaro
