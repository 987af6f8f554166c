#include "model/ProjectJson.h"

#include <QJsonArray>
#include <charconv>
#include <type_traits>

namespace tessaro {
namespace {

QJsonValue floatValue(float f)
{
    // Shortest text that reads back as the same single, so 0.1f prints as 0.1.
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, f);
    return QJsonValue(QByteArray(buf, int(res.ptr - buf)).toDouble());
}

QJsonValue bytesValue(const char* data, std::size_t n)
{
    while (n > 0 && data[n - 1] == 0)
        --n;
    return QString::fromLatin1(QByteArray(data, qsizetype(n)).toHex());
}

class JsonWriter;

template <class T>
QJsonValue toJson(const T& value);

class JsonWriter {
public:
    QJsonObject object;
    template <class T>
    void operator()(const char* name, const T& value) { object.insert(QLatin1String(name), toJson(value)); }
};

template <class T>
struct IsStdArray : std::false_type {};
template <class T, std::size_t N>
struct IsStdArray<std::array<T, N>> : std::true_type {};
template <class T>
struct IsSharedBlock : std::false_type {};
template <std::size_t N>
struct IsSharedBlock<SharedBlock<N>> : std::true_type {};
template <class T>
struct IsVector : std::false_type {};
template <class T>
struct IsVector<std::vector<T>> : std::true_type {};

template <class T>
QJsonValue toJson(const T& value)
{
    if constexpr (std::is_same_v<T, float>) {
        return floatValue(value);
    } else if constexpr (std::is_arithmetic_v<T>) {
        return QJsonValue(double(value));
    } else if constexpr (std::is_same_v<T, QString>) {
        return value;
    } else if constexpr (IsSharedBlock<T>::value) {
        return bytesValue(value.bytes().constData(), T::size());
    } else if constexpr (IsStdArray<T>::value) {
        if constexpr (std::is_same_v<typename T::value_type, std::uint8_t>) {
            return bytesValue(reinterpret_cast<const char*>(value.data()), value.size());
        } else {
            QJsonArray a;
            for (const auto& item : value)
                a.append(toJson(item));
            return a;
        }
    } else if constexpr (IsVector<T>::value) {
        QJsonArray a;
        for (const auto& item : value)
            a.append(toJson(item));
        return a;
    } else {
        JsonWriter w;
        const_cast<T&>(value).visit(w);
        return w.object;
    }
}

} // namespace

QJsonObject anchorToJson(const AnchorRecord& anchor) { return toJson(anchor).toObject(); }

QJsonValue floatToJson(float value) { return floatValue(value); }

QJsonObject projectToJson(const Project& p, const QString& release)
{
    JsonWriter w;
    const_cast<ProjectRecord&>(p.Record).visit(w);
    QJsonObject o = w.object;
    o.remove("SavedTestCategory");
    o.insert("TestCategory", p.TestCategory);
    const ProjectSettings& s = p.Settings;
    o.insert("SummaryTable", toJson(s.Summary));
    o.insert("UpperRate", toJson(s.UpperRate));
    o.insert("LowerRate", toJson(s.LowerRate));
    o.insert("JudgeRangeMode", s.JudgeRangeMode);
    o.insert("JudgeFromCycle", s.JudgeFromCycle);
    o.insert("RateFactor", toJson(s.RateFactor));
    o.insert("UltimatePullOut", toJson(s.UltimatePullOut));
    o.insert("StandardEdition", s.StandardEdition);
    o.insert("CreepJudgeValues", toJson(s.CreepJudgeValues));
    o.insert("TpLimitCoefA", s.TpLimitCoefA);
    o.insert("TpLimitCoefB", s.TpLimitCoefB);
    o.insert("Remarks", toJson(s.Header.Remarks));
    o.insert("DocumentTexts", toJson(s.Header.DocumentTexts));
    o.insert("CreepJudgeExtend", s.CreepJudgeExtend);
    o.insert("SavedByVersion", p.SavedByVersion);
    o.insert("SavedOnOS", p.SavedOnOS);
    o.insert("FromOlderRelease", p.FromOlderRelease);
    o.insert("release", release);
    return o;
}

} // namespace tessaro
