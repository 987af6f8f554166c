#pragma once
// Builds data-file bytes field by field from the documented layout, without the
// program's record lists, so that the reader is checked against the layout itself.

#include "model/Cp932.h"
#include "model/DataFile.h"
#include "support/TestSupport.h"

#include <QByteArray>
#include <QtEndian>
#include <cstdint>

namespace tessaro::test {

class HandWrittenFile {
public:
    QByteArray bytes;

    HandWrittenFile& i8(std::uint8_t v) { return raw(&v, 1); }
    HandWrittenFile& i16(std::int16_t v) { return le(v); }
    HandWrittenFile& i32(std::int32_t v) { return le(v); }
    HandWrittenFile& f32(float v) { return le(v); }
    HandWrittenFile& f64(double v) { return le(v); }
    HandWrittenFile& zeros(int n) { bytes.append(QByteArray(n, '\0')); return *this; }
    HandWrittenFile& str(const QString& s)
    {
        QByteArray b = cp932::encode(s);
        i16(std::int16_t(b.size()));
        bytes.append(b);
        return *this;
    }
    HandWrittenFile& arrayHead(int count) { return i16(1).i32(count).i32(1); }
    HandWrittenFile& ascii(const char* s) { bytes.append(s); return *this; }

private:
    template <class T>
    HandWrittenFile& le(T v)
    {
        T x = qToLittleEndian(v);
        return raw(&x, sizeof x);
    }
    HandWrittenFile& raw(const void* p, int n)
    {
        bytes.append(static_cast<const char*>(p), n);
        return *this;
    }
};

// Writes the bytes as a data file and opens it.
inline bool loadBytes(const QByteArray& bytes)
{
    writeFile(tempPath("test.tsx"), bytes);
    return LoadDataFile(tempPath("test.tsx"));
}

} // namespace tessaro::test
