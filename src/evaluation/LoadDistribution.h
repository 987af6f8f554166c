#pragma once
// Load-distribution anchors: up to five load-bearing bodies, each with its own
// group of strands of a different length. So that all bodies share the load,
// the strands are pre-loaded; the minimum initial load of the load plan follows
// from that (cumulative method, or the final differential load when tensioned
// with a differential pulling head).

#include "model/AnchorRecord.h"

#include <array>

namespace tessaro {

inline constexpr std::size_t MaxLoadBodies = 5;

// Per-body working values of the last calculation, kept for the documents
// ("初期荷重の算出"). Index 0 is body 1.
struct LoadDistributionTables {
    double StrandLoad = 0; // G0: load per strand, kN
    std::array<double, MaxLoadBodies> BodyLength {}; // Lk, mm
    std::array<double, MaxLoadBodies> Elongation {}; // Ek under G0, mm
    std::array<double, MaxLoadBodies> ElongationDifference {}; // Dk = Ek − Ek+1, mm
    std::array<double, MaxLoadBodies> CumulativeLoad {}; // Fk, kN
    std::array<double, MaxLoadBodies> SpringConstant {}; // Kk, kN/mm
    std::array<double, MaxLoadBodies> ElongationStep {}; // Qk, mm
    std::array<double, MaxLoadBodies> BodyLoad {}; // Rk, kN
    double FinalDifferentialLoad = 0; // kN
};

// The tables of the open project, refreshed by every calculation through the
// project-wide overloads below.
LoadDistributionTables& loadDistributionTables();

// True when a product name names a load-distribution anchor ("荷重分散型").
bool IsLoadDistributed(const QString& typeName);

// Minimum initial load (kN) of a load-distribution anchor from its body tendon
// lengths (written by the free-length calculation), strand counts, As and Es.
// The design load is 1.1 × Td for U-turn products in quality-assurance projects,
// else Tp. Returns 0, with all tables zero, when the formulas cannot be carried
// out: no strands in total, no body or more than five, a body without strands or
// without length, or Es × As of 0 — there is then no minimum to respect.
float LoadDistributionInitialLoad(const AnchorRecord& anchor, bool qualityAssurance, LoadDistributionTables& tables);
// The same for the open project's category, refreshing the project's tables.
float LoadDistributionInitialLoad(const AnchorRecord& anchor);

} // namespace tessaro
