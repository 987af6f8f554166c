#pragma once
// JSON written straight as text, indented (four blanks a level, as Qt lays out
// a document) or compact on one line, without building a document first: the
// sink of json::writeValue for records, and a writer of Qt's JSON values. The owner
// takes the text written so far from buffer() whenever it likes, so that a
// project of 999 anchors never stands in memory as one text.

#include <QByteArray>
#include <QJsonValue>
#include <QLatin1String>
#include <vector>

namespace tessaro::json {

class JsonText {
public:
    explicit JsonText(bool compact);

    // The sink of json::writeValue.
    void single(float value);
    void number(double value);
    void text(const QString& value);
    void bytes(const char* data, std::size_t size);
    void beginArray();
    void endArray();
    void beginObject();
    void endObject();
    void key(QLatin1String name);
    void key(const QString& name);
    void element();

    // One of Qt's JSON values, in place of a member or element.
    void value(const QJsonValue& value);

    QByteArray& buffer() { return out_; }

private:
    void separate();
    void close(char bracket);
    void quoted(const QByteArray& utf8);

    bool compact_;
    std::vector<bool> empty_; // per open object or array: nothing in it yet
    QByteArray out_;
};

} // namespace tessaro::json
