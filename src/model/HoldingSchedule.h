#pragma once
// Holding-time schedule of one anchor: when readings are taken in every holding.

#include "model/FieldTypes.h"

namespace tessaro {

struct HoldingStage {
    std::int16_t StageValue = 0;          // entry flag of the editor
    std::array<std::uint16_t, 10> Times{}; // minutes after the start of the holding
    std::uint8_t Count = 0;                // readings used, 0..10
    Block<40> Values{};                    // per-reading values of the editor

    template <class V>
    void visit(V& v)
    {
        v("StageValue", StageValue);
        v("Times", Times);
        v("Count", Count);
        v("Values", Values);
    }
};

// The two holdings of one load stage within a cycle: on the way up, on the way down.
struct CycleStageEntries {
    std::array<HoldingStage, 10> Loading{};
    std::array<HoldingStage, 10> Unloading{};

    template <class V>
    void visit(V& v)
    {
        v("Loading", Loading);
        v("Unloading", Unloading);
    }
};

struct HoldingSchedule {
    std::int16_t SetFlag = 0;   // 0 while the schedule has never been set
    std::uint8_t HeaderByte = 0;
    Block<2> HeaderFlags{};
    std::array<HoldingStage, 11> InitialStages{}; // 1: opening holding at T0; c+1: new load of cycle c
    std::array<CycleStageEntries, 10> CycleStages{};
    Block<9> TailFlags{};
    Block<86> EditorOptions{};
    Block<2> TailEnd{};

    template <class V>
    void visit(V& v)
    {
        v("SetFlag", SetFlag);
        v("HeaderByte", HeaderByte);
        v("HeaderFlags", HeaderFlags);
        v("InitialStages", InitialStages);
        v("CycleStages", CycleStages);
        v("TailFlags", TailFlags);
        v("EditorOptions", EditorOptions);
        v("TailEnd", TailEnd);
    }
};

// Creep-evaluation choices of one anchor (28 bytes).
struct CreepSelection {
    std::int16_t TaNo = 0;          // point number of ta (0 = none)
    std::int16_t TbNo = 0;          // point number of tb
    std::int16_t JudgeByCreep = 0;  // true (−1/1): judged by the creep coefficient
    std::int16_t TaExtNo = 0;       // ta' of the extended test
    std::int16_t TbExtNo = 0;       // tb' of the extended test
    std::int16_t CoefT1No = 0;      // creep-coefficient window: first point
    std::int16_t CoefT2No = 0;      // creep-coefficient window: second point
    std::int16_t CoefConversion = 0; // 0 times as read, 1 converted so that t1 = 1
    std::int16_t CoefHolding = 0;    // 0 at the planned maximum load, 1 at the design anchor force
    std::int16_t CoefChosenOnly = 0; // plot only the chosen points
    std::int16_t CoefCycle = 0;      // cycle of the design-anchor-force holding
    std::int16_t Reserved1 = 0;
    std::int16_t Reserved2 = 0;
    std::int16_t Reserved3 = 0;

    template <class V>
    void visit(V& v)
    {
        v("TaNo", TaNo);
        v("TbNo", TbNo);
        v("JudgeByCreep", JudgeByCreep);
        v("TaExtNo", TaExtNo);
        v("TbExtNo", TbExtNo);
        v("CoefT1No", CoefT1No);
        v("CoefT2No", CoefT2No);
        v("CoefConversion", CoefConversion);
        v("CoefHolding", CoefHolding);
        v("CoefChosenOnly", CoefChosenOnly);
        v("CoefCycle", CoefCycle);
        v("Reserved1", Reserved1);
        v("Reserved2", Reserved2);
        v("Reserved3", Reserved3);
    }
};

} // namespace tessaro
