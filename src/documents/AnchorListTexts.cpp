#include "documents/AnchorListTexts.h"

#include "model/AnchorRecord.h"
#include "model/HoldingSchedule.h"
#include "model/NumberFormat.h"
#include "planning/HoldingTimes.h"
#include "recording/ReadingSheet.h"

#include <QStringList>
#include <algorithm>
#include <map>

namespace tessaro {
namespace {

const QString PerStage = QStringLiteral("段階ごとに設定されています。");
const QString AllStages = QStringLiteral("全段階");

std::vector<int> usedTimes(const HoldingStage& stage)
{
    return std::vector<int>(stage.Times.begin(), stage.Times.begin() + UsedReadings(stage));
}

// True when every holding has the reading times of the first.
bool sameTimes(const std::vector<const HoldingStage*>& holdings)
{
    return std::all_of(holdings.begin(), holdings.end(),
        [&](const HoldingStage* h) { return usedTimes(*h) == usedTimes(*holdings.front()); });
}

QString loadText(float kN)
{
    return formatNumber(kN, "0.00") + QStringLiteral(" kN");
}

// A holding within the load history: at T0 between cycles, or at a stage passed
// on the way up or down. The opening holding and each cycle's new load are not.
bool withinHistory(const SheetHolding& h, bool opening)
{
    return !opening && h.kind != 2;
}

HoldingTable newLoadTable(const std::vector<SheetHolding>& holdings, bool singleCycle)
{
    HoldingTable table { QStringLiteral("新規荷重段階"), {} };
    table.rows.push_back({ QStringLiteral("初期荷重段階"), readingTimesText(*holdings.front().entry) });
    int lastCycle = 0;
    for (const SheetHolding& h : holdings)
        if (h.kind == 2)
            lastCycle = std::max(lastCycle, h.cycle);
    for (const SheetHolding& h : holdings) {
        if (h.kind != 2)
            continue;
        QString title = QStringLiteral("計画最大荷重段階");
        if (!singleCycle)
            title = h.cycle == lastCycle ? title + QStringLiteral("（%1サイクル）").arg(h.cycle)
                                         : QStringLiteral("%1サイクル").arg(h.cycle);
        table.rows.push_back({ title, readingTimesText(*h.entry) });
    }
    return table;
}

HoldingTable historyTable(const std::vector<SheetHolding>& holdings, bool singleCycle)
{
    HoldingTable table { QStringLiteral("履歴内荷重段階"), {} };
    std::vector<const HoldingStage*> all;
    std::map<int, std::vector<const HoldingStage*>> byCycle;
    for (std::size_t i = 0; i < holdings.size(); ++i) {
        if (!withinHistory(holdings[i], i == 0))
            continue;
        all.push_back(holdings[i].entry);
        byCycle[holdings[i].cycle].push_back(holdings[i].entry);
    }
    if (all.empty())
        return table;
    if (sameTimes(all) || singleCycle) {
        table.rows.push_back({ AllStages, sameTimes(all) ? readingTimesText(*all.front()) : PerStage });
        return table;
    }
    for (const auto& [cycle, entries] : byCycle)
        table.rows.push_back({ QStringLiteral("%1サイクル").arg(cycle),
            sameTimes(entries) ? readingTimesText(*entries.front()) : PerStage });
    return table;
}

} // namespace

QString anchoringDeviceText(int anchoringType)
{
    static const char16_t* devices[] = { u"くさび", u"ナット", u"くさびナット併用" };
    if (anchoringType < 0 || anchoringType > 2)
        return {};
    return QString::fromUtf16(devices[anchoringType]);
}

QString anchorageText(const AnchorRecord& a)
{
    const QString device = anchoringDeviceText(a.AnchoringType);
    if (device.isEmpty() || a.SetAmount < 0)
        return device;
    return device + QStringLiteral(" (セット量 ") + formatNumber(a.SetAmount, "0.0") + QStringLiteral(" mm)");
}

QString designForceText(const AnchorRecord& a)
{
    return a.DesignAnchorForce > 0 ? loadText(a.DesignAnchorForce) + QStringLiteral(" (常時)") : QString();
}

QString seismicDesignForceText(const AnchorRecord& a)
{
    return hasSeismicDesignForce(a) ? loadText(a.DesignAnchorForceSeismic) + QStringLiteral(" (地震時)") : QString();
}

bool hasSeismicDesignForce(const AnchorRecord& a)
{
    return a.DesignAnchorForceSeismic > 0;
}

LoadChangeLines loadChangeLines(const AnchorRecord& a)
{
    const AnchorSpec2& s = a.Spec2;
    const bool bySpeed = s.LoadChangeBySpeed != 0;
    const int up = bySpeed ? s.LoadingRate : s.LoadingMinutes;
    const int down = bySpeed ? s.UnloadingRate : s.UnloadingMinutes;
    const QString unit = bySpeed ? QStringLiteral(" kN/分") : QStringLiteral(" 分");
    LoadChangeLines lines;
    lines.heading = bySpeed ? QStringLiteral("荷重増減時の載荷速度") : QStringLiteral("荷重増減時の所要時間");
    if (up == down) {
        lines.firstTitle = bySpeed ? QStringLiteral("載荷速度") : QStringLiteral("載荷時間");
        lines.firstValue = QString::number(up) + unit;
        return lines;
    }
    lines.firstTitle = bySpeed ? QStringLiteral("増荷速度") : QStringLiteral("増荷時間");
    lines.firstValue = QString::number(up) + unit;
    lines.secondTitle = bySpeed ? QStringLiteral("減荷速度") : QStringLiteral("減荷時間");
    lines.secondValue = QString::number(down) + unit;
    return lines;
}

QString readingTimesText(const HoldingStage& stage)
{
    const std::vector<int> times = usedTimes(stage);
    if (times.empty())
        return QStringLiteral("計測なし");
    QStringList minutes;
    for (int t : times)
        minutes << QString::number(t);
    return minutes.join(QStringLiteral(", ")) + QStringLiteral(" 分（%1回）").arg(times.size());
}

std::vector<HoldingTable> holdingTables(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle)
{
    const std::vector<SheetHolding> holdings = SheetHoldings(anchor.Plan, schedule, singleCycle);
    std::vector<HoldingTable> tables { newLoadTable(holdings, singleCycle) };
    HoldingTable history = historyTable(holdings, singleCycle);
    if (!history.rows.empty())
        tables.push_back(std::move(history));
    return tables;
}

} // namespace tessaro
