#pragma once
// The copy of a hydraulic jack's record that each anchor carries.

#include "model/FieldTypes.h"

namespace tessaro {

struct JackRecord {
    std::int16_t JackNo = 0;
    QString JackName;
    float Capacity = 0;        // kN, remark only
    float WorkingPressure = 0; // MPa, remark only
    float RamArea = 0;         // cm2, remark only
    float Stroke = 0;          // mm, remark only
    std::int16_t PointCount = 0; // calibration pairs plus one
    std::array<float, 20> Outputs{};   // kN of pair 1..20
    std::array<float, 20> Pressures{}; // MPa of pair 1..20

    template <class V>
    void visit(V& v)
    {
        v("JackNo", JackNo);
        v("JackName", JackName);
        v("Capacity", Capacity);
        v("WorkingPressure", WorkingPressure);
        v("RamArea", RamArea);
        v("Stroke", Stroke);
        v("PointCount", PointCount);
        v("Outputs", Outputs);
        v("Pressures", Pressures);
    }
};

} // namespace tessaro
