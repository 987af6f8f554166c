#include "planning/ShownLoads.h"

#include "model/NumberFormat.h"
#include "model/Reading.h"
#include "planning/GaugeHenkan.h"
#include "planning/NumericCheck.h"

namespace tessaro {

bool ShownLoads::canShowPressures(const JackRecord& jack)
{
    return GaugeSegment(jack, 0, PressureToLoad) >= 0;
}

LoadDisplay ShownLoads::display() const
{
    return pressures_ ? pressureDisplay(jack_) : LoadDisplay {};
}

QString ShownLoads::textOf(std::optional<double> kN) const
{
    if (!kN)
        return {};
    double shown = display()(*kN);
    return isMissing(shown) ? QString() : formatNumber(shown, "######0.00");
}

void ShownLoads::hold(int slot, std::optional<double> kN, const QString& shown)
{
    if (slot >= 0 && slot < SlotCount)
        held_[std::size_t(slot)] = { kN, shown };
}

std::optional<double> ShownLoads::load(int slot, const QString& text) const
{
    if (text.trimmed().isEmpty())
        return std::nullopt;
    if (slot >= 0 && slot < SlotCount && text == held_[std::size_t(slot)].shown)
        return held_[std::size_t(slot)].kN;
    std::optional<double> value = parseNumericText(text);
    if (!value || !pressures_)
        return value;
    float kN = ConvertGaugeRounded(jack_, *value, PressureToLoad);
    return isMissing(kN) ? std::nullopt : std::optional<double>(kN);
}

} // namespace tessaro
