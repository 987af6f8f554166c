#include "documents/ZipArchive.h"

#include <zlib.h>

namespace tessaro {
namespace {

void append16(QByteArray& d, quint16 v)
{
    d.append(char(v & 0xff)).append(char(v >> 8));
}

void append32(QByteArray& d, quint32 v)
{
    append16(d, quint16(v & 0xffff));
    append16(d, quint16(v >> 16));
}

// Raw deflate, as zip stores it.
QByteArray deflated(const QByteArray& data)
{
    z_stream z {};
    deflateInit2(&z, Z_BEST_COMPRESSION, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&z, uLong(data.size()))), '\0');
    z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    z.avail_in = uInt(data.size());
    z.next_out = reinterpret_cast<Bytef*>(out.data());
    z.avail_out = uInt(out.size());
    deflate(&z, Z_FINISH);
    out.truncate(qsizetype(z.total_out));
    deflateEnd(&z);
    return out;
}

} // namespace

ZipArchive::ZipArchive(const QDateTime& time)
{
    // Zip dates count from 1980, in two-second steps.
    const QDateTime t = std::max(time, QDateTime(QDate(1980, 1, 1), QTime(0, 0), Qt::UTC));
    dosTime_ = quint16(t.time().hour() << 11 | t.time().minute() << 5 | t.time().second() / 2);
    dosDate_ = quint16((t.date().year() - 1980) << 9 | t.date().month() << 5 | t.date().day());
}

void ZipArchive::add(const QString& name, const QByteArray& data)
{
    const QByteArray path = name.toUtf8();
    const QByteArray packed = deflated(data);
    const auto crc = quint32(crc32(0, reinterpret_cast<const Bytef*>(data.constData()), uInt(data.size())));
    // What the local header and the central directory entry share.
    QByteArray common;
    append16(common, 20); // version needed: deflate
    append16(common, 0x0800); // names in UTF-8
    append16(common, 8); // deflated
    append16(common, dosTime_);
    append16(common, dosDate_);
    append32(common, crc);
    append32(common, quint32(packed.size()));
    append32(common, quint32(data.size()));
    append16(common, quint16(path.size()));
    append16(common, 0); // no extra field

    append32(directory_, 0x02014b50);
    append16(directory_, 20); // made by: version 2.0
    directory_ += common;
    append16(directory_, 0); // no comment
    append16(directory_, 0); // disk 0
    append16(directory_, 0); // internal attributes
    append32(directory_, 0); // external attributes
    append32(directory_, quint32(parts_.size()));
    directory_ += path;

    append32(parts_, 0x04034b50);
    parts_ += common + path + packed;
    ++count_;
}

QByteArray ZipArchive::bytes() const
{
    QByteArray end;
    append32(end, 0x06054b50);
    append16(end, 0);
    append16(end, 0);
    append16(end, count_);
    append16(end, count_);
    append32(end, quint32(directory_.size()));
    append32(end, quint32(parts_.size()));
    append16(end, 0);
    return parts_ + directory_ + end;
}

} // namespace tessaro
