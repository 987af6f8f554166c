#pragma once
// The anchors the measurement and graph windows show: one with a number and a
// confirmed load plan, from which a reading sheet can be made. A change of jack
// or test conditions asks for the plan to be confirmed again.

#include "model/ProjectRecord.h"

#include <QString>

namespace tessaro {

inline const QString NoAnchorInformationMessage
    = QStringLiteral("アンカー情報が未入力です。メイン画面に戻って入力してください。");

bool hasAnchorInformation(const AnchorRecord& anchor);

// Anchor `index` (1-based) of a quality-assurance project, or the working anchor
// of a basic investigation; nothing when there is no such anchor.
AnchorRecord* recordingAnchor(Project& p, int index);
// Its holding-time schedule, likewise.
const HoldingSchedule* recordingSchedule(const Project& p, int index);

// The anchor, when it exists and has its information.
bool canShowAnchor(Project& p, int index);
// The same, telling the user when the anchor lacks its information.
bool anchorReadyToShow(Project& p, int index);

} // namespace tessaro
