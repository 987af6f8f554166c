#pragma once
// How a record, value or array is written as JSON, once for every kind of
// output: a sink receives numbers, texts, opaque bytes and the structure, and
// either builds Qt's JSON values (JsonValueSink) or writes text straight away
// (JsonText). Records are objects of their fields in file order, taken from
// their visit() lists; opaque blocks appear as hexadecimal text with trailing
// zero bytes left out; singles as their shortest exact decimal form.

#include "model/FieldTypes.h"

#include <QString>
#include <type_traits>

namespace tessaro::json {

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

// The bytes of a block without its trailing zeros.
inline std::size_t usedBytes(const char* data, std::size_t n)
{
    while (n > 0 && data[n - 1] == 0)
        --n;
    return n;
}

template <class Sink, class T>
void writeValue(Sink& sink, const T& value);

// Visits a record's fields as the members of an object.
template <class Sink>
struct Fields {
    Sink& sink;
    const QStringList* leftOut = nullptr; // fields not written
    template <class T>
    void operator()(const char* name, const T& value)
    {
        if (leftOut && leftOut->contains(QLatin1String(name)))
            return;
        sink.key(QLatin1String(name));
        writeValue(sink, value);
    }
};

template <class Sink, class T>
void writeRecord(Sink& sink, const T& record, const QStringList* leftOut = nullptr)
{
    sink.beginObject();
    Fields<Sink> fields { sink, leftOut };
    const_cast<T&>(record).visit(fields);
    sink.endObject();
}

template <class Sink, class T>
void writeValue(Sink& sink, const T& value)
{
    if constexpr (std::is_same_v<T, float>) {
        sink.single(value);
    }
    else if constexpr (std::is_arithmetic_v<T>) {
        sink.number(double(value));
    }
    else if constexpr (std::is_same_v<T, QString>) {
        sink.text(value);
    }
    else if constexpr (IsSharedBlock<T>::value) {
        sink.bytes(value.bytes().constData(), usedBytes(value.bytes().constData(), T::size()));
    }
    else if constexpr (IsStdArray<T>::value || IsVector<T>::value) {
        if constexpr (IsStdArray<T>::value && std::is_same_v<typename T::value_type, std::uint8_t>) {
            const char* data = reinterpret_cast<const char*>(value.data());
            sink.bytes(data, usedBytes(data, value.size()));
        }
        else {
            sink.beginArray();
            for (const auto& item : value) {
                sink.element();
                writeValue(sink, item);
            }
            sink.endArray();
        }
    }
    else {
        writeRecord(sink, value);
    }
}

} // namespace tessaro::json
