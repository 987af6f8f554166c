#pragma once
// Binary encoding of the saved records: packed little-endian values, strings as
// a 16-bit byte length and code-page-932 bytes, variable arrays with a
// descriptor (dimension count 1, element count, lower bound 1).

#include "model/Cp932.h"
#include "model/FieldTypes.h"

#include <QtEndian>
#include <algorithm>
#include <concepts>
#include <cstring>
#include <type_traits>

namespace tessaro {

template <class T>
concept Scalar = std::is_arithmetic_v<T>;

// Appends encoded values to a byte buffer.
class RecordWriter {
public:
    explicit RecordWriter(QByteArray& out) : out_(out) {}

    template <Scalar T>
    void operator()(const char*, const T& value)
    {
        T le = qToLittleEndian(value);
        out_.append(reinterpret_cast<const char*>(&le), sizeof(T));
    }
    void operator()(const char*, const QString& text);
    template <std::size_t N>
    void operator()(const char*, const Block<N>& block)
    {
        out_.append(reinterpret_cast<const char*>(block.data()), qsizetype(N));
    }
    template <std::size_t N>
    void operator()(const char*, const SharedBlock<N>& block) { out_.append(block.bytes()); }
    template <class T, std::size_t N>
    void operator()(const char* name, const std::array<T, N>& items)
    {
        for (const T& item : items)
            (*this)(name, item);
    }
    template <class T>
    void operator()(const char* name, const VarArray<T>& items)
    {
        (*this)(name, std::int16_t(1));
        (*this)(name, std::int32_t(items.size()));
        (*this)(name, std::int32_t(1));
        for (const T& item : items)
            (*this)(name, item);
    }
    template <class R>
        requires std::is_class_v<R>
    void operator()(const char*, const R& record)
    {
        // The field lists are shared with the reader and take non-const
        // references; writing never changes them.
        const_cast<R&>(record).visit(*this);
    }

private:
    QByteArray& out_;
};

// Reads encoded values from a buffer, never past its end. Once a value cannot be
// read the reader stops: every later value keeps what it held, so a truncated
// file loads up to where it ends.
class RecordReader {
public:
    RecordReader(const char* data, std::size_t size) : p_(data), end_(data + size) {}

    bool failed() const { return failed_; }
    std::size_t remaining() const { return std::size_t(end_ - p_); }
    bool skip(std::size_t n)
    {
        const char* ignored = nullptr;
        return take(n, ignored);
    }

    template <Scalar T>
    void operator()(const char*, T& value)
    {
        const char* src = nullptr;
        if (take(sizeof(T), src))
            value = qFromLittleEndian<T>(src);
    }
    void operator()(const char*, QString& text);
    template <std::size_t N>
    void operator()(const char*, Block<N>& block)
    {
        const char* src = nullptr;
        if (take(N, src))
            std::memcpy(block.data(), src, N);
    }
    template <std::size_t N>
    void operator()(const char*, SharedBlock<N>& block)
    {
        const char* src = nullptr;
        if (take(N, src))
            block.assign(src);
    }
    template <class T, std::size_t N>
    void operator()(const char* name, std::array<T, N>& items)
    {
        for (T& item : items)
            (*this)(name, item);
    }
    template <class T>
    void operator()(const char* name, VarArray<T>& items);
    template <class R>
        requires std::is_class_v<R>
    void operator()(const char*, R& record)
    {
        record.visit(*this);
    }

private:
    bool take(std::size_t n, const char*& src)
    {
        if (failed_ || remaining() < n) {
            failed_ = true;
            return false;
        }
        src = p_;
        p_ += n;
        return true;
    }

    const char* p_;
    const char* end_;
    bool failed_ = false;
};

// The fewest bytes one value of a type can take in a file; a count read from a
// file is checked against it before anything is allocated.
class MinimumSize {
public:
    std::size_t total = 0;
    template <Scalar T>
    void operator()(const char*, const T&) { total += sizeof(T); }
    void operator()(const char*, const QString&) { total += 2; }
    template <std::size_t N>
    void operator()(const char*, const Block<N>&) { total += N; }
    template <std::size_t N>
    void operator()(const char*, const SharedBlock<N>&) { total += N; }
    template <class T, std::size_t N>
    void operator()(const char* name, const std::array<T, N>& items)
    {
        for (const T& item : items)
            (*this)(name, item);
    }
    template <class T>
    void operator()(const char*, const VarArray<T>&) { total += 2; }
    template <class R>
        requires std::is_class_v<R>
    void operator()(const char*, const R& record) { const_cast<R&>(record).visit(*this); }
};

template <class T>
std::size_t minimumEncodedSize()
{
    static const std::size_t size = [] {
        MinimumSize m;
        m("", T{});
        return m.total > 0 ? m.total : std::size_t(1);
    }();
    return size;
}

template <class T>
void RecordReader::operator()(const char* name, VarArray<T>& items)
{
    std::int16_t dims = -1;
    (*this)(name, dims);
    if (failed_)
        return;
    if (dims == 0) { // an array that was never created
        items.clear();
        return;
    }
    std::int32_t count = -1;
    std::int32_t lowerBound = 0;
    (*this)(name, count);
    (*this)(name, lowerBound);
    if (failed_ || dims != 1 || count < 0) {
        failed_ = true;
        return;
    }
    // Never trust the count: no more elements than the remaining bytes could
    // hold, plus the one a truncated file may end in.
    std::size_t affordable = remaining() / minimumEncodedSize<T>() + 1;
    std::size_t n = std::min<std::size_t>(std::size_t(count), affordable);
    items.assign(n, T{});
    for (T& item : items)
        (*this)(name, item);
    if (n < std::size_t(count))
        failed_ = true;
}

} // namespace tessaro
