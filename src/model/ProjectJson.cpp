#include "model/ProjectJson.h"

#include "model/JsonEmit.h"

#include <QJsonArray>
#include <charconv>
#include <vector>

namespace tessaro {
namespace {

QJsonValue floatValue(float f)
{
    // Shortest text that reads back as the same single, so 0.1f prints as 0.1.
    char buf[32];
    auto res = std::to_chars(buf, buf + sizeof buf, f);
    return QJsonValue(QByteArray(buf, int(res.ptr - buf)).toDouble());
}

// The sink of json::writeValue that builds Qt's JSON values.
class JsonValueSink {
public:
    QJsonValue result;

    void single(float value) { put(floatValue(value)); }
    void number(double value) { put(QJsonValue(value)); }
    void text(const QString& value) { put(value); }
    void bytes(const char* data, std::size_t size)
    {
        put(QString::fromLatin1(QByteArray(data, qsizetype(size)).toHex()));
    }
    void beginArray() { open_.push_back({ {}, {}, true, {} }); }
    void beginObject() { open_.push_back({ {}, {}, false, {} }); }
    void endArray() { closeWith(QJsonValue(open_.back().array)); }
    void endObject() { closeWith(QJsonValue(open_.back().object)); }
    void key(QLatin1String name) { open_.back().key = name; }
    void element() {}

private:
    struct Open {
        QJsonObject object;
        QJsonArray array;
        bool isArray;
        QString key;
    };
    void closeWith(const QJsonValue& closed)
    {
        open_.pop_back();
        put(closed);
    }
    void put(const QJsonValue& v)
    {
        if (open_.empty())
            result = v;
        else if (open_.back().isArray)
            open_.back().array.append(v);
        else
            open_.back().object.insert(open_.back().key, v);
    }
    std::vector<Open> open_;
};

template <class T>
QJsonObject objectOf(const T& record, const QStringList* leftOut = nullptr)
{
    JsonValueSink sink;
    json::writeRecord(sink, record, leftOut);
    return sink.result.toObject();
}

template <class T>
QJsonValue valueOf(const T& value)
{
    JsonValueSink sink;
    json::writeValue(sink, value);
    return sink.result;
}

} // namespace

QJsonObject anchorToJson(const AnchorRecord& anchor) { return objectOf(anchor); }

QJsonObject documentTextsToJson(const DocumentSettings& settings, const std::array<DocumentText, 4>& texts)
{
    return { { "DocumentSettings", objectOf(settings) }, { "DocumentTexts", valueOf(texts) } };
}

QJsonValue floatToJson(float value) { return floatValue(value); }

QJsonObject projectToJson(const Project& p, const QString& release, const QStringList& leftOut)
{
    QJsonObject o = objectOf(p.Record, &leftOut);
    o.remove("SavedTestCategory");
    o.insert("TestCategory", p.TestCategory);
    const ProjectSettings& s = p.Settings;
    o.insert("SummaryTable", valueOf(s.Summary));
    o.insert("UpperRate", valueOf(s.UpperRate));
    o.insert("LowerRate", valueOf(s.LowerRate));
    o.insert("JudgeRangeMode", s.JudgeRangeMode);
    o.insert("JudgeFromCycle", s.JudgeFromCycle);
    o.insert("RateFactor", valueOf(s.RateFactor));
    o.insert("UltimatePullOut", valueOf(s.UltimatePullOut));
    o.insert("StandardEdition", s.StandardEdition);
    o.insert("CreepJudgeValues", valueOf(s.CreepJudgeValues));
    o.insert("TpLimitCoefA", s.TpLimitCoefA);
    o.insert("TpLimitCoefB", s.TpLimitCoefB);
    o.insert("Remarks", valueOf(s.Header.Remarks));
    o.insert("DocumentTexts", valueOf(s.Header.DocumentTexts));
    o.insert("CreepJudgeExtend", s.CreepJudgeExtend);
    o.insert("SavedByVersion", p.SavedByVersion);
    o.insert("SavedOnOS", p.SavedOnOS);
    o.insert("FromOlderRelease", p.FromOlderRelease);
    o.insert("release", release);
    return o;
}

} // namespace tessaro
