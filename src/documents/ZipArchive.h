#pragma once
// A zip archive made in memory, as the Office file formats package their
// parts: each part deflated and dated with one given time, in the order added,
// so that the same parts give the same archive byte for byte.

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace tessaro {

class ZipArchive {
public:
    explicit ZipArchive(const QDateTime& time);

    void add(const QString& name, const QByteArray& data);
    // The archive with every part added so far.
    QByteArray bytes() const;

private:
    QByteArray parts_;
    QByteArray directory_;
    quint16 count_ = 0;
    quint16 dosTime_ = 0;
    quint16 dosDate_ = 0;
};

} // namespace tessaro
