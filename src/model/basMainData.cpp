#include "model/basMainData.h"

#include <algorithm>

namespace tessaro {

Project& project()
{
    static Project p;
    return p;
}

AnchorRecord& Project::currentAnchor()
{
    if (isBasic() || Record.Anchors.empty())
        return Record.WorkingAnchor;
    int i = std::clamp<int>(CurrentAnchor, 1, int(Record.Anchors.size()));
    return anchor(i);
}

HoldingSchedule& Project::currentSchedule()
{
    if (isBasic() || Record.Schedules.empty())
        return Record.WorkingSchedule;
    return Record.Schedules[std::size_t(std::clamp<int>(CurrentAnchor, 1, int(Record.Schedules.size())) - 1)];
}

CreepSelection& Project::currentCreepSelection()
{
    if (isBasic() || Record.CreepSelections.empty())
        return Record.WorkingCreepSelection;
    return Record.CreepSelections[std::size_t(
        std::clamp<int>(CurrentAnchor, 1, int(Record.CreepSelections.size())) - 1)];
}

void ResetProjectHeader(Project& p)
{
    p.Record.SiteName.clear();
    p.Record.WorksName.clear();
    p.Record.PrimeContractor.clear();
    p.Record.Subcontractor.clear();
    for (QString& remark : p.Settings.Header.Remarks)
        remark.clear();
    for (DocumentText& doc : p.Settings.Header.DocumentTexts) {
        for (QString& t : doc.Texts)
            t.clear();
        doc.Flag1 = 0;
        doc.Flag2 = 0;
    }
    p.DocumentOption1 = true;
    p.DocumentOption2 = 1;
    p.ReportAnchors.clear();
}

void ResetAnchor(AnchorRecord& anchor)
{
    // Readings are reset before the count goes to 0, as the saved layout keeps them.
    anchor = AnchorRecord{};
}

void ResetSchedule(HoldingSchedule& schedule) { schedule = HoldingSchedule{}; }

void ResizeAnchorArrays(Project& p, int n)
{
    n = std::clamp(n, 0, MaxAnchors);
    auto size = std::size_t(n);
    ProjectRecord& r = p.Record;
    r.AnchorLabels.resize(size);
    r.AnchorMarks.resize(size, 0);
    r.Anchors.resize(size);
    r.CreepSelections.resize(size);
    r.Schedules.resize(size);
    r.AnchorCount = n;
}

void NormaliseRates(Project& p)
{
    ProjectSettings& s = p.Settings;
    if (s.UpperRate == 0)
        s.UpperRate = 1.1f;
    if (s.LowerRate == 0)
        s.LowerRate = 0.9f;
    p.UpperRateInUse = s.UpperRate;
    p.LowerRateInUse = s.LowerRate;
}

void InitProject(Project& p, int n)
{
    n = std::clamp(n, 0, MaxAnchors);
    ProjectRecord& r = p.Record;
    ProjectSettings& s = p.Settings;
    r.SavedTestCategory = 0;
    p.CurrentAnchor = 1;
    s.StandardEdition = 1;

    r.AnchorLabels.assign(std::size_t(n), QString());
    r.AnchorMarks.assign(std::size_t(n), 0);
    ResetAnchor(r.WorkingAnchor);
    r.WorkingCreepSelection = CreepSelection{};
    r.Anchors.assign(std::size_t(n), AnchorRecord{});
    r.CreepSelections.assign(std::size_t(n), CreepSelection{});
    r.AnchorCount = n;

    r.Documents = DocumentSettings{};
    s.Summary = SummaryTable{};

    ResetSchedule(r.WorkingSchedule);
    r.Schedules.assign(std::size_t(n), HoldingSchedule{});

    s.JudgeRangeMode = 0;
    s.JudgeFromCycle = 1;
    s.UpperRate = 1.1f;
    s.LowerRate = 0.9f;
    s.RateFactor = 1.0f;

    s.CreepJudgeValues = {1.0, 0.5, 0.5, 0.2, 0.25};
    s.TpLimitCoefA = 1.25;
    s.TpLimitCoefB = 1.1;
    s.CreepJudgeExtend = 2.0;
    p.JudgeOption1 = -9999;
    p.JudgeOption2 = 1;
    NormaliseRates(p);
}

void ReleaseProjectArrays(Project& p)
{
    p.Record.AnchorLabels.clear();
    p.Record.AnchorMarks.clear();
    p.Record.WorkingAnchor.Readings.clear();
    for (AnchorRecord& a : p.Record.Anchors)
        a.Readings.clear();
}

} // namespace tessaro
