#pragma once
// Building blocks of the saved records. Every record lists its fields once, in
// file order, through a visit(V&) member; the data-file reader, the writer and
// the JSON dump are visitors over those lists, so the layout is written once.

#include <QByteArray>
#include <QString>
#include <array>
#include <cstdint>
#include <vector>

namespace tessaro {

// A run of bytes whose inner split the file format does not fix: carried as the
// exact bytes that were read so that a file read and written again is unchanged.
template <std::size_t N>
using Block = std::array<std::uint8_t, N>;

// A large opaque block held in shared, copy-on-write storage: anchors are copied
// often (windows edit copies) and most of them keep these bytes all zero.
template <std::size_t N>
class SharedBlock {
public:
    SharedBlock() : bytes_(zeros()) {}
    static constexpr std::size_t size() { return N; }
    const QByteArray& bytes() const { return bytes_; }
    void assign(const char* data) { bytes_ = QByteArray(data, static_cast<qsizetype>(N)); }
    void clear() { bytes_ = zeros(); }
    bool operator==(const SharedBlock& o) const { return bytes_ == o.bytes_; }

private:
    static const QByteArray& zeros()
    {
        static const QByteArray z(static_cast<qsizetype>(N), char(0));
        return z;
    }
    QByteArray bytes_;
};

// Arrays whose bounds are 1..N in the project are stored 0-based here; the file
// writes them with a dimension count, element count and lower bound of 1.
template <class T>
using VarArray = std::vector<T>;

} // namespace tessaro
