#include "recording/RecordingAnchors.h"

#include "model/UserMessage.h"

namespace tessaro {

bool hasAnchorInformation(const AnchorRecord& anchor)
{
    return !anchor.AnchorNo.trimmed().isEmpty() && anchor.Plan.PlanSet != 0;
}

AnchorRecord* recordingAnchor(Project& p, int index)
{
    if (p.isBasic())
        return &p.Record.WorkingAnchor;
    if (index < 1 || index > p.anchorCount() || index > int(p.Record.Anchors.size()))
        return nullptr;
    return &p.anchor(index);
}

const HoldingSchedule* recordingSchedule(const Project& p, int index)
{
    if (p.isBasic())
        return &p.Record.WorkingSchedule;
    if (index < 1 || index > int(p.Record.Schedules.size()))
        return nullptr;
    return &p.Record.Schedules[std::size_t(index - 1)];
}

bool canShowAnchor(Project& p, int index)
{
    const AnchorRecord* a = recordingAnchor(p, index);
    return a && recordingSchedule(p, index) && hasAnchorInformation(*a);
}

bool anchorReadyToShow(Project& p, int index)
{
    if (canShowAnchor(p, index))
        return true;
    showMessage(NoAnchorInformationMessage, MsgIcon::Information);
    return false;
}

} // namespace tessaro
