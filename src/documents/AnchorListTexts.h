#pragma once
// Texts of the anchor particulars list: the anchorage with its set amount,
// the design anchor forces, the load-change settings and the table of holding
// times and reading times by load stage.

#include <QString>
#include <vector>

namespace tessaro {

struct AnchorRecord;
struct HoldingSchedule;
struct HoldingStage;

// Anchorage device 0..2: "くさび", "ナット", "くさびナット併用"; "" for none.
QString anchoringDeviceText(int anchoringType);
// "くさび (セット量 5.0 mm)", "ナット (セット量 …", "くさびナット併用 (セット量 …";
// the device alone while no set amount is given; "" without a device.
QString anchorageText(const AnchorRecord& anchor);

// "300.00 kN (常時)" and "280.00 kN (地震時)"; "" for a force that is not given (0).
QString designForceText(const AnchorRecord& anchor);
QString seismicDesignForceText(const AnchorRecord& anchor);
// Whether the list prints the seismic design force as a line of its own.
bool hasSeismicDesignForce(const AnchorRecord& anchor);

// How the load changes between stages: by a fixed time ("荷重増減時の所要時間",
// minutes) or at a constant rate ("荷重増減時の載荷速度", kN per minute). Equal
// settings for increase and decrease make one line ("載荷時間" / "載荷速度"),
// different ones two ("増荷時間" and "減荷時間" / "増荷速度" and "減荷速度").
struct LoadChangeLines {
    QString heading;
    QString firstTitle, firstValue; // "載荷時間", "2 分"
    QString secondTitle, secondValue; // empty when one line says it all
};
LoadChangeLines loadChangeLines(const AnchorRecord& anchor);

// Reading times of one holding: "1, 2, 5, 10, 15 分（5回）"; "計測なし" without readings.
QString readingTimesText(const HoldingStage& stage);

struct HoldingRow {
    QString title; // "初期荷重段階", "3サイクル", "計画最大荷重段階", "全段階", …
    QString times; // readingTimesText, or "段階ごとに設定されています。"
};
struct HoldingTable {
    QString title; // "新規荷重段階" or "履歴内荷重段階"
    std::vector<HoldingRow> rows;
};

// The holdings of the reading sheet in two tables. New load stages: the opening
// holding at T0 ("初期荷重段階") and each cycle's new load ("1サイクル" … with the
// last one "計画最大荷重段階"; a single-cycle test has only Tp, "計画最大荷重段階").
// Stages within the load history: one line "全段階" when every such holding has
// the same reading times, else one line per cycle, which reads
// "段階ごとに設定されています。" when the stages of that cycle differ. A plan
// without history holdings gives no second table.
std::vector<HoldingTable> holdingTables(const AnchorRecord& anchor, const HoldingSchedule& schedule, bool singleCycle);

} // namespace tessaro
