#include "cli/JsonOutput.h"

#include "cli/Arguments.h"
#include "model/WriteFailure.h"

#include <QFile>
#include <algorithm>
#include <cstdio>

namespace tessaro::cli {
namespace {

constexpr qsizetype HandOnBytes = 1 << 20;

} // namespace

JsonOutput::JsonOutput(const Arguments& args)
    : outPath_(args.value("out"))
    , text_(args.has("compact"))
{
}

JsonOutput::~JsonOutput() = default;

bool JsonOutput::open()
{
    if (outPath_.isEmpty()) {
        stdout_ = std::make_unique<QFile>();
        stdout_->open(stdout, QIODevice::WriteOnly);
        device_ = stdout_.get();
        return true;
    }
    file_ = std::make_unique<QSaveFile>(outPath_);
    device_ = file_.get();
    if (file_->open(QIODevice::WriteOnly))
        return true;
    error_ = writeFailureText(outPath_, 0, file_->errorString());
    return false;
}

void JsonOutput::handOn(bool always)
{
    QByteArray& written = text_.buffer();
    if (!always && written.size() < HandOnBytes)
        return;
    device_->write(written);
    written.clear();
}

bool JsonOutput::finish()
{
    text_.buffer() += '\n';
    handOn(true);
    if (!file_)
        return stdout_->flush();
    if (file_->commit())
        return true;
    error_ = writeFailureText(outPath_, file_->size(), file_->errorString());
    return false;
}

void JsonOutput::putArray(int count, const Element& element)
{
    text_.beginArray();
    for (int i = 0; i < count; ++i) {
        text_.element();
        element(text_, i);
        handOn();
    }
    text_.endArray();
}

bool JsonOutput::write(const QJsonValue& value)
{
    if (!open())
        return false;
    text_.value(value);
    return finish();
}

bool JsonOutput::writeArray(int count, const Element& element)
{
    if (!open())
        return false;
    putArray(count, element);
    return finish();
}

bool JsonOutput::writeObject(const QJsonObject& members, const std::vector<StreamedArray>& arrays)
{
    if (!open())
        return false;
    QStringList keys = members.keys();
    for (const StreamedArray& a : arrays)
        keys << a.key;
    std::sort(keys.begin(), keys.end());
    text_.beginObject();
    for (const QString& key : keys) {
        text_.key(key);
        auto streamed = std::find_if(arrays.begin(), arrays.end(), [&](const auto& a) { return a.key == key; });
        if (streamed != arrays.end())
            putArray(streamed->count, streamed->element);
        else
            text_.value(members.value(key));
    }
    text_.endObject();
    return finish();
}

} // namespace tessaro::cli
