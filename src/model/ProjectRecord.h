#pragma once
// The open project: the saved project record, the separately saved project
// variables and the working state that every window reads and writes.

#include "model/AnchorRecord.h"
#include "model/DocumentRecords.h"
#include "model/HoldingSchedule.h"

#include <vector>

namespace tessaro {

inline constexpr int MaxAnchors = 999;

struct ProjectRecord {
    std::int16_t SavedTestCategory = 0;
    std::int32_t AnchorCount = 0;
    QString SiteName;
    QString WorksName;
    QString PrimeContractor;
    QString Subcontractor;
    std::uint8_t JackTypeChoice = 0;
    VarArray<QString> AnchorLabels; // jack name per anchor
    VarArray<std::int16_t> AnchorMarks; // jack number per anchor
    AnchorRecord WorkingAnchor;
    VarArray<AnchorRecord> Anchors;
    CreepSelection WorkingCreepSelection;
    VarArray<CreepSelection> CreepSelections;
    HoldingSchedule WorkingSchedule;
    VarArray<HoldingSchedule> Schedules;
    DocumentSettings Documents;

    template <class V> void visit(V& v)
    {
        v("SavedTestCategory", SavedTestCategory);
        v("AnchorCount", AnchorCount);
        v("SiteName", SiteName);
        v("WorksName", WorksName);
        v("PrimeContractor", PrimeContractor);
        v("Subcontractor", Subcontractor);
        v("JackTypeChoice", JackTypeChoice);
        v("AnchorLabels", AnchorLabels);
        v("AnchorMarks", AnchorMarks);
        v("WorkingAnchor", WorkingAnchor);
        v("Anchors", Anchors);
        v("WorkingCreepSelection", WorkingCreepSelection);
        v("CreepSelections", CreepSelections);
        v("WorkingSchedule", WorkingSchedule);
        v("Schedules", Schedules);
        v("DocumentSettings", Documents);
    }
};

// Project-wide values saved after the project record, each on its own.
struct ProjectSettings {
    SummaryTable Summary;
    float UpperRate = 1.1f;
    float LowerRate = 0.9f;
    std::int16_t JudgeRangeMode = 0;
    std::int16_t JudgeFromCycle = 1;
    float RateFactor = 1.0f;
    float UltimatePullOut = 0;
    std::int16_t StandardEdition = 1; // 0 = 2000 edition, 1 = 2012 edition
    std::array<double, 5> CreepJudgeValues { 1.0, 0.5, 0.5, 0.2, 0.25 };
    double TpLimitCoefA = 1.25;
    double TpLimitCoefB = 1.1;
    HeaderBlock Header;
    double CreepJudgeExtend = 2.0;
};

// Everything of the one open project. TestCategory 0 is a basic investigation
// (pull-out) test held in WorkingAnchor; 1 a quality-assurance project.
struct Project {
    ProjectRecord Record;
    ProjectSettings Settings;

    // Working state, not saved.
    std::int16_t TestCategory = 0;
    std::int16_t CurrentAnchor = 1;
    bool FromOlderRelease = false;
    std::uint8_t OpenedFromRecent = 0;
    bool LoadFailed = false;
    float UpperRateInUse = 1.1f;
    float LowerRateInUse = 0.9f;
    QString SavedByVersion;
    QString SavedOnOS;
    // Unsaved options of the judgement settings and of the documents.
    std::int16_t JudgeOption1 = -9999;
    std::int16_t JudgeOption2 = 1;
    bool DocumentOption1 = true;
    std::int16_t DocumentOption2 = 1;
    // Anchors chosen for the quality-assurance plan and report (1-based); none
    // chosen yet prints every anchor.
    std::vector<int> ReportAnchors;

    bool isBasic() const { return TestCategory == 0; }
    int anchorCount() const { return Record.AnchorCount; }
    // Windows that show one anchor at a time: a basic investigation shows its
    // working anchor as anchor 1 of 1.
    int shownAnchorCount() const { return isBasic() ? 1 : anchorCount(); }
    int shownAnchor() const { return isBasic() ? 1 : CurrentAnchor; }
    // 1-based access to the anchors of a quality-assurance project.
    AnchorRecord& anchor(int i) { return Record.Anchors[std::size_t(i - 1)]; }
    // The anchor being worked on: the working anchor of a basic investigation,
    // else anchor CurrentAnchor.
    AnchorRecord& currentAnchor();
    HoldingSchedule& currentSchedule();
    CreepSelection& currentCreepSelection();
};

} // namespace tessaro
