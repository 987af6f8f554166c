#pragma once
// Loads of a plan as the load-plan window shows them: in kN, or as gauge
// pressures through the anchor's jack. Each shown load keeps its exact value
// while the text it was shown as stands, so a look at the plan in pressures
// never shifts a load by the rounding of the conversion; a text the user typed
// is read in the unit on screen, a pressure converted back through the jack.

#include "model/JackRecord.h"
#include "planning/basKajyuu.h"

#include <QString>
#include <array>
#include <optional>

namespace tessaro {

class ShownLoads {
public:
    // Slots: T0, Tp, then stage k (1-based) at FirstStage + k − 1.
    enum Slot : int { T0 = 0, Tp = 1, FirstStage = 2 };
    static constexpr int SlotCount = FirstStage + MaxStageCount;

    // Pressures can be shown only through a jack with calibration pairs.
    static bool canShowPressures(const JackRecord& jack);

    void setJack(const JackRecord& jack) { jack_ = jack; }
    bool pressures() const { return pressures_; }
    // Only the unit changes: read the loads before, show them again after.
    void setPressures(bool pressures) { pressures_ = pressures; }
    LoadDisplay display() const;

    // The text of a load in the unit on screen ("######0.00"); "" for none.
    QString textOf(std::optional<double> kN) const;
    // Remembers the load a slot was shown with and the text it was shown as.
    void hold(int slot, std::optional<double> kN, const QString& shown);
    // The load a slot's text stands for: the held load while its text stands.
    std::optional<double> load(int slot, const QString& text) const;

private:
    struct Held {
        std::optional<double> kN;
        QString shown;
    };
    JackRecord jack_;
    bool pressures_ = false;
    std::array<Held, SlotCount> held_ {};
};

} // namespace tessaro
