#include "model/JsonText.h"

#include <QJsonArray>
#include <QJsonObject>
#include <charconv>
#include <cmath>

namespace tessaro::json {
namespace {

constexpr char Hex[] = "0123456789abcdef";

template <class Number>
void appendShortest(QByteArray& out, Number value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buf[32];
    auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
    out.append(buf, end - buf);
}

} // namespace

JsonText::JsonText(bool compact)
    : compact_(compact)
{
}

void JsonText::single(float value)
{
    appendShortest(out_, value);
}

void JsonText::number(double value)
{
    appendShortest(out_, value);
}

void JsonText::quoted(const QByteArray& utf8)
{
    out_ += '"';
    for (char c : utf8) {
        switch (c) {
        case '"': out_ += "\\\""; break;
        case '\\': out_ += "\\\\"; break;
        case '\n': out_ += "\\n"; break;
        case '\r': out_ += "\\r"; break;
        case '\t': out_ += "\\t"; break;
        case '\b': out_ += "\\b"; break;
        case '\f': out_ += "\\f"; break;
        default:
            if (uchar(c) < 0x20) {
                out_ += "\\u00";
                out_ += Hex[uchar(c) >> 4];
                out_ += Hex[uchar(c) & 15];
            }
            else {
                out_ += c;
            }
        }
    }
    out_ += '"';
}

void JsonText::text(const QString& value)
{
    quoted(value.toUtf8());
}

void JsonText::bytes(const char* data, std::size_t size)
{
    out_ += '"';
    for (std::size_t i = 0; i < size; ++i) {
        out_ += Hex[uchar(data[i]) >> 4];
        out_ += Hex[uchar(data[i]) & 15];
    }
    out_ += '"';
}

void JsonText::separate()
{
    if (empty_.empty())
        return;
    if (!empty_.back())
        out_ += ',';
    empty_.back() = false;
    if (!compact_) {
        out_ += '\n';
        out_.append(qsizetype(4 * empty_.size()), ' ');
    }
}

void JsonText::close(char bracket)
{
    const bool wasEmpty = empty_.back();
    empty_.pop_back();
    if (!compact_ && !wasEmpty) {
        out_ += '\n';
        out_.append(qsizetype(4 * empty_.size()), ' ');
    }
    out_ += bracket;
}

void JsonText::beginArray()
{
    out_ += '[';
    empty_.push_back(true);
}

void JsonText::endArray()
{
    close(']');
}

void JsonText::beginObject()
{
    out_ += '{';
    empty_.push_back(true);
}

void JsonText::endObject()
{
    close('}');
}

void JsonText::key(QLatin1String name)
{
    separate();
    quoted(QByteArray(name.data(), name.size()));
    out_ += compact_ ? ":" : ": ";
}

void JsonText::key(const QString& name)
{
    separate();
    quoted(name.toUtf8());
    out_ += compact_ ? ":" : ": ";
}

void JsonText::element()
{
    separate();
}

void JsonText::value(const QJsonValue& v)
{
    switch (v.type()) {
    case QJsonValue::Object: {
        beginObject();
        const QJsonObject object = v.toObject();
        for (auto it = object.begin(); it != object.end(); ++it) {
            key(it.key());
            value(it.value());
        }
        endObject();
        break;
    }
    case QJsonValue::Array:
        beginArray();
        for (const QJsonValue& item : v.toArray()) {
            element();
            value(item);
        }
        endArray();
        break;
    case QJsonValue::Double: number(v.toDouble()); break;
    case QJsonValue::String: text(v.toString()); break;
    case QJsonValue::Bool: out_ += v.toBool() ? "true" : "false"; break;
    default: out_ += "null"; break;
    }
}

} // namespace tessaro::json
