#pragma once
// One test anchor with its particulars, load plan, jack, readings and results.

#include "model/JackRecord.h"
#include "model/Reading.h"

namespace tessaro {

struct TendonSpec {
    std::int16_t AnchorTypeCode = -1;  // 0..5; −1 while no type is chosen
    std::int16_t AnchorTypeDetail = 0; // type detail of the product (Anc_TypeSyousai)
    std::int16_t TensioningType = -1;  // 1 = differential pulling head; −1 not chosen
    std::int16_t AnchorRank = -1;      // service period: 0 rank A / permanent, else B / temporary
    QString AnchorTypeName;            // anchor product name
    std::int32_t FreeLength = 0;       // Lf, mm
    std::int32_t SpareLength = 0;      // tendon spare length (余長), mm
    std::int32_t ExtraLength = 0;      // Lr, free length inside the jack, mm
    std::int32_t AnchorLength = 0;     // La, mm
    std::int32_t TensionFreeLength = 0; // Lsf, mm
    Block<8> BodyBlock{};
    std::int16_t BodyCount = 0;
    std::array<float, 5> BodyInterval{};
    std::array<float, 5> BodyTendonLength{};

    template <class V>
    void visit(V& v)
    {
        v("AnchorTypeCode", AnchorTypeCode);
        v("AnchorTypeDetail", AnchorTypeDetail);
        v("TensioningType", TensioningType);
        v("AnchorRank", AnchorRank);
        v("AnchorTypeName", AnchorTypeName);
        v("FreeLength", FreeLength);
        v("SpareLength", SpareLength);
        v("ExtraLength", ExtraLength);
        v("AnchorLength", AnchorLength);
        v("TensionFreeLength", TensionFreeLength);
        v("BodyBlock", BodyBlock);
        v("BodyCount", BodyCount);
        v("BodyInterval", BodyInterval);
        v("BodyTendonLength", BodyTendonLength);
    }
};

// Second record of particulars: the chosen product's designation and reference
// values, and the load-change settings of the holding-time schedule.
struct AnchorSpec2 {
    Block<5> Head{};
    QString Designation;           // designation (呼び名) of the chosen product
    float TensileLoad = 0;         // Tus of the product, kN
    float BoreDiameterRef = 0;     // reference bore diameter of the product, mm
    float UpperSleeve = 0;         // upper sleeve length, mm
    float LowerSleeve = 0;         // lower sleeve length, mm
    float ProductPerimeter = 0;    // apparent perimeter of the product, mm
    Block<21> ProductBlock{};
    QString PullOutResistanceText; // ultimate pull-out resistance Tug as displayed
    Block<34> ScheduleBlock{};
    std::int16_t LoadChangeBySpeed = 0;
    std::int16_t LoadingRate = 0;      // kN/min
    std::int16_t UnloadingRate = 0;    // kN/min
    std::int16_t LoadingMinutes = 0;
    std::int16_t UnloadingMinutes = 0;

    template <class V>
    void visit(V& v)
    {
        v("Head", Head);
        v("Designation", Designation);
        v("TensileLoad", TensileLoad);
        v("BoreDiameterRef", BoreDiameterRef);
        v("UpperSleeve", UpperSleeve);
        v("LowerSleeve", LowerSleeve);
        v("ProductPerimeter", ProductPerimeter);
        v("ProductBlock", ProductBlock);
        v("PullOutResistanceText", PullOutResistanceText);
        v("ScheduleBlock", ScheduleBlock);
        v("LoadChangeBySpeed", LoadChangeBySpeed);
        v("LoadingRate", LoadingRate);
        v("UnloadingRate", UnloadingRate);
        v("LoadingMinutes", LoadingMinutes);
        v("UnloadingMinutes", UnloadingMinutes);
    }
};

struct TendonMaterial {
    QString MaterialName;
    QString MaterialNote;
    float TendonArea = 0;           // As, mm2 (per strand for load-distribution anchors)
    float TendonModulus = 0;        // Es, kN/mm2
    float ReductionCoefficient = 0; // α of the tendon limit
    Block<18> MaterialBlock{};
    std::array<std::int16_t, 5> BodyStrandCount{};
    std::int16_t StrandSetCount = 0;
    Block<4> StrandBlock{};

    template <class V>
    void visit(V& v)
    {
        v("MaterialName", MaterialName);
        v("MaterialNote", MaterialNote);
        v("TendonArea", TendonArea);
        v("TendonModulus", TendonModulus);
        v("ReductionCoefficient", ReductionCoefficient);
        v("MaterialBlock", MaterialBlock);
        v("BodyStrandCount", BodyStrandCount);
        v("StrandSetCount", StrandSetCount);
        v("StrandBlock", StrandBlock);
    }
};

struct LoadPlan {
    std::int16_t PlanSet = 0;
    float InitialLoad = 0;    // T0, kN
    float PlannedMaxLoad = 0; // Tp, kN
    std::int16_t StageCount = 0;
    std::array<float, 10> CycleMaxLoad{};
    float InitialGauge = 0;
    float PlannedMaxGauge = 0;
    std::array<float, 10> StageGauge{};

    template <class V>
    void visit(V& v)
    {
        v("PlanSet", PlanSet);
        v("InitialLoad", InitialLoad);
        v("PlannedMaxLoad", PlannedMaxLoad);
        v("StageCount", StageCount);
        v("CycleMaxLoad", CycleMaxLoad);
        v("InitialGauge", InitialGauge);
        v("PlannedMaxGauge", PlannedMaxGauge);
        v("StageGauge", StageGauge);
    }
};

// A table per cycle 1..11 and phase 0..2 of two single arrays 0..110 that no
// window uses any more: carried unchanged.
struct CycleTable {
    QString Title;
    SharedBlock<11 * 3 * 2 * 111 * 4> Cells;
    std::array<float, 11> CycleValues{};
    std::array<std::int16_t, 5> Flags{};
    Block<10> Tail{};

    template <class V>
    void visit(V& v)
    {
        v("Title", Title);
        v("Cells", Cells);
        v("CycleValues", CycleValues);
        v("Flags", Flags);
        v("Tail", Tail);
    }
};

struct EvaluationBlock {
    float TheoryAtTp = 0;
    float UpperAtTp = 0;
    float LowerAtTp = 0;
    std::array<float, 4> Reserved{};
    float LastElastic = 0;
    float LastPermanent = 0;
    VarArray<ReadingResult> Results;
    float Trailing = 0;

    template <class V>
    void visit(V& v)
    {
        v("TheoryAtTp", TheoryAtTp);
        v("UpperAtTp", UpperAtTp);
        v("LowerAtTp", LowerAtTp);
        v("Reserved", Reserved);
        v("LastElastic", LastElastic);
        v("LastPermanent", LastPermanent);
        v("Results", Results);
        v("Trailing", Trailing);
    }
};

struct AnchorRecord {
    QString AnchorNo;
    QString AnchorNote;                // test name text chosen for the anchor
    float DesignAnchorForce = 0;       // Td normal condition, kN
    float DesignAnchorForceSeismic = 0; // Td seismic condition, kN
    std::int16_t AnchorageGround = -1; // 0 clay, 1 sandy soil or rock
    std::int16_t AnchoringType = -1;   // 0 wedge, 1 nut, 2 wedge and nut
    double SetAmount = -1.0;           // mm
    std::int16_t LockOffMode = -1;     // how the lock-off tension is given
    float LockOffRatio = 0;            // lock-off load ratio
    float LockOffLoad = 0;             // Pt, kN
    TendonSpec Tendon;
    AnchorSpec2 Spec2;
    std::uint8_t EditFlag = 0;         // sheet valid; cleared when the sheet must be rebuilt
    TendonMaterial Material;
    LoadPlan Plan;
    // Pull-out checks of a basic investigation test.
    std::int16_t DrillDiameter = 0;    // D, mm
    float DesignSkinFriction = 0;      // τ used in design, N/mm2
    float ApparentPerimeter = 0;       // U, mm
    float BondStress = 0;              // τba, N/mm2
    float RequiredBondLength = 0;      // lsa, mm
    std::int16_t BondCheckGiven = 0;
    JackRecord Jack;
    CycleTable Cycles;
    std::uint8_t ReservedByte = 0;
    VarArray<Reading> Readings;
    std::int16_t ReadingCount = 0;
    QString Measurer;
    QString GroutDate;
    QString TestDate;
    float JackingGauge = 0;
    float JackingForce = 0;
    float SetLoss = 0;
    std::array<float, 2> ReservedPair1{MissingValue, MissingValue};
    std::array<float, 2> ReservedPair2{};
    float TendonYieldLoad = 1.0f;      // Tys, kN
    std::uint8_t ClockMode = 0;        // 0 the given time is the start, 1 the end
    std::int16_t ClockHours = 0;
    std::int16_t ClockMinutes = 0;
    std::uint8_t ConfirmationTest = 0;
    std::int32_t ReservedInt = 0;
    EvaluationBlock Evaluation;
    std::uint8_t RangeVerdict = 0;     // 0 OK, 1 out of range, 2 none
    QString RangeVerdictText;
    std::uint8_t FinalChoice = 0;
    QString FinalVerdictText;
    std::array<QString, 2> AnchorRemarks;
    QString UltimatePullOutText;
    QString SkinFrictionText;
    std::array<std::int16_t, 4> LinePoints{};
    std::int16_t BendPoint = 0;
    float EnteredUltimate = 0;
    std::uint8_t UseGivenIntercept = 0;
    std::uint8_t PointA = 0;
    std::uint8_t PointB = 0;
    float GivenIntercept = -9999.0f;   // −9999: not given
    float InterceptShift = 0;
    float UpperPointLoad = 0;
    float LoadSpan = 0;
    float InterceptLoad = 0;
    float LastValidElastic = 0;
    float ApparentFreeLength = 0;

    template <class V>
    void visit(V& v)
    {
        v("AnchorNo", AnchorNo);
        v("AnchorNote", AnchorNote);
        v("DesignAnchorForce", DesignAnchorForce);
        v("DesignAnchorForceSeismic", DesignAnchorForceSeismic);
        v("AnchorageGround", AnchorageGround);
        v("AnchoringType", AnchoringType);
        v("SetAmount", SetAmount);
        v("LockOffMode", LockOffMode);
        v("LockOffRatio", LockOffRatio);
        v("LockOffLoad", LockOffLoad);
        v("TendonSpec", Tendon);
        v("AnchorSpec2", Spec2);
        v("EditFlag", EditFlag);
        v("TendonMaterial", Material);
        v("LoadPlan", Plan);
        v("DrillDiameter", DrillDiameter);
        v("DesignSkinFriction", DesignSkinFriction);
        v("ApparentPerimeter", ApparentPerimeter);
        v("BondStress", BondStress);
        v("RequiredBondLength", RequiredBondLength);
        v("BondCheckGiven", BondCheckGiven);
        v("Jack", Jack);
        v("CycleTable", Cycles);
        v("ReservedByte", ReservedByte);
        v("Readings", Readings);
        v("ReadingCount", ReadingCount);
        v("Measurer", Measurer);
        v("GroutDate", GroutDate);
        v("TestDate", TestDate);
        v("JackingGauge", JackingGauge);
        v("JackingForce", JackingForce);
        v("SetLoss", SetLoss);
        v("ReservedPair1", ReservedPair1);
        v("ReservedPair2", ReservedPair2);
        v("TendonYieldLoad", TendonYieldLoad);
        v("ClockMode", ClockMode);
        v("ClockHours", ClockHours);
        v("ClockMinutes", ClockMinutes);
        v("ConfirmationTest", ConfirmationTest);
        v("ReservedInt", ReservedInt);
        v("Evaluation", Evaluation);
        v("RangeVerdict", RangeVerdict);
        v("RangeVerdictText", RangeVerdictText);
        v("FinalChoice", FinalChoice);
        v("FinalVerdictText", FinalVerdictText);
        v("AnchorRemarks", AnchorRemarks);
        v("UltimatePullOutText", UltimatePullOutText);
        v("SkinFrictionText", SkinFrictionText);
        v("LinePoints", LinePoints);
        v("BendPoint", BendPoint);
        v("EnteredUltimate", EnteredUltimate);
        v("UseGivenIntercept", UseGivenIntercept);
        v("PointA", PointA);
        v("PointB", PointB);
        v("GivenIntercept", GivenIntercept);
        v("InterceptShift", InterceptShift);
        v("UpperPointLoad", UpperPointLoad);
        v("LoadSpan", LoadSpan);
        v("InterceptLoad", InterceptLoad);
        v("LastValidElastic", LastValidElastic);
        v("ApparentFreeLength", ApparentFreeLength);
    }
};

} // namespace tessaro
