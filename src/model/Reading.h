#pragma once
// One row of an anchor's reading sheet and one row of its evaluation results.

#include "model/FieldTypes.h"

namespace tessaro {

// −99 marks a reading or result that was not measured or cannot be formed.
inline constexpr float MissingValue = -99.0f;

inline bool isMissing(double v) { return v == double(MissingValue); }

struct Reading {
    QString AnchorNoText;
    QString ClockTime;      // "h:mm:ss", empty until a clock time is set
    std::int16_t Interval = 0;   // scheduled (or typed) minutes of the row
    std::int32_t ElapsedTime = 0; // seconds from the start of the test
    float GaugePressure = 0;     // MPa
    float Load = 0;              // kN
    std::int16_t Cycle = 0;
    std::int16_t Stage = 0;
    std::int16_t RowKind = 0;    // 0 up / opening, 1 at T0 or down, 2 new load of the cycle
    float InitialNo1 = 0;
    float MeasuredNo1 = 0;
    float Displacement = 0;      // head elongation, mm
    float InitialNo2 = 0;
    float MeasuredNo2 = 0;

    template <class V>
    void visit(V& v)
    {
        v("AnchorNoText", AnchorNoText);
        v("ClockTime", ClockTime);
        v("Interval", Interval);
        v("ElapsedTime", ElapsedTime);
        v("GaugePressure", GaugePressure);
        v("Load", Load);
        v("Cycle", Cycle);
        v("Stage", Stage);
        v("RowKind", RowKind);
        v("InitialNo1", InitialNo1);
        v("MeasuredNo1", MeasuredNo1);
        v("Displacement", Displacement);
        v("InitialNo2", InitialNo2);
        v("MeasuredNo2", MeasuredNo2);
    }
};

struct ReadingResult {
    float Theory = 0;
    float Upper = 0;
    float Lower = 0;
    float Elastic = 0;
    float Permanent = 0;
    std::int16_t PeakRow = 0;

    template <class V>
    void visit(V& v)
    {
        v("Theory", Theory);
        v("Upper", Upper);
        v("Lower", Lower);
        v("Elastic", Elastic);
        v("Permanent", Permanent);
        v("PeakRow", PeakRow);
    }
};

} // namespace tessaro
