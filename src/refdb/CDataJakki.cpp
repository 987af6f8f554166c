#include "refdb/CDataJakki.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>

namespace tessaro::refdb {
namespace {

constexpr int MaxPairs = 20;

float remark(double value) { return value < 0 ? 0.0f : float(value); }

// The decimal value a single-precision field was typed as: 138.7 stored as a
// single comes back as 138.7, not as 138.69999694824219.
double widen(float value)
{
    char text[32];
    auto end = std::to_chars(text, text + sizeof text - 1, value).ptr;
    *end = '\0';
    return std::strtod(text, nullptr);
}

double remarkFromColumn(const QSqlRecord& row, const char* column, double none)
{
    QVariant v = row.value(column);
    return v.isNull() ? none : v.toDouble();
}

} // namespace

void CDataJakki::InitData()
{
    No = -1;
    JakkiName.clear();
    Nouryoku = NoCapacity;
    Aturyoku = NoValue;
    menseki = NoValue;
    Strok = NoValue;
    CarrySyutu.clear();
    CarryAtu.clear();
}

void CDataJakki::Copy(const CDataJakki& other) { *this = other; }

bool CDataJakki::CheckModify(const CDataJakki& other) const
{
    return No != other.No || JakkiName != other.JakkiName || Nouryoku != other.Nouryoku ||
           Aturyoku != other.Aturyoku || menseki != other.menseki || Strok != other.Strok ||
           CarrySyutu != other.CarrySyutu || CarryAtu != other.CarryAtu;
}

bool CDataJakki::PairsAscending() const
{
    return std::is_sorted(CarryAtu.begin(), CarryAtu.end()) && std::is_sorted(CarrySyutu.begin(), CarrySyutu.end());
}

JackRecord CDataJakki::toJackRecord() const
{
    JackRecord j;
    j.JackNo = std::max<std::int16_t>(No, 0);
    j.JackName = JakkiName;
    j.Capacity = remark(Nouryoku);
    j.WorkingPressure = remark(Aturyoku);
    j.RamArea = remark(menseki);
    j.Stroke = remark(Strok);
    int pairs = std::min<int>({MaxPairs, int(CarryAtu.size()), int(CarrySyutu.size())});
    for (int i = 0; i < pairs; ++i) {
        j.Pressures[i] = float(CarryAtu[i]);
        j.Outputs[i] = float(CarrySyutu[i]);
    }
    j.PointCount = std::int16_t(pairs + 1);
    return j;
}

CDataJakki CDataJakki::fromJackRecord(const JackRecord& jack)
{
    CDataJakki d;
    d.No = jack.JackNo;
    d.JakkiName = jack.JackName;
    d.Nouryoku = widen(jack.Capacity);
    d.Aturyoku = widen(jack.WorkingPressure);
    d.menseki = widen(jack.RamArea);
    d.Strok = widen(jack.Stroke);
    int pairs = std::clamp(jack.PointCount - 1, 0, MaxPairs);
    for (int i = 0; i < pairs; ++i) {
        d.CarryAtu << widen(jack.Pressures[i]);
        d.CarrySyutu << widen(jack.Outputs[i]);
    }
    return d;
}

CDataJakki CDataJakki::fromRecord(const QSqlRecord& row)
{
    CDataJakki d;
    d.No = std::int16_t(row.value("J_No").toInt());
    d.JakkiName = row.value("Jakki_Name").toString();
    d.Nouryoku = remarkFromColumn(row, "Nouryoku", NoCapacity);
    d.Aturyoku = remarkFromColumn(row, "Aturyoku", NoValue);
    d.menseki = remarkFromColumn(row, "Menseki", NoValue);
    d.Strok = remarkFromColumn(row, "Strok", NoValue);
    int pairs = std::clamp(row.value("DataNum").toInt() - 1, 0, MaxPairs);
    for (int i = 1; i <= pairs; ++i) {
        d.CarryAtu << row.value(QStringLiteral("Aturyoku%1").arg(i)).toDouble();
        d.CarrySyutu << row.value(QStringLiteral("Syuturyoku%1").arg(i)).toDouble();
    }
    return d;
}

} // namespace tessaro::refdb
