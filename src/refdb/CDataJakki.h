#pragma once
// A jack while it is edited in the jack database window: the remark values with
// their "no value" markers and the calibration pairs as two lists in pair order
// (CarryAtu pressures in MPa, CarrySyutu outputs in kN).

#include "model/JackRecord.h"

#include <QList>
#include <QSqlRecord>
#include <QVariant>
#include <QString>

namespace tessaro::refdb {

class CDataJakki {
public:
    // A remark value below zero means "not given": the jack list shows it empty
    // and the database stores it as an empty column.
    static constexpr double NoCapacity = -1.0;
    static constexpr double NoValue = -99.0;

    CDataJakki() { InitData(); }

    std::int16_t No;           // J_No, position in the jack list; -1 for a jack not yet stored
    QString JakkiName;         // Jakki_Name
    double Nouryoku;           // capacity, kN
    double Aturyoku;           // working pressure, MPa
    double menseki;            // ram area, cm2
    double Strok;              // stroke, mm
    QList<double> CarrySyutu;  // outputs of pairs 1 .. n, kN
    QList<double> CarryAtu;    // gauge pressures of pairs 1 .. n, MPa

    // Back to the initial values, with both lists empty.
    void InitData();
    // Takes every property and both lists from other.
    void Copy(const CDataJakki& other);
    // True when anything differs from other: number, name, the four remark values,
    // then the two lists element by element.
    bool CheckModify(const CDataJakki& other) const;

    int PairCount() const { return int(CarryAtu.size()); }
    // True when neither the pressures nor the outputs fall from one pair to the
    // next: the conversion searches the table in ascending order.
    bool PairsAscending() const;

    // The anchor's copy: a remark value not given becomes 0, the point count is
    // the number of pairs plus one, at most 20 pairs are taken.
    JackRecord toJackRecord() const;
    static CDataJakki fromJackRecord(const JackRecord& jack);
    // A row of JakkiTBL: empty remark columns become the "no value" markers, and
    // DataNum - 1 calibration pairs (0 to 20) are read.
    static CDataJakki fromRecord(const QSqlRecord& row);
};

} // namespace tessaro::refdb
